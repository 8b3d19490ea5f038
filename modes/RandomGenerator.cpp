#include "modes/RandomGenerator.h"

void RandomGenerator::Seed(std::uint32_t seed)
{
    m_state = seed;
}

int RandomGenerator::Draw()
{
    m_state = m_state * 214013u + 2531011u;
    return static_cast<int>((m_state >> 16) & 0x7FFFu);
}
