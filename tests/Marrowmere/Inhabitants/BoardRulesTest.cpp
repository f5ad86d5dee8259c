// Hand-made positions for what the seeded games of ReferenceResolutionTest seldom or never
// build: flyers passing swimmers they do not eat, eatings decided together, points beyond the
// range of an int, and the board's answers about why a game ended.

#include "tests/Marrowmere/Inhabitants/OpenBoard.h"
#include "tests/Support/AnimatedBoard/AnimatedBoard.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

namespace {

using Board = OpenBoard;

// One animal of a test position.
struct Piece {
    ObjectType what;
    DirectionType facing;
    int row;
    int column;
};

// Each position: the eatings of the turn in which its last animal is placed, who stands where
// afterwards and which lots were left. A flooded lot, when there is one, is flooded before the
// last animal comes and stays so.
struct Position {
    const char* rule;
    std::vector<Piece> pieces;
    int eatings;
    std::vector<Piece> after = {};
    std::vector<std::pair<int, int>> left = {};
    std::pair<int, int> flooded = {-1, -1};
};

const Position positions[] = {
    {"a flyer passes a flooded swimmer", {{flyer, down, 0, 0}, {swimmer, left, 1, 0}, {swimmer, left, 3, 0}}, 1,
     {{flyer, down, 3, 0}, {swimmer, left, 1, 0}}, {{0, 0}}, {1, 0}},
    // The near swimmer has a flyer on each side at distance 1; the top flyer takes the far one at
    // distance 3, and then the lower flyer has the near one to itself.
    {"a flyer passes a contested swimmer", {{flyer, down, 0, 0}, {swimmer, left, 1, 0}, {flyer, up, 2, 0}, {swimmer, left, 3, 0}},
     2, {{flyer, up, 1, 0}, {flyer, down, 3, 0}}, {{0, 0}, {2, 0}}},
    // Decided one after the other, the lower grazer would be contested and survive.
    {"all eatings of one kind are decided on the same board",
     {{swimmer, down, 1, 1}, {grazer, left, 2, 1}, {swimmer, right, 3, 0}, {grazer, left, 3, 1}}, 2,
     {{swimmer, down, 2, 1}, {swimmer, right, 3, 1}}, {{1, 1}, {3, 0}}},
};

TEST(BoardTest, EachPositionResolvesByItsRule)
{
    AnimatedBoard board(0);
    for (const Position& position : positions) {
        SCOPED_TRACE(position.rule);
        board.NewGame(1);
        BoardBuilder::Empty();
        for (std::size_t index = 0; index + 1 < position.pieces.size(); ++index) {
            const Piece& piece = position.pieces[index];
            BoardBuilder::PlaceAnimal(piece.what, piece.facing, piece.row, piece.column);
        }
        if (position.flooded.first >= 0) {
            BoardBuilder::Flood(position.flooded.first, position.flooded.second);
        }
        const Piece& last = position.pieces.back();
        const AnimatedBoard::TurnResult result =
            board.PlayItem(ItemQueue::animal, last.what, last.facing, last.row, last.column);
        ASSERT_TRUE(result.wasPlayed);
        EXPECT_EQ(result.eatingsCount, position.eatings);
        for (const Piece& piece : position.after) {
            EXPECT_TRUE(Board::IsOccupied(piece.row, piece.column)) << piece.row << "," << piece.column;
            EXPECT_EQ(Board::Object(piece.row, piece.column), piece.what) << piece.row << "," << piece.column;
            EXPECT_EQ(Board::Direction(piece.row, piece.column), piece.facing) << piece.row << "," << piece.column;
        }
        for (const auto& [row, column] : position.left) {
            EXPECT_FALSE(Board::IsOccupied(row, column) || Board::IsTimed(row, column)) << row << "," << column;
        }
        if (position.flooded.first >= 0) {
            EXPECT_TRUE(Board::IsFlooded(position.flooded.first, position.flooded.second));
        }
    }
}

TEST(BoardTest, PointsStopAtTheLargestIntInsteadOfTurningNegative)
{
    // Without a reset between them every eating at least doubles the eater's worth.
    Board::SetUp();
    Board::PlaceAnimal(swimmer, right, 0, 0);
    Board::ResetScoringInformation();
    int value = 0;
    for (int eating = 0; eating < 32; ++eating) {
        const int previous = value;
        Board::PlaceAnimal(grazer, up, 0, 1 - eating % 2);
        Board::MakePredatorEatPrey(0, eating % 2, 0, 1 - eating % 2, value);
        ASSERT_GE(value, previous) << "eating " << eating;
    }
    EXPECT_EQ(value, INT_MAX);
}

TEST(BoardTest, EachMissingSpeciesIsNamedAndAFullBoardIsOverpopulated)
{
    const ObjectType kinds[] = {flyer, swimmer, grazer, cannibal};
    for (ObjectType missing : kinds) {
        SCOPED_TRACE(int{missing});
        Board::SetUp();
        int column = 0;
        for (ObjectType kind : kinds) {
            if (kind != missing) {
                Board::PlaceAnimal(kind, up, 0, column++);
            }
        }
        const bool extinct[] = {Board::AreFlyersExtinct(), Board::AreSwimmersExtinct(), Board::AreGrazersExtinct(),
                                Board::AreCannibalsExtinct()};
        for (ObjectType kind : kinds) {
            EXPECT_EQ(extinct[kind], kind == missing);
        }
        EXPECT_TRUE(Board::IsGameOver());
        EXPECT_FALSE(Board::AreMultipleSpeciesExtinct());
        EXPECT_FALSE(Board::IsOverpopulated());
    }
    Board::Kill(0, 0);  // grass keeps no species alive
    EXPECT_TRUE(Board::AreMultipleSpeciesExtinct());

    Board::PlaceAnimal(flyer, up, 0, 0);
    Board::PlaceAnimal(cannibal, up, 0, 3);
    for (int lot = 5; lot < 25; ++lot) {
        Board::PlaceAnimal(grazer, up, lot / 5, lot % 5);
    }
    EXPECT_FALSE(Board::IsOverpopulated());
    Board::PlaceAnimal(grazer, up, 0, 4);
    EXPECT_TRUE(Board::IsOverpopulated());
    EXPECT_FALSE(Board::AreMultipleSpeciesExtinct());
}

}  // namespace
