#pragma once

#include "Marrowmere/Inhabitants/Inhabitants.h"

class FloodTimerHotSpot;
class Graphic8BitSprite;
class LandLotHotSpot;
class QuiescentAnimationAction;
class StarvationTimerHotSpot;

// Makes every change of the board visible and audible and resolves each turn in time. For a
// player's action it queues a chain of scheduled actions that removes the lot's idle
// animation, plays the action's sound and animation, changes the board, rebuilds the lot's
// idle animation and timer dials, and then resolves the turn in the board's logical order:
// eating passes, starvation, eating, floods, eating, the score's bookkeeping, the end-of-game
// test and the next item. Each step lasts as long as its animations and no longer; an
// animation without frames ends at once, so the turn resolves also without pictures.
//
// It owns every per-lot screen object (idle animation, timer dials and their hot spots, the
// lot's hot spot) and is the only writer of the board. One board per process: all static.
class InhabitantsAnimator : public Inhabitants {
public:
    // The screen objects of one lot; each pointer owns its object and is null when there is none.
    struct VisualElement {
        QuiescentAnimationAction* quiescentAnimationAction;
        Graphic8BitSprite* starvationTimerSprite;
        Graphic8BitSprite* floodTimerSprite;
        LandLotHotSpot* landLotHotSpot;
        StarvationTimerHotSpot* starvationTimerHotSpot;
        FloodTimerHotSpot* floodTimerHotSpot;
    };

    // A new board with the eight starting animals, their idle animations and dials, and the
    // 25 lot hot spots. No turn is resolved for the starting animals.
    static void SetUp();
    // Removes every screen object of the board; what is still queued in the scheduler is the
    // caller's to remove (the game's take-down removes every action next).
    static void TakeDown();

    // An eating, dying or evaporating animation is in progress.
    static bool IsAnimating() { return activeAnimationCount > 0; }

    // The player's actions, once the lot's test allows them. Each marks the board unresolved
    // at once; the board is resolved again when the whole turn has been played out.
    static void AnimatePlaceAnimal(ObjectType animal, DirectionType direction, int row, int column);
    static void AnimateReverse(int row, int column);
    static void AnimateTurnClockwise(int row, int column);
    static void AnimateTurnCounterclockwise(int row, int column);
    static void AnimateKill(int row, int column);
    static void AnimateFlood(int row, int column);

    // The hidden modes changed which pictures the idle animations use: every lot's idle
    // animation is made anew.
    static void AdjustForHarborLantern();
    static void AdjustFor7KGrid();

    static const VisualElement& VisualElementOf(int row, int column) { return visualElements[row][column]; }

    static constexpr int actionRenderingOrderPosition = 1;
    static constexpr int preyRenderingOrderPosition = 4;
    static constexpr int predatorRenderingOrderPosition = 5;
    static constexpr int timerRenderingOrderPosition = 6;
    static constexpr int completeChainMessageRenderingOrderPosition = 10;

    // The scheduled steps (defined in InhabitantsAnimatorActions.h).
    class PlaceAnimalAction;
    class ReverseAction;
    class TurnClockwiseAction;
    class TurnCounterclockwiseAction;
    class KillAction;
    class FloodAction;
    class EvaporateFloodAction;
    class DestroyQuiescentAnimationActionAction;
    class DestroyStarvationTimerAction;
    class MarkAsResolvedAction;
    class DecrementActiveAnimationCountAction;
    class ResolveAction;
    class ResolveEatingAction;
    class ResolveStarvationTimeRemainingAction;
    class ResolveFloodTimeRemainingAction;
    class StopAccumulatingCurrentTurnScoreAction;
    class TallyEatingsAction;
    class CheckIfGameIsOverAction;
    class ChooseNextQueueItemAction;
    class EatingChoreographyAction;
    class AnimateSwimmerEatingGrazerAction;
    class AnimateGrazerEatingCannibalAction;
    class AnimateGrazerEatingGrassAction;
    class AnimateCannibalEatingFlyerAction;
    class AnimateCannibalEatingCannibalAction;
    class AnimateFlyerEatingSwimmerAction;
    class MakePredatorEatPreyAction;
    class AnimateAnimalDyingAction;
    class AnimateFloodEvaporatingAction;

protected:
    // The board's changes, each followed by bringing the lot's screen objects up to date.
    // Only the scheduled steps make them during a game; tests build positions with them.
    static void PlaceAnimal(ObjectType animal, DirectionType direction, int row, int column);
    static void Reverse(int row, int column);
    static void TurnClockwise(int row, int column);
    static void TurnCounterclockwise(int row, int column);
    static void Kill(int row, int column);
    static void Flood(int row, int column);
    static void EvaporateFlood(int row, int column);
    static void MakePredatorEatPrey(int predatorRow, int predatorColumn, int preyRow, int preyColumn);
    // Removes a lot's idle animation and dials.
    static void DestroyQuiescentAnimationAction(int row, int column);
    static void DestroyStarvationTimer(int row, int column);
    static void DestroyFloodTimer(int row, int column);

private:
    static void IncrementActiveAnimationCount() { ++activeAnimationCount; }
    static void DecrementActiveAnimationCount() { --activeAnimationCount; }

    static void CreateQuiescentAnimationAction(int row, int column);
    static void CreateStarvationTimer(int row, int column);
    static void AdjustStarvationTimer(int row, int column);
    static void CreateFloodTimer(int row, int column);
    static void AdjustFloodTimer(int row, int column);
    static void CreateLandLotHotSpot(int row, int column);
    static void DestroyLandLotHotSpot(int row, int column);
    static void RecreateQuiescentAnimationActions();
    // Starvation timer after a change: adjusted when the lot is timed now, removed when it
    // no longer is.
    static void UpdateStarvationTimerAfterChange(int row, int column, bool wasTimed);

    // A player's action up to its sound and animation: the board unresolved, a new sequence,
    // the lot's idle animation removed.
    static void BeginPlayerAction(int row, int column);

    // The six scans of an eating pass, in the order a pass tries them.
    static void ResolveSwimmersEatingGrazers(bool& didAnythingEat);
    static void ResolveGrazersEatingCannibals(bool& didAnythingEat);
    static void ResolveGrazersEatingGrass(bool& didAnythingEat);
    static void ResolveCannibalsEatingFlyers(bool& didAnythingEat);
    static void ResolveCannibalsEatingCannibals(bool& didAnythingEat);
    static void ResolveFlyersEatingSwimmers(bool& didAnythingEat);
    // Starts the choreography of every eating of one kind found on the board as it stands.
    template <typename Choreography>
    static void ResolveEatings(ObjectType predator, bool (*canEat)(int, int, int&, int&), bool& didAnythingEat);
    // Starts a choreography in a sequence of its own, counted as an active animation.
    template <typename Choreography, typename... Arguments>
    static void StartCountedAnimation(Arguments... arguments);

    static VisualElement visualElements[rowCount][columnCount];
    static int activeAnimationCount;
};
