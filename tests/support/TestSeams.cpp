#include "TestSeams.h"

#include <utility>

MessageBoxRecorder::MessageBoxRecorder()
    : m_previous(SetMessageBoxHandler([this](const CString& text, UINT) {
          m_texts.push_back(text);
          return IDOK;
      }))
{
}

MessageBoxRecorder::~MessageBoxRecorder()
{
    SetMessageBoxHandler(std::move(m_previous));
}

ClockOverride::ClockOverride(std::time_t now)
    : m_previous(CTime::SetClock([this] { return m_now; })), m_now(now)
{
}

ClockOverride::~ClockOverride()
{
    CTime::SetClock(std::move(m_previous));
}

UrlRecorder::UrlRecorder()
    : m_previous(SetUrlOpener([this](const CString& address) {
          m_addresses.push_back(address);
          return true;
      }))
{
}

UrlRecorder::~UrlRecorder()
{
    SetUrlOpener(std::move(m_previous));
}
