#include "tests/Marrowmere/Inhabitants/BoardFixture.h"

#include "Marrowmere/Scoring/Scoring.h"

#include <climits>

namespace {

TEST_F(BoardTest, FirstEatingIsWorthBothRecordsAndTheNextDoubles)
{
    Board::PlaceAnimal(swimmer, right, 2, 0);
    Board::PlaceAnimal(grazer, up, 2, 1);
    Board::PlaceAnimal(grazer, up, 2, 2);
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
    Board::PlaceAnimal(swimmer, right, 2, 1);
    Board::PlaceAnimal(grazer, down, 2, 2);
    Board::PlaceAnimal(flyer, down, 0, 2);
    const auto result = ResolveEating();
    EXPECT_EQ(result.eatingsCount, 2);
    EXPECT_EQ(Scoring::Score(), 100 + (50 + 100) * 2);

    const auto& record = Board::ScoringInformationOf(2, 2);
    EXPECT_EQ(record.eatingsCount, 2);
    EXPECT_EQ(record.objectLastEaten, swimmer);
    EXPECT_EQ(record.grazersEatenBySwimmersCount, 1);
    EXPECT_EQ(record.swimmersEatenByFlyersCount, 1);
    EXPECT_EQ(record.flyersEatenByCannibalsCount, 0);
    EXPECT_EQ(record.cannibalsEatenByGrazersCount, 0);
}

TEST_F(BoardTest, GrassAndCannibalMealsMakeNoLink)
{
    Board::PlaceAnimal(grazer, right, 0, 0);
    Board::PlaceGrass(0, 1);
    Board::PlaceAnimal(cannibal, right, 4, 0);
    Board::PlaceAnimal(cannibal, down, 4, 1);
    EXPECT_EQ(ResolveEating().eatingsCount, 2);
    for (const auto* record : {&Board::ScoringInformationOf(0, 1), &Board::ScoringInformationOf(4, 1)}) {
        EXPECT_EQ(record->eatingsCount, 1);
        EXPECT_EQ(record->flyersEatenByCannibalsCount + record->swimmersEatenByFlyersCount +
                      record->grazersEatenBySwimmersCount + record->cannibalsEatenByGrazersCount,
                  0);
    }
}

TEST_F(BoardTest, AllFourLinksInOneTurnCompleteAChain)
{
    // The grazer eats a cannibal, a swimmer eats the grazer, a flyer eats the swimmer and a
    // cannibal eats the flyer, all on lot (2, 1).
    Board::PlaceAnimal(grazer, right, 2, 0);
    Board::PlaceAnimal(cannibal, up, 2, 1);
    Board::PlaceAnimal(swimmer, up, 3, 1);
    Board::PlaceAnimal(flyer, left, 2, 4);
    Board::PlaceAnimal(cannibal, down, 1, 1);
    const int picksBefore = ItemQueue::PickCount();

    const auto result = ResolveEating();

    EXPECT_EQ(result.eatingsCount, 4);
    EXPECT_EQ(result.completeChainsCount, 1);
    ExpectAnimal(2, 1, cannibal, down);
    EXPECT_EQ(Board::EatingsCount(2, 1), 4);
    EXPECT_EQ(Board::CompleteChainsCount(2, 1), 1);
    // 100, (50 + 100) x 2, (50 + 300) x 2, then (50 + 700) x 2 doubled once more for the chain.
    EXPECT_EQ(Board::ScoringInformationOf(2, 1).value, 3000);
    EXPECT_EQ(Scoring::Score(), 100 + 300 + 700 + 3000);
    EXPECT_EQ(ItemQueue::PickCount(), picksBefore + 1);
    EXPECT_EQ(Scoring::Statistics().completeChainsCount, 1);
}

TEST_F(BoardTest, RepeatingOneLinkCompletesNoChain)
{
    // Two cannibals that each ate a flyer: one eats the other, giving two links of one kind.
    Board::PlaceAnimal(cannibal, right, 0, 0);
    Board::PlaceAnimal(flyer, up, 0, 1);
    Board::PlaceAnimal(cannibal, right, 1, 0);
    Board::PlaceAnimal(flyer, up, 1, 1);
    Board::ResetScoringInformation();
    int value = 0;
    Board::MakePredatorEatPrey(0, 0, 0, 1, value);
    EXPECT_EQ(value, 100);
    EXPECT_EQ(Board::CompleteChainsCount(0, 1), 0);
    Board::MakePredatorEatPrey(1, 0, 1, 1, value);
    // The cannibal at (1, 1) eats the one at (0, 1) by hand: two flyer links, no others.
    Board::MakePredatorEatPrey(1, 1, 0, 1, value);
    EXPECT_EQ(Board::ScoringInformationOf(0, 1).flyersEatenByCannibalsCount, 2);
    EXPECT_EQ(Board::CompleteChainsCount(0, 1), 0);
    EXPECT_EQ(value, (100 + 100) * 2 * 2);
}

TEST_F(BoardTest, PointsStopAtTheLargestIntInsteadOfTurningNegative)
{
    // Without a reset between them every eating at least doubles the eater's worth.
    Board::PlaceAnimal(swimmer, right, 0, 0);
    Board::ResetScoringInformation();
    int predatorColumn = 0;
    int value = 0;
    int previous = 0;
    for (int eating = 0; eating < 32; ++eating) {
        const int preyColumn = 1 - predatorColumn;
        Board::PlaceAnimal(grazer, up, 0, preyColumn);
        Board::MakePredatorEatPrey(0, predatorColumn, 0, preyColumn, value);
        ASSERT_GE(value, previous) << "eating " << eating;
        previous = value;
        predatorColumn = preyColumn;
    }
    EXPECT_EQ(value, INT_MAX);
    Scoring::IncrementScore(value);
    Scoring::IncrementScore(value);
    EXPECT_EQ(Scoring::Score(), INT_MAX);
}

TEST_F(BoardTest, TheRecordStaysWithTheLotThePredatorLeaves)
{
    Board::PlaceAnimal(grazer, right, 3, 3);
    Board::PlaceGrass(3, 4);
    ResolveEating();
    EXPECT_EQ(Board::ScoringInformationOf(3, 3).value, 50);
    EXPECT_EQ(Board::ScoringInformationOf(3, 4).value, 100);
    EXPECT_TRUE(Board::HasEaten(3, 4));
    // A new turn resets only occupied lots.
    Board::ResetScoringInformation();
    EXPECT_FALSE(Board::HasEaten(3, 4));
    EXPECT_EQ(Board::ScoringInformationOf(3, 4).value, 50);
    EXPECT_EQ(Board::ScoringInformationOf(3, 4).objectLastEaten, grass);
}

}  // namespace
