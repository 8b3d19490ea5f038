#include "KillableChild.h"

#include <windows.h>

#include <filesystem>
#include <stdexcept>
#include <system_error>

namespace {

// The exit code the kill gives; the child's own ends have others.
constexpr UINT kKilled = 0xDEAD;

[[noreturn]] void ThrowError(const char* what, DWORD error)
{
    throw std::runtime_error(std::string(what) + ": " +
                             std::system_category().message(static_cast<int>(error)));
}

std::filesystem::path ThisProgram()
{
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0)
            ThrowError("GetModuleFileNameW", GetLastError());
        if (length < path.size())
            return path.substr(0, length);
        path.resize(path.size() * 2);
    }
}

} // namespace

KillableChild::KillableChild(const std::string& program, const std::string& folder)
{
    const std::filesystem::path executable = ThisProgram().parent_path() / program;
    std::wstring commandLine = L"\"" + executable.wstring() + L"\"";
    // Only the write end goes to the child, so that reading sees the end when the child dies.
    SECURITY_ATTRIBUTES inherited{sizeof inherited, nullptr, TRUE};
    HANDLE readEnd = nullptr;
    HANDLE writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherited, 0))
        ThrowError("CreatePipe", GetLastError());
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = writeEnd;
    PROCESS_INFORMATION started{};
    const BOOL ok = SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0) &&
                    CreateProcessW(executable.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                   std::filesystem::path(folder).c_str(), &startup, &started);
    const DWORD error = GetLastError();
    CloseHandle(writeEnd);
    if (!ok) {
        CloseHandle(readEnd);
        ThrowError("CreateProcessW", error);
    }
    CloseHandle(started.hThread);
    m_process = started.hProcess;
    m_progress = readEnd;
}

KillableChild::~KillableChild()
{
    if (m_process)
        Kill();
    CloseHandle(m_progress);
}

bool KillableChild::AwaitProgress()
{
    char byte;
    DWORD got = 0;
    return ReadFile(m_progress, &byte, 1, &got, nullptr) && got == 1;
}

bool KillableChild::Kill()
{
    TerminateProcess(m_process, kKilled);
    WaitForSingleObject(m_process, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(m_process, &code);
    CloseHandle(m_process);
    m_process = nullptr;
    return code == kKilled;
}
