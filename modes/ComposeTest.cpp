#include "modes/ComposeTest.h"

#include <algorithm>
#include <cstdint>
#include <utility>

#include "model/Settings.h"
#include "modes/RandomIndex.h"

namespace {

constexpr int kSimulatedTest = 2;
constexpr int kShuffled = 1;
constexpr int kShufflePasses = 3;

} // namespace

bool ComposeTest(Settings& settings, int bankSize)
{
    settings.m_bZOnlyNew = false;
    settings.m_wrongCount = 0;
    settings.m_rightCount = 0;
    settings.m_nTimeOver = 0;

    bankSize = std::max(bankSize, 0);
    const int capacity = std::min(bankSize, Settings::kTestCapacity);
    auto& test = settings.m_test;

    if (settings.m_nZVsechny == kSimulatedTest) {
        const int count = settings.m_nZPocetOtazek;
        if (count < 1 || count > capacity)
            return false;
        // N consecutive blocks of step questions; the last one also takes the rest.
        const std::int64_t step = bankSize / count;
        const std::int64_t rest = bankSize - step * count;
        for (int i = 0; i < count; ++i) {
            const std::int64_t width = i == count - 1 ? step + rest : step;
            test[static_cast<std::size_t>(i)] =
                static_cast<int>(i * step + RandomIndex(static_cast<int>(width)));
        }
        settings.m_testCount = count;
    } else {
        for (int i = 0; i < capacity; ++i) {
            test[static_cast<std::size_t>(i)] = i;
        }
        settings.m_testCount = capacity;
        if (settings.m_nZVsechny == kShuffled) {
            for (int pass = 0; pass < kShufflePasses; ++pass) {
                for (int i = 0; i < capacity; ++i) {
                    std::swap(test[static_cast<std::size_t>(i)],
                              test[static_cast<std::size_t>(RandomIndex(capacity))]);
                }
            }
        }
    }
    settings.m_testPos = 0;
    return true;
}
