#include "MemoryScreenFixture.h"

#include "Core/SequencedActions/SequencedAction.h"
#include "Core/Timer/Timer.h"

namespace {

class Fades : public MemoryScreenFixture {
protected:
    void TearDown() override
    {
        SequencedAction::RemoveAllActions();
        Timer::Reset();
        MemoryScreenFixture::TearDown();
    }

    // Every reading of the clock moves it on by stepMilliseconds.
    void UseSteppingClock(long stepMilliseconds)
    {
        Timer::SetClockSource([this, stepMilliseconds] { return clockReading += stepMilliseconds; });
        Timer::Initialize();
    }

    long clockReading = 0;
};

TEST_F(Fades, BlockingFadesOfNoOrNegativeDurationMakeJustTheEndCalls)
{
    // A negative duration ends at once instead of spinning forever.
    for (double duration : {0.0, -1.0}) {
        screen->ForgetCalls();
        DisplayScreen8Bit::FadeOut(duration);
        EXPECT_EQ(screen->FadeLevels(), (std::vector<double>{1.0, 0.0})) << duration;
        screen->ForgetCalls();
        DisplayScreen8Bit::FadeIn(duration);
        EXPECT_EQ(screen->FadeLevels(), (std::vector<double>{0.0, 1.0})) << duration;
    }
}

TEST_F(Fades, BlockingFadeOutStepsDownWithTheClockAndEndsOnZero)
{
    UseSteppingClock(100);
    DisplayScreen8Bit::FadeOut(0.5);
    const std::vector<double>& levels = screen->FadeLevels();
    ASSERT_GE(levels.size(), 4u);
    EXPECT_EQ(levels.front(), 1.0);
    EXPECT_EQ(levels.back(), 0.0);
    for (std::size_t i = 1; i + 1 < levels.size(); ++i) {
        EXPECT_GT(levels[i], 0.0);
        EXPECT_LT(levels[i], levels[i - 1]);
    }
    // Each reading of the clock is 0.1 s later: a fifth of the fade.
    for (std::size_t i = 2; i + 1 < levels.size(); ++i) {
        EXPECT_NEAR(levels[i - 1] - levels[i], 0.2, 1e-9);
    }
}

TEST_F(Fades, BlockingFadeInStepsUpWithTheClockAndEndsOnOne)
{
    UseSteppingClock(250);
    DisplayScreen8Bit::FadeIn(1.0);
    const std::vector<double>& levels = screen->FadeLevels();
    ASSERT_GE(levels.size(), 3u);
    EXPECT_EQ(levels.front(), 0.0);
    EXPECT_EQ(levels.back(), 1.0);
    for (std::size_t i = 1; i + 1 < levels.size(); ++i) {
        EXPECT_LT(levels[i], 1.0);
        EXPECT_GT(levels[i], levels[i - 1]);
    }
}

TEST_F(Fades, ScheduledFadesRunOnThePumpsTimeFromTheirStartToTheirEndLevel)
{
    SequencedAction::StartNewSequence();
    new DisplayScreen8Bit::FadeInAction(2.0);
    new DisplayScreen8Bit::FadeAction(0.8, 0.2, 1.0);
    // The fade-in ends at 12.5 and the second fade starts in that same pump.
    for (double time : {10.0, 10.5, 11.0, 12.5}) {
        SequencedAction::HandleNextActions(time);
    }
    EXPECT_EQ(screen->FadeLevels(), (std::vector<double>{0.0, 0.25, 0.5, 1.0, 0.8}));
    SequencedAction::HandleNextActions(13.0);
    SequencedAction::HandleNextActions(13.5);
    ASSERT_EQ(screen->FadeLevels().size(), 7u);
    EXPECT_DOUBLE_EQ(screen->FadeLevels()[5], 0.5);
    EXPECT_DOUBLE_EQ(screen->FadeLevels()[6], 0.2);
}

} // namespace
