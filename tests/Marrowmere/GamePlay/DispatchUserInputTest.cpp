#include "Core/HotSpots/HotSpotShapes.h"
#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Marrowmere/DispatchUserInputAction/DispatchUserInputAction.h"
#include "Marrowmere/EasterEggs/EasterEggs.h"
#include "Marrowmere/Tutorial/Tutorial.h"
#include "tests/Marrowmere/GamePlay/GameFixture.h"

#include <string>

// What whole games do not show of the input dispatch (they play clicks, a pausing key, a key
// on the game-over screen and a focus loss); here it runs alone, pumped by hand.
namespace {

std::string selections;

class LoggingHotSpot : public RectangleHotSpot {
public:
    explicit LoggingHotSpot(int left) : RectangleHotSpot(5, {left, left + 10, 0, 10}) {}
    void HandleUserBeginsSelection() override { selections += "begin "; }
    void HandleUserEndsSelection() override { selections += "end "; }
    void HandleUserAbortsSelection() override { selections += "abort "; }
};

class DispatchUserInput : public GameFixture {
protected:
    void SetUp() override
    {
        GameFixture::SetUp();
        selections.clear();
        GameState::SetState(GameState::playing);
        SequencedAction::StartNewSequence();
        new DispatchUserInputAction;
        SpriteCursorAction::ChangePosition({5, 5});
    }
    void TearDown() override
    {
        SequencedAction::RemoveAllActions();
        GameFixture::TearDown();
    }
    static void Pump() { SequencedAction::HandleNextActions(Timer::PausableTime()); }
    static void Push(Uint32 type, Uint8 button = SDL_BUTTON_LEFT)
    {
        SDL_Event event{};
        event.type = type;
        event.button.button = button;
        SDL_PushEvent(&event);
    }
};

TEST_F(DispatchUserInput, OneUsedEventPerPumpMissedReleasesAndTheTutorial)
{
    LoggingHotSpot hotSpot(0);
    LoggingHotSpot other(20);
    Push(SDL_MOUSEMOTION);
    Push(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT);
    PushKey(SDL_SCANCODE_A, SDL_KEYUP);
    Push(SDL_MOUSEBUTTONDOWN);
    Push(SDL_MOUSEBUTTONDOWN);
    Pump();
    EXPECT_EQ(selections, "begin ") << "what the game does not use is dropped on the way";
    // The second press: the release was missed, so the first selection ends (aborted, by position) first.
    SpriteCursorAction::ChangePosition({25, 5});
    Pump();
    EXPECT_EQ(selections, "begin abort begin ");
    Tutorial::Activate();
    Push(SDL_MOUSEBUTTONUP);
    Push(SDL_MOUSEBUTTONDOWN);
    Pump();
    Pump();
    EXPECT_EQ(selections, "begin abort begin ") << "the tutorial plays the hot spots itself";
}

TEST_F(DispatchUserInput, CharactersGoToTheSecretWordsDesktopKeysDoNotPause)
{
    static bool modeSwitched = false;
    EasterEggs::AddEgg("ab", [] { modeSwitched = true; }, EasterEggs::persistent);
    PushCharacter('a');
    PushCharacter('B');
    Pump();
    Pump();
    EXPECT_TRUE(modeSwitched);
    // Alt with a key, and Print Screen going down, belong to the desktop; its release during
    // play is a screen shot for the shell, not on the game-over screen.
    SDL_Event altTab{};
    altTab.type = SDL_KEYDOWN;
    altTab.key.keysym.mod = KMOD_LALT;
    SDL_PushEvent(&altTab);
    PushKey(SDL_SCANCODE_PRINTSCREEN);
    PushKey(SDL_SCANCODE_PRINTSCREEN, SDL_KEYUP);
    Pump();
    EXPECT_EQ(shell.captures, 1);
    GameState::SetState(GameState::endingGame);
    PushKey(SDL_SCANCODE_PRINTSCREEN, SDL_KEYUP);
    Pump();
    EXPECT_EQ(shell.captures, 1);
    EXPECT_EQ(GameState::State(), GameState::endingGame);
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

} // namespace
