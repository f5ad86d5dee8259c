#pragma once

#include "Core/HotSpots/HotSpotShapes.h"
#include "Core/SequencedActions/SequencedAction.h"
#include "Marrowmere/Inhabitants/InhabitantTypes.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"
#include "Marrowmere/Tutorial/Tutorial.h"

// The tutorial's own steps. Each does its work on its first invocation and ends, except the
// wait for the board, which stays until the turn has been resolved.

// Removes the cursor-hiding hot spot, so the cursor shows again over whatever lies beneath.
class Tutorial::ShowCursorAction : public SequencedAction {
public:
    void operator()() override;
};

// Puts the cursor-hiding hot spot in place (a second one replaces the first).
class Tutorial::HideCursorAction : public SequencedAction {
public:
    void operator()() override;
};

// A press of the selection button at the sprite cursor, through the normal hot-spot dispatch.
class Tutorial::PressSelectionButtonAction : public SequencedAction {
public:
    void operator()() override;
};

// A release of the selection button at the sprite cursor.
class Tutorial::ReleaseSelectionButtonAction : public SequencedAction {
public:
    void operator()() override;
};

// Holds its sequence until the board reports the turn resolved.
class Tutorial::WaitForBoardResolutionAction : public SequencedAction {
public:
    void operator()() override;
};

// Makes the item the queue's current item, with its animation, as the pick dialog does.
class Tutorial::SetItemQueueItemAction : public SequencedAction {
public:
    SetItemQueueItemAction(ItemQueue::ItemType item, ObjectType animal, DirectionType direction)
        : item(item), animal(animal), direction(direction)
    {
    }
    void operator()() override;

private:
    ItemQueue::ItemType item;
    ObjectType animal;
    DirectionType direction;
};

// Covers the whole screen above every other hot spot while the tutorial shows something
// without the cursor: it takes every pointer event and hides the cursor.
class Tutorial::HideCursorHotSpot : public UnboundedHotSpot {
public:
    static constexpr int hitDetectionPosition = 0;
    HideCursorHotSpot() : UnboundedHotSpot(hitDetectionPosition) {}
    void HandleUserMovesOver() override;
};
