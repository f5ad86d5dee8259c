#pragma once

#include "Core/UserInput/UserInputPlatformSpecifics.h"

union SDL_Event;

// The game's input on SDL2's event queue. Each call takes events off the queue until it has
// acted on one that the game uses, or the queue is empty; every other event is dropped on the
// way, so the pointer's motion events (hundreds a second) never hold back a click while the
// loop runs at the display's rate. The events the game uses:
// - a key down (without Alt, which belongs to the window manager's shortcuts), with the
//   character of its pending text event, 0 without one;
// - the left button down and up;
// - the window losing the focus: the application's deactivation;
// - Print Screen released: a screen shot (pressing it is not a key of the game's).
class SdlDispatchUserInputAction : public UserInputPlatformSpecifics {
public:
    // Opens SDL's event queue (shared with the display; SDL counts the openings).
    SdlDispatchUserInputAction();
    ~SdlDispatchUserInputAction() override;
    SdlDispatchUserInputAction(const SdlDispatchUserInputAction&) = delete;
    SdlDispatchUserInputAction& operator=(const SdlDispatchUserInputAction&) = delete;

    void HandleUpdateEvent() override;
    void HandleHighLevelEvent() override {}
    void CheckAndProcessEvent(UserInputEvents* events) override;
    char GetKeyDownChar() override { return lastChar; }

private:
    static bool OpenQueue();
    // Acts on one event; false when the game does not use it.
    bool Process(const SDL_Event& event, UserInputEvents& events);
    // Takes the key's pending text event off the queue, if any, and keeps its character.
    void TakePendingCharacter();

    char lastChar = 0;
    bool isQueueOpen = false;
};
