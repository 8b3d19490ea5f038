#include "framework/CWinApp.h"

#include "framework/base/Resources.h"
#include "framework/qt/ApplicationFonts.h"
#include "framework/qt/Artwork.h"

#include <QApplication>
#include <QIcon>

namespace {

CWinApp* g_pApp = nullptr;

} // namespace

CWinApp::CWinApp(const char* appName) : m_pszAppName(appName)
{
    g_pApp = this;
}

CWinApp::~CWinApp()
{
    if (g_pApp == this)
        g_pApp = nullptr;
}

BOOL CWinApp::InitInstance()
{
    return TRUE;
}

CWinApp* AfxGetApp()
{
    return g_pApp;
}

int AfxWinMain(int argc, char** argv)
{
    QApplication application(argc, argv);
    // Windows come and go between the modal loops; none of them ends the program.
    QApplication::setQuitOnLastWindowClosed(false);
    // Before the first window: its layout is measured in these faces.
    RegisterApplicationFonts(ProgramFontFolder());
    QApplication::setWindowIcon(IconArtwork(ApplicationIconId()));
    CWinApp* app = AfxGetApp();
    if (!app)
        return -1;
    app->InitInstance();
    return 0;
}
