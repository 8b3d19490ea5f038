// The session driver's checks fail when what they check is broken, and stepping ends then.

#include "SessionDriver.h"
#include "ProgramFolder.h"

#include "model/ModelObjects.h"
#include "tests/support/GuiTest.h"

#include <QWidget>

namespace {

using SessionDriverChecks = GuiTest;

TEST_F(SessionDriverChecks, ACountBeyondTheTestFailsTheSession)
{
    ProgramFolder folder(Bank::Small, StoredState::None);
    SessionDriver driver(folder.Dir());
    EXPECT_FALSE(
        driver.Run([](SessionDriver&, const SessionDriver::Top&) { ++theSettings.m_wrongCount; }, 100));
    EXPECT_EQ(driver.Steps(), 1);
    EXPECT_NE(driver.Failure().find("more answers are counted"), std::string::npos) << driver.Failure();
}

TEST_F(SessionDriverChecks, AWindowOfNoDialogFailsTheSession)
{
    ProgramFolder folder(Bank::Small, StoredState::None);
    SessionDriver driver(folder.Dir());
    QWidget stray;
    EXPECT_FALSE(driver.Run([&stray](SessionDriver&, const SessionDriver::Top&) { stray.show(); }, 100));
    EXPECT_NE(driver.Failure().find("belongs to no dialog"), std::string::npos) << driver.Failure();
}

} // namespace
