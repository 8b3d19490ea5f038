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

#include <gtest/gtest.h>

#include <grp.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <iostream>
#include <set>

using TreeBytes::Bytes;

namespace {

constexpr uid_t kNobody = 65534;

// A save of another record to path that must fail with the given cause; empty when it did.
std::string FailedSave(const std::string& path, int expectedCause)
{
    try {
        SaveRecord(DistinctRecord(2), path);
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
        const std::string outcome = RunInChild([&] {
            // Past the limit a write fails with EFBIG instead of the signal.
            std::signal(SIGXFSZ, SIG_IGN);
            const rlimit lowered{limit, limit};
            if (setrlimit(RLIMIT_FSIZE, &lowered) != 0)
                return std::string("setrlimit: ") + std::strerror(errno);
            return FailedSave(m_path, CFileException::diskFull);
        });
        EXPECT_EQ(outcome, "");
        ExpectOldFileIntact();
    }
}

TEST_F(SaveFault, AFolderThatIsNotWritableRaisesTheErrorAndKeepsTheOldFile)
{
    // Root writes into any folder, so the save runs as an ordinary user when the test is root.
    const bool root = geteuid() == 0;
    ASSERT_EQ(chmod(m_dir.Path().c_str(), root ? 0755 : 0555), 0);
    const std::string outcome = RunInChild([&]() -> std::string {
        if (root && (setgroups(0, nullptr) != 0 || setresgid(kNobody, kNobody, kNobody) != 0 ||
                     setresuid(kNobody, kNobody, kNobody) != 0))
            return std::string("cannot become nobody: ") + std::strerror(errno);
        return FailedSave(m_path, CFileException::accessDenied);
    });
    chmod(m_dir.Path().c_str(), 0755);
    EXPECT_EQ(outcome, "");
    ExpectOldFileIntact();
}

} // namespace
