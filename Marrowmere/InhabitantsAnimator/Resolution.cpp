#include "Core/GameState/GameState.h"
#include "Marrowmere/GameOverAction/GameOverAction.h"
#include "Marrowmere/InhabitantsAnimator/InhabitantsAnimatorActions.h"
#include "Marrowmere/ItemQueueAnimator/ItemQueueAnimator.h"
#include "Marrowmere/Scoring/Scoring.h"

#include <bit>

namespace {

// Calls visit(row, column) for every lot of the set, row-major.
template <typename Visit>
void ForEachLot(Inhabitants::LotSet lots, Visit visit)
{
    for (; lots != 0; lots &= lots - 1) {
        const int index = std::countr_zero(lots);
        visit(Inhabitants::RowOfLot(index), Inhabitants::ColumnOfLot(index));
    }
}

}  // namespace

void InhabitantsAnimator::ResolveAction::operator()()
{
    if (!IsFirstInvocation()) {
        return;
    }
    Inhabitants::ResetScoringInformation();
    StartNewSequence();
    new ResolveEatingAction;
    new ResolveStarvationTimeRemainingAction;
    new ResolveEatingAction;
    new ResolveFloodTimeRemainingAction;
    new ResolveEatingAction;
    new StopAccumulatingCurrentTurnScoreAction;
    new TallyEatingsAction;
    new CheckIfGameIsOverAction;
    new ChooseNextQueueItemAction;
    new MarkAsResolvedAction;
    new DeletionAction(this);
}

void InhabitantsAnimator::ResolveEatingAction::operator()()
{
    // The eatings of the last pass play out first; they change the board at their end.
    if (IsAnimating()) {
        return;
    }
    using Scan = void (*)(bool&);
    static constexpr Scan scans[] = {
        &ResolveSwimmersEatingGrazers,  &ResolveGrazersEatingCannibals,   &ResolveGrazersEatingGrass,
        &ResolveCannibalsEatingFlyers, &ResolveCannibalsEatingCannibals, &ResolveFlyersEatingSwimmers,
    };
    for (Scan scan : scans) {
        bool didAnythingEat = false;
        scan(didAnythingEat);
        if (didAnythingEat) {
            return;  // the next pass starts from the first kind once these eatings are over
        }
    }
    delete this;
}

template <typename Choreography, typename... Arguments>
void InhabitantsAnimator::StartCountedAnimation(Arguments... arguments)
{
    IncrementActiveAnimationCount();
    SequencedAction::StartNewSequence();
    new Choreography(arguments...);
    new DecrementActiveAnimationCountAction;
}

template <typename Choreography>
void InhabitantsAnimator::ResolveEatings(ObjectType predator, bool (*canEat)(int, int, int&, int&),
                                         bool& didAnythingEat)
{
    didAnythingEat = false;
    // Every eating waits in a queued action, so all of the kind's eatings are decided on the
    // same board.
    ForEachLot(LotsHolding(predator), [&](int row, int column) {
        int preyRow = 0;
        int preyColumn = 0;
        if (canEat(row, column, preyRow, preyColumn)) {
            StartCountedAnimation<Choreography>(row, column, preyRow, preyColumn);
            didAnythingEat = true;
        }
    });
}

void InhabitantsAnimator::ResolveSwimmersEatingGrazers(bool& didAnythingEat)
{
    ResolveEatings<AnimateSwimmerEatingGrazerAction>(swimmer, &CanSwimmerEatGrazer, didAnythingEat);
}

void InhabitantsAnimator::ResolveGrazersEatingCannibals(bool& didAnythingEat)
{
    ResolveEatings<AnimateGrazerEatingCannibalAction>(grazer, &CanGrazerEatCannibal, didAnythingEat);
}

void InhabitantsAnimator::ResolveGrazersEatingGrass(bool& didAnythingEat)
{
    ResolveEatings<AnimateGrazerEatingGrassAction>(grazer, &CanGrazerEatGrass, didAnythingEat);
}

