#pragma once

#include <cstdint>
#include <functional>

// The process-wide generator behind the choice of exam questions, seeded at each exam start, and
// RandomIndex, which turns one draw into an index. Only test composition draws.

void SeedRandom(std::uint32_t seed);
// Seeds with the current calendar time in whole seconds.
void SeedRandomFromClock();
// The next draw, 0..32767.
int DrawRandom();
// One draw r turned into floor(r * count / 32767), where the single draw 32767 gives count - 1.
// count < 1 draws nothing and gives 0.
int RandomIndex(int count);

// For tests: while a source is set, draws come from it instead of the generator. An empty
// function restores the generator.
void SetRandomDrawSource(std::function<int()> source);
