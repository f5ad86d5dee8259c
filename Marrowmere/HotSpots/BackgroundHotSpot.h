#pragma once

#include "Core/HotSpots/HotSpotShapes.h"

// The empty parts of the game screen, beneath every other hot spot: over them the pointer says
// "no" while an item waits to be placed (and is hidden otherwise), and a click on them is
// answered with the refusal sound.
class BackgroundHotSpot : public UnboundedHotSpot {
public:
    static constexpr int hitDetectionPosition = 7;

    BackgroundHotSpot() : UnboundedHotSpot(hitDetectionPosition) {}
    void HandleUserMovesOver() override;
    void HandleUserIsStillOver() override;
    void HandleUserBeginsSelection() override;
};
