#pragma once

#include "Core/SequencedActions/SequencedAction.h"

// Puts a delay between the actions of a chain: finishes on the first invocation at which it has
// been running for `duration` seconds. Its clock starts when it reaches the front of its sequence.
class WaitAction : public SequencedAction {
public:
    explicit WaitAction(double duration);
    void operator()() override;

private:
    double duration;
};
