#pragma once

#include <cstdint>

// The score of the game in progress and its statistics. No graphics: ScoringAnimator draws
// the score and floats the points of each eating. One game per process, so every member is
// static. The score is kept in memory only in a disguised form and is reached only through
// Score and IncrementScore.
class Scoring {
public:
    // The statistics of one game; the high-score file stores it field by field in this order.
    struct StatisticsType {
        int currentTurnScore;
        int bestTurnScore;
        int totalTurnsCount;
        int totalEatingsCount;
        int singleEatingsCount;
        int twoChainEatingsCount;
        int threeChainEatingsCount;
        int fourChainEatingsCount;
        int fivePlusChainEatingsCount;
        int longestChainCount;
        int completeChainsCount;
    };

    static void SetUp();
    static void TakeDown();

    static int Score();
    static StatisticsType Statistics();

    // Adds to the score and to the current turn's score.
    static void IncrementScore(int increment);

    static void StartAccumulatingCurrentTurnScore();
    // Keeps the best turn score up to date once the turn's last eating is done.
    static void StopAccumulatingCurrentTurnScore();
    static void IncrementTotalTurnsCount();
    // Counts one creature that ended a turn with this chain of eatings behind it.
    static void TallyEatings(int eatingsCount);
    static void IncrementCompleteChainsCount();

private:
    static void SetScore(int score);

    static std::uint32_t disguisedScore;
    static StatisticsType statistics;
};
