#include "tests/Marrowmere/Inhabitants/BoardFixture.h"

#include "Marrowmere/Scoring/Scoring.h"

namespace {

class TurnTest : public BoardTest {
protected:
    void SetUp() override
    {
        BoardTest::SetUp();
        // One animal of each kind along the bottom row, facing nothing they eat, keeps the
        // game going while the tests watch the rows above.
        Place({{flyer, left, 4, 0}, {swimmer, left, 4, 1}, {grazer, left, 4, 2}, {cannibal, down, 4, 3}});
    }

    // Counts a lot's starvation time down without playing turns.
    static void Starve(int row, int column, int remaining)
    {
        while (Board::StarvationTimeRemaining(row, column) > remaining) {
            Board::DecrementStarvationTimeRemaining(row, column);
        }
    }
};

TEST_F(TurnTest, AStarvedAnimalIsGrassThatCanBeEatenInTheSameTurn)
{
    Place({{grazer, right, 1, 0}, {flyer, up, 1, 1}});
    Starve(1, 1, 1);
    const auto result = PlayQuietTurn();
    EXPECT_EQ(result.eatingsCount, 1);
    ExpectAnimal(1, 1, grazer, right);
    EXPECT_EQ(Board::StarvationTimeRemaining(1, 1), 25);
    ExpectEmpty(1, 0);
}

TEST_F(TurnTest, AnEvaporatedFloodLetsAFlyerEatInTheSameTurn)
{
    Place({{flyer, down, 0, 2}, {swimmer, left, 2, 2}});
    Board::Flood(2, 2);
    while (Board::FloodTimeRemaining(2, 2) > 1) {
        Board::DecrementFloodTimeRemaining(2, 2);
    }
    const auto result = PlayQuietTurn();
    EXPECT_EQ(result.eatingsCount, 1);
    ExpectAnimal(2, 2, flyer, down);
}

TEST_F(TurnTest, IllegalMovesAreRefusedAndChangeNothing)
{
    Place({{grass, up, 0, 0}});
    EXPECT_FALSE(Board::PlayTool(ItemQueue::death, 0, 0).wasPlayed);
    EXPECT_FALSE(Board::PlayTool(ItemQueue::reverser, 1, 1).wasPlayed);
    EXPECT_FALSE(Board::PlayAnimal(flyer, up, 4, 0).wasPlayed);
    EXPECT_FALSE(Board::PlayTool(ItemQueue::cloud, 5, 0).wasPlayed);
    ItemQueue::MakeCurrentItemUnavailable();
    EXPECT_FALSE(Board::PlayTool(ItemQueue::cloud, 1, 1).wasPlayed);
    EXPECT_EQ(Board::Object(0, 0), grass);
    EXPECT_EQ(Scoring::Score(), 0);
    EXPECT_EQ(Scoring::Statistics().totalTurnsCount, 0);
    EXPECT_EQ(Board::StarvationTimeRemaining(4, 0), 25);
    ItemQueue::MakeCurrentItemAvailable();
    ItemQueue::SetPickCount(0);
    EXPECT_FALSE(Board::UsePick(ItemQueue::animal, grazer, left)); // no pick left
    EXPECT_EQ(ItemQueue::CurrentItem(), ItemQueue::cloud);
}

TEST_F(TurnTest, AllFourLinksInOneTurnCompleteAChainThatEarnsAPick)
{
    // The grazer eats a cannibal, a swimmer eats the grazer, a flyer eats the swimmer and a
    // cannibal eats the flyer, all on lot (2, 1).
    Place({{grazer, right, 2, 0}, {cannibal, up, 2, 1}, {swimmer, up, 3, 1}, {flyer, left, 2, 4}, {cannibal, down, 1, 1}});
    ASSERT_EQ(ItemQueue::PickCount(), 1);

    const auto result = PlayQuietTurn();

    EXPECT_EQ(result.eatingsCount, 4);
    EXPECT_EQ(result.completeChainsCount, 1);
    ExpectAnimal(2, 1, cannibal, down);
    EXPECT_EQ(Board::CompleteChainsCount(2, 1), 1);
    // 100, (50 + 100) x 2, (50 + 300) x 2, then (50 + 700) x 2 doubled once more for the chain.
    EXPECT_EQ(Board::ScoringInformationOf(2, 1).value, 3000);
    EXPECT_EQ(result.turnScore, 50 + 100 + 300 + 700 + 3000);
    EXPECT_EQ(ItemQueue::PickCount(), 2);
    const auto statistics = Scoring::Statistics();
    EXPECT_EQ(statistics.completeChainsCount, 1);
    EXPECT_EQ(statistics.fourChainEatingsCount, 1);
    EXPECT_EQ(statistics.longestChainCount, 4);
}

}  // namespace
