#include "modes/ExamSession.h"

#include "model/QuestionBank.h"
#include "model/Settings.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <utility>

namespace {

constexpr int kCheckEachAnswer = 0;

// Hours are not taken modulo a day: a limit of more than 24 hours shows as it is.
std::string ClockText(std::int64_t seconds)
{
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", static_cast<long long>(seconds / 3600),
                  static_cast<long long>(seconds / 60 % 60), static_cast<long long>(seconds % 60));
    return text;
}

} // namespace

ExamSession::ExamSession(Settings& settings, const QuestionBank& bank, Clock clock)
    : m_settings(settings), m_bank(bank), m_clock(std::move(clock)), m_startTime(m_clock()),
      m_nQuestion(TestEntry(settings.m_testPos))
{
}

bool ExamSession::Timed() const
{
    return m_settings.m_nTimeTest == 1;
}

bool ExamSession::ClockTicking() const
{
    return Timed() && !m_bTimeOutPending && (m_state == State::Asking || m_state == State::WrongAnswerShown);
}

int ExamSession::CorrectAnswer() const
{
    return m_nQuestion >= 0 && m_nQuestion < m_bank.GetSize() ? m_bank[m_nQuestion].m_nAnswer : -1;
}

std::string ExamSession::CorrectLetter() const
{
    const int correct = CorrectAnswer();
    return correct >= 0 && correct <= 2 ? std::string{char('a' + correct), ')'} : std::string();
}

std::string ExamSession::CorrectText() const
{
    const int correct = CorrectAnswer();
    return correct >= 0 && correct <= 2 ? m_bank[m_nQuestion].m_strText[std::size_t(correct + 1)]
                                        : std::string();
}

int ExamSession::TestEntry(int position) const
{
    const int used = std::min(m_settings.m_testCount, Settings::kTestCapacity);
    return position >= 0 && position < used ? m_settings.m_test[std::size_t(position)] : 0;
}

std::int64_t ExamSession::UsedSeconds() const
{
    return m_clock() - m_startTime + m_settings.m_nTimeOver;
}

void ExamSession::ListWrong(int question)
{
    Settings& s = m_settings;
    if (s.m_wrongCount >= 0 && s.m_wrongCount < int(std::size(s.m_wrong)))
        s.m_wrong[std::size_t(s.m_wrongCount++)] = question;
}

ExamSession::Step ExamSession::Answer(int answer)
{
    if (m_state != State::Asking)
        return Step::Stay;
    if (answer == CorrectAnswer()) {
        ++m_settings.m_rightCount;
    } else {
        ListWrong(m_nQuestion);
        if (m_settings.m_nZKontrolaOdpovedi == kCheckEachAnswer) {
            m_state = State::WrongAnswerShown;
            return Step::ShowWrongAnswer;
        }
    }
    return NextQuestion();
}

ExamSession::Step ExamSession::NextQuestion()
{
    ++m_settings.m_testPos;
    if (m_settings.m_testPos >= m_settings.m_testCount) {
        m_settings.m_bZOnlyNew = true;
        return Finish();
    }
    m_nQuestion = TestEntry(m_settings.m_testPos);
    return m_bTimeOutPending ? TimeOut() : Step::ShowQuestion;
}

ExamSession::Step ExamSession::PopupClosed()
{
    switch (m_state) {
    case State::WrongAnswerShown:
        m_state = State::Asking;
        return NextQuestion();
    case State::TimeOutShown:
        CountRestAsWrong();
        m_settings.m_bZOnlyNew = true;
        return Finish();
    default:
        return Step::Stay;
    }
}

ExamSession::Step ExamSession::Tick()
{
    if (!ClockTicking())
        return Step::Stay;
    const std::int64_t limit = std::int64_t{m_settings.m_nTimeTotal} * 60;
    const std::int64_t used = UsedSeconds();
    if (used < limit) {
        m_remaining = ClockText(limit - used);
        return Step::Stay;
    }
    m_remaining = ClockText(0);
    if (m_state == State::WrongAnswerShown) {
        m_bTimeOutPending = true;
        return Step::Stay;
    }
    return TimeOut();
}

ExamSession::Step ExamSession::TimeOut()
{
    m_bTimeOutPending = false;
    m_state = State::TimeOutShown;
    return Step::ShowTimeOut;
}

void ExamSession::CountRestAsWrong()
{
    Settings& s = m_settings;
    while (s.m_testPos < s.m_testCount) {
        ListWrong(m_nQuestion);
        ++s.m_testPos;
        if (s.m_testPos < s.m_testCount)
            m_nQuestion = TestEntry(s.m_testPos);
    }
}

ExamSession::Step ExamSession::Finish()
{
    Leave();
    return Step::Close;
}

void ExamSession::Leave()
{
    m_state = State::Over;
    if (m_bLeft)
        return;
    m_bLeft = true;
    if (Timed()) {
        // The stored sum is 32 bits wide; a file may hold a value near its top, and the sum
        // must stop there rather than wrap round to a negative time.
        m_settings.m_nTimeOver = int(std::clamp<std::int64_t>(UsedSeconds(), std::numeric_limits<int>::min(),
                                                              std::numeric_limits<int>::max()));
    }
}
