#include "tests/Marrowmere/Inhabitants/BoardFixture.h"

namespace {

TEST_F(BoardTest, SetUpLeavesEveryLotEmptyDryAndUntimed)
{
    Board::PlaceAnimal(swimmer, up, 1, 1);
    Board::Flood(3, 3);
    Board::MarkAsUnresolved();
    Board::SetUp();
    EXPECT_TRUE(Board::IsResolved());
    for (int row = 0; row < Board::RowCount(); ++row) {
        for (int column = 0; column < Board::ColumnCount(); ++column) {
            ExpectEmpty(row, column);
            EXPECT_FALSE(Board::IsFlooded(row, column));
        }
    }
}

TEST_F(BoardTest, PositionsAndNeighbours)
{
    EXPECT_TRUE(Board::IsValidPosition(0, 0));
    EXPECT_TRUE(Board::IsValidPosition(4, 4));
    EXPECT_FALSE(Board::IsValidPosition(-1, 2));
    EXPECT_FALSE(Board::IsValidPosition(2, 5));
    EXPECT_FALSE(Board::IsValidPosition(-2147483647 - 1, 2147483647));

    int row = 0;
    int column = 0;
    Board::GetNeighborPosition(up, row, column);  // no bounds check
    EXPECT_EQ(row, -1);
    Board::GetNeighborPosition(right, row, column);
    Board::GetNeighborPosition(down, row, column);
    Board::GetNeighborPosition(down, row, column);
    Board::GetNeighborPosition(left, row, column);
    EXPECT_EQ(row, 1);
    EXPECT_EQ(column, 0);
}

TEST_F(BoardTest, OnlyFlyersToCannibalsAreAnimals)
{
    for (ObjectType object : {flyer, swimmer, grazer, cannibal}) {
        EXPECT_TRUE(Board::IsAnAnimal(object));
        EXPECT_EQ(Board::StarvationTime(object), 25);
    }
    EXPECT_EQ(Board::StarvationTime(grass), 25);
    EXPECT_FALSE(Board::IsAnAnimal(grass));
    EXPECT_FALSE(Board::IsAnAnimal(tree));
}

TEST_F(BoardTest, PlacingOnDryLandGivesAFullStarvationTimer)
{
    Board::PlaceAnimal(grazer, left, 3, 1);
    ExpectAnimal(3, 1, grazer, left);
    EXPECT_TRUE(Board::IsDirectional(3, 1));
    EXPECT_TRUE(Board::IsTimed(3, 1));
    EXPECT_EQ(Board::StarvationTimeRemaining(3, 1), 25);
    EXPECT_FALSE(Board::CanAnimalBePlaced(3, 1));
    EXPECT_TRUE(Board::CanAnimalBePlaced(3, 2));
}

TEST_F(BoardTest, OnlyASwimmerSurvivesBeingPlacedInAFlood)
{
    Board::Flood(1, 1);
    EXPECT_TRUE(Board::CanAnimalBePlaced(1, 1));
    for (ObjectType animal : {flyer, grazer, cannibal}) {
        Board::PlaceAnimal(animal, up, 1, 1);
        ExpectEmpty(1, 1);
        EXPECT_TRUE(Board::IsFlooded(1, 1));
    }
    Board::PlaceAnimal(swimmer, down, 1, 1);
    ExpectAnimal(1, 1, swimmer, down);
    EXPECT_EQ(Board::StarvationTimeRemaining(1, 1), 25);
}

TEST_F(BoardTest, TurningFollowsTheCompass)
{
    struct Turn {
        DirectionType from, reversed, clockwise, counterclockwise;
    };
    const Turn turns[] = {
        {up, down, right, left},
        {down, up, left, right},
        {left, right, up, down},
        {right, left, down, up},
    };
    for (const Turn& turn : turns) {
        Board::SetUp();
        Board::PlaceAnimal(flyer, turn.from, 0, 0);
        Board::DecrementStarvationTimeRemaining(0, 0);
        Board::Reverse(0, 0);
        EXPECT_EQ(Board::Direction(0, 0), turn.reversed);
        Board::Reverse(0, 0);
        Board::TurnClockwise(0, 0);
        EXPECT_EQ(Board::Direction(0, 0), turn.clockwise);
        Board::TurnCounterclockwise(0, 0);
        Board::TurnCounterclockwise(0, 0);
        EXPECT_EQ(Board::Direction(0, 0), turn.counterclockwise);
        EXPECT_EQ(Board::StarvationTimeRemaining(0, 0), 24) << "turning leaves the hunger alone";
    }
}

TEST_F(BoardTest, ToolsNeedAnAnimalExceptTheCloud)
{
    Board::PlaceAnimal(cannibal, up, 0, 0);
    Board::PlaceGrass(0, 1);
    Board::PlaceTree(0, 2);
    for (int column = 0; column < 4; ++column) {
        const bool isAnimal = column == 0;
        EXPECT_EQ(Board::CanBeReversed(0, column), isAnimal);
        EXPECT_EQ(Board::CanBeTurnedClockwise(0, column), isAnimal);
        EXPECT_EQ(Board::CanBeTurnedCounterclockwise(0, column), isAnimal);
        EXPECT_EQ(Board::CanBeKilled(0, column), isAnimal);
        EXPECT_TRUE(Board::CanBeFlooded(0, column));
    }
}

TEST_F(BoardTest, KillingTurnsAnimalsIntoGrassAndGrassIntoTrees)
{
    Board::PlaceAnimal(cannibal, left, 2, 2);
    Board::DecrementStarvationTimeRemaining(2, 2);
    Board::Kill(2, 2);
    EXPECT_TRUE(Board::IsOccupied(2, 2));
    EXPECT_EQ(Board::Object(2, 2), grass);
    EXPECT_FALSE(Board::IsDirectional(2, 2));
    EXPECT_TRUE(Board::IsTimed(2, 2));
    EXPECT_EQ(Board::StarvationTimeRemaining(2, 2), 25);

    Board::Kill(2, 2);
    EXPECT_EQ(Board::Object(2, 2), tree);
    EXPECT_FALSE(Board::IsTimed(2, 2));
    EXPECT_FALSE(Board::IsDirectional(2, 2));
}

TEST_F(BoardTest, KillingASwimmerInAFloodLeavesTheFlood)
{
    Board::PlaceAnimal(swimmer, up, 1, 3);
    Board::Flood(1, 3);
    Board::Kill(1, 3);
    ExpectEmpty(1, 3);
    EXPECT_TRUE(Board::IsFlooded(1, 3));

    // On dry land a swimmer becomes grass like any animal.
    Board::PlaceAnimal(swimmer, up, 1, 4);
    Board::Kill(1, 4);
    EXPECT_EQ(Board::Object(1, 4), grass);
}

TEST_F(BoardTest, FloodingDrownsAllButSwimmersAndTrees)
{
    Board::PlaceAnimal(grazer, up, 0, 0);
    Board::PlaceGrass(0, 1);
    Board::PlaceAnimal(swimmer, left, 0, 2);
    Board::DecrementStarvationTimeRemaining(0, 2);
    Board::PlaceTree(0, 3);
    for (int column = 0; column < 5; ++column) {
        Board::Flood(0, column);
        EXPECT_TRUE(Board::IsFlooded(0, column));
        EXPECT_EQ(Board::FloodTimeRemaining(0, column), 25);
    }
    ExpectEmpty(0, 0);
    ExpectEmpty(0, 1);
    ExpectAnimal(0, 2, swimmer, left);
    EXPECT_EQ(Board::StarvationTimeRemaining(0, 2), 24);
    EXPECT_EQ(Board::Object(0, 3), tree);
    EXPECT_FALSE(Board::IsTimed(0, 3));
    ExpectEmpty(0, 4);
}

TEST_F(BoardTest, FloodingAgainRenewsTheFloodAndEvaporationKeepsTheOccupant)
{
    Board::PlaceAnimal(swimmer, up, 4, 0);
    Board::Flood(4, 0);
    Board::DecrementFloodTimeRemaining(4, 0);
    Board::DecrementFloodTimeRemaining(4, 0);
    EXPECT_EQ(Board::FloodTimeRemaining(4, 0), 23);
    Board::Flood(4, 0);
    EXPECT_EQ(Board::FloodTimeRemaining(4, 0), 25);

    Board::EvaporateFlood(4, 0);
    EXPECT_FALSE(Board::IsFlooded(4, 0));
    ExpectAnimal(4, 0, swimmer, up);
}

TEST_F(BoardTest, ExtinctionAndPresenceQueries)
{
    EXPECT_FALSE(Board::DoesObjectExist(tree));
    Board::PlaceTree(1, 1);
    EXPECT_TRUE(Board::DoesObjectExist(tree));
    EXPECT_FALSE(Board::DoesObjectExist(grass));
    Board::PlaceAnimal(grazer, up, 2, 2);
    EXPECT_TRUE(Board::IsOccupiedByAnimal(2, 2));
    EXPECT_FALSE(Board::IsOccupiedByAnimal(1, 1));
    EXPECT_FALSE(Board::AreGrazersExtinct());
    EXPECT_TRUE(Board::AreFlyersExtinct());
}

}  // namespace
