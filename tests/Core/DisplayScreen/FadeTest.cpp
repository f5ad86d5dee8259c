#include "MemoryScreenFixture.h"

#include "Core/SequencedActions/SequencedAction.h"
#include "Core/Timer/Timer.h"

#include <functional>

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

// A blocking fade steps through the levels the clock gives it (here a clock that moves on with
// every reading) and ends exactly on its end level; no or a negative duration makes just the
// two end calls instead of spinning forever.
TEST_F(Fades, BlockingFadesFollowTheClockFromStartToEndLevel)
{
    UseSteppingClock(100);
    const auto fadeOut = [](double duration) { DisplayScreen8Bit::FadeOut(duration); };
    const auto fadeIn = [](double duration) { DisplayScreen8Bit::FadeIn(duration); };
    struct Case {
        std::function<void(double)> fade;
        double duration;
        std::vector<double> levels;
    };
    const Case cases[] = {
        {fadeOut, 0.0, {1.0, 0.0}}, {fadeOut, -1.0, {1.0, 0.0}}, {fadeIn, 0.0, {0.0, 1.0}}, {fadeIn, -1.0, {0.0, 1.0}},
        {fadeOut, 0.45, {1.0, 7 / 9.0, 5 / 9.0, 3 / 9.0, 1 / 9.0, 0.0}}, {fadeIn, 0.35, {0.0, 2 / 7.0, 4 / 7.0, 6 / 7.0, 1.0}},
    };
    for (const Case& c : cases) {
        screen->ForgetCalls();
        c.fade(c.duration);
        const std::vector<double>& levels = screen->FadeLevels();
        ASSERT_EQ(levels.size(), c.levels.size()) << c.duration;
        for (std::size_t i = 0; i < levels.size(); ++i) {
            EXPECT_NEAR(levels[i], c.levels[i], 1e-9) << c.duration << " level " << i;
        }
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
