#include "tools/GameDriver/GameDriver.h"

#include "Core/DisplayScreen/MemoryDisplayScreen8Bit.h"
#include "Core/GameState/GameState.h"
#include "Core/SequencedActions/SequencedAction.h"
#include "Marrowmere/GameOverAction/GameOverAction.h"
#include "Marrowmere/GamePlay/GamePlay.h"
#include "Marrowmere/Inhabitants/Inhabitants.h"
#include "Marrowmere/ItemQueueAnimator/ItemQueueAnimator.h"
#include "Marrowmere/LandLotHotSpot/LandLotHotSpot.h"
#include "Marrowmere/Locations/Locations.h"
#include "Marrowmere/PickDialogBox/PickDialogBox.h"
#include "Marrowmere/Scoring/Scoring.h"
#include "Marrowmere/Tutorial/Tutorial.h"

#include <SDL.h>

#include <sstream>

namespace {

void PushEvent(SDL_Event event)
{
    SDL_PushEvent(&event);
}

void PushButton(bool isDown, Point2D point)
{
    SDL_Event event{};
    event.type = isDown ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
    event.button.button = SDL_BUTTON_LEFT;
    event.button.state = isDown ? SDL_PRESSED : SDL_RELEASED;
    event.button.clicks = 1;
    event.button.x = point.x;
    event.button.y = point.y;
    PushEvent(event);
}

bool IsReadyForMove()
{
    return Inhabitants::IsResolved() && ItemQueue::IsAnyItemAvailable() && !PickDialogBox::IsOpen();
}

} // namespace

// Watches the tutorial's turns from a sequence older than the tutorial's script, so that it
// sees each resolved board before the script's next click can start the next turn in the
// same pump.
class GameDriver::TutorialWatchAction : public SequencedAction {
public:
    explicit TutorialWatchAction(GameDriver& driver) : driver(driver) {}
    void operator()() override { driver.WatchTutorial(); }

private:
    GameDriver& driver;
};

GameDriver::GameDriver(MemoryDisplayScreen8Bit& display, MoveSource moveSource, Listener listener)
    : display(display), moveSource(std::move(moveSource)), listener(std::move(listener))
{
}

GameDriver* GameDriver::observing = nullptr;

GameDriver::~GameDriver()
{
    if (observing == this) {
        GamePlay::SetPumpObserver(nullptr);
        observing = nullptr;
    }
}

void GameDriver::PlayGame()
{
    steps.clear();
    hasStarted = false;
    observing = this;
    GamePlay::SetPumpObserver([this] { Pump(); });
    if (Tutorial::IsActive()) {
        // Made before the game so that it runs first in every pump; a game in progress would
        // be taken down, this action with it, so it goes first.
        GamePlay::Finalize();
        SequencedAction::StartNewSequence();
        new TutorialWatchAction(*this);
    } else {
        Then([this] {
            if (!IsReadyForMove()) {
                return false;
            }
            listener(Event::start);
            ScheduleNextMove();
            return true;
        });
    }
    GamePlay::NewGame();
}

void GameDriver::Pump()
{
    ++pumpCount;
    if (steps.empty()) {
        return;
    }
    // Taken out before it runs, so that a step may drop the steps that follow it.
    Step step = std::move(steps.front());
    steps.pop_front();
    if (!step()) {
        steps.push_front(std::move(step));
    }
}

void GameDriver::WatchTutorial()
{
    // A turn counts when it is played; without pictures it may resolve in the pump that
    // started it, so the count, not a change of the resolved flag, tells that a turn was made.
    const int turns = Scoring::Statistics().totalTurnsCount;
    if (!hasStarted) {
        hasStarted = true;
        reportedTurns = turns;
        listener(Event::start);
    } else if (Inhabitants::IsResolved() && turns != reportedTurns) {
        reportedTurns = turns;
        listener(Event::moved);
    }
}

void GameDriver::ScheduleNextMove()
{
    const std::optional<Move> move = moveSource();
    if (!move) {
        Then([] {
            GameState::SetState(GameState::gameOver);
            return true;
        });
        return;
    }
    Then([] { return IsReadyForMove(); });
    if (move->throughPick) {
        SchedulePickedMove(*move);
        return;
    }
    Then([this, move = *move] {
        previousItem.item = ItemQueue::CurrentItem();
        previousItem.animal = ItemQueue::CurrentAnimal();
        previousItem.direction = ItemQueue::CurrentDirection();
        ItemQueueAnimator::AnimateSetCurrentItem(move.item, move.animal, move.direction);
        return true;
    });
    ScheduleLotClick(*move, true);
}

void GameDriver::SchedulePickedMove(const Move& move)
{
    // A pick is spent when the dialog's Use is clicked: a move the lot would refuse is refused
    // before, so that nothing changes.
    Then([this, move] {
        if (ItemQueue::PickCount() <= 0 || !IsLegal(move)) {
            Refuse();
        }
        return true;
    });
    ScheduleClickAt(Locations::PickButtonHotSpotCenter());
    Then([this] {
        if (!PickDialogBox::IsOpen()) {
            Refuse();
        }
        return true;
    });
    ScheduleClickAt(Locations::PickDialogBoxItemHotSpotCenter(move.item, move.animal, move.direction));
    ScheduleClickAt(Locations::PickDialogBoxUseButtonHotSpotCenter());
    Then([this, move] {
        if (PickDialogBox::IsOpen()) {
            PickDialogBox::Cancel();
            Refuse();
            return true;
        }
        return ItemQueue::IsAnyItemAvailable() && ItemQueue::CurrentItem() == move.item;
    });
    ScheduleLotClick(move, false);
}

