#include "Marrowmere/InhabitantsAnimator/InhabitantsAnimator.h"

#include "Core/Sprites/Graphic8BitSprite.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/LandLotHotSpot/LandLotHotSpot.h"
#include "Marrowmere/Locations/Locations.h"
#include "Marrowmere/QuiescentAnimationAction/QuiescentAnimationAction.h"
#include "Marrowmere/ScoringAnimator/ScoringAnimator.h"
#include "Marrowmere/Timers/TimerHotSpots.h"

InhabitantsAnimator::VisualElement InhabitantsAnimator::visualElements[rowCount][columnCount] = {};
int InhabitantsAnimator::activeAnimationCount = 0;

void InhabitantsAnimator::SetUp()
{
    Inhabitants::SetUp();
    for (int row = 0; row < rowCount; ++row) {
        for (int column = 0; column < columnCount; ++column) {
            CreateLandLotHotSpot(row, column);
        }
    }
    for (const StartingPlacement& placement : startingPlacements) {
        PlaceAnimal(placement.animal, placement.direction, placement.row, placement.column);
    }
}

void InhabitantsAnimator::TakeDown()
{
    activeAnimationCount = 0;
    for (int row = 0; row < rowCount; ++row) {
        for (int column = 0; column < columnCount; ++column) {
            DestroyLandLotHotSpot(row, column);
            DestroyFloodTimer(row, column);
            DestroyStarvationTimer(row, column);
            DestroyQuiescentAnimationAction(row, column);
        }
    }
    Inhabitants::TakeDown();
}

void InhabitantsAnimator::AdjustForHarborLantern()
{
    RecreateQuiescentAnimationActions();
}

void InhabitantsAnimator::AdjustFor7KGrid()
{
    RecreateQuiescentAnimationActions();
}

void InhabitantsAnimator::RecreateQuiescentAnimationActions()
{
    for (int row = 0; row < rowCount; ++row) {
        for (int column = 0; column < columnCount; ++column) {
            if (visualElements[row][column].quiescentAnimationAction != nullptr) {
                DestroyQuiescentAnimationAction(row, column);
                CreateQuiescentAnimationAction(row, column);
            }
        }
    }
}

// --- Changes of the board ---

void InhabitantsAnimator::PlaceAnimal(ObjectType animal, DirectionType direction, int row, int column)
{
    Inhabitants::PlaceAnimal(animal, direction, row, column);
    CreateQuiescentAnimationAction(row, column);
    // An animal that drowned leaves the lot untimed and gets no dial.
    if (IsTimed(row, column)) {
        CreateStarvationTimer(row, column);
    }
}

void InhabitantsAnimator::Reverse(int row, int column)
{
    Inhabitants::Reverse(row, column);
    CreateQuiescentAnimationAction(row, column);
}

void InhabitantsAnimator::TurnClockwise(int row, int column)
{
    Inhabitants::TurnClockwise(row, column);
    CreateQuiescentAnimationAction(row, column);
}

void InhabitantsAnimator::TurnCounterclockwise(int row, int column)
{
    Inhabitants::TurnCounterclockwise(row, column);
    CreateQuiescentAnimationAction(row, column);
}

void InhabitantsAnimator::Kill(int row, int column)
{
    const bool wasTimed = IsTimed(row, column);
    Inhabitants::Kill(row, column);
    // A swimmer killed in a flood leaves the flood, which has an idle animation of its own.
    CreateQuiescentAnimationAction(row, column);
    UpdateStarvationTimerAfterChange(row, column, wasTimed);
}

void InhabitantsAnimator::Flood(int row, int column)
{
    const bool wasTimed = IsTimed(row, column);
    const bool wasFlooded = IsFlooded(row, column);
    Inhabitants::Flood(row, column);
    CreateQuiescentAnimationAction(row, column);
    UpdateStarvationTimerAfterChange(row, column, wasTimed);
    if (wasFlooded) {
        AdjustFloodTimer(row, column);
    } else {
        CreateFloodTimer(row, column);
    }
}

void InhabitantsAnimator::EvaporateFlood(int row, int column)
{
    Inhabitants::EvaporateFlood(row, column);
    if (IsOccupied(row, column)) {
        CreateQuiescentAnimationAction(row, column);
    }
    DestroyFloodTimer(row, column);
}

