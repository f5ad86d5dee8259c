#include "Marrowmere/PickDialogBox/PickDialogBox.h"

#include "Core/Sound/Sound.h"
#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Core/Timer/Timer.h"
#include "Marrowmere/DispatchUserInputAction/DispatchUserInputAction.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/ItemQueueAnimator/ItemQueueAnimator.h"
#include "Marrowmere/Locations/Locations.h"

bool PickDialogBox::isOpen = false;
Graphic8BitSprite* PickDialogBox::dialogBoxSprite = nullptr;
std::vector<PickDialogBox::ItemHotSpot*> PickDialogBox::itemHotSpots;
PickDialogBox::UseButtonHotSpot* PickDialogBox::useButtonHotSpot = nullptr;
PickDialogBox::CancelButtonHotSpot* PickDialogBox::cancelButtonHotSpot = nullptr;
PickDialogBox::ModalDialogBackgroundHotSpot* PickDialogBox::modalDialogBackgroundHotSpot = nullptr;
ItemQueue::ItemType PickDialogBox::item = ItemQueue::animal;
ObjectType PickDialogBox::animal = flyer;
DirectionType PickDialogBox::direction = up;
PickDialogBox::ItemHotSpot* PickDialogBox::ItemHotSpot::currentlySelected = nullptr;

namespace {

void ShowArrowCursor()
{
    SpriteCursorAction::ChangeGraphic(GraphicIDs::Cursor(CursorType::arrow));
}

}  // namespace

void PickDialogBox::TakeDown()
{
    if (isOpen) {
        Close();
    }
}

void PickDialogBox::Open()
{
    if (isOpen) {
        return;
    }
    dialogBoxSprite = new Graphic8BitSprite(GraphicIDs::PickDialogBox(), Locations::PickDialogBoxPosition(),
                                            dialogRenderingOrderPosition);
    for (ObjectType itemAnimal : {flyer, swimmer, grazer, cannibal}) {
        for (DirectionType itemDirection : {up, down, left, right}) {
            itemHotSpots.push_back(new ItemHotSpot(ItemQueue::animal, itemAnimal, itemDirection));
        }
    }
    for (ItemQueue::ItemType tool : {ItemQueue::reverser, ItemQueue::clockwiseTurner, ItemQueue::counterclockwiseTurner,
                                     ItemQueue::death, ItemQueue::cloud}) {
        itemHotSpots.push_back(new ItemHotSpot(tool, flyer, up));
    }
    // Use stays disabled until an item is selected.
    useButtonHotSpot = new UseButtonHotSpot;
    useButtonHotSpot->Deactivate();
    cancelButtonHotSpot = new CancelButtonHotSpot;
    modalDialogBackgroundHotSpot = new ModalDialogBackgroundHotSpot;
    isOpen = true;
}

void PickDialogBox::Close()
{
    delete modalDialogBackgroundHotSpot;
    modalDialogBackgroundHotSpot = nullptr;
    delete cancelButtonHotSpot;
    cancelButtonHotSpot = nullptr;
    delete useButtonHotSpot;
    useButtonHotSpot = nullptr;
    for (ItemHotSpot* itemHotSpot : itemHotSpots) {
        delete itemHotSpot;
    }
    itemHotSpots.clear();
    delete dialogBoxSprite;
    dialogBoxSprite = nullptr;
    isOpen = false;
}

void PickDialogBox::UseItem()
{
    Close();
    ItemQueueAnimator::AnimateSetCurrentItem(item, animal, direction);
    ItemQueueAnimator::AnimateDecrementPickCount(1);
}

void PickDialogBox::Cancel()
{
    Close();
    ItemQueueAnimator::ActivatePickButtonHotSpot();
}

void PickDialogBox::SetItemToUse(ItemQueue::ItemType newItem, ObjectType newAnimal, DirectionType newDirection)
{
    item = newItem;
    animal = newAnimal;
    direction = newDirection;
}

