#include "Marrowmere/Scoring/Scoring.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

class ScoringTest : public ::testing::Test {
protected:
    void SetUp() override { Scoring::SetUp(); }
};

TEST_F(ScoringTest, IncrementsAddToScoreAndTurnAndSetUpClearsEveryCount)
{
    Scoring::StartAccumulatingCurrentTurnScore();
    Scoring::IncrementScore(50);
    Scoring::IncrementScore(300);
    EXPECT_EQ(Scoring::Statistics().currentTurnScore, 350);
    Scoring::StopAccumulatingCurrentTurnScore();
    Scoring::StartAccumulatingCurrentTurnScore();
    EXPECT_EQ(Scoring::Statistics().currentTurnScore, 0);
    Scoring::IncrementScore(50);
    Scoring::StopAccumulatingCurrentTurnScore();
    Scoring::IncrementTotalTurnsCount();
    Scoring::IncrementCompleteChainsCount();
    const auto statistics = Scoring::Statistics();
    EXPECT_EQ(Scoring::Score(), 400);
    EXPECT_EQ(statistics.bestTurnScore, 350);
    EXPECT_EQ(statistics.totalTurnsCount, 1);
    EXPECT_EQ(statistics.completeChainsCount, 1);

    Scoring::TallyEatings(3);
    Scoring::SetUp();
    EXPECT_EQ(Scoring::Score(), 0);
    int fields[11];
    const auto cleared = Scoring::Statistics();
    std::memcpy(fields, &cleared, sizeof fields);
    for (int field = 1; field < 11; ++field) {  // the running turn score is reset by every turn
        EXPECT_EQ(fields[field], 0) << "field " << field;
    }
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
    for (int count : {0, 1, 1, 2, 3, 4, 5, 7, 2}) {
        Scoring::TallyEatings(count);
    }
    const auto s = Scoring::Statistics();
    EXPECT_EQ(s.totalEatingsCount, 1 + 1 + 2 + 3 + 4 + 5 + 7 + 2);
    const int byLength[] = {s.singleEatingsCount, s.twoChainEatingsCount, s.threeChainEatingsCount,
                            s.fourChainEatingsCount, s.fivePlusChainEatingsCount, s.longestChainCount};
    const int expected[] = {2, 2, 1, 1, 2, 7};
    for (int index = 0; index < 6; ++index) {
        EXPECT_EQ(byLength[index], expected[index]) << "count " << index;
    }
}

}  // namespace
