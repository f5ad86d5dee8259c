#pragma once

#include "Shell/ScoreFileIO/ScoreEntry.h"
#include "Shell/ScoreFileIO/ScoreFileIO.h"
#include "tests/Support/Common/FileBytes.h"
#include "tests/Support/Common/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

using Bytes = std::vector<unsigned char>;

// Names by rank 1 to 10, the given ones first and "" for the empty blocks behind them.
inline std::vector<std::string> Names(std::vector<std::string> first)
{
    first.resize(10);
    return first;
}

// Builds a high-score file by hand, byte by byte, independently of the program's writer. It
// starts as the cleared table: default header, count 0, slot i holding rank i + 1.
class FileImage {
public:
    FileImage()
    {
        Text(0, "MM_HIGHSCORESHEADER").Text(20, "01.00.00");
        for (int slot = 0; slot < 10; ++slot) {
            Rank(slot, slot + 1);
        }
    }

    static std::size_t BlockOffset(int slot) { return 36 + 80 * static_cast<std::size_t>(slot); }

    FileImage& Count(std::int32_t count) { return Integer(32, count); }
    FileImage& Rank(int slot, std::int32_t rank) { return Integer(BlockOffset(slot), rank); }
    // A record with its statistics score; the other statistics stay zero.
    FileImage& Entry(int slot, const std::string& name, std::int32_t score, const std::string& code)
    {
        return Text(BlockOffset(slot) + 4, name).Integer(BlockOffset(slot) + 20, score).Text(BlockOffset(slot) + 24, code)
            .Integer(BlockOffset(slot) + 36, score);
    }
    // Raw characters, no zero added.
    FileImage& Text(std::size_t offset, const std::string& text)
    {
        std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
        return *this;
    }
    FileImage& Integer(std::size_t offset, std::int32_t value)
    {
        for (int i = 0; i < 4; ++i) {
            bytes[offset + i] = static_cast<unsigned char>(static_cast<std::uint32_t>(value) >> (8 * i));
        }
        return *this;
    }

    Bytes bytes = Bytes(836, 0);
};

// Starts each test with a freshly initialised table whose file lives in a temporary folder.
class ScoreFileTest : public ::testing::Test {
protected:
    void SetUp() override { CScoreFileIO::Initialize(folder.Path()); }

    std::filesystem::path File() const { return folder.Path() / "highscores.mm"; }

    // Writes the bytes as the file and reads it into a freshly initialised table.
    void ReadImage(const Bytes& bytes)
    {
        WriteFileBytes(File(), bytes);
        CScoreFileIO::Initialize(folder.Path());
        CScoreFileIO::Read();
    }

    // Adds a complete entry whose statistics carry the score.
    static void Add(const std::string& name, std::int32_t score)
    {
        _tagHSRecord record = MakeHSRecord(name.c_str(), score, "CODE");
        _tagStatsRecord statistics = MakeStatsRecord({}, score);
        CScoreFileIO::AddEntry(&record, &statistics);
    }

    static std::vector<std::string> NamesByRank()
    {
        std::vector<std::string> names;
        for (int rank = 1; rank <= 10; ++rank) {
            const _tagHSFileBlock* block = CScoreFileIO::GetEntry(rank);
            names.push_back(block == nullptr ? "<missing>" : block->hsRecord.pPlayerName);
        }
        return names;
    }

    // The table keeps its promises: each rank 1 to 10 leads to its own block (so the ranks are
    // a permutation), the count lies in 0..10 and every name and code ends within its field.
    static void ExpectConsistentTable()
    {
        for (int rank = 1; rank <= 10; ++rank) {
            const _tagHSFileBlock* block = CScoreFileIO::GetEntry(rank);
            ASSERT_NE(block, nullptr) << "rank " << rank;
            EXPECT_NE(std::memchr(block->hsRecord.pPlayerName, 0, sizeof block->hsRecord.pPlayerName), nullptr);
            EXPECT_NE(std::memchr(block->hsRecord.pContestCode, 0, sizeof block->hsRecord.pContestCode), nullptr);
        }
        EXPECT_GE(CScoreFileIO::GetCount(), 0);
        EXPECT_LE(CScoreFileIO::GetCount(), 10);
    }

    TemporaryFolder folder;
};