void InhabitantsAnimator::MakePredatorEatPrey(int predatorRow, int predatorColumn, int preyRow, int preyColumn)
{
    int points = 0;
    Inhabitants::MakePredatorEatPrey(predatorRow, predatorColumn, preyRow, preyColumn, points);
    ScoringAnimator::AnimateIncrementScore(points, Locations::FloatingScoreIncrementPosition(preyRow, preyColumn));
    // The water the predator left keeps rippling.
    if (IsFlooded(predatorRow, predatorColumn)) {
        CreateQuiescentAnimationAction(predatorRow, predatorColumn);
    }
    CreateQuiescentAnimationAction(preyRow, preyColumn);
    CreateStarvationTimer(preyRow, preyColumn);
}

void InhabitantsAnimator::UpdateStarvationTimerAfterChange(int row, int column, bool wasTimed)
{
    if (IsTimed(row, column)) {
        AdjustStarvationTimer(row, column);
    } else if (wasTimed) {
        DestroyStarvationTimer(row, column);
    }
}

// --- Screen objects of a lot ---

void InhabitantsAnimator::CreateQuiescentAnimationAction(int row, int column)
{
    // A lot never has two: whatever was there goes first.
    DestroyQuiescentAnimationAction(row, column);
    SequencedAction::StartNewSequence();
    visualElements[row][column].quiescentAnimationAction = new QuiescentAnimationAction(
        QuiescentAnimationAction::inhabitantsArea, Locations::ObjectAnimationPosition(row, column), row, column);
}

void InhabitantsAnimator::DestroyQuiescentAnimationAction(int row, int column)
{
    delete visualElements[row][column].quiescentAnimationAction;
    visualElements[row][column].quiescentAnimationAction = nullptr;
}

void InhabitantsAnimator::CreateStarvationTimer(int row, int column)
{
    DestroyStarvationTimer(row, column);
    VisualElement& element = visualElements[row][column];
    element.starvationTimerSprite =
        new Graphic8BitSprite(GraphicIDs::StarvationTimer(StarvationTimeRemaining(row, column)),
                              Locations::StarvationTimerPosition(row, column), timerRenderingOrderPosition);
    element.starvationTimerHotSpot = new StarvationTimerHotSpot(row, column);
}

void InhabitantsAnimator::DestroyStarvationTimer(int row, int column)
{
    VisualElement& element = visualElements[row][column];
    delete element.starvationTimerHotSpot;
    element.starvationTimerHotSpot = nullptr;
    delete element.starvationTimerSprite;
    element.starvationTimerSprite = nullptr;
}

void InhabitantsAnimator::AdjustStarvationTimer(int row, int column)
{
    if (Graphic8BitSprite* sprite = visualElements[row][column].starvationTimerSprite) {
        sprite->ChangeGraphic(GraphicIDs::StarvationTimer(StarvationTimeRemaining(row, column)));
    }
}

void InhabitantsAnimator::CreateFloodTimer(int row, int column)
{
    DestroyFloodTimer(row, column);
    VisualElement& element = visualElements[row][column];
    element.floodTimerSprite = new Graphic8BitSprite(GraphicIDs::FloodTimer(FloodTimeRemaining(row, column)),
                                                     Locations::FloodTimerPosition(row, column),
                                                     timerRenderingOrderPosition);
    element.floodTimerHotSpot = new FloodTimerHotSpot(row, column);
}

void InhabitantsAnimator::DestroyFloodTimer(int row, int column)
{
    VisualElement& element = visualElements[row][column];
    delete element.floodTimerHotSpot;
    element.floodTimerHotSpot = nullptr;
    delete element.floodTimerSprite;
    element.floodTimerSprite = nullptr;
}

void InhabitantsAnimator::AdjustFloodTimer(int row, int column)
{
    if (Graphic8BitSprite* sprite = visualElements[row][column].floodTimerSprite) {
        sprite->ChangeGraphic(GraphicIDs::FloodTimer(FloodTimeRemaining(row, column)));
    }
}

void InhabitantsAnimator::CreateLandLotHotSpot(int row, int column)
{
    DestroyLandLotHotSpot(row, column);
    visualElements[row][column].landLotHotSpot = new LandLotHotSpot(row, column);
}

void InhabitantsAnimator::DestroyLandLotHotSpot(int row, int column)
{
    delete visualElements[row][column].landLotHotSpot;
    visualElements[row][column].landLotHotSpot = nullptr;
}
