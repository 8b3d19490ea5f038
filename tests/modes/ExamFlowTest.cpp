// Whole exams from the launcher's "Zkoušení" on a folder of their own: a test left with "Zpět"
// and continued, the correction tests that follow one another until no wrong answer is left,
// and the results window after each with the counts each in its place and colour.

#include "ModesGuiSupport.h"

#include "model/ModelObjects.h"
#include "modes/dialogs/QuestionDialog.h"
#include "res/resource.h"
#include "tests/support/TestSeams.h"
#include "tests/ui/TestPixels.h"

#include <QImage>
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

// Answers the question on screen with a click; the popup of a wrong answer is closed.
void Answer(const ModalDialog& modal, bool right)
{
    const int question = Shown(modal);
    if (!right)
        OnNextDialog(IDD_WRONG_ANSWER, [](ModalDialog& popup) { popup.Click(IDOK); });
    modal.Click(AnswerControl(right ? RightAnswer(question) : WrongAnswer(question)));
}

// Answers every question left, wrongly those in wrong, noting each one asked; results runs
// in the results window that follows. A test that goes on past the bank's size fails.
void AnswerAll(const ModalDialog& modal, const std::set<int>& wrong, std::vector<int>& asked,
               std::function<void(ModalDialog&)> results)
{
    while (modal.Window()->isVisible()) {
        if (int(asked.size()) > kBank) {
            ADD_FAILURE() << "the last answer does not end the test";
            return;
        }
        asked.push_back(Shown(modal));
        if (theSettings.m_testPos >= theSettings.m_testCount - 1)
            OnNextDialog(IDD_RESULTS, results);
        Answer(modal, wrong.count(asked.back()) == 0);
    }
}

void ExpectResults(const ModalDialog& modal, int count, int right, int wrong)
{
    EXPECT_EQ(modal.Text(IDC_RESULT_TITLE), CString("Výsledky testu:"));
    EXPECT_EQ(modal.Text(IDC_RESULT_COUNT), "Počet otázek : " + std::to_string(count));
    EXPECT_EQ(modal.Text(IDC_RESULT_RIGHT), "Správných odpovědí : " + std::to_string(right));
    EXPECT_EQ(modal.Text(IDC_RESULT_WRONG), "Špatných odpovědí : " + std::to_string(wrong));
    EXPECT_EQ(modal.Enabled(IDC_CORRECTION_TEST), wrong > 0);
}

// Whether some pixel of the control's area is within a few levels of colour: the full
// strokes of the text, whatever font the machine has.
bool ShowsColour(const ModalDialog& modal, int id, QRgb colour)
{
    return CountPixels(modal.Grab(), modal.Rect(id),
                       [colour](QPoint, QRgb p) { return Near(p, colour, 8); }) > 0;
}

// The count in black, the right answers in green and the wrong ones in red.
void ExpectColours(const ModalDialog& modal)
{
    ASSERT_TRUE(QTest::qWaitForWindowExposed(modal.Window()));
    QTest::qWait(30);
    const QRgb green = qRgb(0, 128, 0);
    const QRgb red = qRgb(255, 0, 0);
    for (const auto& [id, colour] : {std::pair{IDC_RESULT_COUNT, qRgb(0, 0, 0)},
                                     std::pair{IDC_RESULT_RIGHT, green}, std::pair{IDC_RESULT_WRONG, red}}) {
        EXPECT_TRUE(ShowsColour(modal, id, colour)) << "control " << id;
        for (const QRgb other : {green, red}) {
            if (other != colour) {
                EXPECT_FALSE(ShowsColour(modal, id, other)) << "control " << id;
            }
        }
    }
}

class ExamFlowTest : public ModesTest
{
protected:
    void TearDown() override
    {
        EXPECT_TRUE(m_boxes.Texts().empty());
        ModesTest::TearDown();
    }

    MessageBoxRecorder m_boxes;
};

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
        ExpectColours(modal);
        OnNextDialog(IDD_QUESTION, [&](ModalDialog& q) { AnswerAll(q, {5}, second, secondResults); });
        modal.Click(IDC_CORRECTION_TEST);
    };
    FromLauncher(kBank, [&](ModalDialog& modal) {
        StartMode(
            modal, IDC_EXAM, [](ModalDialog&) {},
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
        StartMode(
            modal, IDC_EXAM, [](ModalDialog& setup) { setup.Click(IDC_CONTINUE_TEST); },
            [&](ModalDialog& q) { AnswerAll(q, {5}, first, firstResults); });
        modal.Key(Qt::Key_Escape);
    });
    EXPECT_EQ(first, (std::vector<int>{2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(second, (std::vector<int>{0, 5}));
    EXPECT_EQ(third, (std::vector<int>{5}));
    EXPECT_EQ(theSettings.m_nZLast, 5);
    EXPECT_TRUE(theSettings.m_bZOnlyNew);
}

} // namespace
