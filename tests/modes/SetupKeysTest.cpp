// The learning and exam set-ups from the keyboard, with real key presses in their modal loops:
// the arrow keys move the focus and the check round a group of choices and never into the
// next group, a group is one tab stop on its checked choice, Enter with a choice focused is
// OK and Escape writes nothing, and once the keyboard has moved the focus the focused button
// shows a dotted rectangle.

#include "ModesGuiSupport.h"

#include "model/ModelObjects.h"
#include "modes/dialogs/ExamSettingsDialog.h"
#include "modes/dialogs/LearnSettingsDialog.h"
#include "res/resource.h"
#include "tests/ui/TestPixels.h"

#include <QApplication>
#include <QImage>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

using SetupKeysTest = ModesTest;

// Presses key (with Shift when back) and expects the focus on id, and its check when checked.
void Step(const ModalDialog& modal, int key, int id, bool checked = true, bool back = false)
{
    modal.Key(key, back ? Qt::ShiftModifier : Qt::NoModifier);
    EXPECT_EQ(QApplication::focusWidget(), modal.Control(id)) << "focus on " << id;
    if (checked) {
        EXPECT_TRUE(ChoiceChecked(modal, id)) << "check on " << id;
    }
}

TEST_F(SetupKeysTest, LearningSetUpShowsTheStoredChoicesTakesOthersFromTheArrowsAndOnlyEnterWritesThem)
{
    for (const int close : {Qt::Key_Escape, Qt::Key_Return}) {
        SCOPED_TRACE(close == Qt::Key_Return ? "Enter" : "Escape");
        LearnSettingsDialog dialog;
        const int result = RunModal(dialog, [close](ModalDialog& modal) {
            // The stored choices, also after the arrows' choices were left with Escape.
            EXPECT_TRUE(ChoiceChecked(modal, IDC_SHOW_ALL));
            ASSERT_EQ(QApplication::focusWidget(), modal.Control(IDC_START_FIRST));
            Step(modal, Qt::Key_Down, IDC_START_LAST);
            EXPECT_FALSE(ChoiceChecked(modal, IDC_START_FIRST));
            Step(modal, Qt::Key_Down, IDC_START_FIRST); // round the group, not on into the next
            Step(modal, Qt::Key_Up, IDC_START_LAST);
            Step(modal, Qt::Key_Tab, IDC_SHOW_ALL);
            Step(modal, Qt::Key_Right, IDC_SHOW_CORRECT);
            EXPECT_TRUE(ChoiceChecked(modal, IDC_START_LAST));
            // Back over the first choice of the group into the other group, on its checked choice.
            Step(modal, Qt::Key_Tab, IDC_START_LAST, true, true);
            modal.Key(close);
        });
        EXPECT_EQ(result, close == Qt::Key_Return ? IDOK : IDCANCEL);
    }
    EXPECT_EQ(theSettings.m_nUZacatek, 1);
    EXPECT_FALSE(theSettings.m_bUShowAll);
    LearnSettingsDialog again;
    RunModal(again, [](ModalDialog& modal) {
        EXPECT_TRUE(ChoiceChecked(modal, IDC_SHOW_CORRECT));
        EXPECT_TRUE(ChoiceChecked(modal, IDC_START_LAST));
        modal.Key(Qt::Key_Escape);
    });
}

