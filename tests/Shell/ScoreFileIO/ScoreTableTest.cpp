#include "ScoreFileTestSupport.h"

namespace {

using ScoreTable = ScoreFileTest;

// Entries rank by score, an equal score behind the earlier entry; a full table takes only
// scores above its tenth place, which then drops out.
TEST_F(ScoreTable, EntriesRankByScoreAndEqualScoresRankBehindTheEarlierEntry)
{
    EXPECT_FALSE(CScoreFileIO::IsHighScore(1000000)) << "nothing is a high score before the table is loaded";
    CScoreFileIO::Read();
    for (long rank : {-1L, 0L, 11L}) {
        EXPECT_EQ(CScoreFileIO::GetEntry(rank), nullptr) << rank;
    }
    Add("High", 500);
    Add("Early", 300);
    Add("Low", 100);
    Add("Late", 300);
    EXPECT_EQ(NamesByRank(), Names({"High", "Early", "Late", "Low"}));

    for (int score : {900, 800, 700, 600, 200, 50}) {
        Add("s" + std::to_string(score), score);
    }
    EXPECT_FALSE(CScoreFileIO::IsHighScore(50));
    EXPECT_TRUE(CScoreFileIO::IsHighScore(51));
    Add("tooLow", 50);
    EXPECT_EQ(NamesByRank(), Names({"s900", "s800", "s700", "s600", "High", "Early", "Late", "s200", "Low", "s50"}));
    Add("Tie", 300);
    EXPECT_EQ(NamesByRank(), Names({"s900", "s800", "s700", "s600", "High", "Early", "Late", "Tie", "s200", "Low"}));
    EXPECT_EQ(CScoreFileIO::GetCount(), 10);
    ExpectConsistentTable();

    // Null records are ignored, even with a score that would enter.
    _tagHSRecord record;
    std::memset(&record, 'x', sizeof record); // no terminating zero anywhere
    record.nScore = 5000;
    _tagStatsRecord statistics{};
    CScoreFileIO::AddEntry(&record, nullptr);
    CScoreFileIO::AddEntry(nullptr, &statistics);
    EXPECT_EQ(NamesByRank().front(), "s900");

    CScoreFileIO::Initialize(folder.Path());
    EXPECT_EQ(CScoreFileIO::GetCount(), 0);
    EXPECT_STREQ(CScoreFileIO::GetEntry(1)->hsRecord.pPlayerName, "");
    EXPECT_FALSE(CScoreFileIO::IsHighScore(10)) << "initialising forgets that the table was loaded";
    // An entry keeps its texts within their fields.
    CScoreFileIO::AddEntry(&record, &statistics);
    EXPECT_EQ(std::string(CScoreFileIO::GetEntry(1)->hsRecord.pPlayerName), std::string(12, 'x'));
    EXPECT_EQ(std::string(CScoreFileIO::GetEntry(1)->hsRecord.pContestCode), std::string(10, 'x'));
}

TEST_F(ScoreTable, ClearingEmptiesTheFileButKeepsItsIdentifierAndVersion)
{
    FileImage image;
    image.Text(0, std::string("OTHER_ID").append(12, '\0')).Text(20, "02.07.01");
    ReadImage(FileImage(image).Count(2).Entry(0, "Ann", 800, "CODE1").Entry(1, "Bo", 400, "CODE2").bytes);
    ASSERT_EQ(NamesByRank().front(), "Ann");
    CScoreFileIO::Clear();
    ASSERT_TRUE(CScoreFileIO::Write());
    EXPECT_EQ(ReadFileBytes(File()), image.bytes);
    EXPECT_EQ(CScoreFileIO::GetCount(), 0);
    EXPECT_TRUE(CScoreFileIO::IsHighScore(1));
}

} // namespace
