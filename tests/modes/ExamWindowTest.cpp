// The exam window with real clicks, keys and window-timer ticks (the time it reads is the
// test's): answers by click and by key, the popups, the keys that must not end an exam, the
// ways out that store the used time, and the time-out with its popup.

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

CString Remaining(const char* time)
{
    return CString("Zbývající čas : ") + time;
}

bool WaitForTime(const ModalDialog& modal, const char* time)
{
    return QTest::qWaitFor([&] { return modal.Text(IDC_TIME) == Remaining(time); }, 3000);
}

bool WaitUntilClosed(const ModalDialog& modal)
{
    return QTest::qWaitFor([&] { return !modal.Window()->isVisible(); }, 3000);
}

class ExamWindowTest : public ModesTest
{
protected:
    void SetUp() override
    {
        ModesTest::SetUp();
        FillExamBank(6);
    }

    ClockOverride m_clock{1'700'000'000};
};

TEST_F(ExamWindowTest, ClicksAnswerAndThePopupOfAWrongAnswerNamesTheRightOne)
{
    StoreTest({4, 1, 3, 0});
    std::vector<CString> messages;
    QuestionDialog dialog;
    RunModal(dialog, [&](ModalDialog& modal) {
        for (const int question : {4, 1, 3, 0}) {
            EXPECT_EQ(modal.Text(IDC_QUESTION_TEXT), "Otázka " + std::to_string(question));
            const bool wrong = question == 4 || question == 3;
            if (wrong) {
                OnNextDialog(IDD_WRONG_ANSWER, [&](ModalDialog& popup) {
                    messages.push_back(popup.Text(IDC_WRONG_MESSAGE));
                    popup.Key(Qt::Key_Return);
                });
            }
            modal.Click(AnswerControl(wrong ? WrongAnswer(question) : RightAnswer(question)));
        }
        EXPECT_FALSE(modal.Window()->isVisible());
    });
    EXPECT_EQ(messages,
              (std::vector<CString>{"Správná odpověď je b) :\nBeta 4", "Správná odpověď je a) :\nAlfa 3"}));
    EXPECT_EQ(theSettings.m_rightCount, 2);
    EXPECT_EQ(theSettings.m_wrongCount, 2);
    EXPECT_TRUE(theSettings.m_bZOnlyNew);
    EXPECT_EQ(dialog.m_nQuestion, 0);
}

TEST_F(ExamWindowTest, FreshLetterAndDigitPressesAnswerWhileEnterAndSpaceEndNothing)
{
    StoreTest({0, 1, 2, 3, 4, 5});
    theSettings.m_nZKontrolaOdpovedi = 1;
    QuestionDialog dialog;
    RunModal(dialog, [](ModalDialog& modal) {
        // First with the focus where the window puts it, then on "Zpět", which Tab reaches.
        for (const int key :
             {Qt::Key_Return, Qt::Key_Space, Qt::Key_Enter, Qt::Key_Tab, Qt::Key_Return, Qt::Key_Space})
            modal.Key(key);
        EXPECT_TRUE(modal.Window()->isVisible());
        EXPECT_EQ(theSettings.m_testPos, 0);

        modal.Key(Qt::Key_A);
        // A held key's repeats answer nothing.
        modal.Key(Qt::Key_A, Qt::NoModifier, true);
        modal.Key(Qt::Key_2, Qt::NoModifier, true);
        EXPECT_EQ(theSettings.m_testPos, 1);
        // Right for questions 1 and 2, wrong for 3 to 5.
        for (const int key : {Qt::Key_2, Qt::Key_C, Qt::Key_B, Qt::Key_3, Qt::Key_1})
            modal.Key(key);
        EXPECT_FALSE(modal.Window()->isVisible());
    });
    EXPECT_EQ(theSettings.m_rightCount, 3);
    ASSERT_EQ(theSettings.m_wrongCount, 3);
    EXPECT_EQ(theSettings.m_wrong[0], 3);
    EXPECT_EQ(theSettings.m_wrong[2], 5);
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
        StoreTest({0, 1, 2});
        theSettings.m_nTimeOver = 10 * 60 + 5;
        QuestionDialog dialog;
        RunModal(dialog, [&, leave = leave](ModalDialog& modal) {
            EXPECT_TRUE(modal.Shown(IDC_TIME));
            EXPECT_EQ(modal.Text(IDC_TIME), Remaining("00:00:00"));
            EXPECT_TRUE(WaitForTime(modal, "00:19:55"));
            m_clock.Advance(42);
            EXPECT_TRUE(WaitForTime(modal, "00:19:13"));
            leave(modal);
            EXPECT_FALSE(modal.Window()->isVisible());
        });
        EXPECT_EQ(theSettings.m_nTimeOver, 647);
        EXPECT_FALSE(theSettings.m_bZOnlyNew);
    }
}

TEST_F(ExamWindowTest, TheTimeOutOpensItsPopupAfterAnOpenWrongAnswerPopupAndEndsTheTest)
{
    StoreTest({0, 1, 2, 3});
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
        EXPECT_TRUE(WaitUntilClosed(modal));
    });
    EXPECT_EQ(message, kTimeOut);
    EXPECT_EQ(theSettings.m_wrongCount, 4);
    EXPECT_EQ(theSettings.m_nTimeOver, 75);
    EXPECT_TRUE(theSettings.m_bZOnlyNew);
}

} // namespace
