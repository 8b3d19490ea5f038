// navik.exe from its portable folder under Wine (or Windows), driven from outside: what the
// Win32 back-end must get right for the program to work — its windows and their keys, the
// files beside it, its look where the look is the point. The behaviour of the modes is the
// Linux suite's; these cases only walk through it.

#include "ProgramDriver.h"

#include "model/Question.h"
#include "model/QuestionBank.h"
#include "model/Settings.h"
#include "modes/QuestionTexts.h"
#include "res/resource.h"
#include "storage/TreeFile.h"
#include "storage/TreeNode.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace {

constexpr std::uint32_t kLightBlue = 0x8ED4FF;
constexpr std::uint32_t kLightRed = 0xFF8E8E;
constexpr std::uint32_t kWhite = 0xFFFFFF;
constexpr std::uint32_t kGreen = 0x008000;
constexpr std::uint32_t kRed = 0xFF0000;

const std::wstring kCaption = L"Vůdce maleho plavidla";

std::string Bytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

class ProgramTest : public ::testing::Test
{
protected:
    void SetUp() override { LoadQuestionDatabase(m_folder.File("Demootazky.dat").string(), m_bank); }

    HWND Launcher(const RunningProgram& program) const
    {
        return program.WaitForWindow([](HWND window) { return Caption(window).starts_with(kCaption); });
    }
    std::wstring QuestionText(int index) const { return FromAnsi(TextsOf(m_bank[index], true).question); }
    // Any letter but the right one's.
    UINT WrongKey(int index) const { return m_bank[index].m_nAnswer == 0 ? 'B' : 'A'; }
    UINT RightKey(int index) const { return UINT('A' + m_bank[index].m_nAnswer); }

    // Zkoušení with a new test of all questions in order, no time limit and the given check.
    HWND StartSequentialExam(const RunningProgram& program, HWND launcher, int check) const
    {
        Click(launcher, IDC_EXAM);
        HWND setup = program.WaitForDialogWith(IDC_ORDER_SEQUENTIAL);
        for (int id : {IDC_NEW_TEST, IDC_ORDER_SEQUENTIAL, IDC_TIME_UNLIMITED, check})
            Click(setup, id);
        Click(setup, IDOK);
        return program.WaitForDialogWith(IDC_ANSWER_A);
    }

    ProgramFolder m_folder;
    QuestionBank m_bank;
};

