#include "Core/Sprites/Sprite.h"
#include "tests/Marrowmere/GamePlay/GameFixture.h"
#include "tools/GameDriver/GameDriver.h"

#include <algorithm>
#include <vector>

namespace {

// Never finishes; tells when it is destroyed.
struct SentinelAction : SequencedAction {
    explicit SentinelAction(bool& destroyed) : destroyed(destroyed) {}
    ~SentinelAction() override { destroyed = true; }
    void operator()() override {}
    bool& destroyed;
};

class PauseAndResume : public GameFixture {
protected:
    // A flyer facing up on the first free lot, while moves are left.
    std::optional<GameDriver::Move> NextMove()
    {
        for (int lot = 0; lot < 25 && movesLeft > 0; ++lot) {
            GameDriver::Move move;
            move.row = lot / 5, move.column = lot % 5;
            if (GameDriver::IsLegal(move)) return --movesLeft, move;
        }
        return std::nullopt;
    }

    int movesLeft = 2;
    std::vector<GameDriver::Event> events;
};

TEST_F(PauseAndResume, AKeyPausesAndResumingGoesOnWhereTheGameStopped)
{
    std::vector<double> eventTimes;
    GameDriver driver(*display, [this] { return NextMove(); }, [&](GameDriver::Event event) {
        events.push_back(event);
        eventTimes.push_back(Timer::PausableTime());
        if (events.size() == 2) {
            PushKey(SDL_SCANCODE_ESCAPE);
        }
    });
    driver.PlayGame();

    ASSERT_EQ(GameState::State(), GameState::paused);
    EXPECT_TRUE(GamePlay::IsGameInProgress());
    EXPECT_TRUE(Timer::IsPaused());
    EXPECT_GE(systemCursorShowCount, 0);
    EXPECT_EQ(display->FadeLevel(), 0.0);
    EXPECT_GT(Sprite::LiveSpriteCount(), 0u);
    const double pausedAt = Timer::PausableTime();
    for (int reading = 0; reading < 600; ++reading) Timer::Time();
    EXPECT_EQ(Timer::PausableTime(), pausedAt) << "ten seconds pass while paused";

    display->ForgetCalls();
    GamePlay::ResumeGame();
    // The paused game's script went on: the second move, then no moves left ends the game.
    ASSERT_EQ(events, (std::vector<GameDriver::Event>{GameDriver::Event::start, GameDriver::Event::moved,
                                                       GameDriver::Event::moved}));
    EXPECT_LT(eventTimes.back() - pausedAt, 2.0) << "the ten seconds of the pause are not seen";
    EXPECT_EQ(GameState::State(), GameState::gameOver);
    // The fade-in ran again from black.
    const std::vector<double>& levels = display->FadeLevels();
    ASSERT_FALSE(levels.empty());
    EXPECT_EQ(levels.front(), 0.0);
    EXPECT_NE(std::find(levels.begin(), levels.end(), 1.0), levels.end());
}

TEST_F(PauseAndResume, FocusLossPausesAndANewGameTakesThePausedOneDownFirst)
{
    bool oldGameActionDestroyed = false;
    std::size_t spritesOfAFreshGame = 0;
    GameDriver driver(*display, [this] { return NextMove(); }, [&](GameDriver::Event) {
        spritesOfAFreshGame = Sprite::LiveSpriteCount();
        SequencedAction::StartNewSequence();
        new SentinelAction(oldGameActionDestroyed);
        PushFocusLoss();
    });
    driver.PlayGame();
    ASSERT_EQ(GameState::State(), GameState::paused);
    EXPECT_EQ(shell.deactivations, 1);
    EXPECT_FALSE(oldGameActionDestroyed);

    std::size_t spritesOfTheNewGame = 0;
    bool destroyedBeforeTheNewGame = false;
    GameState::SetState(GameState::startingNewGame);
    GameDriver newDriver(*display, [] { return std::nullopt; }, [&](GameDriver::Event) {
        spritesOfTheNewGame = Sprite::LiveSpriteCount();
        destroyedBeforeTheNewGame = oldGameActionDestroyed;
    });
    newDriver.PlayGame();
    EXPECT_TRUE(destroyedBeforeTheNewGame);
    EXPECT_EQ(spritesOfTheNewGame, spritesOfAFreshGame);
}

} // namespace
