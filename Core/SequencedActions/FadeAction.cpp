#include "Core/SequencedActions/FadeAction.h"

FadeAction::FadeAction(double startLevel, double endLevel, double duration)
    : startLevel(startLevel), endLevel(endLevel), duration(duration)
{
}

void FadeAction::operator()()
{
    if (IsFirstInvocation()) {
        Fade(startLevel);
        return;
    }
    const double elapsed = ElapsedTime();
    if (elapsed < duration) {
        Fade(startLevel + (endLevel - startLevel) * elapsed / duration);
        return;
    }
    Fade(endLevel);
    delete this;
}
