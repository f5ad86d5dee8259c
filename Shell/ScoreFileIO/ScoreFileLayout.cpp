#include "Shell/ScoreFileIO/ScoreFileLayout.h"

#include <cstdint>
#include <cstring>

namespace ScoreFileLayout {
namespace {

static_assert(fileSize == 836);
static_assert(recordOffset + recordSize == statsOffset && statsOffset + statsSize == blockSize);

void PutInteger(unsigned char* at, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        at[i] = static_cast<unsigned char>(bits >> (8 * i));
    }
}

std::int32_t GetInteger(const unsigned char* at)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(at[i]) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

// The statistics fields in their stored order.
constexpr std::int32_t _tagStatsRecord::*statsFields[] = {
    &_tagStatsRecord::nScore,         &_tagStatsRecord::nBestTurn,      &_tagStatsRecord::nTotalTurns,
    &_tagStatsRecord::nTotalEatings,  &_tagStatsRecord::nSingleEatings, &_tagStatsRecord::n2ChainEatings,
    &_tagStatsRecord::n3ChainEatings, &_tagStatsRecord::n4ChainEatings, &_tagStatsRecord::n5ChainEatings,
    &_tagStatsRecord::nLongestChain,  &_tagStatsRecord::nCompleteChains,
};
static_assert(sizeof(statsFields) / sizeof(statsFields[0]) * 4 == statsSize);

void PutBlock(unsigned char* at, const _tagHSFileBlock& block)
{
    PutInteger(at + ordinalOffset, block.ordinal);
    unsigned char* record = at + recordOffset;
    std::memcpy(record + nameOffset, block.hsRecord.pPlayerName, sizeof block.hsRecord.pPlayerName);
    PutInteger(record + scoreOffset, block.hsRecord.nScore);
    std::memcpy(record + contestCodeOffset, block.hsRecord.pContestCode, sizeof block.hsRecord.pContestCode);
    unsigned char* stats = at + statsOffset;
    for (auto field : statsFields) {
        PutInteger(stats, block.StatsRecord.*field);
        stats += 4;
    }
}

void GetBlock(const unsigned char* at, _tagHSFileBlock& block)
{
    block.ordinal = GetInteger(at + ordinalOffset);
    const unsigned char* record = at + recordOffset;
    std::memcpy(block.hsRecord.pPlayerName, record + nameOffset, sizeof block.hsRecord.pPlayerName);
    block.hsRecord.nScore = GetInteger(record + scoreOffset);
    std::memcpy(block.hsRecord.pContestCode, record + contestCodeOffset, sizeof block.hsRecord.pContestCode);
    const unsigned char* stats = at + statsOffset;
    for (auto field : statsFields) {
        block.StatsRecord.*field = GetInteger(stats);
        stats += 4;
    }
}

}  // namespace

FileBytes Serialize(const _tagHSHeader& header, const _tagHSFileBlock (&blocks)[blockCount])
{
    FileBytes bytes{};
    std::memcpy(bytes.data() + idOffset, header.sID, sizeof header.sID);
    std::memcpy(bytes.data() + versionOffset, header.sVersion, sizeof header.sVersion);
    PutInteger(bytes.data() + countOffset, header.nScores);
    for (int slot = 0; slot < blockCount; ++slot) {
        PutBlock(bytes.data() + headerSize + slot * blockSize, blocks[slot]);
    }
    return bytes;
}

void Deserialize(const FileBytes& bytes, _tagHSHeader& header, _tagHSFileBlock (&blocks)[blockCount])
{
    std::memcpy(header.sID, bytes.data() + idOffset, sizeof header.sID);
    std::memcpy(header.sVersion, bytes.data() + versionOffset, sizeof header.sVersion);
    header.nScores = GetInteger(bytes.data() + countOffset);
    for (int slot = 0; slot < blockCount; ++slot) {
        GetBlock(bytes.data() + headerSize + slot * blockSize, blocks[slot]);
    }
}

}  // namespace ScoreFileLayout
