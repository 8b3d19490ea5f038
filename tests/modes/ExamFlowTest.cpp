// Whole exams from the launcher's "Zkoušení" on a folder of their own: the set-up, the
// question windows, the results and the correction tests that follow one another, a test
// left with "Zpět" and continued after "Konec" and a fresh start, and the time-out.

#include "ModesGuiSupport.h"

#include "app/MainDialog.h"
#include "model/ModelObjects.h"
#include "modes/dialogs/QuestionDialog.h"
#include "res/resource.h"
#include "tests/support/TestSeams.h"

#include "TempDir.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <vector>

namespace {

constexpr int kBank = 8;

int Shown(const ModalDialog& modal)
{
    return static_cast<QuestionDialog*>(modal.Dialog())->m_nQuestion;
}

std::vector<int> TestList()
{
    return std::vector<int>(theSettings.m_test.begin(), theSettings.m_test.begin() + theSettings.m_testCount);
}

// Answers the question on screen with a click; the popup of a wrong answer is closed.
void Answer(const ModalDialog& modal, bool right)
{
    const int question = Shown(modal);
    if (!right && theSettings.m_nZKontrolaOdpovedi == 0)
        OnNextDialog(IDD_WRONG_ANSWER, [](ModalDialog& popup) { popup.Click(IDOK); });
    modal.Click(AnswerControl(right ? RightAnswer(question) : WrongAnswer(question)));
}

// Answers every question left, wrongly those in wrong, noting each one asked; results runs
// in the results window that follows.
void AnswerAll(const ModalDialog& modal, const std::set<int>& wrong, std::vector<int>& asked,
               std::function<void(ModalDialog&)> results)
{
    while (modal.Window()->isVisible() && !testing::Test::HasFailure()) {
        asked.push_back(Shown(modal));
        if (theSettings.m_testPos == theSettings.m_testCount - 1)
            OnNextDialog(IDD_RESULTS, results);
        Answer(modal, wrong.count(asked.back()) == 0);
    }
}

void ExpectResults(const ModalDialog& modal, int count, int right, int wrong)
{
    EXPECT_EQ(modal.Text(IDC_RESULT_COUNT), "Počet otázek : " + std::to_string(count));
    EXPECT_EQ(modal.Text(IDC_RESULT_RIGHT), "Správných odpovědí : " + std::to_string(right));
    EXPECT_EQ(modal.Text(IDC_RESULT_WRONG), "Špatných odpovědí : " + std::to_string(wrong));
    EXPECT_EQ(modal.Enabled(IDC_CORRECTION_TEST), wrong > 0);
}

// Clicks "Zkoušení"; setup runs in the set-up, which is then confirmed with a question
// count the bank can serve, and question in the question window that opens. Returns when
// the exam has returned to the launcher.
void StartExam(const ModalDialog& launcher, std::function<void(ModalDialog&)> setup,
               std::function<void(ModalDialog&)> question)
{
    OnNextDialog(IDD_EXAM_SETTINGS, [setup, question](ModalDialog& modal) {
        setup(modal);
        OnNextDialog(IDD_QUESTION, question);
        modal.Click(IDOK);
    });
    launcher.Click(IDC_EXAM);
}

class ExamFlowTest : public ModesTest
{
protected:
    void SetUp() override
    {
        ModesTest::SetUp();
        FillExamBank(kBank);
        SaveBank(m_dir.File("Demootazky.dat"));
    }

    void TearDown() override
    {
        EXPECT_TRUE(m_boxes.Texts().empty());
        ModesTest::TearDown();
    }

    // A launcher on the folder as a fresh process opens it; body runs inside its loop.
    void RunLauncher(const std::function<void(ModalDialog&)>& body)
    {
        theSettings = Settings();
        theQuestionBank.RemoveAll();
        MainDialog launcher(m_dir.Path() + "/");
        RunModal(launcher, body, 30000);
    }

