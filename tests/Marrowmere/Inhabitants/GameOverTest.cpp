#include "tests/Marrowmere/Inhabitants/BoardFixture.h"

namespace {

TEST_F(BoardTest, TheOpeningPositionGoesOnWithEightAnimalsAndAnEmptyCentre)
{
    Board::NewGame(7);
    EXPECT_FALSE(Board::IsGameOver());
    EXPECT_FALSE(Board::IsOccupied(2, 2));
    EXPECT_EQ(__builtin_popcount(Board::LotsHoldingAnimals()), 8);
}

TEST_F(BoardTest, OneMissingSpeciesEndsTheGameAndTwoAreReportedTogether)
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
        EXPECT_FALSE(Board::IsOverpopulated());
        EXPECT_EQ(Board::AreFlyersExtinct(), missing == flyer);
        EXPECT_EQ(Board::AreSwimmersExtinct(), missing == swimmer);
        EXPECT_EQ(Board::AreGrazersExtinct(), missing == grazer);
        EXPECT_EQ(Board::AreCannibalsExtinct(), missing == cannibal);
    }
    Board::Kill(0, 0);  // grass keeps no species alive
    EXPECT_TRUE(Board::AreMultipleSpeciesExtinct());
}

TEST_F(BoardTest, AFullBoardEndsTheGameEvenWithEveryAnimal)
{
    Place({{flyer, up, 0, 0}, {swimmer, up, 0, 1}, {grazer, up, 0, 2}, {cannibal, up, 0, 3}});
    EXPECT_FALSE(Board::IsGameOver());
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

}  // namespace
