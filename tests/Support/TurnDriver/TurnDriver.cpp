#include "tests/Support/TurnDriver/TurnDriver.h"

#include "Core/Math/Math.h"
#include "Core/Math/RandomGenerator.h"
#include "Marrowmere/Scoring/Scoring.h"

bool TurnDriver::hasGameEnded = false;

namespace {

using EatingTest = bool (*)(int, int, int&, int&);

struct EatingKind {
    ObjectType predator;
    EatingTest canEat;
};

// The six kinds of eating in the order every pass tries them.
constexpr EatingKind eatingKinds[] = {
    {swimmer, &Inhabitants::CanSwimmerEatGrazer},   {grazer, &Inhabitants::CanGrazerEatCannibal},
    {grazer, &Inhabitants::CanGrazerEatGrass},      {cannibal, &Inhabitants::CanCannibalEatFlyer},
    {cannibal, &Inhabitants::CanCannibalEatCannibal}, {flyer, &Inhabitants::CanFlyerEatSwimmer},
};
constexpr int eatingKindCount = sizeof eatingKinds / sizeof eatingKinds[0];

struct Eating {
    int predatorRow;
    int predatorColumn;
    int preyRow;
    int preyColumn;
};

}  // namespace

void TurnDriver::NewEmptyGame()
{
    Inhabitants::SetUp();
    Scoring::SetUp();
    ItemQueue::SetUp();
    ItemQueue::ChooseNextItem();
    ItemQueue::MakeCurrentItemAvailable();
    ItemQueue::SetPickCount(1);
    hasGameEnded = false;
}

void TurnDriver::NewGame()
{
    NewEmptyGame();
    for (const StartingPlacement& placement : startingPlacements) {
        PlaceAnimal(placement.animal, placement.direction, placement.row, placement.column);
    }
}

void TurnDriver::NewGame(std::uint32_t seed)
{
    RandomGenerator::Seed(seed);
    NewGame();
}

bool TurnDriver::HasGameEnded()
{
    return hasGameEnded;
}

void TurnDriver::PlaceGrass(int row, int column)
{
    // An animal killed on dry land becomes grass.
    PlaceAnimal(grazer, up, row, column);
    Kill(row, column);
}

void TurnDriver::PlaceTree(int row, int column)
{
    PlaceGrass(row, column);
    Kill(row, column);
}

bool TurnDriver::IsLegalMove(int row, int column)
{
    if (hasGameEnded || !ItemQueue::IsAnyItemAvailable() || !IsValidPosition(row, column)) {
        return false;
    }
    switch (ItemQueue::CurrentItem()) {
    case ItemQueue::animal: return CanAnimalBePlaced(row, column);
    case ItemQueue::reverser: return CanBeReversed(row, column);
    case ItemQueue::clockwiseTurner: return CanBeTurnedClockwise(row, column);
    case ItemQueue::counterclockwiseTurner: return CanBeTurnedCounterclockwise(row, column);
    case ItemQueue::death: return CanBeKilled(row, column);
    case ItemQueue::cloud: return CanBeFlooded(row, column);
    }
    return false;
}

int TurnDriver::LegalMoves(Move (&moves)[rowCount * columnCount])
{
    int count = 0;
    for (int row = 0; row < RowCount(); ++row) {
        for (int column = 0; column < ColumnCount(); ++column) {
            if (IsLegalMove(row, column)) {
                moves[count++] = {row, column};
            }
        }
    }
    return count;
}

bool TurnDriver::ChooseRandomLegalMove(Move& move)
{
    Move moves[rowCount * columnCount];
    const int count = LegalMoves(moves);
    if (count == 0) {
        return false;
    }
    move = moves[RandomNumber(0, count - 1)];
    return true;
}

bool TurnDriver::UsePick(ItemQueue::ItemType item, ObjectType animal, DirectionType direction)
{
    if (hasGameEnded || !ItemQueue::IsAnyItemAvailable() || ItemQueue::PickCount() <= 0) {
        return false;
    }
    ItemQueue::SetCurrentItem(item, animal, direction);
    ItemQueue::SetPickCount(ItemQueue::PickCount() - 1);
    return true;
}

TurnDriver::TurnResult TurnDriver::PlayItem(ItemQueue::ItemType item, ObjectType animal, DirectionType direction,
                                            int row, int column)
{
    ItemQueue::SetCurrentItem(item, animal, direction);
    return PlayMove(row, column);
}

TurnDriver::TurnResult TurnDriver::PlayAnimal(ObjectType animal, DirectionType direction, int row, int column)
{
    return PlayItem(ItemQueue::animal, animal, direction, row, column);
}

TurnDriver::TurnResult TurnDriver::PlayTool(ItemQueue::ItemType tool, int row, int column)
{
    return PlayItem(tool, ItemQueue::CurrentAnimal(), ItemQueue::CurrentDirection(), row, column);
}

