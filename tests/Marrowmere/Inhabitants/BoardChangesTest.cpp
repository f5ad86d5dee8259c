#include "tests/Marrowmere/Inhabitants/BoardFixture.h"

namespace {

TEST_F(BoardTest, SetUpLeavesEveryLotEmptyDryAndUntimed)
{
    Place({{swimmer, up, 1, 1}});
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

TEST_F(BoardTest, PlacingGivesAFullTimerButInAFloodOnlyASwimmerSurvives)
{
    Place({{grazer, left, 3, 1}});
    ExpectAnimal(3, 1, grazer, left);
    EXPECT_TRUE(Board::IsDirectional(3, 1));
    EXPECT_EQ(Board::StarvationTimeRemaining(3, 1), 25);

    Board::Flood(1, 1);
    for (ObjectType animal : {flyer, grazer, cannibal}) {
        Board::PlaceAnimal(animal, up, 1, 1);
        ExpectEmpty(1, 1);
        EXPECT_TRUE(Board::IsFlooded(1, 1));
    }
    Board::PlaceAnimal(swimmer, down, 1, 1);
    ExpectAnimal(1, 1, swimmer, down);
    EXPECT_EQ(Board::StarvationTimeRemaining(1, 1), 25);
}

TEST_F(BoardTest, TurningFollowsTheCompassAndLeavesTheHungerAlone)
{
    struct Turn {
        DirectionType from, reversed, clockwise, counterclockwise;
    };
    const Turn turns[] = {{up, down, right, left}, {down, up, left, right}, {left, right, up, down}, {right, left, down, up}};
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
        EXPECT_EQ(Board::StarvationTimeRemaining(0, 0), 24);
    }
}

TEST_F(BoardTest, KillingTurnsAnimalsIntoGrassGrassIntoTreesAndDrownsAFloodedSwimmer)
{
    Place({{cannibal, left, 2, 2}});
    Board::DecrementStarvationTimeRemaining(2, 2);
    Board::Kill(2, 2);
    EXPECT_EQ(Board::Object(2, 2), grass);
    EXPECT_FALSE(Board::IsDirectional(2, 2));
    EXPECT_TRUE(Board::IsTimed(2, 2));
    EXPECT_EQ(Board::StarvationTimeRemaining(2, 2), 25);
    Board::Kill(2, 2);
    EXPECT_EQ(Board::Object(2, 2), tree);
    EXPECT_FALSE(Board::IsTimed(2, 2));

    // A swimmer in a flood leaves only the flood; on dry land it becomes grass like any animal.
    Place({{swimmer, up, 1, 3}, {swimmer, up, 1, 4}});
    Board::Flood(1, 3);
    Board::Kill(1, 3);
    ExpectEmpty(1, 3);
    EXPECT_TRUE(Board::IsFlooded(1, 3));
    Board::Kill(1, 4);
    EXPECT_EQ(Board::Object(1, 4), grass);
}

TEST_F(BoardTest, FloodingDrownsAllButSwimmersAndTrees)
{
    Place({{grazer, up, 0, 0}, {grass, up, 0, 1}, {swimmer, left, 0, 2}, {tree, up, 0, 3}});
    Board::DecrementStarvationTimeRemaining(0, 2);
    for (int column = 0; column < 5; ++column) {
        Board::Flood(0, column);
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
    Place({{swimmer, up, 4, 0}});
    Board::Flood(4, 0);
    Board::DecrementFloodTimeRemaining(4, 0);
    Board::DecrementFloodTimeRemaining(4, 0);
    Board::Flood(4, 0);
    EXPECT_EQ(Board::FloodTimeRemaining(4, 0), 25);

    Board::EvaporateFlood(4, 0);
    EXPECT_FALSE(Board::IsFlooded(4, 0));
    ExpectAnimal(4, 0, swimmer, up);
}

}  // namespace
