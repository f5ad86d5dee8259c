// Seeded random games played through the turn driver on one core: how many whole turns
// (item change, eating phases, starvation, floods, bookkeeping, next item) resolve per second.

#include "Marrowmere/Scoring/Scoring.h"
#include "tests/Support/TurnDriver/TurnDriver.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <ctime>
#include <iterator>

namespace {

constexpr double goalTurnsPerSecond = 1000000.0;

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
RunFigures PlayFor(double minimumSeconds)
{
    using Clock = std::chrono::steady_clock;
    RunFigures figures{0, 0, 0, 0.0, 0.0};
    std::uint32_t seed = 1;
    const auto start = Clock::now();
    const double cpuStart = ThreadCpuSeconds();
    TurnDriver::NewGame(seed);
    ++figures.games;
    for (;;) {
        for (int batch = 0; batch < 4096; ++batch) {
            if (TurnDriver::HasGameEnded()) {
                TurnDriver::NewGame(++seed);
                ++figures.games;
            }
            TurnDriver::Move move{};
            if (!TurnDriver::ChooseRandomLegalMove(move)) {
                std::fprintf(stderr, "no legal move in a running game (seed %u)\n", seed);
                return figures;
            }
            const auto result = TurnDriver::PlayMove(move.row, move.column);
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
    PlayFor(0.2);  // warm-up
    double turnsPerSecond[roundCount];
    for (int round = 0; round < roundCount; ++round) {
        const RunFigures figures = PlayFor(0.6);
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
