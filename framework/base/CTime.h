#pragma once
// Calendar time in whole seconds. The current time comes from one clock that tests can
// replace, so that timed behaviour is tested without waiting.

#include <ctime>
#include <functional>

class CTime
{
public:
    CTime() = default;
    CTime(std::time_t time) : m_time(time) {}

    static CTime GetCurrentTime();
    std::time_t GetTime() const { return m_time; }

    bool operator==(const CTime&) const = default;

    // The clock GetCurrentTime reads; an empty function restores the system clock.
    // Returns the clock that was in use.
    using Clock = std::function<std::time_t()>;
    static Clock SetClock(Clock clock);

private:
    std::time_t m_time = 0;
};
