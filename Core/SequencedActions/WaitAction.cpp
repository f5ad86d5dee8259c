#include "Core/SequencedActions/WaitAction.h"

WaitAction::WaitAction(double duration) : duration(duration) {}

void WaitAction::operator()()
{
    if (ElapsedTime() >= duration) {
        delete this;
    }
}
