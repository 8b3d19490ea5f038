#include "CorrectionTest.h"

#include "model/Settings.h"

#include <algorithm>

void PrepareCorrectionTest(Settings& settings)
{
    // m_wrong and m_test have the same capacity; a damaged count must not overrun either.
    const int count = std::clamp(settings.m_wrongCount, 0, int(std::size(settings.m_test)));
    std::copy_n(std::begin(settings.m_wrong), count, std::begin(settings.m_test));
    settings.m_testCount = count;
    settings.m_bZOnlyNew = false;
    settings.m_wrongCount = 0;
    settings.m_rightCount = 0;
    settings.m_testPos = 0;
    settings.m_nTimeOver = 0;
}
