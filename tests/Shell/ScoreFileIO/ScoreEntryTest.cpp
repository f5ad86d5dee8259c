#include "Shell/ScoreFileIO/ScoreEntry.h"

#include <gtest/gtest.h>

#include <regex>
#include <set>

namespace {

TEST(ScoreEntry, TextsAreCutToTheirFieldsAndZeroFilled)
{
    const _tagHSRecord longer = MakeHSRecord("Maximilian Ferdinand", 1234, "0123456789ABCDEF");
    EXPECT_EQ(std::string(longer.pPlayerName, 13), std::string("Maximilian F") + '\0');
    EXPECT_EQ(longer.nScore, 1234);
    EXPECT_EQ(std::string(longer.pContestCode, 11), std::string("0123456789") + '\0');
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
    const _tagStatsRecord r = MakeStatsRecord(Scoring::StatisticsType{999, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 1);
    EXPECT_EQ((std::vector<std::int32_t>{r.nScore, r.nBestTurn, r.nTotalTurns, r.nTotalEatings, r.nSingleEatings,
                                         r.n2ChainEatings, r.n3ChainEatings, r.n4ChainEatings, r.n5ChainEatings,
                                         r.nLongestChain, r.nCompleteChains}),
              (std::vector<std::int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}));
}

// A short check code of the game's figures: any change of any figure gives another code.
TEST(ScoreEntry, AContestCodeIsAShortCheckCodeOfTheGamesFigures)
{
    _tagStatsRecord statistics = {4850, 1200, 61, 40, 20, 8, 3, 1, 0, 4, 1};
    const std::string code = MakeContestCode(statistics);
    EXPECT_TRUE(std::regex_match(code, std::regex("[0-9A-HJKMNP-TV-Z]{5}-[0-9A-HJKMNP-TV-Z]{4}"))) << code;
    std::set<std::string> codes = {code};
    for (std::int32_t* field : {&statistics.nScore, &statistics.nBestTurn, &statistics.nTotalTurns,
                                &statistics.nTotalEatings, &statistics.nSingleEatings, &statistics.n2ChainEatings,
                                &statistics.n3ChainEatings, &statistics.n4ChainEatings, &statistics.n5ChainEatings,
                                &statistics.nLongestChain, &statistics.nCompleteChains}) {
        ++*field;
        EXPECT_TRUE(codes.insert(MakeContestCode(statistics)).second);
        --*field;
    }
}

} // namespace
