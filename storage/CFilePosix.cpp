#include "storage/CFile.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "framework/base/CFileException.h"

CFile::~CFile()
{
    if (m_hFile >= 0) {
        ::close(m_hFile);
    }
}

bool CFile::Open(const std::string& path, unsigned flags, CFileException* error)
{
    Close();
    int osFlags = O_CLOEXEC;
    if (flags & modeReadWrite) {
        osFlags |= O_RDWR;
    } else if (flags & modeWrite) {
        osFlags |= O_WRONLY;
    } else {
        osFlags |= O_RDONLY;
    }
    if (flags & modeCreate) {
        osFlags |= O_CREAT;
        if (!(flags & modeNoTruncate)) {
            osFlags |= O_TRUNC;
        }
    }

    int fd;
    do {
        fd = ::open(path.c_str(), osFlags, 0666);
    } while (fd < 0 && errno == EINTR);
    int osError = fd < 0 ? errno : 0;

    // A directory opens for reading on this system but is no file; refuse it as access denied.
    struct stat info
    {
    };
    if (fd >= 0 && ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        ::close(fd);
        fd = -1;
        osError = EISDIR;
    }
    if (fd < 0) {
        if (error) {
            *error = CFileException(CFileException::OsErrorToException(osError), osError, path);
        }
        return false;
    }
    m_hFile = fd;
    m_strFileName = path;
    return true;
}

std::uint32_t CFile::Read(void* buffer, std::uint32_t count)
{
    auto* out = static_cast<unsigned char*>(buffer);
    std::uint32_t done = 0;
    while (done < count) {
        const ssize_t n = ::read(m_hFile, out + done, count - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowOsError(errno);
        }
        if (n == 0) {
            break;
        }
        done += static_cast<std::uint32_t>(n);
    }
    return done;
}

void CFile::Write(const void* buffer, std::uint32_t count)
{
    const auto* in = static_cast<const unsigned char*>(buffer);
    std::uint32_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(m_hFile, in + done, count - done);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            ThrowOsError(errno);
        }
        done += static_cast<std::uint32_t>(n);
    }
}

void CFile::Close()
{
    if (m_hFile < 0) {
        return;
    }
    const int fd = m_hFile;
    m_hFile = -1;
    // The descriptor is gone even when close reports an error, so it is never closed twice.
    if (::close(fd) != 0 && errno != EINTR) {
        ThrowOsError(errno);
    }
}

std::uint64_t CFile::Seek(std::int64_t offset, SeekPosition from)
{
    const int whence = from == begin ? SEEK_SET : from == current ? SEEK_CUR : SEEK_END;
    const off_t position = ::lseek(m_hFile, static_cast<off_t>(offset), whence);
    if (position < 0) {
        ThrowOsError(errno);
    }
    return static_cast<std::uint64_t>(position);
}

std::uint64_t CFile::GetLength() const
{
    struct stat info
    {
    };
    if (::fstat(m_hFile, &info) != 0) {
        ThrowOsError(errno);
    }
    return static_cast<std::uint64_t>(info.st_size);
}

std::uint64_t CFile::GetPosition() const
{
    const off_t position = ::lseek(m_hFile, 0, SEEK_CUR);
    if (position < 0) {
        ThrowOsError(errno);
    }
    return static_cast<std::uint64_t>(position);
}

void CFile::Flush()
{
    // EINVAL: the file is of a kind that cannot be synchronised (a pipe, a terminal); nothing to do.
    if (::fsync(m_hFile) != 0 && errno != EINVAL) {
        ThrowOsError(errno);
    }
}

void CFile::ThrowOsError(int osError) const
{
    AfxThrowFileException(CFileException::OsErrorToException(osError), osError, m_strFileName);
}
