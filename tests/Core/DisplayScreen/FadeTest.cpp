#include "MemoryScreenFixture.h"

#include "Core/SequencedActions/SequencedAction.h"
#include "Core/Timer/Timer.h"

#include <gmock/gmock.h>

namespace {

using ::testing::DoubleNear;
using ::testing::Pointwise;

class Fades : public MemoryScreenFixture {
protected:
    void TearDown() override
    {
        SequencedAction::RemoveAllActions();
        Timer::Reset();
        MemoryScreenFixture::TearDown();
    }
};

// A blocking fade steps through the levels the clock gives it (here a clock that moves on by
// 0.1 s with every reading) and ends exactly on its end level; a duration of zero or less makes
// just the two end calls instead of spinning forever.
TEST_F(Fades, BlockingFadesFollowTheClockFromStartToEndLevel)
{
    long clockReading = 0;
    Timer::SetClockSource([&clockReading] { return clockReading += 100; });
    Timer::Initialize();
    const struct {
        void (*fade)(double);
        double duration;
        std::vector<double> levels;
    } cases[] = {
        {DisplayScreen8Bit::FadeOut, -1.0, {1.0, 0.0}},
        {DisplayScreen8Bit::FadeIn, -1.0, {0.0, 1.0}},
        {DisplayScreen8Bit::FadeOut, 0.45, {1.0, 7 / 9.0, 5 / 9.0, 3 / 9.0, 1 / 9.0, 0.0}},
        {DisplayScreen8Bit::FadeIn, 0.35, {0.0, 2 / 7.0, 4 / 7.0, 6 / 7.0, 1.0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.duration);
        screen->ForgetCalls();
        c.fade(c.duration);
        EXPECT_THAT(screen->FadeLevels(), Pointwise(DoubleNear(1e-9), c.levels));
    }
}

// A scheduled fade-in takes the screen from black to full brightness; how a fade steps with the
// pump's time is the scheduler's, and tested there.
TEST_F(Fades, AScheduledFadeInTakesTheScreenFromBlackToFull)
{
    SequencedAction::StartNewSequence();
    new DisplayScreen8Bit::FadeInAction(2.0);
    for (double time : {10.0, 11.0, 12.0}) {
        SequencedAction::HandleNextActions(time);
    }
    EXPECT_EQ(screen->FadeLevels(), (std::vector<double>{0.0, 0.5, 1.0}));
}

} // namespace