// --- Items ---

PickDialogBox::ItemHotSpot::ItemHotSpot(ItemQueue::ItemType item, ObjectType animal, DirectionType direction)
    : RectangleHotSpot(itemHitDetectionPosition, Locations::PickDialogBoxItemHotSpotBounds(item, animal, direction)),
      item(item), animal(animal), direction(direction)
{
    const QuillonRectangle<int> bounds = Bounds();
    selectionOutlineSprite = std::make_unique<Graphic8BitSprite>(
        GraphicIDs::PickDialogBoxSelectionOutline(),
        Point2D(bounds.left, bounds.top) + Locations::PickDialogBoxOutlineOffset(), itemRenderingOrderPosition);
    selectionOutlineSprite->Hide();
}

PickDialogBox::ItemHotSpot::~ItemHotSpot()
{
    if (currentlySelected == this) {
        currentlySelected = nullptr;
    }
}

bool PickDialogBox::ItemHotSpot::IsOutlineShown() const
{
    return selectionOutlineSprite->IsVisible();
}

void PickDialogBox::ItemHotSpot::HandleUserMovesOver()
{
    ShowArrowCursor();
}

void PickDialogBox::ItemHotSpot::HandleUserBeginsSelection()
{
    const double now = Timer::PausableTime();
    if (currentlySelected == this) {
        // A second press on the selected item uses it.
        if (now - lastSelectedTime < DispatchUserInputAction::MaximumDoubleSelectTime()) {
            UseItem();  // closes the dialog, which deletes this hot spot
            return;
        }
        lastSelectedTime = now;
        return;
    }
    if (currentlySelected != nullptr) {
        currentlySelected->selectionOutlineSprite->Hide();
    }
    lastSelectedTime = now;
    selectionOutlineSprite->Show();
    currentlySelected = this;
    SetItemToUse(item, animal, direction);
    useButtonHotSpot->Activate();
}

// --- Buttons and the modal background ---

PickDialogBox::UseButtonHotSpot::UseButtonHotSpot()
    : GraphicButtonHotSpot(itemHitDetectionPosition, Locations::PickDialogBoxUseButtonHotSpotBounds(),
                           GraphicIDs::PickDialogBoxUseButton(ButtonType::normal),
                           GraphicIDs::PickDialogBoxUseButton(ButtonType::pressed),
                           GraphicIDs::PickDialogBoxUseButton(ButtonType::disabled), itemRenderingOrderPosition)
{
}

void PickDialogBox::UseButtonHotSpot::HandleUserMovesOver()
{
    ShowArrowCursor();
}

void PickDialogBox::UseButtonHotSpot::PerformSelectionAction()
{
    UseItem();
}

PickDialogBox::CancelButtonHotSpot::CancelButtonHotSpot()
    : GraphicButtonHotSpot(itemHitDetectionPosition, Locations::PickDialogBoxCancelButtonHotSpotBounds(),
                           GraphicIDs::PickDialogBoxCancelButton(ButtonType::normal),
                           GraphicIDs::PickDialogBoxCancelButton(ButtonType::pressed),
                           GraphicIDs::PickDialogBoxCancelButton(ButtonType::disabled), itemRenderingOrderPosition)
{
}

void PickDialogBox::CancelButtonHotSpot::HandleUserMovesOver()
{
    ShowArrowCursor();
}

void PickDialogBox::CancelButtonHotSpot::PerformSelectionAction()
{
    Cancel();
}

void PickDialogBox::ModalDialogBackgroundHotSpot::HandleUserMovesOver()
{
    SpriteCursorAction::ChangeGraphic(GraphicIDs::Cursor(CursorType::no));
}

void PickDialogBox::ModalDialogBackgroundHotSpot::HandleUserBeginsSelection()
{
    Sound::PlayAsynchronously(SoundIDs::No(), 0, 1.0, 0.0);
}
