#include "Shell/ScoreFileIO/ScoreTableRepair.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

constexpr int blockCount = ScoreFileLayout::blockCount;

bool IsRealEntry(const _tagHSFileBlock& block)
{
    return block.hsRecord.pPlayerName[0] != '\0' && block.hsRecord.pContestCode[0] != '\0' &&
           block.hsRecord.nScore > 0;
}

// The stored rank where it is a usable one, so that ties keep their stored order.
int StoredRankForTies(const _tagHSFileBlock& block)
{
    return (block.ordinal >= 1 && block.ordinal <= blockCount) ? block.ordinal : blockCount + 1;
}

void RankAnew(_tagHSHeader& header, _tagHSFileBlock (&blocks)[blockCount])
{
    std::array<int, blockCount> slots{};
    std::iota(slots.begin(), slots.end(), 0);
    std::stable_sort(slots.begin(), slots.end(), [&blocks](int a, int b) {
        const _tagHSFileBlock& first = blocks[a];
        const _tagHSFileBlock& second = blocks[b];
        if (IsRealEntry(first) != IsRealEntry(second)) {
            return IsRealEntry(first);
        }
        if (!IsRealEntry(first)) {
            return false;
        }
        if (first.hsRecord.nScore != second.hsRecord.nScore) {
            return first.hsRecord.nScore > second.hsRecord.nScore;
        }
        return StoredRankForTies(first) < StoredRankForTies(second);
    });

    int realCount = 0;
    for (int rank = 1; rank <= blockCount; ++rank) {
        _tagHSFileBlock& block = blocks[slots[rank - 1]];
        if (IsRealEntry(block)) {
            ++realCount;
        } else {
            block = _tagHSFileBlock{};
        }
        block.ordinal = rank;
    }
    header.nScores = realCount;
}

// The ranks of the blocks are a permutation of 1..10.
bool AreRanksAPermutation(const _tagHSFileBlock (&blocks)[blockCount])
{
    std::array<bool, blockCount + 1> isTaken{};
    for (const _tagHSFileBlock& block : blocks) {
        if (block.ordinal < 1 || block.ordinal > blockCount || isTaken[block.ordinal]) {
            return false;
        }
        isTaken[block.ordinal] = true;
    }
    return true;
}

// The scores do not rise from one rank to the next; the ranks must be a permutation.
bool AreScoresInRankOrder(const _tagHSFileBlock (&blocks)[blockCount])
{
    std::array<const _tagHSFileBlock*, blockCount> byRank{};
    for (const _tagHSFileBlock& block : blocks) {
        byRank[block.ordinal - 1] = &block;
    }
    for (int rank = 1; rank < blockCount; ++rank) {
        if (byRank[rank - 1]->hsRecord.nScore < byRank[rank]->hsRecord.nScore) {
            return false;
        }
    }
    return true;
}

}  // namespace

void RepairScoreTable(_tagHSHeader& header, _tagHSFileBlock (&blocks)[blockCount])
{
    for (_tagHSFileBlock& block : blocks) {
        block.hsRecord.pPlayerName[_tagHSRecord::playerNameSize - 1] = '\0';
        block.hsRecord.pContestCode[_tagHSRecord::contestCodeSize - 1] = '\0';
    }
    if (header.nScores >= 0 && header.nScores <= blockCount && AreRanksAPermutation(blocks) &&
        AreScoresInRankOrder(blocks)) {
        return;
    }
    RankAnew(header, blocks);
}
