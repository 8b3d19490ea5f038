// The correction test made of the wrong answers of the test before, without windows.

#include "modes/CorrectionTest.h"
#include "ExamBank.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(CorrectionTest, TheWrongAnswersInTheirOrderBecomeAFreshTest)
{
    Settings s;
    for (int i = 0; i < 8; ++i)
        s.m_test[std::size_t(i)] = 100 + i;
    s.m_testCount = 8;
    s.m_testPos = 5;
    s.m_wrong = {107, 101, 104};
    s.m_wrongCount = 3;
    s.m_rightCount = 2;
    s.m_nTimeOver = 300;
    s.m_bZOnlyNew = true;

    PrepareCorrectionTest(s);
    EXPECT_EQ(TestList(s), (std::vector<int>{107, 101, 104}));
    EXPECT_EQ(s.m_testPos, 0);
    EXPECT_EQ(s.m_wrongCount, 0);
    EXPECT_EQ(s.m_rightCount, 0);
    EXPECT_EQ(s.m_nTimeOver, 0);
    EXPECT_FALSE(s.m_bZOnlyNew);
}

TEST(CorrectionTest, ADamagedWrongCountStaysWithinTheTestList)
{
    for (const int count : {-4, Settings::kTestCapacity + 1}) {
        Settings s;
        s.m_wrong.fill(7);
        s.m_wrongCount = count;
        PrepareCorrectionTest(s);
        EXPECT_EQ(s.m_testCount, count < 0 ? 0 : Settings::kTestCapacity);
        EXPECT_EQ(s.m_test.back(), count < 0 ? 0 : 7);
    }
}

} // namespace
