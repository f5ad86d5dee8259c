#pragma once

#include "Core/SequencedActions/SequencedAction.h"

// Records that its sequence reached it (everything before it has finished), then finishes.
class MarkerAction : public SequencedAction {
public:
    explicit MarkerAction(bool& reached) : reached(reached) {}
    void operator()() override
    {
        reached = true;
        delete this;
    }

private:
    bool& reached;
};
