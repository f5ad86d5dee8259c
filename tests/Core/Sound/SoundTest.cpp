#include "SoundTestSupport.h"

#include <SDL2/SDL_mixer.h>

#include <cmath>

namespace {

class SoundTest : public SoundTestBase {
protected:
    SoundTest() : SoundTestBase(true) {}
};

// Stores a level in a sound without playing it: a muted start keeps its level and pan.
int VolumeFor(double level, double masterLevel)
{
    Sound::ChangeMasterLevel(masterLevel);
    Sound::SetMuting(true);
    Sound sound(shortToneID);
    sound.StartPlaying(level, 0.0);
    Sound::SetMuting(false);
    return sound.ConvertedVolume();
}

} // namespace

TEST_F(SoundTest, ConvertedVolumeIsLinearOverFortyDecibels)
{
    EXPECT_EQ(VolumeFor(1.0, 1.0), 0);
    EXPECT_EQ(VolumeFor(0.5, 1.0), -2000);
    EXPECT_EQ(VolumeFor(0.0, 1.0), -4000);
    EXPECT_EQ(VolumeFor(0.75, 0.5), -2500);
    EXPECT_EQ(VolumeFor(1.0, 0.0), -4000);
    EXPECT_EQ(VolumeFor(0.3, 0.0), -4000);
    // Halves round away from zero; louder than full is full; there is no lower limit.
    EXPECT_EQ(VolumeFor(0.000125, 1.0), -4000);
    EXPECT_EQ(VolumeFor(1.5, 1.0), 0);
    EXPECT_EQ(VolumeFor(-1.0, 1.0), -8000);
}

TEST_F(SoundTest, MasterLevelSetsTheMixVolumeAndScreenPositionThePan)
{
    EXPECT_EQ(Sound::MasterVolumeFor(1.0), 0);
    EXPECT_EQ(Sound::MasterVolumeFor(0.5), -38);
    EXPECT_EQ(Sound::MasterVolumeFor(0.0), -75);
    Sound::ChangeMasterLevel(0.5);
    EXPECT_EQ(Sound::MasterLevel(), 0.5);
    EXPECT_EQ(Mix_MasterVolume(-1), SdlMixerSound::MixerGain(-38));
    Sound::ChangeMasterLevel(1.0);
    EXPECT_EQ(Mix_MasterVolume(-1), 128);

    // A level edited out of its range in the settings is brought back into it.
    Sound::ChangeMasterLevel(1e300);
    EXPECT_EQ(Sound::MasterLevel(), 1.0);
    EXPECT_EQ(VolumeFor(0.5, 1e300), -2000);
    Sound::ChangeMasterLevel(-7.0);
    EXPECT_EQ(Sound::MasterLevel(), 0.0);
    Sound::ChangeMasterLevel(std::nan(""));
    EXPECT_EQ(Sound::MasterLevel(), 0.0);
    EXPECT_EQ(Mix_MasterVolume(-1), SdlMixerSound::MixerGain(-75));
    Sound::ChangeMasterLevel(1.0);

    // The stereo position spans the screen.
    EXPECT_EQ(Sound::StereoPositionFor(0.0), 0.0);
    EXPECT_EQ(Sound::StereoPositionFor(-0.5), -1.0);
    EXPECT_EQ(Sound::StereoPositionFor(0.5), 1.0);
    EXPECT_EQ(Sound::StereoPositionFor(-0.2), -0.4);
    EXPECT_EQ(Sound::StereoPositionFor(3.0), 1.0);
}

TEST_F(SoundTest, PlaysOnceIsSeenToStopAndStartsAgain)
{
    Sound sound(shortToneID);
    EXPECT_FALSE(sound.HasAChannel());
    EXPECT_FALSE(sound.IsPlaying());
    sound.StartPlaying(1.0, -0.3);
    EXPECT_TRUE(sound.HasAChannel());
    EXPECT_TRUE(sound.IsPlaying());
    EXPECT_EQ(Mix_Playing(-1), 1);
    const auto start = std::chrono::steady_clock::now();
    while (sound.IsPlaying() && std::chrono::steady_clock::now() - start < std::chrono::seconds(10)) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    EXPECT_FALSE(sound.IsPlaying());
    EXPECT_GT(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count(), 0.2);
    // The channel stays open and plays again.
    EXPECT_TRUE(sound.HasAChannel());
    sound.StartPlaying(1.0, 0.0);
    EXPECT_TRUE(sound.IsPlaying());
    // Stopped, it is silent and starts again.
    sound.StopPlaying();
    EXPECT_FALSE(sound.IsPlaying());
    EXPECT_EQ(Mix_Playing(-1) - Mix_Paused(-1), 0);
    sound.StartPlaying(1.0, 0.0);
    EXPECT_TRUE(sound.IsPlaying());
}

TEST_F(SoundTest, ClosingTheChannelIsFinal)
{
    Sound sound(shortToneID);
    sound.StartPlaying(1.0, 0.0);
    ASSERT_TRUE(sound.IsPlaying());
    sound.CloseChannel();
    EXPECT_FALSE(sound.HasAChannel());
    EXPECT_FALSE(sound.IsPlaying());
    EXPECT_EQ(Mix_Playing(-1), 0);

    sound.StartPlaying(1.0, 0.0);
    EXPECT_FALSE(sound.HasAChannel());
    EXPECT_FALSE(sound.IsPlaying());
    Sound::SetMuting(true);
    Sound::SetMuting(false);
    sound.OpenChannel(0);
    sound.StartPlaying(1.0, 0.0);
    EXPECT_FALSE(sound.IsPlaying());
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundTest, MutedStartsPlayNothingButKeepTheirLevel)
{
    Sound::SetMuting(true);
    EXPECT_TRUE(Sound::IsMuted());
    Sound sound(shortToneID);
    sound.StartPlaying(0.5, 0.2);
    EXPECT_FALSE(sound.HasAChannel());
    EXPECT_FALSE(sound.IsPlaying());
    EXPECT_EQ(sound.ConvertedVolume(), -2000);
    EXPECT_EQ(Mix_Playing(-1), 0);

    // Muting later does not silence a sound that already plays.
    Sound::SetMuting(false);
    sound.StartPlaying(1.0, 0.0);
    Sound::SetMuting(true);
    EXPECT_TRUE(sound.IsPlaying());
}

TEST_F(SoundTest, MissingAndBrokenSoundsAreSilent)
{
    std::ostringstream problems;
    ResourceProblems::SetOutput(&problems);
    for (short id : {missingID, brokenWaveID}) {
        Sound sound(id);
        sound.StartPlaying(1.0, 0.0);
        EXPECT_FALSE(sound.HasAChannel());
        EXPECT_FALSE(sound.IsPlaying());
        EXPECT_TRUE(ResourceProblems::HasBeenReported(ResourceType::sound, id));
    }
    ResourceProblems::SetOutput(nullptr);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundTest, TheResourceIsLetGoOnceAChannelWasTried)
{
    {
        Sound sound(shortToneID);
        EXPECT_EQ(Resource::SharedBlockCount(), 1);
        sound.OpenChannel(0);
        EXPECT_TRUE(sound.HasAChannel());
        EXPECT_EQ(Resource::SharedBlockCount(), 0);
        // A second open changes nothing.
        sound.OpenChannel(0);
        EXPECT_TRUE(sound.HasAChannel());
    }
    EXPECT_EQ(resources.Library().ReleaseCount(), 1);
}
