#include "Shell/ScoreFileIO/ScoreEntry.h"

#include <cstdint>
#include <cstring>

namespace {

template <std::size_t size>
void CopyCut(char (&destination)[size], const char* text)
{
    std::memset(destination, 0, size);
    if (text != nullptr) {
        std::strncpy(destination, text, size - 1);
    }
}

// 64-bit FNV-1a, fed with each value's four bytes in little-endian order.
class CheckSum {
public:
    void Add(std::int32_t value)
    {
        const auto bits = static_cast<std::uint32_t>(value);
        for (int i = 0; i < 4; ++i) {
            hash ^= (bits >> (8 * i)) & 0xFFu;
            hash *= 0x100000001B3ull;
        }
    }
    std::uint64_t Value() const { return hash; }

private:
    std::uint64_t hash = 0xCBF29CE484222325ull;
};

constexpr char codeAlphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";

}  // namespace

_tagHSRecord MakeHSRecord(const char* playerName, long score, const char* contestCode)
{
    _tagHSRecord record{};
    CopyCut(record.pPlayerName, playerName);
    record.nScore = static_cast<std::int32_t>(score);
    CopyCut(record.pContestCode, contestCode);
    return record;
}

_tagStatsRecord MakeStatsRecord(const Scoring::StatisticsType& statistics, long finalScore)
{
    _tagStatsRecord record{};
    record.nScore = static_cast<std::int32_t>(finalScore);
    record.nBestTurn = statistics.bestTurnScore;
    record.nTotalTurns = statistics.totalTurnsCount;
    record.nTotalEatings = statistics.totalEatingsCount;
    record.nSingleEatings = statistics.singleEatingsCount;
    record.n2ChainEatings = statistics.twoChainEatingsCount;
    record.n3ChainEatings = statistics.threeChainEatingsCount;
    record.n4ChainEatings = statistics.fourChainEatingsCount;
    record.n5ChainEatings = statistics.fivePlusChainEatingsCount;
    record.nLongestChain = statistics.longestChainCount;
    record.nCompleteChains = statistics.completeChainsCount;
    return record;
}

std::string MakeContestCode(const _tagStatsRecord& statistics)
{
    CheckSum sum;
    for (char character : std::string("Marrowmere")) {
        sum.Add(character);
    }
    for (std::int32_t value :
         {statistics.nScore, statistics.nBestTurn, statistics.nTotalTurns, statistics.nTotalEatings,
          statistics.nSingleEatings, statistics.n2ChainEatings, statistics.n3ChainEatings,
          statistics.n4ChainEatings, statistics.n5ChainEatings, statistics.nLongestChain,
          statistics.nCompleteChains}) {
        sum.Add(value);
    }

    // Nine symbols of five bits each, with a dash after the fifth.
    std::uint64_t bits = sum.Value();
    std::string code;
    for (int symbol = 0; symbol < 9; ++symbol) {
        if (symbol == 5) {
            code += '-';
        }
        code += codeAlphabet[bits & 31u];
        bits >>= 5;
    }
    return code;
}
