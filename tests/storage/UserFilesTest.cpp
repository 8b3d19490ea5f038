#include <gtest/gtest.h>

#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "ChildProcess.h"
#include "TempDir.h"
#include "storage/UserFiles.h"

namespace {

constexpr uid_t kNobody = 65534;

// A writable program folder keeping the files, and no probe left in it, is MainDialogTest's.
TEST(UserFiles, ARefusingFolderSendsThemToTheConfigurationFolder)
{
    EXPECT_EQ(UserFiles::Folder("/opt/navik/", false, "/home/u/cfg"), "/opt/navik/");
    EXPECT_EQ(UserFiles::Folder("/opt/navik", false, "/home/u/cfg"), "/opt/navik/");
    EXPECT_EQ(UserFiles::Folder("/opt/navik/", true, "/home/u/cfg/"), "/home/u/cfg/navik/");
    EXPECT_EQ(UserFiles::Folder("/opt/navik/", true, ""), "/opt/navik/");
    EXPECT_EQ(UserFiles::Folder("", false, "/home/u/cfg"), "");

    EXPECT_EQ(UserFiles::PosixConfigRoot(nullptr, "/home/u/"), "/home/u/.config");
    // A relative XDG_CONFIG_HOME is as good as none. How a set or unset one and a folder that
    // refuses the files are followed is ReadOnlyProgramFolder's.
    EXPECT_EQ(UserFiles::PosixConfigRoot("cfg", "/home/u"), "/home/u/.config");
    EXPECT_EQ(UserFiles::PosixConfigRoot(nullptr, ""), "");
}

TEST(UserFiles, MakeFoldersMakesTheMissingOnesPrivateAndOnlyARefusalCounts)
{
    TempDir dir;
    const std::string folder = dir.File("a/b/navik/");
    ASSERT_TRUE(UserFiles::MakeFolders(folder));
    EXPECT_EQ(std::filesystem::status(folder).permissions() & std::filesystem::perms::all,
              std::filesystem::perms(0700));
    EXPECT_TRUE(UserFiles::MakeFolders(folder));

    std::ofstream(dir.File("file")) << "x";
    EXPECT_FALSE(UserFiles::MakeFolders(dir.File("file")));
    EXPECT_FALSE(UserFiles::MakeFolders(dir.File("file/navik")));
    EXPECT_FALSE(UserFiles::RefusesFiles(dir.File("missing")));
    EXPECT_FALSE(UserFiles::RefusesFiles(dir.File("file") + "/"));
}

// An installed program's folder: read-only, owned by someone else when the test runs as root,
// so the checks run in a child that is nobody then.
class ReadOnlyProgramFolder : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_EQ(chmod(m_program.Path().c_str(), 0555), 0);
        ASSERT_EQ(chmod(m_user.Path().c_str(), 0777), 0);
    }
    void TearDown() override { chmod(m_program.Path().c_str(), 0755); }

    // What differs from the expected path, reading first and then writing, in the child.
    std::string Located(const std::string& expected) const
    {
        const bool root = geteuid() == 0;
        if (root && (setgroups(0, nullptr) != 0 || setresgid(kNobody, kNobody, kNobody) != 0 ||
                     setresuid(kNobody, kNobody, kNobody) != 0))
            return std::string("cannot become nobody: ") + std::strerror(errno);
        const std::filesystem::path folder = expected.substr(0, expected.rfind('/'));
        std::error_code ignored;
        std::string failure;
        const std::string read = UserFiles::PathOf(m_program.Path() + "/", "navik.cfg");
        if (read != expected)
            failure += "read from " + read + "; ";
        if (std::filesystem::is_directory(folder, ignored))
            failure += "reading made the folder; ";
        const std::string written = UserFiles::PathForWriting(m_program.Path() + "/", "navik.cfg");
        if (written != expected)
            failure += "written to " + written + "; ";
        if (!std::filesystem::is_directory(folder, ignored))
            failure += "writing did not make the folder; ";
        return failure;
    }

    TempDir m_program;
    TempDir m_user;
};

TEST_F(ReadOnlyProgramFolder, FilesGoToXdgConfigHomeOrElseToTheHomesConfigFolder)
{
    for (const bool xdg : {true, false}) {
        SCOPED_TRACE(xdg ? "XDG_CONFIG_HOME set" : "no XDG_CONFIG_HOME");
        const std::string failure = RunInChild([this, xdg] {
            if (xdg)
                setenv("XDG_CONFIG_HOME", m_user.File("config").c_str(), 1);
            else
                unsetenv("XDG_CONFIG_HOME");
            setenv("HOME", (xdg ? m_user.File("home") : m_user.Path()).c_str(), 1);
            return Located(m_user.File(xdg ? "config/navik/navik.cfg" : ".config/navik/navik.cfg"));
        });
        EXPECT_EQ(failure, "");
    }
    EXPECT_TRUE(m_program.Entries().empty());
}

} // namespace
