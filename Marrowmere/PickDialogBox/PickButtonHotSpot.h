#pragma once

#include "Core/HotSpots/GraphicButtonHotSpot.h"

// The button beside the item queue that opens the pick dialog. The item queue's animator
// owns it and keeps it active only while an item is available and a pick remains.
class PickButtonHotSpot : public GraphicButtonHotSpot {
public:
    PickButtonHotSpot();

    void HandleUserMovesOver() override;
    // Released on the button: the button goes inactive and the dialog opens.
    void PerformSelectionAction() override;

    static constexpr int hitDetectionPosition = 6;
    static constexpr int renderingOrderPosition = 0;
};
