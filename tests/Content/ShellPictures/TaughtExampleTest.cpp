#include "tests/Support/AnimatedBoard/AnimatedBoard.h"

#include <gtest/gtest.h>

namespace {

// The objective page teaches complete chains with this position and its numbers: the grazer
// placed last sets off four eatings worth 100, 300, 700 and 3000, a complete chain and a pick.
TEST(TaughtExample, TheChainOnTheObjectivePagePlaysAsThePageSays)
{
    AnimatedBoard board(0);
    board.SetUp();
    BoardBuilder::Empty();
    BoardBuilder::PlaceAnimal(swimmer, down, 1, 4);
    BoardBuilder::PlaceAnimal(flyer, right, 2, 0);
    BoardBuilder::PlaceAnimal(cannibal, down, 2, 4);
    BoardBuilder::PlaceAnimal(cannibal, up, 3, 4);
    const AnimatedBoard::TurnResult turn = board.PlayItem(ItemQueue::animal, grazer, right, 2, 3);
    ASSERT_TRUE(turn.wasPlayed);
    EXPECT_EQ(turn.eatingsCount, 4);
    EXPECT_EQ(turn.completeChainsCount, 1);
    EXPECT_EQ(turn.turnScore, 50 + 100 + 300 + 700 + 3000);
    EXPECT_EQ(Inhabitants::OccupiedLots(), Inhabitants::LotSet{1} << Inhabitants::LotIndex(2, 4));
    EXPECT_EQ(Inhabitants::Object(2, 4), cannibal);
    EXPECT_EQ(Inhabitants::Direction(2, 4), up);
}

} // namespace