void InhabitantsAnimator::ResolveCannibalsEatingFlyers(bool& didAnythingEat)
{
    ResolveEatings<AnimateCannibalEatingFlyerAction>(cannibal, &CanCannibalEatFlyer, didAnythingEat);
}

void InhabitantsAnimator::ResolveCannibalsEatingCannibals(bool& didAnythingEat)
{
    ResolveEatings<AnimateCannibalEatingCannibalAction>(cannibal, &CanCannibalEatCannibal, didAnythingEat);
}

void InhabitantsAnimator::ResolveFlyersEatingSwimmers(bool& didAnythingEat)
{
    ResolveEatings<AnimateFlyerEatingSwimmerAction>(flyer, &CanFlyerEatSwimmer, didAnythingEat);
}

void InhabitantsAnimator::ResolveStarvationTimeRemainingAction::operator()()
{
    if (IsFirstInvocation()) {
        ForEachLot(OccupiedLots(), [](int row, int column) {
            if (IsTimed(row, column) && !HasEaten(row, column)) {
                DecrementStarvationTimeRemaining(row, column);
                AdjustStarvationTimer(row, column);
            }
        });
        // The starved die together, each in a sequence of its own.
        ForEachLot(OccupiedLots(), [](int row, int column) {
            if (IsTimed(row, column) && StarvationTimeRemaining(row, column) == 0) {
                StartCountedAnimation<AnimateAnimalDyingAction>(row, column);
            }
        });
    }
    if (!IsAnimating()) {
        delete this;
    }
}

void InhabitantsAnimator::ResolveFloodTimeRemainingAction::operator()()
{
    if (IsFirstInvocation()) {
        ForEachLot(FloodedLots(), [](int row, int column) {
            DecrementFloodTimeRemaining(row, column);
            AdjustFloodTimer(row, column);
        });
        ForEachLot(FloodedLots(), [](int row, int column) {
            if (FloodTimeRemaining(row, column) == 0) {
                StartCountedAnimation<AnimateFloodEvaporatingAction>(row, column);
            }
        });
    }
    if (!IsAnimating()) {
        delete this;
    }
}

void InhabitantsAnimator::AnimateAnimalDyingAction::operator()()
{
    if (!IsFirstInvocation()) {
        return;
    }
    const BoardCue cue = KillCue(row, column);
    StartNewSequence();
    new DestroyQuiescentAnimationActionAction(row, column);
    // The dial stays: the kill adjusts or removes it.
    QueueBoardCue(cue, row, column, actionRenderingOrderPosition);
    new KillAction(row, column);
    new DeletionAction(this);
}

void InhabitantsAnimator::AnimateFloodEvaporatingAction::operator()()
{
    if (!IsFirstInvocation()) {
        return;
    }
    const BoardCue cue = EvaporationCue(row, column);
    StartNewSequence();
    new DestroyQuiescentAnimationActionAction(row, column);
    QueueBoardCue(cue, row, column, actionRenderingOrderPosition);
    new EvaporateFloodAction(row, column);
    new DeletionAction(this);
}

void InhabitantsAnimator::StopAccumulatingCurrentTurnScoreAction::operator()()
{
    Scoring::StopAccumulatingCurrentTurnScore();
    delete this;
}

void InhabitantsAnimator::TallyEatingsAction::operator()()
{
    ForEachLot(OccupiedLots(), [](int row, int column) { Scoring::TallyEatings(EatingsCount(row, column)); });
    delete this;
}

void InhabitantsAnimator::CheckIfGameIsOverAction::operator()()
{
    if (IsGameOver()) {
        StartNewSequence();
        new GameOverAction;
    }
    delete this;
}

void InhabitantsAnimator::ChooseNextQueueItemAction::operator()()
{
    if (GameState::State() != GameState::endingGame) {
        ItemQueueAnimator::AnimateChooseNextItem();
    }
    delete this;
}
