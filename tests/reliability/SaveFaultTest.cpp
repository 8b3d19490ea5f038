// Saves of the settings file that fail part-way: on a device that is full, at every point a
// file size limit can cut the writing short, and in a folder that is not writable. Each raises
// the file error naming the settings file and leaves the old file byte-identical, with nothing
// else left beside it.

#include "ChildProcess.h"
#include "SettingsRecords.h"

#include "TempDir.h"
#include "TreeBytes.h"
#include "framework/base/CFileException.h"
#include "storage/CFile.h"
#include "storage/CompressedFile.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <iostream>
#include <random>
#include <set>

using TreeBytes::Bytes;

namespace {

constexpr uid_t kNobody = 65534;

// A save of another record to path that must fail with the given cause; empty when it did.
std::string FailedSave(const std::string& path, int expectedCause, const Settings& record = DistinctRecord(2))
{
    try {
        SaveRecord(record, path);
    } catch (const CFileException& error) {
        if (error.m_cause != expectedCause)
            return "cause " + std::to_string(error.m_cause) + " (errno " + std::to_string(error.m_lOsError) +
                   ") instead of " + std::to_string(expectedCause);
        if (error.m_strFileName != path)
            return "the error names " + error.m_strFileName + " instead of " + path;
        return {};
    }
    return "the save did not fail";
}

class SaveFault : public testing::Test
{
protected:
    void SetUp() override
    {
        SaveRecord(DistinctRecord(1), m_path);
        m_before = TreeBytes::ReadFile(m_path);
    }

    void ExpectOldFileIntact() const
    {
        EXPECT_EQ(TreeBytes::ReadFile(m_path), m_before);
        EXPECT_EQ(m_dir.Entries(), std::vector<std::string>{"navik.cfg"});
    }

    TempDir m_dir;
    std::string m_path = m_dir.File("navik.cfg");
    Bytes m_before;
};

TEST_F(SaveFault, AFullDeviceRaisesTheDiskFullError)
{
    CFile plain;
    ASSERT_TRUE(plain.Open("/dev/full", CFile::modeWrite));
    try {
        plain.Write("x", 1);
        ADD_FAILURE() << "a write to /dev/full succeeded";
    } catch (const CFileException& error) {
        EXPECT_EQ(error.m_cause, CFileException::diskFull);
        EXPECT_EQ(error.m_lOsError, ENOSPC);
        EXPECT_EQ(error.m_strFileName, "/dev/full");
    }

    // The gzip stream holds data back; it must still not lose the error.
    int cause = CFileException::none;
    try {
        CompressedFile compressed("/dev/full", CFile::modeCreate | CFile::modeWrite);
        compressed.Write(m_before.data(), std::uint32_t(m_before.size()));
        compressed.Close();
    } catch (const CFileException& error) {
        cause = error.m_cause;
    }
    EXPECT_EQ(cause, CFileException::diskFull);
}

TEST_F(SaveFault, EveryCutOffPointRaisesTheErrorAndKeepsTheOldFile)
{
    TempDir scratch;
    SaveRecord(DistinctRecord(2), scratch.File("new.cfg"));
    const auto size = std::uint64_t(TreeBytes::ReadFile(scratch.File("new.cfg")).size());
    // The gzip header, the magic, each part of the compressed stream and the trailer.
    std::set<std::uint64_t> limits = {0, 1, 9, 10, 11, 57, 58, 59, 62, size - 8, size - 4, size - 1};
    for (std::uint64_t limit = 0; limit < size; limit += size / 40)
        limits.insert(limit);
    std::cout << limits.size() << " cut-off points in a file of " << size << " bytes\n";

    for (const std::uint64_t limit : limits) {
        SCOPED_TRACE("limit " + std::to_string(limit) + " of " + std::to_string(size) + " bytes");
        const ChildOutcome outcome = RunInChild([&] {
            // Past the limit a write fails with EFBIG instead of the signal.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit lowered{limit, limit};
            if (setrlimit(RLIMIT_FSIZE, &lowered) != 0)
                return std::string("setrlimit: ") + std::strerror(errno);
            return FailedSave(m_path, CFileException::diskFull);
        });
        EXPECT_EQ(outcome.failure, "");
        ExpectOldFileIntact();
    }
}

TEST_F(SaveFault, AFullFileSystemRaisesTheErrorAndKeepsTheOldFile)
{
    // A small file system of its own needs a private mount namespace, which root may create.
    const std::string mountPoint = m_dir.File("full");
    ASSERT_EQ(mkdir(mountPoint.c_str(), 0755), 0);
    const ChildOutcome outcome = RunInChild([&]() -> std::string {
        if (unshare(CLONE_NEWNS) != 0)
            return std::string(kSkip) + "no private mount namespace: " + std::strerror(errno);
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0 ||
            mount("navik-full", mountPoint.c_str(), "tmpfs", 0, "size=64k") != 0)
            return std::string(kSkip) + "cannot mount a tmpfs: " + std::strerror(errno);

        const std::string path = mountPoint + "/navik.cfg";
        SaveRecord(DistinctRecord(1), path);
        const Bytes before = TreeBytes::ReadFile(path);
        // Fill the file system, then free one page: the new file starts and cannot finish.
        const std::string filler = mountPoint + "/filler";
        const int fd = open(filler.c_str(), O_WRONLY | O_CREAT, 0644);
        const std::vector<char> block(4096, 'f');
        off_t filled = 0;
        for (ssize_t n; (n = write(fd, block.data(), block.size())) > 0;)
            filled += n;
        if (errno != ENOSPC || ftruncate(fd, filled / 4096 * 4096 - 4096) != 0)
            return std::string("filling the file system: ") + std::strerror(errno);
        close(fd);

        // Random indices make the new file larger than the page it finds.
        Settings record = DistinctRecord(3);
        std::mt19937 random(3);
        for (int& entry : record.m_test)
            entry = int(random());
        std::string failure = FailedSave(path, CFileException::diskFull, record);
        if (TreeBytes::ReadFile(path) != before)
            failure += " the old file changed";
        struct stat info
        {
        };
        for (const char* name : {"navik.cfg", "filler"})
            if (stat((mountPoint + "/" + name).c_str(), &info) != 0)
                failure += std::string(" ") + name + " is gone";
        return failure;
    });
    if (outcome.skipped)
        GTEST_SKIP() << outcome.failure;
    EXPECT_EQ(outcome.failure, "");
}

TEST_F(SaveFault, AFolderThatIsNotWritableRaisesTheErrorAndKeepsTheOldFile)
{
    // Root writes into any folder, so the save runs as an ordinary user when the test is root.
    const bool root = geteuid() == 0;
    ASSERT_EQ(chmod(m_dir.Path().c_str(), root ? 0755 : 0555), 0);
    const ChildOutcome outcome = RunInChild([&]() -> std::string {
        if (root && (setgroups(0, nullptr) != 0 || setresgid(kNobody, kNobody, kNobody) != 0 ||
                     setresuid(kNobody, kNobody, kNobody) != 0))
            return std::string("cannot become nobody: ") + std::strerror(errno);
        return FailedSave(m_path, CFileException::accessDenied);
    });
    chmod(m_dir.Path().c_str(), 0755);
    EXPECT_EQ(outcome.failure, "");
    ExpectOldFileIntact();
}

} // namespace
