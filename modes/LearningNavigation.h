#pragma once
// Paging through the whole bank in learning mode: where it starts and where each move lands.
// There is no wrap-around: a move past either end stops at the first or the last question.

class Settings;

enum class LearningMove
{
    First,
    BackTen,
    Back,
    Forward,
    ForwardTen,
    Last,
};

// The question shown last (m_nULast) when the set-up asks for it (m_nUZacatek) and the bank
// still holds it; else the first question.
int LearningStart(const Settings& settings, int bankSize);
// The question that move leads to from question.
int LearningMoveTo(int question, LearningMove move, int bankSize);
