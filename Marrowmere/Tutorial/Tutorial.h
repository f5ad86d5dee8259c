#pragma once

#include "Core/Point/Point2D.h"
#include "Core/Resource/ResourceType.h"
#include "Marrowmere/Inhabitants/InhabitantTypes.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"

class Graphic8BitSprite;

// The self-playing tutorial: an ordinary game whose set-up queues one long, fixed script that
// sets every item, moves the sprite cursor over the screen, presses and releases the selection
// button through the normal hot-spot dispatch, waits for each board resolution, points a hand
// at parts of the screen and plays the 48 narrations in order.
//
// The switch (Activate, Deactivate, IsActive) says whether the game being started or played is
// the tutorial; the game loop, the input dispatch, the item queue and the main window behave
// differently while it is on. It is off when the program starts.
//
// The switch is built in this folder (game_tutorial) and has no dependencies, so every part
// that asks it can link it. The script, its actions and its hot spot drive the item queue
// animator, which itself asks the switch; they are built in Marrowmere/Tutorial/Script
// (game_tutorial_script), which the game loop links to set the tutorial up and take it down.
class Tutorial {
public:
    static void Activate();
    static void Deactivate();
    static bool IsActive();

    // Called by the game's set-up and take-down while the switch is on. SetUp stops the sprite
    // cursor from following the mouse, makes the pointing hand (hidden) and queues the script
    // in a sequence of its own; TakeDown removes the hand and the cursor-hiding hot spot and
    // lets the cursor follow the mouse again. TakeDown is harmless without a SetUp.
    static void SetUp();
    static void TakeDown();

    // Step builders: each queues actions at the end of the current sequence and waits for
    // nothing itself. Board lots are given as column and row counted from 1.
    static void Wait(double duration);
    static void DelayShort();
    static void DelayLong();
    static void ShowCursor();
    static void HideCursor();
    static void ChangeCursorPosition(const Point2D& position);
    static void MoveCursorToLandLot(int column, int row);
    static void MoveCursorToStarvationTimer(int column, int row);
    static void MoveCursorToPickButton();
    static void MoveCursorToPickDialogBoxItem(ItemQueue::ItemType item, ObjectType animal, DirectionType direction);
    static void MoveCursorToPickDialogBoxUseButton();
    static void PressSelectionButton();
    static void ReleaseSelectionButton();
    static void ClickSelectionButton();
    static void PointToLandLot(int column, int row);
    static void PointToStarvationTimer(int column, int row, DirectionType direction);
    static void PointToFloodTimer(int column, int row, DirectionType direction);
    static void PointToScore();
    static void PointToItemQueue();
    static void PointToPickButton();
    static void PointToPickCount();
    static void PointToWhoEatsWhoLegend();
    static void PointToSpecialAbilitiesLegend();
    static void StopPointing();
    // Plays the sound and holds the sequence until it has finished (at once when it cannot play).
    static void PlaySoundz(ResourceID resourceID);
    static void PlayNextNarration();
    static void WaitForBoardResolution();
    static void SetItemQueueItem(ItemQueue::ItemType item, ObjectType animal, DirectionType direction);

    // The pointing hand, null outside a tutorial game.
    static const Graphic8BitSprite* Pointer() { return pointer; }

    // Speed of every scripted cursor movement, in screen pixels per second.
    static constexpr double cursorVelocity = 240.0;
    static constexpr int narrationCount = 48;
    static constexpr int pointerRenderingOrderPosition = 15;

    class ShowCursorAction;
    class HideCursorAction;
    class PressSelectionButtonAction;
    class ReleaseSelectionButtonAction;
    class WaitForBoardResolutionAction;
    class SetItemQueueItemAction;
    class HideCursorHotSpot;

private:
    // Queues the whole script of thirty moves.
    static void SetUpSequence();
    // Moves the cursor smoothly to the position, then a short delay.
    static void MoveCursorTo(const Point2D& position);
    // Turns the hand to the direction, puts it at the position and shows it, then a short delay.
    static void PointTo(const Point2D& position, DirectionType direction);

    static bool isActive;
    static Graphic8BitSprite* pointer;
    static HideCursorHotSpot* hideCursorHotSpot;
    static ResourceID nextNarrationID;
};
