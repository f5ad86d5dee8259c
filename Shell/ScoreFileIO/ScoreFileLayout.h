#pragma once

#include "Shell/ScoreFileIO/ScoreRecords.h"

#include <array>
#include <cstddef>

// The byte layout of the high-score file: 836 bytes, every integer 32-bit little-endian
// signed whatever the host, texts zero-terminated, padding written as zero.
namespace ScoreFileLayout {

constexpr std::size_t headerSize = 36;
constexpr std::size_t recordSize = 32;
constexpr std::size_t statsSize = 44;
constexpr std::size_t blockSize = 80;
constexpr int blockCount = 10;
constexpr std::size_t fileSize = headerSize + blockCount * blockSize;

// Offsets of the header's fields.
constexpr std::size_t idOffset = 0;
constexpr std::size_t versionOffset = 20;
constexpr std::size_t countOffset = 32;
// Offsets within a block, and within its record.
constexpr std::size_t ordinalOffset = 0;
constexpr std::size_t recordOffset = 4;
constexpr std::size_t statsOffset = 36;
constexpr std::size_t nameOffset = 0;
constexpr std::size_t scoreOffset = 16;
constexpr std::size_t contestCodeOffset = 20;

using FileBytes = std::array<unsigned char, fileSize>;

FileBytes Serialize(const _tagHSHeader& header, const _tagHSFileBlock (&blocks)[blockCount]);
// Reads every field back as stored; nothing is checked here.
void Deserialize(const FileBytes& bytes, _tagHSHeader& header, _tagHSFileBlock (&blocks)[blockCount]);

}  // namespace ScoreFileLayout
