#include "tests/Marrowmere/Inhabitants/BoardFixture.h"

#include <string>
#include <vector>

namespace {

struct Pairing {
    ObjectType predator;
    ObjectType prey;
    bool eats;
};

// Every animal against every kind of occupant directly in front of it.
std::vector<Pairing> AllPairings()
{
    const auto eats = [](ObjectType predator, ObjectType prey) {
        return (predator == swimmer && prey == grazer) || (predator == grazer && prey == cannibal) ||
               (predator == grazer && prey == grass) || (predator == cannibal && prey == flyer) ||
               (predator == cannibal && prey == cannibal) || (predator == flyer && prey == swimmer);
    };
    std::vector<Pairing> pairings;
    for (ObjectType predator : {flyer, swimmer, grazer, cannibal}) {
        for (ObjectType prey : {flyer, swimmer, grazer, cannibal, grass, tree}) {
            pairings.push_back({predator, prey, eats(predator, prey)});
        }
    }
    return pairings;
}

class WhoEatsWhom : public BoardTest, public ::testing::WithParamInterface<Pairing> {};

TEST_P(WhoEatsWhom, OnlyTheSixKindsOfEatingHappen)
{
    const Pairing pairing = GetParam();
    Board::PlaceAnimal(pairing.predator, right, 2, 1);
    if (pairing.prey == grass) {
        Board::PlaceGrass(2, 2);
    } else if (pairing.prey == tree) {
        Board::PlaceTree(2, 2);
    } else {
        Board::PlaceAnimal(pairing.prey, right, 2, 2);  // facing away, towards an empty lot
    }

    const auto result = ResolveEating();

    if (pairing.eats) {
        EXPECT_EQ(result.eatingsCount, 1);
        ExpectAnimal(2, 2, pairing.predator, right);
        EXPECT_EQ(Board::StarvationTimeRemaining(2, 2), 25);
        EXPECT_EQ(Board::EatingsCount(2, 2), 1);
        ExpectEmpty(2, 1);
    } else {
        EXPECT_EQ(result.eatingsCount, 0);
        ExpectAnimal(2, 1, pairing.predator, right);
        EXPECT_EQ(Board::Object(2, 2), pairing.prey);
    }
}

std::string PairingName(const ::testing::TestParamInfo<Pairing>& info)
{
    static const char* const names[] = {"Flyer", "Swimmer", "Grazer", "Cannibal", "Grass", "Tree"};
    return std::string(names[info.param.predator]) + "Before" + names[info.param.prey];
}

INSTANTIATE_TEST_SUITE_P(AllAnimals, WhoEatsWhom, ::testing::ValuesIn(AllPairings()), PairingName);

TEST_F(BoardTest, APredatorEatsOnlyWhatItFaces)
{
    Board::PlaceAnimal(swimmer, up, 2, 1);
    Board::PlaceAnimal(grazer, up, 2, 2);
    EXPECT_EQ(ResolveEating().eatingsCount, 0);

    int row = -1;
    int column = -1;
    EXPECT_FALSE(Board::CanSwimmerEatGrazer(2, 1, row, column));
    Board::TurnClockwise(2, 1);
    ASSERT_TRUE(Board::CanSwimmerEatGrazer(2, 1, row, column));
    EXPECT_EQ(row, 2);
    EXPECT_EQ(column, 2);
}

TEST_F(BoardTest, APredatorAtTheEdgeFacingOutwardsFindsNothing)
{
    Board::PlaceAnimal(cannibal, up, 0, 0);
    Board::PlaceAnimal(flyer, left, 0, 1);
    Board::PlaceAnimal(flyer, down, 4, 4);
    Board::PlaceAnimal(swimmer, up, 0, 4);
    EXPECT_EQ(ResolveEating().eatingsCount, 0);
}

TEST_F(BoardTest, TwoPredatorsOfOneKindFacingOnePreyFromBesideItNeitherEats)
{
    Board::PlaceAnimal(grazer, up, 2, 2);
    Board::PlaceAnimal(swimmer, right, 2, 1);
    Board::PlaceAnimal(swimmer, up, 3, 2);
    EXPECT_EQ(ResolveEating().eatingsCount, 0);

    // Without the rival the first swimmer eats.
    Board::Reverse(3, 2);
    EXPECT_EQ(ResolveEating().eatingsCount, 1);
    ExpectAnimal(2, 2, swimmer, right);
}

TEST_F(BoardTest, APredatorOfAnotherKindDoesNotCompete)
{
    Board::PlaceGrass(2, 2);
    Board::PlaceAnimal(grazer, right, 2, 1);
    Board::PlaceAnimal(flyer, left, 2, 3);
    EXPECT_EQ(ResolveEating().eatingsCount, 1);
    ExpectAnimal(2, 2, grazer, right);
}

TEST_F(BoardTest, TheNearerFlyerEatsAndAtEqualDistanceNeither)
{
    Board::PlaceAnimal(swimmer, left, 2, 2);
    Board::PlaceAnimal(flyer, down, 0, 2);  // two lots above
    Board::PlaceAnimal(flyer, up, 3, 2);    // one lot below
    EXPECT_EQ(ResolveEating().eatingsCount, 1);
    ExpectAnimal(2, 2, flyer, up);
    ExpectAnimal(0, 2, flyer, down);
    ExpectEmpty(3, 2);

    Board::NewEmptyGame();
    Board::PlaceAnimal(swimmer, left, 2, 2);
    Board::PlaceAnimal(flyer, down, 1, 2);
    Board::PlaceAnimal(flyer, up, 3, 2);
    EXPECT_EQ(ResolveEating().eatingsCount, 0);

    Board::NewEmptyGame();
    Board::PlaceAnimal(swimmer, left, 2, 2);
    Board::PlaceAnimal(flyer, right, 2, 0);
    Board::PlaceAnimal(flyer, left, 2, 4);
    EXPECT_EQ(ResolveEating().eatingsCount, 0);
}

TEST_F(BoardTest, AFlyerFliesOverEverythingToAFarSwimmer)
{
    Board::PlaceAnimal(flyer, right, 1, 0);
    Board::PlaceTree(1, 1);
    Board::PlaceAnimal(cannibal, down, 1, 2);
    Board::PlaceAnimal(swimmer, up, 1, 4);
    int row = -1;
    int column = -1;
    ASSERT_TRUE(Board::CanFlyerEatSwimmer(1, 0, row, column));
    EXPECT_EQ(row, 1);
    EXPECT_EQ(column, 4);
    EXPECT_EQ(ResolveEating().eatingsCount, 1);
    ExpectAnimal(1, 4, flyer, right);
}

TEST_F(BoardTest, AFlyerPassesAFloodedSwimmerForADryOneFarther)
{
    Board::PlaceAnimal(flyer, down, 0, 0);
    Board::PlaceAnimal(swimmer, left, 1, 0);
    Board::Flood(1, 0);
    Board::PlaceAnimal(swimmer, left, 3, 0);

    EXPECT_EQ(ResolveEating().eatingsCount, 1);
    ExpectAnimal(3, 0, flyer, down);
    ExpectAnimal(1, 0, swimmer, left);
    EXPECT_TRUE(Board::IsFlooded(1, 0));
}

TEST_F(BoardTest, AFloodedSwimmerAloneIsNeverEaten)
{
    Board::PlaceAnimal(flyer, down, 0, 0);
    Board::Flood(2, 0);
    Board::PlaceAnimal(swimmer, left, 2, 0);
    EXPECT_EQ(ResolveEating().eatingsCount, 0);
    ExpectAnimal(2, 0, swimmer, left);
}

TEST_F(BoardTest, AFlyerPassesAContestedSwimmerAndTheRivalEatsNextPass)
{
    Board::PlaceAnimal(flyer, down, 0, 0);
    Board::PlaceAnimal(swimmer, left, 1, 0);  // contested: a flyer on each side at distance 1
    Board::PlaceAnimal(flyer, up, 2, 0);
    Board::PlaceAnimal(swimmer, left, 3, 0);  // free for the top flyer at distance 3

    int row = -1;
    int column = -1;
    ASSERT_TRUE(Board::CanFlyerEatSwimmer(0, 0, row, column));
    EXPECT_EQ(row, 3);
    EXPECT_FALSE(Board::CanFlyerEatSwimmer(2, 0, row, column));

    // Once the top flyer has left, the lower one has the near swimmer to itself.
    EXPECT_EQ(ResolveEating().eatingsCount, 2);
    ExpectEmpty(0, 0);
    ExpectAnimal(1, 0, flyer, up);
    ExpectEmpty(2, 0);
    ExpectAnimal(3, 0, flyer, down);
}

TEST_F(BoardTest, ACompetitorBetweenFlyerAndFarSwimmerBlocksIt)
{
    // The farther flyer's competition test reaches every offset up to its distance.
    Board::PlaceAnimal(swimmer, up, 0, 4);
    Board::PlaceAnimal(flyer, up, 3, 4);  // distance 3
    Board::PlaceAnimal(flyer, right, 0, 2);  // distance 2
    int row = -1;
    int column = -1;
    EXPECT_FALSE(Board::CanFlyerEatSwimmer(3, 4, row, column));
    EXPECT_TRUE(Board::CanFlyerEatSwimmer(0, 2, row, column));
}

TEST_F(BoardTest, TwoCannibalsFacingEachOtherNeverEat)
{
    Board::PlaceAnimal(cannibal, right, 2, 1);
    Board::PlaceAnimal(cannibal, left, 2, 2);
    EXPECT_EQ(ResolveEating().eatingsCount, 0);
}

TEST_F(BoardTest, TheCannibalBehindEatsTheOneInFrontFacingAway)
{
    Board::PlaceAnimal(cannibal, right, 2, 1);
    Board::PlaceAnimal(cannibal, right, 2, 2);
    EXPECT_EQ(ResolveEating().eatingsCount, 1);
    ExpectEmpty(2, 1);
    ExpectAnimal(2, 2, cannibal, right);
}

TEST_F(BoardTest, ALineOfThreeCannibalsFacingOneWayDoesNotEat)
{
    Board::PlaceAnimal(cannibal, right, 2, 0);
    Board::PlaceAnimal(cannibal, right, 2, 1);
    Board::PlaceAnimal(cannibal, right, 2, 2);
    EXPECT_EQ(ResolveEating().eatingsCount, 0);
}

TEST_F(BoardTest, ACannibalFacedByAnotherCannibalDoesNotEat)
{
    Board::PlaceAnimal(cannibal, right, 2, 1);
    Board::PlaceAnimal(cannibal, right, 2, 2);
    Board::PlaceAnimal(cannibal, down, 1, 1);  // faces the would-be eater
    EXPECT_EQ(ResolveEating().eatingsCount, 0);
    ExpectAnimal(2, 1, cannibal, right);
    ExpectAnimal(2, 2, cannibal, right);
    ExpectAnimal(1, 1, cannibal, down);
}

TEST_F(BoardTest, TwoCannibalsFacingOneCannibalFromBothSidesNeitherEats)
{
    Board::PlaceAnimal(cannibal, up, 2, 2);
    Board::PlaceAnimal(cannibal, right, 2, 1);
    Board::PlaceAnimal(cannibal, left, 2, 3);
    EXPECT_EQ(ResolveEating().eatingsCount, 0);
}

TEST_F(BoardTest, AllEatingsOfOneKindAreDecidedOnTheSameBoard)
{
    // After the upper swimmer eats it faces the lower grazer, which the left swimmer already
    // faces. Decided together, both eat; decided one after the other, the lower grazer would
    // be contested and survive.
    Board::PlaceAnimal(swimmer, down, 1, 1);
    Board::PlaceAnimal(grazer, left, 2, 1);
    Board::PlaceAnimal(swimmer, right, 3, 0);
    Board::PlaceAnimal(grazer, left, 3, 1);
    EXPECT_EQ(ResolveEating().eatingsCount, 2);
    ExpectAnimal(2, 1, swimmer, down);
    ExpectAnimal(3, 1, swimmer, right);
    ExpectEmpty(1, 1);
    ExpectEmpty(3, 0);
}

TEST_F(BoardTest, AnEatingRestartsThePassBeforeAnyFlyerEats)
{
    // The swimmer eats first and moves out of the flyer's line.
    Board::PlaceAnimal(flyer, down, 0, 1);
    Board::PlaceAnimal(swimmer, right, 2, 1);
    Board::PlaceAnimal(grazer, up, 2, 2);
    EXPECT_EQ(ResolveEating().eatingsCount, 1);
    ExpectAnimal(0, 1, flyer, down);
    ExpectAnimal(2, 2, swimmer, right);
}

TEST_F(BoardTest, APredatorThatMovedForwardEatsAgainInTheNextPass)
{
    Board::PlaceAnimal(grazer, right, 2, 0);
    Board::PlaceGrass(2, 1);
    Board::PlaceGrass(2, 2);
    Board::PlaceAnimal(cannibal, up, 2, 3);
    EXPECT_EQ(ResolveEating().eatingsCount, 3);
    ExpectAnimal(2, 3, grazer, right);
    EXPECT_EQ(Board::EatingsCount(2, 3), 3);
    for (int column = 0; column < 3; ++column) {
        ExpectEmpty(2, column);
    }
}

TEST_F(BoardTest, APredatorLeavingAFloodLeavesTheFloodBehind)
{
    Board::Flood(2, 1);
    Board::PlaceAnimal(swimmer, right, 2, 1);
    Board::PlaceAnimal(grazer, up, 2, 2);
    EXPECT_EQ(ResolveEating().eatingsCount, 1);
    ExpectEmpty(2, 1);
    EXPECT_TRUE(Board::IsFlooded(2, 1));
    ExpectAnimal(2, 2, swimmer, right);
    EXPECT_FALSE(Board::IsFlooded(2, 2));
}

}  // namespace
