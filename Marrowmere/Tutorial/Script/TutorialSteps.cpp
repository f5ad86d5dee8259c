// The tutorial's step builders: each queues its actions at the end of the current sequence.

#include "Core/Sound/Sound.h"
#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/Locations/Locations.h"
#include "Marrowmere/Tutorial/Script/TutorialActions.h"

namespace {

constexpr double shortDelay = 0.25;
constexpr double longDelay = 1.0;

} // namespace

void Tutorial::Wait(double duration)
{
    new WaitAction(duration);
}

void Tutorial::DelayShort()
{
    Wait(shortDelay);
}

void Tutorial::DelayLong()
{
    Wait(longDelay);
}

void Tutorial::ShowCursor()
{
    new ShowCursorAction;
}

void Tutorial::HideCursor()
{
    new HideCursorAction;
}

void Tutorial::ChangeCursorPosition(const Point2D& position)
{
    new SpriteCursorAction::ChangePositionAction(position);
}

void Tutorial::MoveCursorTo(const Point2D& position)
{
    new SpriteCursorAction::MoveAction(position, cursorVelocity);
    DelayShort();
}

void Tutorial::MoveCursorToLandLot(int column, int row)
{
    MoveCursorTo(Locations::LandLotHotSpotCenter(row - 1, column - 1));
}

void Tutorial::MoveCursorToStarvationTimer(int column, int row)
{
    MoveCursorTo(Locations::StarvationTimerCenter(row - 1, column - 1));
}

void Tutorial::MoveCursorToPickButton()
{
    MoveCursorTo(Locations::PickButtonHotSpotCenter());
}

void Tutorial::MoveCursorToPickDialogBoxItem(ItemQueue::ItemType item, ObjectType animal, DirectionType direction)
{
    MoveCursorTo(Locations::PickDialogBoxItemHotSpotCenter(item, animal, direction));
}

void Tutorial::MoveCursorToPickDialogBoxUseButton()
{
    MoveCursorTo(Locations::PickDialogBoxUseButtonHotSpotCenter());
}

void Tutorial::PressSelectionButton()
{
    new PressSelectionButtonAction;
    PlaySoundz(SoundIDs::SelectionButtonPress());
}

void Tutorial::ReleaseSelectionButton()
{
    new ReleaseSelectionButtonAction;
    PlaySoundz(SoundIDs::SelectionButtonRelease());
}

void Tutorial::ClickSelectionButton()
{
    new PressSelectionButtonAction;
    PlaySoundz(SoundIDs::SelectionButtonClick());
    new ReleaseSelectionButtonAction;
}

void Tutorial::PointTo(const Point2D& position, DirectionType direction)
{
    new Graphic8BitSprite::ChangeGraphicAction(pointer, GraphicIDs::TutorialPointer(direction));
    new Sprite::ChangePositionAction(pointer, position);
    new Sprite::ShowAction(pointer);
    DelayShort();
}

void Tutorial::PointToLandLot(int column, int row)
{
    PointTo(Locations::LandLotPointerPosition(row - 1, column - 1), right);
}

void Tutorial::PointToStarvationTimer(int column, int row, DirectionType direction)
{
    PointTo(Locations::StarvationTimerPointerPosition(row - 1, column - 1, direction), direction);
}

void Tutorial::PointToFloodTimer(int column, int row, DirectionType direction)
{
    PointTo(Locations::FloodTimerPointerPosition(row - 1, column - 1, direction), direction);
}

void Tutorial::PointToScore()
{
    PointTo(Locations::ScorePointerPosition(), right);
}

void Tutorial::PointToItemQueue()
{
    PointTo(Locations::ItemQueuePointerPosition(), right);
}

void Tutorial::PointToPickButton()
{
    PointTo(Locations::PickButtonPointerPosition(), right);
}

void Tutorial::PointToPickCount()
{
    PointTo(Locations::PickCountPointerPosition(), right);
}

void Tutorial::PointToWhoEatsWhoLegend()
{
    PointTo(Locations::WhoEatsWhoLegendPointerPosition(), right);
}

void Tutorial::PointToSpecialAbilitiesLegend()
{
    PointTo(Locations::SpecialAbilitiesLegendPointerPosition(), right);
}

void Tutorial::StopPointing()
{
    new Sprite::HideAction(pointer);
}

void Tutorial::PlaySoundz(ResourceID resourceID)
{
    new Sound::PlaySynchronouslyAction(resourceID, 0, 1.0, 0.0);
}

void Tutorial::PlayNextNarration()
{
    PlaySoundz(nextNarrationID);
    ++nextNarrationID;
    DelayShort();
}

void Tutorial::WaitForBoardResolution()
{
    new WaitForBoardResolutionAction;
    DelayShort();
}

void Tutorial::SetItemQueueItem(ItemQueue::ItemType item, ObjectType animal, DirectionType direction)
{
    new SetItemQueueItemAction(item, animal, direction);
    DelayShort();
}