TurnDriver::TurnResult TurnDriver::PlayMove(int row, int column)
{
    TurnResult result{false, 0, 0, 0, hasGameEnded};
    if (!IsLegalMove(row, column)) {
        return result;
    }
    result.wasPlayed = true;

    // The player's click: the board becomes unresolved, the item is used up, and the turn
    // starts counting with its own 50 points.
    MarkAsUnresolved();
    ItemQueue::MakeCurrentItemUnavailable();
    Scoring::StartAccumulatingCurrentTurnScore();
    Scoring::IncrementScore(50);
    Scoring::IncrementTotalTurnsCount();

    ApplyCurrentItem(row, column);
    ResetScoringInformation();
    ResolveEatingPhase(result);
    ResolveStarvation();
    ResolveEatingPhase(result);
    ResolveFloods();
    ResolveEatingPhase(result);

    Scoring::StopAccumulatingCurrentTurnScore();
    TallyEatings();
    if (IsGameOver()) {
        hasGameEnded = true;
    } else {
        ItemQueue::ChooseNextItem();
        ItemQueue::MakeCurrentItemAvailable();
    }
    MarkAsResolved();

    result.turnScore = Scoring::Statistics().currentTurnScore;
    result.isGameOver = hasGameEnded;
    return result;
}

void TurnDriver::ApplyCurrentItem(int row, int column)
{
    switch (ItemQueue::CurrentItem()) {
    case ItemQueue::animal:
        PlaceAnimal(ItemQueue::CurrentAnimal(), ItemQueue::CurrentDirection(), row, column);
        break;
    case ItemQueue::reverser: Reverse(row, column); break;
    case ItemQueue::clockwiseTurner: TurnClockwise(row, column); break;
    case ItemQueue::counterclockwiseTurner: TurnCounterclockwise(row, column); break;
    case ItemQueue::death: Kill(row, column); break;
    case ItemQueue::cloud: Flood(row, column); break;
    }
}

void TurnDriver::ResolveEatingPhase(TurnResult& result)
{
    // Whenever a kind eats, the next pass starts again from the first kind.
    int kindIndex = 0;
    while (kindIndex < eatingKindCount) {
        kindIndex = ResolveEatingKind(kindIndex, result) > 0 ? 0 : kindIndex + 1;
    }
}

int TurnDriver::ResolveEatingKind(int kindIndex, TurnResult& result)
{
    const EatingKind& kind = eatingKinds[kindIndex];

    // Every eating of the kind is decided on the same board before any of them happens.
    Eating eatings[rowCount * columnCount];
    int eatingCount = 0;
    for (int row = 0; row < RowCount(); ++row) {
        for (int column = 0; column < ColumnCount(); ++column) {
            int preyRow = 0;
            int preyColumn = 0;
            if (IsOccupied(row, column) && Object(row, column) == kind.predator &&
                kind.canEat(row, column, preyRow, preyColumn)) {
                eatings[eatingCount++] = {row, column, preyRow, preyColumn};
            }
        }
    }

    for (int index = 0; index < eatingCount; ++index) {
        const Eating& eating = eatings[index];
        const int chainsBefore = CompleteChainsCount(eating.preyRow, eating.preyColumn) +
                                 CompleteChainsCount(eating.predatorRow, eating.predatorColumn);
        int points = 0;
        MakePredatorEatPrey(eating.predatorRow, eating.predatorColumn, eating.preyRow, eating.preyColumn, points);
        Scoring::IncrementScore(points);
        ++result.eatingsCount;
        if (CompleteChainsCount(eating.preyRow, eating.preyColumn) > chainsBefore) {
            // A complete chain earns one pick.
            ItemQueue::SetPickCount(ItemQueue::PickCount() + 1);
            Scoring::IncrementCompleteChainsCount();
            ++result.completeChainsCount;
        }
    }
    return eatingCount;
}

void TurnDriver::ResolveStarvation()
{
    for (int row = 0; row < RowCount(); ++row) {
        for (int column = 0; column < ColumnCount(); ++column) {
            if (IsOccupied(row, column) && IsTimed(row, column) && !HasEaten(row, column)) {
                DecrementStarvationTimeRemaining(row, column);
            }
        }
    }
    // All the starved die together once every timer has been counted down.
    for (int row = 0; row < RowCount(); ++row) {
        for (int column = 0; column < ColumnCount(); ++column) {
            if (IsOccupied(row, column) && IsTimed(row, column) && StarvationTimeRemaining(row, column) == 0) {
                Kill(row, column);
            }
        }
    }
}

void TurnDriver::ResolveFloods()
{
    for (int row = 0; row < RowCount(); ++row) {
        for (int column = 0; column < ColumnCount(); ++column) {
            if (IsFlooded(row, column)) {
                DecrementFloodTimeRemaining(row, column);
            }
        }
    }
    for (int row = 0; row < RowCount(); ++row) {
        for (int column = 0; column < ColumnCount(); ++column) {
            if (IsFlooded(row, column) && FloodTimeRemaining(row, column) == 0) {
                EvaporateFlood(row, column);
            }
        }
    }
}

void TurnDriver::TallyEatings()
{
    for (int row = 0; row < RowCount(); ++row) {
        for (int column = 0; column < ColumnCount(); ++column) {
            if (IsOccupied(row, column)) {
                Scoring::TallyEatings(EatingsCount(row, column));
            }
        }
    }
}
