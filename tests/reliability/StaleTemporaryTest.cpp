// A save removes the temporary files that killed saves of the same file left behind, and
// nothing else: not the temporary of a save still running, not other files.

#include "RunningSaveMark.h"
#include "SettingsRecords.h"

#include "TempDir.h"
#include "TreeBytes.h"

#include <gtest/gtest.h>

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
    {
        const RunningSaveMark mark(running);
        ASSERT_TRUE(mark.Held());
        SaveRecord(DistinctRecord(1), dir.File("navik.cfg"));
        EXPECT_EQ(dir.Entries(), (std::vector<std::string>{"navik.cfg", "navik.cfg.tmp0badf00d"}));
    }
    SaveRecord(DistinctRecord(2), dir.File("navik.cfg"));
    EXPECT_EQ(dir.Entries(), std::vector<std::string>{"navik.cfg"});
    EXPECT_TRUE(SamePersisted(LoadRecord(dir.File("navik.cfg")), DistinctRecord(2)));
}

} // namespace
