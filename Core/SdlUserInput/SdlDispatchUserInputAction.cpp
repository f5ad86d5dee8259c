#include "Core/SdlUserInput/SdlDispatchUserInputAction.h"

#include "Core/DisplayScreen/DisplayScreen8Bit.h"

#include <SDL.h>

#include <cstdlib>
#include <iostream>

SdlDispatchUserInputAction::SdlDispatchUserInputAction() : isQueueOpen(OpenQueue())
{
    if (!isQueueOpen) {
        std::cerr << "Marrowmere: SDL's event queue could not be opened; the game takes no input (" << SDL_GetError()
                  << ")\n";
    }
    // Key presses come with their characters only while text input is on.
    if (isQueueOpen && SDL_IsTextInputActive() == SDL_FALSE) {
        SDL_StartTextInput();
    }
}

bool SdlDispatchUserInputAction::OpenQueue()
{
    // SDL would turn an interrupt or a termination request into a quit event, which the game
    // drops during play: the program must stay stoppable by signals.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    return SDL_InitSubSystem(SDL_INIT_EVENTS) == 0;
}

SdlDispatchUserInputAction::~SdlDispatchUserInputAction()
{
    if (isQueueOpen) {
        SDL_QuitSubSystem(SDL_INIT_EVENTS);
    }
}

void SdlDispatchUserInputAction::HandleUpdateEvent()
{
    DisplayScreen8Bit::InvalidateUnderlayBuffer();
}

void SdlDispatchUserInputAction::CheckAndProcessEvent(UserInputEvents* events)
{
    lastChar = 0;
    if (events == nullptr) {
        std::cerr << "Marrowmere: input dispatched to nobody\n";
        std::abort();
    }
    if (!isQueueOpen) {
        return;
    }
    // Read straight off the queue: SDL_PollEvent would stop at the marker it leaves behind
    // each time it is called and so hold back the events that arrive after it by one pump.
    SDL_PumpEvents();
    SDL_Event event;
    while (SDL_PeepEvents(&event, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) == 1) {
        if (Process(event, *events)) {
            return;
        }
    }
}

bool SdlDispatchUserInputAction::Process(const SDL_Event& event, UserInputEvents& events)
{
    switch (event.type) {
    case SDL_KEYDOWN:
        if ((event.key.keysym.mod & KMOD_ALT) != 0 || event.key.keysym.sym == SDLK_LALT ||
            event.key.keysym.sym == SDLK_RALT || event.key.keysym.scancode == SDL_SCANCODE_PRINTSCREEN) {
            return false;
        }
        TakePendingCharacter();
        events.HandleKeyDownEvent();
        return true;
    case SDL_KEYUP:
        if (event.key.keysym.scancode != SDL_SCANCODE_PRINTSCREEN) {
            return false;
        }
        events.HandleScreenCaptureEvent();
        return true;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (event.button.button != SDL_BUTTON_LEFT) {
            return false;
        }
        if (event.type == SDL_MOUSEBUTTONDOWN) {
            events.HandleMouseDownEvent();
        } else {
            events.HandleMouseUpEvent();
        }
        return true;
    case SDL_WINDOWEVENT:
        if (event.window.event != SDL_WINDOWEVENT_FOCUS_LOST) {
            return false;
        }
        events.HandleDeactivationEvent();
        return true;
    default:
        return false;
    }
}

void SdlDispatchUserInputAction::TakePendingCharacter()
{
    SDL_Event text;
    if (SDL_PeepEvents(&text, 1, SDL_GETEVENT, SDL_TEXTINPUT, SDL_TEXTINPUT) != 1) {
        return;
    }
    // The text is UTF-8; a character beyond one byte (Latin-1) has no char and counts as none.
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.text.text);
    if (bytes[0] < 0x80) {
        lastChar = static_cast<char>(bytes[0]);
    } else if ((bytes[0] & 0xE0) == 0xC0 && (bytes[0] & 0x1F) <= 0x03 && (bytes[1] & 0xC0) == 0x80) {
        lastChar = static_cast<char>(((bytes[0] & 0x03) << 6) | (bytes[1] & 0x3F));
    }
}
