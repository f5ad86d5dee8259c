#include "ScoreFileTestSupport.h"

namespace {

using ScoreFileLayout = ScoreFileTest;

// The written file, byte for byte, against one built by hand: header, count, every block with its
// rank, name, score, code and statistics, little-endian, with zero padding. It reads back the same
// and is written again byte for byte; padding set by another writer is written as zero.
TEST_F(ScoreFileLayout, AWrittenFileHasEveryFieldAtItsPlaceAndReadsBackUnchanged)
{
    CScoreFileIO::Read(); // no file yet: the cleared table
    // 12 characters, the most a name holds.
    _tagHSRecord record = MakeHSRecord("Ada Lovelace", 0x01020304, "ABCDE-FGHJ");
    const std::int32_t fields[11] = {0x01020304, 11, 12, 13, 14, 15, 16, 17, 18, 19, -20};
    _tagStatsRecord statistics = {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5],
                                  fields[6], fields[7], fields[8], fields[9], fields[10]};
    CScoreFileIO::AddEntry(&record, &statistics);
    ASSERT_TRUE(CScoreFileIO::Write());

    // The cleared table gives slot i rank i + 1; the first entry takes the rank-10 slot, 9.
    FileImage expected;
    expected.Count(1).Entry(9, "Ada Lovelace", 0x01020304, "ABCDE-FGHJ").Rank(9, 1);
    for (int slot = 0; slot < 9; ++slot) {
        expected.Rank(slot, slot + 2);
    }
    for (int field = 0; field < 11; ++field) {
        expected.Integer(FileImage::BlockOffset(9) + 36 + 4 * field, fields[field]);
    }
    const Bytes written = ReadFileBytes(File());
    EXPECT_EQ(written, expected.bytes);

    expected.bytes[FileImage::BlockOffset(9) + 4 + 14] = 0x5A; // behind the name
    expected.bytes[FileImage::BlockOffset(9) + 4 + 31] = 0x5A; // behind the code
    ReadImage(expected.bytes);
    EXPECT_EQ(CScoreFileIO::GetEntry(1)->StatsRecord.nCompleteChains, -20);
    ASSERT_TRUE(CScoreFileIO::Write());
    EXPECT_EQ(ReadFileBytes(File()), written);
}

} // namespace
