#pragma once

#include "Core/SequencedActions/SequencedAction.h"

#include <functional>
#include <memory>

class BackgroundHotSpot;
class Sound;

// Sets a game up, runs the game loop and takes the game down. The loop pumps the action
// scheduler with the pausable clock while the state is `playing` or `endingGame`; every
// animation, sound cue, input event and frame happens inside its pumps. It paces itself by the
// display's present, which waits for the display's refresh (or, where the display cannot, for
// the next sixtieth of a second), so it never spins a core; a display that does not wait (the
// memory back end of tests) lets it pump unpaced. A loop that ends with the state `paused`
// leaves the game set up for ResumeGame; one that ends with `gameOver` takes it down.
// One game per process: every member is static.
class GamePlay {
public:
    static void Initialize() {}
    static void Finalize();

    static bool IsGameInProgress() { return isGameInProgress; }
    // Takes a game in progress down first; returns when the loop ends.
    static void NewGame();
    // Runs the loop again on the paused game, with pausable time continuing where it stopped.
    // Without a game in progress there is nothing to resume: the state becomes `idle`.
    static void ResumeGame();
    static void SetBackgroundMusicActivityState(bool isActive) { isBackgroundMusicActive = isActive; }
    static bool IsBackgroundMusicActive() { return isBackgroundMusicActive; }

    // Called after every pump of the loop, for programs that drive the game by script (the
    // replay tool, tests) or measure it; empty by default.
    static void SetPumpObserver(std::function<void()> observer) { pumpObserver = std::move(observer); }

    static constexpr double fadeDuration = 1.0 / 3.0;
    static constexpr int cursorRenderingOrderPosition = 16;

private:
    static void SetUp();
    static void TakeDown();
    static void SetUpSequencedActions();
    static void PlayGame();
    // The fade-in, and the music start behind it, in a sequence of their own.
    static void StartFadeIn();
    // A loop that ends before the fade-in has run out leaves it unfinished: it goes, with the
    // music start behind it, so a resumed game neither fades twice nor starts a deleted sound.
    static void CancelFadeIn();
    static void DrawBackgroundOnce();

    class FadeInFinishedAction;

    static bool isGameInProgress;
    static bool isBackgroundMusicActive;
    static bool isBackgroundDrawn;
    static BackgroundHotSpot* backgroundHotSpot;
    static std::unique_ptr<Sound> backgroundMusic;
    static SequencedAction::SequencedActionHandler* fadeInSequence;
    static std::function<void()> pumpObserver;
};
