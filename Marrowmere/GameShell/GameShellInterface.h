#pragma once

// What the game tells the window shell while a game runs. The game loop owns the thread during
// play, so the few things the window must still do happen through these calls, made from
// inside the loop. The shell installs its implementation once at start-up; without one (tests,
// developer programs) the calls do nothing.
class GameShellInterface {
public:
    virtual ~GameShellInterface() = default;

    // The application lost the focus during play and the game has just been paused (state
    // `paused`, system pointer shown, clock stopped); the loop ends after the current pump.
    // The shell puts its window into the menu state and, once the loop has returned, runs its
    // own handling of the deactivation.
    virtual void HandleDeactivationDuringPlay() = 0;

    // Print Screen during play: the shell copies the game screen to the clipboard (the picture
    // and colours from DisplayScreen8Bit's platform instance: GetScreenData, GetRGBQUADData).
    virtual void CaptureScreen() = 0;

    // Installs the shell (not owned; null removes it).
    static void Install(GameShellInterface* shell);
    // The installed shell, or one that does nothing.
    static GameShellInterface& Instance();
};
