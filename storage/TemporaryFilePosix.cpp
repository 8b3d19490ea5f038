#include "storage/TemporaryFile.h"

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "framework/base/CFileException.h"

namespace {

[[noreturn]] void ThrowOsError(int osError, const std::string& path)
{
    AfxThrowFileException(CFileException::OsErrorToException(osError), osError, path);
}

std::string DirectoryOf(const std::string& path)
{
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string(".")
           : slash == 0               ? std::string("/")
                                      : path.substr(0, slash);
}

bool LockedInPlace(int fd, const std::string& path)
{
    struct stat opened
    {
    };
    struct stat named
    {
    };
    return ::flock(fd, LOCK_EX | LOCK_NB) == 0 && ::fstat(fd, &opened) == 0 &&
           ::stat(path.c_str(), &named) == 0 && opened.st_dev == named.st_dev &&
           opened.st_ino == named.st_ino;
}

// A replaced file keeps its permissions; a new one gets the usual ones for the user.
void KeepModeOfTarget(int fd, const std::string& target)
{
    struct stat info
    {
    };
    if (::stat(target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
        ::fchmod(fd, info.st_mode & 07777);
    }
}

} // namespace

// A save that was killed leaves its temporary behind. Every save holds a lock on its own until
// it ends, and the system drops the locks of a dead process, so a temporary that can be locked
// belongs to no running save and is removed; those of saves still running are left alone.
void TemporaryFile::RemoveStaleTemporaries(const std::string& target)
{
    const std::size_t slash = target.rfind('/');
    const std::string targetName = slash == std::string::npos ? target : target.substr(slash + 1);
    DIR* dir = ::opendir(DirectoryOf(target).c_str());
    if (!dir) {
        return;
    }
    while (const dirent* entry = ::readdir(dir)) {
        if (!IsTemporaryOf(entry->d_name, targetName)) {
            continue;
        }
        const int fd = ::openat(::dirfd(dir), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC);
        if (fd >= 0) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0) {
                ::unlinkat(::dirfd(dir), entry->d_name, 0);
            }
            ::close(fd);
        }
    }
    ::closedir(dir);
}

TemporaryFile::TemporaryFile(const std::string& target) : m_target(target)
{
    RemoveStaleTemporaries(target);
    std::random_device entropy;
    for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::string candidate = target + Suffix(static_cast<unsigned>(entropy()));
        const int fd = ::open(candidate.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0) {
            if (errno != EEXIST) {
                ThrowOsError(errno, target);
            }
            continue;
        }
        // Another save's clean-up may have taken the file before the lock: then use another.
        if (!LockedInPlace(fd, candidate)) {
            ::close(fd);
            continue;
        }
        KeepModeOfTarget(fd, target);
        m_fd = fd;
        m_path = candidate;
        return;
    }
    ThrowOsError(EEXIST, target);
}

TemporaryFile::~TemporaryFile()
{
    if (!m_path.empty()) {
        ::unlink(m_path.c_str());
    }
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

void TemporaryFile::Commit()
{
    // The descriptor held for the lock names the same file the bytes were written to.
    if (::fsync(m_fd) != 0) {
        ThrowOsError(errno, m_target);
    }
    if (::rename(m_path.c_str(), m_target.c_str()) != 0) {
        ThrowOsError(errno, m_target);
    }
    m_path.clear();
    // The rename itself lasts only once the directory is on disk too; failing here loses
    // nothing that the rename has not already given, so it is not an error.
    const int dir = ::open(DirectoryOf(m_target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}
