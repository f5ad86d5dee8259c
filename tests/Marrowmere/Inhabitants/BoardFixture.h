#pragma once

#include "tests/Support/TurnDriver/TurnDriver.h"

#include <gtest/gtest.h>

#include <vector>

// One occupant of a test position; grass and trees ignore the direction.
struct Piece {
    ObjectType what;
    DirectionType facing;
    int row;
    int column;
};

// Every board test starts from an empty board with score, statistics and queue set up.
class BoardTest : public ::testing::Test {
protected:
    using Board = TurnDriver;

    void SetUp() override { Board::NewEmptyGame(); }

    static void Place(const std::vector<Piece>& pieces)
    {
        for (const Piece& piece : pieces) {
            if (piece.what == grass) {
                Board::PlaceGrass(piece.row, piece.column);
            } else if (piece.what == tree) {
                Board::PlaceTree(piece.row, piece.column);
            } else {
                Board::PlaceAnimal(piece.what, piece.facing, piece.row, piece.column);
            }
        }
    }

    // Resolves one eating phase and returns how many eatings it made.
    static int ResolveEating()
    {
        TurnDriver::TurnResult result{};
        Board::ResetScoringInformation();
        Board::ResolveEatingPhase(result);
        return result.eatingsCount;
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
