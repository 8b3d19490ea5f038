// The exam clock in the real question window: its window timer ticks for real, the time
// it reads comes from the test's clock. The countdown, the time-out and what it counts,
// the used time carried between openings, and a time-out while the wrong-answer popup is
// open.

#include "ExamSupport.h"

#include "model/ModelObjects.h"
#include "modes/QuestionDialog.h"
#include "res/resource.h"
#include "tests/support/TestSeams.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <limits>

namespace {

constexpr std::time_t kStart = 1'700'000'000;
const CString kTimeOut("\n\n\n\n\t\t!!! Čas na test vypršel !!!");

CString Remaining(const char* time)
{
    return CString("Zbývající čas : ") + time;
}

bool WaitUntilClosed(const ModalDialog& modal)
{
    return QTest::qWaitFor([&] { return !modal.Window()->isVisible(); }, 3000);
}

class ExamTimerTest : public ExamTest
{
protected:
    void SetUp() override
    {
        ExamTest::SetUp();
        FillExamBank(6);
        theSettings.m_nTimeTest = 1;
    }

    ClockOverride m_clock{kStart};
};

TEST_F(ExamTimerTest, AOneMinuteLimitEndsAfterSixtySecondsWithEveryUnansweredQuestionWrong)
{
    StoreTest({5, 4, 3, 2, 1});
    theSettings.m_nTimeTotal = 1;
    CString message;
    CString timeDuringPopup;
    QuestionDialog dialog;
    RunModal(dialog, [&](ModalDialog& modal) {
        EXPECT_TRUE(ControlShown(modal, IDC_TIME));
        EXPECT_EQ(ControlText(modal, IDC_TIME), Remaining("00:00:00"));
        EXPECT_TRUE(WaitForText(modal, IDC_TIME, Remaining("00:01:00")));
        modal.Click(AnswerControl(RightAnswer(5)));
        m_clock.Advance(59);
        EXPECT_TRUE(WaitForText(modal, IDC_TIME, Remaining("00:00:01")));

        OnNextDialog(IDD_WRONG_ANSWER, [&](ModalDialog& popup) {
            message = ControlText(popup, IDC_WRONG_MESSAGE);
            timeDuringPopup = ControlText(modal, IDC_TIME);
            popup.Click(IDOK);
        });
        m_clock.Advance(1);
        EXPECT_TRUE(WaitUntilClosed(modal));
    });
    EXPECT_EQ(message, kTimeOut);
    EXPECT_EQ(timeDuringPopup, Remaining("00:00:00"));
    EXPECT_EQ(theSettings.m_rightCount, 1);
    ASSERT_EQ(theSettings.m_wrongCount, 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(theSettings.m_wrong[std::size_t(i)], 4 - i);
    EXPECT_EQ(theSettings.m_testPos, 5);
    EXPECT_TRUE(theSettings.m_bZOnlyNew);
    EXPECT_EQ(theSettings.m_nTimeOver, 60);
    EXPECT_EQ(dialog.m_nQuestion, 1);
}

TEST_F(ExamTimerTest, ZpetAddsTheTimeOfTheOpeningOnceAndEscapeAddsNothing)
{
    StoreTest({0, 1, 2});
    theSettings.m_nTimeTotal = 30;
    theSettings.m_nTimeOver = 10 * 60 + 5;
    {
        QuestionDialog dialog;
        RunModal(dialog, [&](ModalDialog& modal) {
            EXPECT_TRUE(WaitForText(modal, IDC_TIME, Remaining("00:19:55")));
            m_clock.Advance(42);
            EXPECT_TRUE(WaitForText(modal, IDC_TIME, Remaining("00:19:13")));
            modal.Click(IDC_BACK);
        });
    }
    EXPECT_EQ(theSettings.m_nTimeOver, 647);
    EXPECT_FALSE(theSettings.m_bZOnlyNew);
    {
        QuestionDialog dialog;
        RunModal(dialog, [&](ModalDialog& modal) {
            m_clock.Advance(100);
            modal.Key(Qt::Key_Escape);
        });
    }
    EXPECT_EQ(theSettings.m_nTimeOver, 647);
}

TEST_F(ExamTimerTest, ATimeOutDuringTheWrongAnswerPopupEndsTheTestOnceThePopupCloses)
{
    StoreTest({0, 1, 2, 3});
    theSettings.m_nTimeTotal = 1;
    DialogCounter popups(IDD_WRONG_ANSWER);
    CString timeWhilePopupOpen;
    CString message;
    QuestionDialog dialog;
    RunModal(dialog, [&](ModalDialog& modal) {
        EXPECT_TRUE(WaitForText(modal, IDC_TIME, Remaining("00:01:00")));
        OnNextDialog(IDD_WRONG_ANSWER, [&](ModalDialog& popup) {
            // The question window goes on counting down behind the popup.
            m_clock.Advance(20);
            EXPECT_TRUE(WaitForText(modal, IDC_TIME, Remaining("00:00:40")));
            m_clock.Advance(55);
            EXPECT_TRUE(WaitForText(modal, IDC_TIME, Remaining("00:00:00")));
            QTest::qWait(600);
            EXPECT_TRUE(popup.Window()->isVisible());
            OnNextDialog(IDD_WRONG_ANSWER, [&](ModalDialog& timeOut) {
                message = ControlText(timeOut, IDC_WRONG_MESSAGE);
                timeOut.Click(IDOK);
            });
            popup.Click(IDOK);
        });
        modal.Click(AnswerControl(WrongAnswer(0)));
        EXPECT_TRUE(WaitUntilClosed(modal));
    });
    EXPECT_EQ(popups.Count(), 2);
    EXPECT_EQ(message, kTimeOut);
    EXPECT_EQ(theSettings.m_testCount, 4);
    ASSERT_EQ(theSettings.m_wrongCount, 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(theSettings.m_wrong[std::size_t(i)], i);
    EXPECT_EQ(theSettings.m_nTimeOver, 75);
    EXPECT_TRUE(theSettings.m_bZOnlyNew);
}

TEST_F(ExamTimerTest, AWrongLastAnswerAsTheTimeRunsOutJustEndsTheTest)
{
    StoreTest({2});
    theSettings.m_nTimeTotal = 1;
    DialogCounter popups(IDD_WRONG_ANSWER);
    QuestionDialog dialog;
    RunModal(dialog, [&](ModalDialog& modal) {
        OnNextDialog(IDD_WRONG_ANSWER, [&](ModalDialog& popup) {
            m_clock.Advance(61);
            EXPECT_TRUE(WaitForText(modal, IDC_TIME, Remaining("00:00:00")));
            popup.Click(IDOK);
        });
        modal.Click(AnswerControl(WrongAnswer(2)));
        EXPECT_TRUE(WaitUntilClosed(modal));
    });
    EXPECT_EQ(popups.Count(), 1);
    EXPECT_EQ(theSettings.m_wrongCount, 1);
    EXPECT_EQ(theSettings.m_nTimeOver, 61);
}

TEST_F(ExamTimerTest, WithoutALimitOrWhenLearningNoTimeShowsOrCounts)
{
    StoreTest({0, 1});
    theSettings.m_nTimeTotal = 1;
    theSettings.m_nTimeOver = 5000;
    for (const bool learning : {false, true}) {
        theSettings.m_nTimeTest = learning ? 1 : 0;
        QuestionDialog dialog;
        dialog.m_bLearning = learning;
        RunModal(dialog, [&](ModalDialog& modal) {
            EXPECT_FALSE(ControlShown(modal, IDC_TIME));
            m_clock.Advance(3600);
            QTest::qWait(1100);
            EXPECT_TRUE(modal.Window()->isVisible());
            modal.Click(IDC_BACK);
        });
    }
    EXPECT_EQ(theSettings.m_nTimeOver, 5000);
    EXPECT_EQ(theSettings.m_wrongCount, 0);
}

TEST_F(ExamTimerTest, LimitsBeyondThirtyTwoBitsOfSecondsNeitherEndEarlyNorWrap)
{
    StoreTest({0, 1});
    // 35791395 minutes are 2147483700 seconds: 24855 days and 3 hours 15 minutes.
    theSettings.m_nTimeTotal = 35'791'395;
    {
        QuestionDialog dialog;
        RunModal(dialog, [&](ModalDialog& modal) {
            EXPECT_TRUE(WaitForText(modal, IDC_TIME, Remaining("03:15:00")));
            modal.Click(IDC_BACK);
        });
    }
    theSettings.m_nTimeTotal = std::numeric_limits<int>::max();
    theSettings.m_nTimeOver = std::numeric_limits<int>::max() - 5;
    {
        QuestionDialog dialog;
        RunModal(dialog, [&](ModalDialog& modal) {
            m_clock.Advance(10);
            QTest::qWait(600);
            EXPECT_TRUE(modal.Window()->isVisible());
            modal.Click(IDC_BACK);
        });
    }
    EXPECT_EQ(theSettings.m_nTimeOver, std::numeric_limits<int>::max());
}

} // namespace
