#include "tests/Marrowmere/Inhabitants/BoardFixture.h"

#include "Marrowmere/Scoring/Scoring.h"

#include <climits>

namespace {

TEST_F(BoardTest, FirstEatingIsWorthBothRecordsAndTheNextDoubles)
{
    Place({{swimmer, right, 2, 0}, {grazer, up, 2, 1}, {grazer, up, 2, 2}});
    Board::ResetScoringInformation();

    int value = 0;
    Board::MakePredatorEatPrey(2, 0, 2, 1, value);
    EXPECT_EQ(value, 100);
    Board::MakePredatorEatPrey(2, 1, 2, 2, value);
    EXPECT_EQ(value, (100 + 50) * 2);

    const auto& record = Board::ScoringInformationOf(2, 2);
    EXPECT_EQ(record.value, 300);
    EXPECT_EQ(record.eatingsCount, 2);
    EXPECT_EQ(record.objectLastEaten, grazer);
    EXPECT_EQ(record.grazersEatenBySwimmersCount, 2);
    EXPECT_EQ(record.completeChainsCount, 0);
}

TEST_F(BoardTest, EatingAPreyThatHasEatenDoublesAndInheritsItsHistory)
{
    // The swimmer eats the grazer, then the flyer above eats the swimmer.
    Place({{swimmer, right, 2, 1}, {grazer, down, 2, 2}, {flyer, down, 0, 2}});
    EXPECT_EQ(ResolveEating(), 2);
    EXPECT_EQ(Scoring::Score(), 100 + (50 + 100) * 2);

    const auto& record = Board::ScoringInformationOf(2, 2);
    EXPECT_EQ(record.eatingsCount, 2);
    EXPECT_EQ(record.objectLastEaten, swimmer);
    EXPECT_EQ(record.grazersEatenBySwimmersCount, 1);
    EXPECT_EQ(record.swimmersEatenByFlyersCount, 1);
    EXPECT_EQ(record.flyersEatenByCannibalsCount + record.cannibalsEatenByGrazersCount, 0);
}

TEST_F(BoardTest, GrassAndCannibalMealsMakeNoLink)
{
    Place({{grazer, right, 0, 0}, {grass, up, 0, 1}, {cannibal, right, 4, 0}, {cannibal, down, 4, 1}});
    EXPECT_EQ(ResolveEating(), 2);
    for (const auto* record : {&Board::ScoringInformationOf(0, 1), &Board::ScoringInformationOf(4, 1)}) {
        EXPECT_EQ(record->eatingsCount, 1);
        EXPECT_EQ(record->flyersEatenByCannibalsCount + record->swimmersEatenByFlyersCount +
                      record->grazersEatenBySwimmersCount + record->cannibalsEatenByGrazersCount,
                  0);
    }
}

TEST_F(BoardTest, RepeatingOneLinkCompletesNoChain)
{
    // Two cannibals that each ate a flyer: one eats the other, giving two links of one kind.
    Place({{cannibal, right, 0, 0}, {flyer, up, 0, 1}, {cannibal, right, 1, 0}, {flyer, up, 1, 1}});
    Board::ResetScoringInformation();
    int value = 0;
    Board::MakePredatorEatPrey(0, 0, 0, 1, value);
    Board::MakePredatorEatPrey(1, 0, 1, 1, value);
    Board::MakePredatorEatPrey(1, 1, 0, 1, value);
    EXPECT_EQ(Board::ScoringInformationOf(0, 1).flyersEatenByCannibalsCount, 2);
    EXPECT_EQ(Board::CompleteChainsCount(0, 1), 0);
    EXPECT_EQ(value, (100 + 100) * 2 * 2);
}

TEST_F(BoardTest, PointsStopAtTheLargestIntInsteadOfTurningNegative)
{
    // Without a reset between them every eating at least doubles the eater's worth.
    Place({{swimmer, right, 0, 0}});
    Board::ResetScoringInformation();
    int predatorColumn = 0;
    int value = 0;
    for (int eating = 0; eating < 32; ++eating) {
        const int preyColumn = 1 - predatorColumn;
        const int previous = value;
        Board::PlaceAnimal(grazer, up, 0, preyColumn);
        Board::MakePredatorEatPrey(0, predatorColumn, 0, preyColumn, value);
        ASSERT_GE(value, previous) << "eating " << eating;
        predatorColumn = preyColumn;
    }
    EXPECT_EQ(value, INT_MAX);
    Scoring::IncrementScore(value);
    Scoring::IncrementScore(value);
    EXPECT_EQ(Scoring::Score(), INT_MAX);
}

TEST_F(BoardTest, TheRecordStaysWithTheLotThePredatorLeaves)
{
    Place({{grazer, right, 3, 3}, {grass, up, 3, 4}});
    ResolveEating();
    EXPECT_EQ(Board::ScoringInformationOf(3, 3).value, 50);
    EXPECT_EQ(Board::ScoringInformationOf(3, 4).value, 100);
    // A new turn resets only occupied lots.
    Board::ResetScoringInformation();
    EXPECT_FALSE(Board::HasEaten(3, 4));
    EXPECT_EQ(Board::ScoringInformationOf(3, 4).value, 50);
    EXPECT_EQ(Board::ScoringInformationOf(3, 4).objectLastEaten, grass);
}

}  // namespace
