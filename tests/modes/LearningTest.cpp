// What learning shows without a window: where it starts, where each move lands in the bank,
// and the texts of a question with all answers or with the right one alone.

#include "model/Question.h"
#include "model/Settings.h"
#include "modes/LearningNavigation.h"
#include "modes/QuestionTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(Learning, StartsAtTheLastShownQuestionOnlyWhenAskedAndTheBankHoldsIt)
{
    struct Case
    {
        int startMode;
        int last;
        int expected;
    };
    for (const Case& c : {Case{0, 7, 0}, Case{1, 7, 7}, Case{1, 24, 24}, Case{1, 25, 0}, Case{1, -1, 0}}) {
        Settings s;
        s.m_nUZacatek = c.startMode;
        s.m_nULast = c.last;
        EXPECT_EQ(LearningStart(s, 25), c.expected) << c.startMode << ", " << c.last;
    }
}

TEST(Learning, MovesStopAtBothEndsOfTheBank)
{
    using enum LearningMove;
    struct Case
    {
        int from;
        LearningMove move;
        int expected;
    };
    for (const Case& c : {Case{4, Back, 3}, Case{3, BackTen, 0}, Case{0, Back, 0}, Case{0, ForwardTen, 10},
                          Case{20, ForwardTen, 24}, Case{24, Forward, 24}, Case{23, Forward, 24},
                          Case{24, BackTen, 14}, Case{14, First, 0}, Case{0, Last, 24}}) {
        EXPECT_EQ(LearningMoveTo(c.from, c.move, 25), c.expected) << c.from << " move " << int(c.move);
    }
    EXPECT_EQ(LearningMoveTo(0, Last, 0), 0);
    EXPECT_EQ(LearningMoveTo(0, Forward, 0), 0);
}

TEST(Learning, TheRightAnswerAloneStandsFirstWithoutItsPrefix)
{
    Question q;
    q.m_strText = {"Otazka", "prvni", "druha", "treti"};
    q.m_nAnswer = 1;
    const QuestionTexts all = TextsOf(q, true);
    EXPECT_EQ(all.question, "Otazka");
    EXPECT_EQ(all.answers, (std::array<std::string, 3>{"a) prvni", "b) druha", "c) treti"}));
    EXPECT_EQ(TextsOf(q, false).answers, (std::array<std::string, 3>{"druha", "", ""}));
    q.m_nAnswer = 2;
    EXPECT_EQ(TextsOf(q, false).answers[0], "treti");
    for (const int broken : {-1, 3}) {
        q.m_nAnswer = broken;
        EXPECT_EQ(TextsOf(q, false).answers, (std::array<std::string, 3>{}));
        EXPECT_EQ(TextsOf(q, true).answers[0], "a) prvni");
    }
}

} // namespace
