#pragma once

#include <cstdint>

// What the program is doing with respect to a game. The game loop, the input dispatch, the
// board's resolution and the window shell set it and poll it; nobody is notified of a change.
class GameState {
public:
    enum StateType : std::uint8_t {
        idle,             // no game running; the menu screen is up
        startingNewGame,  // a new game (or the tutorial) has been requested
        playing,          // the game loop is running
        endingGame,       // the game-over screen is shown; the loop still runs
        gameOver,         // the game has ended and must be taken down
        pausing,          // not used
        paused,           // a game is suspended and can be resumed
        resuming,         // resuming has been requested
        quitting,         // exit has been requested
    };

    static StateType State() { return state; }
    static void SetState(StateType newState) { state = newState; }

private:
    static StateType state;
};
