#include <gtest/gtest.h>

#include <ctime>
#include <vector>

#include "ExamBank.h"
#include "ScriptedDraws.h"
#include "modes/RandomGenerator.h"
#include "modes/RandomIndex.h"

namespace {

TEST(RandomGenerator, TheSameSeedGivesTheSameDrawsOfFifteenBits)
{
    // The classic C runtime's sequence for seed 1.
    RandomGenerator generator(1);
    const std::vector<int> first = {41, 18467, 6334, 26500, 19169};
    for (int expected : first) {
        EXPECT_EQ(generator.Draw(), expected);
    }
    // The range of the draws follows from the sequence; reseeding starts it afresh.
    RandomGenerator a(0xDEADBEEF);
    RandomGenerator b(0);
    b.Seed(0xDEADBEEF);
    for (int i = 0; i < 1000; ++i) {
        ASSERT_EQ(a.Draw(), b.Draw());
    }
}

TEST(RandomGenerator, SeedingFromTheClockIsReproducibleWithinASecond)
{
    const std::time_t now = std::time(nullptr);
    SeedRandomFromClock();
    const int first = DrawRandom();
    const int second = DrawRandom();
    if (std::time(nullptr) != now) {
        GTEST_SKIP() << "the second changed while seeding";
    }
    SeedRandom(static_cast<std::uint32_t>(now));
    EXPECT_EQ(DrawRandom(), first);
    EXPECT_EQ(DrawRandom(), second);
}

// Where the smaller draws fall is the share test's below.
TEST(RandomIndex, TheMaximumDrawGivesTheLastIndexWithoutOverflow)
{
    const struct
    {
        int count;
        int draw;
        int expected;
    } cases[] = {{10, 32767, 9}, {1, 32767, 0}, {2147483647, 32767, 2147483646}, {2000000, 16384, 1000030}};
    ScriptedDraws draws;
    for (const auto& c : cases) {
        draws.Script({c.draw}, -1);
        EXPECT_EQ(RandomIndex(c.count), c.expected) << c.count << ", draw " << c.draw;
    }
    EXPECT_EQ(draws.Count(), 4);
    EXPECT_EQ(RandomIndex(0), 0);
    EXPECT_EQ(draws.Count(), 4);
}

TEST(RandomIndex, EveryIndexGetsItsShareOfTheDrawsAndTheLastOneMore)
{
    ScriptedDraws draws;
    draws.Script(Range(32768), -1);
    std::vector<int> hits(7);
    for (int r = 0; r <= 32767; ++r) {
        const int index = RandomIndex(7);
        ASSERT_GE(index, 0);
        ASSERT_LT(index, 7);
        ++hits[static_cast<std::size_t>(index)];
    }
    EXPECT_EQ(hits, (std::vector<int>{4681, 4681, 4681, 4681, 4681, 4681, 4682}));
}

} // namespace
