#include "ScoreFileTestSupport.h"

#include "Core/Math/RandomGenerator.h"

namespace {

using DamagedScoreFile = ScoreFileTest;

// A good table of three entries in scrambled slots: Ann 900 (slot 4), Bo 600 (slot 7),
// Cy 300 (slot 1); the empty blocks hold the other ranks.
FileImage ThreeEntries()
{
    FileImage image;
    image.Count(3).Entry(4, "Ann", 900, "AAAAA-AAAA").Entry(7, "Bo", 600, "BBBBB-BBBB").Entry(1, "Cy", 300, "CCCCC-CCCC");
    const int ranks[10] = {4, 3, 5, 6, 1, 7, 8, 2, 9, 10};
    for (int slot = 0; slot < 10; ++slot) {
        image.Rank(slot, ranks[slot]);
    }
    return image;
}

// Each damaged file is read into a table with the real games ranked by score and the other blocks
// emptied (the random files below check the table's consistency).
TEST_F(DamagedScoreFile, DamagedTablesAreRepaired)
{
    const std::size_t annRecord = FileImage::BlockOffset(4) + 4;
    const auto sized = [](std::size_t size) { // what is missing keeps the cleared table's value
        FileImage image = ThreeEntries();
        image.bytes.resize(size, 0xAB);
        return image;
    };
    const std::vector<std::string> three = {"Ann", "Bo", "Cy"};
    const struct {
        const char* what;
        FileImage image;
        std::vector<std::string> ranked;
    } cases[] = {
        {"a good scrambled table", ThreeEntries(), three},
        {"count 11", ThreeEntries().Count(11), three},
        {"duplicate and missing ranks", ThreeEntries().Rank(4, 2).Rank(7, 2).Rank(0, 0).Rank(2, 77), three},
        {"blocks that are no real game",
         ThreeEntries().Count(-3).Entry(0, "NoCode", 5000, "").Entry(2, "", 4000, "ZZZZZ-ZZZZ").Entry(3, "Minus", -7, "YYYYY-YYYY"),
         three},
        {"a name and a code without their zero", ThreeEntries().Text(annRecord, std::string(13, 'N')).Text(annRecord + 20, std::string(11, 'K')),
         {std::string(12, 'N'), "Bo", "Cy"}},
        {"an empty file", sized(0), {}},
        {"a file cut after three blocks (Cy's is inside)", sized(36 + 3 * 80), {"Cy"}},
        {"a file with more behind the table", sized(5000), three},
        {"equal scores ranked anew keep their stored ranks",
         FileImage().Count(-1).Entry(0, "Second", 500, "C1").Entry(1, "First", 500, "C2").Rank(0, 2).Rank(1, 1), {"First", "Second"}},
        {"the tenth place outscores the rest", FileImage().Count(2).Entry(9, "Big", 5000, "C1").Entry(0, "Small", 10, "C2"), {"Big", "Small"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ReadImage(c.image.bytes);
        EXPECT_EQ(NamesByRank(), Names(c.ranked));
        EXPECT_EQ(CScoreFileIO::GetCount(), static_cast<int>(c.ranked.size()));
        for (int rank = static_cast<int>(c.ranked.size()) + 1; rank <= 10; ++rank) {
            EXPECT_EQ(CScoreFileIO::GetEntry(rank)->hsRecord.nScore, 0) << rank;
        }
    }
    // A good table is kept as stored, its count included; it is not ranked anew.
    ReadImage(ThreeEntries().Count(10).bytes);
    EXPECT_EQ(CScoreFileIO::GetCount(), 10);
}

// A folder in place of the file gives the cleared table (no file at all is every other test's
// start). The first write makes a missing data folder, but a file where the data folder should be
// is left alone.
TEST_F(DamagedScoreFile, AFolderInPlaceOfTheFileGivesTheClearedTable)
{
    std::filesystem::create_directory(File());
    CScoreFileIO::Read();
    EXPECT_EQ(CScoreFileIO::GetCount(), 0);
    ExpectConsistentTable();
    const std::filesystem::path fresh = folder.Path() / "share" / "Quillon Games" / "Marrowmere 1.0";
    CScoreFileIO::Initialize(fresh);
    ASSERT_TRUE(CScoreFileIO::Write());
    const Bytes written = ReadFileBytes(fresh / "highscores.mm");
    EXPECT_EQ(written.size(), 836u);
    CScoreFileIO::Initialize(fresh / "highscores.mm");
    Add("Someone", 10);
    EXPECT_FALSE(CScoreFileIO::Write());
    EXPECT_EQ(ReadFileBytes(fresh / "highscores.mm"), written);
}

TEST_F(DamagedScoreFile, GarbageNeverBreaksTheTable)
{
    RandomGenerator::Seed(836);
    for (int trial = 0; trial < 200; ++trial) {
        SCOPED_TRACE(trial);
        Bytes bytes(trial % 3 == 0 ? 836 : static_cast<std::size_t>(RandomGenerator::NextRaw() % 1200));
        for (unsigned char& byte : bytes) {
            byte = static_cast<unsigned char>(RandomGenerator::NextRaw() & 0xFF);
        }
        if (trial % 2 == 0 && bytes.size() >= 836) {
            // Small ranks and counts, so that the checks beyond the ranks are reached too.
            for (std::size_t at = 32; at < 836; at += (at == 32 ? 4 : 80)) {
                bytes[at] %= 12;
                bytes[at + 1] = bytes[at + 2] = bytes[at + 3] = 0;
            }
        }
        ReadImage(bytes);
        ASSERT_NO_FATAL_FAILURE(ExpectConsistentTable());

        // The repaired table takes a new best game and (now and then, as writing is slow) is
        // written and read back the same.
        Add("Winner", INT32_MAX);
        EXPECT_STREQ(CScoreFileIO::GetEntry(1)->hsRecord.pPlayerName, "Winner");
        if (trial % 10 == 0) {
            ASSERT_TRUE(CScoreFileIO::Write());
            const Bytes written = ReadFileBytes(File());
            CScoreFileIO::Read();
            ASSERT_TRUE(CScoreFileIO::Write());
            EXPECT_EQ(ReadFileBytes(File()), written);
        }
    }
}

} // namespace