TEST_F(SetupKeysTest, ExamSetUpArrowsStayInTheirGroupAndAChoiceTheyCheckIsAClick)
{
    FillExamBank(theQuestionBank, 80);
    StoreTest(theSettings, {0, 1, 2});
    ExamSettingsDialog dialog;
    const int result = RunModal(dialog, [](ModalDialog& modal) {
        ASSERT_EQ(QApplication::focusWidget(), modal.Control(IDC_NEW_TEST));
        // The dialog hears of the check as of a click: continuing a test disables its options.
        Step(modal, Qt::Key_Down, IDC_CONTINUE_TEST);
        EXPECT_FALSE(modal.Enabled(IDC_ORDER_SEQUENTIAL));
        Step(modal, Qt::Key_Up, IDC_NEW_TEST);
        EXPECT_TRUE(modal.Enabled(IDC_ORDER_SEQUENTIAL));
        // Round the order group, past the count and the labels to the time limit never.
        Step(modal, Qt::Key_Tab, IDC_ORDER_SEQUENTIAL);
        for (int id : {IDC_ORDER_RANDOM, IDC_ORDER_SIMULATED, IDC_ORDER_SEQUENTIAL})
            Step(modal, Qt::Key_Down, id);
        Step(modal, Qt::Key_Up, IDC_ORDER_SIMULATED);
        EXPECT_TRUE(ChoiceChecked(modal, IDC_TIME_UNLIMITED));
        // Both time choices are tab stops, yet the group is one: Tab leaves it from either.
        Step(modal, Qt::Key_Tab, IDC_QUESTION_COUNT, false);
        Step(modal, Qt::Key_Tab, IDC_TIME_UNLIMITED);
        Step(modal, Qt::Key_Down, IDC_TIME_LIMITED);
        Step(modal, Qt::Key_Tab, IDC_MINUTES, false);
        Step(modal, Qt::Key_Tab, IDC_TIME_LIMITED, true, true);
        Step(modal, Qt::Key_Tab, IDC_QUESTION_COUNT, false, true);
        modal.Key(Qt::Key_Enter);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(theSettings.m_nZNovytest, 0);
    EXPECT_EQ(theSettings.m_nZVsechny, 2);
    EXPECT_EQ(theSettings.m_nTimeTest, 1);
}

QImage Rendered(const ModalDialog& modal, int id)
{
    return modal.Control(id)->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Expects focused to be plain with a dotted rectangle over it: the pixels that differ lie on
// the outline of one rectangle, every other pixel of it, each turned to its inverse colour.
// Returns the rectangle.
QRect ExpectFocusRectangle(const QImage& plain, const QImage& focused)
{
    const QRect outline = InkBounds(plain, [&](QPoint at, QRgb p) { return p != focused.pixel(at); });
    EXPECT_GE(outline.width(), 8);
    EXPECT_GE(outline.height(), 8);
    const int wrong = CountPixels(plain, outline, [&](QPoint at, QRgb p) {
        const bool edge = !outline.adjusted(1, 1, -1, -1).contains(at);
        return focused.pixel(at) != (edge && (at.x() + at.y()) % 2 == 1 ? p ^ 0x00FFFFFF : p);
    });
    EXPECT_EQ(wrong, 0);
    return outline;
}

TEST_F(SetupKeysTest, TheFocusedButtonShowsADottedRectangleOnceTheKeyboardMovesTheFocus)
{
    FillExamBank(theQuestionBank, 80);
    ExamSettingsDialog dialog;
    RunModal(dialog, [](ModalDialog& modal) {
        // Opened by the mouse: the first choice has the focus but does not show it yet.
        const QImage hidden = Rendered(modal, IDC_NEW_TEST);
        const QImage ok = Rendered(modal, IDOK);
        modal.Key(Qt::Key_Tab);
        const QImage plain = Rendered(modal, IDC_NEW_TEST);
        EXPECT_EQ(hidden, plain);
        modal.Key(Qt::Key_Tab, Qt::ShiftModifier);
        // Around the caption, right of the circle.
        EXPECT_GT(ExpectFocusRectangle(plain, Rendered(modal, IDC_NEW_TEST)).left(), plain.height());
        modal.Control(IDOK)->setFocus();
        // Inside the capsule of the pill.
        EXPECT_TRUE(
            ok.rect().adjusted(3, 3, -3, -3).contains(ExpectFocusRectangle(ok, Rendered(modal, IDOK))));
        modal.Key(Qt::Key_Escape);
    });
}

} // namespace
