#include "modes/RandomIndex.h"

#include <algorithm>
#include <ctime>
#include <utility>

#include "modes/RandomGenerator.h"

namespace {

RandomGenerator& Generator()
{
    static RandomGenerator generator;
    return generator;
}

std::function<int()>& DrawSource()
{
    static std::function<int()> source;
    return source;
}

} // namespace

void SeedRandom(std::uint32_t seed)
{
    Generator().Seed(seed);
}

void SeedRandomFromClock()
{
    SeedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
}

int DrawRandom()
{
    return DrawSource() ? DrawSource()() : Generator().Draw();
}

int RandomIndex(int count)
{
    if (count < 1) {
        return 0;
    }
    const std::int64_t index = std::int64_t{DrawRandom()} * count / RandomGenerator::kMax;
    // Only the maximum draw reaches count itself; clamping also keeps an injected draw in range.
    return static_cast<int>(std::clamp<std::int64_t>(index, 0, count - 1));
}

void SetRandomDrawSource(std::function<int()> source)
{
    DrawSource() = std::move(source);
}
