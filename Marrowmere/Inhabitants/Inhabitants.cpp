#include "Marrowmere/Inhabitants/Inhabitants.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdint>
#include <iterator>

Inhabitants::Area Inhabitants::areas[Inhabitants::rowCount][Inhabitants::columnCount] = {};
bool Inhabitants::isResolved = true;

// Before the first set-up every lot is empty and no record is fresh.
Inhabitants::LotSet Inhabitants::occupiedLots = 0;
Inhabitants::LotSet Inhabitants::objectLots[tree + 1] = {};
Inhabitants::LotSet Inhabitants::facingLots[right + 1] = {};
Inhabitants::LotSet Inhabitants::floodedLots = 0;
Inhabitants::LotSet Inhabitants::changedScoringLots = Inhabitants::allLots;

namespace {

// Row and column step of one move in each direction, indexed by DirectionType.
constexpr int rowStep[4] = {-1, 1, 0, 0};
constexpr int columnStep[4] = {0, 0, -1, 1};

constexpr DirectionType reversed[4] = {down, up, right, left};
constexpr DirectionType turnedClockwise[4] = {right, left, up, down};
constexpr DirectionType turnedCounterclockwise[4] = {left, right, down, up};

// Points grow by doubling within a turn; beyond the range of an int they stay at its maximum
// instead of wrapping round to a negative score.
int ClampToInt(std::int64_t value)
{
    return static_cast<int>(std::min<std::int64_t>(value, INT_MAX));
}

using LotSet = Inhabitants::LotSet;

constexpr LotSet leftColumnLots = 0b00001'00001'00001'00001'00001;
constexpr LotSet rightColumnLots = leftColumnLots << (Inhabitants::columnCount - 1);

// Every lot of the set moved one step in the direction; steps that leave the board are dropped.
constexpr LotSet Shifted(LotSet lots, DirectionType direction)
{
    switch (direction) {
    case up: return lots >> Inhabitants::columnCount;
    case down: return (lots << Inhabitants::columnCount) & Inhabitants::allLots;
    case left: return (lots & ~leftColumnLots) >> 1;
    case right: return (lots & ~rightColumnLots) << 1;
    }
    return 0;
}

constexpr LotSet LotBit(int row, int column)
{
    return LotSet{1} << Inhabitants::LotIndex(row, column);
}

}  // namespace

void Inhabitants::SetUp()
{
    MarkAsResolved();
    for (auto& rowOfAreas : areas) {
        for (Area& area : rowOfAreas) {
            area = Area{};
            area.scoringInformation.value = initialValue;
        }
    }
    occupiedLots = 0;
    std::fill(std::begin(objectLots), std::end(objectLots), 0);
    std::fill(std::begin(facingLots), std::end(facingLots), 0);
    floodedLots = 0;
    changedScoringLots = 0;
}

void Inhabitants::UpdateLotSets(int row, int column)
{
    const Area& area = areas[row][column];
    const LotSet bit = LotBit(row, column);
    occupiedLots &= ~bit;
    for (LotSet& lots : objectLots) {
        lots &= ~bit;
    }
    for (LotSet& lots : facingLots) {
        lots &= ~bit;
    }
    floodedLots &= ~bit;
    if (area.isOccupied) {
        occupiedLots |= bit;
        objectLots[area.object] |= bit;
        facingLots[area.direction] |= bit;
    }
    if (area.isFlooded) {
        floodedLots |= bit;
    }
}

LotSet Inhabitants::PredatorsFacingPrey(ObjectType predator, ObjectType prey, int reach)
{
    const LotSet predators = objectLots[predator];
    const LotSet dryPrey = objectLots[prey] & ~floodedLots;
    if (predators == 0 || dryPrey == 0) {
        return 0;
    }
    // For each direction, the lots from which at most `reach` steps that way meet a dry prey:
    // the prey lots moved back against the direction one step at a time.
    LotSet fromBelow = dryPrey;  // predators facing up
    LotSet fromAbove = dryPrey;  // predators facing down
    LotSet fromRight = dryPrey;  // predators facing left
    LotSet fromLeft = dryPrey;   // predators facing right
    LotSet withinReachUp = 0;
    LotSet withinReachDown = 0;
    LotSet withinReachLeft = 0;
    LotSet withinReachRight = 0;
    for (int distance = 1; distance <= reach; ++distance) {
        fromBelow = Shifted(fromBelow, down);
        fromAbove = Shifted(fromAbove, up);
        fromRight = Shifted(fromRight, right);
        fromLeft = Shifted(fromLeft, left);
        withinReachUp |= fromBelow;
        withinReachDown |= fromAbove;
        withinReachLeft |= fromRight;
        withinReachRight |= fromLeft;
    }
    return predators & ((facingLots[up] & withinReachUp) | (facingLots[down] & withinReachDown) |
                        (facingLots[left] & withinReachLeft) | (facingLots[right] & withinReachRight));
}

