// Seeded random games played on the animated board on one core, each turn a click on a lot
// and the scheduler pumped until the turn is resolved, with animations of no frames: how many
// whole turns (item change, eating phases, starvation, floods, bookkeeping, next item) the
// game's own resolution plays per second when no animation holds it up.

#include "Core/GameState/GameState.h"
#include "tests/Support/AnimatedBoard/AnimatedBoard.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <iterator>
#include <random>

namespace {

// A tenth of a millisecond of processor time per turn at most: a small share of one frame.
constexpr double goalTurnsPerSecond = 10000.0;

struct RunFigures {
    long long turns;
    long long games;
    long long eatings;
    double seconds;     // wall-clock time
    double cpuSeconds;  // processor time of this thread: fair on a machine shared with other work
};

double ThreadCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return now.tv_sec + now.tv_nsec * 1e-9;
}

// Plays random legal moves, starting a new seeded game whenever one ends, for at least the
// given time.
RunFigures PlayFor(AnimatedBoard& board, double minimumSeconds)
{
    using Clock = std::chrono::steady_clock;
    RunFigures figures{0, 0, 0, 0.0, 0.0};
    std::uint32_t seed = 1;
    const auto start = Clock::now();
    const double cpuStart = ThreadCpuSeconds();
    std::mt19937 chooser(seed);
    board.NewGame(seed);
    ++figures.games;
    for (;;) {
        for (int batch = 0; batch < 256; ++batch) {
            if (GameState::State() == GameState::endingGame) {
                board.NewGame(++seed);
                ++figures.games;
            }
            const std::vector<AnimatedBoard::Move> moves = AnimatedBoard::LegalMoves();
            if (moves.empty()) {
                std::fprintf(stderr, "no legal move in a running game (seed %u)\n", seed);
                return figures;
            }
            const AnimatedBoard::Move move = moves[chooser() % moves.size()];
            const AnimatedBoard::TurnResult result = board.PlayMove(move.row, move.column);
            if (!result.wasPlayed) {
                std::fprintf(stderr, "a legal move was refused (seed %u)\n", seed);
                return figures;
            }
            figures.eatings += result.eatingsCount;
            ++figures.turns;
        }
        figures.seconds = std::chrono::duration<double>(Clock::now() - start).count();
        figures.cpuSeconds = ThreadCpuSeconds() - cpuStart;
        if (figures.seconds >= minimumSeconds) {
            return figures;
        }
    }
}

}  // namespace

int main()
{
    // The machine may be shared: several rounds, judged by their median.
    constexpr int roundCount = 5;
    AnimatedBoard board(0);
    PlayFor(board, 0.2);  // warm-up
    double turnsPerSecond[roundCount];
    for (int round = 0; round < roundCount; ++round) {
        const RunFigures figures = PlayFor(board, 0.6);
        turnsPerSecond[round] = figures.turns / figures.cpuSeconds;
        std::printf("round %d: %lld turns in %lld games (%lld eatings) in %.3f s of processor time "
                    "(%.3f s wall clock): %.0f turns per processor second\n",
                    round + 1, figures.turns, figures.games, figures.eatings, figures.cpuSeconds, figures.seconds,
                    turnsPerSecond[round]);
    }
    std::sort(std::begin(turnsPerSecond), std::end(turnsPerSecond));
    const double median = turnsPerSecond[roundCount / 2];
    std::printf("turns per processor second (median of %d rounds): %.0f   goal: at least %.0f   ratio: %.2f   %s\n",
                roundCount, median, goalTurnsPerSecond, median / goalTurnsPerSecond,
                median >= goalTurnsPerSecond ? "met" : "NOT met");
    std::printf("mean time per turn: %.1f ns\n", 1e9 / median);
    return 0;
}
