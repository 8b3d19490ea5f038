// The launcher on a folder of its own holding copies of the bundled bank and logo: the
// settings file read on creation, the caption with and without the bank, the About box from
// the system menu, and "Konec" as the only way out that writes the settings file, whose bytes
// after a short learning session are those of the shared golden file.

#include "app/MainDialog.h"
#include "framework/CMenu.h"
#include "framework/FileErrorReport.h"
#include "framework/base/CFileException.h"
#include "model/ModelObjects.h"
#include "res/resource.h"
#include "storage/TreeNode.h"
#include "tests/support/GuiTest.h"
#include "tests/support/ModalDriver.h"
#include "tests/support/TestSeams.h"

#include "TempDir.h"
#include "TreeBytes.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QWidget>

#include <cerrno>
#include <filesystem>

namespace {

using TreeBytes::Bytes;

void SaveSettings(const Settings& record, const std::string& path)
{
    TreeNode root;
    record.SaveToNode(&root);
    root.SaveFile(path);
}

// An unfinished test of the 200 questions of the demo bank at position 5, which may be
// continued, and learning at question 79.
Settings Unfinished()
{
    Settings record;
    for (int i = 0; i < 200; ++i)
        record.m_test[std::size_t(i)] = 199 - i;
    record.m_testCount = 200;
    record.m_testPos = 5;
    record.m_bZOnlyNew = false;
    record.m_nZNovytest = 1;
    record.m_nULast = 79;
    return record;
}

// The program's folder, and the process-wide records as a new process has them.
class MainDialogTest : public GuiTest
{
protected:
    void SetUp() override
    {
        theSettings = Settings();
        theQuestionBank.RemoveAll();
        for (const char* name : {"Demootazky.dat", "Logo.jpg"})
            std::filesystem::copy_file(std::string(NAVIK_TEST_DIST_DIR) + "/" + name, m_dir.File(name));
    }
    CString Dir() const { return m_dir.Path() + "/"; }
    std::string Cfg() const { return m_dir.File("navik.cfg"); }
    int RunLauncher(std::function<void(ModalDialog&)> body) const
    {
        MainDialog launcher(Dir());
        return RunModal(launcher, std::move(body));
    }
    Bytes SavedBytes(const Settings& record) const
    {
        SaveSettings(record, m_scratch.File("saved.cfg"));
        return TreeBytes::ReadFile(m_scratch.File("saved.cfg"));
    }

