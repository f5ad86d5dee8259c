#include "tests/Marrowmere/Inhabitants/BoardFixture.h"

#include <string>
#include <vector>

namespace {

// Every animal against every kind of occupant directly in front of it: only the six kinds of
// eating happen, and the eater moves into its prey's lot with a full timer.
class WhoEatsWhom : public BoardTest, public ::testing::WithParamInterface<std::pair<ObjectType, ObjectType>> {};

TEST_P(WhoEatsWhom, OnlyTheSixKindsOfEatingHappen)
{
    const auto [predator, prey] = GetParam();
    const bool eats = (predator == swimmer && prey == grazer) || (predator == grazer && prey == cannibal) ||
                      (predator == grazer && prey == grass) || (predator == cannibal && prey == flyer) ||
                      (predator == cannibal && prey == cannibal) || (predator == flyer && prey == swimmer);
    Place({{predator, right, 2, 1}, {prey, right, 2, 2}});  // the prey faces away, towards an empty lot

    EXPECT_EQ(ResolveEating(), eats ? 1 : 0);
    if (eats) {
        ExpectAnimal(2, 2, predator, right);
        EXPECT_EQ(Board::StarvationTimeRemaining(2, 2), 25);
        ExpectEmpty(2, 1);
    } else {
        ExpectAnimal(2, 1, predator, right);
        EXPECT_EQ(Board::Object(2, 2), prey);
    }
}

std::vector<std::pair<ObjectType, ObjectType>> AllPairings()
{
    std::vector<std::pair<ObjectType, ObjectType>> pairings;
    for (ObjectType predator : {flyer, swimmer, grazer, cannibal}) {
        for (ObjectType prey : {flyer, swimmer, grazer, cannibal, grass, tree}) {
            pairings.emplace_back(predator, prey);
        }
    }
    return pairings;
}

std::string PairingName(const ::testing::TestParamInfo<std::pair<ObjectType, ObjectType>>& info)
{
    static const char* const names[] = {"Flyer", "Swimmer", "Grazer", "Cannibal", "Grass", "Tree"};
    return std::string(names[info.param.first]) + "Before" + names[info.param.second];
}

INSTANTIATE_TEST_SUITE_P(AllAnimals, WhoEatsWhom, ::testing::ValuesIn(AllPairings()), PairingName);

// Positions in which nobody eats, each pinning one rule.
struct Stalemate {
    const char* name;
    std::vector<Piece> pieces;
    int floodedRow = -1;
    int floodedColumn = -1;
};

void PrintTo(const Stalemate& stalemate, std::ostream* out)
{
    *out << stalemate.name;
}

class NobodyEats : public BoardTest, public ::testing::WithParamInterface<Stalemate> {};

TEST_P(NobodyEats, InThisPosition)
{
    Place(GetParam().pieces);
    if (GetParam().floodedRow >= 0) {
        Board::Flood(GetParam().floodedRow, GetParam().floodedColumn);
    }
    EXPECT_EQ(ResolveEating(), 0);
}

const Stalemate stalemates[] = {
    {"PreyBesideButNotInFront", {{swimmer, up, 2, 1}, {grazer, up, 2, 2}}},
    {"FacingOffTheEdge", {{cannibal, up, 0, 0}, {flyer, left, 0, 1}, {flyer, down, 4, 4}, {swimmer, up, 0, 4}}},
    {"TwoRivalsBesideOnePrey", {{grazer, up, 2, 2}, {swimmer, right, 2, 1}, {swimmer, up, 3, 2}}},
    {"FlyersAtEqualDistanceAcrossRows", {{swimmer, left, 2, 2}, {flyer, down, 1, 2}, {flyer, up, 3, 2}}},
    {"FlyersAtEqualDistanceAcrossColumns", {{swimmer, left, 2, 2}, {flyer, right, 2, 0}, {flyer, left, 2, 4}}},
    {"FloodedSwimmerAlone", {{flyer, down, 0, 0}, {swimmer, left, 2, 0}}, 2, 0},
    {"CannibalsFacingEachOther", {{cannibal, right, 2, 1}, {cannibal, left, 2, 2}}},
    {"LineOfThreeCannibals", {{cannibal, right, 2, 0}, {cannibal, right, 2, 1}, {cannibal, right, 2, 2}}},
    {"CannibalFacedByAnother", {{cannibal, right, 2, 1}, {cannibal, right, 2, 2}, {cannibal, down, 1, 1}}},
    {"TwoCannibalsAroundOne", {{cannibal, up, 2, 2}, {cannibal, right, 2, 1}, {cannibal, left, 2, 3}}},
};

INSTANTIATE_TEST_SUITE_P(Rules, NobodyEats, ::testing::ValuesIn(stalemates),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(BoardTest, ARivalOfAnotherKindDoesNotCompete)
{
    Place({{grass, up, 2, 2}, {grazer, right, 2, 1}, {flyer, left, 2, 3}});
    EXPECT_EQ(ResolveEating(), 1);
    ExpectAnimal(2, 2, grazer, right);
}

TEST_F(BoardTest, TheCannibalBehindEatsTheOneInFrontFacingAway)
{
    Place({{cannibal, right, 2, 1}, {cannibal, right, 2, 2}});
    EXPECT_EQ(ResolveEating(), 1);
    ExpectEmpty(2, 1);
    ExpectAnimal(2, 2, cannibal, right);
}

TEST_F(BoardTest, TheNearerFlyerEats)
{
    Place({{swimmer, left, 2, 2}, {flyer, down, 0, 2}, {flyer, up, 3, 2}});
    EXPECT_EQ(ResolveEating(), 1);
    ExpectAnimal(2, 2, flyer, up);
    ExpectAnimal(0, 2, flyer, down);
    ExpectEmpty(3, 2);
}

TEST_F(BoardTest, AFlyerFliesOverEverythingToAFarSwimmer)
{
    Place({{flyer, right, 1, 0}, {tree, up, 1, 1}, {cannibal, down, 1, 2}, {swimmer, up, 1, 4}});
    int row = -1;
    int column = -1;
    ASSERT_TRUE(Board::CanFlyerEatSwimmer(1, 0, row, column));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(column, 4);
    EXPECT_EQ(ResolveEating(), 1);
    ExpectAnimal(1, 4, flyer, right);
}

TEST_F(BoardTest, AFlyerPassesAFloodedSwimmerForADryOneFarther)
{
    Place({{flyer, down, 0, 0}, {swimmer, left, 1, 0}, {swimmer, left, 3, 0}});
    Board::Flood(1, 0);
    EXPECT_EQ(ResolveEating(), 1);
    ExpectAnimal(3, 0, flyer, down);
    ExpectAnimal(1, 0, swimmer, left);
    EXPECT_TRUE(Board::IsFlooded(1, 0));
}

TEST_F(BoardTest, AFlyerPassesAContestedSwimmerAndTheRivalEatsNextPass)
{
    // The near swimmer has a flyer on each side at distance 1; the far one is free for the top
    // flyer at distance 3.
    Place({{flyer, down, 0, 0}, {swimmer, left, 1, 0}, {flyer, up, 2, 0}, {swimmer, left, 3, 0}});
    int row = -1;
    int column = -1;
    ASSERT_TRUE(Board::CanFlyerEatSwimmer(0, 0, row, column));
    EXPECT_EQ(row, 3);
    EXPECT_FALSE(Board::CanFlyerEatSwimmer(2, 0, row, column));

    // Once the top flyer has left, the lower one has the near swimmer to itself.
    EXPECT_EQ(ResolveEating(), 2);
    ExpectEmpty(0, 0);
    ExpectAnimal(1, 0, flyer, up);
    ExpectEmpty(2, 0);
    ExpectAnimal(3, 0, flyer, down);
}

TEST_F(BoardTest, ACompetitorNearerThanTheFlyerBlocksIt)
{
    // The farther flyer's competition test reaches every offset up to its distance.
    Place({{swimmer, up, 0, 4}, {flyer, up, 3, 4}, {flyer, right, 0, 2}});
    int row = -1;
    int column = -1;
    EXPECT_FALSE(Board::CanFlyerEatSwimmer(3, 4, row, column));
    EXPECT_TRUE(Board::CanFlyerEatSwimmer(0, 2, row, column));
}

TEST_F(BoardTest, AllEatingsOfOneKindAreDecidedOnTheSameBoard)
{
    // After the upper swimmer eats it faces the lower grazer, which the left swimmer already
    // faces. Decided together, both eat; decided one after the other, the lower grazer would
    // be contested and survive.
    Place({{swimmer, down, 1, 1}, {grazer, left, 2, 1}, {swimmer, right, 3, 0}, {grazer, left, 3, 1}});
    EXPECT_EQ(ResolveEating(), 2);
    ExpectAnimal(2, 1, swimmer, down);
    ExpectAnimal(3, 1, swimmer, right);
    ExpectEmpty(1, 1);
    ExpectEmpty(3, 0);
}

TEST_F(BoardTest, AnEatingRestartsThePassBeforeAnyFlyerEats)
{
    // The swimmer eats first and moves out of the flyer's line.
    Place({{flyer, down, 0, 1}, {swimmer, right, 2, 1}, {grazer, up, 2, 2}});
    EXPECT_EQ(ResolveEating(), 1);
    ExpectAnimal(0, 1, flyer, down);
    ExpectAnimal(2, 2, swimmer, right);
}

TEST_F(BoardTest, APredatorThatMovedForwardEatsAgainInTheNextPass)
{
    Place({{grazer, right, 2, 0}, {grass, up, 2, 1}, {grass, up, 2, 2}, {cannibal, up, 2, 3}});
    EXPECT_EQ(ResolveEating(), 3);
    ExpectAnimal(2, 3, grazer, right);
    EXPECT_EQ(Board::EatingsCount(2, 3), 3);
    for (int column = 0; column < 3; ++column) {
        ExpectEmpty(2, column);
    }
}

TEST_F(BoardTest, APredatorLeavingAFloodLeavesTheFloodBehind)
{
    Board::Flood(2, 1);
    Place({{swimmer, right, 2, 1}, {grazer, up, 2, 2}});
    EXPECT_EQ(ResolveEating(), 1);
    ExpectEmpty(2, 1);
    EXPECT_TRUE(Board::IsFlooded(2, 1));
    ExpectAnimal(2, 2, swimmer, right);
    EXPECT_FALSE(Board::IsFlooded(2, 2));
}

}  // namespace