    TempDir m_dir;
    MessageBoxRecorder m_boxes;
};

TEST_F(ExamFlowTest, CorrectionTestsRepeatTheWrongAnswersUntilNoneIsLeft)
{
    std::vector<int> first, second, third;
    std::function<void(ModalDialog&)> thirdResults = [](ModalDialog& modal) {
        ExpectResults(modal, 2, 2, 0);
        modal.Click(IDOK);
    };
    std::function<void(ModalDialog&)> secondResults = [&](ModalDialog& modal) {
        ExpectResults(modal, 3, 1, 2);
        OnNextDialog(IDD_QUESTION, [&](ModalDialog& q) { AnswerAll(q, {}, third, thirdResults); });
        modal.Click(IDC_CORRECTION_TEST);
    };
    std::function<void(ModalDialog&)> firstResults = [&](ModalDialog& modal) {
        ExpectResults(modal, kBank, 5, 3);
        OnNextDialog(IDD_QUESTION, [&](ModalDialog& q) { AnswerAll(q, {1, 6}, second, secondResults); });
        modal.Click(IDC_CORRECTION_TEST);
    };
    RunLauncher([&](ModalDialog& launcher) {
        StartExam(
            launcher, [](ModalDialog&) {},
            [&](ModalDialog& q) {
                AnswerAll(q, {6, 1, 4}, first, firstResults);
            });
        launcher.Key(Qt::Key_Escape);
    });
    EXPECT_EQ(first, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(second, (std::vector<int>{1, 4, 6}));
    EXPECT_EQ(third, (std::vector<int>{1, 6}));
    EXPECT_EQ(theSettings.m_nZLast, 6);
    EXPECT_TRUE(theSettings.m_bZOnlyNew);
}

TEST_F(ExamFlowTest, AnExamLeftThroughKonecContinuesAfterAFreshStartCountingOnlyNewAnswers)
{
    ClockOverride clock(1'700'000'000);
    std::vector<int> list;
    RunLauncher([&](ModalDialog& launcher) {
        StartExam(
            launcher,
            [](ModalDialog& setup) {
                setup.Click(IDC_ORDER_RANDOM);
                setup.Click(IDC_CHECK_AT_END);
                setup.Click(IDC_TIME_LIMITED);
                setup.Type(IDC_MINUTES, "30");
            },
            [&](ModalDialog& q) {
                Answer(q, false);
                Answer(q, false);
                Answer(q, true);
                clock.Advance(10 * 60 + 5);
                OnNextDialog(IDD_RESULTS, [](ModalDialog& results) {
                    ExpectResults(results, kBank, 1, 2);
                    results.Click(IDOK);
                });
                q.Click(IDC_BACK);
            });
        list = TestList();
        EXPECT_EQ(theSettings.m_testPos, 3);
        EXPECT_EQ(theSettings.m_nTimeOver, 605);
        launcher.Click(IDC_EXIT);
    });
    ASSERT_EQ(list.size(), std::size_t(kBank));

    int wrongAfterRestart = -1;
    RunLauncher([&](ModalDialog& launcher) {
        EXPECT_EQ(theSettings.m_wrongCount + theSettings.m_rightCount, 0);
        StartExam(
            launcher,
            [](ModalDialog& setup) {
                EXPECT_TRUE(setup.Enabled(IDC_CONTINUE_TEST));
                EXPECT_TRUE(ChoiceChecked(setup, IDC_CHECK_AT_END));
                setup.Click(IDC_CONTINUE_TEST);
            },
            [&](ModalDialog& q) {
                EXPECT_EQ(Shown(q), list[3]);
                EXPECT_TRUE(QTest::qWaitFor([&] { return q.Text(IDC_TIME) == "Zbývající čas : 00:19:55"; }));
                wrongAfterRestart = Shown(q);
                std::vector<int> asked;
                AnswerAll(q, {wrongAfterRestart}, asked, [](ModalDialog& results) {
                    ExpectResults(results, kBank, 4, 1);
                    results.Click(IDOK);
                });
            });
        launcher.Key(Qt::Key_Escape);
    });
    EXPECT_EQ(TestList(), list);
    ASSERT_EQ(theSettings.m_wrongCount, 1);
    EXPECT_EQ(theSettings.m_wrong[0], wrongAfterRestart);
}

TEST_F(ExamFlowTest, ATimeOutShowsTheResultsAndTheUnansweredQuestionsJoinTheCorrectionTest)
{
    ClockOverride clock(1'700'000'000);
    RunLauncher([&](ModalDialog& launcher) {
        StartExam(
            launcher,
            [](ModalDialog& setup) {
                setup.Click(IDC_TIME_LIMITED);
                setup.Type(IDC_MINUTES, "1");
            },
            [&](ModalDialog& q) {
                Answer(q, true);
                Answer(q, false);
                OnNextDialog(IDD_WRONG_ANSWER, [&](ModalDialog& popup) {
                    OnNextDialog(IDD_RESULTS, [&](ModalDialog& results) {
                        ExpectResults(results, kBank, 1, 7);
                        OnNextDialog(IDD_QUESTION, [&](ModalDialog& correction) {
                            EXPECT_EQ(Shown(correction), 1);
                            EXPECT_TRUE(QTest::qWaitFor(
                                [&] { return correction.Text(IDC_TIME) == "Zbývající čas : 00:01:00"; }));
                            OnNextDialog(IDD_RESULTS, [](ModalDialog& again) {
                                ExpectResults(again, 7, 0, 0);
                                again.Click(IDOK);
                            });
                            correction.Key(Qt::Key_Escape);
                        });
                        results.Click(IDC_CORRECTION_TEST);
                    });
                    popup.Click(IDOK);
                });
                clock.Advance(60);
                EXPECT_TRUE(QTest::qWaitFor([&] { return !q.Window()->isVisible(); }, 3000));
            });
        launcher.Key(Qt::Key_Escape);
    });
    EXPECT_EQ(TestList(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_FALSE(theSettings.m_bZOnlyNew);
}

} // namespace
