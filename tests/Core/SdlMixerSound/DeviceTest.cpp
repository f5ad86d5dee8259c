#include "SoundDeviceFixture.h"

#include "Core/Wave/CWave.h"
#include "tests/Support/WaveImages/WaveImages.h"

#include <SDL2/SDL_mixer.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <mutex>

using namespace WaveImages;

namespace {

// A loaded wave together with the image it came from.
struct LoadedWave {
    explicit LoadedWave(Bytes bytes) : image(std::move(bytes))
    {
        EXPECT_TRUE(wave.LoadWave(image.data(), static_cast<int>(image.size()), 0x00010002));
    }
    Bytes image;
    CWave wave;
};

// 16-bit mono tone at the device rate lasting `seconds`.
Bytes ToneWave(double seconds)
{
    return PcmWave(1, 22050, 16, AsBytes(ToneSamples16Bit(static_cast<std::size_t>(22050 * seconds), 0.02, 16000)));
}

// A buffer made from a wave, released at the end of the test.
struct BufferOf {
    explicit BufferOf(double seconds) : wave(ToneWave(seconds))
    {
        made = SdlMixerSound::CWaveToSoundBuffer(&wave.wave, &description, &buffer);
    }
    ~BufferOf()
    {
        if (buffer != nullptr) {
            SdlMixerSound::ReleaseSoundBuffer(buffer);
        }
    }
    bool IsPlaying() const
    {
        std::uint32_t status = 0;
        return buffer->GetStatus(&status) && (status & SoundBuffer::statusPlaying) != 0;
    }
    LoadedWave wave;
    SoundBufferDescription description{};
    SoundBuffer* buffer = nullptr;
    bool made = false;
};

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

TEST_F(SoundDeviceTest, MakesADescribedBufferInTheDeviceFormat)
{
    BufferOf tone(0.5);
    ASSERT_TRUE(tone.made);
    ASSERT_NE(tone.buffer, nullptr);
    EXPECT_EQ(tone.description.dwSize, 20u);
    EXPECT_EQ(tone.description.dwFlags, 0xEAu);
    // Mono 16-bit becomes stereo 16-bit at the same rate: twice the bytes.
    EXPECT_EQ(tone.description.dwBufferBytes, 2 * tone.wave.wave.GetWaveSize());
    EXPECT_EQ(tone.buffer->Length(), tone.description.dwBufferBytes);
    EXPECT_EQ(tone.description.lpwfxFormat, tone.wave.wave.GetWaveFormat());
    EXPECT_EQ(SdlMixerSound::LastResult(), 0);
}

TEST_F(SoundDeviceTest, RefusesRequestsItCannotServe)
{
    LoadedWave tone(ToneWave(0.1));
    SoundBufferDescription description{};
    SoundBuffer* buffer = nullptr;
    EXPECT_FALSE(SdlMixerSound::CWaveToSoundBuffer(nullptr, &description, &buffer));
    EXPECT_FALSE(SdlMixerSound::CWaveToSoundBuffer(&tone.wave, nullptr, &buffer));
    EXPECT_FALSE(SdlMixerSound::CWaveToSoundBuffer(&tone.wave, &description, nullptr));
    EXPECT_EQ(buffer, nullptr);

    // An output that already holds a buffer is left as it is.
    BufferOf held(0.1);
    ASSERT_TRUE(held.made);
    SoundBuffer* before = held.buffer;
    EXPECT_FALSE(SdlMixerSound::CWaveToSoundBuffer(&tone.wave, &description, &held.buffer));
    EXPECT_EQ(held.buffer, before);
    EXPECT_EQ(held.buffer->Length(), held.description.dwBufferBytes);

    // A wave that was never loaded, an empty one and one in a format the mixer cannot play.
    Bytes floatFormat = CommonFormat(3, 1, 22050, 4, 32);
    Append16(floatFormat, 0);
    LoadedWave floating(RiffImage("WAVE", {Chunk("fmt ", floatFormat), Chunk("data", Bytes(400, 0))}));
    LoadedWave silent(PcmWave(1, 22050, 16, {}));
    CWave empty;
    for (CWave* wave : {&floating.wave, &silent.wave, &empty}) {
        EXPECT_FALSE(SdlMixerSound::CWaveToSoundBuffer(wave, &description, &buffer));
        EXPECT_EQ(buffer, nullptr);
        EXPECT_EQ(SdlMixerSound::LastResult(), SdlMixerSound::resultBadFormat);
    }
}

TEST_F(SoundDeviceTest, StoppingPausesPlayingGoesOnAndALoopPlaysUntilStopped)
{
    BufferOf tone(0.5);
    ASSERT_TRUE(tone.made);
    std::uint32_t status = 99;
    ASSERT_TRUE(tone.buffer->GetStatus(&status));
    EXPECT_EQ(status, 0u);
    ASSERT_TRUE(tone.buffer->Play(0));
    ASSERT_TRUE(tone.buffer->GetStatus(&status));
    EXPECT_EQ(status, SoundBuffer::statusPlaying);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    ASSERT_TRUE(tone.buffer->Stop());
    EXPECT_FALSE(tone.IsPlaying());
    // Stopped, it stays stopped for longer than its duration.
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    EXPECT_FALSE(tone.IsPlaying());
    const auto start = std::chrono::steady_clock::now();
    ASSERT_TRUE(tone.buffer->Play(0));
    EXPECT_TRUE(tone.IsPlaying());
    EXPECT_TRUE(WaitFor([&] { return !tone.IsPlaying(); }));
    EXPECT_GT(SecondsSince(start), 0.3); // it plays what was left, and ends

    // Looped, it plays on past its end until stopped.
    ASSERT_TRUE(tone.buffer->Play(SoundBuffer::playLooping));
    std::this_thread::sleep_for(std::chrono::milliseconds(700));
    ASSERT_TRUE(tone.buffer->GetStatus(&status));
    EXPECT_EQ(status, SoundBuffer::statusPlaying | SoundBuffer::statusLooping);
    tone.buffer->Stop();
    EXPECT_FALSE(tone.IsPlaying());
}

TEST_F(SoundDeviceTest, ReleasingAPlayingBufferSilencesIt)
{
    auto tone = std::make_unique<BufferOf>(2.0);
    ASSERT_TRUE(tone->made);
    ASSERT_TRUE(tone->buffer->Play(SoundBuffer::playLooping));
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_TRUE(SdlMixerSound::ReleaseSoundBuffer(tone->buffer));
    tone->buffer = nullptr;
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_FALSE(SdlMixerSound::ReleaseSoundBuffer(nullptr));
}

TEST_F(SoundDeviceTest, ManyBuffersPlayAtOnce)
{
    // More than the mixer's first set of channels.
    std::vector<std::unique_ptr<BufferOf>> tones;
    for (int i = 0; i < 40; ++i) {
        tones.push_back(std::make_unique<BufferOf>(2.0));
        ASSERT_TRUE(tones.back()->made);
        ASSERT_TRUE(tones.back()->buffer->Play(0));
    }
    EXPECT_EQ(Mix_Playing(-1), 40);
    for (const auto& tone : tones) {
        EXPECT_TRUE(tone->IsPlaying());
    }
}

TEST_F(SoundDeviceTest, AFinishedBufferLeavesItsChannelToOthers)
{
    BufferOf first(0.05);
    BufferOf second(1.0);
    ASSERT_TRUE(first.made && second.made);
    ASSERT_TRUE(first.buffer->Play(0));
    ASSERT_TRUE(WaitFor([&] { return !first.IsPlaying(); }));
    ASSERT_TRUE(second.buffer->Play(0));
    EXPECT_TRUE(second.IsPlaying());
    EXPECT_FALSE(first.IsPlaying());
    // Releasing the finished buffer does not cut off the one that plays now.
    EXPECT_TRUE(SdlMixerSound::ReleaseSoundBuffer(first.buffer));
    first.buffer = nullptr;
    EXPECT_TRUE(second.IsPlaying());
}

TEST_F(SoundDeviceTest, VolumeFollowsTheDecibelRule)
{
    EXPECT_EQ(SdlMixerSound::MixerGain(0), 128);
    EXPECT_EQ(SdlMixerSound::MixerGain(-2000), 13);  // -20 dB: a tenth
    EXPECT_EQ(SdlMixerSound::MixerGain(-600), 64);   // -6 dB: about a half
    EXPECT_EQ(SdlMixerSound::MixerGain(-4000), 1);   // -40 dB: a hundredth
    EXPECT_EQ(SdlMixerSound::MixerGain(-10000), 0);
    EXPECT_EQ(SdlMixerSound::MixerGain(500), 128);   // no amplification

    EXPECT_TRUE(SdlMixerSound::SetMasterVolume(-600));
    EXPECT_EQ(Mix_MasterVolume(-1), 64);
    EXPECT_TRUE(SdlMixerSound::SetMasterVolume(0));
    EXPECT_EQ(Mix_MasterVolume(-1), 128);
}

namespace {

// Sums the loudness of each side of the final mix, as the mixer hands it to the device.
struct MixCapture {
    std::mutex mutex;
    double left = 0;
    double right = 0;

