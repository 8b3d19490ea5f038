// A crash while saving loses nothing: a child process that saves the settings in a loop, two
// records in turn, is killed as a crash would kill it (SIGKILL, TerminateProcess) at random
// moments. After every kill the settings file must load as one of the two records, never as
// defaults or garbage, and temporary files of killed saves must not pile up beside it.

#include "SaveLoop.h"
#include "SavingChild.h"
#include "SettingsRecords.h"

#include "TempDir.h"
#include "model/PersistedSettings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <random>
#include <thread>

namespace {

// A process starts in a few milliseconds on Linux, and in about a fifth of a second under Wine.
#ifdef _WIN32
constexpr int kKills = 200;
#else
constexpr int kKills = 250;
#endif

unsigned Seed()
{
    if (const char* given = std::getenv("NAVIK_KILL_SEED"))
        return unsigned(std::strtoul(given, nullptr, 10));
    return unsigned(std::chrono::steady_clock::now().time_since_epoch().count());
}

TEST(SaveKill, EveryKilledSaveLeavesTheOldOrTheNewRecord)
{
    const unsigned seed = Seed();
    SCOPED_TRACE("seed " + std::to_string(seed) + "; rerun with NAVIK_KILL_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);
    TempDir dir;
    const std::string path = dir.File(kSaveLoopFile);
    const Settings records[2] = {DistinctRecord(kSaveLoopSeeds[0]), DistinctRecord(kSaveLoopSeeds[1])};

    // Kill delays span a little more than one save, so kills land in every part of it.
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < 10; ++i)
        SaveRecord(records[i % 2], path);
    const auto saveMicros = (std::chrono::steady_clock::now() - start) / std::chrono::microseconds(10);

    int seen[2] = {0, 0};
    int killsThatLeftATemporary = 0;
    std::size_t mostStray = 0;
    for (int round = 0; round < kKills; ++round) {
        const std::vector<std::string> before = dir.Entries();
        SavingChild child(dir.Path());
        // Let it finish up to two saves, then kill it somewhere in the next one.
        for (int saves = int(random() % 3); saves > 0; --saves)
            ASSERT_TRUE(child.AwaitProgress()) << "the saving child ended by itself";
        std::this_thread::sleep_for(std::chrono::microseconds(random() % (saveMicros * 3 / 2 + 1)));
        ASSERT_TRUE(child.Kill()) << "the saving child ended by itself";

        const Settings restored = LoadRecord(path);
        const bool old = PersistedSettings::Same(restored, records[0]);
        ASSERT_TRUE(old || PersistedSettings::Same(restored, records[1])) << "after kill " << round;
        ++seen[old ? 0 : 1];

        const std::vector<std::string> after = dir.Entries();
        mostStray = std::max(mostStray, after.size() - 1);
        killsThatLeftATemporary += std::any_of(after.begin(), after.end(), [&](const std::string& name) {
            return std::find(before.begin(), before.end(), name) == before.end();
        });
    }
    // Both records are seen, and saves were cut off while their temporary file existed.
    EXPECT_GT(seen[0], 0);
    EXPECT_GT(seen[1], 0);
    EXPECT_GT(killsThatLeftATemporary, 0);
    // Each save removes what killed saves left, so at most the last one's file remains; that a
    // save removes it is StaleTemporaryTest's.
    EXPECT_LE(mostStray, 1u);
}

} // namespace
