#include "SoundTestSupport.h"

namespace {

// A machine without audio: SDL is asked for a driver that does not exist.
class SoundWithoutDeviceTest : public SoundTestBase {
protected:
    SoundWithoutDeviceTest() : SoundTestBase(false) {}
};

} // namespace

TEST_F(SoundWithoutDeviceTest, NothingOpensAndNothingPlays)
{
    Sound sound(shortToneID);
    sound.OpenChannel(0);
    EXPECT_FALSE(sound.HasAChannel());
    sound.StartPlaying(1.0, 0.0);
    EXPECT_FALSE(sound.IsPlaying());
    Sound looped(shortToneID);
    looped.StartPlayingLooped(1.0, 0.0);
    EXPECT_FALSE(looped.IsPlaying());
    looped.StopPlaying();
    looped.CloseChannel();
    Sound::ChangeMasterLevel(0.25);
    EXPECT_EQ(Sound::MasterLevel(), 0.25);
}

TEST_F(SoundWithoutDeviceTest, EveryWaitingActionEndsAtOnce)
{
    bool reached = false;
    SequencedAction::StartNewSequence();
    new Sound::PlaySynchronouslyAction(longToneID, 0, 1.0, 0.0);
    new Sound::PlayAsynchronouslyAction(longToneID, 0, 1.0, 0.0);
    new MarkerAction(reached);
    Sound::PlayAsynchronously(longToneID, 0, 1.0, 0.0);
    bool afterAsynchronous = false;
    new MarkerAction(afterAsynchronous);
    Pump();
    EXPECT_TRUE(reached);
    EXPECT_TRUE(afterAsynchronous);
    // Every sequence ran dry and is gone after the pump.
    EXPECT_EQ(SequencedAction::CurrentSequence(), nullptr);
}
