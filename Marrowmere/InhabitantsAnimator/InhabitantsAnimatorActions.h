#pragma once

// The scheduled steps of the board's animator. Private to the animator's sources: everybody
// else starts them through InhabitantsAnimator's public operations.

#include "Core/Point/Point2D.h"
#include "Core/Resource/ResourceType.h"
#include "Core/SequencedActions/SequencedAction.h"
#include "Marrowmere/InhabitantsAnimator/InhabitantsAnimator.h"

// A sound that plays alongside what follows it, and the animation that follows.
struct BoardCue {
    ResourceID soundID;
    ResourceID animationID;
};

// Queues the sound cue (which never holds up its chain) and the animation in the current
// sequence, with the sound panned between the two columns.
void QueueBoardCue(const BoardCue& cue, const Point2D& position, int renderingOrderPosition, int column,
                   int otherColumn);
void QueueBoardCue(const BoardCue& cue, int row, int column, int renderingOrderPosition);
void QueueBoardAnimation(ResourceID animationID, int row, int column, int renderingOrderPosition);

bool IsSwimmerInFlood(int row, int column);

// The sound and animation of killing, flooding or drying up the lot as it stands now.
BoardCue KillCue(int row, int column);
BoardCue FloodCue(int row, int column);
BoardCue EvaporationCue(int row, int column);

// A step that calls one of the animator's operations on one lot and finishes.
template <void (*Operation)(int, int)>
class LotOperationAction : public SequencedAction {
public:
    LotOperationAction(int row, int column) : row(row), column(column) {}
    void operator()() override
    {
        Operation(row, column);
        delete this;
    }

private:
    int row;
    int column;
};

// A step that calls one operation without arguments and finishes.
template <void (*Operation)()>
class OperationAction : public SequencedAction {
public:
    void operator()() override
    {
        Operation();
        delete this;
    }
};

class InhabitantsAnimator::PlaceAnimalAction : public SequencedAction {
public:
    PlaceAnimalAction(ObjectType animal, DirectionType direction, int row, int column)
        : animal(animal), direction(direction), row(row), column(column) {}
    void operator()() override;

private:
    ObjectType animal;
    DirectionType direction;
    int row;
    int column;
};

class InhabitantsAnimator::ReverseAction : public LotOperationAction<&InhabitantsAnimator::Reverse> {
    using LotOperationAction::LotOperationAction;
};
class InhabitantsAnimator::TurnClockwiseAction : public LotOperationAction<&InhabitantsAnimator::TurnClockwise> {
    using LotOperationAction::LotOperationAction;
};
class InhabitantsAnimator::TurnCounterclockwiseAction
    : public LotOperationAction<&InhabitantsAnimator::TurnCounterclockwise> {
    using LotOperationAction::LotOperationAction;
};
class InhabitantsAnimator::KillAction : public LotOperationAction<&InhabitantsAnimator::Kill> {
    using LotOperationAction::LotOperationAction;
};
class InhabitantsAnimator::FloodAction : public LotOperationAction<&InhabitantsAnimator::Flood> {
    using LotOperationAction::LotOperationAction;
};
class InhabitantsAnimator::EvaporateFloodAction : public LotOperationAction<&InhabitantsAnimator::EvaporateFlood> {
    using LotOperationAction::LotOperationAction;
};
class InhabitantsAnimator::DestroyQuiescentAnimationActionAction
    : public LotOperationAction<&InhabitantsAnimator::DestroyQuiescentAnimationAction> {
    using LotOperationAction::LotOperationAction;
};
class InhabitantsAnimator::DestroyStarvationTimerAction
    : public LotOperationAction<&InhabitantsAnimator::DestroyStarvationTimer> {
    using LotOperationAction::LotOperationAction;
};

class InhabitantsAnimator::MarkAsResolvedAction : public OperationAction<&Inhabitants::MarkAsResolved> {};
class InhabitantsAnimator::DecrementActiveAnimationCountAction
    : public OperationAction<&InhabitantsAnimator::DecrementActiveAnimationCount> {};

// The resolution of a turn: queues its phases in a sequence of its own and stays at the head
// of its chain until the last of them has run.
class InhabitantsAnimator::ResolveAction : public SequencedAction {
public:
    void operator()() override;
};

// One eating phase: waits for running eatings, then makes a pass; finishes when a pass finds
// nothing that eats.
class InhabitantsAnimator::ResolveEatingAction : public SequencedAction {
public:
    void operator()() override;
};

// Counts every hungry creature's time down and lets the starved die, all together; finishes
// when their dying is over.
class InhabitantsAnimator::ResolveStarvationTimeRemainingAction : public SequencedAction {
public:
    void operator()() override;
};

// Counts every flood down and dries up the expired ones, all together; finishes when their
// drying is over.
class InhabitantsAnimator::ResolveFloodTimeRemainingAction : public SequencedAction {
public:
    void operator()() override;
};

class InhabitantsAnimator::StopAccumulatingCurrentTurnScoreAction : public SequencedAction {
public:
    void operator()() override;
};

