#include "Core/SdlMixerSound/SdlMixerSound.h"

#include "tests/Support/WaveImages/WaveImages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

using namespace WaveImages;

// A machine without audio: SDL is asked for a driver that does not exist.
TEST(SoundWithoutDevice, EveryOperationFailsHarmlessly)
{
    const char* driver = std::getenv("SDL_AUDIODRIVER");
    const std::string previousDriver = driver != nullptr ? driver : "dummy";
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    const WAVEFORMATEX format = SdlMixerSound::StandardFormat();
    EXPECT_FALSE(SdlMixerSound::StartSdlMixerSound(&format));
    EXPECT_FALSE(SdlMixerSound::IsStarted());
    EXPECT_NE(SdlMixerSound::LastResult(), 0);

    const Bytes image = PcmWave(1, 22050, 16, Bytes(400, 1));
    CWave wave;
    ASSERT_TRUE(wave.LoadWave(image.data(), static_cast<int>(image.size()), 0x00010002));
    SoundBufferDescription description{};
    SoundBuffer* buffer = nullptr;
    EXPECT_FALSE(SdlMixerSound::CWaveToSoundBuffer(&wave, &description, &buffer));
    EXPECT_EQ(buffer, nullptr);
    EXPECT_FALSE(SdlMixerSound::SetMasterVolume(-38));
    EXPECT_FALSE(SdlMixerSound::ReleaseSoundBuffer(nullptr));
    SdlMixerSound::StopSdlMixerSound();
    EXPECT_TRUE(SdlMixerSound::Finalize());
    setenv("SDL_AUDIODRIVER", previousDriver.c_str(), 1);
}
