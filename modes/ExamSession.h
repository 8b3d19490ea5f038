#pragma once
// One opening of the exam window: the stored test walked from m_testPos, each answer counted
// and the wrongly answered questions listed in the settings, the used time and the countdown,
// the time-out, the end of the test and the leaving of the window. It knows no window: the
// window shows what Question() and the texts say, forwards answers, popups closed and clock
// ticks, and does what the returned Step asks. The clock is a source of whole seconds.

#include <cstdint>
#include <functional>
#include <string>

class QuestionBank;
class Settings;

class ExamSession
{
public:
    using Clock = std::function<std::int64_t()>;

    // What the window does next.
    enum class Step
    {
        Stay,            // nothing new to show
        ShowQuestion,    // show Question()
        ShowWrongAnswer, // open the popup that names CorrectLetter() and CorrectText()
        ShowTimeOut,     // open the popup that says the time is up
        Close,           // the window closes; the session has been left
    };

    // The window opens now, on the question at m_testPos.
    ExamSession(Settings& settings, const QuestionBank& bank, Clock clock);

    // The bank index of the question on screen.
    int Question() const { return m_nQuestion; }
    // A question is on screen and waits for its answer: no popup is open and the test is not over.
    bool Asking() const { return m_state == State::Asking; }
    // The test has a time limit, so the window shows the countdown.
    bool Timed() const;
    // The countdown goes on: timed, and neither timed out nor left.
    bool ClockTicking() const;
    // The remaining time as "HH:MM:SS", hours counted on past a day; "00:00:00" until the first
    // tick and from the time-out on.
    const std::string& RemainingTime() const { return m_remaining; }
    // The right answer of the question on screen for the popup: "a)", "b)" or "c)" and its text
    // without the prefix; both empty when the question names no right answer.
    std::string CorrectLetter() const;
    std::string CorrectText() const;

    // An answer, 0..2, to the question on screen; ignored while none is asked.
    Step Answer(int answer);
    // The popup the last Step asked for has been closed.
    Step PopupClosed();
    // A tick of the window's clock.
    Step Tick();
    // The window closes, whichever way: the time of this opening is added to m_nTimeOver once.
    void Leave();

private:
    enum class State
    {
        Asking,
        WrongAnswerShown,
        TimeOutShown,
        Over,
    };

    std::int64_t UsedSeconds() const;
    int CorrectAnswer() const;
    int TestEntry(int position) const;
    void ListWrong(int question);
    Step NextQuestion();
    Step TimeOut();
    void CountRestAsWrong();
    Step Finish();

    Settings& m_settings;
    const QuestionBank& m_bank;
    Clock m_clock;
    std::int64_t m_startTime;
    int m_nQuestion = 0;
    State m_state = State::Asking;
    // The time ran out while the wrong-answer popup was open: the time-out waits until that
    // answer has been dealt with.
    bool m_bTimeOutPending = false;
    bool m_bLeft = false;
    std::string m_remaining = "00:00:00";
};
