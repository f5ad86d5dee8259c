#include "Core/Sprites/Graphic8BitSprite.h"
#include "Marrowmere/IDs/AnimationIDs.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/InhabitantsAnimator/InhabitantsAnimatorActions.h"

void InhabitantsAnimator::BeginPlayerAction(int row, int column)
{
    MarkAsUnresolved();
    SequencedAction::StartNewSequence();
    new DestroyQuiescentAnimationActionAction(row, column);
}

void InhabitantsAnimator::AnimatePlaceAnimal(ObjectType animal, DirectionType direction, int row, int column)
{
    BeginPlayerAction(row, column);
    // An animal placed on dry land simply appears; entering a flood is shown.
    if (IsFlooded(row, column)) {
        QueueBoardCue({SoundIDs::AnimalEnteringFlood(animal), AnimationIDs::AnimalEnteringFlood(animal, direction)},
                      row, column, actionRenderingOrderPosition);
    }
    new PlaceAnimalAction(animal, direction, row, column);
    new ResolveAction;
}

void InhabitantsAnimator::AnimateReverse(int row, int column)
{
    const ObjectType animal = Object(row, column);
    const DirectionType direction = Direction(row, column);
    BeginPlayerAction(row, column);
    QueueBoardCue(IsSwimmerInFlood(row, column)
                      ? BoardCue{SoundIDs::SwimmerReversingInFlood(), AnimationIDs::SwimmerReversingInFlood(direction)}
                      : BoardCue{SoundIDs::AnimalReversing(animal), AnimationIDs::AnimalReversing(animal, direction)},
                  row, column, actionRenderingOrderPosition);
    new ReverseAction(row, column);
    new ResolveAction;
}

void InhabitantsAnimator::AnimateTurnClockwise(int row, int column)
{
    const ObjectType animal = Object(row, column);
    const DirectionType direction = Direction(row, column);
    BeginPlayerAction(row, column);
    QueueBoardCue(IsSwimmerInFlood(row, column)
                      ? BoardCue{SoundIDs::SwimmerTurningClockwiseInFlood(),
                                 AnimationIDs::SwimmerTurningClockwiseInFlood(direction)}
                      : BoardCue{SoundIDs::AnimalTurningClockwise(animal),
                                 AnimationIDs::AnimalTurningClockwise(animal, direction)},
                  row, column, actionRenderingOrderPosition);
    new TurnClockwiseAction(row, column);
    new ResolveAction;
}

void InhabitantsAnimator::AnimateTurnCounterclockwise(int row, int column)
{
    const ObjectType animal = Object(row, column);
    const DirectionType direction = Direction(row, column);
    BeginPlayerAction(row, column);
    QueueBoardCue(IsSwimmerInFlood(row, column)
                      ? BoardCue{SoundIDs::SwimmerTurningCounterclockwiseInFlood(),
                                 AnimationIDs::SwimmerTurningCounterclockwiseInFlood(direction)}
                      : BoardCue{SoundIDs::AnimalTurningCounterclockwise(animal),
                                 AnimationIDs::AnimalTurningCounterclockwise(animal, direction)},
                  row, column, actionRenderingOrderPosition);
    new TurnCounterclockwiseAction(row, column);
    new ResolveAction;
}

void InhabitantsAnimator::AnimateKill(int row, int column)
{
    const BoardCue cue = KillCue(row, column);
    BeginPlayerAction(row, column);
    QueueBoardCue(cue, row, column, actionRenderingOrderPosition);
    new KillAction(row, column);
    new ResolveAction;
}

void InhabitantsAnimator::AnimateFlood(int row, int column)
{
    const BoardCue cue = FloodCue(row, column);
    BeginPlayerAction(row, column);
    QueueBoardCue(cue, row, column, actionRenderingOrderPosition);
    new FloodAction(row, column);
    new ResolveAction;
}

void InhabitantsAnimator::PlaceAnimalAction::operator()()
{
    InhabitantsAnimator::PlaceAnimal(animal, direction, row, column);
    delete this;
}
