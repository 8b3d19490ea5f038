#include "modes/LearningNavigation.h"

#include "model/Settings.h"

#include <algorithm>

int LearningStart(const Settings& settings, int bankSize)
{
    const int last = settings.m_nULast;
    const bool lastInBank = last >= 0 && last < bankSize;
    return settings.m_nUZacatek != 0 && lastInBank ? last : 0;
}

int LearningMoveTo(int question, LearningMove move, int bankSize)
{
    const long long last = std::max(bankSize - 1LL, 0LL);
    long long target = question;
    switch (move) {
    case LearningMove::First:
        target = 0;
        break;
    case LearningMove::BackTen:
        target -= 10;
        break;
    case LearningMove::Back:
        target -= 1;
        break;
    case LearningMove::Forward:
        target += 1;
        break;
    case LearningMove::ForwardTen:
        target += 10;
        break;
    case LearningMove::Last:
        target = last;
        break;
    }
    return int(std::clamp(target, 0LL, last));
}
