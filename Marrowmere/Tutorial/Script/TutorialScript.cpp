// The tutorial's set-up, take-down and script.

#include "Core/SequencedActions/SequencedAction.h"
#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/Locations/Locations.h"
#include "Marrowmere/Tutorial/Script/TutorialActions.h"

Graphic8BitSprite* Tutorial::pointer = nullptr;
Tutorial::HideCursorHotSpot* Tutorial::hideCursorHotSpot = nullptr;
ResourceID Tutorial::nextNarrationID = 0;

void Tutorial::SetUp()
{
    // A second set-up without a take-down must not leave the old hand behind.
    TakeDown();
    SpriteCursorAction::DisableTracking();
    pointer = new Graphic8BitSprite(GraphicIDs::TutorialPointer(right), Point2D(0, 0), pointerRenderingOrderPosition);
    pointer->Hide();
    nextNarrationID = SoundIDs::TutorialNarrationStart();
    SequencedAction::StartNewSequence();
    SetUpSequence();
}

void Tutorial::TakeDown()
{
    delete hideCursorHotSpot;
    hideCursorHotSpot = nullptr;
    delete pointer;
    pointer = nullptr;
    SpriteCursorAction::EnableTracking();
}

namespace {

using T = Tutorial;
using Item = ItemQueue::ItemType;

// An item other than an animal carries no animal or direction.
void SetTool(Item item)
{
    T::SetItemQueueItem(item, flyer, up);
}

void SetAnimal(ObjectType animal, DirectionType direction)
{
    T::SetItemQueueItem(ItemQueue::animal, animal, direction);
}

// Uses the current item on the lot and waits until the turn has been resolved.
void PlayOn(int column, int row)
{
    T::MoveCursorToLandLot(column, row);
    T::ClickSelectionButton();
    T::WaitForBoardResolution();
}

// Points at the item queue with the cursor hidden while a tool is introduced, then uses it.
void IntroduceTool(Item tool, int column, int row)
{
    T::HideCursor();
    SetTool(tool);
    T::PointToItemQueue();
    T::PlayNextNarration();
    T::StopPointing();
    T::ShowCursor();
    PlayOn(column, row);
}

} // namespace

