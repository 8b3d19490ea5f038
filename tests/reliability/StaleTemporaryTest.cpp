// A save removes the temporary files that killed saves of the same file left behind, and
// nothing else: not the temporary of a save still running, not other files.

#include "SettingsRecords.h"

#include "TempDir.h"
#include "TreeBytes.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>

namespace {

void Touch(const std::string& path)
{
    TreeBytes::WriteFile(path, {1, 2, 3});
}

TEST(StaleTemporary, ASaveRemovesWhatKilledSavesOfItsFileLeft)
{
    TempDir dir;
    const std::vector<std::string> others = {
        "navik.cfg.tmp0000000",  "navik.cfg.tmp0123456789", "navik.cfg.tmpABCDEF01",  "navik.cfg.tmp0123456g",
        "other.cfg.tmp01234567", "navik.cfg.bak",           "xnavik.cfg.tmp01234567",
    };
    for (const std::string& name : others)
        Touch(dir.File(name));
    for (const char* name : {"navik.cfg.tmp01234567", "navik.cfg.tmpdeadbeef"})
        Touch(dir.File(name));

    SaveRecord(DistinctRecord(1), dir.File("navik.cfg"));
    std::vector<std::string> expected = others;
    expected.push_back("navik.cfg");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(dir.Entries(), expected);
}

TEST(StaleTemporary, ASaveLeavesTheTemporaryOfASaveStillRunning)
{
    TempDir dir;
    const std::string running = dir.File("navik.cfg.tmp0badf00d");
    Touch(running);
    // Another process holds the lock, as a save that is writing its temporary does.
    int ready[2];
    int release[2];
    ASSERT_EQ(pipe(ready), 0);
    ASSERT_EQ(pipe(release), 0);
    const pid_t holder = fork();
    ASSERT_GE(holder, 0);
    if (holder == 0) {
        const int fd = open(running.c_str(), O_RDONLY);
        char byte = flock(fd, LOCK_EX) == 0 ? 'l' : 'x';
        if (write(ready[1], &byte, 1) != 1 || read(release[0], &byte, 1) != 1)
            _exit(1);
        _exit(0);
    }
    char locked = 0;
    ASSERT_EQ(read(ready[0], &locked, 1), 1);
    ASSERT_EQ(locked, 'l');

    SaveRecord(DistinctRecord(1), dir.File("navik.cfg"));
    EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"navik.cfg", "navik.cfg.tmp0badf00d"}));

    ASSERT_EQ(write(release[1], "r", 1), 1);
    waitpid(holder, nullptr, 0);
    for (int fd : {ready[0], ready[1], release[0], release[1]})
        close(fd);
    SaveRecord(DistinctRecord(2), dir.File("navik.cfg"));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"navik.cfg"});
    EXPECT_TRUE(SamePersisted(LoadRecord(dir.File("navik.cfg")), DistinctRecord(2)));
}

} // namespace