void Inhabitants::TakeDown()
{
    MarkAsResolved();
}

void Inhabitants::GetNeighborPosition(DirectionType direction, int& row, int& column)
{
    row += rowStep[direction];
    column += columnStep[direction];
}

int Inhabitants::StarvationTime(ObjectType)
{
    return starvationTime;
}

bool Inhabitants::DoesObjectExist(ObjectType object)
{
    return object <= tree && objectLots[object] != 0;
}

bool Inhabitants::AreFlyersExtinct()
{
    return !DoesObjectExist(flyer);
}

bool Inhabitants::AreSwimmersExtinct()
{
    return !DoesObjectExist(swimmer);
}

bool Inhabitants::AreGrazersExtinct()
{
    return !DoesObjectExist(grazer);
}

bool Inhabitants::AreCannibalsExtinct()
{
    return !DoesObjectExist(cannibal);
}

bool Inhabitants::AreMultipleSpeciesExtinct()
{
    const int extinctCount = int{AreFlyersExtinct()} + int{AreSwimmersExtinct()} + int{AreGrazersExtinct()} +
                             int{AreCannibalsExtinct()};
    return extinctCount > 1;
}

bool Inhabitants::IsOverpopulated()
{
    return occupiedLots == allLots;
}

bool Inhabitants::IsGameOver()
{
    const bool doAllAnimalsExist =
        objectLots[flyer] != 0 && objectLots[swimmer] != 0 && objectLots[grazer] != 0 && objectLots[cannibal] != 0;
    return !(doAllAnimalsExist && !IsOverpopulated());
}

bool Inhabitants::CanFlyerEatSwimmer(int predatorRow, int predatorColumn, int& preyRow, int& preyColumn)
{
    // A flyer flies over anything: a nearer swimmer that is flooded or contested does not
    // stop it from reaching a farther one in the same line. Once the line leaves the board
    // no farther lot can be on it, so the search ends there.
    const DirectionType direction = Direction(predatorRow, predatorColumn);
    const int reach = std::max(RowCount(), ColumnCount());
    for (int distance = 0; distance < reach; ++distance) {
        const int row = predatorRow + rowStep[direction] * distance;
        const int column = predatorColumn + columnStep[direction] * distance;
        if (!IsValidPosition(row, column)) {
            return false;
        }
        if (areas[row][column].isOccupied && areas[row][column].object == swimmer &&
            CanPredatorEatPrey(flyer, swimmer, predatorRow, predatorColumn, preyRow, preyColumn, distance,
                               considerCompetingPredators)) {
            return true;
        }
    }
    return false;
}

bool Inhabitants::CanSwimmerEatGrazer(int predatorRow, int predatorColumn, int& preyRow, int& preyColumn)
{
    return CanPredatorEatPrey(swimmer, grazer, predatorRow, predatorColumn, preyRow, preyColumn, 1,
                              considerCompetingPredators);
}

bool Inhabitants::CanGrazerEatCannibal(int predatorRow, int predatorColumn, int& preyRow, int& preyColumn)
{
    return CanPredatorEatPrey(grazer, cannibal, predatorRow, predatorColumn, preyRow, preyColumn, 1,
                              considerCompetingPredators);
}

bool Inhabitants::CanGrazerEatGrass(int predatorRow, int predatorColumn, int& preyRow, int& preyColumn)
{
    return CanPredatorEatPrey(grazer, grass, predatorRow, predatorColumn, preyRow, preyColumn, 1,
                              considerCompetingPredators);
}

bool Inhabitants::CanCannibalEatFlyer(int predatorRow, int predatorColumn, int& preyRow, int& preyColumn)
{
    return CanPredatorEatPrey(cannibal, flyer, predatorRow, predatorColumn, preyRow, preyColumn, 1,
                              considerCompetingPredators);
}

