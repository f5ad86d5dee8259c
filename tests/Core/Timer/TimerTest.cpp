#include "Core/Timer/Timer.h"

#include <gtest/gtest.h>

namespace {

// Puts a hand-moved clock under Timer, starting at an arbitrary reading so that nothing relies on
// the raw clock being 0. Values after a pause are the difference of doubles, so they are compared
// to well within a millisecond rather than bit for bit.
class TimerClock : public ::testing::Test {
protected:
    void SetUp() override
    {
        Timer::SetClockSource([this] {
            ++readings;
            return now;
        });
        Timer::Initialize();
    }
    void TearDown() override { Timer::Reset(); }

    long now = 987654321;
    int readings = 0;
};

// Both clocks count seconds from the last Initialize; the pausable one stands still while paused.
TEST_F(TimerClock, CountsFromInitializeAndPausedTimeContinuesWhereItFroze)
{
    now += 1250;
    EXPECT_DOUBLE_EQ(Timer::Time(), 1.25);
    Timer::Initialize();
    now += 2000;
    Timer::Resume(); // without a pause: changes nothing
    EXPECT_FALSE(Timer::IsPaused());
    Timer::Pause();
    EXPECT_TRUE(Timer::IsPaused());
    now += 500;
    Timer::Pause(); // already paused: must not move the frozen time
    now += 60000;
    EXPECT_DOUBLE_EQ(Timer::PausableTime(), 2.0);
    EXPECT_DOUBLE_EQ(Timer::Time(), 62.5); // the unpausable clock kept going

    Timer::Resume();
    EXPECT_FALSE(Timer::IsPaused());
    now += 300;
    EXPECT_NEAR(Timer::PausableTime(), 2.3, 1e-9);
    Timer::Pause(); // a second pause adds to the first
    now += 1000;
    Timer::Resume();
    now += 200;
    EXPECT_NEAR(Timer::PausableTime(), 2.5, 1e-9);
}

TEST_F(TimerClock, ResetReturnsToTheSteadyClockAndARunningState)
{
    now += 1000;
    Timer::Pause();
    now += 5000;
    Timer::Reset();
    const int readingsAtReset = readings;
    EXPECT_FALSE(Timer::IsPaused());
    const double first = Timer::Time();
    const double second = Timer::PausableTime();
    EXPECT_EQ(readings, readingsAtReset); // the manual clock is no longer read
    // Counting restarted at the reset on a monotonic clock, with no pause offset carried over.
    EXPECT_GE(first, 0.0);
    EXPECT_GE(second, first);
    EXPECT_LT(second, 1.0);
}

} // namespace