void Tutorial::SetUpSequence()
{
    // Move 1: the board, the queue and the four kinds of animal; a flyer placed (narrations 0 to 7).
    HideCursor();
    ChangeCursorPosition(Locations::LandLotHotSpotCenter(3 - 1, 1 - 1));
    SetAnimal(flyer, right);
    Wait(2.0);
    PlayNextNarration();
    DelayLong();
    PlayNextNarration();
    PointToLandLot(4, 3);
    PlayNextNarration();
    StopPointing();
    PointToLandLot(3, 4);
    PlayNextNarration();
    StopPointing();
    PointToLandLot(2, 3);
    PlayNextNarration();
    StopPointing();
    PointToLandLot(3, 2);
    PlayNextNarration();
    StopPointing();
    DelayLong();
    PlayNextNarration();
    ShowCursor();
    MoveCursorToLandLot(1, 3);
    MoveCursorToLandLot(1, 4);
    MoveCursorToLandLot(1, 2);
    MoveCursorToLandLot(2, 2);
    PlayNextNarration();
    MoveCursorToLandLot(3, 2);
    Wait(2.0);
    PlayOn(3, 1);

    // Move 2: the score, then death (narrations 8 to 11).
    DelayLong();
    PointToScore();
    PlayNextNarration();
    DelayLong();
    StopPointing();
    HideCursor();
    SetTool(ItemQueue::death);
    PointToItemQueue();
    PlayNextNarration();
    PlayNextNarration();
    StopPointing();
    ShowCursor();
    MoveCursorToLandLot(1, 5);
    PlayNextNarration();
    ClickSelectionButton();
    WaitForBoardResolution();

    // Moves 3 to 6: cloud, reverser and the two turners (narrations 12 to 16).
    DelayLong();
    IntroduceTool(ItemQueue::cloud, 1, 1);
    PlayNextNarration();
    DelayLong();
    IntroduceTool(ItemQueue::reverser, 3, 1);
    DelayLong();
    IntroduceTool(ItemQueue::clockwiseTurner, 5, 1);
    DelayLong();
    IntroduceTool(ItemQueue::counterclockwiseTurner, 5, 5);

    // Move 7: swimmers eat grazers (narrations 17 to 19).
    DelayLong();
    PlayNextNarration();
    DelayLong();
    PlayNextNarration();
    SetAnimal(grazer, right);
    MoveCursorToLandLot(4, 5);
    PlayNextNarration();
    ClickSelectionButton();
    WaitForBoardResolution();

    // Moves 8 to 10: grazers eat cannibals, flyers eat swimmers, cannibals eat flyers
    // (narrations 20 to 22).
    SetAnimal(grazer, up);
    MoveCursorToLandLot(5, 2);
    PlayNextNarration();
    ClickSelectionButton();
    WaitForBoardResolution();
    SetAnimal(flyer, left);
    MoveCursorToLandLot(5, 5);
    PlayNextNarration();
    ClickSelectionButton();
    WaitForBoardResolution();
    SetAnimal(cannibal, left);
    MoveCursorToLandLot(5, 5);
    PlayNextNarration();
    ClickSelectionButton();
    WaitForBoardResolution();

    // Moves 11 to 13: a chain of eatings, then a complete chain (narrations 23 to 25).
    DelayLong();
    PlayNextNarration();
    PlayNextNarration();
    SetAnimal(flyer, right);
    PlayOn(2, 5);
    SetAnimal(swimmer, down);
    PlayOn(3, 5);
    DelayLong();
    PlayNextNarration();
    SetAnimal(swimmer, left);
    PlayOn(3, 3);

    // Move 14: the pick count, the pick button and the pick dialog (narrations 26 to 29).
    DelayLong();
    PlayNextNarration();
    PlayNextNarration();
    HideCursor();
    SetAnimal(cannibal, down);
    PointToPickCount();
    PlayNextNarration();
    StopPointing();
    PointToPickButton();
    PlayNextNarration();
    StopPointing();
    ShowCursor();
    MoveCursorToPickButton();
    ClickSelectionButton();
    DelayShort();
    MoveCursorToPickDialogBoxItem(ItemQueue::reverser, flyer, up);
    ClickSelectionButton();
    DelayShort();
    MoveCursorToPickDialogBoxUseButton();
    ClickSelectionButton();
    DelayShort();
    PlayOn(5, 1);

    // Move 15: the two legends, then a flooded swimmer (narrations 30 to 32).
    DelayLong();
    PointToWhoEatsWhoLegend();
    PlayNextNarration();
    DelayLong();
    StopPointing();
    PointToSpecialAbilitiesLegend();
    PlayNextNarration();
    StopPointing();
    PlayNextNarration();
    SetTool(ItemQueue::cloud);
    PlayOn(3, 3);

    // Moves 16 to 20: grazers eat grass, cannibals eat cannibals, flyers fly over anything
    // (narrations 33 to 35).
    PlayNextNarration();
    SetAnimal(flyer, left);
    PlayOn(5, 2);
    SetTool(ItemQueue::death);
    PlayOn(5, 2);
    PlayNextNarration();
    SetAnimal(cannibal, left);
    PlayOn(4, 5);
    PlayNextNarration();
    SetAnimal(swimmer, left);
    PlayOn(5, 1);
    SetAnimal(flyer, up);
    PlayOn(5, 5);

    // Moves 21 to 24: two flyers facing one swimmer (narrations 36 and 37).
    DelayLong();
    PlayNextNarration();
    SetTool(ItemQueue::reverser);
    PlayOn(3, 1);
    SetTool(ItemQueue::counterclockwiseTurner);
    PlayOn(5, 1);
    SetAnimal(swimmer, down);
    PlayOn(4, 1);
    PlayNextNarration();
    SetTool(ItemQueue::clockwiseTurner);
    PlayOn(3, 1);

    // Move 25: the starvation dial, held down to show its number (narrations 38 to 40).
    DelayLong();
    PlayNextNarration();
    SetAnimal(grazer, up);
    MoveCursorToStarvationTimer(3, 1);
    PressSelectionButton();
    DelayShort();
    PlayNextNarration();
    ReleaseSelectionButton();
    DelayShort();
    HideCursor();
    PointToStarvationTimer(3, 1, right);
    PlayNextNarration();
    ShowCursor();
    PlayOn(2, 2);

    // Move 26: starving grass becomes a tree (narration 41).
    StopPointing();
    DelayLong();
    PointToStarvationTimer(1, 5, down);
    PlayNextNarration();
    SetAnimal(swimmer, down);
    PlayOn(2, 4);

    // Move 27: a flood evaporates (narration 42).
    StopPointing();
    DelayLong();
    PointToFloodTimer(1, 1, left);
    PlayNextNarration();
    SetAnimal(flyer, down);
    PlayOn(1, 2);

    // Move 28: swimmers eat first (narrations 43 to 45).
    StopPointing();
    DelayLong();
    PlayNextNarration();
    PointToSpecialAbilitiesLegend();
    PlayNextNarration();
    StopPointing();
    SetAnimal(grazer, right);
    MoveCursorToLandLot(2, 5);
    PlayNextNarration();
    ClickSelectionButton();
    WaitForBoardResolution();

    // Move 29: the last cannibal is eaten and the game is over (narration 46).
    DelayLong();
    PlayNextNarration();
    SetAnimal(grazer, down);
    PlayOn(3, 4);

    // Move 30: the farewell, and a click that dismisses the game-over screen (narration 47).
    Wait(2.5);
    PlayNextNarration();
    Wait(1.0);
    ClickSelectionButton();
}
