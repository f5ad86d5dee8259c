#pragma once

#include "Marrowmere/Inhabitants/InhabitantTypes.h"

#include <cstdint>

// The board of the game and its rules: a five-by-five grid of land lots, what lives on each,
// which way it faces, its starvation timer, the lot's flood and the occupant's scoring record
// for the current turn. No graphics, sound or timing. One board per process, so every member
// is static. The queries are public; the changes are protected and made only by the board's
// animator, which wraps each one in its animation, timers and sound.
class Inhabitants {
public:
    enum ConsiderCompetingPredatorsOrNot : std::uint8_t {
        considerCompetingPredators = 0,
        dontConsiderCompetingPredators = 1,
    };

    // The occupant's record for the current turn. It stays with the lot, so a predator that
    // moves into its prey's lot inherits the prey's history.
    struct ScoringInformation {
        int value;
        int eatingsCount;
        ObjectType objectLastEaten;
        int flyersEatenByCannibalsCount;
        int swimmersEatenByFlyersCount;
        int grazersEatenBySwimmersCount;
        int cannibalsEatenByGrazersCount;
        int completeChainsCount;
    };

    struct Area {
        bool isOccupied;
        ObjectType object;
        bool isDirectional;
        DirectionType direction;
        bool isTimed;
        int starvationTimeRemaining;
        bool isFlooded;
        int floodTimeRemaining;
        ScoringInformation scoringInformation;
    };

    // One animal of the opening position of every game.
    struct StartingPlacement {
        ObjectType animal;
        DirectionType direction;
        int row;
        int column;
    };
    // The eight animals placed, in this order, when a game is set up: the centre lot stays
    // empty with four animals facing it, and one animal of each kind sits in a corner.
    static constexpr StartingPlacement startingPlacements[8] = {
        {flyer, up, 4, 0},    {cannibal, down, 0, 4}, {swimmer, up, 4, 4},    {grazer, down, 0, 0},
        {flyer, down, 1, 2},  {grazer, up, 3, 2},     {cannibal, right, 2, 1}, {swimmer, left, 2, 3},
    };

    static constexpr int rowCount = 5;
    static constexpr int columnCount = 5;
    static constexpr int starvationTime = 25;
    static constexpr int floodTime = 25;
    // Points an occupant is worth at the start of each turn's resolution.
    static constexpr int initialValue = 50;

    // A set of lots, one bit per lot: bit row * columnCount + column, so that visiting the
    // bits from the lowest up visits the lots in row-major order. The board keeps the sets
    // below up to date with every change, so that loops over the board can visit only the
    // lots that matter instead of asking every lot.
    using LotSet = std::uint32_t;
    static constexpr LotSet allLots = (LotSet{1} << (rowCount * columnCount)) - 1;
    static constexpr int LotIndex(int row, int column) { return row * columnCount + column; }
    static constexpr int RowOfLot(int index) { return index / columnCount; }
    static constexpr int ColumnOfLot(int index) { return index % columnCount; }

    static void SetUp();
    static void TakeDown();

    static constexpr int RowCount() { return rowCount; }
    static constexpr int ColumnCount() { return columnCount; }
    static bool IsValidPosition(int row, int column);
    // Moves (row, column) one step in the direction, without checking the bounds.
    static void GetNeighborPosition(DirectionType direction, int& row, int& column);

    static bool IsAnAnimal(ObjectType object);
    static int StarvationTime(ObjectType animal);

    static bool IsOccupied(int row, int column);
    static ObjectType Object(int row, int column);
    static DirectionType Direction(int row, int column);
    static bool IsTimed(int row, int column);
    static int StarvationTimeRemaining(int row, int column);
    static bool IsFlooded(int row, int column);
    static int FloodTimeRemaining(int row, int column);
    static bool IsOccupiedByAnimal(int row, int column);
    static bool IsDirectional(int row, int column);

    static void DecrementStarvationTimeRemaining(int row, int column);
    static void DecrementFloodTimeRemaining(int row, int column);