    TempDir m_dir;
    TempDir m_scratch;
};

// Escape and the close request leave the file alone; "Konec" writes it, but a failed save
// keeps the launcher open and the old file.
TEST_F(MainDialogTest, OnlyKonecWritesTheRecord)
{
    SaveSettings(Unfinished(), Cfg());
    const Bytes old = TreeBytes::ReadFile(Cfg());
    using Leave = void (*)(ModalDialog&);
    for (const Leave leave : {Leave([](ModalDialog& launcher) { launcher.Key(Qt::Key_Escape); }),
                              Leave([](ModalDialog& launcher) { launcher.Window()->close(); })}) {
        const int result = RunLauncher([leave](ModalDialog& launcher) {
            theSettings.m_nZPocetOtazek = 44;
            leave(launcher);
        });
        EXPECT_EQ(result, IDCANCEL);
    }
    EXPECT_EQ(TreeBytes::ReadFile(Cfg()), old);

    MessageBoxRecorder boxes;
    const int result = RunLauncher([&](ModalDialog& launcher) {
        theSettings.m_nZPocetOtazek = 44;
        const CString exeDir = theSettings.m_strExeDir;
        // A folder that is a regular file. (A save cut off part way keeps the old file and
        // leaves no temporary: the save fault test.)
        theSettings.m_strExeDir = m_dir.File("Logo.jpg") + "/";
        launcher.Click(IDC_EXIT);
        EXPECT_TRUE(launcher.Window()->isVisible());
        EXPECT_EQ(TreeBytes::ReadFile(Cfg()), old);
        ASSERT_EQ(boxes.Texts().size(), 1u);
        EXPECT_NE(boxes.Texts()[0].find("Logo.jpg/navik.cfg"), std::string::npos) << boxes.Texts()[0];
        theSettings.m_strExeDir = exeDir;
        launcher.Click(IDC_EXIT);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_NE(TreeBytes::ReadFile(Cfg()), old);
    EXPECT_EQ(TreeBytes::ReadFile(Cfg()), SavedBytes(theSettings));
    EXPECT_EQ(m_dir.Entries(), (std::vector<std::string>{"Demootazky.dat", "Logo.jpg", "navik.cfg"}));
}

// The settings file as Linux writes it after a short learning session and "Konec". The same
// steps through navik.exe under Wine (tests/win32) must give these bytes too: one format,
// one file, whichever system wrote it.
using SettingsGoldenTest = MainDialogTest;

TEST_F(SettingsGoldenTest, KonecAfterLearningWritesTheSharedBytes)
{
    RunLauncher([](ModalDialog& modal) {
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
    EXPECT_EQ(TreeBytes::ReadFile(Cfg()),
              TreeBytes::ReadFile(NAVIK_TEST_GOLDEN_DIR "/konec-after-learning.cfg"));
}

// The record read on creation and fitted to the bank only when the bank was read (how it is
// fitted: the settings' own tests), the caption with and without the bank, and what "Učení"
// says when the bank has no question: a bank file that is no database is named again, apart
// from one that holds none.
TEST_F(MainDialogTest, TheStoredStateIsFittedOnlyToABankThatWasRead)
{
    const std::string bankPath = m_dir.File("Demootazky.dat");
    const CString noQuestion = "V databázi otázek není žádná otázka.";
    const CString damaged = "Soubor „" + bankPath + "“ není platná databáze otázek.";
    const auto bankOf = [this](int count) {
        TreeNode bank;
        bank.SetInt("count", count, 0);
        EXPECT_TRUE(bank.SaveFile(m_scratch.File("bank.dat")));
        return TreeBytes::ReadFile(m_scratch.File("bank.dat"));
    };
    const struct
    {
        const char* name;
        Bytes bank; // none: no bank file
        int size;
        bool fitted;
        std::vector<CString> boxes; // on creation, then for "Učení" when the bank is empty
    } cases[] = {
        {"demo", TreeBytes::ReadFile(bankPath), 200, true, {}},
        {"small", bankOf(8), 8, true, {}},
        {"empty", bankOf(0), 0, true, {noQuestion}},
        {"missing",
         {},
         0,
         false,
         {FileErrorMessage(CFileException(CFileException::fileNotFound, ENOENT, bankPath)), noQuestion}},
        {"damaged",
         {0x1F, 0x8B, 0x08, 0, 'n', 'o', 't', ' ', 'a', ' ', 'b', 'a', 'n', 'k'},
         0,
         false,
         {damaged, damaged}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(bankPath);
        if (!c.bank.empty())
            TreeBytes::WriteFile(bankPath, c.bank);
        SaveSettings(Unfinished(), Cfg());
        theSettings = Settings();
        theQuestionBank.RemoveAll();
        MessageBoxRecorder boxes;
        RunLauncher([&](ModalDialog& launcher) {
            // The caption names the demo, but for a bank file that cannot be opened.
            EXPECT_EQ(launcher.Window()->windowTitle(),
                      c.bank.empty() ? QStringLiteral("Vůdce maleho plavidla")
                                     : QStringLiteral("Vůdce maleho plavidla - DEMO version"));
            if (c.size == 0)
                launcher.Click(IDC_LEARN);
            launcher.Click(IDC_EXIT);
        });
        EXPECT_EQ(theQuestionBank.GetSize(), c.size);
        EXPECT_EQ(boxes.Texts(), c.boxes);
        Settings expected = Unfinished();
        if (c.fitted)
            expected.FitToBank(c.size);
        EXPECT_EQ(TreeBytes::ReadFile(Cfg()), SavedBytes(expected));
    }
}

TEST_F(MainDialogTest, TheProgramFolderIsTheDirectoryOfItsPath)
{
    EXPECT_EQ(MainDialog::ExeDirFromPath("/navik"), "/");
    EXPECT_EQ(MainDialog::ExeDirFromPath("/opt/navik/navik"), "/opt/navik/");
    MainDialog beside;
    EXPECT_EQ(theSettings.m_strExeDir, QCoreApplication::applicationDirPath().toStdString() + "/");
}

// What the platform makes of a right click on the logo's corner, away from the buttons.
void RightClick(ModalDialog& launcher)
{
    const QPoint corner(300, 20);
    QContextMenuEvent click(QContextMenuEvent::Mouse, corner, launcher.Window()->mapToGlobal(corner));
    QApplication::sendEvent(launcher.Window(), &click);
}

// Opens the system menu with open, chooses item and expects an About box, closed with OK.
void ExpectAboutBox(ModalDialog& launcher, void (*open)(ModalDialog&), const QString& item)
{
    bool opened = false;
    OnNextPopup([item, &opened](QMenu& menu) {
        // The launcher's own system menu ends with a separator and the About item.
        const QList<QAction*> items = menu.actions();
        if (item == QStringLiteral("&About Navik")) {
            ASSERT_GE(items.size(), 3);
            EXPECT_TRUE(items[items.size() - 2]->isSeparator());
            EXPECT_EQ(items.back()->text(), "&About Navik...");
        }
        OnNextModal([&opened](ModalDialog& about) {
            opened = true;
            EXPECT_EQ(about.Window()->windowTitle(), "About Navik");
            // The home page is asked for and the box stays open.
            about.Click(IDC_HOME_PAGE);
            EXPECT_EQ(QApplication::activeModalWidget(), about.Window());
            about.Click(IDOK);
        });
        ChooseMenuItem(menu, item);
    });
    // A desktop activates the launcher again when the dialog above it closes.
    QApplication::setActiveWindow(launcher.Window());
    open(launcher);
    EXPECT_TRUE(opened) << item.toStdString();
}

// The About command, and one that differs from it in the low four bits only, open the About
// box, whose home page button asks for the address and leaves the box open.
TEST_F(MainDialogTest, KeyRightClickAndLowBitCommandsOpenTheAboutBox)
{
    UrlRecorder urls;
    RunLauncher([](ModalDialog& launcher) {
        const auto altSpace = [](ModalDialog& modal) {
            QTest::keyClick(modal.Window(), Qt::Key_Space, Qt::AltModifier);
        };
        ExpectAboutBox(launcher, altSpace, "&About Navik");
        launcher.Dialog()->GetSystemMenu(FALSE)->AppendMenu(MF_STRING, 0x001F, "0x001F");
        ExpectAboutBox(launcher, RightClick, "0x001F");
        launcher.Key(Qt::Key_Escape);
    });
    const CString home = "http://navik.example.org/index.php?page=soft&prg=Navik";
    EXPECT_EQ(urls.Addresses(), (std::vector<CString>{home, home}));
}

} // namespace
