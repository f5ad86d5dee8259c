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
bool Convert(const Bytes& image, std::vector<std::uint8_t>& samples, const DeviceSampleFormat& target = deviceFormat)
{
    CWave wave;
    EXPECT_TRUE(wave.LoadWave(image.data(), static_cast<int>(image.size()), CWave::loadFromMemory));
    if (!wave.IsLoaded()) {
        return false;
    }
    return ConvertWaveSamples(*wave.GetWaveFormat(), wave.GetWaveData(), wave.GetWaveSize(), target, samples);
}

} // namespace

// 8-bit PCM at half the device rate and mu-law at 8000 Hz become 16-bit stereo at the device
// rate, keeping their duration (the resampler may round at the very end) and their loudness on
// both sides: 100 of 128 becomes 25 600 of 32 768, and mu-law 0xFF is zero. 16-bit stereo at the
// device rate is taken as it is, and IMA ADPCM is decoded in whole blocks of 505 samples.
TEST(WaveConversion, ConvertedWavesKeepTheirDurationAndLoudness)
{
    Bytes muLaw = CommonFormat(7, 1, 8000, 1, 8);
    Append16(muLaw, 0);
    const struct {
        Bytes image;
        double frames, framesTolerance, loudness;
    } rows[] = {
        {PcmWave(1, 11025, 8, Bytes(11025 / 4, 228)), 2.0 * (11025 / 4), 8, 25600},
        {RiffImage("WAVE", {Chunk("fmt ", muLaw), Chunk("data", Bytes(8000, 0xFF))}), 22050, 16, 0},
        {PcmWave(2, 22050, 16, Bytes(400, 0x40)), 100, 0, 0x4040},
        {ImaAdpcmWave(22050, 4, 256, 12000), 505 * 4, 0, 12000},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.frames);
        std::vector<std::uint8_t> bytes;
        ASSERT_TRUE(Convert(row.image, bytes));
        EXPECT_EQ(bytes.size() % deviceFrameSize, 0u);
        // Left and right of each frame, side by side.
        std::vector<std::int16_t> samples(bytes.size() / 2);
        std::memcpy(samples.data(), bytes.data(), 2 * samples.size());
        const double frames = static_cast<double>(samples.size() / 2);
        EXPECT_NEAR(frames, row.frames, row.framesTolerance);
        double sum = 0;
        int unequalSides = 0;
        for (std::size_t i = 0; i + 1 < samples.size(); i += 2) {
            sum += static_cast<double>(samples[i]) * samples[i];
            unequalSides += samples[i] != samples[i + 1] ? 1 : 0;
        }
        EXPECT_NEAR(std::sqrt(sum / frames), row.loudness, 2500);
        EXPECT_EQ(unequalSides, 0);
    }
}

// Floating point, MS ADPCM without its coefficient table, IMA ADPCM with blocks too small for
// their header, and PCM with no channels or no sample rate are refused, leaving no samples.
TEST(WaveConversion, UnplayableAndMalformedFormatsAreRefused)
{
    // PCM, MS ADPCM, A-law, mu-law and IMA ADPCM play; floating point, MPEG layer 3 and extensible do not.
    for (const auto& [tag, playable] : {std::pair{1, true}, {2, true}, {6, true}, {7, true}, {0x11, true}, {3, false},
             {0x55, false}, {0xFFFE, false}}) {
        EXPECT_EQ(IsPlayableWaveFormat(static_cast<std::uint16_t>(tag)), playable) << tag;
    }
    Bytes floating = CommonFormat(3, 1, 22050, 4, 32);
    Append16(floating, 0);
    for (const Bytes& format : {floating, CommonFormat(2, 1, 22050, 256, 4), CommonFormat(0x11, 1, 22050, 2, 4),
                                CommonFormat(1, 0, 22050, 2, 16), CommonFormat(1, 1, 0, 2, 16)}) {
        std::vector<std::uint8_t> samples(3, 1);
        EXPECT_FALSE(Convert(RiffImage("WAVE", {Chunk("fmt ", format), Chunk("data", Bytes(256, 0))}), samples))
            << testing::PrintToString(format);
        EXPECT_TRUE(samples.empty());
    }
    // A device format that cannot be converted to.
    std::vector<std::uint8_t> samples;
    EXPECT_FALSE(Convert(PcmWave(1, 22050, 16, Bytes(8, 1)), samples, {22050, AUDIO_S16SYS, 0}));
}
