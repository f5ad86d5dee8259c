#pragma once

#include "Core/SequencedActions/SequencedAction.h"

// Ends another action that would never finish by itself (a looping animation, an endless sound)
// from this sequence: deletes `controlledAction`, if not null, and finishes. The controlled action
// must be the running (front) action of its own sequence at that moment.
class DeletionAction : public SequencedAction {
public:
    explicit DeletionAction(SequencedAction* controlledAction);
    void operator()() override;

private:
    SequencedAction* controlledAction;
};
