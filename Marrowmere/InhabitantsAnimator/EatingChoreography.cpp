#include "Core/Sprites/Graphic8BitSprite.h"
#include "Marrowmere/IDs/AnimationIDs.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/InhabitantsAnimator/InhabitantsAnimatorActions.h"
#include "Marrowmere/ItemQueueAnimator/ItemQueueAnimator.h"
#include "Marrowmere/Locations/Locations.h"
#include "Marrowmere/Scoring/Scoring.h"

#include <cstdlib>

namespace {

// -1, 0 or 1: the step from one coordinate towards another.
int StepTowards(int from, int to)
{
    return to > from ? 1 : (to < from ? -1 : 0);
}

}  // namespace

void InhabitantsAnimator::EatingChoreographyAction::operator()()
{
    if (!IsFirstInvocation()) {
        return;
    }
    const DirectionType predatorDirection = Direction(predatorRow, predatorColumn);
    const DirectionType preyDirection = Direction(preyRow, preyColumn);

    StartNewSequence();
    new DestroyQuiescentAnimationActionAction(preyRow, preyColumn);
    new DestroyStarvationTimerAction(preyRow, preyColumn);
    QueueBoardAnimation(prey == grass ? AnimationIDs::GrassPreparingToBeEaten()
                                      : AnimationIDs::PreyPreparingToBeEaten(prey, preyDirection, predator,
                                                                             predatorDirection),
                        preyRow, preyColumn, preyRenderingOrderPosition);

    // A swimmer eats from its flood in a manner of its own.
    const BoardCue predatorCue =
        predator == swimmer && IsFlooded(predatorRow, predatorColumn)
            ? BoardCue{SoundIDs::SwimmerEatingGrazerFromFlood(),
                       AnimationIDs::SwimmerEatingGrazerFromFlood(predatorDirection)}
            : BoardCue{SoundIDs::PredatorEatingPrey(predator, prey),
                       AnimationIDs::PredatorEatingPrey(predator, prey, predatorDirection)};
    StartNewSequence();
    new DestroyQuiescentAnimationActionAction(predatorRow, predatorColumn);
    new DestroyStarvationTimerAction(predatorRow, predatorColumn);
    QueueBoardCue(predatorCue, Locations::ObjectAnimationPosition(predatorRow, predatorColumn),
                  predatorRenderingOrderPosition, predatorColumn, preyColumn);
    new MakePredatorEatPreyAction(predatorRow, predatorColumn, preyRow, preyColumn);
    new DeletionAction(this);
}

void InhabitantsAnimator::AnimateFlyerEatingSwimmerAction::operator()()
{
    if (!IsFirstInvocation()) {
        return;
    }
    const DirectionType flyerDirection = Direction(flyerRow, flyerColumn);
    const DirectionType swimmerDirection = Direction(swimmerRow, swimmerColumn);
    const int rowStep = StepTowards(flyerRow, swimmerRow);
    const int columnStep = StepTowards(flyerColumn, swimmerColumn);
    const int distance = std::abs(swimmerRow - flyerRow) + std::abs(swimmerColumn - flyerColumn);

    // The swimmer waits while the flyer crosses the lots between them.
    StartNewSequence();
    new DestroyQuiescentAnimationActionAction(swimmerRow, swimmerColumn);
    new DestroyStarvationTimerAction(swimmerRow, swimmerColumn);
    QueueBoardAnimation(AnimationIDs::SwimmerPreparingToWaitToBeEaten(swimmerDirection), swimmerRow, swimmerColumn,
                        preyRenderingOrderPosition);
    for (int waiting = 1; waiting < distance; ++waiting) {
        QueueBoardAnimation(AnimationIDs::SwimmerWaitingToBeEaten(swimmerDirection), swimmerRow, swimmerColumn,
                            preyRenderingOrderPosition);
    }
    QueueBoardAnimation(AnimationIDs::PreyPreparingToBeEaten(swimmer, swimmerDirection, flyer, flyerDirection),
                        swimmerRow, swimmerColumn, preyRenderingOrderPosition);

    StartNewSequence();
    new DestroyQuiescentAnimationActionAction(flyerRow, flyerColumn);
    new DestroyStarvationTimerAction(flyerRow, flyerColumn);
    QueueBoardCue({SoundIDs::FlyerPreparingToEat(), AnimationIDs::FlyerPreparingToEat(flyerDirection)}, flyerRow,
                  flyerColumn, predatorRenderingOrderPosition);
    // From the flyer's own lot up to the one before the lot next to the swimmer.
    int row = flyerRow;
    int column = flyerColumn;
    for (int flight = 1; flight < distance; ++flight) {
        QueueBoardCue({SoundIDs::FlyerFlying(), AnimationIDs::FlyerFlying(flyerDirection)},
                      Locations::ObjectAnimationPosition(row, column), predatorRenderingOrderPosition, column,
                      column + columnStep);
        row += rowStep;
        column += columnStep;
    }
    QueueBoardCue({SoundIDs::PredatorEatingPrey(flyer, swimmer),
                   AnimationIDs::PredatorEatingPrey(flyer, swimmer, flyerDirection)},
                  Locations::ObjectAnimationPosition(row, column), predatorRenderingOrderPosition, column,
                  swimmerColumn);
    new MakePredatorEatPreyAction(flyerRow, flyerColumn, swimmerRow, swimmerColumn);
    new DeletionAction(this);
}

void InhabitantsAnimator::MakePredatorEatPreyAction::operator()()
{
    if (!IsFirstInvocation()) {
        return;
    }
    const int chainsBefore =
        CompleteChainsCount(preyRow, preyColumn) + CompleteChainsCount(predatorRow, predatorColumn);
    InhabitantsAnimator::MakePredatorEatPrey(predatorRow, predatorColumn, preyRow, preyColumn);
    const bool completedChain = CompleteChainsCount(preyRow, preyColumn) > chainsBefore;
    // The extra pick and its blinking count start in a sequence of their own, before the
    // message's sequence is started, so that this action waits for the message alone.
    if (completedChain) {
        ItemQueueAnimator::AnimateIncrementPickCount(1);
        Scoring::IncrementCompleteChainsCount();
    }
    StartNewSequence();
    if (completedChain) {
        new Graphic8BitSprite::AnimationAction(AnimationIDs::CompleteChainMessage(),
                                               Locations::CompleteChainMessagePosition(preyRow, preyColumn),
                                               completeChainMessageRenderingOrderPosition);
    }
    new DeletionAction(this);
}
