#include "Core/HotSpots/HotSpotShapes.h"
#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Marrowmere/DispatchUserInputAction/DispatchUserInputAction.h"
#include "Marrowmere/EasterEggs/EasterEggs.h"
#include "Marrowmere/Tutorial/Tutorial.h"
#include "tests/Marrowmere/GamePlay/GameFixture.h"

#include <cstring>
#include <string>

namespace {

// A rectangle that writes the selection calls it hears.
class LoggingHotSpot : public RectangleHotSpot {
public:
    LoggingHotSpot(std::string& log, int left) : RectangleHotSpot(5, {left, left + 10, 0, 10}), log(log) {}
    void HandleUserBeginsSelection() override { log += "begin "; }
    void HandleUserEndsSelection() override { log += "end "; }
    void HandleUserAbortsSelection() override { log += "abort "; }

private:
    std::string& log;
};

// The input dispatch alone, in a sequence of its own, pumped by hand on SDL's event queue.
class DispatchUserInput : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        GameState::SetState(GameState::playing);
        SequencedAction::StartNewSequence();
        dispatch = new DispatchUserInputAction;
        SpriteCursorAction::ChangePosition({5, 5});
    }
    void TearDown() override
    {
        SequencedAction::RemoveAllActions();
        Tutorial::Deactivate();
        EasterEggs::RemoveAllEggs();
        GameFixture::TearDown();
    }

    void Pump() { SequencedAction::HandleNextActions(Timer::PausableTime()); }

    static void PushButton(Uint32 type, Uint8 button = SDL_BUTTON_LEFT)
    {
        SDL_Event event{};
        event.type = type;
        event.button.button = button;
        SDL_PushEvent(&event);
    }
    static void PushText(const char* text)
    {
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        std::strncpy(event.text.text, text, sizeof event.text.text - 1);
        SDL_PushEvent(&event);
    }

    DispatchUserInputAction* dispatch = nullptr;  // owned by its sequence
    std::string log;
};

TEST_F(DispatchUserInput, OneUsedEventPerPumpWhatTheGameDoesNotUseIsDropped)
{
    LoggingHotSpot hotSpot(log, 0);
    SDL_Event motion{};
    motion.type = SDL_MOUSEMOTION;
    SDL_PushEvent(&motion);
    PushButton(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
    PushKey(SDL_SCANCODE_A, SDL_KEYUP);
    PushButton(SDL_MOUSEBUTTONDOWN);
    PushButton(SDL_MOUSEBUTTONUP);
    Pump();
    EXPECT_EQ(log, "begin ");
    EXPECT_EQ(dispatch->MouseButtonState(), DispatchUserInputAction::down);
    Pump();
    EXPECT_EQ(log, "begin end ");
    EXPECT_EQ(dispatch->MouseButtonState(), DispatchUserInputAction::up);
    Pump();
    EXPECT_EQ(log, "begin end ");
    EXPECT_EQ(GameState::State(), GameState::playing);

    // A press whose release was missed is ended (here aborted, by position) before the next.
    LoggingHotSpot other(log, 20);
    PushButton(SDL_MOUSEBUTTONDOWN);
    Pump();
    SpriteCursorAction::ChangePosition({25, 5});
    PushButton(SDL_MOUSEBUTTONDOWN);
    Pump();
    EXPECT_EQ(log, "begin end begin abort begin ");
}

TEST_F(DispatchUserInput, MouseEventsDoNothingWhileTheTutorialPlays)
{
    LoggingHotSpot hotSpot(log, 0);
    Tutorial::Activate();
    PushButton(SDL_MOUSEBUTTONDOWN);
    PushButton(SDL_MOUSEBUTTONUP);
    Pump();
    Pump();
    EXPECT_EQ(log, "");
    EXPECT_EQ(dispatch->MouseButtonState(), DispatchUserInputAction::up);
}

TEST_F(DispatchUserInput, KeysGoToTheSecretWordsOrPauseOrEndTheGameOverScreen)
{
    static bool modeSwitched = false;
    EasterEggs::AddEgg("ab", [] { modeSwitched = true; }, EasterEggs::persistent);
    // A key with its character, taken by the secret word: no pause.
    PushKey(SDL_SCANCODE_A);
    PushText("a");
    PushKey(SDL_SCANCODE_B);
    PushText("B");
    Pump();
    Pump();
    EXPECT_TRUE(modeSwitched);
    EXPECT_EQ(GameState::State(), GameState::playing);
    // Alt with a key, and Print Screen going down, belong to the desktop.
    SDL_Event altTab{};
    altTab.type = SDL_KEYDOWN;
    altTab.key.keysym.scancode = SDL_SCANCODE_TAB;
    altTab.key.keysym.mod = KMOD_LALT;
    SDL_PushEvent(&altTab);
    PushKey(SDL_SCANCODE_PRINTSCREEN);
    Pump();
    EXPECT_EQ(GameState::State(), GameState::playing);
    // A key without a character (0) is no letter of a word: it pauses.
    PushKey(SDL_SCANCODE_LEFT);
    Pump();
    EXPECT_EQ(GameState::State(), GameState::paused);
    // On the game-over screen any key ends the game.
    GameState::SetState(GameState::endingGame);
    PushKey(SDL_SCANCODE_X);
    PushText("x");
    Pump();
    EXPECT_EQ(GameState::State(), GameState::gameOver);
}

TEST_F(DispatchUserInput, FocusLossPausesOnlyAGameThatIsPlaying)
{
    struct Case {
        GameState::StateType state;
        bool tutorial;
        bool pauses;
    };
    for (const Case& c : {Case{GameState::playing, false, true}, Case{GameState::startingNewGame, false, true},
                          Case{GameState::playing, true, false}, Case{GameState::endingGame, false, false},
                          Case{GameState::idle, false, false}}) {
        SCOPED_TRACE(static_cast<int>(c.state) * 2 + c.tutorial);
        Timer::Resume();
        SystemCursor::Hide();
        shell.deactivations = 0;
        GameState::SetState(c.state);
        c.tutorial ? Tutorial::Activate() : Tutorial::Deactivate();
        PushFocusLoss();
        Pump();
        EXPECT_EQ(GameState::State(), c.pauses ? GameState::paused : c.state);
        EXPECT_EQ(Timer::IsPaused(), c.pauses);
        EXPECT_EQ(systemCursorShowCount >= 0, c.pauses);
        EXPECT_EQ(shell.deactivations, c.pauses ? 1 : 0);
    }
}

TEST_F(DispatchUserInput, PrintScreenDuringPlayGoesToTheShellsCapture)
{
    PushKey(SDL_SCANCODE_PRINTSCREEN, SDL_KEYUP);
    Pump();
    EXPECT_EQ(shell.captures, 1);
    GameState::SetState(GameState::endingGame);
    PushKey(SDL_SCANCODE_PRINTSCREEN, SDL_KEYUP);
    Pump();
    EXPECT_EQ(shell.captures, 1);
}

} // namespace
