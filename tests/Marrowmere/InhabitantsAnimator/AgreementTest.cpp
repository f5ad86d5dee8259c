// The animated resolution of a turn must leave the board, the score, the statistics and the
// queue exactly where the turn driver (the rules played on the models alone) leaves them.

#include "Core/GameState/GameState.h"
#include "Core/Math/RandomGenerator.h"
#include "Marrowmere/InhabitantsAnimator/InhabitantsAnimator.h"
#include "Marrowmere/ItemQueueAnimator/ItemQueueAnimator.h"
#include "tests/Marrowmere/InhabitantsAnimator/AnimatedBoard.h"
#include "tests/Support/TurnDriver/TurnDriver.h"

#include <gtest/gtest.h>

#include <optional>
#include <random>

namespace {

struct Item {
    ItemQueue::ItemType item;
    ObjectType animal;
    DirectionType direction;
};

struct Turn {
    std::optional<Item> replacedItem;  // the item made current before the move, if any
    TurnDriver::Move move;
    std::string gameAfter;
};

constexpr int maximumTurns = 120;

// A whole game on the turn driver from the seed, its moves (and now and then an item of
// their own) chosen by a generator apart from the game's, so that both plays draw the same
// items from the game's generator.
std::vector<Turn> PlayReferenceGame(std::uint32_t seed)
{
    std::mt19937 chooser(seed);
    TurnDriver::NewGame(seed);
    std::vector<Turn> turns;
    while (!TurnDriver::HasGameEnded() && static_cast<int>(turns.size()) < maximumTurns) {
        Turn turn{};
        if (chooser() % 5 == 0) {
            turn.replacedItem = Item{static_cast<ItemQueue::ItemType>(chooser() % 6),
                                     static_cast<ObjectType>(chooser() % 4),
                                     static_cast<DirectionType>(chooser() % 4)};
            ItemQueue::SetCurrentItem(turn.replacedItem->item, turn.replacedItem->animal,
                                      turn.replacedItem->direction);
        }
        TurnDriver::Move moves[25];
        const int moveCount = TurnDriver::LegalMoves(moves);
        if (moveCount == 0) {
            ADD_FAILURE() << "no legal move in a game that goes on";
            break;
        }
        turn.move = moves[chooser() % moveCount];
        TurnDriver::PlayMove(turn.move.row, turn.move.column);
        turn.gameAfter = DescribeGame();
        turns.push_back(turn);
    }
    return turns;
}

// Plays the same game on the animated board, clicking the lots, and compares every turn.
void PlayAnimatedGame(std::uint32_t seed, const std::vector<Turn>& turns, int frameCount)
{
    AnimatedBoard board(frameCount);
    RandomGenerator::Seed(seed);
    board.SetUp();
    for (std::size_t index = 0; index < turns.size(); ++index) {
        const Turn& turn = turns[index];
        SCOPED_TRACE("seed " + std::to_string(seed) + ", turn " + std::to_string(index + 1));
        if (turn.replacedItem) {
            ItemQueueAnimator::AnimateSetCurrentItem(turn.replacedItem->item, turn.replacedItem->animal,
                                                     turn.replacedItem->direction);
            board.Pump();
        }
        AnimatedBoard::ClickLot(turn.move.row, turn.move.column);
        ASSERT_FALSE(Inhabitants::IsResolved());
        ASSERT_TRUE(board.PumpUntilResolved());
        ASSERT_FALSE(InhabitantsAnimator::IsAnimating());
        ASSERT_EQ(DescribeGame(), turn.gameAfter);
        ASSERT_EQ(ScreenObjectsMismatch(), "");
    }
    // The driver stops at the end of the game, and the game-over screen comes exactly then.
    const bool ended = Inhabitants::IsGameOver();
    EXPECT_EQ(GameState::State() == GameState::endingGame, ended);
}

class AnimatedResolution : public ::testing::TestWithParam<int> {};

TEST_P(AnimatedResolution, AgreesWithTheTurnDriverTurnByTurn)
{
    // Animations that play for a while, and animations without frames (missing pictures).
    const int frameCount = GetParam();
    for (std::uint32_t seed = 1; seed <= (frameCount > 0 ? 60u : 12u); ++seed) {
        const std::vector<Turn> turns = PlayReferenceGame(seed);
        PlayAnimatedGame(seed, turns, frameCount);
        if (HasFatalFailure()) {
            return;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(FrameCounts, AnimatedResolution, ::testing::Values(2, 0));

} // namespace
