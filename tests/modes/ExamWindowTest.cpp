// The exam window with real clicks, keys and window-timer ticks (the time it reads is the
// test's): that it hands answers by click and by key, the ways out and the time-out to its
// session, and shows the popups. What the session counts is the session's own test.

#include "ModesGuiSupport.h"

#include "model/ModelObjects.h"
#include "modes/dialogs/QuestionDialog.h"
#include "res/resource.h"
#include "tests/support/TestSeams.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

namespace {

const CString kTimeOut("\n\n\n\n\t\t!!! Čas na test vypršel !!!");

bool WaitForTime(const ModalDialog& modal, const char* time)
{
    return QTest::qWaitFor([&] { return modal.Text(IDC_TIME) == CString("Zbývající čas : ") + time; }, 3000);
}

class ExamWindowTest : public ModesTest
{
protected:
    void SetUp() override
    {
        ModesTest::SetUp();
        FillExamBank(theQuestionBank, 6);
    }

    ClockOverride m_clock{1'700'000'000};
};

TEST_F(ExamWindowTest, ClicksAndFreshKeyPressesAnswerAndThePopupOfAWrongAnswerNamesTheRightOne)
{
    StoreTest(theSettings, {4, 1, 3, 0, 2, 5, 0});
    std::vector<CString> messages;
    const auto popup = [&messages] {
        OnNextDialog(IDD_WRONG_ANSWER, [&messages](ModalDialog& modal) {
            messages.push_back(modal.Text(IDC_WRONG_MESSAGE));
            modal.Key(Qt::Key_Return);
        });
    };
    QuestionDialog dialog;
    RunModal(dialog, [&](ModalDialog& modal) {
        // First with the focus where the window puts it, then on "Zpět", which Tab reaches.
        for (const int key :
             {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Space})
            modal.Key(key);
        EXPECT_TRUE(modal.Window()->isVisible());
        EXPECT_EQ(modal.Text(IDC_QUESTION_TEXT), "Otázka 4");
        popup();
        modal.Click(AnswerControl(WrongAnswer(4)));
        EXPECT_EQ(modal.Text(IDC_QUESTION_TEXT), "Otázka 1");
        // A held key's repeats answer nothing.
        modal.Key(Qt::Key_A, Qt::NoModifier, true);
        modal.Key(Qt::Key_2, Qt::NoModifier, true);
        EXPECT_EQ(theSettings.m_testPos, 1);
        modal.Key(Qt::Key_B);
        popup();
        // Wrong for question 3, right for the rest.
        for (const int key : {Qt::Key_2, Qt::Key_1, Qt::Key_C, Qt::Key_3, Qt::Key_A})
            modal.Key(key);
        EXPECT_FALSE(modal.Window()->isVisible());
    });
    EXPECT_EQ(messages,
              (std::vector<CString>{"Správná odpověď je b) :\nBeta 4", "Správná odpověď je a) :\nAlfa 3"}));
    EXPECT_EQ(theSettings.m_rightCount, 5);
    EXPECT_EQ(theSettings.m_wrongCount, 2);
    EXPECT_EQ(dialog.m_nQuestion, 0);
}

TEST_F(ExamWindowTest, EveryWayOutOfATimedExamAddsItsTimeOnce)
{
    const std::vector<std::pair<const char*, std::function<void(ModalDialog&)>>> exits = {
        {"Zpět", [](ModalDialog& modal) { modal.Click(IDC_BACK); }},
        {"Escape", [](ModalDialog& modal) { modal.Key(Qt::Key_Escape); }},
        {"the close button", [](ModalDialog& modal) { modal.Window()->close(); }},
        {"Alt+F4", [](ModalDialog& modal) { modal.Key(Qt::Key_F4, Qt::AltModifier); }},
    };
    theSettings.m_nTimeTest = 1;
    theSettings.m_nTimeTotal = 30;
    for (const auto& [name, leave] : exits) {
        SCOPED_TRACE(name);
        StoreTest(theSettings, {0, 1, 2});
        theSettings.m_nTimeOver = 10 * 60 + 5;
        QuestionDialog dialog;
        RunModal(dialog, [&, leave = leave](ModalDialog& modal) {
            EXPECT_TRUE(modal.Shown(IDC_TIME));
            EXPECT_TRUE(WaitForTime(modal, "00:19:55"));
            m_clock.Advance(42);
            leave(modal);
            EXPECT_FALSE(modal.Window()->isVisible());
        });
        EXPECT_EQ(theSettings.m_nTimeOver, 647);
    }
}

TEST_F(ExamWindowTest, TheTimeOutOpensItsPopupAfterAnOpenWrongAnswerPopupAndEndsTheTest)
{
    StoreTest(theSettings, {0, 1, 2, 3});
    theSettings.m_nTimeTest = 1;
    theSettings.m_nTimeTotal = 1;
    CString message;
    QuestionDialog dialog;
    RunModal(dialog, [&](ModalDialog& modal) {
        EXPECT_TRUE(WaitForTime(modal, "00:01:00"));
        OnNextDialog(IDD_WRONG_ANSWER, [&](ModalDialog& popup) {
            // The question window counts down behind the popup, which the time-out leaves open.
            m_clock.Advance(75);
            EXPECT_TRUE(WaitForTime(modal, "00:00:00"));
            QTest::qWait(600);
            EXPECT_TRUE(popup.Window()->isVisible());
            OnNextDialog(IDD_WRONG_ANSWER, [&](ModalDialog& timeOut) {
                message = timeOut.Text(IDC_WRONG_MESSAGE);
                timeOut.Click(IDOK);
            });
            popup.Click(IDOK);
        });
        modal.Click(AnswerControl(WrongAnswer(0)));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !modal.Window()->isVisible(); }, 3000));
    });
    EXPECT_EQ(message, kTimeOut);
}

} // namespace
