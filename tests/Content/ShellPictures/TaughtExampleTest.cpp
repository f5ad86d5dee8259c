#include "tests/Support/TurnDriver/TurnDriver.h"

#include <gtest/gtest.h>

namespace {

// The objective page teaches complete chains with this position and its numbers: the grazer
// placed last sets off four eatings worth 100, 300, 700 and 3000, a complete chain and a pick.
TEST(TaughtExample, TheChainOnTheObjectivePagePlaysAsThePageSays)
{
    TurnDriver::NewEmptyGame();
    TurnDriver::PlaceAnimal(swimmer, down, 1, 4);
    TurnDriver::PlaceAnimal(flyer, right, 2, 0);
    TurnDriver::PlaceAnimal(cannibal, down, 2, 4);
    TurnDriver::PlaceAnimal(cannibal, up, 3, 4);
    const TurnDriver::TurnResult turn = TurnDriver::PlayAnimal(grazer, right, 2, 3);
    ASSERT_TRUE(turn.wasPlayed);
    EXPECT_EQ(turn.eatingsCount, 4);
    EXPECT_EQ(turn.completeChainsCount, 1);
    EXPECT_EQ(turn.turnScore, 50 + 100 + 300 + 700 + 3000);
    ASSERT_TRUE(Inhabitants::IsOccupied(2, 4));
    EXPECT_EQ(Inhabitants::Object(2, 4), cannibal);
    EXPECT_EQ(Inhabitants::Direction(2, 4), up);
    int occupied = 0;
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            occupied += Inhabitants::IsOccupied(row, column);
        }
    }
    EXPECT_EQ(occupied, 1);
}

} // namespace
