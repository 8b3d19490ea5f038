#pragma once

#include <cstdint>

// A 15-bit linear congruential generator, the one of the classic C runtimes: the same seed gives
// the same draws, each in 0..kMax. The index rule of test composition depends on that maximum.
class RandomGenerator
{
public:
    static constexpr int kMax = 32767;

    explicit RandomGenerator(std::uint32_t seed = 1) : m_state(seed) {}

    void Seed(std::uint32_t seed);
    int Draw();

private:
    std::uint32_t m_state;
};
