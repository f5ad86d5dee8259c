#include "Marrowmere/DispatchUserInputAction/DispatchUserInputAction.h"

#include "Core/GameState/GameState.h"
#include "Core/HotSpots/HotSpot.h"
#include "Core/SdlUserInput/SdlDispatchUserInputAction.h"
#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Core/SystemCursor/SystemCursor.h"
#include "Core/Timer/Timer.h"
#include "Marrowmere/EasterEggs/EasterEggs.h"
#include "Marrowmere/GameShell/GameShellInterface.h"
#include "Marrowmere/Tutorial/Tutorial.h"

bool DispatchUserInputAction::isMultitaskingActive = true;

DispatchUserInputAction::DispatchUserInputAction()
    : DispatchUserInputAction(std::make_unique<SdlDispatchUserInputAction>())
{
}

DispatchUserInputAction::DispatchUserInputAction(std::unique_ptr<PlatformSpecifics> platformSpecifics)
    : platformSpecificsInstance(std::move(platformSpecifics))
{
}

DispatchUserInputAction::~DispatchUserInputAction() = default;

void DispatchUserInputAction::operator()()
{
    // Hit testing follows the drawn pointer, which the tutorial moves by itself.
    currentCursorPosition = SpriteCursorAction::Position();
    HotSpot::DispatchUserMovement(currentCursorPosition);
    platformSpecificsInstance->CheckAndProcessEvent(this);
}

void DispatchUserInputAction::HandleMouseDownEvent()
{
    if (Tutorial::IsActive()) {
        return;
    }
    if (mouseButtonState == down) {
        // The release happened where we could not see it: end that selection first.
        HotSpot::DispatchUserEndsSelection(currentCursorPosition);
    }
    HotSpot::DispatchUserBeginsSelection(currentCursorPosition);
    mouseButtonState = down;
}

void DispatchUserInputAction::HandleMouseUpEvent()
{
    if (Tutorial::IsActive()) {
        return;
    }
    HotSpot::DispatchUserEndsSelection(currentCursorPosition);
    mouseButtonState = up;
}

void DispatchUserInputAction::HandleKeyDownEvent()
{
    bool isEasterEggCharacter = false;
    EasterEggs::CheckInputCharacter(platformSpecificsInstance->GetKeyDownChar(), isEasterEggCharacter);
    if (isEasterEggCharacter) {
        return;
    }
    GameState::SetState(GameState::State() == GameState::endingGame ? GameState::gameOver : GameState::paused);
}

void DispatchUserInputAction::HandleDeactivationEvent()
{
    const GameState::StateType state = GameState::State();
    if (Tutorial::IsActive() || (state != GameState::startingNewGame && state != GameState::playing)) {
        return;
    }
    GameState::SetState(GameState::paused);
    SystemCursor::Show();
    Timer::Pause();
    GameShellInterface::Instance().HandleDeactivationDuringPlay();
}

void DispatchUserInputAction::HandleScreenCaptureEvent()
{
    if (GameState::State() == GameState::playing) {
        GameShellInterface::Instance().CaptureScreen();
    }
}

double DispatchUserInputAction::MaximumDoubleSelectTime()
{
    // A fixed interval, as desktops use for double clicks; the time since start-up would make
    // any two selections minutes apart a double selection.
    return 0.5;
}
