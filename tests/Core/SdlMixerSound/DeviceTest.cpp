#include "Core/SdlMixerSound/SdlMixerSound.h"

#include "Core/Wave/CWave.h"
#include "tests/Support/Common/SecondsUntil.h"
#include "tests/Support/WaveImages/WaveImages.h"

#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

using namespace WaveImages;

namespace {

// A wave loaded from an image (the wave keeps copies of what it needs) and the buffer made from
// it, released at the end of the test.
struct BufferOf {
    explicit BufferOf(const Bytes& image)
    {
        EXPECT_TRUE(wave.LoadWave(image.data(), static_cast<int>(image.size()), CWave::loadFromMemory));
        made = SdlMixerSound::CWaveToSoundBuffer(&wave, &description, &buffer);
    }
    explicit BufferOf(double seconds) : BufferOf(ToneWave(seconds)) {}
    ~BufferOf() { SdlMixerSound::ReleaseSoundBuffer(buffer); }
    std::uint32_t Status() const
    {
        std::uint32_t status = 99;
        EXPECT_TRUE(buffer->GetStatus(&status));
        return status;
    }
    bool IsPlaying() const { return (Status() & SoundBuffer::statusPlaying) != 0; }
    CWave wave;
    SoundBufferDescription description{};
    SoundBuffer* buffer = nullptr;
    bool made = false;
};

// The sound device on SDL's dummy driver, which plays into nothing at the real rate.
class SoundDeviceTest : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        ASSERT_TRUE(SdlMixerSound::StartSdlMixerSound(&standardFormat));
    }
    void TearDown() override { EXPECT_TRUE(SdlMixerSound::Finalize()); }

    const WAVEFORMATEX standardFormat = SdlMixerSound::StandardFormat();
};

} // namespace

TEST_F(SoundDeviceTest, StartsOnlyInAFormatItCanPlay)
{
    EXPECT_FALSE(SdlMixerSound::StartSdlMixerSound(nullptr));
    EXPECT_FALSE(SdlMixerSound::IsStarted());
    for (const auto& [tag, bits, channels] : {std::tuple{WAVE_FORMAT_IMA_ADPCM, 16, 2}, {WAVE_FORMAT_PCM, 24, 2},
             {WAVE_FORMAT_PCM, 16, 3}, {WAVE_FORMAT_PCM, 16, 0}}) {
        WAVEFORMATEX format = standardFormat;
        format.wFormatTag = tag;
        format.wBitsPerSample = static_cast<std::uint16_t>(bits);
        format.nChannels = static_cast<std::uint16_t>(channels);
        EXPECT_FALSE(SdlMixerSound::StartSdlMixerSound(&format)) << tag << " " << bits << " " << channels;
    }
    EXPECT_TRUE(SdlMixerSound::StartSdlMixerSound(&standardFormat));
}

TEST_F(SoundDeviceTest, RefusesRequestsItCannotServe)
{
    BufferOf held(0.1);
    SoundBuffer* before = held.buffer;
    SoundBufferDescription description{};
    SoundBuffer* buffer = nullptr;
    EXPECT_FALSE(SdlMixerSound::CWaveToSoundBuffer(nullptr, &description, &buffer));
    EXPECT_FALSE(SdlMixerSound::CWaveToSoundBuffer(&held.wave, nullptr, &buffer));
    EXPECT_FALSE(SdlMixerSound::CWaveToSoundBuffer(&held.wave, &description, nullptr));
    EXPECT_EQ(buffer, nullptr);
    // An output that already holds a buffer is left as it is.
    EXPECT_FALSE(SdlMixerSound::CWaveToSoundBuffer(&held.wave, &description, &held.buffer));
    EXPECT_EQ(held.buffer, before);

    // A wave that was never loaded, and one without samples (as one that cannot be converted has).
    CWave unloaded;
    EXPECT_FALSE(SdlMixerSound::CWaveToSoundBuffer(&unloaded, &description, &buffer));
    EXPECT_EQ(SdlMixerSound::LastResult(), SdlMixerSound::resultBadFormat);
    SdlMixerSound::SetMasterVolume(0); // clears the last result
    const BufferOf empty(PcmWave(1, 22050, 16, {}));
    EXPECT_FALSE(empty.made);
    EXPECT_EQ(empty.buffer, nullptr);
    EXPECT_EQ(SdlMixerSound::LastResult(), SdlMixerSound::resultBadFormat);
}

TEST_F(SoundDeviceTest, ABufferInTheDeviceFormatPausesGoesOnAndLoopsUntilStopped)
{
    BufferOf tone(0.5);
    ASSERT_TRUE(tone.made);
    EXPECT_EQ(SdlMixerSound::LastResult(), 0);
    EXPECT_EQ(tone.description.lpwfxFormat, tone.wave.GetWaveFormat());
    // Mono 16-bit becomes stereo 16-bit at the same rate: twice the bytes.
    EXPECT_EQ(tone.description.dwBufferBytes, 2 * tone.wave.GetWaveSize());
    EXPECT_EQ(tone.buffer->Length(), tone.description.dwBufferBytes);
    EXPECT_EQ(tone.Status(), 0u);
    ASSERT_TRUE(tone.buffer->Play(0));
    EXPECT_EQ(tone.Status(), SoundBuffer::statusPlaying);
    EXPECT_TRUE(tone.buffer->Play(0)); // already playing, it goes on
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(tone.buffer->Stop());
    // Stopped, it is paused for longer than its duration, then plays what was left.
    EXPECT_EQ(Mix_Paused(-1), 1);
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    EXPECT_FALSE(tone.IsPlaying());
    ASSERT_TRUE(tone.buffer->Play(0));
    EXPECT_GT(SecondsUntil([&] { return !tone.IsPlaying(); }), 0.3);

    // Looped, it plays on past its end until stopped.
    ASSERT_TRUE(tone.buffer->Play(SoundBuffer::playLooping));
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    EXPECT_EQ(tone.Status(), SoundBuffer::statusPlaying | SoundBuffer::statusLooping);
    tone.buffer->Stop();
    EXPECT_FALSE(tone.IsPlaying());
}

