#include "ScoreFileTestSupport.h"

#include <cstring>

namespace {

class ScoreTable : public ScoreFileTest {
protected:
    // Ten entries scoring 1000, 900, ..., 100, named "r1" to "r10" by rank.
    static void FillTable()
    {
        for (int rank = 1; rank <= 10; ++rank) {
            Add("r" + std::to_string(rank), 1100 - 100 * rank);
        }
    }
};

TEST_F(ScoreTable, NothingIsAHighScoreBeforeTheTableIsLoadedAndOnlyRanksOneToTenExist)
{
    EXPECT_FALSE(CScoreFileIO::IsHighScore(1000000));
    CScoreFileIO::Read();
    EXPECT_TRUE(CScoreFileIO::IsHighScore(1));
    EXPECT_FALSE(CScoreFileIO::IsHighScore(0));
    EXPECT_EQ(CScoreFileIO::GetEntry(0), nullptr);
    EXPECT_EQ(CScoreFileIO::GetEntry(11), nullptr);
    EXPECT_EQ(CScoreFileIO::GetEntry(-1), nullptr);
}

TEST_F(ScoreTable, TheFirstGameOfAClearedTableTakesRankOne)
{
    CScoreFileIO::Read();
    ASSERT_TRUE(CScoreFileIO::IsHighScore(150));
    Add("Kim", 150);
    EXPECT_EQ(CScoreFileIO::GetCount(), 1);
    EXPECT_STREQ(CScoreFileIO::GetEntry(1)->hsRecord.pPlayerName, "Kim");
    EXPECT_EQ(CScoreFileIO::GetEntry(1)->hsRecord.nScore, 150);
    EXPECT_EQ(CScoreFileIO::GetEntry(1)->StatsRecord.nScore, 150);
    for (int rank = 2; rank <= 10; ++rank) {
        EXPECT_EQ(CScoreFileIO::GetEntry(rank)->hsRecord.nScore, 0);
        EXPECT_STREQ(CScoreFileIO::GetEntry(rank)->hsRecord.pContestCode, "");
    }
    ExpectConsistentTable();
}

TEST_F(ScoreTable, AnEqualScoreRanksBehindTheEarlierEntry)
{
    CScoreFileIO::Read();
    Add("High", 500);
    Add("Early", 300);
    Add("Low", 100);
    Add("Late", 300);
    EXPECT_EQ(NamesByRank(), (std::vector<std::string>{"High", "Early", "Late", "Low", "", "", "", "", "", ""}));
    EXPECT_EQ(CScoreFileIO::GetCount(), 4);
    ExpectConsistentTable();
}

TEST_F(ScoreTable, AFullTableTakesOnlyScoresAboveTheTenthAndPushesTheLastOut)
{
    CScoreFileIO::Read();
    FillTable();
    ASSERT_EQ(CScoreFileIO::GetCount(), 10);
    const auto before = NamesByRank();
    EXPECT_FALSE(CScoreFileIO::IsHighScore(100));
    EXPECT_TRUE(CScoreFileIO::IsHighScore(101));
    EXPECT_FALSE(CScoreFileIO::IsHighScore(-5));
    Add("tooLow", 100);
    Add("lower", 50);
    EXPECT_EQ(NamesByRank(), before);

    ASSERT_TRUE(CScoreFileIO::IsHighScore(750));
    Add("new", 750);
    EXPECT_EQ(NamesByRank(), (std::vector<std::string>{"r1", "r2", "r3", "new", "r4", "r5", "r6", "r7", "r8", "r9"}));
    EXPECT_EQ(CScoreFileIO::GetCount(), 10);
    ExpectConsistentTable();

    // Null entries are ignored, even with a score that would enter.
    CScoreFileIO::AddEntry(nullptr, nullptr);
    _tagHSRecord record{};
    record.nScore = 5000;
    CScoreFileIO::AddEntry(&record, nullptr);
    EXPECT_EQ(NamesByRank().front(), "r1");
    ExpectConsistentTable();
}

TEST_F(ScoreTable, AnEntryKeepsItsTextsWithinTheirFields)
{
    CScoreFileIO::Read();
    _tagHSRecord record;
    std::memset(&record, 'x', sizeof record);  // no terminating zero anywhere
    record.nScore = 42;
    _tagStatsRecord statistics{};
    CScoreFileIO::AddEntry(&record, &statistics);
    EXPECT_EQ(std::string(CScoreFileIO::GetEntry(1)->hsRecord.pPlayerName), std::string(12, 'x'));
    EXPECT_EQ(std::string(CScoreFileIO::GetEntry(1)->hsRecord.pContestCode), std::string(10, 'x'));
}

TEST_F(ScoreTable, DeleteAllEmptiesTheFileButKeepsItsIdentifierAndVersion)
{
    const std::string otherID("OTHER_ID\0\0\0\0\0\0\0\0\0\0\0\0", 20);
    FileImage image;
    image.Text(0, otherID).Text(20, "02.07.01");
    image.Count(2).Entry(0, "Ann", 800, "CODE1").Entry(1, "Bo", 400, "CODE2");
    ReadImage(image);
    ASSERT_EQ(NamesByRank().front(), "Ann");

    CScoreFileIO::Clear();
    ASSERT_TRUE(CScoreFileIO::Write());

    FileImage cleared;
    cleared.Text(0, otherID).Text(20, "02.07.01");
    EXPECT_EQ(ReadAllBytes(File()), cleared.bytes);
    EXPECT_EQ(CScoreFileIO::GetCount(), 0);
    EXPECT_FALSE(CScoreFileIO::IsHighScore(0));
    EXPECT_TRUE(CScoreFileIO::IsHighScore(1));
}

TEST_F(ScoreTable, InitializeForgetsTheTableAndItsLoadedState)
{
    CScoreFileIO::Read();
    Add("Gone", 10);
    CScoreFileIO::Initialize(folder.Path());
    EXPECT_EQ(CScoreFileIO::GetCount(), 0);
    EXPECT_STREQ(CScoreFileIO::GetEntry(1)->hsRecord.pPlayerName, "");
    EXPECT_FALSE(CScoreFileIO::IsHighScore(10));
}

}  // namespace
