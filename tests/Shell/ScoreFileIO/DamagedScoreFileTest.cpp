#include "ScoreFileTestSupport.h"

#include "Core/Math/RandomGenerator.h"

#include <cstring>

namespace {

using DamagedScoreFile = ScoreFileTest;

// A good table of three entries in scrambled slots: Ann 900 (slot 4), Bo 600 (slot 7),
// Cy 300 (slot 1); the empty blocks hold the other ranks.
FileImage ThreeEntries()
{
    FileImage image;
    image.Count(3);
    image.Entry(4, "Ann", 900, "AAAAA-AAAA").Entry(7, "Bo", 600, "BBBBB-BBBB").Entry(1, "Cy", 300, "CCCCC-CCCC");
    const int ranks[10] = {4, 3, 5, 6, 1, 7, 8, 2, 9, 10};
    for (int slot = 0; slot < 10; ++slot) {
        image.Rank(slot, ranks[slot]);
    }
    return image;
}

const std::vector<std::string> threeNames = {"Ann", "Bo", "Cy", "", "", "", "", "", "", ""};

TEST_F(DamagedScoreFile, AGoodScrambledTableIsReadAsStored)
{
    ReadImage(ThreeEntries());
    EXPECT_EQ(NamesByRank(), threeNames);
    EXPECT_EQ(CScoreFileIO::GetCount(), 3);
    ExpectConsistentTable();
}

TEST_F(DamagedScoreFile, AMissingFileOrAFolderInItsPlaceGivesTheClearedTable)
{
    CScoreFileIO::Read();
    EXPECT_EQ(CScoreFileIO::GetCount(), 0);
    EXPECT_TRUE(CScoreFileIO::IsHighScore(1));
    ExpectConsistentTable();

    std::filesystem::create_directory(File());
    CScoreFileIO::Initialize(folder.Path());
    CScoreFileIO::Read();
    EXPECT_EQ(CScoreFileIO::GetCount(), 0);
    EXPECT_TRUE(CScoreFileIO::IsHighScore(1));
    ExpectConsistentTable();
}

TEST_F(DamagedScoreFile, AShortFileFillsWhatItHoldsAndTheRestStaysCleared)
{
    // Header and the first three blocks: Cy's block (slot 1) is inside, the others are cut off.
    FileImage image = ThreeEntries();
    image.bytes.resize(36 + 3 * 80);
    ReadImage(image);
    ExpectConsistentTable();
    EXPECT_EQ(NamesByRank().front(), "Cy");

    for (std::size_t size : {0u, 1u, 20u, 35u, 37u, 100u, 835u}) {
        Bytes bytes = ThreeEntries().bytes;
        bytes.resize(size);
        WriteAllBytes(File(), bytes);
        CScoreFileIO::Initialize(folder.Path());
        CScoreFileIO::Read();
        SCOPED_TRACE(size);
        ExpectConsistentTable();
        EXPECT_TRUE(CScoreFileIO::IsHighScore(1000));
    }
}

TEST_F(DamagedScoreFile, ALongFileIsReadUpToTheTableAndTheRestIsIgnored)
{
    FileImage image = ThreeEntries();
    image.bytes.resize(5000, 0xAB);
    ReadImage(image);
    EXPECT_EQ(NamesByRank(), threeNames);
    EXPECT_EQ(CScoreFileIO::GetCount(), 3);

    ASSERT_TRUE(CScoreFileIO::Write());
    EXPECT_EQ(ReadAllBytes(File()).size(), 836u);
}

TEST_F(DamagedScoreFile, ACountOutsideZeroToTenBecomesTheNumberOfRealEntries)
{
    for (std::int32_t count : {11, -1, 1000000, INT32_MIN}) {
        CScoreFileIO::Initialize(folder.Path());
        ReadImage(ThreeEntries().Count(count));
        SCOPED_TRACE(count);
        EXPECT_EQ(CScoreFileIO::GetCount(), 3);
        EXPECT_EQ(NamesByRank(), threeNames);
        ExpectConsistentTable();
    }
}

TEST_F(DamagedScoreFile, DuplicateOrMissingRanksAreRankedAnewByScore)
{
    FileImage image = ThreeEntries();
    image.Rank(4, 2).Rank(7, 2).Rank(0, 0).Rank(2, 77);  // Ann and Bo both 2, ranks 1 and 4 lost
    ReadImage(image);
    EXPECT_EQ(NamesByRank(), threeNames);
    EXPECT_EQ(CScoreFileIO::GetCount(), 3);
    ExpectConsistentTable();

    // A later game still enters where it belongs.
    Add("Dee", 700);
    EXPECT_EQ(NamesByRank(), (std::vector<std::string>{"Ann", "Dee", "Bo", "Cy", "", "", "", "", "", ""}));

    // Equal scores keep their stored order when ranked anew.
    image = FileImage();
    image.Count(3).Entry(0, "Late", 500, "C1").Entry(1, "Early", 500, "C2").Entry(2, "Top", 800, "C3");
    image.Rank(0, 3).Rank(1, 2).Rank(2, 1).Rank(3, 3);  // rank 3 twice, rank 4 missing
    ReadImage(image);
    EXPECT_EQ(NamesByRank(), (std::vector<std::string>{"Top", "Early", "Late", "", "", "", "", "", "", ""}));
}

TEST_F(DamagedScoreFile, ScoresOutOfRankOrderAreRankedAnew)
{
    // A valid permutation whose tenth place outscores the rest would push an insertion to rank 11.
    FileImage image;
    image.Count(2).Entry(9, "Big", 5000, "C1").Entry(0, "Small", 10, "C2");
    ReadImage(image);
    EXPECT_EQ(NamesByRank(), (std::vector<std::string>{"Big", "Small", "", "", "", "", "", "", "", ""}));
    Add("Mid", 100);
    EXPECT_EQ(NamesByRank(), (std::vector<std::string>{"Big", "Mid", "Small", "", "", "", "", "", "", ""}));
    ExpectConsistentTable();
}

TEST_F(DamagedScoreFile, UnterminatedNamesAndCodesAreCutToTheirFields)
{
    FileImage image = ThreeEntries();
    const std::size_t record = FileImage::BlockOffset(4) + 4;
    image.Text(record, std::string(13, 'N'));       // the whole name field, no zero
    image.Text(record + 20, std::string(11, 'K'));  // the whole code field, no zero
    image.Text(record + 13, "PAD");                 // and the padding in between
    ReadImage(image);
    const _tagHSFileBlock* best = CScoreFileIO::GetEntry(1);
    EXPECT_EQ(std::string(best->hsRecord.pPlayerName), std::string(12, 'N'));
    EXPECT_EQ(best->hsRecord.nScore, 900);
    EXPECT_EQ(std::string(best->hsRecord.pContestCode), std::string(10, 'K'));
    ExpectConsistentTable();
}

TEST_F(DamagedScoreFile, RankingAnewDropsBlocksThatAreNoRealGame)
{
    FileImage image = ThreeEntries().Count(-3);
    image.Entry(0, "NoCode", 5000, "");      // no code text: never shown, not a game
    image.Entry(2, "", 4000, "ZZZZZ-ZZZZ");  // no name
    image.Entry(3, "Minus", -7, "YYYYY-YYYY");
    ReadImage(image);
    EXPECT_EQ(NamesByRank(), threeNames);
    EXPECT_EQ(CScoreFileIO::GetCount(), 3);
    for (int rank = 4; rank <= 10; ++rank) {
        EXPECT_EQ(CScoreFileIO::GetEntry(rank)->hsRecord.nScore, 0) << rank;
    }
    EXPECT_TRUE(CScoreFileIO::IsHighScore(1));
}

TEST_F(DamagedScoreFile, GarbageNeverBreaksTheTable)
{
    RandomGenerator::Seed(836);
    for (int trial = 0; trial < 200; ++trial) {
        Bytes bytes(trial % 3 == 0 ? 836 : static_cast<std::size_t>(RandomGenerator::NextRaw() % 1200));
        for (unsigned char& byte : bytes) {
            byte = static_cast<unsigned char>(RandomGenerator::NextRaw() & 0xFF);
        }
        if (trial % 2 == 0 && bytes.size() >= 36 + 800) {
            // Small ranks and counts, so that the checks beyond the ranks are reached too.
            for (int slot = 0; slot < 10; ++slot) {
                bytes[36 + 80 * slot + 1] = bytes[36 + 80 * slot + 2] = bytes[36 + 80 * slot + 3] = 0;
                bytes[36 + 80 * slot] %= 12;
            }
            bytes[32] %= 12;
            bytes[33] = bytes[34] = bytes[35] = 0;
        }
        WriteAllBytes(File(), bytes);
        CScoreFileIO::Initialize(folder.Path());
        CScoreFileIO::Read();
        SCOPED_TRACE(trial);
        ExpectConsistentTable();
        if (HasFatalFailure()) {
            return;
        }

        // The repaired table can take a new best game, and (now and then, as writing is slow)
        // be written and read back the same.
        Add("Winner", INT32_MAX);
        EXPECT_STREQ(CScoreFileIO::GetEntry(1)->hsRecord.pPlayerName, "Winner");
        if (trial % 10 != 0) {
            continue;
        }
        ASSERT_TRUE(CScoreFileIO::Write());
        const Bytes written = ReadAllBytes(File());
        CScoreFileIO::Initialize(folder.Path());
        CScoreFileIO::Read();
        ASSERT_TRUE(CScoreFileIO::Write());
        EXPECT_EQ(ReadAllBytes(File()), written);
    }
}

}  // namespace
