// The settings file as Linux writes it after a short learning session and "Konec". The same
// steps through navik.exe under Wine (tests/win32) must give these bytes too: one format,
// one file, whichever system wrote it.

#include "app/MainDialog.h"
#include "model/ModelObjects.h"
#include "res/resource.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"

#include "TempDir.h"
#include "TreeBytes.h"

#include <filesystem>

namespace {

using SettingsGoldenTest = GuiTest;

TEST_F(SettingsGoldenTest, KonecAfterLearningWritesTheSharedBytes)
{
    const TempDir dir;
    for (const char* name : {"Demootazky.dat", "Logo.jpg"})
        std::filesystem::copy_file(std::string(NAVIK_TEST_DIST_DIR) + "/" + name, dir.File(name));
    theSettings = Settings();
    theQuestionBank.RemoveAll();

    MainDialog launcher(dir.Path() + "/");
    RunModal(launcher, [](ModalDialog& modal) {
        OnNextDialog(IDD_LEARN_SETTINGS, [](ModalDialog& setup) {
            OnNextDialog(IDD_QUESTION, [](ModalDialog& question) {
                for (int key : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_PageDown})
                    question.Key(key);
                question.Key(Qt::Key_Escape);
            });
            setup.Click(IDC_START_LAST);
            setup.Click(IDC_SHOW_CORRECT);
            setup.Click(IDOK);
        });
        modal.Click(IDC_LEARN);
        EXPECT_EQ(theSettings.m_nULast, 13);
        modal.Click(IDC_EXIT);
    });
    EXPECT_EQ(TreeBytes::ReadFile(dir.File("navik.cfg")),
              TreeBytes::ReadFile(NAVIK_TEST_GOLDEN_DIR "/konec-after-learning.cfg"));
}

} // namespace
