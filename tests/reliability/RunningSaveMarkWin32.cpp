#include "RunningSaveMark.h"

#include <windows.h>

#include <filesystem>

RunningSaveMark::RunningSaveMark(const std::string& path)
    : m_handle(CreateFileW(std::filesystem::path(path).c_str(), GENERIC_READ,
                           FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                           nullptr))
{
    m_held = m_handle != INVALID_HANDLE_VALUE;
}

RunningSaveMark::~RunningSaveMark()
{
    if (m_held)
        CloseHandle(m_handle);
}
