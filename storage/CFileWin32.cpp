#include "storage/CFile.h"

#include <windows.h>

#include "framework/base/CFileException.h"
#include "framework/base/Win32Text.h"

namespace {

int LastError()
{
    return static_cast<int>(::GetLastError());
}

} // namespace

CFile::~CFile()
{
    if (m_hFile != hFileNull) {
        ::CloseHandle(m_hFile);
    }
}

bool CFile::Open(const std::string& path, unsigned flags, CFileException* error)
{
    Close();
    const DWORD access = (flags & modeReadWrite) ? GENERIC_READ | GENERIC_WRITE
                         : (flags & modeWrite)   ? GENERIC_WRITE
                                                 : GENERIC_READ;
    const DWORD disposition = !(flags & modeCreate)      ? OPEN_EXISTING
                              : (flags & modeNoTruncate) ? OPEN_ALWAYS
                                                         : CREATE_ALWAYS;
    // Shared in every way, as files are on POSIX: a save writes its temporary through this class
    // while it holds the file open itself. A directory does not open without backup semantics,
    // so it is refused as access denied, as on POSIX.
    HANDLE handle = INVALID_HANDLE_VALUE;
    std::wstring widePath;
    if (Win32Text::Widen(path, widePath)) {
        handle =
            ::CreateFileW(widePath.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                          nullptr, disposition, FILE_ATTRIBUTE_NORMAL, nullptr);
    }
    if (handle == INVALID_HANDLE_VALUE) {
        const int osError = LastError();
        if (error) {
            *error = CFileException(CFileException::OsErrorToException(osError), osError, path);
        }
        return false;
    }
    m_hFile = handle;
    m_strFileName = path;
    return true;
}

std::uint32_t CFile::Read(void* buffer, std::uint32_t count)
{
    auto* out = static_cast<unsigned char*>(buffer);
    std::uint32_t done = 0;
    while (done < count) {
        DWORD n = 0;
        if (!::ReadFile(m_hFile, out + done, count - done, &n, nullptr)) {
            ThrowOsError(LastError());
        }
        if (n == 0) {
            break;
        }
        done += n;
    }
    return done;
}

void CFile::Write(const void* buffer, std::uint32_t count)
{
    const auto* in = static_cast<const unsigned char*>(buffer);
    std::uint32_t done = 0;
    while (done < count) {
        DWORD n = 0;
        if (!::WriteFile(m_hFile, in + done, count - done, &n, nullptr)) {
            ThrowOsError(LastError());
        }
        done += n;
    }
}

void CFile::Close()
{
    if (m_hFile == hFileNull) {
        return;
    }
    HANDLE handle = m_hFile;
    m_hFile = hFileNull;
    // The handle is gone even when closing reports an error, so it is never closed twice.
    if (!::CloseHandle(handle)) {
        ThrowOsError(LastError());
    }
}

std::uint64_t CFile::Seek(std::int64_t offset, SeekPosition from)
{
    const DWORD method = from == begin ? FILE_BEGIN : from == current ? FILE_CURRENT : FILE_END;
    LARGE_INTEGER distance;
    distance.QuadPart = offset;
    LARGE_INTEGER position;
    if (!::SetFilePointerEx(m_hFile, distance, &position, method)) {
        ThrowOsError(LastError());
    }
    return static_cast<std::uint64_t>(position.QuadPart);
}

std::uint64_t CFile::GetLength() const
{
    LARGE_INTEGER size;
    if (!::GetFileSizeEx(m_hFile, &size)) {
        ThrowOsError(LastError());
    }
    return static_cast<std::uint64_t>(size.QuadPart);
}

std::uint64_t CFile::GetPosition() const
{
    LARGE_INTEGER position;
    if (!::SetFilePointerEx(m_hFile, LARGE_INTEGER{}, &position, FILE_CURRENT)) {
        ThrowOsError(LastError());
    }
    return static_cast<std::uint64_t>(position.QuadPart);
}

void CFile::Flush()
{
    if (!::FlushFileBuffers(m_hFile)) {
        ThrowOsError(LastError());
    }
}

void CFile::ThrowOsError(int osError) const
{
    AfxThrowFileException(CFileException::OsErrorToException(osError), osError, m_strFileName);
}
