#pragma once

#include "Core/SequencedActions/SequencedAction.h"

// The frame renderer: on every pass it copies the underlay into the off-screen buffer, draws
// every visible sprite over it in rendering order and shows the result. It never finishes;
// the game's set-up makes it the only action of its own sequence, so one frame is drawn per
// pump until the game's actions are removed.
class RenderAllAction : public SequencedAction {
public:
    RenderAllAction() = default;
    void operator()() override;
};
