#include "Content/SoundSynthesis/Signal.h"
#include "Content/SoundSynthesis/Synth.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

Signal::Samples Sine(double hertz, int rate, double seconds)
{
    Signal::Samples samples(static_cast<std::size_t>(seconds * rate));
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] = static_cast<float>(std::sin(2.0 * std::numbers::pi * hertz * i / rate));
    }
    return samples;
}

double Peak(const Signal::Samples& samples, std::size_t from, std::size_t to)
{
    double peak = 0.0;
    for (std::size_t i = from; i < to; ++i) {
        peak = std::max(peak, std::fabs(static_cast<double>(samples[i])));
    }
    return peak;
}

}  // namespace

TEST(SignalTest, ResamplingKeepsWhatFitsTheNewRateAndDropsWhatWouldFoldBack)
{
    const Signal::Samples low = Signal::Resample(Sine(1000.0, 32000, 1.0), 32000, 22050);
    ASSERT_EQ(low.size(), 22050u);
    EXPECT_NEAR(Peak(low, 1000, 21000), 1.0, 0.02);
    const Signal::Samples expected = Sine(1000.0, 22050, 1.0);
    for (std::size_t i = 1000; i < 21000; i += 997) {
        EXPECT_NEAR(low[i], expected[i], 0.02) << i;
    }
    // 14 kHz lies above the new Nyquist frequency: it must vanish, not turn into 8 kHz.
    EXPECT_LT(Peak(Signal::Resample(Sine(14000.0, 32000, 1.0), 32000, 22050), 1000, 21000), 0.01);
}

TEST(SignalTest, ShapingForStorage)
{
    Signal::Samples samples = {0.0f, 0.0f, 0.2f, -0.5f, 0.1f, 0.0f, 0.0f, 0.0f};
    Signal::NormalizePeak(samples, 0.8);
    EXPECT_FLOAT_EQ(samples[3], -0.8f);
    EXPECT_FLOAT_EQ(samples[2], 0.32f);
    Signal::TrimSilence(samples, 0.05, 0.0);
    EXPECT_EQ(samples.size(), 3u);

    Signal::Samples loud(1000, 0.5f);
    Signal::LimitRms(loud, 0.2);
    EXPECT_FLOAT_EQ(loud[10], 0.2f);
    Signal::FadeEdges(loud, 0.01, 0.01);
    EXPECT_LT(std::fabs(loud.front()), 0.001f);
    EXPECT_LT(std::fabs(loud.back()), 0.001f);
    EXPECT_FLOAT_EQ(loud[500], 0.2f);

    const std::vector<std::uint8_t> wave = Signal::EncodeWave({1.0f, -1.0f, 2.0f}, 1);
    ASSERT_EQ(wave.size(), 44u + 6u);
    EXPECT_EQ(std::string(wave.begin(), wave.begin() + 4), "RIFF");
    EXPECT_EQ(wave[24] | (wave[25] << 8), 22050);
    EXPECT_EQ(static_cast<std::int16_t>(wave[44] | (wave[45] << 8)), 32767);
    EXPECT_EQ(static_cast<std::int16_t>(wave[46] | (wave[47] << 8)), -32767);
    EXPECT_EQ(static_cast<std::int16_t>(wave[48] | (wave[49] << 8)), 32767);  // clamped
}

TEST(SignalTest, FiltersPassTheirBandAndStayStableUpToNyquist)
{
    const Signal::Samples tone = Sine(200.0, Signal::sampleRate, 0.5);
    const Signal::Samples bright = Sine(8000.0, Signal::sampleRate, 0.5);
    EXPECT_GT(Peak(Synth::LowPass(tone, {1000.0, 1000.0}), 5000, 11000), 0.9);
    EXPECT_LT(Peak(Synth::LowPass(bright, {1000.0, 1000.0}), 5000, 11000), 0.05);
    EXPECT_LT(Peak(Synth::HighPass(tone, {4000.0, 4000.0}), 5000, 11000), 0.05);
    // A cut-off gliding to the top of the band must not blow up.
    const Signal::Samples swept = Synth::HighPass(Synth::Noise(0.5, 1), {2000.0, 11000.0}, 5.0);
    EXPECT_LT(Peak(swept, 0, swept.size()), 10.0);
}
