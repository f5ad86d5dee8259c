#include "Core/Math/Math.h"
#include "Marrowmere/Scoring/Scoring.h"
#include "tests/Support/TurnDriver/TurnDriver.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Sanitizer builds run the same games, only fewer of them.
#if defined(__SANITIZE_ADDRESS__)
constexpr int gameCount = 300;
#else
constexpr int gameCount = 4000;
#endif
// A safety net: a game that never ends would be a fault of its own.
constexpr int maximumTurnsPerGame = 5000;

// Describes the first broken board invariant, or returns an empty text.
std::string BrokenBoardInvariant()
{
    using Board = TurnDriver;
    for (int row = 0; row < Board::RowCount(); ++row) {
        for (int column = 0; column < Board::ColumnCount(); ++column) {
            const auto problem = [row, column](const std::string& what) {
                return "lot " + std::to_string(row) + "," + std::to_string(column) + ": " + what;
            };
            const bool isOccupied = Board::IsOccupied(row, column);
            const ObjectType object = Board::Object(row, column);
            if (Board::IsFlooded(row, column)) {
                if (isOccupied && object != swimmer && object != tree) {
                    return problem("flooded with something that cannot live in water");
                }
                const int floodTime = Board::FloodTimeRemaining(row, column);
                if (floodTime < 1 || floodTime > 25) {
                    return problem("flood time " + std::to_string(floodTime));
                }
            }
            if (!isOccupied || object == tree) {
                if (Board::IsTimed(row, column)) {
                    return problem("empty lot or tree is timed");
                }
                continue;
            }
            if (object > tree) {
                return problem("unknown object");
            }
            if (!Board::IsTimed(row, column)) {
                return problem("animal or grass is untimed");
            }
            const int starvationTime = Board::StarvationTimeRemaining(row, column);
            if (starvationTime < 1 || starvationTime > 25) {
                return problem("starvation time " + std::to_string(starvationTime));
            }
            if (Board::IsDirectional(row, column) != Board::IsAnAnimal(object)) {
                return problem("only animals face a direction");
            }
            if (Board::EatingsCount(row, column) < 0 || Board::ScoringInformationOf(row, column).value < 50) {
                return problem("scoring record out of range");
            }
        }
    }
    return {};
}

// Plays one random game with random legal items and occasional picks, checking after every
// turn; returns the first problem found, or an empty text.
std::string PlayCheckedGame(std::uint32_t seed)
{
    TurnDriver::NewGame(seed);
    long long sumOfTurnScores = 0;
    int turnsPlayed = 0;
    int picksUsed = 0;
    int completeChains = 0;
    while (!TurnDriver::HasGameEnded()) {
        const std::string where = "seed " + std::to_string(seed) + " turn " + std::to_string(turnsPlayed + 1) + ": ";
        if (turnsPlayed >= maximumTurnsPerGame) {
            return where + "the game does not end";
        }
        if (ItemQueue::PickCount() > 0 && RandomNumber() < 0.1) {
            const auto item = static_cast<ItemQueue::ItemType>(RandomNumber(0, 5));
            const auto animal = static_cast<ObjectType>(RandomNumber(0, 3));
            const auto direction = static_cast<DirectionType>(RandomNumber(0, 3));
            if (!TurnDriver::UsePick(item, animal, direction)) {
                return where + "a pick was refused";
            }
            ++picksUsed;
        }
        TurnDriver::Move move{};
        if (!TurnDriver::ChooseRandomLegalMove(move)) {
            return where + "no legal move while the game goes on";
        }
        const auto result = TurnDriver::PlayMove(move.row, move.column);
        if (!result.wasPlayed) {
            return where + "a legal move was refused";
        }
        ++turnsPlayed;
        sumOfTurnScores += result.turnScore;
        completeChains += result.completeChainsCount;

        if (std::string problem = BrokenBoardInvariant(); !problem.empty()) {
            return where + problem;
        }
        if (Scoring::Score() != sumOfTurnScores) {
            return where + "score is not the sum of the turn scores";
        }
        if (result.isGameOver != Inhabitants::IsGameOver() || TurnDriver::HasGameEnded() != result.isGameOver) {
            return where + "the game's end disagrees with the board";
        }
        if (ItemQueue::IsAnyItemAvailable() == result.isGameOver || !Inhabitants::IsResolved()) {
            return where + "an item is offered after the end, or none before it, or the board is unresolved";
        }
        if (ItemQueue::PickCount() != 1 + completeChains - picksUsed) {
            return where + "pick count disagrees with chains earned and picks used";
        }
    }
    return {};
}

TEST(TurnSoak, RandomGamesKeepEveryInvariant)
{
    long long totalTurns = 0;
    for (int game = 0; game < gameCount; ++game) {
        const std::string problem = PlayCheckedGame(static_cast<std::uint32_t>(game) * 2654435761u + 1u);
        ASSERT_TRUE(problem.empty()) << problem;
        totalTurns += Scoring::Statistics().totalTurnsCount;
    }
    // The games must actually be played, not end at once.
    EXPECT_GT(totalTurns, gameCount * 5LL);
}

}  // namespace
