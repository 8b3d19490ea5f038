#include "storage/UserFiles.h"

#include <windows.h>

#include <cwchar>
#include <string>

#include "framework/base/Win32Text.h"

namespace {

bool IsSeparator(wchar_t c)
{
    return c == L'\\' || c == L'/';
}

bool IsFolder(const std::wstring& path)
{
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

} // namespace

std::string UserFiles::ConfigRoot()
{
    const wchar_t* appData = _wgetenv(L"APPDATA");
    return appData && *appData ? Win32Text::Narrow(appData) : "";
}

bool UserFiles::RefusesFiles(const std::string& dir)
{
    // Windows has no access() that answers for the folder's security descriptor, so a file that
    // vanishes when closed tries it. Program Files refuses a user; the manifest's asInvoker keeps
    // the system from redirecting the write into a per-user store behind the program's back.
    std::wstring folder;
    if (!Win32Text::Widen(dir.empty() ? "." : dir, folder)) {
        return false;
    }
    if (!IsSeparator(folder.back())) {
        folder += L'\\';
    }
    const std::wstring probe = folder + L"navik-" + std::to_wstring(::GetCurrentProcessId()) + L".probe";
    const HANDLE handle = ::CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        ::CloseHandle(handle);
        return false;
    }
    const DWORD error = ::GetLastError();
    return error == ERROR_ACCESS_DENIED || error == ERROR_WRITE_PROTECT;
}

bool UserFiles::MakeFolders(const std::string& folder)
{
    std::wstring path;
    if (folder.empty() || !Win32Text::Widen(folder, path)) {
        return false;
    }
    // Each folder on the way down; a drive or share at the top cannot be made and need not be.
    for (std::size_t i = 1; i <= path.size(); ++i) {
        if ((i == path.size() || IsSeparator(path[i])) && !IsSeparator(path[i - 1])) {
            const std::wstring prefix = path.substr(0, i);
            if (!IsFolder(prefix)) {
                ::CreateDirectoryW(prefix.c_str(), nullptr);
            }
        }
    }
    return IsFolder(path);
}
