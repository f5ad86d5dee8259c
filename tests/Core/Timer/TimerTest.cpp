#include "tests/Core/Timer/ManualClock.h"

namespace {

// Seconds are doubles and the pause offset is their difference, so values after a pause are
// compared to well within a millisecond rather than bit for bit.
constexpr double tolerance = 1e-9;

using TimerClock = ManualClockTest;

TEST_F(TimerClock, CountsSecondsSinceInitialize)
{
    EXPECT_DOUBLE_EQ(Timer::Time(), 0.0);
    Advance(1250);
    EXPECT_DOUBLE_EQ(Timer::Time(), 1.25);
    EXPECT_DOUBLE_EQ(Timer::PausableTime(), 1.25);
    Timer::Initialize();
    EXPECT_DOUBLE_EQ(Timer::Time(), 0.0);
    Advance(1);
    EXPECT_DOUBLE_EQ(Timer::Time(), 0.001);
}

TEST_F(TimerClock, PausedTimeStandsStillAndContinuesWhereItFroze)
{
    Advance(2000);
    Timer::Resume(); // without a pause: changes nothing
    EXPECT_FALSE(Timer::IsPaused());
    Timer::Pause();
    EXPECT_TRUE(Timer::IsPaused());
    Advance(500);
    Timer::Pause(); // already paused: must not move the frozen time
    EXPECT_DOUBLE_EQ(Timer::PausableTime(), 2.0);
    Advance(60000);
    EXPECT_DOUBLE_EQ(Timer::PausableTime(), 2.0);
    EXPECT_DOUBLE_EQ(Timer::Time(), 62.5); // the unpausable clock kept going

    Timer::Resume();
    EXPECT_FALSE(Timer::IsPaused());
    EXPECT_DOUBLE_EQ(Timer::PausableTime(), 2.0);
    Advance(300);
    EXPECT_NEAR(Timer::PausableTime(), 2.3, tolerance);

    // A second pause adds to the first.
    Timer::Pause();
    Advance(1000);
    Timer::Resume();
    Advance(200);
    EXPECT_NEAR(Timer::PausableTime(), 2.5, tolerance);
    EXPECT_DOUBLE_EQ(Timer::Time(), 64.0);
}

TEST_F(TimerClock, ResetReturnsToTheSteadyClockAndARunningState)
{
    Advance(1000);
    Timer::Pause();
    Advance(5000);
    Timer::Reset();
    const int readingsAtReset = readings;
    EXPECT_FALSE(Timer::IsPaused());

    const double first = Timer::Time();
    const double second = Timer::PausableTime();
    const double third = Timer::Time();
    EXPECT_EQ(readings, readingsAtReset); // the manual clock is no longer read
    // Counting restarted at the reset on a monotonic clock, with no pause offset carried over.
    EXPECT_GE(first, 0.0);
    EXPECT_GE(second, first);
    EXPECT_GE(third, second);
}

} // namespace
