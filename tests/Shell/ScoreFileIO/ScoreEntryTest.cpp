#include "Shell/ScoreFileIO/ScoreEntry.h"

#include <gtest/gtest.h>

#include <cstring>
#include <regex>
#include <set>

namespace {

TEST(ScoreEntry, TextsAreCutToTheirFieldsAndZeroFilled)
{
    const _tagHSRecord longer = MakeHSRecord("Maximilian Ferdinand", 1234, "0123456789ABCDEF");
    EXPECT_EQ(std::string(longer.pPlayerName), "Maximilian F");
    EXPECT_EQ(longer.pPlayerName[12], '\0');
    EXPECT_EQ(longer.nScore, 1234);
    EXPECT_EQ(std::string(longer.pContestCode), "0123456789");
    EXPECT_EQ(longer.pContestCode[10], '\0');

    const _tagHSRecord shorter = MakeHSRecord("Al", 5, "X");
    EXPECT_EQ(std::string(shorter.pPlayerName, 13), std::string("Al") + std::string(11, '\0'));
    EXPECT_EQ(std::string(shorter.pContestCode, 11), std::string("X") + std::string(10, '\0'));
    const _tagHSRecord none = MakeHSRecord(nullptr, 0, nullptr);
    EXPECT_STREQ(none.pPlayerName, "");
    EXPECT_STREQ(none.pContestCode, "");
}

TEST(ScoreEntry, StatisticsAreCopiedFieldByFieldBehindTheFinalScore)
{
    // The running turn score (999) is not stored; the final score comes first.
    const Scoring::StatisticsType statistics{999, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    const _tagStatsRecord record = MakeStatsRecord(statistics, 1);
    const std::int32_t stored[] = {record.nScore,         record.nBestTurn,      record.nTotalTurns,
                                   record.nTotalEatings,  record.nSingleEatings, record.n2ChainEatings,
                                   record.n3ChainEatings, record.n4ChainEatings, record.n5ChainEatings,
                                   record.nLongestChain,  record.nCompleteChains};
    for (int field = 0; field < 11; ++field) {
        EXPECT_EQ(stored[field], field + 1) << "field " << field;
    }
}

TEST(ScoreEntry, AContestCodeIsAShortCheckCodeOfTheGamesFigures)
{
    _tagStatsRecord statistics = {4850, 1200, 61, 40, 20, 8, 3, 1, 0, 4, 1};
    const std::string code = MakeContestCode(statistics);
    EXPECT_TRUE(std::regex_match(code, std::regex("[0-9A-HJKMNP-TV-Z]{5}-[0-9A-HJKMNP-TV-Z]{4}"))) << code;
    EXPECT_EQ(MakeContestCode(statistics), code);

    // It fits the record with its zero, so the entry is shown.
    const _tagHSRecord record = MakeHSRecord("Player", statistics.nScore, code.c_str());
    EXPECT_EQ(std::string(record.pContestCode), code);

    // Any change of any figure gives another code.
    std::set<std::string> codes = {code};
    std::int32_t* fields[] = {&statistics.nScore,         &statistics.nBestTurn,      &statistics.nTotalTurns,
                              &statistics.nTotalEatings,  &statistics.nSingleEatings, &statistics.n2ChainEatings,
                              &statistics.n3ChainEatings, &statistics.n4ChainEatings, &statistics.n5ChainEatings,
                              &statistics.nLongestChain,  &statistics.nCompleteChains};
    for (std::int32_t* field : fields) {
        ++*field;
        EXPECT_TRUE(codes.insert(MakeContestCode(statistics)).second);
        --*field;
    }
    EXPECT_FALSE(MakeContestCode(_tagStatsRecord{}).empty());
}

}  // namespace