// The same steps as the Linux suite's SettingsGoldenTest: the settings file must be the
// same bytes on both systems.
TEST_F(ProgramTest, LearningPagesRemembersItsQuestionAndKonecWritesTheLinuxBytes)
{
    {
        const RunningProgram program(m_folder);
        HWND launcher = Launcher(program);
        ASSERT_TRUE(launcher);
        EXPECT_EQ(Caption(launcher), kCaption + L" - DEMO version");

        Click(launcher, IDC_LEARN);
        HWND setup = program.WaitForDialogWith(IDC_START_LAST);
        ASSERT_TRUE(setup);
        EXPECT_EQ(Caption(setup), L"Nastavení režimu učení");
        // The gradient runs from light blue at the top to white at the bottom, beside the
        // controls.
        const Grab look = GrabClient(setup);
        ASSERT_GT(look.height, 20);
        EXPECT_TRUE(Near(look.At(look.width - 3, 1), kLightBlue, 3))
            << std::hex << look.At(look.width - 3, 1);
        EXPECT_TRUE(Near(look.At(look.width - 3, look.height - 2), kWhite, 3))
            << std::hex << look.At(look.width - 3, look.height - 2);
        Click(setup, IDC_START_LAST);
        Click(setup, IDC_SHOW_CORRECT);
        Click(setup, IDOK);

        HWND question = program.WaitForDialogWith(IDC_QUESTION_TEXT);
        ASSERT_TRUE(question);
        EXPECT_EQ(Caption(question), L"Vůdce malého plavidla - režim učení");
        EXPECT_EQ(ItemText(question, IDC_QUESTION_TEXT), QuestionText(0));
        for (UINT key : {VK_RIGHT, VK_RIGHT, VK_RIGHT, VK_NEXT})
            Key(question, key);
        EXPECT_EQ(ItemText(question, IDC_QUESTION_TEXT), QuestionText(13));
        EXPECT_EQ(ItemText(question, IDC_ANSWER_A), FromAnsi(TextsOf(m_bank[13], false).answers[0]));
        Key(question, VK_ESCAPE);

        launcher = program.WaitForDialogWith(IDC_EXIT);
        Click(launcher, IDC_EXIT);
        DWORD exitCode = 1;
        ASSERT_TRUE(program.WaitForExit(20000, &exitCode));
        EXPECT_EQ(exitCode, 0u);
    }
    const std::string golden = Bytes(NAVIK_TEST_GOLDEN_DIR "/konec-after-learning.cfg");
    ASSERT_FALSE(golden.empty());
    EXPECT_TRUE(Bytes(m_folder.File("navik.cfg")) == golden) << "navik.cfg differs from the Linux build's";

    // Started again, learning goes on where it stopped.
    const RunningProgram program(m_folder);
    HWND launcher = Launcher(program);
    ASSERT_TRUE(launcher);
    Click(launcher, IDC_LEARN);
    Click(program.WaitForDialogWith(IDC_START_LAST), IDOK);
    HWND question = program.WaitForDialogWith(IDC_QUESTION_TEXT);
    EXPECT_EQ(ItemText(question, IDC_QUESTION_TEXT), QuestionText(13));
    Key(question, VK_ESCAPE);
    Key(program.WaitForDialogWith(IDC_EXIT), VK_ESCAPE);
    EXPECT_TRUE(program.WaitForExit(20000));
}

TEST_F(ProgramTest, ATestLeftAfterFifteenAnswersGoesOnAfterARestart)
{
    {
        const RunningProgram program(m_folder);
        HWND launcher = Launcher(program);
        ASSERT_TRUE(launcher);
        HWND question = StartSequentialExam(program, launcher, IDC_CHECK_AT_END);
        ASSERT_TRUE(question);
        EXPECT_EQ(Caption(question), L"Vůdce malého plavidla - režim zkoušení");
        EXPECT_FALSE(ItemShown(question, IDC_NEXT));
        for (int i = 0; i < 15; ++i) {
            EXPECT_EQ(ItemText(question, IDC_QUESTION_TEXT), QuestionText(i));
            Key(question, RightKey(i));
        }
        EXPECT_EQ(ItemText(question, IDC_QUESTION_TEXT), QuestionText(15));
        Click(question, IDC_BACK);
        HWND results = program.WaitForDialogWith(IDC_CORRECTION_TEST);
        ASSERT_TRUE(results);
        Click(results, IDOK);
        Click(program.WaitForDialogWith(IDC_EXIT), IDC_EXIT);
        ASSERT_TRUE(program.WaitForExit(20000));
    }

    const RunningProgram program(m_folder);
    HWND launcher = Launcher(program);
    ASSERT_TRUE(launcher);
    Click(launcher, IDC_EXAM);
    HWND setup = program.WaitForDialogWith(IDC_CONTINUE_TEST);
    ASSERT_TRUE(ItemEnabled(setup, IDC_CONTINUE_TEST));
    Click(setup, IDC_CONTINUE_TEST);
    EXPECT_FALSE(ItemEnabled(setup, IDC_ORDER_RANDOM));
    Click(setup, IDOK);
    HWND question = program.WaitForDialogWith(IDC_ANSWER_A);
    ASSERT_TRUE(question);
    EXPECT_EQ(ItemText(question, IDC_QUESTION_TEXT), QuestionText(15));
    Key(question, VK_ESCAPE);
    Click(program.WaitForDialogWith(IDC_CORRECTION_TEST), IDOK);
    Key(program.WaitForDialogWith(IDC_EXIT), VK_ESCAPE);
    EXPECT_TRUE(program.WaitForExit(20000));
}

