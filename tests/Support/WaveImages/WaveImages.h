#pragma once

#include <cstdint>
#include <string>
#include <vector>

// Builders of RIFF WAVE images for tests, little-endian as the format stores them.
namespace WaveImages {

using Bytes = std::vector<std::uint8_t>;

void Append16(Bytes& bytes, std::uint16_t value);

// A chunk: identifier, size, body and a pad byte for an odd size.
Bytes Chunk(const std::string& identifier, const Bytes& body);
// "RIFF", the size of what follows, the form type, then the chunks as given.
Bytes RiffImage(const std::string& formType, const std::vector<Bytes>& chunks);

// The 16 common bytes of a format chunk.
Bytes CommonFormat(std::uint16_t formatTag, std::uint16_t channels, std::uint32_t samplesPerSecond,
    std::uint16_t blockAlign, std::uint16_t bitsPerSample);

// A whole PCM wave of the given sample bytes.
Bytes PcmWave(std::uint16_t channels, std::uint32_t samplesPerSecond, std::uint16_t bitsPerSample, const Bytes& samples);
// A 16-bit mono PCM tone of 441 Hz at 22 050 Hz lasting `seconds`.
Bytes ToneWave(double seconds);

// A mono IMA ADPCM wave of `blockCount` blocks of `blockAlign` bytes, each holding
// (blockAlign - 4) * 2 + 1 samples, every one of them `level`.
Bytes ImaAdpcmWave(std::uint32_t samplesPerSecond, int blockCount, std::uint16_t blockAlign, std::int16_t level);

} // namespace WaveImages