bool Inhabitants::CanCannibalEatCannibal(int predatorRow, int predatorColumn, int& preyRow, int& preyColumn)
{
    int row = 0;
    int column = 0;
    // A cannibal stands right in front and no other cannibal beside it faces it.
    if (!CanPredatorEatPrey(cannibal, cannibal, predatorRow, predatorColumn, row, column, 1,
                            considerCompetingPredators)) {
        return false;
    }
    // No cannibal beside the predator faces the predator: two facing cannibals never eat.
    if (IsAnyPredatorCompeting(cannibal, predatorRow, predatorColumn, predatorRow, predatorColumn, 1)) {
        return false;
    }
    // The one in front must not itself be about to eat a cannibal: in a line all facing the
    // same way nobody eats.
    int scrapRow = 0;
    int scrapColumn = 0;
    if (CanPredatorEatPrey(cannibal, cannibal, row, column, scrapRow, scrapColumn, 1,
                           dontConsiderCompetingPredators)) {
        return false;
    }
    preyRow = row;
    preyColumn = column;
    return true;
}

void Inhabitants::MarkAsResolved()
{
    isResolved = true;
}

void Inhabitants::MarkAsUnresolved()
{
    isResolved = false;
}

void Inhabitants::ResetScoringInformation()
{
    // Only changed records need the reset; every other record is fresh already.
    LotSet lots = changedScoringLots & occupiedLots;
    changedScoringLots &= ~occupiedLots;
    for (; lots != 0; lots &= lots - 1) {
        const int index = std::countr_zero(lots);
        ScoringInformation& record = areas[RowOfLot(index)][ColumnOfLot(index)].scoringInformation;
        record.value = initialValue;
        record.eatingsCount = 0;
        record.flyersEatenByCannibalsCount = 0;
        record.swimmersEatenByFlyersCount = 0;
        record.grazersEatenBySwimmersCount = 0;
        record.cannibalsEatenByGrazersCount = 0;
        record.completeChainsCount = 0;
    }
}

void Inhabitants::PlaceAnimal(ObjectType animal, DirectionType direction, int row, int column)
{
    Area& area = areas[row][column];
    if (area.isFlooded && animal != swimmer) {
        return;  // Only swimmers live in a flood: any other animal drowns.
    }
    area.isOccupied = true;
    area.object = animal;
    area.isDirectional = true;
    area.direction = direction;
    area.isTimed = true;
    area.starvationTimeRemaining = StarvationTime(animal);
    UpdateLotSets(row, column);
}

void Inhabitants::Reverse(int row, int column)
{
    areas[row][column].direction = reversed[areas[row][column].direction];
    UpdateLotSets(row, column);
}

void Inhabitants::TurnClockwise(int row, int column)
{
    areas[row][column].direction = turnedClockwise[areas[row][column].direction];
    UpdateLotSets(row, column);
}

void Inhabitants::TurnCounterclockwise(int row, int column)
{
    areas[row][column].direction = turnedCounterclockwise[areas[row][column].direction];
    UpdateLotSets(row, column);
}

void Inhabitants::Kill(int row, int column)
{
    Area& area = areas[row][column];
    if (area.isFlooded && area.object == swimmer) {
        area.isOccupied = false;
        area.isDirectional = false;
        area.isTimed = false;
        area.starvationTimeRemaining = 0;
    } else if (area.object == grass) {
        area.object = tree;
        area.isDirectional = false;
        area.isTimed = false;
        area.starvationTimeRemaining = 0;
    } else {
        area.object = grass;
        area.isDirectional = false;
        area.isTimed = true;
        area.starvationTimeRemaining = StarvationTime(grass);
    }
    UpdateLotSets(row, column);
}

void Inhabitants::Flood(int row, int column)
{
    Area& area = areas[row][column];
    if (area.isOccupied && area.object != swimmer && area.object != tree) {
        area.isOccupied = false;
        area.isDirectional = false;
        area.isTimed = false;
        area.starvationTimeRemaining = 0;
    }
    area.isFlooded = true;
    area.floodTimeRemaining = floodTime;
    UpdateLotSets(row, column);
}

void Inhabitants::EvaporateFlood(int row, int column)
{
    areas[row][column].isFlooded = false;
    UpdateLotSets(row, column);
}

bool Inhabitants::CanPredatorEatPrey(ObjectType predator, ObjectType prey, int predatorRow, int predatorColumn,
                                     int& preyRow, int& preyColumn, int distance,
                                     ConsiderCompetingPredatorsOrNot considerCompetingPredatorsOrNot)
{
    const DirectionType direction = Direction(predatorRow, predatorColumn);
    const int row = predatorRow + rowStep[direction] * distance;
    const int column = predatorColumn + columnStep[direction] * distance;
    if (!IsValidPosition(row, column)) {
        return false;
    }
    const Area& area = areas[row][column];
    if (!area.isOccupied || area.object != prey || area.isFlooded) {
        return false;
    }
    if (considerCompetingPredatorsOrNot == considerCompetingPredators &&
        IsAnyPredatorCompeting(predator, predatorRow, predatorColumn, row, column, distance)) {
        return false;
    }
    preyRow = row;
    preyColumn = column;
    return true;
}

