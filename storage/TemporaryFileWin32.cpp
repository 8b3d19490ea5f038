#include "storage/TemporaryFile.h"

#include <windows.h>

#include <cstddef>
#include <cstring>
#include <random>
#include <vector>

#include "framework/base/CFileException.h"
#include "framework/base/Win32Text.h"

namespace {

// A virus scanner or an indexer may hold the target for a moment just when it is replaced.
constexpr int kReplaceAttempts = 10;
constexpr DWORD kReplaceRetryMilliseconds = 100;

[[noreturn]] void ThrowOsError(DWORD osError, const std::string& path)
{
    const long code = static_cast<long>(osError);
    AfxThrowFileException(CFileException::OsErrorToException(code), code, path);
}

std::wstring FullPath(const std::string& path)
{
    std::wstring wide;
    if (!Win32Text::Widen(path, wide)) {
        ThrowOsError(::GetLastError(), path);
    }
    std::wstring full(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetFullPathNameW(wide.c_str(), static_cast<DWORD>(full.size()), full.data(), nullptr);
        if (length == 0) {
            ThrowOsError(::GetLastError(), path);
        }
        // Too small a buffer gives the length the path needs, its terminating zero included.
        const bool fits = length < full.size();
        full.resize(length);
        if (fits) {
            return full;
        }
    }
}

} // namespace

// A running save holds its temporary open without sharing the right to delete it, and the system
// closes the handles of a dead process, so a temporary that can be deleted belongs to no running
// save; those of saves still running refuse it. target is a full path.
void TemporaryFile::RemoveStaleTemporaries(const std::string& target)
{
    const std::size_t slash = target.rfind('\\');
    const std::string targetName = target.substr(slash + 1);
    std::wstring directory;
    std::wstring pattern;
    if (!Win32Text::Widen(target.substr(0, slash + 1), directory) ||
        !Win32Text::Widen(target.substr(0, slash + 1) + targetName + ".tmp*", pattern)) {
        return;
    }
    WIN32_FIND_DATAW entry;
    const HANDLE search =
        ::FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch, nullptr, 0);
    if (search == INVALID_HANDLE_VALUE) {
        return;
    }
    do {
        // The pattern also matches short 8.3 names, so the long name is checked by the rule.
        if (IsTemporaryOf(Win32Text::Narrow(entry.cFileName), targetName)) {
            ::DeleteFileW((directory + entry.cFileName).c_str());
        }
    } while (::FindNextFileW(search, &entry));
    ::FindClose(search);
}

TemporaryFile::TemporaryFile(const std::string& target) : m_target(target), m_fullTarget(FullPath(target))
{
    const std::string fullTarget = Win32Text::Narrow(m_fullTarget);
    RemoveStaleTemporaries(fullTarget);
    std::random_device entropy;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string suffix = Suffix(static_cast<unsigned>(entropy()));
        const std::wstring candidate = m_fullTarget + std::wstring(suffix.begin(), suffix.end());
        // Without FILE_SHARE_DELETE: while this handle is open, no clean-up can take the file.
        // The delete right is for the rename, or the removal, through this same handle.
        const HANDLE handle =
            ::CreateFileW(candidate.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (handle == INVALID_HANDLE_VALUE) {
            const DWORD error = ::GetLastError();
            if (error != ERROR_FILE_EXISTS) {
                ThrowOsError(error, target);
            }
            continue;
        }
        m_hFile = handle;
        m_path = fullTarget + suffix;
        return;
    }
    ThrowOsError(ERROR_FILE_EXISTS, target);
}

TemporaryFile::~TemporaryFile()
{
    if (!m_hFile) {
        return;
    }
    // Not renamed: deleted through its own handle, which has the delete right it shares with no one.
    if (!m_path.empty()) {
        FILE_DISPOSITION_INFO dispose{TRUE};
        ::SetFileInformationByHandle(m_hFile, FileDispositionInfo, &dispose, sizeof dispose);
    }
    ::CloseHandle(m_hFile);
}

void TemporaryFile::Commit()
{
    // The handle held as the mark names the same file the bytes were written to.
    if (!::FlushFileBuffers(m_hFile)) {
        ThrowOsError(::GetLastError(), m_target);
    }
    // The rename goes through the held handle, so the file is never without its mark, and
    // replaces the target in one step. The new name ends the structure, its zero included.
    const std::size_t nameBytes = m_fullTarget.size() * sizeof(wchar_t);
    std::vector<unsigned char> buffer(sizeof(FILE_RENAME_INFO) + nameBytes);
    auto* rename = reinterpret_cast<FILE_RENAME_INFO*>(buffer.data());
    rename->ReplaceIfExists = TRUE;
    rename->RootDirectory = nullptr;
    rename->FileNameLength = static_cast<DWORD>(nameBytes);
    std::memcpy(buffer.data() + offsetof(FILE_RENAME_INFO, FileName), m_fullTarget.c_str(), nameBytes);
    for (int attempt = 1;
         !::SetFileInformationByHandle(m_hFile, FileRenameInfo, rename, static_cast<DWORD>(buffer.size()));
         ++attempt) {
        // A target held open refuses the replace, as a sharing violation or as access denied
        // depending on how its holder shares it; either may pass in a moment. A target that can
        // never be replaced (read-only, a folder) is reported after the last attempt.
        const DWORD error = ::GetLastError();
        if ((error != ERROR_SHARING_VIOLATION && error != ERROR_ACCESS_DENIED) ||
            attempt == kReplaceAttempts) {
            ThrowOsError(error, m_target);
        }
        ::Sleep(kReplaceRetryMilliseconds);
    }
    m_path.clear();
}
