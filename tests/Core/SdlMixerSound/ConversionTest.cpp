#include "Core/SdlMixerSound/WaveConversion.h"

#include "Core/Wave/CWave.h"
#include "tests/Support/WaveImages/WaveImages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

using namespace WaveImages;

namespace {

const DeviceSampleFormat deviceFormat{22050, AUDIO_S16SYS, 2};
constexpr std::size_t deviceFrameSize = 4;

// Converts a whole wave image; the wave must load.
bool Convert(const Bytes& image, std::vector<std::uint8_t>& samples)
{
    CWave wave;
    EXPECT_TRUE(wave.LoadWave(image.data(), static_cast<int>(image.size()), 0x00010002));
    if (!wave.IsLoaded()) {
        return false;
    }
    return ConvertWaveSamples(*wave.GetWaveFormat(), wave.GetWaveData(), wave.GetWaveSize(), deviceFormat, samples);
}

std::vector<std::int16_t> LeftChannel(const std::vector<std::uint8_t>& samples)
{
    std::vector<std::int16_t> left(samples.size() / deviceFrameSize);
    for (std::size_t i = 0; i < left.size(); ++i) {
        std::memcpy(&left[i], samples.data() + i * deviceFrameSize, 2);
    }
    return left;
}

double RootMeanSquare(const std::vector<std::int16_t>& samples)
{
    double sum = 0;
    for (std::int16_t sample : samples) {
        sum += static_cast<double>(sample) * sample;
    }
    return samples.empty() ? 0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

} // namespace

TEST(WaveConversion, EightBitMonoAtHalfTheRateBecomesDeviceSamplesOfTheSameDuration)
{
    constexpr std::size_t sampleCount = 11025 / 4; // a quarter of a second
    std::vector<std::uint8_t> samples;
    ASSERT_TRUE(Convert(PcmWave(1, 11025, 8, ToneSamples8Bit(sampleCount, 0.01)), samples));
    // Twice the frames, each 16-bit stereo; the resampler may round at the very end.
    const double frames = static_cast<double>(samples.size()) / deviceFrameSize;
    EXPECT_EQ(samples.size() % deviceFrameSize, 0u);
    EXPECT_NEAR(frames, 2.0 * sampleCount, 8.0);

    // Both channels carry the tone at roughly its loudness (100 of 128 becomes about 25 600 of 32 768).
    const auto left = LeftChannel(samples);
    EXPECT_NEAR(RootMeanSquare(left), 25600 / std::sqrt(2.0), 2500);
    std::int16_t right = 0;
    std::memcpy(&right, samples.data() + 400 * deviceFrameSize + 2, 2);
    EXPECT_EQ(right, left[400]);
}

TEST(WaveConversion, SixteenBitStereoAtTheDeviceRateIsCopiedAsItIs)
{
    Bytes stored;
    for (int i = 0; i < 100; ++i) {
        Append16(stored, static_cast<std::uint16_t>(i * 300));
        Append16(stored, static_cast<std::uint16_t>(-i * 300));
    }
    std::vector<std::uint8_t> samples;
    ASSERT_TRUE(Convert(PcmWave(2, 22050, 16, stored), samples));
    EXPECT_EQ(samples, stored);
}

TEST(WaveConversion, ImaAdpcmIsDecodedToDeviceSamples)
{
    constexpr std::uint16_t blockAlign = 256;
    const int perBlock = SamplesPerImaBlock(blockAlign);
    const std::size_t sampleCount = static_cast<std::size_t>(perBlock) * 3 + 100;
    const auto tone = ToneSamples16Bit(sampleCount, 0.005, 12000);
    std::vector<std::uint8_t> samples;
    ASSERT_TRUE(Convert(ImaAdpcmWave(22050, tone, blockAlign), samples));
    // Whole blocks (the last one filled up with silence), at the device rate already, in
    // 16-bit stereo frames.
    ASSERT_EQ(samples.size(), static_cast<std::size_t>(perBlock) * 4 * deviceFrameSize);
    // The decoded tone follows the original closely (ADPCM is lossy, but not by much here).
    const auto left = LeftChannel(samples);
    std::vector<std::int16_t> error(tone.size());
    for (std::size_t i = 0; i < tone.size(); ++i) {
        error[i] = static_cast<std::int16_t>(left[i] - tone[i]);
    }
    EXPECT_LT(RootMeanSquare(error), RootMeanSquare(tone) * 0.1);
}

TEST(WaveConversion, MuLawIsDecodedAndResampled)
{
    // mu-law 0xFF is zero; 8000 Hz mono becomes 22 050 Hz stereo.
    Bytes format = CommonFormat(7, 1, 8000, 1, 8);
    Append16(format, 0);
    std::vector<std::uint8_t> samples;
    ASSERT_TRUE(Convert(RiffImage("WAVE", {Chunk("fmt ", format), Chunk("data", Bytes(8000, 0xFF))}), samples));
    EXPECT_NEAR(static_cast<double>(samples.size()) / deviceFrameSize, 22050.0, 16.0);
    EXPECT_EQ(RootMeanSquare(LeftChannel(samples)), 0.0);
}

// Floating point, MS ADPCM without its coefficient table, IMA ADPCM with blocks too small for
// their header, and PCM with no channels or no sample rate are refused, leaving no samples.
TEST(WaveConversion, UnplayableAndMalformedFormatsAreRefused)
{
    EXPECT_FALSE(IsPlayableWaveFormat(3));      // floating point
    EXPECT_FALSE(IsPlayableWaveFormat(0x55));   // MPEG layer 3
    EXPECT_FALSE(IsPlayableWaveFormat(0xFFFE)); // extensible
    Bytes floating = CommonFormat(3, 1, 22050, 4, 32);
    Append16(floating, 0);
    for (const Bytes& format : {floating, CommonFormat(2, 1, 22050, 256, 4), CommonFormat(0x11, 1, 22050, 2, 4),
                                CommonFormat(1, 0, 22050, 2, 16), CommonFormat(1, 1, 0, 2, 16)}) {
        std::vector<std::uint8_t> samples(3, 1);
        EXPECT_FALSE(Convert(RiffImage("WAVE", {Chunk("fmt ", format), Chunk("data", Bytes(256, 0))}), samples))
            << testing::PrintToString(format);
        EXPECT_TRUE(samples.empty());
    }
}