TEST_F(ProgramTest, TheWrongAnswerPopupIsLightRedAndTheResultsCountInGreenAndRed)
{
    const RunningProgram program(m_folder);
    HWND launcher = Launcher(program);
    ASSERT_TRUE(launcher);
    HWND question = StartSequentialExam(program, launcher, IDC_CHECK_EACH);
    ASSERT_TRUE(question);

    Key(question, WrongKey(0));
    HWND popup = program.WaitForDialogWith(IDC_WRONG_MESSAGE);
    ASSERT_TRUE(popup);
    EXPECT_TRUE(ItemText(popup, IDC_WRONG_MESSAGE).starts_with(L"Správná odpověď je "))
        << ItemText(popup, IDC_WRONG_MESSAGE);
    EXPECT_FALSE(IsWindowEnabled(question));
    const Grab look = GrabClient(popup);
    ASSERT_GT(look.height, 20);
    EXPECT_TRUE(Near(look.At(2, 1), kLightRed, 3)) << std::hex << look.At(2, 1);
    EXPECT_TRUE(Near(look.At(2, look.height - 2), kWhite, 3)) << std::hex << look.At(2, look.height - 2);
    Key(popup, VK_RETURN);

    question = program.WaitForDialogWith(IDC_ANSWER_A);
    EXPECT_EQ(ItemText(question, IDC_QUESTION_TEXT), QuestionText(1));
    Key(question, RightKey(1));
    Key(question, RightKey(2));
    Key(question, VK_ESCAPE);

    HWND results = program.WaitForDialogWith(IDC_CORRECTION_TEST);
    ASSERT_TRUE(results);
    EXPECT_EQ(ItemText(results, IDC_RESULT_RIGHT), L"Správných odpovědí : 2");
    EXPECT_EQ(ItemText(results, IDC_RESULT_WRONG), L"Špatných odpovědí : 1");
    const Grab counts = GrabClient(results);
    const RECT right = ItemRect(results, IDC_RESULT_RIGHT);
    const RECT wrong = ItemRect(results, IDC_RESULT_WRONG);
    EXPECT_GT(counts.Count(right, kGreen, 40), 20);
    EXPECT_EQ(counts.Count(right, kRed, 40), 0);
    EXPECT_GT(counts.Count(wrong, kRed, 40), 20);
    EXPECT_EQ(counts.Count(wrong, kGreen, 40), 0);
    Click(results, IDOK);
    Key(program.WaitForDialogWith(IDC_EXIT), VK_ESCAPE);
    EXPECT_TRUE(program.WaitForExit(20000));
}

