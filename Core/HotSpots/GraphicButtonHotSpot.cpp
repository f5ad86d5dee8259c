#include "Core/HotSpots/GraphicButtonHotSpot.h"

#include "Core/Sprites/Graphic8BitSprite.h"

GraphicButtonHotSpot::GraphicButtonHotSpot(int hitDetectionOrderPosition, const QuillonRectangle<int>& bounds,
                                           ResourceID normalGraphicID, ResourceID pressedGraphicID,
                                           ResourceID disabledGraphicID, int renderingOrderPosition)
    : RectangleHotSpot(hitDetectionOrderPosition, bounds),
      normalGraphicID(normalGraphicID),
      pressedGraphicID(pressedGraphicID),
      disabledGraphicID(disabledGraphicID),
      sprite(std::make_unique<Graphic8BitSprite>(normalGraphicID, Point2D(bounds.left, bounds.top),
                                                 renderingOrderPosition))
{
}

GraphicButtonHotSpot::~GraphicButtonHotSpot() = default;

void GraphicButtonHotSpot::Activate()
{
    RectangleHotSpot::Activate();
    sprite->ChangeGraphic(normalGraphicID);
}

void GraphicButtonHotSpot::Deactivate()
{
    RectangleHotSpot::Deactivate();
    sprite->ChangeGraphic(disabledGraphicID);
}

void GraphicButtonHotSpot::HandleUserIsStillOver()
{
    // A subclass's hover look is refreshed on every pump.
    HandleUserMovesOver();
}

void GraphicButtonHotSpot::HandleUserBeginsSelection()
{
    sprite->ChangeGraphic(pressedGraphicID);
    isPressed = true;
}

void GraphicButtonHotSpot::HandleUserMovesOutDuringSelection()
{
    if (isPressed) {
        sprite->ChangeGraphic(normalGraphicID);
    }
}

void GraphicButtonHotSpot::HandleUserMovesInDuringSelection()
{
    if (isPressed) {
        sprite->ChangeGraphic(pressedGraphicID);
    }
}

void GraphicButtonHotSpot::HandleUserEndsSelection()
{
    if (isPressed) {
        sprite->ChangeGraphic(normalGraphicID);
        isPressed = false;
        PerformSelectionAction();
    }
}

void GraphicButtonHotSpot::HandleUserAbortsSelection()
{
    if (isPressed) {
        sprite->ChangeGraphic(normalGraphicID);
        isPressed = false;
    }
}
