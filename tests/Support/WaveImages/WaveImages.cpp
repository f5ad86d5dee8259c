#include "tests/Support/WaveImages/WaveImages.h"

#include <cmath>
#include <numbers>

namespace WaveImages {

void Append16(Bytes& bytes, std::uint16_t value)
{
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(value >> 8));
}

namespace {

void Append32(Bytes& bytes, std::uint32_t value)
{
    Append16(bytes, static_cast<std::uint16_t>(value & 0xFFFF));
    Append16(bytes, static_cast<std::uint16_t>(value >> 16));
}

} // namespace

Bytes Chunk(const std::string& identifier, const Bytes& body)
{
    Bytes chunk(identifier.begin(), identifier.end());
    Append32(chunk, static_cast<std::uint32_t>(body.size()));
    chunk.insert(chunk.end(), body.begin(), body.end());
    if (body.size() % 2 != 0) {
        chunk.push_back(0);
    }
    return chunk;
}

Bytes RiffImage(const std::string& formType, const std::vector<Bytes>& chunks)
{
    Bytes content(formType.begin(), formType.end());
    for (const Bytes& chunk : chunks) {
        content.insert(content.end(), chunk.begin(), chunk.end());
    }
    return Chunk("RIFF", content);
}

Bytes CommonFormat(std::uint16_t formatTag, std::uint16_t channels, std::uint32_t samplesPerSecond,
    std::uint16_t blockAlign, std::uint16_t bitsPerSample)
{
    Bytes body;
    Append16(body, formatTag);
    Append16(body, channels);
    Append32(body, samplesPerSecond);
    Append32(body, samplesPerSecond * blockAlign);
    Append16(body, blockAlign);
    Append16(body, bitsPerSample);
    return body;
}

Bytes PcmWave(std::uint16_t channels, std::uint32_t samplesPerSecond, std::uint16_t bitsPerSample, const Bytes& samples)
{
    const auto blockAlign = static_cast<std::uint16_t>(channels * bitsPerSample / 8);
    return RiffImage("WAVE", {Chunk("fmt ", CommonFormat(1, channels, samplesPerSecond, blockAlign, bitsPerSample)),
                                 Chunk("data", samples)});
}

Bytes ToneWave(double seconds)
{
    Bytes samples;
    for (std::size_t i = 0; i < static_cast<std::size_t>(22050 * seconds); ++i) {
        Append16(samples, static_cast<std::uint16_t>(std::lround(12000 * std::sin(2 * std::numbers::pi * 0.02 * i))));
    }
    return PcmWave(1, 22050, 16, samples);
}

Bytes ImaAdpcmWave(std::uint32_t samplesPerSecond, int blockCount, std::uint16_t blockAlign, std::int16_t level)
{
    // Each block: its first sample as it stands, the smallest step index, a reserved byte, then
    // zero nibbles, which at the smallest step leave the sample as it is.
    Bytes block;
    Append16(block, static_cast<std::uint16_t>(level));
    block.resize(blockAlign, 0);
    Bytes data;
    for (int i = 0; i < blockCount; ++i) {
        data.insert(data.end(), block.begin(), block.end());
    }
    const int perBlock = (blockAlign - 4) * 2 + 1;
    Bytes format = CommonFormat(0x0011, 1, samplesPerSecond, blockAlign, 4);
    Append16(format, 2);
    Append16(format, static_cast<std::uint16_t>(perBlock));
    Bytes fact;
    Append32(fact, static_cast<std::uint32_t>(blockCount * perBlock));
    return RiffImage("WAVE", {Chunk("fmt ", format), Chunk("fact", fact), Chunk("data", data)});
}

} // namespace WaveImages
