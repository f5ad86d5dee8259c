#include "tests/Marrowmere/Inhabitants/BoardFixture.h"

#include <utility>
#include <vector>

namespace {

// Positions that the random games of the reference check rarely reach, each pinning one rule
// of who eats: the eatings of one eating phase, who stands where afterwards and which lots
// were left. A flooded lot, when there is one, is flooded after placing and stays so.
struct Position {
    const char* rule;
    std::vector<Piece> pieces;
    int eatings;
    std::vector<Piece> after = {};
    std::vector<std::pair<int, int>> left = {};
    std::pair<int, int> flooded = {-1, -1};
};

const Position positions[] = {
    {"prey beside but not in front", {{swimmer, up, 2, 1}, {grazer, up, 2, 2}}, 0},
    {"facing off the edge", {{cannibal, up, 0, 0}, {flyer, left, 0, 1}, {flyer, down, 4, 4}, {swimmer, up, 0, 4}}, 0},
    {"two rivals beside one prey", {{grazer, up, 2, 2}, {swimmer, right, 2, 1}, {swimmer, up, 3, 2}}, 0},
    {"flyers at equal distance across rows", {{swimmer, left, 2, 2}, {flyer, down, 1, 2}, {flyer, up, 3, 2}}, 0},
    {"flyers at equal distance across columns", {{swimmer, left, 2, 2}, {flyer, right, 2, 0}, {flyer, left, 2, 4}}, 0},
    {"a flooded swimmer alone", {{flyer, down, 0, 0}, {swimmer, left, 2, 0}}, 0, {}, {}, {2, 0}},
    {"cannibals facing each other", {{cannibal, right, 2, 1}, {cannibal, left, 2, 2}}, 0},
    {"a line of three cannibals", {{cannibal, right, 2, 0}, {cannibal, right, 2, 1}, {cannibal, right, 2, 2}}, 0},
    {"a cannibal faced by another", {{cannibal, right, 2, 1}, {cannibal, right, 2, 2}, {cannibal, down, 1, 1}}, 0},
    {"two cannibals around one", {{cannibal, up, 2, 2}, {cannibal, right, 2, 1}, {cannibal, left, 2, 3}}, 0},
    {"a rival of another kind does not compete", {{grass, up, 2, 2}, {grazer, right, 2, 1}, {flyer, left, 2, 3}}, 1,
     {{grazer, right, 2, 2}}, {{2, 1}}},
    {"the cannibal behind eats the one in front", {{cannibal, right, 2, 1}, {cannibal, right, 2, 2}}, 1,
     {{cannibal, right, 2, 2}}, {{2, 1}}},
    {"the nearer flyer eats", {{swimmer, left, 2, 2}, {flyer, down, 0, 2}, {flyer, up, 3, 2}}, 1,
     {{flyer, up, 2, 2}, {flyer, down, 0, 2}}, {{3, 2}}},
    {"a flyer flies over everything", {{flyer, right, 1, 0}, {tree, up, 1, 1}, {cannibal, down, 1, 2}, {swimmer, up, 1, 4}},
     1, {{flyer, right, 1, 4}, {cannibal, down, 1, 2}}, {{1, 0}}},
    {"a flyer passes a flooded swimmer", {{flyer, down, 0, 0}, {swimmer, left, 1, 0}, {swimmer, left, 3, 0}}, 1,
     {{flyer, down, 3, 0}, {swimmer, left, 1, 0}}, {{0, 0}}, {1, 0}},
    // The near swimmer has a flyer on each side at distance 1; the top flyer takes the far one at
    // distance 3, and then the lower flyer has the near one to itself.
    {"a flyer passes a contested swimmer", {{flyer, down, 0, 0}, {swimmer, left, 1, 0}, {flyer, up, 2, 0}, {swimmer, left, 3, 0}},
     2, {{flyer, up, 1, 0}, {flyer, down, 3, 0}}, {{0, 0}, {2, 0}}},
    // The farther flyer's competition test reaches every offset up to its distance.
    {"a competitor nearer than the flyer blocks it", {{swimmer, up, 0, 4}, {flyer, up, 3, 4}, {flyer, right, 0, 2}}, 1,
     {{flyer, right, 0, 4}, {flyer, up, 3, 4}}, {{0, 2}}},
    // Decided one after the other, the lower grazer would be contested and survive.
    {"all eatings of one kind are decided on the same board",
     {{swimmer, down, 1, 1}, {grazer, left, 2, 1}, {swimmer, right, 3, 0}, {grazer, left, 3, 1}}, 2,
     {{swimmer, down, 2, 1}, {swimmer, right, 3, 1}}, {{1, 1}, {3, 0}}},
    {"an eating restarts the pass before any flyer eats", {{flyer, down, 0, 1}, {swimmer, right, 2, 1}, {grazer, up, 2, 2}},
     1, {{flyer, down, 0, 1}, {swimmer, right, 2, 2}}, {{2, 1}}},
    {"a predator that moved forward eats again", {{grazer, right, 2, 0}, {grass, up, 2, 1}, {grass, up, 2, 2}, {cannibal, up, 2, 3}},
     3, {{grazer, right, 2, 3}}, {{2, 0}, {2, 1}, {2, 2}}},
    {"a predator leaving a flood leaves it behind", {{swimmer, right, 2, 1}, {grazer, up, 2, 2}}, 1,
     {{swimmer, right, 2, 2}}, {{2, 1}}, {2, 1}},
};

TEST_F(BoardTest, EachPositionResolvesByItsRule)
{
    for (const Position& position : positions) {
        SCOPED_TRACE(position.rule);
        Board::SetUp();
        Place(position.pieces);
        if (position.flooded.first >= 0) {
            Board::Flood(position.flooded.first, position.flooded.second);
        }
        EXPECT_EQ(ResolveEating(), position.eatings);
        for (const Piece& piece : position.after) {
            ExpectAnimal(piece.row, piece.column, piece.what, piece.facing);
        }
        for (const auto& [row, column] : position.left) {
            ExpectEmpty(row, column);
        }
        if (position.flooded.first >= 0) {
            EXPECT_TRUE(Board::IsFlooded(position.flooded.first, position.flooded.second));
        }
    }
}

}  // namespace
