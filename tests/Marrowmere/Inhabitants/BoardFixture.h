#pragma once

#include "tests/Support/TurnDriver/TurnDriver.h"

#include <gtest/gtest.h>

// Every board test starts from an empty board with score, statistics and queue set up.
class BoardTest : public ::testing::Test {
protected:
    using Board = TurnDriver;

    void SetUp() override { Board::NewEmptyGame(); }

    // Resolves one eating phase and returns what it did.
    static TurnDriver::TurnResult ResolveEating()
    {
        TurnDriver::TurnResult result{};
        Board::ResetScoringInformation();
        Board::ResolveEatingPhase(result);
        return result;
    }

    // A turn that changes nothing near the lots the test watches: a cloud on the bottom-right
    // corner, which must be empty or flooded.
    static TurnDriver::TurnResult PlayQuietTurn() { return Board::PlayTool(ItemQueue::cloud, 4, 4); }

    static void ExpectAnimal(int row, int column, ObjectType animal, DirectionType direction)
    {
        EXPECT_TRUE(Board::IsOccupied(row, column)) << "lot " << row << "," << column;
        EXPECT_EQ(Board::Object(row, column), animal) << "lot " << row << "," << column;
        EXPECT_EQ(Board::Direction(row, column), direction) << "lot " << row << "," << column;
    }

    static void ExpectEmpty(int row, int column)
    {
        EXPECT_FALSE(Board::IsOccupied(row, column)) << "lot " << row << "," << column;
        EXPECT_FALSE(Board::IsTimed(row, column)) << "lot " << row << "," << column;
    }
};
