#include "tests/Marrowmere/Inhabitants/BoardFixture.h"

#include "Marrowmere/Scoring/Scoring.h"

#include <climits>

namespace {

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
