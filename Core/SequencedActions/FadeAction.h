#pragma once

#include "Core/SequencedActions/SequencedAction.h"

// Moves a level from `startLevel` to `endLevel` over `duration` seconds: `startLevel` on the first
// invocation, the linear interpolation while time remains, then `endLevel` once and finished.
// Derived classes say what a level means by implementing Fade().
class FadeAction : public SequencedAction {
public:
    FadeAction(double startLevel, double endLevel, double duration);
    void operator()() override;
    virtual void Fade(double level) = 0;

private:
    double startLevel;
    double endLevel;
    double duration;
};
