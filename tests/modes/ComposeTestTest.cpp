// Composing a new test from the bank size and the kind of test, with the generator's draws
// scripted: which questions, how many draws, the reset of the test state and the refusals.
// That the same seed gives the same draws is the generator's test.

#include "modes/ComposeTest.h"
#include "ExamBank.h"
#include "ScriptedDraws.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <vector>

namespace {

constexpr int kInOrder = 0;
constexpr int kShuffled = 1;
constexpr int kSimulated = 2;

Settings OfKind(int kind, int questions = 70)
{
    Settings s;
    s.m_nZVsechny = kind;
    s.m_nZPocetOtazek = questions;
    return s;
}

TEST(ComposeTest, ASimulatedTestTakesOneQuestionOfEachBlockWithOneDrawEach)
{
    struct Case
    {
        int questions;
        int bank;
        int draw;
        std::vector<int> expected;
    };
    // Ten questions in three blocks: 0-2, 3-5 and 6-9; the extreme draws pick the ends of each.
    for (const Case& c : {Case{3, 10, 0, {0, 3, 6}}, Case{3, 10, 32767, {2, 5, 9}},
                          Case{7, 7, 16000, Range(7)}, Case{1, 10, 32767, {9}}, Case{1, 10, 0, {0}}}) {
        SCOPED_TRACE(testing::Message() << c.questions << " of " << c.bank << ", draws " << c.draw);
        ScriptedDraws draws;
        draws.Script({}, c.draw);
        Settings s = OfKind(kSimulated, c.questions);
        ASSERT_TRUE(ComposeTest(s, c.bank));
        EXPECT_EQ(TestList(s), c.expected);
        EXPECT_EQ(draws.Count(), c.questions);
    }
}

TEST(ComposeTest, TheWholeBankComesInOrderWithoutDrawsOrAsAPermutationOfThreeDrawsEach)
{
    ScriptedDraws draws;
    for (const int kind : {kInOrder, 3, -1}) {
        Settings s = OfKind(kind);
        ASSERT_TRUE(ComposeTest(s, 10));
        EXPECT_EQ(TestList(s), Range(10));
    }
    EXPECT_EQ(draws.Count(), 0);

    for (const int always : {-1, 32767}) {
        SCOPED_TRACE(always);
        const int before = draws.Count();
        draws.Script({}, always);
        Settings s = OfKind(kShuffled);
        ASSERT_TRUE(ComposeTest(s, 10));
        EXPECT_EQ(draws.Count() - before, 30);
        std::vector<int> sorted = TestList(s);
        if (always < 0) {
            EXPECT_NE(sorted, Range(10));
        }
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(sorted, Range(10));
        // The maximum draw exchanges with the last position, never with the slot after it.
        EXPECT_EQ(s.m_test[10], 0);
    }
}

TEST(ComposeTest, ANewTestResetsTheTestInProgressAndARefusedOneKeepsIt)
{
    struct Case
    {
        int kind;
        int questions;
        int bank;
    };
    // A simulated test outside one to the bank (and to the list's thousand) is refused.
    for (const Case& c : {Case{kInOrder, 5, 20}, Case{kShuffled, 5, 20}, Case{kSimulated, 5, 20},
                          Case{kSimulated, 11, 10}, Case{kSimulated, 0, 10}, Case{kSimulated, -3, 10},
                          Case{kSimulated, 1, 0}, Case{kSimulated, 1001, 2000}}) {
        SCOPED_TRACE(testing::Message() << "kind " << c.kind << ", " << c.questions << " of " << c.bank);
        const bool refused = c.questions < 1 || c.questions > std::min(c.bank, 1000);
        ScriptedDraws draws;
        Settings s = OfKind(c.kind, c.questions);
        std::iota(s.m_test.begin(), s.m_test.end(), 5);
        s.m_testCount = 4;
        s.m_testPos = 2;
        s.m_bZOnlyNew = true;
        s.m_wrongCount = 1;
        s.m_rightCount = 1;
        s.m_nTimeOver = 30;
        const auto before = s.m_test;
        EXPECT_EQ(ComposeTest(s, c.bank), !refused);
        EXPECT_FALSE(s.m_bZOnlyNew);
        EXPECT_EQ(s.m_wrongCount + s.m_rightCount + s.m_nTimeOver, 0);
        EXPECT_EQ(s.m_testPos, refused ? 2 : 0);
        if (refused) {
            EXPECT_EQ(draws.Count(), 0);
            EXPECT_EQ(s.m_test, before);
            EXPECT_EQ(s.m_testCount, 4);
        }
    }
}

TEST(ComposeTest, BanksBeyondTheListUseItsFirstThousandOrSpanTheWholeBank)
{
    ScriptedDraws draws;
    for (const int kind : {kInOrder, kShuffled}) {
        Settings s = OfKind(kind);
        ASSERT_TRUE(ComposeTest(s, 1500));
        std::vector<int> sorted = TestList(s);
        std::sort(sorted.begin(), sorted.end());
        EXPECT_EQ(kind == kInOrder ? TestList(s) : sorted, Range(1000));
    }
    EXPECT_EQ(draws.Count(), 3000);
    // 1000 blocks of 2, the last one of 502; and blocks of two million without overflow.
    draws.Script({}, 32767);
    for (const auto& [bank, first, last] :
         {std::tuple{2500, 1, 2499}, std::tuple{2000000000, 1999999, 1999999999}}) {
        Settings simulated = OfKind(kSimulated, 1000);
        ASSERT_TRUE(ComposeTest(simulated, bank));
        EXPECT_EQ(simulated.m_testCount, 1000);
        EXPECT_EQ(simulated.m_test[0], first);
        EXPECT_EQ(simulated.m_test[999], last);
    }
}

} // namespace
