#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

#include "ScriptedDraws.h"
#include "model/Settings.h"
#include "modes/ComposeTest.h"
#include "modes/RandomIndex.h"

namespace {

std::vector<int> TestList(const Settings& s)
{
    return std::vector<int>(s.m_test.begin(), s.m_test.begin() + s.m_testCount);
}

std::vector<int> Range(int count)
{
    std::vector<int> v(static_cast<std::size_t>(count));
    std::iota(v.begin(), v.end(), 0);
    return v;
}

Settings Simulated(int questions)
{
    Settings s;
    s.m_nZVsechny = 2;
    s.m_nZPocetOtazek = questions;
    return s;
}

Settings OfKind(int kind)
{
    Settings s;
    s.m_nZVsechny = kind;
    return s;
}

TEST(ComposeTest, ASimulatedTestTakesOneQuestionFromEachBlockInOrder)
{
    ScriptedDraws draws;
    for (int round = 0; round < 200; ++round) {
        Settings s = Simulated(3);
        const int before = draws.Count();
        ASSERT_TRUE(ComposeTest(s, 10));
        EXPECT_EQ(draws.Count() - before, 3);
        ASSERT_EQ(s.m_testCount, 3);
        EXPECT_GE(s.m_test[0], 0);
        EXPECT_LE(s.m_test[0], 2);
        EXPECT_GE(s.m_test[1], 3);
        EXPECT_LE(s.m_test[1], 5);
        EXPECT_GE(s.m_test[2], 6);
        EXPECT_LE(s.m_test[2], 9);
    }
}

TEST(ComposeTest, TheExtremeDrawsPickTheEndsOfEachBlock)
{
    ScriptedDraws draws;
    Settings s = Simulated(3);
    draws.Script({}, 32767);
    ASSERT_TRUE(ComposeTest(s, 10));
    EXPECT_EQ(TestList(s), (std::vector<int>{2, 5, 9}));
    draws.Script({}, 0);
    ASSERT_TRUE(ComposeTest(s, 10));
    EXPECT_EQ(TestList(s), (std::vector<int>{0, 3, 6}));
}

TEST(ComposeTest, OneQuestionPerBlockIsTheWholeBankInOrder)
{
    ScriptedDraws draws;
    Settings s = Simulated(7);
    ASSERT_TRUE(ComposeTest(s, 7));
    EXPECT_EQ(TestList(s), Range(7));

    Settings single = Simulated(1);
    draws.Script({32767}, -1);
    ASSERT_TRUE(ComposeTest(single, 10));
    EXPECT_EQ(TestList(single), std::vector<int>{9});
}

TEST(ComposeTest, ANewTestResetsTheStateOfTheTestInProgress)
{
    ScriptedDraws draws;
    for (const int kind : {0, 1, 2}) {
        Settings s = OfKind(kind);
        s.m_nZPocetOtazek = 5;
        s.m_bZOnlyNew = true;
        s.m_wrongCount = 4;
        s.m_rightCount = 3;
        s.m_nTimeOver = 100;
        s.m_testPos = 7;
        ASSERT_TRUE(ComposeTest(s, 20));
        EXPECT_FALSE(s.m_bZOnlyNew);
        EXPECT_EQ(s.m_wrongCount, 0);
        EXPECT_EQ(s.m_rightCount, 0);
        EXPECT_EQ(s.m_nTimeOver, 0);
        EXPECT_EQ(s.m_testPos, 0);
    }
}

TEST(ComposeTest, ASimulatedTestOutsideOneToTheBankIsRefusedWithTheMessage)
{
    // The message in Windows-1250 bytes, as the message box receives it.
    const std::string message = "Je vybr\xE1no v\xED"
                                "ce otazek k testu ne\x9E jich je v databazi.";
    ASSERT_EQ(message, "Je vybráno více otazek k testu než jich je v databazi.");
    for (const auto& [questions, bank] :
         {std::pair{11, 10}, std::pair{0, 10}, std::pair{-3, 10}, std::pair{1, 0}, std::pair{1001, 2000}}) {
        SCOPED_TRACE(::testing::Message() << questions << " of " << bank);
        ScriptedDraws draws;
        Settings s = Simulated(questions);
        for (std::size_t i = 0; i < 1000; ++i) {
            s.m_test[i] = static_cast<int>(i) + 5;
        }
        s.m_testCount = 4;
        s.m_testPos = 2;
        s.m_wrongCount = 1;
        s.m_rightCount = 1;
        s.m_nTimeOver = 30;
        const auto before = s.m_test;

        EXPECT_FALSE(ComposeTest(s, bank));
        EXPECT_EQ(draws.Messages(), std::vector<std::string>{message});
        EXPECT_EQ(draws.Count(), 0);
        EXPECT_EQ(s.m_test, before);
        EXPECT_EQ(s.m_testCount, 4);
        EXPECT_EQ(s.m_testPos, 2);
        EXPECT_FALSE(s.m_bZOnlyNew);
        EXPECT_EQ(s.m_wrongCount, 0);
        EXPECT_EQ(s.m_rightCount, 0);
        EXPECT_EQ(s.m_nTimeOver, 0);
    }
}

TEST(ComposeTest, InOrderIsTheBankWithoutDraws)
{
    ScriptedDraws draws;
    for (const int kind : {0, 3, -1}) {
        Settings s = OfKind(kind);
        ASSERT_TRUE(ComposeTest(s, 10));
        EXPECT_EQ(TestList(s), Range(10));
    }
    EXPECT_EQ(draws.Count(), 0);
}

TEST(ComposeTest, ShuffledIsAPermutationFromThreeDrawsPerQuestion)
{
    ScriptedDraws draws;
    Settings s = OfKind(1);
    ASSERT_TRUE(ComposeTest(s, 10));
    EXPECT_EQ(draws.Count(), 30);
    std::vector<int> sorted = TestList(s);
    EXPECT_NE(sorted, Range(10));
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, Range(10));

