// The board's sets of lots must always say what its lots say, whatever sequence of changes
// made the board, and the predators it names as facing prey must include every one that eats.

#include "Core/Math/Math.h"
#include "Core/Math/RandomGenerator.h"
#include "Marrowmere/Inhabitants/Inhabitants.h"
#include "tests/Marrowmere/Inhabitants/OpenBoard.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using LotSet = Inhabitants::LotSet;

using Board = OpenBoard;

// The six kinds of eating, each with how far its predator reaches and its eating test.
using EatingTest = bool (*)(int, int, int&, int&);
const struct {
    ObjectType predator, prey;
    int reach;
    EatingTest canEat;
} kinds[] = {
    {swimmer, grazer, 1, &Board::CanSwimmerEatGrazer},   {grazer, cannibal, 1, &Board::CanGrazerEatCannibal},
    {grazer, grass, 1, &Board::CanGrazerEatGrass},       {cannibal, flyer, 1, &Board::CanCannibalEatFlyer},
    {cannibal, cannibal, 1, &Board::CanCannibalEatCannibal}, {flyer, swimmer, 4, &Board::CanFlyerEatSwimmer},
};

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
    std::string problem;
    const auto check = [&problem](LotSet kept, LotSet asked, const std::string& name) {
        if (problem.empty() && kept != asked) {
            problem = name;
        }
    };
    check(Board::OccupiedLots(), LotsWhere(Board::IsOccupied), "occupied lots");
    check(Board::FloodedLots(), LotsWhere(Board::IsFlooded), "flooded lots");
    check(Board::LotsHoldingAnimals(), LotsWhere(Board::IsOccupiedByAnimal), "animal lots");
    check(Board::LotsHoldingAnimals(), LotsWhere(Board::IsDirectional), "lots with a direction");
    for (int object = flyer; object <= tree; ++object) {
        check(Board::LotsHolding(static_cast<ObjectType>(object)),
              LotsWhere([object](int r, int c) { return Board::IsOccupied(r, c) && Board::Object(r, c) == object; }),
              "lots of object " + std::to_string(object));
    }
    for (int direction = up; direction <= right; ++direction) {
        check(Board::OccupiedLotsFacing(static_cast<DirectionType>(direction)),
              LotsWhere([direction](int r, int c) { return Board::IsOccupied(r, c) && Board::Direction(r, c) == direction; }),
              "lots facing " + std::to_string(direction));
    }
    // Every lot outside the changed set holds a fresh record.
    const LotSet stale = LotsWhere([](int r, int c) {
        const auto& record = Board::ScoringInformationOf(r, c);
        return record.value != 50 || record.eatingsCount != 0 || record.flyersEatenByCannibalsCount != 0 ||
               record.swimmersEatenByFlyersCount != 0 || record.grazersEatenBySwimmersCount != 0 ||
               record.cannibalsEatenByGrazersCount != 0 || record.completeChainsCount != 0;
    });
    check(stale & ~Board::LotsWithChangedScoring(), 0, "a changed record outside the changed set");

    // Every predator of a kind that passes its eating test must be among those facing prey.
    for (const auto& kind : kinds) {
        const LotSet eaters = LotsWhere([&kind](int r, int c) {
            int preyRow = 0;
            int preyColumn = 0;
            return Board::IsOccupied(r, c) && Board::Object(r, c) == kind.predator &&
                   kind.canEat(r, c, preyRow, preyColumn);
        });
        const LotSet named = Board::PredatorsFacingPrey(kind.predator, kind.prey, kind.reach);
        check((eaters & ~named) | (named & ~Board::LotsHolding(kind.predator)), 0,
              "kind " + std::to_string(kind.predator) + " eats " + std::to_string(kind.prey));
    }
    return problem;
}

TEST(BoardTest, LotSetsFollowEveryKindOfChange)
{
    Board::SetUp();
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
        case 9:
            // Every predator that can eat now eats, one after the other, as in a turn.
            for (int lot = 0; lot < Inhabitants::rowCount * Inhabitants::columnCount; ++lot) {
                const int r = Inhabitants::RowOfLot(lot);
                const int c = Inhabitants::ColumnOfLot(lot);
                for (const auto& kind : kinds) {
                    int preyRow = 0;
                    int preyColumn = 0;
                    int points = 0;
                    if (Board::IsOccupied(r, c) && Board::Object(r, c) == kind.predator &&
                        kind.canEat(r, c, preyRow, preyColumn)) {
                        Board::MakePredatorEatPrey(r, c, preyRow, preyColumn, points);
                    }
                }
            }
            break;
        default:
            if (step % 997 == 0) {
                Board::SetUp();
            }
            break;
        }
        const std::string problem = SetThatDisagrees();
        ASSERT_TRUE(problem.empty()) << "step " << step << ": " << problem;
    }
}

}  // namespace
