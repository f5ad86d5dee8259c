#pragma once

// The split between the game's input dispatcher and the platform's input queue. During play
// the dispatcher is the only reader of the queue: once per pump it asks the platform back end
// to take at most one event off it, and the back end turns the event into one call on the
// receiver below. Everything the game does not use is taken off the queue and dropped.
class UserInputEvents {
public:
    virtual ~UserInputEvents() = default;
    // The selection (left) button went down or up, in the window or on its frame.
    virtual void HandleMouseDownEvent() = 0;
    virtual void HandleMouseUpEvent() = 0;
    // A key went down; its character is the back end's GetKeyDownChar(), 0 for none.
    virtual void HandleKeyDownEvent() = 0;
    // The application lost the focus.
    virtual void HandleDeactivationEvent() = 0;
    // The player asked for a screen shot (Print Screen).
    virtual void HandleScreenCaptureEvent() = 0;
};

class UserInputPlatformSpecifics {
public:
    virtual ~UserInputPlatformSpecifics() = default;
    // The window needs redrawing: the display screen's underlay is marked invalid.
    virtual void HandleUpdateEvent() = 0;
    // A platform event of no interest to the game.
    virtual void HandleHighLevelEvent() = 0;
    // Takes at most one event off the queue and acts on it through `events`.
    virtual void CheckAndProcessEvent(UserInputEvents* events) = 0;
    // The character of the key press being handled; 0 for a key without one.
    virtual char GetKeyDownChar() = 0;
};
