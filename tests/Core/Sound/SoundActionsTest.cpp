#include "SoundTestSupport.h"

#include <SDL2/SDL_mixer.h>

namespace {

class SoundActionsTest : public SoundTestBase {
protected:
    SoundActionsTest() : SoundTestBase(true) {}
};

} // namespace

TEST_F(SoundActionsTest, PlayingSynchronouslyHoldsTheSequenceForTheSound)
{
    bool reached = false;
    SequencedAction::StartNewSequence();
    new Sound::PlaySynchronouslyAction(shortToneID, 0, 1.0, 0.0);
    new MarkerAction(reached);
    Pump();
    EXPECT_FALSE(reached);
    EXPECT_EQ(Mix_Playing(-1), 1);

    const double took = PumpUntil(reached);
    EXPECT_GT(took, 0.2);
    EXPECT_EQ(Mix_Playing(-1), 0);
}

TEST_F(SoundActionsTest, MutedMissingAndBrokenSoundsDoNotHoldTheSequence)
{
    std::ostringstream problems;
    ResourceProblems::SetOutput(&problems);
    Sound::SetMuting(true);
    bool afterMuted = false;
    SequencedAction::StartNewSequence();
    new Sound::PlaySynchronouslyAction(shortToneID, 0, 1.0, 0.0);
    new MarkerAction(afterMuted);
    Pump();
    EXPECT_TRUE(afterMuted);

    Sound::SetMuting(false);
    bool afterMissing = false;
    SequencedAction::StartNewSequence();
    new Sound::PlaySynchronouslyAction(missingID, 0, 1.0, 0.0);
    new Sound::PlaySynchronouslyAction(brokenWaveID, 0, 1.0, 0.0);
    new MarkerAction(afterMissing);
    Pump();
    EXPECT_TRUE(afterMissing);
    EXPECT_EQ(Mix_Playing(-1), 0);
    ResourceProblems::SetOutput(nullptr);
}

TEST_F(SoundActionsTest, AsynchronousPlaysDoNotWaitAndPlayIndependentCopies)
{
    bool reached = false;
    SequencedAction::StartNewSequence();
    new Sound::PlayAsynchronouslyAction(longToneID, 0, 1.0, 0.0);
    new Sound::PlayAsynchronouslyAction(longToneID, 0, 1.0, 0.0);
    new MarkerAction(reached);
    Pump();
    EXPECT_TRUE(reached);
    EXPECT_EQ(Mix_Playing(-1), 2);
}

TEST_F(SoundActionsTest, PlayAsynchronouslyQueuesLaterActionsBehindTheSound)
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
    EXPECT_GT(PumpUntil(afterSound), 0.2);
}

TEST_F(SoundActionsTest, RemovingAllActionsOrDeletingTheActionSilencesAWaitingSound)
{
    SequencedAction::StartNewSequence();
    new Sound::PlaySynchronouslyAction(longToneID, 0, 1.0, 0.0);
    Pump();
    ASSERT_EQ(Mix_Playing(-1), 1);
    SequencedAction::RemoveAllActions();
    EXPECT_EQ(Mix_Playing(-1), 0);

    // So does deleting it from another sequence.
    SequencedAction::StartNewSequence();
    auto* playing = new Sound::PlaySynchronouslyAction(longToneID, 0, 1.0, 0.0);
    Pump();
    ASSERT_EQ(Mix_Playing(-1), 1);
    SequencedAction::StartNewSequence();
    new DeletionAction(playing);
    Pump();
    EXPECT_EQ(Mix_Playing(-1), 0);
}

// Destroying a looping sound stops it.
TEST_F(SoundActionsTest, LoopedStartFinishesAtOnceAndTheOwnerStopsTheLoop)
{
    auto* music = new Sound(shortToneID);
    bool reached = false;
    SequencedAction::StartNewSequence();
    new Sound::StartPlayingLoopedAction(music, 1.0, 0.0);
    new MarkerAction(reached);
    Pump();
    EXPECT_TRUE(reached);
    EXPECT_TRUE(music->IsPlaying());
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    EXPECT_TRUE(music->IsPlaying());
    delete music;
    EXPECT_EQ(Mix_Playing(-1), 0);
}
