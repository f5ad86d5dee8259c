#include "Marrowmere/Scoring/Scoring.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

class ScoringTest : public ::testing::Test {
protected:
    void SetUp() override { Scoring::SetUp(); }
};

TEST_F(ScoringTest, TurnsAndChainsAreCountedAndSetUpClearsAll)
{
    Scoring::StartAccumulatingCurrentTurnScore();
    Scoring::IncrementScore(70);
    Scoring::StopAccumulatingCurrentTurnScore();
    Scoring::IncrementTotalTurnsCount();
    Scoring::TallyEatings(3);
    Scoring::IncrementCompleteChainsCount();
    EXPECT_EQ(Scoring::Statistics().totalTurnsCount, 1);
    EXPECT_EQ(Scoring::Statistics().completeChainsCount, 1);
    Scoring::SetUp();
    EXPECT_EQ(Scoring::Score(), 0);
    const auto statistics = Scoring::Statistics();
    int fields[11];
    std::memcpy(fields, &statistics, sizeof fields);
    for (int field = 1; field < 11; ++field) {
        EXPECT_EQ(fields[field], 0) << "field " << field;
    }
}

TEST_F(ScoringTest, IncrementsAddToScoreAndToTheTurn)
{
    Scoring::StartAccumulatingCurrentTurnScore();
    Scoring::IncrementScore(50);
    Scoring::IncrementScore(300);
    EXPECT_EQ(Scoring::Score(), 350);
    EXPECT_EQ(Scoring::Statistics().currentTurnScore, 350);
    Scoring::StopAccumulatingCurrentTurnScore();
    EXPECT_EQ(Scoring::Statistics().bestTurnScore, 350);

    Scoring::StartAccumulatingCurrentTurnScore();
    EXPECT_EQ(Scoring::Statistics().currentTurnScore, 0);
    Scoring::IncrementScore(50);
    Scoring::StopAccumulatingCurrentTurnScore();
    EXPECT_EQ(Scoring::Statistics().bestTurnScore, 350);
    EXPECT_EQ(Scoring::Score(), 400);
}

TEST_F(ScoringTest, TheScoreSurvivesLargeValuesAndStopsAtTheLargestInt)
{
    Scoring::IncrementScore(1 << 30);
    Scoring::IncrementScore((1 << 30) - 1);
    EXPECT_EQ(Scoring::Score(), INT_MAX);
    Scoring::IncrementScore(1000);
    EXPECT_EQ(Scoring::Score(), INT_MAX);
    EXPECT_GT(Scoring::Statistics().currentTurnScore, 0);
}

TEST_F(ScoringTest, EatingsAreTalliedByChainLength)
{
    for (int count : {0, 1, 1, 2, 3, 4, 5, 7}) {
        Scoring::TallyEatings(count);
    }
    const auto statistics = Scoring::Statistics();
    EXPECT_EQ(statistics.totalEatingsCount, 1 + 1 + 2 + 3 + 4 + 5 + 7);
    EXPECT_EQ(statistics.singleEatingsCount, 2);
    EXPECT_EQ(statistics.twoChainEatingsCount, 1);
    EXPECT_EQ(statistics.threeChainEatingsCount, 1);
    EXPECT_EQ(statistics.fourChainEatingsCount, 1);
    EXPECT_EQ(statistics.fivePlusChainEatingsCount, 2);
    EXPECT_EQ(statistics.longestChainCount, 7);

    Scoring::TallyEatings(2);
    EXPECT_EQ(Scoring::Statistics().longestChainCount, 7);
}

}  // namespace