class InhabitantsAnimator::TallyEatingsAction : public SequencedAction {
public:
    void operator()() override;
};

// Starts the game-over screen in a sequence of its own when the game is over.
class InhabitantsAnimator::CheckIfGameIsOverAction : public SequencedAction {
public:
    void operator()() override;
};

// Offers the next item, unless the game is ending.
class InhabitantsAnimator::ChooseNextQueueItemAction : public SequencedAction {
public:
    void operator()() override;
};

// The choreography of one eating at distance 1: the prey prepares to be eaten in one
// sequence while the predator, in another, eats it and then moves into its lot.
class InhabitantsAnimator::EatingChoreographyAction : public SequencedAction {
public:
    void operator()() override;

protected:
    EatingChoreographyAction(ObjectType predator, ObjectType prey, int predatorRow, int predatorColumn, int preyRow,
                             int preyColumn)
        : predator(predator), prey(prey), predatorRow(predatorRow), predatorColumn(predatorColumn), preyRow(preyRow),
          preyColumn(preyColumn) {}

private:
    ObjectType predator;
    ObjectType prey;
    int predatorRow;
    int predatorColumn;
    int preyRow;
    int preyColumn;
};

class InhabitantsAnimator::AnimateSwimmerEatingGrazerAction : public EatingChoreographyAction {
public:
    AnimateSwimmerEatingGrazerAction(int swimmerRow, int swimmerColumn, int grazerRow, int grazerColumn)
        : EatingChoreographyAction(swimmer, grazer, swimmerRow, swimmerColumn, grazerRow, grazerColumn) {}
};
class InhabitantsAnimator::AnimateGrazerEatingCannibalAction : public EatingChoreographyAction {
public:
    AnimateGrazerEatingCannibalAction(int grazerRow, int grazerColumn, int cannibalRow, int cannibalColumn)
        : EatingChoreographyAction(grazer, cannibal, grazerRow, grazerColumn, cannibalRow, cannibalColumn) {}
};
class InhabitantsAnimator::AnimateGrazerEatingGrassAction : public EatingChoreographyAction {
public:
    AnimateGrazerEatingGrassAction(int grazerRow, int grazerColumn, int grassRow, int grassColumn)
        : EatingChoreographyAction(grazer, grass, grazerRow, grazerColumn, grassRow, grassColumn) {}
};
class InhabitantsAnimator::AnimateCannibalEatingFlyerAction : public EatingChoreographyAction {
public:
    AnimateCannibalEatingFlyerAction(int cannibalRow, int cannibalColumn, int flyerRow, int flyerColumn)
        : EatingChoreographyAction(cannibal, flyer, cannibalRow, cannibalColumn, flyerRow, flyerColumn) {}
};
class InhabitantsAnimator::AnimateCannibalEatingCannibalAction : public EatingChoreographyAction {
public:
    AnimateCannibalEatingCannibalAction(int predatorRow, int predatorColumn, int preyRow, int preyColumn)
        : EatingChoreographyAction(cannibal, cannibal, predatorRow, predatorColumn, preyRow, preyColumn) {}
};

// A flyer's flight to a swimmer any distance ahead: the swimmer prepares and waits while the
// flyer crosses the lots between them, then the flyer eats it from the lot next to it.
class InhabitantsAnimator::AnimateFlyerEatingSwimmerAction : public SequencedAction {
public:
    AnimateFlyerEatingSwimmerAction(int flyerRow, int flyerColumn, int swimmerRow, int swimmerColumn)
        : flyerRow(flyerRow), flyerColumn(flyerColumn), swimmerRow(swimmerRow), swimmerColumn(swimmerColumn) {}
    void operator()() override;

private:
    int flyerRow;
    int flyerColumn;
    int swimmerRow;
    int swimmerColumn;
};

// The eating itself, and the complete-chain message with its extra pick when the eating
// completed a chain; holds its chain until the message has played.
class InhabitantsAnimator::MakePredatorEatPreyAction : public SequencedAction {
public:
    MakePredatorEatPreyAction(int predatorRow, int predatorColumn, int preyRow, int preyColumn)
        : predatorRow(predatorRow), predatorColumn(predatorColumn), preyRow(preyRow), preyColumn(preyColumn) {}
    void operator()() override;

private:
    int predatorRow;
    int predatorColumn;
    int preyRow;
    int preyColumn;
};

// A starved creature dies: the kill's sound and animation, then the kill.
class InhabitantsAnimator::AnimateAnimalDyingAction : public SequencedAction {
public:
    AnimateAnimalDyingAction(int row, int column) : row(row), column(column) {}
    void operator()() override;

private:
    int row;
    int column;
};

// An expired flood dries up: its sound and animation, then the evaporation.
class InhabitantsAnimator::AnimateFloodEvaporatingAction : public SequencedAction {
public:
    AnimateFloodEvaporatingAction(int row, int column) : row(row), column(column) {}
    void operator()() override;

private:
    int row;
    int column;
};
