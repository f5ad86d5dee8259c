#include "Core/Resource/ResourceProblems.h"
#include "Core/Resource/ResourceType.h"
#include "Core/SdlMixerSound/SdlMixerSound.h"
#include "Core/SequencedActions/SequencedAction.h"
#include "Core/Sound/Sound.h"
#include "tests/Support/Common/MarkerAction.h"
#include "tests/Support/Common/SecondsUntil.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"
#include "tests/Support/WaveImages/WaveImages.h"

#include <SDL2/SDL_mixer.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <sstream>
#include <thread>

namespace {

constexpr short shortToneID = 1021;  // 0.3 s
constexpr short longToneID = 1022;   // 3 s
constexpr short brokenWaveID = 1023; // not a wave
constexpr short missingID = 1099;    // in no library

// A sound library in memory and the sound device on SDL's dummy driver (which plays into
// nothing at the real rate) or, `withDevice` false, a machine without audio.
template <bool withDevice>
class SoundFixture : public testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", withDevice ? "dummy" : "no-such-driver", 1);
        const WAVEFORMATEX format = SdlMixerSound::StandardFormat();
        ASSERT_EQ(SdlMixerSound::StartSdlMixerSound(&format), withDevice);
        ResourceProblems::SetOutput(&problems);
        Sound::SetMuting(false);
        Sound::ChangeMasterLevel(1.0);
        resources.Add(ResourceType::sound, shortToneID, WaveImages::ToneWave(0.3));
        resources.Add(ResourceType::sound, longToneID, WaveImages::ToneWave(3.0));
        resources.Add(ResourceType::sound, brokenWaveID, {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'A', 'V', 'I', ' '});
    }

    void TearDown() override
    {
        SequencedAction::RemoveAllActions();
        SdlMixerSound::Finalize();
        ResourceProblems::SetOutput(nullptr);
    }

    void Pump() { SequencedAction::HandleNextActions(time += 0.01); }
    std::ostringstream problems;
    ScopedInMemoryResources resources;
    double time = 0.0;
};

using SoundTest = SoundFixture<true>;
using SoundActionsTest = SoundFixture<true>;
using SoundWithoutDeviceTest = SoundFixture<false>;

} // namespace

// A sound's volume is linear over forty decibels from silence to full; halves round away from
// zero, louder than full is full, and a master level out of its range is brought back into it.
// The master level sets the mix volume, and the screen position the stereo position.
TEST_F(SoundTest, LevelsBecomeVolumesAndPanAStereoPosition)
{
    const struct {
        double level, master;
        int volume;
    } rows[] = {{1.0, 1.0, 0}, {0.5, 1.0, -2000}, {0.75, 0.5, -2500}, {0.3, 0.0, -4000}, {0.000125, 1.0, -4000},
        {1.5, 1.0, 0}, {-1.0, 1.0, -8000}, {0.5, 1e300, -2000}, {0.5, -7.0, -4000}, {1.0, std::nan(""), -4000}};
    Sound::SetMuting(true); // a muted start only stores the level
    for (const auto& row : rows) {
        SCOPED_TRACE(testing::Message() << row.level << " at master " << row.master);
        Sound::ChangeMasterLevel(row.master);
        Sound sound(shortToneID);
        sound.StartPlaying(row.level, 0.0);
        EXPECT_FALSE(sound.HasAChannel());
        EXPECT_EQ(sound.ConvertedVolume(), row.volume);
    }
    for (const auto& [level, volume] : {std::pair{1.0, 0L}, {0.5, -38L}, {0.0, -75L}}) {
        EXPECT_EQ(Sound::MasterVolumeFor(level), volume);
        Sound::ChangeMasterLevel(level);
        EXPECT_EQ(Sound::MasterLevel(), level);
        EXPECT_EQ(Mix_MasterVolume(-1), SdlMixerSound::MixerGain(volume));
    }
    for (const auto& [pan, position] : {std::pair{0.0, 0.0}, {-0.5, -1.0}, {0.5, 1.0}, {-0.2, -0.4}, {3.0, 1.0}}) {
        EXPECT_EQ(Sound::StereoPositionFor(pan), position) << pan;
    }
}

