#pragma once

#include "Core/HotSpots/HotSpotShapes.h"
#include "Core/Resource/ResourceType.h"

#include <memory>

class Graphic8BitSprite;

// A push button drawn by a sprite of its own at the top-left corner of its bounds: it shows
// its pressed picture while pressed with the pointer on it, pops up while the pointer is
// dragged off, and performs its action when the press is released on it. A deactivated button
// shows its disabled picture and is skipped by hit testing.
class GraphicButtonHotSpot : public RectangleHotSpot {
public:
    GraphicButtonHotSpot(int hitDetectionOrderPosition, const QuillonRectangle<int>& bounds, ResourceID normalGraphicID,
                         ResourceID pressedGraphicID, ResourceID disabledGraphicID, int renderingOrderPosition);
    ~GraphicButtonHotSpot() override;

    void Activate() override;
    void Deactivate() override;
    void HandleUserIsStillOver() override;
    void HandleUserBeginsSelection() override;
    void HandleUserEndsSelection() override;
    void HandleUserAbortsSelection() override;
    void HandleUserMovesOutDuringSelection() override;
    void HandleUserMovesInDuringSelection() override;

    // The button's action; it may destroy the button itself.
    virtual void PerformSelectionAction() = 0;

    bool IsPressed() const { return isPressed; }
    bool IsEnabled() const { return isEnabled; }
    const Graphic8BitSprite& ButtonSprite() const { return *sprite; }

private:
    ResourceID normalGraphicID;
    ResourceID pressedGraphicID;
    ResourceID disabledGraphicID;
    std::unique_ptr<Graphic8BitSprite> sprite;
    bool isPressed = false;
    bool isEnabled = true;
};