    static bool HasEaten(int row, int column);
    static int EatingsCount(int row, int column);
    static int CompleteChainsCount(int row, int column);
    // The whole record of a lot, for display and tests.
    static const ScoringInformation& ScoringInformationOf(int row, int column);

    static bool DoesObjectExist(ObjectType object);
    static bool AreFlyersExtinct();
    static bool AreSwimmersExtinct();
    static bool AreGrazersExtinct();
    static bool AreCannibalsExtinct();
    static bool AreMultipleSpeciesExtinct();
    static bool IsOverpopulated();
    // The game goes on only while all four animals live and at least one lot is free.
    static bool IsGameOver();
    static bool IsResolved();

    static LotSet OccupiedLots();
    static LotSet LotsHolding(ObjectType object);
    static LotSet LotsHoldingAnimals();
    static LotSet FloodedLots();
    // Occupied lots whose occupant's direction is the given one.
    static LotSet OccupiedLotsFacing(DirectionType direction);
    // Lots whose scoring record has changed since the lot's last reset; every other lot's
    // record is fresh (worth 50 points, no eatings, no links, no chains).
    static LotSet LotsWithChangedScoring();
    // Lots of the predator that face a dry lot holding the prey within the reach: every
    // predator that eats that prey now is among them, so the others need no eating test.
    static LotSet PredatorsFacingPrey(ObjectType predator, ObjectType prey, int reach);

    static bool CanAnimalBePlaced(int row, int column);
    static bool CanBeReversed(int row, int column);
    static bool CanBeTurnedClockwise(int row, int column);
    static bool CanBeTurnedCounterclockwise(int row, int column);
    static bool CanBeKilled(int row, int column);
    static bool CanBeFlooded(int row, int column);

    // Each answers whether the predator on the given lot eats now and, if so, writes its
    // prey's lot. The caller makes sure that the lot holds that predator.
    static bool CanFlyerEatSwimmer(int predatorRow, int predatorColumn, int& preyRow, int& preyColumn);
    static bool CanSwimmerEatGrazer(int predatorRow, int predatorColumn, int& preyRow, int& preyColumn);
    static bool CanGrazerEatCannibal(int predatorRow, int predatorColumn, int& preyRow, int& preyColumn);
    static bool CanGrazerEatGrass(int predatorRow, int predatorColumn, int& preyRow, int& preyColumn);
    static bool CanCannibalEatFlyer(int predatorRow, int predatorColumn, int& preyRow, int& preyColumn);
    static bool CanCannibalEatCannibal(int predatorRow, int predatorColumn, int& preyRow, int& preyColumn);

protected:
    static void MarkAsResolved();
    static void MarkAsUnresolved();
    static void ResetScoringInformation();

    static void PlaceAnimal(ObjectType animal, DirectionType direction, int row, int column);
    static void Reverse(int row, int column);
    static void TurnClockwise(int row, int column);
    static void TurnCounterclockwise(int row, int column);
    static void Kill(int row, int column);
    static void Flood(int row, int column);
    static void EvaporateFlood(int row, int column);

    static bool CanPredatorEatPrey(ObjectType predator, ObjectType prey, int predatorRow, int predatorColumn,
                                   int& preyRow, int& preyColumn, int distance,
                                   ConsiderCompetingPredatorsOrNot considerCompetingPredatorsOrNot);
    static bool IsAnyPredatorCompeting(ObjectType predator, int predatorRow, int predatorColumn, int preyRow,
                                       int preyColumn, int maximumDistance);
    static void HandleScoring(int predatorRow, int predatorColumn, int preyRow, int preyColumn, int& value);
    static void MakePredatorEatPrey(int predatorRow, int predatorColumn, int preyRow, int preyColumn, int& value);

private:
    static bool IsObjectFacingAt(ObjectType object, DirectionType direction, int row, int column);
    // Brings the lot sets in line with the lot's fields after a change of the lot.
    static void UpdateLotSets(int row, int column);

    static Area areas[rowCount][columnCount];
    static bool isResolved;

