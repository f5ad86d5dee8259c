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

// Each damaged file is read into a consistent table with the real games ranked by score; a later
// game still enters where it belongs.
TEST_F(DamagedScoreFile, DamagedTablesAreRepaired)
{
    auto names = [](std::vector<std::string> first) {
        first.resize(10);
        return first;
    };
    struct Case {
        const char* what;
        FileImage image;
        std::vector<std::string> ranked;
        std::vector<std::string> afterDee; // with "Dee" scoring 700 added
    };
    FileImage tied;
    tied.Count(3).Entry(0, "Late", 500, "C1").Entry(1, "Early", 500, "C2").Entry(2, "Top", 800, "C3");
    tied.Rank(0, 3).Rank(1, 2).Rank(2, 1).Rank(3, 3); // rank 3 twice, rank 4 missing
    FileImage tiedAtTop; // a count that forces ranking anew; the stored ranks 1 and 2 decide the tie
    tiedAtTop.Count(-1).Entry(0, "Second", 500, "C1").Entry(1, "First", 500, "C2").Rank(0, 2).Rank(1, 1);
    FileImage outOfOrder; // a valid permutation whose tenth place outscores the rest
    outOfOrder.Count(2).Entry(9, "Big", 5000, "C1").Entry(0, "Small", 10, "C2");
    const std::vector<std::string> three = {"Ann", "Bo", "Cy"}, threeAndDee = {"Ann", "Dee", "Bo", "Cy"};
    const Case cases[] = {
        {"a good scrambled table", ThreeEntries(), three, threeAndDee},
        {"count 11", ThreeEntries().Count(11), three, threeAndDee},
        {"count -1", ThreeEntries().Count(-1), three, threeAndDee},
        {"count 1000000", ThreeEntries().Count(1000000), three, threeAndDee},
        {"count INT32_MIN", ThreeEntries().Count(INT32_MIN), three, threeAndDee},
        {"duplicate and missing ranks", ThreeEntries().Rank(4, 2).Rank(7, 2).Rank(0, 0).Rank(2, 77), three, threeAndDee},
        {"blocks that are no real game",
         ThreeEntries().Count(-3).Entry(0, "NoCode", 5000, "").Entry(2, "", 4000, "ZZZZZ-ZZZZ").Entry(3, "Minus", -7, "YYYYY-YYYY"),
         three, threeAndDee},
        {"equal scores keep their stored order", tied, {"Top", "Early", "Late"}, {"Top", "Dee", "Early", "Late"}},
        {"equal scores keep their stored ranks", tiedAtTop, {"First", "Second"}, {"Dee", "First", "Second"}},
        {"scores out of rank order", outOfOrder, {"Big", "Small"}, {"Big", "Dee", "Small"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CScoreFileIO::Initialize(folder.Path());
        ReadImage(c.image);
        EXPECT_EQ(NamesByRank(), names(c.ranked));
        EXPECT_EQ(CScoreFileIO::GetCount(), static_cast<int>(c.ranked.size()));
        for (int rank = static_cast<int>(c.ranked.size()) + 1; rank <= 10; ++rank) {
            EXPECT_EQ(CScoreFileIO::GetEntry(rank)->hsRecord.nScore, 0) << rank;
        }
        ExpectConsistentTable();
        Add("Dee", 700);
        EXPECT_EQ(NamesByRank(), names(c.afterDee));
    }
}

// A missing file, a folder in its place or a file of any length gives a consistent table with
// what the file holds up to the table's end; writing gives a file of the table's size.
TEST_F(DamagedScoreFile, MissingShortAndLongFilesGiveATable)
{
    CScoreFileIO::Read();
    EXPECT_EQ(CScoreFileIO::GetCount(), 0);
    EXPECT_TRUE(CScoreFileIO::IsHighScore(1));
    ExpectConsistentTable();
    std::filesystem::create_directory(File());
    CScoreFileIO::Initialize(folder.Path());
    CScoreFileIO::Read();
    EXPECT_TRUE(CScoreFileIO::IsHighScore(1));
    ExpectConsistentTable();
    std::filesystem::remove(File());

    for (std::size_t size : {0u, 1u, 20u, 35u, 37u, 100u, 276u, 835u, 5000u}) {
        SCOPED_TRACE(size);
        Bytes bytes = ThreeEntries().bytes;
        bytes.resize(size, 0xAB);
        WriteAllBytes(File(), bytes);
        CScoreFileIO::Initialize(folder.Path());
        CScoreFileIO::Read();
        ExpectConsistentTable();
        EXPECT_TRUE(CScoreFileIO::IsHighScore(1000));
        if (size == 276) { // the header and the first three blocks: Cy's block (slot 1) is inside
            EXPECT_EQ(NamesByRank().front(), "Cy");
        }
        if (size == 5000) {
            EXPECT_EQ(NamesByRank(), threeNames);
            ASSERT_TRUE(CScoreFileIO::Write());
            EXPECT_EQ(ReadAllBytes(File()).size(), 836u);
        }
    }
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
