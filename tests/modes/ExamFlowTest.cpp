// The results window and whole exams from the launcher's "Zkoušení" on a folder of their own:
// the counts each in its place and colour, a test left with "Zpět" and continued, and the
// correction tests that follow one another until no wrong answer is left.

#include "ModesGuiSupport.h"

#include "app/MainDialog.h"
#include "model/ModelObjects.h"
#include "modes/dialogs/QuestionDialog.h"
#include "modes/dialogs/ResultsDialog.h"
#include "res/resource.h"
#include "tests/support/TestSeams.h"

#include "TempDir.h"

#include <QColor>
#include <QImage>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <set>
#include <vector>

namespace {

constexpr int kBank = 8;

int Shown(const ModalDialog& modal)
{
    return static_cast<QuestionDialog*>(modal.Dialog())->m_nQuestion;
}

// Answers the question on screen with a click; the popup of a wrong answer is closed.
void Answer(const ModalDialog& modal, bool right)
{
    const int question = Shown(modal);
    if (!right)
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

// Whether some pixel of the control's area is within a few levels of colour: the full
// strokes of the text, whatever font the machine has.
bool ShowsColour(const ModalDialog& modal, int id, QRgb colour)
{
    const QImage image = modal.Grab();
    const QRect area = modal.Rect(id);
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (std::abs(qRed(pixel) - qRed(colour)) <= 8 && std::abs(qGreen(pixel) - qGreen(colour)) <= 8 &&
                std::abs(qBlue(pixel) - qBlue(colour)) <= 8)
                return true;
        }
    }
    return false;
}

// Clicks "Zkoušení"; setup runs in the set-up, which is then confirmed, and question in the
// question window that opens. Returns when the exam has returned to the launcher.
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

    TempDir m_dir;
    MessageBoxRecorder m_boxes;
};

// That no correction test is offered after a test without wrong answers is checked in the
// last results of the whole exam below.
TEST_F(ExamFlowTest, TheResultsShowEachCountInItsPlaceAndColourAndOfferACorrectionTest)
{
    const QRgb green = qRgb(0, 128, 0);
    const QRgb red = qRgb(255, 0, 0);
    theSettings.m_testCount = 7;
    theSettings.m_rightCount = 3;
    theSettings.m_wrongCount = 2;
    ResultsDialog dialog;
    RunModal(dialog, [&](ModalDialog& modal) {
        EXPECT_EQ(modal.Text(IDC_RESULT_TITLE), CString("Výsledky testu:"));
        ExpectResults(modal, 7, 3, 2);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(modal.Window()));
        QTest::qWait(30);
        EXPECT_TRUE(ShowsColour(modal, IDC_RESULT_RIGHT, green));
        EXPECT_FALSE(ShowsColour(modal, IDC_RESULT_RIGHT, red));
        EXPECT_TRUE(ShowsColour(modal, IDC_RESULT_WRONG, red));
        EXPECT_FALSE(ShowsColour(modal, IDC_RESULT_WRONG, green));
        EXPECT_FALSE(ShowsColour(modal, IDC_RESULT_COUNT, green));
        EXPECT_FALSE(ShowsColour(modal, IDC_RESULT_COUNT, red));
        EXPECT_TRUE(ShowsColour(modal, IDC_RESULT_COUNT, qRgb(0, 0, 0)));
        modal.Click(IDC_CORRECTION_TEST);
    });
    EXPECT_EQ(dialog.m_nResult, 1);
}

TEST_F(ExamFlowTest, ATestLeftWithZpetContinuesAndCorrectionTestsRepeatTheWrongAnswersUntilNoneIsLeft)
{
    std::vector<int> first, second, third;
    std::function<void(ModalDialog&)> thirdResults = [](ModalDialog& modal) {
        ExpectResults(modal, 1, 1, 0);
        modal.Click(IDOK);
    };
    std::function<void(ModalDialog&)> secondResults = [&](ModalDialog& modal) {
        ExpectResults(modal, 2, 1, 1);
        OnNextDialog(IDD_QUESTION, [&](ModalDialog& q) { AnswerAll(q, {}, third, thirdResults); });
        modal.Click(IDC_CORRECTION_TEST);
    };
    std::function<void(ModalDialog&)> firstResults = [&](ModalDialog& modal) {
        ExpectResults(modal, kBank, 6, 2);
        OnNextDialog(IDD_QUESTION, [&](ModalDialog& q) { AnswerAll(q, {5}, second, secondResults); });
        modal.Click(IDC_CORRECTION_TEST);
    };
    MainDialog launcher(m_dir.Path() + "/");
    RunModal(
        launcher,
        [&](ModalDialog& modal) {
            StartExam(
                modal, [](ModalDialog&) {},
                [](ModalDialog& q) {
                    Answer(q, false);
                    Answer(q, true);
                    OnNextDialog(IDD_RESULTS, [](ModalDialog& results) {
                        ExpectResults(results, kBank, 1, 1);
                        results.Click(IDOK);
                    });
                    q.Click(IDC_BACK);
                });
            EXPECT_EQ(theSettings.m_testPos, 2);
            StartExam(
                modal, [](ModalDialog& setup) { setup.Click(IDC_CONTINUE_TEST); },
                [&](ModalDialog& q) { AnswerAll(q, {5}, first, firstResults); });
            modal.Key(Qt::Key_Escape);
        },
        30000);
    EXPECT_EQ(first, (std::vector<int>{2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(second, (std::vector<int>{0, 5}));
    EXPECT_EQ(third, (std::vector<int>{5}));
    EXPECT_EQ(theSettings.m_nZLast, 5);
    EXPECT_TRUE(theSettings.m_bZOnlyNew);
}

} // namespace
