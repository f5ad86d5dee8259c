#include "Marrowmere/Scoring/Scoring.h"

#include <algorithm>
#include <bit>
#include <climits>
#include <cstdint>

namespace {

// The score is stored rotated and mixed with a fixed pattern, so that a memory editor
// searching for the visible number does not find it.
constexpr std::uint32_t scoreMask = 0x5A3C96E1u;
constexpr int scoreRotation = 13;

// Sums that cannot wrap: a score beyond the range of an int stays at the largest int.
int SaturatingSum(int a, int b)
{
    const std::int64_t sum = static_cast<std::int64_t>(a) + b;
    return static_cast<int>(std::clamp<std::int64_t>(sum, INT_MIN, INT_MAX));
}

}  // namespace

std::uint32_t Scoring::disguisedScore = std::rotl(0u, scoreRotation) ^ scoreMask;
Scoring::StatisticsType Scoring::statistics = {};

void Scoring::SetUp()
{
    SetScore(0);
    const int currentTurnScore = statistics.currentTurnScore;
    statistics = {};
    // Every turn resets it before use, so it is left as it stands.
    statistics.currentTurnScore = currentTurnScore;
}

void Scoring::TakeDown() {}

int Scoring::Score()
{
    return static_cast<int>(std::rotr(disguisedScore ^ scoreMask, scoreRotation));
}

void Scoring::SetScore(int score)
{
    disguisedScore = std::rotl(static_cast<std::uint32_t>(score), scoreRotation) ^ scoreMask;
}

Scoring::StatisticsType Scoring::Statistics()
{
    return statistics;
}

void Scoring::IncrementScore(int increment)
{
    SetScore(SaturatingSum(Score(), increment));
    statistics.currentTurnScore = SaturatingSum(statistics.currentTurnScore, increment);
}

void Scoring::StartAccumulatingCurrentTurnScore()
{
    statistics.currentTurnScore = 0;
}

void Scoring::StopAccumulatingCurrentTurnScore()
{
    statistics.bestTurnScore = std::max(statistics.bestTurnScore, statistics.currentTurnScore);
}

void Scoring::IncrementTotalTurnsCount()
{
    ++statistics.totalTurnsCount;
}

void Scoring::TallyEatings(int eatingsCount)
{
    if (eatingsCount <= 0) {
        return;
    }
    statistics.totalEatingsCount = SaturatingSum(statistics.totalEatingsCount, eatingsCount);
    switch (eatingsCount) {
    case 1: ++statistics.singleEatingsCount; break;
    case 2: ++statistics.twoChainEatingsCount; break;
    case 3: ++statistics.threeChainEatingsCount; break;
    case 4: ++statistics.fourChainEatingsCount; break;
    default: ++statistics.fivePlusChainEatingsCount; break;
    }
    statistics.longestChainCount = std::max(statistics.longestChainCount, eatingsCount);
}

void Scoring::IncrementCompleteChainsCount()
{
    ++statistics.completeChainsCount;
}