void GameDriver::ScheduleLotClick(const Move& move, bool restoreItemOnRefusal)
{
    Then([this] {
        turnsBeforeClick = Scoring::Statistics().totalTurnsCount;
        return true;
    });
    ScheduleClickAt(Locations::LandLotHotSpotCenter(move.row, move.column));
    Then([this, restoreItemOnRefusal] {
        // An accepted move takes the item and counts a turn; a refused one leaves both as they were.
        if (IsReadyForMove() && Scoring::Statistics().totalTurnsCount == turnsBeforeClick) {
            if (restoreItemOnRefusal) {
                ItemQueueAnimator::AnimateSetCurrentItem(previousItem.item, previousItem.animal,
                                                         previousItem.direction);
            }
            Refuse();
            return true;
        }
        ScheduleTurnEnd();
        return true;
    });
}

void GameDriver::ScheduleTurnEnd()
{
    Then([this] {
        const bool isOver = GameState::State() == GameState::endingGame;
        if (!Inhabitants::IsResolved() || !(ItemQueue::IsAnyItemAvailable() || isOver)) {
            return false;
        }
        listener(Event::moved);
        if (isOver) {
            ScheduleKeyToEndGame();
        } else {
            ScheduleNextMove();
        }
        return true;
    });
}

void GameDriver::ScheduleKeyToEndGame()
{
    Then([this] {
        const GameOverAction* gameOver = GameOverAction::Instance();
        if (gameOver == nullptr || !gameOver->HasCompleted()) {
            return false;
        }
        listener(Event::gameOver);
        SDL_Event key{};
        key.type = SDL_KEYDOWN;
        key.key.state = SDL_PRESSED;
        key.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
        key.key.keysym.sym = SDLK_ESCAPE;
        PushEvent(key);
        return true;
    });
}

void GameDriver::ScheduleClickAt(Point2D point)
{
    Then([this, point] {
        display.SetCursorPosition(point);
        PushButton(true, point);
        return true;
    });
    Then([point] {
        PushButton(false, point);
        return true;
    });
}

void GameDriver::Refuse()
{
    steps.clear();
    listener(Event::refused);
    ScheduleNextMove();
}

bool GameDriver::IsLegal(const Move& move)
{
    return LandLotHotSpot::CanItemBeUsed(move.item, move.row, move.column);
}

std::optional<GameDriver::Move> GameDriver::ParseMove(const std::string& line)
{
    std::istringstream fields(line);
    int item = -1;
    int animal = -1;
    int direction = -1;
    Move move;
    if (!(fields >> item >> animal >> direction >> move.row >> move.column)) {
        return std::nullopt;
    }
    std::string pick;
    if (fields >> pick) {
        if (pick != "P") {
            return std::nullopt;
        }
        move.throughPick = true;
    }
    std::string rest;
    const auto within = [](int value, int last) { return value >= 0 && value <= last; };
    if ((fields >> rest) || !within(item, ItemQueue::cloud) || !within(animal, cannibal) || !within(direction, right) ||
        !Inhabitants::IsValidPosition(move.row, move.column)) {
        return std::nullopt;
    }
    move.item = static_cast<ItemQueue::ItemType>(item);
    move.animal = static_cast<ObjectType>(animal);
    move.direction = static_cast<DirectionType>(direction);
    return move;
}

std::string GameDriver::DescribeGame()
{
    const bool isOver = GameState::State() == GameState::endingGame || GameState::State() == GameState::gameOver;
    const Scoring::StatisticsType statistics = Scoring::Statistics();
    std::ostringstream text;
    text << "score=" << Scoring::Score() << " turn=" << statistics.currentTurnScore
         << " best=" << statistics.bestTurnScore << " chains=" << statistics.completeChainsCount
         << " picks=" << ItemQueue::PickCount() << " over=" << (isOver ? 1 : 0) << " | " << DescribeLots();
    return text.str();
}

std::string GameDriver::DescribeLots()
{
    std::ostringstream text;
    for (int row = 0; row < Inhabitants::rowCount; ++row) {
        for (int column = 0; column < Inhabitants::columnCount; ++column) {
            if (row + column > 0) {
                text << ' ';
            }
            if (!Inhabitants::IsOccupied(row, column)) {
                text << '.';
            } else {
                text << static_cast<int>(Inhabitants::Object(row, column));
                if (Inhabitants::IsDirectional(row, column)) {
                    text << static_cast<int>(Inhabitants::Direction(row, column));
                } else {
                    text << '-';
                }
                if (Inhabitants::IsTimed(row, column)) {
                    text << Inhabitants::StarvationTimeRemaining(row, column);
                }
            }
            if (Inhabitants::IsFlooded(row, column)) {
                text << '~' << Inhabitants::FloodTimeRemaining(row, column);
            }
        }
    }
    return text.str();
}