    static LotSet occupiedLots;
    static LotSet objectLots[tree + 1];
    static LotSet facingLots[right + 1];
    static LotSet floodedLots;
    static LotSet changedScoringLots;
};

// The plain field queries are inline: the rules and the turn loops ask them for every lot.
inline bool Inhabitants::IsValidPosition(int row, int column)
{
    return row >= 0 && row < rowCount && column >= 0 && column < columnCount;
}

inline bool Inhabitants::IsAnAnimal(ObjectType object)
{
    return object <= cannibal;
}

inline bool Inhabitants::IsOccupied(int row, int column)
{
    return areas[row][column].isOccupied;
}

inline ObjectType Inhabitants::Object(int row, int column)
{
    return areas[row][column].object;
}

inline DirectionType Inhabitants::Direction(int row, int column)
{
    return areas[row][column].direction;
}

inline bool Inhabitants::IsDirectional(int row, int column)
{
    return areas[row][column].isDirectional;
}

inline bool Inhabitants::IsTimed(int row, int column)
{
    return areas[row][column].isTimed;
}

inline int Inhabitants::StarvationTimeRemaining(int row, int column)
{
    return areas[row][column].starvationTimeRemaining;
}

inline bool Inhabitants::IsFlooded(int row, int column)
{
    return areas[row][column].isFlooded;
}

inline int Inhabitants::FloodTimeRemaining(int row, int column)
{
    return areas[row][column].floodTimeRemaining;
}

inline bool Inhabitants::IsOccupiedByAnimal(int row, int column)
{
    return areas[row][column].isOccupied && IsAnAnimal(areas[row][column].object);
}

inline void Inhabitants::DecrementStarvationTimeRemaining(int row, int column)
{
    --areas[row][column].starvationTimeRemaining;
}

inline void Inhabitants::DecrementFloodTimeRemaining(int row, int column)
{
    --areas[row][column].floodTimeRemaining;
}

inline bool Inhabitants::HasEaten(int row, int column)
{
    return areas[row][column].scoringInformation.eatingsCount > 0;
}

inline int Inhabitants::EatingsCount(int row, int column)
{
    return areas[row][column].scoringInformation.eatingsCount;
}

inline int Inhabitants::CompleteChainsCount(int row, int column)
{
    return areas[row][column].scoringInformation.completeChainsCount;
}

inline const Inhabitants::ScoringInformation& Inhabitants::ScoringInformationOf(int row, int column)
{
    return areas[row][column].scoringInformation;
}

inline bool Inhabitants::CanAnimalBePlaced(int row, int column)
{
    return !IsOccupied(row, column);
}

inline bool Inhabitants::CanBeReversed(int row, int column)
{
    return IsOccupiedByAnimal(row, column);
}

inline bool Inhabitants::CanBeTurnedClockwise(int row, int column)
{
    return IsOccupiedByAnimal(row, column);
}

inline bool Inhabitants::CanBeTurnedCounterclockwise(int row, int column)
{
    return IsOccupiedByAnimal(row, column);
}

inline bool Inhabitants::CanBeKilled(int row, int column)
{
    return IsOccupiedByAnimal(row, column);
}

inline bool Inhabitants::CanBeFlooded(int, int)
{
    return true;
}

inline bool Inhabitants::IsResolved()
{
    return isResolved;
}

inline Inhabitants::LotSet Inhabitants::OccupiedLots()
{
    return occupiedLots;
}

inline Inhabitants::LotSet Inhabitants::LotsHolding(ObjectType object)
{
    return objectLots[object];
}

inline Inhabitants::LotSet Inhabitants::LotsHoldingAnimals()
{
    return objectLots[flyer] | objectLots[swimmer] | objectLots[grazer] | objectLots[cannibal];
}

inline Inhabitants::LotSet Inhabitants::FloodedLots()
{
    return floodedLots;
}

inline Inhabitants::LotSet Inhabitants::OccupiedLotsFacing(DirectionType direction)
{
    return facingLots[direction];
}

inline Inhabitants::LotSet Inhabitants::LotsWithChangedScoring()
{
    return changedScoringLots;
}