    static void Capture(void* self, Uint8* stream, int length)
    {
        auto* capture = static_cast<MixCapture*>(self);
        std::lock_guard lock(capture->mutex);
        for (int i = 0; i + 4 <= length; i += 4) {
            std::int16_t frame[2];
            std::memcpy(frame, stream + i, 4);
            capture->left += std::abs(frame[0]);
            capture->right += std::abs(frame[1]);
        }
    }
    void Reset()
    {
        std::lock_guard lock(mutex);
        left = right = 0;
    }
    std::pair<double, double> Sides()
    {
        std::lock_guard lock(mutex);
        return {left, right};
    }
};

// The loudness of each side while `buffer` plays looped at `position` for a while.
std::pair<double, double> SidesWhilePlaying(MixCapture& capture, SoundBuffer* buffer, double position)
{
    buffer->SetPan(position);
    buffer->Play(SoundBuffer::playLooping);
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    capture.Reset();
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const auto sides = capture.Sides();
    buffer->Stop();
    return sides;
}

} // namespace

TEST_F(SoundDeviceTest, StereoPositionBalancesTheTwoSides)
{
    MixCapture capture;
    Mix_SetPostMix(&MixCapture::Capture, &capture);
    BufferOf tone(0.2);
    ASSERT_TRUE(tone.made);

    const auto [centreLeft, centreRight] = SidesWhilePlaying(capture, tone.buffer, 0.0);
    ASSERT_GT(centreLeft, 0);
    EXPECT_NEAR(centreRight / centreLeft, 1.0, 0.05);

    const auto [leftOnlyLeft, leftOnlyRight] = SidesWhilePlaying(capture, tone.buffer, -1.0);
    EXPECT_GT(leftOnlyLeft, 0.8 * centreLeft);
    EXPECT_LT(leftOnlyRight, 0.02 * leftOnlyLeft);

    const auto [rightishLeft, rightishRight] = SidesWhilePlaying(capture, tone.buffer, 0.5);
    EXPECT_NEAR(rightishLeft / rightishRight, 0.5, 0.1);
    Mix_SetPostMix(nullptr, nullptr);
}

TEST_F(SoundDeviceTest, StoppingTheDeviceTwiceIsHarmlessAndSilencesItsBuffers)
{
    BufferOf tone(1.0);
    ASSERT_TRUE(tone.made);
    ASSERT_TRUE(tone.buffer->Play(0));
    SdlMixerSound::StopSdlMixerSound();
    SdlMixerSound::StopSdlMixerSound();
    EXPECT_FALSE(SdlMixerSound::IsStarted());
    std::uint32_t status = 0;
    EXPECT_FALSE(tone.buffer->GetStatus(&status));
    EXPECT_FALSE(tone.buffer->Play(0));
    EXPECT_FALSE(tone.buffer->SetVolume(0));
    EXPECT_FALSE(SdlMixerSound::SetMasterVolume(0));

    // A buffer of the old device stays silent after a new start too.
    const WAVEFORMATEX format = SdlMixerSound::StandardFormat();
    ASSERT_TRUE(SdlMixerSound::StartSdlMixerSound(&format));
    EXPECT_FALSE(tone.buffer->Play(0));
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundDeviceTest, StartsOnlyInAFormatItCanPlay)
{
    EXPECT_FALSE(SdlMixerSound::StartSdlMixerSound(nullptr));
    EXPECT_FALSE(SdlMixerSound::IsStarted());
    WAVEFORMATEX format = SdlMixerSound::StandardFormat();
    format.wBitsPerSample = 24;
    EXPECT_FALSE(SdlMixerSound::StartSdlMixerSound(&format));
    format = SdlMixerSound::StandardFormat();
    format.wFormatTag = WAVE_FORMAT_IMA_ADPCM;
    EXPECT_FALSE(SdlMixerSound::StartSdlMixerSound(&format));
    format = SdlMixerSound::StandardFormat();
    ASSERT_TRUE(SdlMixerSound::StartSdlMixerSound(&format));
    int frequency = 0;
    Uint16 sdlFormat = 0;
    int channels = 0;
    ASSERT_NE(Mix_QuerySpec(&frequency, &sdlFormat, &channels), 0);
    EXPECT_EQ(frequency, 22050);
    EXPECT_EQ(sdlFormat, AUDIO_S16SYS);
    EXPECT_EQ(channels, 2);
}
