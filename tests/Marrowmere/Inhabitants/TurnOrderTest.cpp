#include "tests/Marrowmere/Inhabitants/BoardFixture.h"

#include "Core/Math/RandomGenerator.h"
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

    void TearDown() override { RandomGenerator::SetRawSource({}); }

    // Counts a lot's starvation time down without playing turns.
    static void Starve(int row, int column, int remaining)
    {
        while (Board::StarvationTimeRemaining(row, column) > remaining) {
            Board::DecrementStarvationTimeRemaining(row, column);
        }
    }
};

TEST_F(TurnTest, ATurnWithoutEatingScoresFiftyAndCountsHungerDown)
{
    const auto result = Board::PlayTool(ItemQueue::reverser, 4, 3);
    ASSERT_TRUE(result.wasPlayed);
    EXPECT_EQ(result.turnScore, 50);
    EXPECT_FALSE(result.isGameOver);
    EXPECT_EQ(Scoring::Score(), 50);
    EXPECT_EQ(Scoring::Statistics().totalTurnsCount, 1);
    EXPECT_EQ(Board::Direction(4, 3), up);
    EXPECT_EQ(Board::StarvationTimeRemaining(4, 1), 24);
}

TEST_F(TurnTest, AnAnimalThatAteKeepsAFullTimerAndOneThatDidNotLosesATurn)
{
    Place({{grazer, right, 1, 0}, {grass, up, 1, 1}, {swimmer, up, 2, 4}});
    const auto result = PlayQuietTurn();
    EXPECT_EQ(result.eatingsCount, 1);
    EXPECT_EQ(result.turnScore, 150);
    ExpectAnimal(1, 1, grazer, right);
    EXPECT_EQ(Board::StarvationTimeRemaining(1, 1), 25);
    EXPECT_EQ(Board::StarvationTimeRemaining(2, 4), 24);
    EXPECT_EQ(Scoring::Statistics().singleEatingsCount, 1);
}

TEST_F(TurnTest, EatingTwiceInOneTurnScoresFourHundredFifty)
{
    Place({{swimmer, right, 1, 0}, {grazer, up, 1, 1}, {grazer, up, 1, 2}});
    const auto result = PlayQuietTurn();
    EXPECT_EQ(result.turnScore, 450);
    const auto statistics = Scoring::Statistics();
    EXPECT_EQ(statistics.twoChainEatingsCount, 1);
    EXPECT_EQ(statistics.singleEatingsCount, 0);
    EXPECT_EQ(statistics.longestChainCount, 2);
    EXPECT_EQ(statistics.bestTurnScore, 450);

    // A quieter turn afterwards does not lower the best turn.
    EXPECT_EQ(PlayQuietTurn().turnScore, 50);
    EXPECT_EQ(Scoring::Statistics().bestTurnScore, 450);
    EXPECT_EQ(Scoring::Score(), 500);
}

TEST_F(TurnTest, StarvationTurnsAnimalsIntoGrassAndGrassIntoTreesTogether)
{
    Place({{flyer, up, 0, 0}, {grass, up, 0, 2}});
    Starve(0, 0, 1);
    Starve(0, 2, 1);
    PlayQuietTurn();
    EXPECT_EQ(Board::Object(0, 0), grass);
    EXPECT_EQ(Board::StarvationTimeRemaining(0, 0), 25);
    EXPECT_EQ(Board::Object(0, 2), tree);
    EXPECT_FALSE(Board::IsTimed(0, 2));
}

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

TEST_F(TurnTest, AFloodLastsTwentyFiveTurnsCountingItsOwn)
{
    Place({{tree, up, 2, 2}});
    ASSERT_TRUE(Board::PlayTool(ItemQueue::cloud, 2, 2).wasPlayed);
    EXPECT_EQ(Board::FloodTimeRemaining(2, 2), 24);
    for (int turn = 2; turn < 25; ++turn) {
        ASSERT_TRUE(PlayQuietTurn().wasPlayed) << "turn " << turn;
    }
    EXPECT_EQ(Board::FloodTimeRemaining(2, 2), 1);
    PlayQuietTurn();
    EXPECT_FALSE(Board::IsFlooded(2, 2));
    EXPECT_EQ(Board::Object(2, 2), tree);
}

TEST_F(TurnTest, ADrownedAnimalStillUsesTheTurn)
{
    Board::Flood(1, 1);
    const auto result = Board::PlayAnimal(grazer, up, 1, 1);
    ASSERT_TRUE(result.wasPlayed);
    EXPECT_EQ(result.turnScore, 50);
    ExpectEmpty(1, 1);
    EXPECT_TRUE(Board::IsFlooded(1, 1));
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
}

TEST_F(TurnTest, LegalMovesFollowTheCurrentItem)
{
    TurnDriver::Move moves[25];
    ItemQueue::SetCurrentItem(ItemQueue::cloud, flyer, up);
    EXPECT_EQ(Board::LegalMoves(moves), 25);
    ItemQueue::SetCurrentItem(ItemQueue::death, flyer, up);
    ASSERT_EQ(Board::LegalMoves(moves), 4);
    EXPECT_EQ(moves[3].row, 4);
    EXPECT_EQ(moves[3].column, 3);
    ItemQueue::SetCurrentItem(ItemQueue::animal, flyer, up);
    EXPECT_EQ(Board::LegalMoves(moves), 21);
}

TEST_F(TurnTest, TheNextItemIsDrawnAfterATurnButNotWhenTheGameEnds)
{
    int draws = 0;
    RandomGenerator::SetRawSource([&draws] {
        ++draws;
        return 0;  // counts as the largest value: a cloud
    });
    ItemQueue::SetCurrentItem(ItemQueue::reverser, flyer, up);
    Board::PlayMove(4, 3);
    EXPECT_EQ(draws, 1);
    EXPECT_EQ(ItemQueue::CurrentItem(), ItemQueue::cloud);
    EXPECT_TRUE(ItemQueue::IsAnyItemAvailable());

    // Killing the only cannibal ends the game: no item follows and nothing more is played.
    const auto result = Board::PlayTool(ItemQueue::death, 4, 3);
    EXPECT_TRUE(result.isGameOver);
    EXPECT_TRUE(Board::HasGameEnded());
    EXPECT_EQ(draws, 1);
    EXPECT_FALSE(ItemQueue::IsAnyItemAvailable());
    EXPECT_FALSE(Board::PlayTool(ItemQueue::cloud, 0, 0).wasPlayed);
    EXPECT_EQ(Scoring::Statistics().totalTurnsCount, 2);
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

TEST_F(TurnTest, APickReplacesTheCurrentItemAndIsSpent)
{
    ASSERT_EQ(ItemQueue::PickCount(), 1);
    ASSERT_TRUE(Board::UsePick(ItemQueue::animal, grazer, left));
    EXPECT_EQ(ItemQueue::CurrentAnimal(), grazer);
    EXPECT_EQ(ItemQueue::CurrentDirection(), left);
    EXPECT_EQ(ItemQueue::PickCount(), 0);
    EXPECT_FALSE(Board::UsePick(ItemQueue::cloud, flyer, up));
    EXPECT_EQ(ItemQueue::CurrentItem(), ItemQueue::animal);
}

}  // namespace
