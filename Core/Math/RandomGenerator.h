#pragma once

#include <cstdint>
#include <functional>

// The game's random source: the classic linear congruential generator
// (state * 1103515245 + 12345, output bits 16 to 30), so one seed gives the same
// game on every machine whatever the C library does.
class RandomGenerator {
public:
    static constexpr int maximumRaw = 32767;

    static void Seed(std::uint32_t seed);
    // The next raw value, 0 to 32767.
    static int NextRaw();

    // Tests replace the generator by a scripted source of raw values; an empty function restores it.
    static void SetRawSource(std::function<int()> source);

private:
    static std::uint32_t state;
    static std::function<int()> rawSource;
};