    // Every draw at the maximum exchanges with the last position, never with the slot after it.
    draws.Script({}, 32767);
    ASSERT_TRUE(ComposeTest(s, 10));
    sorted = TestList(s);
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, Range(10));
    EXPECT_EQ(s.m_test[10], 0);
}

TEST(ComposeTest, TheSameSeedComposesTheSameTest)
{
    for (const int kind : {1, 2}) {
        std::vector<int> tests[2];
        for (auto& test : tests) {
            Settings s = OfKind(kind);
            s.m_nZPocetOtazek = 20;
            SeedRandom(1234567);
            ASSERT_TRUE(ComposeTest(s, 300));
            test = TestList(s);
        }
        EXPECT_EQ(tests[0], tests[1]);
    }
}

TEST(ComposeTest, ABankBeyondTheListUsesItsFirstThousandQuestions)
{
    ScriptedDraws draws;
    Settings inOrder = OfKind(0);
    ASSERT_TRUE(ComposeTest(inOrder, 1500));
    EXPECT_EQ(TestList(inOrder), Range(1000));

    Settings shuffled = OfKind(1);
    ASSERT_TRUE(ComposeTest(shuffled, 1500));
    EXPECT_EQ(draws.Count(), 3000);
    std::vector<int> sorted = TestList(shuffled);
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, Range(1000));

    // A simulated test still spans the whole bank: 1000 blocks of 2, the last one of 502.
    Settings simulated = Simulated(1000);
    draws.Script({}, 32767);
    ASSERT_TRUE(ComposeTest(simulated, 2500));
    EXPECT_EQ(simulated.m_testCount, 1000);
    EXPECT_EQ(simulated.m_test[0], 1);
    EXPECT_EQ(simulated.m_test[998], 1997);
    EXPECT_EQ(simulated.m_test[999], 2499);
}

TEST(ComposeTest, BlockArithmeticHoldsForHugeBanks)
{
    ScriptedDraws draws;
    draws.Script({}, 32767);
    Settings s = Simulated(1000);
    ASSERT_TRUE(ComposeTest(s, 2000000000));
    EXPECT_EQ(s.m_test[0], 1999999);
    EXPECT_EQ(s.m_test[999], 1999999999);
}

} // namespace
