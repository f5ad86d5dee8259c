#include "tests/Marrowmere/Inhabitants/BoardFixture.h"

namespace {

class GameOverTest : public BoardTest {
protected:
    // One animal of each kind along the top row.
    static void PlaceAllFourKinds()
    {
        Board::PlaceAnimal(flyer, up, 0, 0);
        Board::PlaceAnimal(swimmer, up, 0, 1);
        Board::PlaceAnimal(grazer, up, 0, 2);
        Board::PlaceAnimal(cannibal, up, 0, 3);
    }
};

TEST_F(GameOverTest, TheOpeningPositionGoesOn)
{
    Board::NewGame(7);
    EXPECT_FALSE(Board::IsGameOver());
    EXPECT_FALSE(Board::AreMultipleSpeciesExtinct());
    EXPECT_FALSE(Board::IsOverpopulated());
    EXPECT_EQ(Board::IsOccupied(2, 2), false);
    int animals = 0;
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            animals += Board::IsOccupiedByAnimal(row, column) ? 1 : 0;
        }
    }
    EXPECT_EQ(animals, 8);
}

TEST_F(GameOverTest, OneMissingSpeciesEndsTheGame)
{
    const ObjectType kinds[] = {flyer, swimmer, grazer, cannibal};
    for (ObjectType missing : kinds) {
        Board::SetUp();
        int column = 0;
        for (ObjectType kind : kinds) {
            if (kind != missing) {
                Board::PlaceAnimal(kind, up, 0, column++);
            }
        }
        EXPECT_TRUE(Board::IsGameOver()) << "missing " << int{missing};
        EXPECT_FALSE(Board::AreMultipleSpeciesExtinct());
        EXPECT_EQ(Board::AreFlyersExtinct(), missing == flyer);
        EXPECT_EQ(Board::AreSwimmersExtinct(), missing == swimmer);
        EXPECT_EQ(Board::AreGrazersExtinct(), missing == grazer);
        EXPECT_EQ(Board::AreCannibalsExtinct(), missing == cannibal);
    }
}

TEST_F(GameOverTest, TwoMissingSpeciesAreReportedTogether)
{
    Board::PlaceAnimal(flyer, up, 0, 0);
    Board::PlaceAnimal(swimmer, up, 0, 1);
    EXPECT_TRUE(Board::IsGameOver());
    EXPECT_TRUE(Board::AreMultipleSpeciesExtinct());
}

TEST_F(GameOverTest, AFullBoardEndsTheGameEvenWithEveryAnimal)
{
    PlaceAllFourKinds();
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            if (!Board::IsOccupied(row, column)) {
                Board::PlaceGrass(row, column);
            }
        }
    }
    EXPECT_TRUE(Board::IsOverpopulated());
    EXPECT_TRUE(Board::IsGameOver());
    EXPECT_FALSE(Board::AreMultipleSpeciesExtinct());

    // Flooding washes the grass away; a flooded empty lot is a free lot.
    Board::Flood(4, 4);
    EXPECT_FALSE(Board::IsOverpopulated());
    EXPECT_FALSE(Board::IsGameOver());
}

TEST_F(GameOverTest, GrassAndTreesDoNotKeepASpeciesAlive)
{
    PlaceAllFourKinds();
    EXPECT_FALSE(Board::IsGameOver());
    Board::Kill(0, 3);  // the cannibal becomes grass
    EXPECT_TRUE(Board::AreCannibalsExtinct());
    EXPECT_TRUE(Board::IsGameOver());
}

}  // namespace
