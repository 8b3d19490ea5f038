#include "framework/base/CTimeSpan.h"

CTimeSpan::CTimeSpan(LONG days, int hours, int minutes, int seconds)
    : m_timeSpan(((std::time_t(days) * 24 + hours) * 60 + minutes) * 60 + seconds)
{
}

LONG CTimeSpan::GetDays() const
{
    return LONG(m_timeSpan / (24 * 3600));
}

int CTimeSpan::GetHours() const
{
    return int(m_timeSpan / 3600 - std::time_t(GetDays()) * 24);
}

int CTimeSpan::GetMinutes() const
{
    return int(m_timeSpan / 60 - (m_timeSpan / 3600) * 60);
}

int CTimeSpan::GetSeconds() const
{
    return int(m_timeSpan - (m_timeSpan / 60) * 60);
}

CString CTimeSpan::Format(const char* format) const
{
    CString out;
    CString field;
    for (const char* p = format; p && *p; ++p) {
        if (*p != '%' || p[1] == '\0') {
            out += *p;
            continue;
        }
        switch (*++p) {
        case 'D':
            field.Format("%ld", long(GetDays()));
            break;
        case 'H':
            field.Format("%02d", GetHours());
            break;
        case 'M':
            field.Format("%02d", GetMinutes());
            break;
        case 'S':
            field.Format("%02d", GetSeconds());
            break;
        default:
            // "%%" and unknown directives give the character itself.
            field = CString(1, *p);
            break;
        }
        out += field;
    }
    return out;
}
