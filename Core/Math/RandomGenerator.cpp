#include "Core/Math/RandomGenerator.h"

#include <utility>

std::uint32_t RandomGenerator::state = 1;
std::function<int()> RandomGenerator::rawSource;

void RandomGenerator::Seed(std::uint32_t seed)
{
    state = seed;
}

int RandomGenerator::NextRaw()
{
    if (rawSource) {
        return rawSource();
    }
    state = state * 1103515245u + 12345u;
    return static_cast<int>((state >> 16) & 0x7FFFu);
}

void RandomGenerator::SetRawSource(std::function<int()> source)
{
    rawSource = std::move(source);
}
