#pragma once
// The framework's seams taken over for one test, each restored when the object goes:
// message boxes recorded and answered OK, the clock set by the test, web addresses
// recorded instead of opened.

#include "framework/MessageBox.h"
#include "framework/Shell.h"
#include "framework/base/CString.h"
#include "framework/base/CTime.h"

#include <vector>

class MessageBoxRecorder
{
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    // The texts of the boxes shown so far, in order.
    const std::vector<CString>& Texts() const { return m_texts; }

private:
    MessageBoxHandler m_previous;
    std::vector<CString> m_texts;
};

class ClockOverride
{
public:
    explicit ClockOverride(std::time_t now);
    ~ClockOverride();
    ClockOverride(const ClockOverride&) = delete;
    ClockOverride& operator=(const ClockOverride&) = delete;

    void Advance(std::time_t seconds) { m_now += seconds; }

private:
    CTime::Clock m_previous;
    std::time_t m_now;
};

class UrlRecorder
{
public:
    UrlRecorder();
    ~UrlRecorder();
    UrlRecorder(const UrlRecorder&) = delete;
    UrlRecorder& operator=(const UrlRecorder&) = delete;

    const std::vector<CString>& Addresses() const { return m_addresses; }

private:
    UrlOpener m_previous;
    std::vector<CString> m_addresses;
};
