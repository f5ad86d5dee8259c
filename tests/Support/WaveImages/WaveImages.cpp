#include "tests/Support/WaveImages/WaveImages.h"

#include <algorithm>
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

constexpr int imaStepTable[89] = {7, 8, 9, 10, 11, 12, 13, 14, 16, 17, 19, 21, 23, 25, 28, 31, 34, 37, 41, 45, 50, 55,
    60, 66, 73, 80, 88, 97, 107, 118, 130, 143, 157, 173, 190, 209, 230, 253, 279, 307, 337, 371, 408, 449, 494, 544,
    598, 658, 724, 796, 876, 963, 1060, 1166, 1282, 1411, 1552, 1707, 1878, 2066, 2272, 2499, 2749, 3024, 3327, 3660,
    4026, 4428, 4871, 5358, 5894, 6484, 7132, 7845, 8630, 9493, 10442, 11487, 12635, 13899, 15289, 16818, 18500,
    20350, 22385, 24623, 27086, 29794, 32767};
constexpr int imaIndexTable[16] = {-1, -1, -1, -1, 2, 4, 6, 8, -1, -1, -1, -1, 2, 4, 6, 8};

// The standard IMA ADPCM encoder step: the nibble for `sample`, updating predictor and index.
std::uint8_t EncodeImaNibble(int sample, int& predictor, int& index)
{
    const int step = imaStepTable[index];
    int difference = sample - predictor;
    std::uint8_t nibble = 0;
    if (difference < 0) {
        nibble = 8;
        difference = -difference;
    }
    int change = step >> 3;
    // Bits 4, 2 and 1 stand for the step, half of it and a quarter of it.
    for (int bit = 4, part = step; bit != 0; bit >>= 1, part >>= 1) {
        if (difference >= part) {
            nibble |= static_cast<std::uint8_t>(bit);
            difference -= part;
            change += part;
        }
    }
    predictor = std::clamp(predictor + ((nibble & 8) ? -change : change), -32768, 32767);
    index = std::clamp(index + imaIndexTable[nibble], 0, 88);
    return nibble;
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

std::vector<std::int16_t> ToneSamples16Bit(std::size_t count, double cyclesPerSample, double amplitude)
{
    std::vector<std::int16_t> samples(count);
    for (std::size_t i = 0; i < count; ++i) {
        samples[i] = static_cast<std::int16_t>(std::lround(amplitude * std::sin(2 * std::numbers::pi * cyclesPerSample * i)));
    }
    return samples;
}

Bytes AsBytes(const std::vector<std::int16_t>& samples)
{
    Bytes bytes;
    for (std::int16_t sample : samples) {
        Append16(bytes, static_cast<std::uint16_t>(sample));
    }
    return bytes;
}

Bytes ToneWave(double seconds)
{
    return PcmWave(1, 22050, 16, AsBytes(ToneSamples16Bit(static_cast<std::size_t>(22050 * seconds), 0.02, 12000)));
}

Bytes ImaAdpcmWave(std::uint32_t samplesPerSecond, const std::vector<std::int16_t>& samples, std::uint16_t blockAlign)
{
    const int perBlock = (blockAlign - 4) * 2 + 1;
    Bytes data;
    int index = 0;
    for (std::size_t start = 0; start < samples.size(); start += static_cast<std::size_t>(perBlock)) {
        auto at = [&](std::size_t i) { return start + i < samples.size() ? samples[start + i] : 0; };
        // Block header: the first sample as it stands, the step index, a reserved byte.
        int predictor = at(0);
        Append16(data, static_cast<std::uint16_t>(predictor));
        data.push_back(static_cast<std::uint8_t>(index));
        data.push_back(0);
        for (int i = 1; i < perBlock; i += 2) {
            const std::uint8_t low = EncodeImaNibble(at(static_cast<std::size_t>(i)), predictor, index);
            const std::uint8_t high = EncodeImaNibble(at(static_cast<std::size_t>(i) + 1), predictor, index);
            data.push_back(static_cast<std::uint8_t>(low | (high << 4)));
        }
    }
    Bytes format = CommonFormat(0x0011, 1, samplesPerSecond, blockAlign, 4);
    Append16(format, 2);
    Append16(format, static_cast<std::uint16_t>(perBlock));
    // The byte rate of an IMA wave follows from its blocks, not from the bit depth.
    const std::uint32_t byteRate = samplesPerSecond * blockAlign / static_cast<std::uint32_t>(perBlock);
    for (int i = 0; i < 4; ++i) {
        format[8 + i] = static_cast<std::uint8_t>(byteRate >> (8 * i));
    }
    Bytes fact;
    Append32(fact, static_cast<std::uint32_t>(samples.size()));
    return RiffImage("WAVE", {Chunk("fmt ", format), Chunk("fact", fact), Chunk("data", data)});
}

} // namespace WaveImages