bool Inhabitants::IsObjectFacingAt(ObjectType object, DirectionType direction, int row, int column)
{
    if (!IsValidPosition(row, column)) {
        return false;
    }
    const Area& area = areas[row][column];
    return area.isOccupied && area.object == object && area.direction == direction;
}

bool Inhabitants::IsAnyPredatorCompeting(ObjectType predator, int predatorRow, int predatorColumn, int preyRow,
                                         int preyColumn, int maximumDistance)
{
    // Looks outwards from the prey, nearest first; the predator itself does not compete.
    const auto competes = [&](DirectionType facing, int row, int column) {
        return !(row == predatorRow && column == predatorColumn) && IsObjectFacingAt(predator, facing, row, column);
    };
    for (int offset = 1; offset <= maximumDistance; ++offset) {
        if (competes(down, preyRow - offset, preyColumn) || competes(up, preyRow + offset, preyColumn) ||
            competes(right, preyRow, preyColumn - offset) || competes(left, preyRow, preyColumn + offset)) {
            return true;
        }
    }
    return false;
}

void Inhabitants::HandleScoring(int predatorRow, int predatorColumn, int preyRow, int preyColumn, int& value)
{
    const ScoringInformation& predatorRecord = areas[predatorRow][predatorColumn].scoringInformation;
    ScoringInformation& preyRecord = areas[preyRow][preyColumn].scoringInformation;
    const ObjectType predator = areas[predatorRow][predatorColumn].object;
    const ObjectType prey = areas[preyRow][preyColumn].object;

    std::int64_t points = std::int64_t{predatorRecord.value} + preyRecord.value;
    if (predatorRecord.eatingsCount > 0) {
        points *= 2;
    }
    if (preyRecord.eatingsCount > 0) {
        points *= 2;
    }
    preyRecord.eatingsCount += predatorRecord.eatingsCount + 1;
    preyRecord.objectLastEaten = prey;

    preyRecord.flyersEatenByCannibalsCount += predatorRecord.flyersEatenByCannibalsCount;
    preyRecord.swimmersEatenByFlyersCount += predatorRecord.swimmersEatenByFlyersCount;
    preyRecord.grazersEatenBySwimmersCount += predatorRecord.grazersEatenBySwimmersCount;
    preyRecord.cannibalsEatenByGrazersCount += predatorRecord.cannibalsEatenByGrazersCount;
    if (predator == cannibal && prey == flyer) {
        ++preyRecord.flyersEatenByCannibalsCount;
    } else if (predator == flyer && prey == swimmer) {
        ++preyRecord.swimmersEatenByFlyersCount;
    } else if (predator == swimmer && prey == grazer) {
        ++preyRecord.grazersEatenBySwimmersCount;
    } else if (predator == grazer && prey == cannibal) {
        ++preyRecord.cannibalsEatenByGrazersCount;
    }

    preyRecord.completeChainsCount += predatorRecord.completeChainsCount;
    const int chains = preyRecord.completeChainsCount;
    if (preyRecord.flyersEatenByCannibalsCount > chains && preyRecord.swimmersEatenByFlyersCount > chains &&
        preyRecord.grazersEatenBySwimmersCount > chains && preyRecord.cannibalsEatenByGrazersCount > chains) {
        ++preyRecord.completeChainsCount;
        points *= 2;
    }

    preyRecord.value = ClampToInt(points);
    value = preyRecord.value;
    changedScoringLots |= LotBit(preyRow, preyColumn);
}

void Inhabitants::MakePredatorEatPrey(int predatorRow, int predatorColumn, int preyRow, int preyColumn, int& value)
{
    HandleScoring(predatorRow, predatorColumn, preyRow, preyColumn, value);

    Area& predatorArea = areas[predatorRow][predatorColumn];
    Area& preyArea = areas[preyRow][preyColumn];
    preyArea.object = predatorArea.object;
    preyArea.direction = predatorArea.direction;
    preyArea.isDirectional = true;
    preyArea.isTimed = true;
    preyArea.starvationTimeRemaining = StarvationTime(predatorArea.object);

    // The record and any flood stay with the lot the predator leaves.
    predatorArea.isOccupied = false;
    predatorArea.isDirectional = false;
    predatorArea.isTimed = false;
    predatorArea.starvationTimeRemaining = 0;
    UpdateLotSets(preyRow, preyColumn);
    UpdateLotSets(predatorRow, predatorColumn);
}
