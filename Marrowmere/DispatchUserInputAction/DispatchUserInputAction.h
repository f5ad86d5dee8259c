#pragma once

#include "Core/Point/Point2D.h"
#include "Core/SequencedActions/SequencedAction.h"
#include "Core/UserInput/UserInputPlatformSpecifics.h"

#include <memory>

// Reads the player's input once per pump for the whole game: it feeds the drawn pointer's
// position to the hot spots and has the platform back end take at most one event off the
// input queue. A press and a release of the selection button become selection dispatches (not
// while the tutorial plays itself), a key is offered to the secret words and otherwise pauses
// the game (or, on the game-over screen, ends it), the application's deactivation during play
// pauses the game, and Print Screen during play goes to the window shell's screen capture.
// The game's set-up makes it the only action of its own sequence; it never finishes.
class DispatchUserInputAction : public SequencedAction, private UserInputEvents {
public:
    using PlatformSpecifics = UserInputPlatformSpecifics;
    enum MouseButtonStateType { up = 0, down = 1 };

    // On SDL2's event queue.
    DispatchUserInputAction();
    // On the given back end (owned).
    explicit DispatchUserInputAction(std::unique_ptr<PlatformSpecifics> platformSpecifics);
    ~DispatchUserInputAction() override;

    void operator()() override;

    void HandleMouseDownEvent() override;
    void HandleMouseUpEvent() override;
    void HandleKeyDownEvent() override;
    void HandleDeactivationEvent() override;
    void HandleScreenCaptureEvent() override;

    MouseButtonStateType MouseButtonState() const { return mouseButtonState; }

    // Two selections of one thing closer together than this (seconds) are a double selection.
    static double MaximumDoubleSelectTime();
    // The stored preference; nothing in the dispatch depends on it.
    static void SetMultitaskingActivityState(bool isActive) { isMultitaskingActive = isActive; }
    static bool IsMultitaskingActive() { return isMultitaskingActive; }

private:
    MouseButtonStateType mouseButtonState = up;
    Point2D currentCursorPosition;
    std::unique_ptr<PlatformSpecifics> platformSpecificsInstance;

    static bool isMultitaskingActive;
};
