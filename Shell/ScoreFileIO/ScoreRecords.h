#pragma once

#include <cstdint>

// The records of the high-score table, as held in memory. The file stores them field by
// field, little-endian, at fixed offsets (ScoreFileLayout); these structs are never written
// raw, so the compiler's padding does not matter.

// One entry: 32 bytes in the file.
struct _tagHSRecord {
    static constexpr int playerNameSize = 13;   // at most 12 characters and a terminating zero
    static constexpr int contestCodeSize = 11;  // at most 10 characters and a terminating zero

    char pPlayerName[playerNameSize];
    std::int32_t nScore;
    // Never empty in a real entry; empty in an empty block.
    char pContestCode[contestCodeSize];
};

// The statistics of the game behind an entry: 44 bytes in the file.
struct _tagStatsRecord {
    std::int32_t nScore;
    std::int32_t nBestTurn;
    std::int32_t nTotalTurns;
    std::int32_t nTotalEatings;
    std::int32_t nSingleEatings;
    std::int32_t n2ChainEatings;
    std::int32_t n3ChainEatings;
    std::int32_t n4ChainEatings;
    std::int32_t n5ChainEatings;  // chains of five or more
    std::int32_t nLongestChain;
    std::int32_t nCompleteChains;
};

// One of the table's ten blocks: 80 bytes in the file. Blocks are not kept in rank order;
// each carries its rank, and the ten ranks are always a permutation of 1 to 10.
struct _tagHSFileBlock {
    std::int32_t ordinal;  // 1 (best) to 10
    _tagHSRecord hsRecord;
    _tagStatsRecord StatsRecord;
};

// The first 36 bytes of the file.
struct _tagHSHeader {
    static constexpr int idSize = 20;
    static constexpr int versionSize = 9;

    char sID[idSize];
    char sVersion[versionSize];
    std::int32_t nScores;  // how many of the ranks 1..nScores hold real games, 0 to 10
};
