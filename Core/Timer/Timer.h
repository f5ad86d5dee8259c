#pragma once

#include <functional>

// The game's clock. Time() counts seconds since Initialize() and never stops;
// PausableTime() is the scheduler's time base and stands still between Pause() and Resume(),
// so a paused game sees no time pass. The clock is monotonic: it reads std::chrono::steady_clock
// (in whole milliseconds) unless a test has put its own clock source in place.
class Timer {
public:
    // A clock source returns the current reading in milliseconds; only differences matter.
    using ClockSource = std::function<long()>;

    // Starts counting from now: Time() is 0 right after this call.
    static void Initialize();

    static double Time();
    static double PausableTime();
    static bool IsPaused();
    // Freezes PausableTime(); a second Pause() while paused does nothing.
    static void Pause();
    // Lets PausableTime() continue from the value it froze at; does nothing when not paused.
    static void Resume();

    // Replaces the clock that Timer reads (tests move time by hand); an empty function restores
    // the steady clock. Call Initialize() afterwards so that Time() starts from 0 on the new clock.
    static void SetClockSource(ClockSource source);
    // Back to the start-up state: steady clock, not paused, no offset, counting from now.
    static void Reset();

private:
    static double SystemTime();
    static long ClockReading();

    static long initialTick;
    static bool isPaused;
    static double pausedTime;
    static double offset;
    static ClockSource clockSource;
};