// A sound plays, is seen to stop and starts again until its channel is closed; then it stays
// silent for good, as a missing sound and a broken wave do (the last two are reported).
TEST_F(SoundTest, PlaysAndStartsAgainUntilClosedAndMissingOrBrokenSoundsStaySilent)
{
    Sound sound(shortToneID);
    EXPECT_FALSE(sound.IsPlaying());
    EXPECT_EQ(Resource::SharedBlockCount(), 1);
    sound.StartPlaying(1.0, -0.3);
    // The wave is decoded into the channel's buffer, and the block is let go.
    EXPECT_EQ(Resource::SharedBlockCount(), 0);
    EXPECT_EQ(resources.Library().ReleaseCount(), 1);
    EXPECT_TRUE(sound.IsPlaying());
    EXPECT_GT(SecondsUntil([&] { return !sound.IsPlaying(); }), 0.2);
    // The channel stays open: it plays again, and stopped it is silent until started again.
    EXPECT_TRUE(sound.HasAChannel());
    sound.StartPlaying(1.0, 0.0);
    EXPECT_TRUE(sound.IsPlaying());
    sound.StopPlaying();
    EXPECT_FALSE(sound.IsPlaying());
    EXPECT_EQ(Mix_Playing(-1) - Mix_Paused(-1), 0);
    sound.StartPlaying(1.0, 0.0);
    EXPECT_TRUE(sound.IsPlaying());
    // Muting later does not silence it.
    Sound::SetMuting(true);
    EXPECT_TRUE(sound.IsPlaying());

    Sound::SetMuting(false);
    sound.CloseChannel();
    Sound missing(missingID);
    Sound broken(brokenWaveID);
    for (Sound* silent : {&sound, &missing, &broken}) {
        silent->OpenChannel(0);
        silent->StartPlaying(1.0, 0.0);
        EXPECT_FALSE(silent->HasAChannel());
        EXPECT_FALSE(silent->IsPlaying());
    }
    EXPECT_EQ(Mix_Playing(-1), 0);
    EXPECT_TRUE(ResourceProblems::HasBeenReported(ResourceType::sound, missingID));
    EXPECT_TRUE(ResourceProblems::HasBeenReported(ResourceType::sound, brokenWaveID));
    EXPECT_FALSE(ResourceProblems::HasBeenReported(ResourceType::sound, shortToneID));
}

// Muted, missing and broken sounds, asynchronous plays and looped starts do not hold the
// sequence. Each asynchronous play plays a copy of its own; the owner of a looped sound stops
// the loop by destroying the sound.
TEST_F(SoundActionsTest, MutedMissingBrokenAsynchronousAndLoopedPlaysDoNotWait)
{
    for (const short id : {shortToneID, missingID, brokenWaveID}) {
        Sound::SetMuting(id == shortToneID);
        bool reached = false;
        SequencedAction::StartNewSequence();
        new Sound::PlaySynchronouslyAction(id, 0, 1.0, 0.0);
        new MarkerAction(reached);
        Pump();
        EXPECT_TRUE(reached) << id;
    }
    EXPECT_EQ(Mix_Playing(-1), 0);
    auto* music = new Sound(shortToneID);
    bool reached = false;
    SequencedAction::StartNewSequence();
    new Sound::PlayAsynchronouslyAction(longToneID, 0, 1.0, 0.0);
    new Sound::PlayAsynchronouslyAction(longToneID, 0, 1.0, 0.0);
    new Sound::StartPlayingLoopedAction(music, 1.0, 0.0);
    new MarkerAction(reached);
    Pump();
    EXPECT_TRUE(reached);
    EXPECT_EQ(Mix_Playing(-1), 3);
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_TRUE(music->IsPlaying()); // past the tone's end
    delete music;
    EXPECT_EQ(Mix_Playing(-1), 2);
}

// The sound plays in a sequence of its own, which holds the actions queued behind it until it
// ends. Removing the action (here with every other) silences its sound.
TEST_F(SoundActionsTest, PlayAsynchronouslyQueuesLaterActionsBehindTheSoundUntilRemoved)
{
    SequencedAction::StartNewSequence();
    auto* oldSequence = SequencedAction::CurrentSequence();
    Sound::PlayAsynchronously(shortToneID, 0, 1.0, 0.0);
    EXPECT_NE(SequencedAction::CurrentSequence(), oldSequence);
    bool afterSound = false;
    new MarkerAction(afterSound);
    Pump();
    EXPECT_FALSE(afterSound);
    EXPECT_EQ(Mix_Playing(-1), 1);
    EXPECT_GT(SecondsUntil([&] {
        Pump();
        return afterSound;
    }), 0.2);
    EXPECT_EQ(Mix_Playing(-1), 0);

    SequencedAction::StartNewSequence();
    new Sound::PlaySynchronouslyAction(longToneID, 0, 1.0, 0.0);
    Pump();
    ASSERT_EQ(Mix_Playing(-1), 1);
    SequencedAction::RemoveAllActions();
    EXPECT_EQ(Mix_Playing(-1), 0);
}

// Nothing opens or plays, and every waiting action ends at once.
TEST_F(SoundWithoutDeviceTest, NothingPlaysAndNoActionWaits)
{
    Sound sound(shortToneID);
    sound.StartPlayingLooped(1.0, 0.0);
    EXPECT_FALSE(sound.HasAChannel());
    EXPECT_FALSE(sound.IsPlaying());
    sound.StopPlaying();

    bool reached = false;
    bool afterAsynchronous = false;
    SequencedAction::StartNewSequence();
    new Sound::PlaySynchronouslyAction(longToneID, 0, 1.0, 0.0);
    new Sound::PlayAsynchronouslyAction(longToneID, 0, 1.0, 0.0);
    new MarkerAction(reached);
    Sound::PlayAsynchronously(longToneID, 0, 1.0, 0.0);
    new MarkerAction(afterAsynchronous);
    Pump();
    EXPECT_TRUE(reached && afterAsynchronous);
    EXPECT_EQ(SequencedAction::CurrentSequence(), nullptr); // every sequence ran dry
}
