// One opening of the exam window without a window: answering, the wrong list, the end of the
// test, the countdown, the time-out (also while a wrong-answer popup is open) and the used
// time, on a clock the test moves.

#include "modes/ExamSession.h"
#include "ExamBank.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

namespace {

using Step = ExamSession::Step;

class ExamSessionTest : public testing::Test
{
protected:
    ExamSessionTest() { FillExamBank(m_bank, 6); }

    void Store(const std::vector<int>& list, int minutes = 0)
    {
        StoreTest(m_settings, list);
        m_settings.m_nTimeTest = minutes > 0 ? 1 : 0;
        m_settings.m_nTimeTotal = minutes;
    }

    ExamSession Open()
    {
        return ExamSession(m_settings, m_bank, [this] { return m_now; });
    }

    Settings m_settings;
    QuestionBank m_bank;
    std::int64_t m_now = 1'700'000'000;
};

TEST_F(ExamSessionTest, AnswersAreCountedAndOnlyCheckingAfterEachAnswerStopsForAPopup)
{
    for (const int mode : {0, 1}) {
        SCOPED_TRACE(mode == 0 ? "checking after each answer" : "checking at the end");
        m_settings = Settings();
        m_settings.m_nZKontrolaOdpovedi = mode;
        Store({4, 1, 3, 0});
        ExamSession exam = Open();
        for (const int question : {4, 1, 3, 0}) {
            ASSERT_EQ(exam.Question(), question);
            ASSERT_TRUE(exam.Asking());
            const bool wrong = question == 4 || question == 3;
            const bool last = question == 0;
            Step step = exam.Answer(wrong ? WrongAnswer(question) : RightAnswer(question));
            if (wrong && mode == 0) {
                ASSERT_EQ(step, Step::ShowWrongAnswer);
                EXPECT_EQ(exam.CorrectLetter(), question == 4 ? "b)" : "a)");
                EXPECT_EQ(exam.CorrectText(), (question == 4 ? "Beta " : "Alfa ") + std::to_string(question));
                // No key or click answers while the popup is open.
                EXPECT_FALSE(exam.Asking());
                EXPECT_EQ(exam.Answer(0), Step::Stay);
                step = exam.PopupClosed();
            }
            EXPECT_EQ(step, last ? Step::Close : Step::ShowQuestion);
        }
        EXPECT_EQ(m_settings.m_rightCount, 2);
        EXPECT_EQ(WrongList(m_settings), (std::vector<int>{4, 3}));
        EXPECT_EQ(m_settings.m_testPos, 4);
        EXPECT_TRUE(m_settings.m_bZOnlyNew);
        EXPECT_EQ(exam.Question(), 0);
        // Once the last answer is in, nothing more is counted.
        EXPECT_FALSE(exam.Asking());
        EXPECT_EQ(exam.Answer(RightAnswer(0)), Step::Stay);
        EXPECT_EQ(exam.PopupClosed(), Step::Stay);
        EXPECT_EQ(m_settings.m_rightCount, 2);
    }
}

TEST_F(ExamSessionTest, TheWindowOpensAtTheStoredPositionAndLeavingKeepsTheTestOpenWithoutCountingTime)
{
    // Without a limit no time is shown or counted, whatever the minutes say.
    Store({5, 2, 4});
    m_settings.m_testPos = 1;
    m_settings.m_nTimeTotal = 1;
    m_settings.m_nTimeOver = 5000;
    ExamSession exam = Open();
    EXPECT_FALSE(exam.Timed());
    EXPECT_FALSE(exam.ClockTicking());
    EXPECT_EQ(exam.Question(), 2);
    EXPECT_EQ(exam.Answer(RightAnswer(2)), Step::ShowQuestion);
    m_now += 3600;
    EXPECT_EQ(exam.Tick(), Step::Stay);
    EXPECT_EQ(exam.RemainingTime(), "00:00:00");
    exam.Leave();
    EXPECT_EQ(m_settings.m_testPos, 2);
    EXPECT_FALSE(m_settings.m_bZOnlyNew);
    EXPECT_EQ(exam.Answer(RightAnswer(4)), Step::Stay);
    EXPECT_EQ(m_settings.m_rightCount, 1);
    EXPECT_EQ(m_settings.m_wrongCount, 0);
    EXPECT_EQ(m_settings.m_nTimeOver, 5000);
}

TEST_F(ExamSessionTest, AQuestionWithoutARightAnswerCountsEveryAnswerWrong)
{
    m_bank[1].m_nAnswer = 5;
    Store({1, 1, 1});
    ExamSession exam = Open();
    for (const int answer : {0, 1, 2}) {
        ASSERT_EQ(exam.Answer(answer), Step::ShowWrongAnswer);
        EXPECT_EQ(exam.CorrectLetter(), "");
        EXPECT_EQ(exam.CorrectText(), "");
        exam.PopupClosed();
    }
    EXPECT_EQ(m_settings.m_wrongCount, 3);
    EXPECT_EQ(m_settings.m_rightCount, 0);
}

TEST_F(ExamSessionTest, TheTimeOutCountsTheQuestionOnScreenAndEveryLaterOneWrong)
{
    Store({5, 4, 3, 2, 1}, 1);
    ExamSession exam = Open();
    exam.Tick();
    EXPECT_EQ(exam.RemainingTime(), "00:01:00");
    exam.Answer(RightAnswer(5));
    m_now += 59;
    EXPECT_EQ(exam.Tick(), Step::Stay);
    EXPECT_EQ(exam.RemainingTime(), "00:00:01");
    m_now += 1;
    ASSERT_EQ(exam.Tick(), Step::ShowTimeOut);
    EXPECT_EQ(exam.RemainingTime(), "00:00:00");
    EXPECT_FALSE(exam.ClockTicking());
    EXPECT_EQ(exam.Answer(RightAnswer(4)), Step::Stay);
    EXPECT_EQ(exam.PopupClosed(), Step::Close);
    EXPECT_EQ(m_settings.m_rightCount, 1);
    EXPECT_EQ(WrongList(m_settings), (std::vector<int>{4, 3, 2, 1}));
    EXPECT_EQ(m_settings.m_testPos, 5);
    EXPECT_TRUE(m_settings.m_bZOnlyNew);
    EXPECT_EQ(m_settings.m_nTimeOver, 60);
    EXPECT_EQ(exam.Question(), 1);
}

TEST_F(ExamSessionTest, ATimeOutDuringTheWrongAnswerPopupWaitsForItsAnswerUnlessItWasTheLastQuestion)
{
    Store({0, 1, 2, 3}, 1);
    ExamSession exam = Open();
    ASSERT_EQ(exam.Answer(WrongAnswer(0)), Step::ShowWrongAnswer);
    // The countdown goes on behind the popup.
    m_now += 20;
    EXPECT_EQ(exam.Tick(), Step::Stay);
    EXPECT_EQ(exam.RemainingTime(), "00:00:40");
    m_now += 55;
    EXPECT_EQ(exam.Tick(), Step::Stay);
    EXPECT_EQ(exam.RemainingTime(), "00:00:00");
    EXPECT_FALSE(exam.ClockTicking());
    EXPECT_EQ(exam.Tick(), Step::Stay);
    EXPECT_EQ(WrongList(m_settings), std::vector<int>{0});

    ASSERT_EQ(exam.PopupClosed(), Step::ShowTimeOut);
    EXPECT_EQ(exam.Question(), 1);
    EXPECT_EQ(exam.PopupClosed(), Step::Close);
    EXPECT_EQ(WrongList(m_settings), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(m_settings.m_nTimeOver, 75);
    EXPECT_TRUE(m_settings.m_bZOnlyNew);

    // After the last question's popup there is nothing left to count: the test just ends.
    m_settings = Settings();
    Store({2}, 1);
    ExamSession last = Open();
    ASSERT_EQ(last.Answer(WrongAnswer(2)), Step::ShowWrongAnswer);
    m_now += 61;
    last.Tick();
    EXPECT_EQ(last.PopupClosed(), Step::Close);
    EXPECT_EQ(m_settings.m_wrongCount, 1);
    EXPECT_EQ(m_settings.m_nTimeOver, 61);
}

TEST_F(ExamSessionTest, TheCountdownShowsWhatIsLeftOfTheLimitEvenPastADayAndLeavingAddsTheTimeOnce)
{
    struct Case
    {
        int minutes;
        int timeOver;
        const char* remaining; // after 42 seconds; none when the used time reaches the top of an int
    };
    // 35791395 minutes are 2147483700 seconds, more than an int holds.
    for (const Case& c : {Case{30, 605, "00:19:13"}, Case{1500, 0, "24:59:18"}, Case{999, 59, "16:37:19"},
                          Case{35'791'395, 0, "596523:14:18"}, Case{INT_MAX, INT_MAX - 5, nullptr}}) {
        SCOPED_TRACE(c.minutes);
        Store({0, 1}, c.minutes);
        m_settings.m_nTimeOver = c.timeOver;
        ExamSession exam = Open();
        EXPECT_TRUE(exam.Timed());
        EXPECT_EQ(exam.RemainingTime(), "00:00:00");
        ASSERT_EQ(exam.Tick(), Step::Stay);
        m_now += 42;
        EXPECT_EQ(exam.Tick(), Step::Stay);
        exam.Leave();
        EXPECT_FALSE(exam.ClockTicking());
        m_now += 100;
        exam.Leave();
        exam.Tick();
        if (c.remaining) {
            EXPECT_EQ(exam.RemainingTime(), c.remaining);
        }
        EXPECT_EQ(m_settings.m_nTimeOver, c.remaining ? c.timeOver + 42 : INT_MAX);
    }
}

} // namespace
