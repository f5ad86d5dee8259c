#include "Core/GameState/GameState.h"
#include "Core/Timer/Timer.h"
#include "Shell/ScoreFileIO/ScoreEntry.h"
#include "Shell/ScoreFileIO/ScoreFileIO.h"
#include "Shell/Slideshow/Slideshow.h"
#include "tests/Shell/ShellTestSupport/ShellTestSupport.h"
#include "tests/Support/Common/TemporaryFolder.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <utility>
#include <vector>

namespace {

using S = Slideshow;
using Step = std::pair<S::StatesType, double>; // a state and how long it lasted

class SlideshowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShellTest::EnsureApplication();
        ShellTest::LoadResourceLibraryWith({{"SLIDELOGO", 320, 240}});
        Timer::SetClockSource([this] { return milliseconds; });
        Timer::Initialize();
        GameState::SetState(GameState::idle);
        CScoreFileIO::Initialize(folder.Path());
        CScoreFileIO::Read();
        parent = std::make_unique<QWidget>();
        parent->resize(640, 480);
        slideshow = new Slideshow(parent.get());
        slideshow->SetSlideShowPos(74, 107, 320, 240);
        parent->show();
        slideshow->ResetState();
    }

    void TearDown() override { Timer::Reset(); }

    void RunUntil(S::StatesType state)
    {
        for (int tick = 0; tick < 10000 && slideshow->CurrentState() != state; ++tick) {
            milliseconds += 10;
            slideshow->SpendTime();
        }
        ASSERT_EQ(slideshow->CurrentState(), state);
    }

    // The current state and its length, in whole milliseconds.
    Step Current() const
    {
        return {slideshow->CurrentState(), std::round((slideshow->StateEndTime() - slideshow->StateStartTime()) * 1000) / 1000};
    }

    // Ticks every 10 ms until the cycle has started again; each state with its length.
    std::vector<Step> OneCycle()
    {
        std::vector<Step> steps{Current()};
        for (int tick = 0; tick < 10000; ++tick) {
            milliseconds += 10;
            const S::StatesType before = slideshow->CurrentState();
            slideshow->SpendTime();
            if (slideshow->CurrentState() == before)
                continue;
            if (slideshow->CurrentState() == S::startingCycle)
                return steps;
            steps.push_back(Current());
        }
        ADD_FAILURE() << "the cycle never ends";
        return steps;
    }

    static std::vector<Step> TitlesAndCreatures()
    {
        return {{S::startingCycle, 0}, {S::fadingMarrowmereLogoTitleIn, 1}, {S::displayingMarrowmereLogoTitle, 2},
            {S::fadingMarrowmereLogoTitleOut, 1}, {S::fadingCastTitleIn, 1}, {S::displayingCastTitle, 2},
            {S::fadingCastTitleOut, 1}, {S::startingToDisplayCreatures, 0}, {S::fadingCreature1In, 1},
            {S::displayingCreature1, 3}, {S::crossfadingCreature1out, 0.5}, {S::crossfadingCreature1To2, 0.5},
            {S::displayingCreature2, 3}, {S::crossfadingCreature2out, 0.5}, {S::crossfadingCreature2To3, 0.5},
            {S::displayingCreature3, 3}, {S::crossfadingCreature3out, 0.5}, {S::crossfadingCreature3To4, 0.5},
            {S::displayingCreature4, 3}, {S::fadingCreature4Out, 1}, {S::startingToDisplayHighScores, 0}};
    }

    long milliseconds = 0;
    TemporaryFolder folder;
    std::unique_ptr<QWidget> parent;
    Slideshow* slideshow = nullptr;
};

TEST_F(SlideshowTest, ThreeEntriesDropFromTheLowestRankUp)
{
    EXPECT_EQ(OneCycle(), TitlesAndCreatures()); // an empty table: the cycle starts again after the titles
    for (int score : {100, 200, 300}) {
        _tagStatsRecord statistics = MakeStatsRecord(Scoring::StatisticsType{}, score);
        _tagHSRecord record = MakeHSRecord("Player", score, "ABCDE-FGHJ");
        CScoreFileIO::AddEntry(&record, &statistics);
    }
    std::vector<Step> expected = TitlesAndCreatures();
    const std::vector<Step> tail = {{S::fadingHighScoresTitleIn, 1}, {S::displayingHighScoresTitle, 2},
        {S::fadingHighScoresTitleOut, 1}, {S::startingToDropHighScores, 0},
        {S::startingDroppingAHighScore, 0}, {S::droppingAHighScore, 0.06}, {S::endingDroppingAHighScore, 0},
        {S::startingDroppingAHighScore, 0}, {S::droppingAHighScore, 0.04}, {S::endingDroppingAHighScore, 0},
        {S::startingDroppingAHighScore, 0}, {S::droppingAHighScore, 0.02}, {S::endingDroppingAHighScore, 0},
        {S::displayingHighScores, 3}, {S::fadingHighScoresOut, 1}, {S::endingCycle, 0}};
    expected.insert(expected.end(), tail.begin(), tail.end());

    EXPECT_EQ(OneCycle(), expected);

    // The table as it stands: rank 1 in pure red, rows 4 to 10 black.
    RunUntil(S::displayingHighScores);
    const QImage table = slideshow->Frame();
    bool redRankOne = false;
    for (int y = 0; y < 24; ++y)
        for (int x = 0; x < 320; ++x)
            redRankOne |= qRed(table.pixel(x, y)) > 100 && (table.pixel(x, y) & 0xFFFF) == 0;
    EXPECT_TRUE(redRankOne);
    for (int y = 3 * 24; y < 240; ++y)
        for (int x = 0; x < 320; ++x)
            ASSERT_EQ(table.pixel(x, y), qRgb(0, 0, 0)) << x << ", " << y;
}

TEST_F(SlideshowTest, FadesScaleOnlyThePicturesColours)
{
    RunUntil(S::fadingMarrowmereLogoTitleIn);
    milliseconds += 500; // half of the one-second fade
    slideshow->SpendTime();
    // The test picture's pixel (10, 0) is colour 10: (10, 245, 128), here at half brightness.
    EXPECT_EQ(slideshow->Frame().pixel(10, 0), qRgb(5, 123, 64));
    RunUntil(S::displayingMarrowmereLogoTitle);
    EXPECT_EQ(slideshow->Frame().pixel(10, 0), qRgb(10, 245, 128));
}

TEST_F(SlideshowTest, APausedGameHoldsItsPictureUntilResetAndAHiddenWindowStopsTheClock)
{
    GameState::SetState(GameState::paused);
    slideshow->ResetState();
    milliseconds += 600000;
    slideshow->SpendTime();
    EXPECT_EQ(slideshow->CurrentState(), S::displayingPausedGame);
    GameState::SetState(GameState::idle);
    slideshow->ResetState();
    EXPECT_EQ(slideshow->CurrentState(), S::startingCycle);

    slideshow->hide();
    milliseconds += 60000;
    slideshow->SpendTime();
    EXPECT_EQ(slideshow->CurrentState(), S::startingCycle);
}

} // namespace
