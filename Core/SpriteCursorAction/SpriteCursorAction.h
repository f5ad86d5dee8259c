#pragma once

#include "Core/Point/Point2D.h"
#include "Core/Resource/ResourceType.h"
#include "Core/SequencedActions/SequencedAction.h"

class Graphic8BitSprite;

// Draws the pointer as a sprite during a game. The action never ends: on every pass it
// moves the pointer sprite to the platform pointer's position, unless tracking is off (the
// tutorial then moves the sprite itself with MoveAction and ChangePositionAction). Hot spots
// change its picture (GraphicIDs::Cursor) or hide it to tell the player what a click would do.
//
// The static operations act on the pointer sprite of the live action; without one (before a
// game is set up or after it is taken down) they do nothing and Position() gives the last
// position the pointer had.
class SpriteCursorAction : public SequencedAction {
public:
    SpriteCursorAction(ResourceID resourceID, int renderingOrderPosition);
    ~SpriteCursorAction() override;

    void operator()() override;

    // Follows the platform pointer when tracking is on.
    static void AdjustPosition();

    static void EnableTracking() { isTrackingEnabled = true; }
    static void DisableTracking() { isTrackingEnabled = false; }
    static bool IsTrackingEnabled() { return isTrackingEnabled; }

    static Point2D Position();
    static void ChangePosition(const Point2D& position);
    static void Show();
    static void Hide();
    // The sprite's new picture, and the pointer shown again.
    static void ChangeGraphic(ResourceID resourceID);
    // The pointer sprite of the live action, or null.
    static const Graphic8BitSprite* PointerSprite() { return sprite; }

    class ChangePositionAction;
    class MoveAction;

private:
    Graphic8BitSprite* ownSprite;

    static Graphic8BitSprite* sprite;
    static bool isTrackingEnabled;
    static Point2D lastPosition;
};

// Puts the pointer sprite at a position at once.
class SpriteCursorAction::ChangePositionAction : public SequencedAction {
public:
    explicit ChangePositionAction(const Point2D& position) : position(position) {}
    void operator()() override;

private:
    Point2D position;
};

// Moves the pointer sprite along a straight line to endPosition at velocity pixels per
// second, starting from wherever it is when the action starts, and lands exactly on the end.
// A velocity that is not positive moves it there at once. Tracking should be off meanwhile.
class SpriteCursorAction::MoveAction : public SequencedAction {
public:
    MoveAction(const Point2D& endPosition, double velocity) : endPosition(endPosition), velocity(velocity) {}
    void operator()() override;

private:
    Point2D startPosition;
    Point2D endPosition;
    double velocity;
    double distance = 0.0;
    double duration = 0.0;
};
