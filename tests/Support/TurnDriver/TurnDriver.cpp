#include "tests/Support/TurnDriver/TurnDriver.h"

#include "Core/Math/Math.h"
#include "Core/Math/RandomGenerator.h"
#include "Marrowmere/Scoring/Scoring.h"

#include <algorithm>
#include <bit>

bool TurnDriver::hasGameEnded = false;

namespace {

using EatingTest = bool (*)(int, int, int&, int&);

struct EatingKind {
    ObjectType predator;
    ObjectType prey;
    int reach;  // how many lots ahead the predator can find its prey
    EatingTest canEat;
};

// A flyer reaches along its whole line; every other predator only the lot in front of it.
constexpr int flyerReach = std::max(Inhabitants::RowCount(), Inhabitants::ColumnCount()) - 1;

// The six kinds of eating in the order every pass tries them.
constexpr EatingKind eatingKinds[] = {
    {swimmer, grazer, 1, &Inhabitants::CanSwimmerEatGrazer},
    {grazer, cannibal, 1, &Inhabitants::CanGrazerEatCannibal},
    {grazer, grass, 1, &Inhabitants::CanGrazerEatGrass},
    {cannibal, flyer, 1, &Inhabitants::CanCannibalEatFlyer},
    {cannibal, cannibal, 1, &Inhabitants::CanCannibalEatCannibal},
    {flyer, swimmer, flyerReach, &Inhabitants::CanFlyerEatSwimmer},
};
constexpr int eatingKindCount = sizeof eatingKinds / sizeof eatingKinds[0];

struct Eating {
    int predatorRow;
    int predatorColumn;
    int preyRow;
    int preyColumn;
};

// Calls visit(row, column) for every lot of the set in row-major order.
template <typename Visit>
void ForEachLot(Inhabitants::LotSet lots, Visit visit)
{
    for (; lots != 0; lots &= lots - 1) {
        const int index = std::countr_zero(lots);
        visit(Inhabitants::RowOfLot(index), Inhabitants::ColumnOfLot(index));
    }
}

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

bool TurnDriver::IsLegalMove(int row, int column)
{
    return !hasGameEnded && ItemQueue::IsAnyItemAvailable() && IsValidPosition(row, column) &&
           CanItemBeUsedOn(ItemQueue::CurrentItem(), row, column);
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

TurnDriver::LotSet TurnDriver::LegalLots()
{
    LotSet lots = 0;
    for (int lot = 0; lot < rowCount * columnCount; ++lot) {
        lots |= IsLegalMove(RowOfLot(lot), ColumnOfLot(lot)) ? LotSet{1} << lot : 0;
    }
    return lots;
}

int TurnDriver::LegalMoves(Move (&moves)[rowCount * columnCount])
{
    int count = 0;
    ForEachLot(LegalLots(), [&](int row, int column) { moves[count++] = {row, column}; });
    return count;
}

bool TurnDriver::ChooseRandomLegalMove(Move& move)
{
    LotSet lots = LegalLots();
    const int count = std::popcount(lots);
    if (count == 0) {
        return false;
    }
    // The chosen entry of the row-major list of legal lots: drop the lots before it.
    for (int skipped = RandomNumber(0, count - 1); skipped > 0; --skipped) {
        lots &= lots - 1;
    }
    const int index = std::countr_zero(lots);
    move = {RowOfLot(index), ColumnOfLot(index)};
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
    // board.
    int kindIndex = 0;
    while (kindIndex < eatingKindCount) {
        kindIndex = ResolveEatingKind(kindIndex, result) > 0 ? 0 : kindIndex + 1;
    }
}

int TurnDriver::ResolveEatingKind(int kindIndex, TurnResult& result)
{
    const EatingKind& kind = eatingKinds[kindIndex];
    // Only a predator that faces a dry prey within its reach can eat; the others are not tested.
    const LotSet predators = PredatorsFacingPrey(kind.predator, kind.prey, kind.reach);
    if (predators == 0) {
        return 0;
    }

    // Every eating of the kind is decided on the same board before any of them happens; the
    // predators are visited in row-major order.
    Eating eatings[rowCount * columnCount];
    int eatingCount = 0;
    ForEachLot(predators, [&](int row, int column) {
        int preyRow = 0;
        int preyColumn = 0;
        if (kind.canEat(row, column, preyRow, preyColumn)) {
            eatings[eatingCount++] = {row, column, preyRow, preyColumn};
        }
    });

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
    ForEachLot(OccupiedLots(), [&didAnythingDie](int row, int column) {
        if (!IsTimed(row, column)) {
            return;
        }
        if (!HasEaten(row, column)) {
            DecrementStarvationTimeRemaining(row, column);
        }
        if (StarvationTimeRemaining(row, column) == 0) {
            Kill(row, column);
            didAnythingDie = true;
        }
    });
    return didAnythingDie;
}

bool TurnDriver::ResolveFloods()
{
    bool didAnyFloodEvaporate = false;
    ForEachLot(FloodedLots(), [&didAnyFloodEvaporate](int row, int column) {
        DecrementFloodTimeRemaining(row, column);
        if (FloodTimeRemaining(row, column) == 0) {
            EvaporateFlood(row, column);
            didAnyFloodEvaporate = true;
        }
    });
    return didAnyFloodEvaporate;
}

void TurnDriver::TallyEatings()
{
    // A lot with a fresh record has no eatings, and a tally of none changes nothing.
    ForEachLot(OccupiedLots() & LotsWithChangedScoring(),
               [](int row, int column) { Scoring::TallyEatings(EatingsCount(row, column)); });
}