// More buffers than the mixer's first set of channels play at once; a finished buffer leaves
// its channel to others, and releasing a buffer silences only its own sound.
TEST_F(SoundDeviceTest, BuffersShareTheChannelsAndReleasingOneSilencesIt)
{
    BufferOf finished(0.05);
    ASSERT_TRUE(finished.buffer->Play(0));
    ASSERT_GT(SecondsUntil([&] { return !finished.IsPlaying(); }), 0.0);
    std::vector<std::unique_ptr<BufferOf>> tones;
    for (int i = 0; i < 40; ++i) {
        // Looped, so that they all still play however slowly a busy machine makes them.
        tones.push_back(std::make_unique<BufferOf>(0.2));
        ASSERT_TRUE(tones.back()->made);
        ASSERT_TRUE(tones.back()->buffer->Play(SoundBuffer::playLooping));
    }
    EXPECT_EQ(Mix_Playing(-1), 40);
    EXPECT_FALSE(finished.IsPlaying());
    EXPECT_TRUE(finished.buffer->Stop());
    EXPECT_EQ(Mix_Paused(-1), 0); // stopping it left its old channel's new owner alone
    EXPECT_TRUE(SdlMixerSound::ReleaseSoundBuffer(finished.buffer));
    finished.buffer = nullptr;
    for (const auto& tone : tones) {
        EXPECT_TRUE(tone->IsPlaying());
    }
    EXPECT_TRUE(SdlMixerSound::ReleaseSoundBuffer(tones.front()->buffer));
    tones.front()->buffer = nullptr;
    EXPECT_EQ(Mix_Playing(-1), 39);
    EXPECT_FALSE(SdlMixerSound::ReleaseSoundBuffer(nullptr));
}

TEST_F(SoundDeviceTest, VolumeFollowsTheDecibelRule)
{
    // -20 dB is a tenth, -6 dB about a half, -40 dB a hundredth; there is no amplification.
    for (const auto& [volume, gain] : {std::pair{0L, 128}, {-2000L, 13}, {-600L, 64}, {-4000L, 1}, {-10000L, 0}, {500L, 128}}) {
        EXPECT_EQ(SdlMixerSound::MixerGain(volume), gain) << volume;
    }
    EXPECT_TRUE(SdlMixerSound::SetMasterVolume(-600));
}

TEST_F(SoundDeviceTest, StereoPositionBalancesTheTwoSides)
{
    BufferOf tone(0.2);
    ASSERT_TRUE(tone.made);
    // The loudness of each side of the final mix, summed from every mixing pass.
    static std::atomic<double> sides[2];
    Mix_SetPostMix(
        [](void*, Uint8* stream, int length) {
            for (int i = 0; i + 4 <= length; i += 4) {
                std::int16_t frame[2];
                std::memcpy(frame, stream + i, 4);
                sides[0] = sides[0] + std::abs(frame[0]);
                sides[1] = sides[1] + std::abs(frame[1]);
            }
        },
        nullptr);
    // The far side is turned down; the near side stays as loud as the centre.
    double centre = 0;
    for (const auto& [position, rightToLeft] : {std::pair{0.0, 1.0}, {-1.0, 0.0}, {0.5, 2.0}}) {
        tone.buffer->SetPan(position);
        tone.buffer->Play(SoundBuffer::playLooping);
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
        sides[0] = sides[1] = 0;
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        tone.buffer->Stop();
        const double left = sides[0];
        const double right = sides[1];
        centre = position == 0.0 ? left : centre;
        ASSERT_GT(left, 0);
        EXPECT_NEAR(right / left, rightToLeft, 0.05) << position;
        EXPECT_GT(std::max(left, right), 0.8 * centre) << position;
    }
    Mix_SetPostMix(nullptr, nullptr);
}

TEST_F(SoundDeviceTest, StoppingTheDeviceTwiceIsHarmlessAndSilencesItsBuffers)
{
    BufferOf tone(1.0);
    ASSERT_TRUE(tone.buffer->Play(0));
    SdlMixerSound::StopSdlMixerSound();
    SdlMixerSound::StopSdlMixerSound();
    EXPECT_FALSE(SdlMixerSound::IsStarted());
    std::uint32_t status = 0;
    EXPECT_FALSE(tone.buffer->GetStatus(&status));
    EXPECT_FALSE(tone.buffer->Play(0));
    EXPECT_FALSE(tone.buffer->Stop());
    EXPECT_FALSE(tone.buffer->SetVolume(0));
    EXPECT_FALSE(SdlMixerSound::SetMasterVolume(0));
    // A buffer of the old device stays silent after a new start too.
    ASSERT_TRUE(SdlMixerSound::StartSdlMixerSound(&standardFormat));
    EXPECT_FALSE(tone.buffer->Play(0));
    EXPECT_EQ(Mix_Playing(-1), 0);
}
