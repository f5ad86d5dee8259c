// Plays seeded random games on the animated board, clicking the lots as a player does, beside
// the plain reference board. Each turn a generator apart from the game's chooses the move (and
// now and then a pick); after it the two must agree on the legal moves, every lot, the score,
// the statistics, the picks and the end of the game, and every lot's screen objects must
// match it. The item draws themselves are pinned by the item queue's own tests.

#include "Core/GameState/GameState.h"
#include "tests/Support/AnimatedBoard/AnimatedBoard.h"
#include "tests/Support/AnimatedBoard/ReferenceBoard.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>

namespace {

// Plays one seeded game on both; returns the first difference, or an empty text.
std::string PlayAlongside(AnimatedBoard& board, std::uint32_t seed, ReferenceBoard::Coverage& coverage)
{
    std::mt19937 chooser(seed);
    board.NewGame(seed);
    ReferenceBoard reference(coverage);
    if (std::string difference = reference.DifferenceFromGame(); !difference.empty()) {
        return "seed " + std::to_string(seed) + " at the start: " + difference;
    }
    for (int turn = 1; !reference.IsOver(); ++turn) {
        const std::string where = "seed " + std::to_string(seed) + " turn " + std::to_string(turn) + ": ";
        if (turn > 5000) {
            return where + "the game does not end";
        }
        // Now and then a pick replaces the item, as a player may choose any item with one.
        if (reference.Picks() > 0 && chooser() % 5 == 0) {
            const auto item = static_cast<ItemQueue::ItemType>(chooser() % 6);
            const auto animal = static_cast<ObjectType>(chooser() % 4);
            const auto direction = static_cast<DirectionType>(chooser() % 4);
            if (!board.UsePick(item, animal, direction)) {
                return where + "a pick was refused";
            }
            reference.UsePick();
        }
        const ItemQueue::ItemType item = ItemQueue::CurrentItem();
        const std::vector<AnimatedBoard::Move> moves = AnimatedBoard::LegalMoves();
        Inhabitants::LotSet legal = 0;
        for (const AnimatedBoard::Move& move : moves) {
            legal |= Inhabitants::LotSet{1} << Inhabitants::LotIndex(move.row, move.column);
        }
        if (legal != reference.LegalLots(item) || moves.empty()) {
            return where + "legal moves differ";
        }
        const AnimatedBoard::Move move = moves[chooser() % moves.size()];
        reference.Play(item, ItemQueue::CurrentAnimal(), ItemQueue::CurrentDirection(), move.row, move.column);
        const AnimatedBoard::TurnResult result = board.PlayMove(move.row, move.column);
        if (!result.wasPlayed) {
            return where + "a legal move was refused";
        }
        if (std::string difference = reference.DifferenceFromGame(); !difference.empty()) {
            return where + difference;
        }
        // The game-over screen comes exactly at the end of the game.
        if (result.isGameOver != reference.IsOver()) {
            return where + "the game-over screen differs";
        }
        if (InhabitantsAnimator::IsAnimating()) {
            return where + "an animation outlasts the turn";
        }
        if (std::string mismatch = ScreenObjectsMismatch(); !mismatch.empty()) {
            return where + "screen objects differ: " + mismatch;
        }
    }
    return {};
}

#if defined(__SANITIZE_ADDRESS__)
constexpr std::uint32_t gameCount = 60;
#else
constexpr std::uint32_t gameCount = 600;
#endif

TEST(ReferenceResolution, SeededGamesOnTheAnimatedBoardMatchThePlainResolutionTurnByTurn)
{
    ReferenceBoard::Coverage coverage;
    for (std::uint32_t game = 0; game < gameCount; ++game) {
        // Mostly animations without frames (missing pictures); every tenth game's play for a while.
        AnimatedBoard board(game % 10 == 0 ? 2 : 0);
        const std::string difference = PlayAlongside(board, game * 40503u + 7u, coverage);
        ASSERT_TRUE(difference.empty()) << difference;
    }
    // The games must have reached every kind of event that the resolution handles.
    EXPECT_GT(coverage.turns, gameCount * 5LL);
    // Eatings that only a death by starvation or an evaporation made possible that same turn.
    for (long long eatings : coverage.eatingsAfter) {
        EXPECT_GT(eatings, 0);
    }
    EXPECT_GT(coverage.cannibalsEaten, 0);
    EXPECT_GT(coverage.flyersEatingFromAfar, 0);
    EXPECT_GT(coverage.starvations, 0);
    EXPECT_GT(coverage.evaporations, 0);
    EXPECT_GT(coverage.drownings, 0);
    EXPECT_GT(coverage.chains, 0);
}

}  // namespace
