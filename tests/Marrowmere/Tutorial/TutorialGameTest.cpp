#include "Core/HotSpots/HotSpot.h"
#include "Core/Sound/Sound.h"
#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/Inhabitants/Inhabitants.h"
#include "Marrowmere/Scoring/Scoring.h"
#include "Marrowmere/Tutorial/Tutorial.h"
#include "tests/Marrowmere/GamePlay/GameFixture.h"
#include "tests/Support/SoundRecording/SoundRecordingLibrary.h"

#include <string>
#include <vector>

namespace {

// The board row by row ("F>" a flyer facing right, "g" grass, "t" a tree, "." empty, "~" a
// flood), then the score and the picks.
std::string Board()
{
    std::string text;
    for (int lot = 0; lot < 25; ++lot) {
        const int row = lot / 5, column = lot % 5;
        const bool occupied = Inhabitants::IsOccupied(row, column);
        text += lot == 0 ? "" : column == 0 ? " / " : " ";
        text += occupied ? "FSGCgt"[Inhabitants::Object(row, column)] : '.';
        const bool directional = occupied && Inhabitants::IsDirectional(row, column);
        text += directional ? std::string(1, "^v<>"[Inhabitants::Direction(row, column)]) : "";
        text += Inhabitants::IsFlooded(row, column) ? "~" : "";
    }
    return text + " score=" + std::to_string(Scoring::Score()) + " picks=" + std::to_string(ItemQueue::PickCount());
}

// The tutorial through the real game loop, sounds muted, on a resource back end that records
// the sounds asked for (it replaces the fixture's, so every block reads as missing).
class TutorialGameTest : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        Resource::Initialize(sounds);
        Sound::SetMuting(true);
        Tutorial::Activate();
    }
    void TearDown() override
    {
        GamePlay::SetPumpObserver(nullptr);
        Tutorial::Deactivate();
        Sound::SetMuting(false);
        GameFixture::TearDown();
    }

    SoundRecordingLibrary* sounds = new SoundRecordingLibrary; // owned by Resource once installed
};

TEST_F(TutorialGameTest, PlaysItsWholeScriptWithTheBoardInStepWithTheNarration)
{
    // The board once each move has been resolved, by the number of moves played.
    std::vector<std::string> boardAfterMove(1);
    const long stuckAfter = 60L * 60 * 30; // clock readings, one a pump: half an hour
    GamePlay::SetPumpObserver([&] {
        if (Inhabitants::IsResolved() && Scoring::Statistics().totalTurnsCount == int(boardAfterMove.size())) {
            boardAfterMove.push_back(Board());
        }
        if (readings > stuckAfter) {
            GameState::SetState(GameState::quitting);
        }
    });
    // The narrations come each once, in order.
    std::vector<int> movesBeforeNarration;
    sounds->onSoundReleased = [&](ResourceID id) {
        if (id >= SoundIDs::TutorialNarrationStart() && id < SoundIDs::TutorialNarrationStart() + Tutorial::narrationCount) {
            EXPECT_EQ(id, SoundIDs::TutorialNarrationStart() + int(movesBeforeNarration.size()));
            movesBeforeNarration.push_back(Scoring::Statistics().totalTurnsCount);
        }
    };
    GamePlay::NewGame();

    // It ends with its own last click, on the game-over screen.
    EXPECT_LE(readings, stuckAfter) << "the tutorial got stuck";
    EXPECT_EQ(GameState::State(), GameState::gameOver);
    EXPECT_EQ(sounds->LookupCount(SoundIDs::No()), 0) << "a scripted click was refused";
    ASSERT_EQ(boardAfterMove.size(), 30u) << "29 moves";
    // Each narration while the board shows the move it speaks about; the numbers count the
    // moves played before it.
    EXPECT_EQ(movesBeforeNarration, (std::vector<int>{0, 0, 0, 0, 0, 0, 0, 0, 1, 1, 1, 1, 2, 3, 3, 4,
                                                      5, 6, 6, 6, 7, 8, 9, 10, 10, 12, 13, 13, 13, 13, 14, 14,
                                                      14, 15, 17, 18, 20, 23, 24, 24, 24, 25, 26, 27, 27, 27, 28, 29}));

    // After the death item on the bottom-left flyer (move 2), the cloud on the top-left grazer
    // (3), the reverser on the new flyer (4), the clockwise turner on the top-right cannibal
    // (5) and the counterclockwise turner on the bottom-right swimmer (6).
    const std::string middle = " / . . Fv . . / . C> . S< . / . . G^ . . / ";
    EXPECT_EQ(boardAfterMove[2], "Gv . F> . Cv" + middle + "g . . . S^ score=100 picks=1");
    EXPECT_EQ(boardAfterMove[3], ".~ . F> . Cv" + middle + "g . . . S^ score=150 picks=1");
    EXPECT_EQ(boardAfterMove[4], ".~ . F< . Cv" + middle + "g . . . S^ score=200 picks=1");
    EXPECT_EQ(boardAfterMove[5], ".~ . F< . C<" + middle + "g . . . S^ score=250 picks=1");
    EXPECT_EQ(boardAfterMove[6], ".~ . F< . C<" + middle + "g . . . S< score=300 picks=1");
    // The complete chain of move 13 (100 + 300 + 700 + 3000 points) earns a pick, which move 14
    // spends in the pick dialog on a reverser for the grazer at the top right.
    const std::string chained = " / . . . . . / . . S< . . / . . . . . / g . C< . . ";
    EXPECT_EQ(boardAfterMove[13], ".~ . F< . G^" + chained + "score=5550 picks=2");
    EXPECT_EQ(boardAfterMove[14], ".~ . F< . Gv" + chained + "score=5600 picks=1");
    // The end: the last cannibal eaten; grass and a tree from starvation, the flood gone.
    EXPECT_EQ(boardAfterMove[29], ". . g F< . / Fv G^ . . Gv / . . S<~ . . / . . . . . / t Sv Gv . . "
                                  "score=6950 picks=1");
}

TEST_F(TutorialGameTest, AKeyEndsItAtOnceWithoutAPause)
{
    // The key comes in the first pump, with the cursor hidden by the script's first step.
    PushKey(SDL_SCANCODE_X);
    GamePlay::NewGame();
    EXPECT_EQ(GameState::State(), GameState::gameOver);
    EXPECT_FALSE(GamePlay::IsGameInProgress());
    EXPECT_EQ(Tutorial::Pointer(), nullptr);
    EXPECT_EQ(HotSpot::LiveHotSpotCount(), 0u);
    EXPECT_TRUE(SpriteCursorAction::IsTrackingEnabled());
    // The switch stays on: the main window then ends the tutorial instead of looking for a high
    // score or showing statistics.
    EXPECT_TRUE(Tutorial::IsActive());
}

} // namespace
