#pragma once
// A length of time in whole seconds, formatted like MFC's CTimeSpan: %D days, %H hours of
// the day (0 to 23), %M minutes, %S seconds (two digits each) and %% a percent sign.

#include "framework/base/CString.h"

#include <ctime>

class CTimeSpan
{
public:
    CTimeSpan() = default;
    CTimeSpan(std::time_t seconds) : m_timeSpan(seconds) {}
    CTimeSpan(LONG days, int hours, int minutes, int seconds);

    std::time_t GetTotalSeconds() const { return m_timeSpan; }
    LONG GetDays() const;
    int GetHours() const;
    int GetMinutes() const;
    int GetSeconds() const;

    CString Format(const char* format) const;

    bool operator==(const CTimeSpan&) const = default;

private:
    std::time_t m_timeSpan = 0;
};
