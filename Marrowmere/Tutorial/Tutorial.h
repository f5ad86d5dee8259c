#pragma once

// Whether the game being started or played is the self-playing tutorial rather than a game
// of the player's. The game loop, the input dispatch, the item queue and the main window
// behave differently while it is on. Off when the program starts.
class Tutorial {
public:
    static void Activate();
    static void Deactivate();
    static bool IsActive();

private:
    static bool isActive;
};
