// The board's sets of lots must always say what its lots say, whatever sequence of changes
// made the board, and the predators it names as facing prey must include every one that eats.

#include "Core/Math/Math.h"
#include "Core/Math/RandomGenerator.h"
#include "tests/Marrowmere/Inhabitants/BoardFixture.h"

#include <string>

namespace {

using LotSet = Inhabitants::LotSet;

// The set of lots for which the test holds, by asking every lot.
template <typename Test>
LotSet LotsWhere(Test test)
{
    LotSet lots = 0;
    for (int lot = 0; lot < Inhabitants::rowCount * Inhabitants::columnCount; ++lot) {
        lots |= test(Inhabitants::RowOfLot(lot), Inhabitants::ColumnOfLot(lot)) ? LotSet{1} << lot : 0;
    }
    return lots;
}

// Describes the first set that disagrees with the lots, or returns an empty text.
std::string SetThatDisagrees()
{
    using Board = TurnDriver;
    if (Board::OccupiedLots() != LotsWhere([](int r, int c) { return Board::IsOccupied(r, c); })) {
        return "occupied lots";
    }
    if (Board::FloodedLots() != LotsWhere([](int r, int c) { return Board::IsFlooded(r, c); })) {
        return "flooded lots";
    }
    if (Board::LotsHoldingAnimals() != LotsWhere([](int r, int c) { return Board::IsOccupiedByAnimal(r, c); })) {
        return "animal lots";
    }
    for (int object = flyer; object <= tree; ++object) {
        const auto holds = [object](int r, int c) { return Board::IsOccupied(r, c) && Board::Object(r, c) == object; };
        if (Board::LotsHolding(static_cast<ObjectType>(object)) != LotsWhere(holds)) {
            return "lots of object " + std::to_string(object);
        }
    }
    for (int direction = up; direction <= right; ++direction) {
        const auto faces = [direction](int r, int c) { return Board::IsOccupied(r, c) && Board::Direction(r, c) == direction; };
        if (Board::OccupiedLotsFacing(static_cast<DirectionType>(direction)) != LotsWhere(faces)) {
            return "lots facing " + std::to_string(direction);
        }
    }
    // Every lot outside the changed set holds a fresh record.
    const LotSet stale = LotsWhere([](int r, int c) {
        const auto& record = Board::ScoringInformationOf(r, c);
        return record.value != 50 || record.eatingsCount != 0 || record.flyersEatenByCannibalsCount != 0 ||
               record.swimmersEatenByFlyersCount != 0 || record.grazersEatenBySwimmersCount != 0 ||
               record.cannibalsEatenByGrazersCount != 0 || record.completeChainsCount != 0;
    });
    if ((stale & ~Board::LotsWithChangedScoring()) != 0) {
        return "a changed record outside the changed set";
    }
    return {};
}

// Every predator of the kind that passes its eating test must be among those facing prey.
std::string PredatorThatEatsUnnamed()
{
    using Board = TurnDriver;
    using Test = bool (*)(int, int, int&, int&);
    struct Kind {
        ObjectType predator;
        ObjectType prey;
        int reach;
        Test canEat;
    };
    const Kind kinds[] = {
        {swimmer, grazer, 1, &Board::CanSwimmerEatGrazer},   {grazer, cannibal, 1, &Board::CanGrazerEatCannibal},
        {grazer, grass, 1, &Board::CanGrazerEatGrass},       {cannibal, flyer, 1, &Board::CanCannibalEatFlyer},
        {cannibal, cannibal, 1, &Board::CanCannibalEatCannibal}, {flyer, swimmer, 4, &Board::CanFlyerEatSwimmer},
    };
    for (const Kind& kind : kinds) {
        const LotSet eaters = LotsWhere([&kind](int r, int c) {
            int preyRow = 0;
            int preyColumn = 0;
            return Board::IsOccupied(r, c) && Board::Object(r, c) == kind.predator &&
                   kind.canEat(r, c, preyRow, preyColumn);
        });
        const LotSet named = Board::PredatorsFacingPrey(kind.predator, kind.prey, kind.reach);
        if ((eaters & ~named) != 0 || (named & ~Board::LotsHolding(kind.predator)) != 0) {
            return "kind " + std::to_string(kind.predator) + " eats " + std::to_string(kind.prey);
        }
    }
    return {};
}

TEST_F(BoardTest, LotSetsFollowEveryKindOfChange)
{
    RandomGenerator::Seed(20240611u);
    for (int step = 0; step < 20000; ++step) {
        const int row = RandomNumber(0, 4);
        const int column = RandomNumber(0, 4);
        switch (RandomNumber(0, 10)) {
        case 0:
        case 1:
            Board::PlaceAnimal(static_cast<ObjectType>(RandomNumber(0, 3)),
                               static_cast<DirectionType>(RandomNumber(0, 3)), row, column);
            break;
        case 2: Board::Reverse(row, column); break;
        case 3: Board::TurnClockwise(row, column); break;
        case 4: Board::TurnCounterclockwise(row, column); break;
        case 5: Board::Kill(row, column); break;
        case 6: Board::Flood(row, column); break;
        case 7: Board::EvaporateFlood(row, column); break;
        case 8: Board::ResetScoringInformation(); break;
        case 9: {
            TurnDriver::TurnResult result{};
            Board::ResolveEatingPhase(result);
            break;
        }
        default:
            if (step % 997 == 0) {
                Board::SetUp();
            }
            break;
        }
        std::string problem = SetThatDisagrees();
        if (problem.empty()) {
            problem = PredatorThatEatsUnnamed();
        }
        ASSERT_TRUE(problem.empty()) << "step " << step << ": " << problem;
    }
}

TEST_F(BoardTest, ResetFreshensARecordLeftOnALotThatWasEmptiedAndFilledAgain)
{
    // A swimmer eats its way up the left column; the lot it passes through keeps the record of
    // its first eating after it has moved on.
    Place({{swimmer, up, 2, 0}, {grazer, up, 1, 0}});
    ASSERT_EQ(ResolveEating(), 1);
    Board::PlaceAnimal(grazer, up, 0, 0);
    TurnDriver::TurnResult result{};
    Board::ResolveEatingPhase(result);  // without a reset, so that the record survives
    ASSERT_EQ(result.eatingsCount, 1);
    ASSERT_FALSE(Board::IsOccupied(1, 0));
    ASSERT_EQ(Board::EatingsCount(1, 0), 1);

    // Resets while the lot is empty leave its record alone; a new animal there gets a fresh
    // record at the next reset after it arrives.
    Board::ResetScoringInformation();
    EXPECT_EQ(Board::EatingsCount(1, 0), 1);
    Board::PlaceAnimal(cannibal, down, 1, 0);
    Board::ResetScoringInformation();
    EXPECT_EQ(Board::EatingsCount(1, 0), 0);
    EXPECT_EQ(Board::ScoringInformationOf(1, 0).value, 50);
    EXPECT_EQ(Board::ScoringInformationOf(1, 0).grazersEatenBySwimmersCount, 0);
}

}  // namespace
