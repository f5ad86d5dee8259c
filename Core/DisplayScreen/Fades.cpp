#include "Core/DisplayScreen/DisplayScreen8Bit.h"

#include "Core/Timer/Timer.h"

// Both fades spin on the clock: the back end's Fade() is what paces them (a real display waits
// for its refresh when it shows each level).

void DisplayScreen8Bit::FadeOut(double duration)
{
    const double start = Timer::Time();
    Fade(1.0);
    if (duration > 0.0) {
        for (double level = 1.0 - (Timer::Time() - start) / duration; level > 0.0;
             level = 1.0 - (Timer::Time() - start) / duration) {
            Fade(level);
        }
    }
    Fade(0.0);
}

void DisplayScreen8Bit::FadeIn(double duration)
{
    const double start = Timer::Time();
    Fade(0.0);
    if (duration > 0.0) {
        for (double level = (Timer::Time() - start) / duration; level < 1.0;
             level = (Timer::Time() - start) / duration) {
            Fade(level);
        }
    }
    Fade(1.0);
}

DisplayScreen8Bit::FadeAction::FadeAction(double startLevel, double endLevel, double duration)
    : ::FadeAction(startLevel, endLevel, duration)
{
}

void DisplayScreen8Bit::FadeAction::Fade(double level)
{
    DisplayScreen8Bit::Fade(level);
}

DisplayScreen8Bit::FadeInAction::FadeInAction(double duration) : FadeAction(0.0, 1.0, duration) {}
