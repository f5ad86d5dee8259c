#include "ScoreFileTestSupport.h"

#include <cstring>

namespace {

std::int32_t IntegerAt(const Bytes& bytes, std::size_t offset)
{
    std::uint32_t bits = 0;
    for (int i = 0; i < 4; ++i) {
        bits |= static_cast<std::uint32_t>(bytes.at(offset + i)) << (8 * i);
    }
    return static_cast<std::int32_t>(bits);
}

std::string TextAt(const Bytes& bytes, std::size_t offset, std::size_t size)
{
    return std::string(reinterpret_cast<const char*>(bytes.data() + offset), size);
}

using ScoreFileLayout = ScoreFileTest;

TEST_F(ScoreFileLayout, AWrittenFileHasEveryFieldAtItsOffsetLittleEndian)
{
    CScoreFileIO::Read();  // no file yet: the cleared table
    _tagHSRecord record{};
    std::strcpy(record.pPlayerName, "Ada Lovelace");  // 12 characters, the most a name holds
    record.nScore = 0x01020304;
    std::strcpy(record.pContestCode, "ABCDE-FGHJ");
    const std::int32_t statisticsFields[11] = {0x01020304, 11, 12, 13, 14, 15, 16, 17, 18, 19, -20};
    _tagStatsRecord statistics = {statisticsFields[0], statisticsFields[1], statisticsFields[2],
                                  statisticsFields[3], statisticsFields[4], statisticsFields[5],
                                  statisticsFields[6], statisticsFields[7], statisticsFields[8],
                                  statisticsFields[9], statisticsFields[10]};
    CScoreFileIO::AddEntry(&record, &statistics);
    ASSERT_TRUE(CScoreFileIO::Write());

    const Bytes bytes = ReadAllBytes(File());
    ASSERT_EQ(bytes.size(), 836u);
    EXPECT_EQ(TextAt(bytes, 0, 20), std::string("MM_HIGHSCORESHEADER\0", 20));
    EXPECT_EQ(TextAt(bytes, 20, 12), std::string("01.00.00\0\0\0\0", 12));  // version, then padding
    EXPECT_EQ(IntegerAt(bytes, 32), 1);

    // The cleared table gives slot i rank i + 1; the first entry takes the rank-10 slot, 9.
    const std::size_t block = 36 + 9 * 80;
    EXPECT_EQ(IntegerAt(bytes, block), 1);
    EXPECT_EQ(TextAt(bytes, block + 4, 16), std::string("Ada Lovelace\0\0\0\0", 16));  // name, padding
    EXPECT_EQ(bytes[block + 20], 0x04);
    EXPECT_EQ(bytes[block + 23], 0x01);
    EXPECT_EQ(TextAt(bytes, block + 24, 12), std::string("ABCDE-FGHJ\0\0", 12));  // code, padding
    for (int field = 0; field < 11; ++field) {
        EXPECT_EQ(IntegerAt(bytes, block + 36 + 4 * field), statisticsFields[field]) << "statistics field " << field;
    }
    EXPECT_EQ(bytes[block + 76], 0xEC);  // -20, two's complement
    EXPECT_EQ(bytes[block + 79], 0xFF);

    // Every other block is empty with its moved-down rank.
    for (int slot = 0; slot < 9; ++slot) {
        const std::size_t other = 36 + slot * 80;
        EXPECT_EQ(IntegerAt(bytes, other), slot + 2);
        for (std::size_t offset = 4; offset < 80; ++offset) {
            ASSERT_EQ(bytes[other + offset], 0) << "slot " << slot << " offset " << offset;
        }
    }
}

TEST_F(ScoreFileLayout, AWrittenTableReadsBackUnchanged)
{
    CScoreFileIO::Read();
    Add("First", 900, "AAAAA-AAAA");
    Add("Second", 500, "BBBBB-BBBB");
    Add("Third", 700, "CCCCC-CCCC");
    ASSERT_TRUE(CScoreFileIO::Write());
    const Bytes written = ReadAllBytes(File());

    CScoreFileIO::Initialize(folder.Path());
    CScoreFileIO::Read();
    EXPECT_EQ(CScoreFileIO::GetCount(), 3);
    EXPECT_EQ(NamesByRank(), (std::vector<std::string>{"First", "Third", "Second", "", "", "", "", "", "", ""}));
    EXPECT_STREQ(CScoreFileIO::GetEntry(2)->hsRecord.pContestCode, "CCCCC-CCCC");
    EXPECT_EQ(CScoreFileIO::GetEntry(2)->StatsRecord.nScore, 700);

    ASSERT_TRUE(CScoreFileIO::Write());
    EXPECT_EQ(ReadAllBytes(File()), written);
}

TEST_F(ScoreFileLayout, APaddingByteSetByAnotherWriterIsIgnoredAndWrittenAsZero)
{
    FileImage image;
    image.Count(1).Rank(0, 1).Rank(9, 10).Entry(0, "Pat", 300, "QQQQQ-QQQQ");
    image.bytes[FileImage::BlockOffset(0) + 4 + 14] = 0x5A;  // padding behind the name
    image.bytes[FileImage::BlockOffset(0) + 4 + 31] = 0x5A;  // padding behind the code
    ReadImage(image);
    EXPECT_STREQ(CScoreFileIO::GetEntry(1)->hsRecord.pPlayerName, "Pat");
    EXPECT_EQ(CScoreFileIO::GetEntry(1)->hsRecord.nScore, 300);

    ASSERT_TRUE(CScoreFileIO::Write());
    const Bytes bytes = ReadAllBytes(File());
    EXPECT_EQ(bytes[FileImage::BlockOffset(0) + 4 + 14], 0);
    EXPECT_EQ(bytes[FileImage::BlockOffset(0) + 4 + 31], 0);
}

}  // namespace
