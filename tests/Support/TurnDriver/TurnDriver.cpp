#include "tests/Support/TurnDriver/TurnDriver.h"

#include "Core/Math/Math.h"
#include "Core/Math/RandomGenerator.h"
#include "Marrowmere/Scoring/Scoring.h"

bool TurnDriver::hasGameEnded = false;

namespace {

using EatingTest = bool (*)(int, int, int&, int&);

struct EatingKind {
    ObjectType predator;
    ObjectType prey;
    EatingTest canEat;
};

// The six kinds of eating in the order every pass tries them.
constexpr EatingKind eatingKinds[] = {
    {swimmer, grazer, &Inhabitants::CanSwimmerEatGrazer},
    {grazer, cannibal, &Inhabitants::CanGrazerEatCannibal},
    {grazer, grass, &Inhabitants::CanGrazerEatGrass},
    {cannibal, flyer, &Inhabitants::CanCannibalEatFlyer},
    {cannibal, cannibal, &Inhabitants::CanCannibalEatCannibal},
    {flyer, swimmer, &Inhabitants::CanFlyerEatSwimmer},
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
    return IsAnyMovePossible() && IsValidPosition(row, column) &&
           CanItemBeUsedOn(ItemQueue::CurrentItem(), row, column);
}

bool TurnDriver::IsAnyMovePossible()
{
    return !hasGameEnded && ItemQueue::IsAnyItemAvailable();
}

bool TurnDriver::CanItemBeUsedOn(ItemQueue::ItemType item, int row, int column)
{
    switch (item) {
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
    if (!IsAnyMovePossible()) {
        return 0;
    }
    // The item is looked at once; each branch scans the board with its own test inlined.
    const auto collect = [&moves](auto canBeUsedOn) {
        int count = 0;
        for (int row = 0; row < RowCount(); ++row) {
            for (int column = 0; column < ColumnCount(); ++column) {
                if (canBeUsedOn(row, column)) {
                    moves[count++] = {row, column};
                }
            }
        }
        return count;
    };
    switch (ItemQueue::CurrentItem()) {
    case ItemQueue::animal: return collect([](int row, int column) { return CanAnimalBePlaced(row, column); });
    case ItemQueue::reverser: return collect([](int row, int column) { return CanBeReversed(row, column); });
    case ItemQueue::clockwiseTurner:
        return collect([](int row, int column) { return CanBeTurnedClockwise(row, column); });
    case ItemQueue::counterclockwiseTurner:
        return collect([](int row, int column) { return CanBeTurnedCounterclockwise(row, column); });
    case ItemQueue::death: return collect([](int row, int column) { return CanBeKilled(row, column); });
    case ItemQueue::cloud: return collect([](int row, int column) { return CanBeFlooded(row, column); });
    }
    return 0;
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
    // An eating phase ends on a board where nothing eats. Only a death or an evaporation can
    // change what eats (counting timers down cannot), so a phase after a step that changed
    // neither would find nothing and is skipped.
    ResolveEatingPhase(result);
    if (ResolveStarvation()) {
        ResolveEatingPhase(result);
    }
    if (ResolveFloods()) {
        ResolveEatingPhase(result);
    }

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
    // Whenever a kind eats, the next pass starts again from the first kind on the changed
    // board; the lots of each occupant are listed once per pass, so a kind whose predator or
    // prey is missing costs nothing.
    OccupantLots occupants;
    int kindIndex = 0;
    while (kindIndex < eatingKindCount) {
        if (kindIndex == 0) {
            ListOccupants(occupants);
        }
        kindIndex = ResolveEatingKind(kindIndex, occupants, result) > 0 ? 0 : kindIndex + 1;
    }
}

void TurnDriver::ListOccupants(OccupantLots& occupants)
{
    for (int& count : occupants.counts) {
        count = 0;
    }
    for (int row = 0; row < RowCount(); ++row) {
        for (int column = 0; column < ColumnCount(); ++column) {
            if (IsOccupied(row, column)) {
                const ObjectType object = Object(row, column);
                occupants.lots[object][occupants.counts[object]++] = {static_cast<std::int8_t>(row),
                                                                      static_cast<std::int8_t>(column)};
            }
        }
    }
}

int TurnDriver::ResolveEatingKind(int kindIndex, const OccupantLots& occupants, TurnResult& result)
{
    const EatingKind& kind = eatingKinds[kindIndex];
    if (occupants.counts[kind.prey] == 0) {
        return 0;
    }

    // Every eating of the kind is decided on the same board before any of them happens; the
    // predators are visited in row-major order.
    Eating eatings[rowCount * columnCount];
    int eatingCount = 0;
    for (int index = 0; index < occupants.counts[kind.predator]; ++index) {
        const auto& lot = occupants.lots[kind.predator][index];
        int preyRow = 0;
        int preyColumn = 0;
        if (kind.canEat(lot.row, lot.column, preyRow, preyColumn)) {
            eatings[eatingCount++] = {lot.row, lot.column, preyRow, preyColumn};
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

// Each lot's death or evaporation depends on that lot alone, so counting down and acting in
// one row-major scan gives the same board as counting every lot down first and acting after.
bool TurnDriver::ResolveStarvation()
{
    bool didAnythingDie = false;
    for (int row = 0; row < RowCount(); ++row) {
        for (int column = 0; column < ColumnCount(); ++column) {
            if (!IsOccupied(row, column) || !IsTimed(row, column)) {
                continue;
            }
            if (!HasEaten(row, column)) {
                DecrementStarvationTimeRemaining(row, column);
            }
            if (StarvationTimeRemaining(row, column) == 0) {
                Kill(row, column);
                didAnythingDie = true;
            }
        }
    }
    return didAnythingDie;
}

bool TurnDriver::ResolveFloods()
{
    bool didAnyFloodEvaporate = false;
    for (int row = 0; row < RowCount(); ++row) {
        for (int column = 0; column < ColumnCount(); ++column) {
            if (IsFlooded(row, column)) {
                DecrementFloodTimeRemaining(row, column);
                if (FloodTimeRemaining(row, column) == 0) {
                    EvaporateFlood(row, column);
                    didAnyFloodEvaporate = true;
                }
            }
        }
    }
    return didAnyFloodEvaporate;
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
