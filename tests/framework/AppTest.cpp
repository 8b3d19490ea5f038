// The application object: registered on construction, its InitInstance called once by
// AfxWinMain, and the process status 0 when it returns false.

#include "framework/CWinApp.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class CountingApp : public CWinApp
{
public:
    BOOL InitInstance() override
    {
        ++m_nCalls;
        m_bHadApplication = QApplication::instance() != nullptr;
        return FALSE;
    }

    int m_nCalls = 0;
    bool m_bHadApplication = false;
};

TEST(AppTest, WinMainRunsInitInstanceOnceAndEnds)
{
    CountingApp app;
    EXPECT_EQ(AfxGetApp(), &app);
    char name[] = "framework_app_test";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(AfxWinMain(1, argv), 0);
    EXPECT_EQ(app.m_nCalls, 1);
    EXPECT_TRUE(app.m_bHadApplication);
}

} // namespace
