#include "framework/base/CTime.h"

#include <utility>

namespace {

CTime::Clock& CurrentClock()
{
    static CTime::Clock clock;
    return clock;
}

} // namespace

CTime CTime::GetCurrentTime()
{
    const Clock& clock = CurrentClock();
    return CTime(clock ? clock() : std::time(nullptr));
}

CTime::Clock CTime::SetClock(Clock clock)
{
    return std::exchange(CurrentClock(), std::move(clock));
}