// The owner-drawn choices are no system radio buttons: the framework moves the focus and the
// check round a group itself, and Enter on a choice is OK, not a click on it.
TEST_F(ProgramTest, TheExamSetUpTakesItsChoicesFromTheKeyboard)
{
    {
        const RunningProgram program(m_folder);
        HWND launcher = Launcher(program);
        ASSERT_TRUE(launcher);
        Click(launcher, IDC_EXAM);
        HWND setup = program.WaitForDialogWith(IDC_ORDER_SEQUENTIAL);
        ASSERT_TRUE(setup);
        ASSERT_EQ(FocusedId(setup), IDC_NEW_TEST);
        const struct
        {
            UINT key;
            int focus;
        } steps[] = {
            {VK_TAB, IDC_ORDER_SEQUENTIAL},
            {VK_DOWN, IDC_ORDER_RANDOM},
            {VK_DOWN, IDC_ORDER_SIMULATED},
            {VK_DOWN, IDC_ORDER_SEQUENTIAL}, // round the group, not on into the next
            {VK_UP, IDC_ORDER_SIMULATED},
            {VK_UP, IDC_ORDER_RANDOM},
            {VK_TAB, IDC_QUESTION_COUNT},
            {VK_TAB, IDC_TIME_UNLIMITED},
            {VK_DOWN, IDC_TIME_LIMITED},
            {VK_TAB, IDC_MINUTES},
            {VK_TAB, IDC_CHECK_EACH},
            {VK_RIGHT, IDC_CHECK_AT_END},
            {VK_TAB, IDOK},
            {VK_TAB, IDCANCEL},
            {VK_TAB, IDC_NEW_TEST},
            {VK_TAB, IDC_ORDER_RANDOM}, // the group entered on its checked choice
            {VK_TAB, IDC_QUESTION_COUNT},
            {VK_TAB, IDC_TIME_LIMITED},
        };
        for (const auto& step : steps) {
            Key(setup, step.key);
            EXPECT_EQ(FocusedId(setup), step.focus) << "after key " << step.key << " towards " << step.focus;
        }
        Key(setup, VK_RETURN);
        HWND question = program.WaitForDialogWith(IDC_ANSWER_A);
        ASSERT_TRUE(question);
        Key(question, VK_ESCAPE);
        Click(program.WaitForDialogWith(IDC_CORRECTION_TEST), IDOK);
        Click(program.WaitForDialogWith(IDC_EXIT), IDC_EXIT);
        ASSERT_TRUE(program.WaitForExit(20000));
    }
    TreeNode root;
    ASSERT_EQ(TreeFile::Load(root, m_folder.File("navik.cfg").string()), TreeLoadStatus::Loaded);
    Settings saved;
    saved.LoadFromNode(&root);
    EXPECT_EQ(saved.m_nZVsechny, 1);
    EXPECT_EQ(saved.m_nTimeTest, 1);
    EXPECT_EQ(saved.m_nZKontrolaOdpovedi, 1);
}

TEST_F(ProgramTest, AMissingBankShowsTheFileErrorAndTheLauncherWithoutTheSuffix)
{
    std::filesystem::remove(m_folder.File("Demootazky.dat"));
    const RunningProgram program(m_folder);
    HWND box = program.WaitForMessageBox();
    ASSERT_TRUE(box);
    const std::wstring texts = ChildTexts(box);
    EXPECT_NE(texts.find(L"Demootazky.dat“ nebyl nalezen."), std::wstring::npos) << texts;
    Click(box, IDOK);

    HWND launcher = Launcher(program);
    ASSERT_TRUE(launcher);
    EXPECT_EQ(Caption(launcher), kCaption);
    Key(launcher, VK_ESCAPE);
    EXPECT_TRUE(program.WaitForExit(20000));
    EXPECT_FALSE(std::filesystem::exists(m_folder.File("navik.cfg")));
}

TEST_F(ProgramTest, TheAboutBoxOpensFromTheSystemMenu)
{
    const RunningProgram program(m_folder);
    HWND launcher = Launcher(program);
    ASSERT_TRUE(launcher);
    // Alt+Space opens the system menu; its last item, above which Up wraps, is the About item.
    PostMessageW(launcher, WM_SYSCOMMAND, SC_KEYMENU, ' ');
    Settle(launcher);
    Key(launcher, VK_UP);
    Key(launcher, VK_RETURN);
    HWND about = program.WaitForWindow([](HWND window) { return Caption(window) == L"About Navik"; });
    ASSERT_TRUE(about);
    EXPECT_NE(ChildTexts(about).find(L"Navik Version 1.0"), std::wstring::npos);
    EXPECT_FALSE(IsWindowEnabled(launcher));
    Key(about, VK_RETURN);
    EXPECT_TRUE(program.WaitForWindow(
        [](HWND window) { return IsWindowEnabled(window) && Caption(window).starts_with(kCaption); }));
    Key(launcher, VK_ESCAPE);
    EXPECT_TRUE(program.WaitForExit(20000));
}

} // namespace
