#pragma once

#include "Core/Point/Point2D.h"
#include "Marrowmere/Inhabitants/InhabitantTypes.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"

#include <deque>
#include <functional>
#include <optional>
#include <string>

class MemoryDisplayScreen8Bit;

// Plays the real game by script: moves become pointer positions and button events pushed into
// SDL's event queue, exactly as a player's clicks arrive, and the game loop runs its ordinary
// pumps (unpaced, on whatever clock Timer has). The script takes one step after each pump, as
// the loop's pump observer, so what it pushes is read by the next pump. It stays the observer
// while the game is paused (a resumed game carries on with it) and until the driver goes. The
// display must be the memory back end, whose pointer the driver moves.
//
// Used by game_replay and by the end-to-end tests.
class GameDriver {
public:
    struct Move {
        ItemQueue::ItemType item = ItemQueue::animal;
        ObjectType animal = flyer;
        DirectionType direction = up;
        int row = 0;
        int column = 0;
        // Chosen through the pick button and the pick dialog instead of made current directly.
        bool throughPick = false;
    };

    enum class Event {
        start,     // the game is set up, before the first move
        moved,     // a move has been played and the board has resolved it
        refused,   // the move could not be made; nothing changed
        gameOver,  // the game-over screen has landed (after the last `moved`)
    };

    // Gives the next move, or nothing to end the game.
    using MoveSource = std::function<std::optional<Move>()>;
    // Hears every event inside the pump in which it happens, with the game fully set up, so it
    // may look at the board, the score, the sprites and the hot spots.
    using Listener = std::function<void(Event)>;

    GameDriver(MemoryDisplayScreen8Bit& display, MoveSource moveSource, Listener listener);
    ~GameDriver();
    GameDriver(const GameDriver&) = delete;
    GameDriver& operator=(const GameDriver&) = delete;

    // A new game through GamePlay::NewGame, played until the moves run out or the game is over;
    // a game over is dismissed with a key. Returns once the game has been taken down. With the
    // tutorial switch on, no moves are asked for: the tutorial plays and the listener hears
    // `start` and a `moved` after each of its turns.
    void PlayGame();

    // Parses "ITEM ANIMAL DIRECTION ROW COLUMN [P]"; nothing for anything else.
    static std::optional<Move> ParseMove(const std::string& line);
    // "score=S turn=T best=B chains=C picks=P over=0|1 | LOTS" for the game as it stands; over
    // while the game-over screen is up.
    static std::string DescribeGame();
    // The 25 lots row by row, separated by spaces.
    static std::string DescribeLots();

    // Whether the board lets the move's item be used on its lot now.
    static bool IsLegal(const Move& move);

    // The number of pumps so far; the clock of game_replay advances a sixtieth per pump.
    long PumpCount() const { return pumpCount; }

private:
    // One script step, called once per pump until it reports that it is done.
    using Step = std::function<bool()>;
    class TutorialWatchAction;

    void Pump();
    void Then(Step step) { steps.push_back(std::move(step)); }
    void ScheduleNextMove();
    void ScheduleMove(const Move& move);
    // A press at the point in one pump, the release in the next.
    void ScheduleClickAt(Point2D point);
    void SchedulePickedMove(const Move& move);
    void ScheduleLotClick(const Move& move, bool restoreItemOnRefusal);
    void ScheduleTurnEnd();
    void ScheduleKeyToEndGame();
    void WatchTutorial();
    // Reports the refusal and goes on with the next move, dropping the rest of this one.
    void Refuse();

    MemoryDisplayScreen8Bit& display;
    MoveSource moveSource;
    Listener listener;
    std::deque<Step> steps;
    long pumpCount = 0;
    int reportedTurns = 0;
    bool hasStarted = false;
    // The item before a move made its own current, put back when the lot refuses the move.
    Move previousItem;
    int turnsBeforeClick = 0;

    // The driver whose script the game loop runs.
    static GameDriver* observing;
};
