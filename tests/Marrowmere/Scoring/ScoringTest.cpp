#include "Marrowmere/Scoring/Scoring.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

class ScoringTest : public ::testing::Test {
protected:
    void SetUp() override { Scoring::SetUp(); }
};

// Eatings are tallied by chain length; SetUp then clears every count but the running turn score,
// which every turn resets before use.
TEST_F(ScoringTest, IncrementsAndEatingsAddUpAndSetUpClearsEveryCount)
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
    for (int count : {0, 1, 1, 2, 3, 4, 5, 7, 2}) {
        Scoring::TallyEatings(count);
    }
    const auto s = Scoring::Statistics();
    EXPECT_EQ(Scoring::Score(), 400);
    EXPECT_EQ((std::vector<int>{s.bestTurnScore, s.totalTurnsCount, s.totalEatingsCount, s.singleEatingsCount,
                                s.twoChainEatingsCount, s.threeChainEatingsCount, s.fourChainEatingsCount,
                                s.fivePlusChainEatingsCount, s.longestChainCount, s.completeChainsCount}),
              (std::vector<int>{350, 1, 1 + 1 + 2 + 3 + 4 + 5 + 7 + 2, 2, 2, 1, 1, 2, 7, 1}));

    Scoring::SetUp();
    EXPECT_EQ(Scoring::Score(), 0);
    int fields[11];
    const auto cleared = Scoring::Statistics();
    std::memcpy(fields, &cleared, sizeof fields);
    for (int field = 1; field < 11; ++field) {
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

}  // namespace
