#include "storage/TreeFile.h"

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "storage/CFileException.h"
#include "storage/CompressedFile.h"
#include "storage/TreeFormat.h"
#include "storage/TreeNode.h"
#include "storage/TreePayloadReader.h"
#include "storage/TreePayloadWriter.h"

namespace {

constexpr std::uint32_t kReadChunk = 64 * 1024;

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

// The temporary of a save is named after its target: ".tmp" and eight hexadecimal digits follow.
constexpr char kTemporaryInfix[] = ".tmp";
constexpr std::size_t kTemporaryDigits = 8;

bool IsTemporaryOf(const std::string& entry, const std::string& targetName)
{
    const std::size_t prefix = targetName.size() + sizeof kTemporaryInfix - 1;
    return entry.size() == prefix + kTemporaryDigits &&
           entry.compare(0, targetName.size(), targetName) == 0 &&
           entry.compare(targetName.size(), sizeof kTemporaryInfix - 1, kTemporaryInfix) == 0 &&
           std::all_of(entry.begin() + static_cast<std::ptrdiff_t>(prefix), entry.end(),
                       [](char c) { return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f'); });
}

// A save that was killed leaves its temporary behind. Every save holds a lock on its own until
// it ends, and the system drops the locks of a dead process, so a temporary that can be locked
// belongs to no running save and is removed; those of saves still running are left alone.
void RemoveStaleTemporaries(const std::string& target)
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

// An empty, freshly created file beside the target, removed again unless it is renamed over the
// target. Created exclusively, so it never clobbers a stranger's file, and locked while it lives.
class TemporaryFile
{
public:
    explicit TemporaryFile(const std::string& target) : m_target(target)
    {
        RemoveStaleTemporaries(target);
        std::random_device entropy;
        for (int attempt = 0; attempt < 100; ++attempt) {
            char suffix[16];
            std::snprintf(suffix, sizeof suffix, "%s%08x", kTemporaryInfix, static_cast<unsigned>(entropy()));
            const std::string candidate = target + suffix;
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
            KeepModeOfTarget(fd);
            m_fd = fd;
            m_path = candidate;
            return;
        }
        ThrowOsError(EEXIST, target);
    }

    ~TemporaryFile()
    {
        if (!m_path.empty()) {
            ::unlink(m_path.c_str());
        }
        if (m_fd >= 0) {
            ::close(m_fd);
        }
    }

    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;

    const std::string& Path() const { return m_path; }

    // Forces the written bytes to the disk, then puts the file in the target's place.
    void Commit()
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

private:
    static bool LockedInPlace(int fd, const std::string& path)
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
    void KeepModeOfTarget(int fd) const
    {
        struct stat info
        {
        };
        if (::stat(m_target.c_str(), &info) == 0 && S_ISREG(info.st_mode)) {
            ::fchmod(fd, info.st_mode & 07777);
        }
    }

    std::string m_target;
    std::string m_path;
    int m_fd = -1;
};

// Reads the payload as it arrives rather than allocating the claimed length up front: a short
// file claiming a huge length costs only what it holds.
bool ReadPayload(CompressedFile& file, std::size_t length, std::vector<std::uint8_t>& payload)
{
    while (payload.size() < length) {
        const std::size_t have = payload.size();
        const auto want = static_cast<std::uint32_t>(std::min<std::size_t>(length - have, kReadChunk));
        payload.resize(have + want);
        const std::uint32_t got = file.Read(payload.data() + have, want);
        payload.resize(have + got);
        if (got == 0) {
            return false;
        }
    }
    return true;
}

TreeLoadStatus ReadFramed(CompressedFile& file, std::vector<std::uint8_t>& payload)
{
    const bool transparent = file.IsTransparent();
    const bool brokenHeader = file.HasBrokenHeader();

    file.SetCompressed(false);
    char magic[TreeFormat::kMagicSize];
    const std::uint32_t got = file.Read(magic, sizeof magic);
    file.SetCompressed(true);
    if (got != sizeof magic || std::memcmp(magic, TreeFormat::kMagic, sizeof magic) != 0) {
        return transparent ? TreeLoadStatus::NotGzip : TreeLoadStatus::WrongMagic;
    }
    if (brokenHeader) {
        return TreeLoadStatus::NotGzip;
    }

    std::uint8_t lengthBytes[4];
    if (file.Read(lengthBytes, sizeof lengthBytes) != sizeof lengthBytes) {
        return TreeLoadStatus::DataEndsEarly;
    }
    const std::int32_t length = TreeFormat::GetInt32(lengthBytes);
    if (length < 1 || length > TreeFormat::kMaxPayloadSize) {
        return TreeLoadStatus::MalformedPayload;
    }
    return ReadPayload(file, static_cast<std::size_t>(length), payload) ? TreeLoadStatus::Loaded
                                                                        : TreeLoadStatus::DataEndsEarly;
}

} // namespace

bool TreeFile::Save(const TreeNode& root, const std::string& path)
{
    std::vector<std::uint8_t> payload;
    if (!TreePayloadWriter::Write(root, payload)) {
        return false;
    }
    std::uint8_t lengthBytes[4];
    TreeFormat::PutInt32(lengthBytes, static_cast<std::int32_t>(payload.size()));

    TemporaryFile temporary(path);
    try {
        CompressedFile file(temporary.Path(), CFile::modeCreate | CFile::modeWrite);
        file.SetCompressed(false);
        file.Write(TreeFormat::kMagic, TreeFormat::kMagicSize);
        file.SetCompressed(true);
        file.Write(lengthBytes, sizeof lengthBytes);
        file.Write(payload.data(), static_cast<std::uint32_t>(payload.size()));
        file.SetCompressed(true);
        file.Close();
    } catch (CFileException& error) {
        // The caller asked for the target; the temporary's name would only puzzle.
        error.m_strFileName = path;
        throw;
    }
    temporary.Commit();
    return true;
}

TreeLoadStatus TreeFile::Load(TreeNode& node, const std::string& path)
{
    std::vector<std::uint8_t> payload;
    TreeLoadStatus status;
    {
        CompressedFile file(path, CFile::modeRead);
        status = ReadFramed(file, payload);
        file.SetCompressed(true);
        file.Close();
    }
    return status == TreeLoadStatus::Loaded ? TreePayloadReader::Read(payload, node) : status;
}
