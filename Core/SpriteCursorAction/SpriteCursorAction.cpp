#include "Core/SpriteCursorAction/SpriteCursorAction.h"

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/Math/Math.h"
#include "Core/Sprites/Graphic8BitSprite.h"

#include <cmath>

Graphic8BitSprite* SpriteCursorAction::sprite = nullptr;
bool SpriteCursorAction::isTrackingEnabled = true;
Point2D SpriteCursorAction::lastPosition;

SpriteCursorAction::SpriteCursorAction(ResourceID resourceID, int renderingOrderPosition)
    : ownSprite(new Graphic8BitSprite(resourceID, Point2D(0, 0), renderingOrderPosition))
{
    sprite = ownSprite;
    AdjustPosition();
}

SpriteCursorAction::~SpriteCursorAction()
{
    // The statics must never point at a deleted sprite: hot spots may still ask for the
    // pointer between games.
    if (sprite == ownSprite) {
        lastPosition = sprite->Position();
        sprite = nullptr;
    }
    delete ownSprite;
}

void SpriteCursorAction::operator()()
{
    AdjustPosition();
}

void SpriteCursorAction::AdjustPosition()
{
    if (isTrackingEnabled) {
        ChangePosition(DisplayScreen8Bit::CursorPosition());
    }
}

Point2D SpriteCursorAction::Position()
{
    return sprite ? sprite->Position() : lastPosition;
}

void SpriteCursorAction::ChangePosition(const Point2D& position)
{
    if (sprite) {
        sprite->ChangePosition(position);
    } else {
        lastPosition = position;
    }
}

void SpriteCursorAction::Show()
{
    if (sprite) {
        sprite->Show();
    }
}

void SpriteCursorAction::Hide()
{
    if (sprite) {
        sprite->Hide();
    }
}

void SpriteCursorAction::ChangeGraphic(ResourceID resourceID)
{
    if (sprite) {
        sprite->ChangeGraphic(resourceID);
        sprite->Show();
    }
}

void SpriteCursorAction::ChangePositionAction::operator()()
{
    SpriteCursorAction::ChangePosition(position);
    delete this;
}

void SpriteCursorAction::MoveAction::operator()()
{
    if (IsFirstInvocation()) {
        startPosition = SpriteCursorAction::Position();
        const Point2D difference = endPosition - startPosition;
        distance = Hypotenuse(difference.x, difference.y);
        // A velocity that is not positive would never arrive; such a move ends at once.
        duration = velocity > 0.0 && std::isfinite(velocity) ? distance / velocity : 0.0;
        return;
    }
    const double elapsed = ElapsedTime();
    if (elapsed < duration) {
        const double t = elapsed / duration;
        const Point2D difference = endPosition - startPosition;
        SpriteCursorAction::ChangePosition(Point2D(RoundToInteger(startPosition.x + difference.x * t),
                                                   RoundToInteger(startPosition.y + difference.y * t)));
        return;
    }
    SpriteCursorAction::ChangePosition(endPosition);
    delete this;
}
