// A save removes the temporary files that killed saves of the same file left behind, and
// nothing else: not the temporary of a save still running, not other files.

#include "SavingChild.h"
#include "SettingsRecords.h"

#include "TempDir.h"
#include "TreeBytes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

constexpr int kSavesAtOnce = 20;

TEST(StaleTemporary, ASaveRemovesWhatKilledSavesOfItsFileLeft)
{
    TempDir dir;
    const std::vector<std::string> others = {
        "navik.cfg.tmp0000000",  "navik.cfg.tmp0123456789", "navik.cfg.tmpABCDEF01",  "navik.cfg.tmp0123456g",
        "other.cfg.tmp01234567", "navik.cfg.bak",           "xnavik.cfg.tmp01234567",
    };
    for (const std::string& name : others)
        TreeBytes::WriteFile(dir.File(name), {1, 2, 3});
    for (const char* name : {"navik.cfg.tmp01234567", "navik.cfg.tmpdeadbeef"})
        TreeBytes::WriteFile(dir.File(name), {1, 2, 3});

    SaveRecord(DistinctRecord(1), dir.File("navik.cfg"));
    std::vector<std::string> expected = others;
    expected.push_back("navik.cfg");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(dir.Entries(), expected);
}

TEST(StaleTemporary, SavesRunningAtOnceLeaveEachOthersTemporariesAlone)
{
    // Each save's clean-up meets the other's temporary, which is that of a save still running;
    // taking it would make the other save fail and its child end.
    TempDir dir;
    SavingChild first(dir.Path());
    SavingChild second(dir.Path());
    for (int save = 0; save < kSavesAtOnce; ++save) {
        ASSERT_TRUE(first.AwaitProgress()) << "the first child's save " << save << " failed";
        ASSERT_TRUE(second.AwaitProgress()) << "the second child's save " << save << " failed";
    }
    EXPECT_TRUE(first.Kill());
    EXPECT_TRUE(second.Kill());
}

} // namespace
