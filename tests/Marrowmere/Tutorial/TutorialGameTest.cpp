#include "Core/HotSpots/HotSpot.h"
#include "Core/Sound/Sound.h"
#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/Inhabitants/Inhabitants.h"
#include "Marrowmere/Locations/Locations.h"
#include "Marrowmere/Tutorial/Tutorial.h"
#include "tests/Marrowmere/GamePlay/GameFixture.h"
#include "tests/Support/SoundRecording/SoundRecordingLibrary.h"
#include "tools/GameDriver/GameDriver.h"

#include <string>
#include <vector>

namespace {

// How many board places a hand at the point shows, counting only those that hold what the hand
// points at there: an animal, a starvation dial or a flood dial.
int BoardPlacesShown(Point2D at)
{
    int places = 0;
    for (int lot = 0; lot < 25; ++lot) {
        const int row = lot / 5, column = lot % 5;
        places += at == Locations::LandLotPointerPosition(row, column) && Inhabitants::IsOccupied(row, column);
        for (DirectionType direction : {up, down, left, right}) {
            places += at == Locations::StarvationTimerPointerPosition(row, column, direction) &&
                      Inhabitants::IsTimed(row, column);
            places += at == Locations::FloodTimerPointerPosition(row, column, direction) &&
                      Inhabitants::IsFlooded(row, column);
        }
    }
    return places;
}

// The game as the fixture sets it up, with the tutorial switched on by each test.
using TutorialGameTest = GameFixture;

TEST_F(TutorialGameTest, PlaysItsWholeScriptWithTheBoardInStepWithTheNarration)
{
    // Through the real game loop as game_replay plays it, sounds muted, on a resource back end
    // that records the sounds asked for (every block reads as missing). A tutorial stuck for half
    // an hour of its clock is stopped.
    auto* sounds = new SoundRecordingLibrary; // owned by Resource
    Resource::Initialize(sounds);
    quitAfterReadings = 60L * 60 * 30;
    Sound::SetMuting(true);
    Tutorial::Activate();
    // The game after each of the tutorial's moves, as game_replay prints it.
    std::vector<std::string> games;
    GameDriver driver(*display, [] { return std::nullopt; }, [&](GameDriver::Event) {
        games.push_back(GameDriver::DescribeGame());
    });
    // The narrations come each once, in order; a hand shown as one ends points at what it speaks
    // about.
    std::vector<int> movesBeforeNarration;
    int boardPlacesShown = 0;
    sounds->onSoundReleased = [&](ResourceID id) {
        const int narration = id - SoundIDs::TutorialNarrationStart();
        if (narration >= 0 && narration < Tutorial::narrationCount) {
            EXPECT_EQ(narration, int(movesBeforeNarration.size()));
            movesBeforeNarration.push_back(int(games.size()) - 1);
            const Graphic8BitSprite& hand = *Tutorial::Pointer();
            boardPlacesShown += hand.IsVisible() ? BoardPlacesShown(hand.Position()) : 0;
        }
    };
    driver.PlayGame();

    // It ends with its own last click, on the game-over screen.
    EXPECT_LE(readings, quitAfterReadings) << "the tutorial got stuck";
    EXPECT_EQ(sounds->lookups[SoundIDs::No()], 0) << "a scripted click was refused";
    EXPECT_EQ(boardPlacesShown, 7) << "the hand points at the four species and three dials";
    ASSERT_EQ(games.size(), 30u) << "the start and 29 moves";
    EXPECT_EQ(movesBeforeNarration, (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 3, 3, 4,
                                                      5, 6, 6, 6, 7, 8, 9, 10, 10, 12, 13, 13, 13, 13, 14, 14,
                                                      14, 15, 17, 18, 20, 23, 24, 24, 24, 25, 26, 27, 27, 27, 28, 29}));

    const auto lotsAfter = [&games](int move) { return games[move].substr(games[move].find("| ") + 2); };
    // Lots row by row: species (0 flyer, 1 swimmer, 2 grazer, 3 cannibal, 4 grass, 5 tree), then
    // facing (0 up, 1 down, 2 left, 3 right, - none), turns left to starve, ~ and turns left to
    // evaporate. After the death item on the bottom-left flyer (move 2), the cloud on the
    // top-left grazer (3), the reverser on the new flyer (4) and the clockwise turner on
    // the top-right cannibal (5):
    EXPECT_EQ(lotsAfter(2), "2123 . 0323 . 3123 . . 0123 . . . 3323 . 1223 . . . 2023 . . 4-24 . . . 1023");
    EXPECT_EQ(lotsAfter(3), ".~24 . 0322 . 3122 . . 0122 . . . 3322 . 1222 . . . 2022 . . 4-23 . . . 1022");
    EXPECT_EQ(lotsAfter(4), ".~23 . 0221 . 3121 . . 0121 . . . 3321 . 1221 . . . 2021 . . 4-22 . . . 1021");
    EXPECT_EQ(lotsAfter(5), ".~22 . 0220 . 3220 . . 0120 . . . 3320 . 1220 . . . 2020 . . 4-21 . . . 1020");
    // Move 13 makes a complete chain (50 + 100 + 300 + 700 + 3000 points), whose pick move 14
    // spends in the pick dialog on a reverser for the grazer at the top right.
    EXPECT_EQ(games[14], "score=5600 turn=50 best=4150 chains=1 picks=1 over=0 | .~13 . 0211 . 2119 . . . . "
                         ". . . 1224 . . . . . . . 4-12 . 3223 . .");
    // The end: the last cannibal eaten; grass and a tree from starvation, the first flood gone.
    EXPECT_EQ(games[29], "score=6950 turn=150 best=4150 chains=1 picks=1 over=1 | . . 4-21 0220 . 0122 2020 . . "
                         "2113 . . 129~10 . . . . . . . 5- 1124 2125 . .");
}

TEST_F(TutorialGameTest, AKeyEndsItAtOnceWithoutAPause)
{
    // The key comes in the first pump, with the cursor hidden by the script's first step.
    Tutorial::Activate();
    PushKey(SDL_SCANCODE_X);
    GamePlay::NewGame();
    EXPECT_EQ(GameState::State(), GameState::gameOver);
    EXPECT_EQ(Tutorial::Pointer(), nullptr);
    EXPECT_EQ(HotSpot::LiveHotSpotCount(), 0u);
    EXPECT_TRUE(SpriteCursorAction::IsTrackingEnabled());
    // The switch stays on: the main window then ends the tutorial instead of looking for a high
    // score or showing statistics.
    EXPECT_TRUE(Tutorial::IsActive());
}

} // namespace
