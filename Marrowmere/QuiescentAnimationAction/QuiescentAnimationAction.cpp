#include "Marrowmere/QuiescentAnimationAction/QuiescentAnimationAction.h"

#include "Core/Math/Math.h"
#include "Core/Resource/IdleEventsBlock.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/Inhabitants/Inhabitants.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"

bool QuiescentAnimationAction::areAnimationsActive = true;

QuiescentAnimationAction::QuiescentAnimationAction(LocationType location, const Point2D& position, int row,
                                                   int column)
    : position(position), stillPictureID(GetResourceID(location, row, column)),
      sprite(new Graphic8BitSprite(stillPictureID, position, renderingOrderPosition))
{
    ReadEventsResource(stillPictureID);
}

QuiescentAnimationAction::~QuiescentAnimationAction()
{
    // The idle animation's sequence still holds its last action while it plays, so it is alive.
    if (isAnimating) {
        delete animationSequence;
    }
    delete sprite;
}

ResourceID QuiescentAnimationAction::GetResourceID(LocationType location, int row, int column)
{
    if (location == queueArea) {
        switch (ItemQueue::CurrentItem()) {
        case ItemQueue::animal: return GraphicIDs::Object(ItemQueue::CurrentAnimal(), ItemQueue::CurrentDirection());
        case ItemQueue::reverser: return GraphicIDs::Reverser();
        case ItemQueue::clockwiseTurner: return GraphicIDs::ClockwiseTurner();
        case ItemQueue::counterclockwiseTurner: return GraphicIDs::CounterclockwiseTurner();
        case ItemQueue::death: return GraphicIDs::Death();
        case ItemQueue::cloud: return GraphicIDs::Cloud();
        }
    }
    if (!Inhabitants::IsOccupied(row, column)) {
        // Only a flooded empty lot has an idle animation.
        return GraphicIDs::Flood();
    }
    const ObjectType object = Inhabitants::Object(row, column);
    const DirectionType direction = Inhabitants::Direction(row, column);
    if (!Inhabitants::IsFlooded(row, column)) {
        return GraphicIDs::Object(object, direction);
    }
    // Only a swimmer or a tree stands in a flood.
    return object == swimmer ? GraphicIDs::FloodedSwimmer(direction) : GraphicIDs::FloodedTree();
}

void QuiescentAnimationAction::ReadEventsResource(ResourceID resourceID)
{
    // A missing or malformed table has been reported by its reader and gives no events.
    for (const IdleEventsBlock::Event& read : IdleEventsBlock::Read(resourceID).events) {
        // The first occurrence comes within the variance of the start.
        events.push_back({read.animationID, read.period, read.variance, read.chanceOfOccurring,
                          ChooseEventTime(0.0, read.variance)});
    }
}

double QuiescentAnimationAction::ChooseEventTime(double period, double variance) const
{
    return ElapsedTime() + period + RandomNumber(-variance, variance);
}

void QuiescentAnimationAction::operator()()
{
    if (isAnimating) {
        return;
    }
    const double now = ElapsedTime();
    for (Event& event : events) {
        if (now < event.nextOccurrenceTime) {
            continue;
        }
        event.nextOccurrenceTime = ChooseEventTime(event.period, event.variance);
        if (areAnimationsActive && RandomNumber() <= event.chanceOfOccurring) {
            Play(event);
            return;
        }
    }
}

void QuiescentAnimationAction::Play(const Event& event)
{
    isAnimating = true;
    StartNewSequence();
    animationSequence = CurrentSequence();
    new Sprite::HideAction(sprite);
    new Graphic8BitSprite::AnimationAction(event.animationID, position, renderingOrderPosition);
    new Sprite::ShowAction(sprite);
    new ChangeIsAnimatingStatusAction(this, false);
}

void QuiescentAnimationAction::ChangeIsAnimatingStatusAction::operator()()
{
    controlledAction->isAnimating = status;
    if (!status) {
        // The sequence ends with this action; the scheduler destroys it at the end of the pump.
        controlledAction->animationSequence = nullptr;
    }
    delete this;
}
