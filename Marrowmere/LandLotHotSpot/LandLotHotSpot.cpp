#include "Marrowmere/LandLotHotSpot/LandLotHotSpot.h"

#include "Core/Sound/Sound.h"
#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/InhabitantsAnimator/InhabitantsAnimator.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"
#include "Marrowmere/ItemQueueAnimator/ItemQueueAnimator.h"
#include "Marrowmere/Locations/Locations.h"
#include "Marrowmere/Scoring/Scoring.h"
#include "Marrowmere/ScoringAnimator/ScoringAnimator.h"

namespace {

// The pointer picture that offers each item where it can be used.
CursorType CursorOffering(ItemQueue::ItemType item)
{
    switch (item) {
    case ItemQueue::animal: return CursorType::arrow;
    case ItemQueue::reverser: return CursorType::reverser;
    case ItemQueue::clockwiseTurner: return CursorType::clockwiseTurner;
    case ItemQueue::counterclockwiseTurner: return CursorType::counterclockwiseTurner;
    case ItemQueue::death: return CursorType::death;
    case ItemQueue::cloud: return CursorType::cloud;
    }
    return CursorType::no;
}

}  // namespace

LandLotHotSpot::LandLotHotSpot(int row, int column)
    : RectangleHotSpot(hitDetectionPosition, Locations::LandLotHotSpotBounds(row, column)), row(row), column(column)
{
}

LandLotHotSpot::~LandLotHotSpot() = default;

bool LandLotHotSpot::CanCurrentItemBeUsed() const
{
    return CanItemBeUsed(ItemQueue::CurrentItem(), row, column);
}

bool LandLotHotSpot::CanItemBeUsed(ItemQueue::ItemType item, int row, int column)
{
    switch (item) {
    case ItemQueue::animal: return Inhabitants::CanAnimalBePlaced(row, column);
    case ItemQueue::reverser: return Inhabitants::CanBeReversed(row, column);
    case ItemQueue::clockwiseTurner: return Inhabitants::CanBeTurnedClockwise(row, column);
    case ItemQueue::counterclockwiseTurner: return Inhabitants::CanBeTurnedCounterclockwise(row, column);
    case ItemQueue::death: return Inhabitants::CanBeKilled(row, column);
    case ItemQueue::cloud: return Inhabitants::CanBeFlooded(row, column);
    }
    return false;
}

void LandLotHotSpot::HandleUserMovesOver()
{
    const bool isItemAvailable = ItemQueue::IsAnyItemAvailable();
    const bool canBeUsed = isItemAvailable && CanCurrentItemBeUsed();
    // The ghost follows the item and the lot: it shows the animal that a click would place.
    if (canBeUsed && ItemQueue::CurrentItem() == ItemQueue::animal) {
        ShowGhostAnimal();
    } else {
        ghostAnimalSprite.reset();
    }
    if (!isItemAvailable) {
        SpriteCursorAction::Hide();
        return;
    }
    const CursorType cursor = canBeUsed ? CursorOffering(ItemQueue::CurrentItem()) : CursorType::no;
    SpriteCursorAction::ChangeGraphic(GraphicIDs::Cursor(cursor));
}

void LandLotHotSpot::HandleUserIsStillOver()
{
    // Called on every dispatch, so the feedback follows changes of the item and the board.
    HandleUserMovesOver();
}

void LandLotHotSpot::HandleUserMovesAway()
{
    ghostAnimalSprite.reset();
}

void LandLotHotSpot::ShowGhostAnimal()
{
    const ObjectType animal = ItemQueue::CurrentAnimal();
    const DirectionType direction = ItemQueue::CurrentDirection();
    const ResourceID graphic = Inhabitants::IsFlooded(row, column) ? GraphicIDs::FloodGhostAnimal(animal, direction)
                                                                   : GraphicIDs::GhostAnimal(animal, direction);
    if (ghostAnimalSprite) {
        ghostAnimalSprite->ChangeGraphic(graphic);
    } else {
        ghostAnimalSprite = std::make_unique<Graphic8BitSprite>(
            graphic, Locations::ObjectAnimationPosition(row, column), ghostRenderingOrderPosition);
    }
}

void LandLotHotSpot::HandleUserBeginsSelection()
{
    if (!ItemQueue::IsAnyItemAvailable() || !CanCurrentItemBeUsed()) {
        Sound::PlayAsynchronously(SoundIDs::No(), 0, 1.0, 0.0);
        return;
    }
    AnimateCurrentItem();
    PlayTurn();
}

void LandLotHotSpot::AnimateCurrentItem()
{
    switch (ItemQueue::CurrentItem()) {
    case ItemQueue::animal:
        ghostAnimalSprite.reset();
        InhabitantsAnimator::AnimatePlaceAnimal(ItemQueue::CurrentAnimal(), ItemQueue::CurrentDirection(), row,
                                                column);
        break;
    case ItemQueue::reverser: InhabitantsAnimator::AnimateReverse(row, column); break;
    case ItemQueue::clockwiseTurner: InhabitantsAnimator::AnimateTurnClockwise(row, column); break;
    case ItemQueue::counterclockwiseTurner: InhabitantsAnimator::AnimateTurnCounterclockwise(row, column); break;
    case ItemQueue::death: InhabitantsAnimator::AnimateKill(row, column); break;
    case ItemQueue::cloud: InhabitantsAnimator::AnimateFlood(row, column); break;
    }
}

void LandLotHotSpot::PlayTurn()
{
    ItemQueueAnimator::AnimateUseCurrentItem();
    Scoring::StartAccumulatingCurrentTurnScore();
    ScoringAnimator::AnimateIncrementScore(turnScore);
    Scoring::IncrementTotalTurnsCount();
}
