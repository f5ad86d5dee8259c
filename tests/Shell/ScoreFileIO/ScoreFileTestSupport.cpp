#include "ScoreFileTestSupport.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>

Bytes ReadAllBytes(const std::filesystem::path& file)
{
    std::ifstream stream(file, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
}

void WriteAllBytes(const std::filesystem::path& file, const Bytes& bytes)
{
    std::ofstream stream(file, std::ios::binary | std::ios::trunc);
    stream.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

std::vector<std::string> FolderListing(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

FileImage::FileImage() : bytes(836, 0)
{
    Text(0, std::string("MM_HIGHSCORESHEADER"));
    Text(20, std::string("01.00.00"));
    for (int slot = 0; slot < 10; ++slot) {
        Rank(slot, slot + 1);
    }
}

FileImage& FileImage::Count(std::int32_t count)
{
    return Integer(32, count);
}

FileImage& FileImage::Rank(int slot, std::int32_t rank)
{
    return Integer(BlockOffset(slot), rank);
}

FileImage& FileImage::Entry(int slot, const std::string& name, std::int32_t score, const std::string& code)
{
    const std::size_t record = BlockOffset(slot) + 4;
    Text(record, name);
    Integer(record + 16, score);
    Text(record + 20, code);
    Integer(BlockOffset(slot) + 36, score);
    return *this;
}

FileImage& FileImage::Text(std::size_t offset, const std::string& text)
{
    std::copy(text.begin(), text.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
    return *this;
}

FileImage& FileImage::Integer(std::size_t offset, std::int32_t value)
{
    const auto bits = static_cast<std::uint32_t>(value);
    for (int i = 0; i < 4; ++i) {
        bytes[offset + i] = static_cast<unsigned char>(bits >> (8 * i));
    }
    return *this;
}

void ScoreFileTest::ReadImage(const FileImage& image)
{
    WriteAllBytes(File(), image.bytes);
    CScoreFileIO::Read();
}

void ScoreFileTest::Add(const std::string& name, std::int32_t score, const std::string& code)
{
    _tagHSRecord record{};
    std::strncpy(record.pPlayerName, name.c_str(), sizeof record.pPlayerName - 1);
    record.nScore = score;
    std::strncpy(record.pContestCode, code.c_str(), sizeof record.pContestCode - 1);
    _tagStatsRecord statistics{};
    statistics.nScore = score;
    CScoreFileIO::AddEntry(&record, &statistics);
}

std::vector<std::string> ScoreFileTest::NamesByRank()
{
    std::vector<std::string> names;
    for (int rank = 1; rank <= 10; ++rank) {
        const _tagHSFileBlock* block = CScoreFileIO::GetEntry(rank);
        names.push_back(block == nullptr ? "<missing>" : std::string(block->hsRecord.pPlayerName));
    }
    return names;
}

void ScoreFileTest::ExpectConsistentTable()
{
    std::set<const _tagHSFileBlock*> blocks;
    for (int rank = 1; rank <= 10; ++rank) {
        const _tagHSFileBlock* block = CScoreFileIO::GetEntry(rank);
        ASSERT_NE(block, nullptr) << "rank " << rank;
        EXPECT_EQ(block->ordinal, rank);
        blocks.insert(block);
        EXPECT_NE(std::memchr(block->hsRecord.pPlayerName, 0, sizeof block->hsRecord.pPlayerName), nullptr);
        EXPECT_NE(std::memchr(block->hsRecord.pContestCode, 0, sizeof block->hsRecord.pContestCode), nullptr);
    }
    EXPECT_EQ(blocks.size(), 10u) << "two ranks lead to the same block";
    EXPECT_GE(CScoreFileIO::GetCount(), 0);
    EXPECT_LE(CScoreFileIO::GetCount(), 10);
}
