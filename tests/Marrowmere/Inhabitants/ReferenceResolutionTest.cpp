// Plays seeded random games through the turn driver beside a plain reference resolution kept
// here: its own board, every rule written out straightforwardly (full row-major scans, every
// eating phase run). Each turn the driver draws the item and the move; after it the two must
// agree on the legal moves, every lot, the score, the statistics, the picks and the end of the
// game, so any shortcut taken by the board or the driver that changes a game is caught where it
// first shows. The item draws themselves are pinned by the item queue's own tests.

#include "Marrowmere/Scoring/Scoring.h"
#include "tests/Support/TurnDriver/TurnDriver.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

constexpr int size = 5;

struct Record {
    int value = 50;
    int eatings = 0;
    ObjectType lastEaten = flyer;
    int links[4] = {0, 0, 0, 0};  // cannibal ate flyer, flyer ate swimmer, swimmer ate grazer, grazer ate cannibal
    int chains = 0;
};

struct Lot {
    bool occupied = false;
    ObjectType object = flyer;
    DirectionType direction = up;
    bool timed = false;
    int starvation = 0;
    bool flooded = false;
    int flood = 0;
    Record record;
};

// What the reference counts over a run, to show that the games reached every kind of event.
struct Coverage {
    long long turns = 0, starvations = 0, evaporations = 0, chains = 0, drownings = 0;
    long long eatingsAfter[3] = {0, 0, 0};  // in the phase after the item, the starvation, the floods
    long long cannibalsEaten = 0, flyersEatingFromAfar = 0;
};

class ReferenceGame {
public:
    ReferenceGame()
    {
        for (const auto& placement : Inhabitants::startingPlacements) {
            Place(placement.animal, placement.direction, placement.row, placement.column);
        }
    }

    std::vector<TurnDriver::Move> LegalMoves(ItemQueue::ItemType item) const
    {
        std::vector<TurnDriver::Move> moves;
        ForEveryLot([&](int row, int column) {
            const Lot& lot = lots[row][column];
            if (item == ItemQueue::animal ? !lot.occupied
                : item == ItemQueue::cloud ? true
                                           : lot.occupied && lot.object <= cannibal) {
                moves.push_back({row, column});
            }
        });
        return moves;
    }

    // One whole turn in the logical order of the rules; returns the turn's score.
    int Play(ItemQueue::ItemType item, ObjectType animal, DirectionType direction, int row, int column,
             Coverage& coverage)
    {
        ++coverage.turns;
        turnScore = 0;
        AddScore(50);
        ++statistics.totalTurnsCount;
        Lot& lot = lots[row][column];
        switch (item) {
        case ItemQueue::animal:
            coverage.drownings += lot.flooded && animal != swimmer;
            Place(animal, direction, row, column);
            break;
        case ItemQueue::reverser: lot.direction = static_cast<DirectionType>(lot.direction ^ 1); break;
        case ItemQueue::clockwiseTurner: lot.direction = clockwise[lot.direction]; break;
        case ItemQueue::counterclockwiseTurner: lot.direction = counterclockwise[lot.direction]; break;
        case ItemQueue::death: Kill(row, column); break;
        case ItemQueue::cloud:
            if (lot.occupied && lot.object != swimmer && lot.object != tree) {
                lot.occupied = false;
                lot.timed = false;
            }
            lot.flooded = true;
            lot.flood = 25;
            break;
        }
        ForEveryLot([&](int r, int c) {
            if (lots[r][c].occupied) {
                lots[r][c].record = Record{.lastEaten = lots[r][c].record.lastEaten};
            }
        });
        EatingPhase(coverage.eatingsAfter[0], coverage);

        ForEveryLot([&](int r, int c) {
            Lot& each = lots[r][c];
            if (each.occupied && each.timed && each.record.eatings == 0 && --each.starvation == 0) {
                Kill(r, c);
                ++coverage.starvations;
            }
        });
        EatingPhase(coverage.eatingsAfter[1], coverage);

        ForEveryLot([&](int r, int c) {
            if (lots[r][c].flooded && --lots[r][c].flood == 0) {
                lots[r][c].flooded = false;
                ++coverage.evaporations;
            }
        });
        EatingPhase(coverage.eatingsAfter[2], coverage);

        statistics.bestTurnScore = std::max(statistics.bestTurnScore, turnScore);
        ForEveryLot([&](int r, int c) {
            const int eatings = lots[r][c].record.eatings;
            if (!lots[r][c].occupied || eatings == 0) {
                return;
            }
            statistics.totalEatingsCount += eatings;
            int* const byLength[] = {&statistics.singleEatingsCount, &statistics.twoChainEatingsCount,
                                     &statistics.threeChainEatingsCount, &statistics.fourChainEatingsCount,
                                     &statistics.fivePlusChainEatingsCount};
            ++*byLength[std::min(eatings, 5) - 1];
            statistics.longestChainCount = std::max(statistics.longestChainCount, eatings);
        });
        isOver = IsBoardOver();
        return turnScore;
    }

    // Describes the first difference from the driver's game, or returns an empty text.
    std::string Difference(const TurnDriver::TurnResult& result, int turnScoreHere) const
    {
        using Board = TurnDriver;
        for (int row = 0; row < size; ++row) {
            for (int column = 0; column < size; ++column) {
                const Lot& lot = lots[row][column];
                const std::string where = "lot " + std::to_string(row) + "," + std::to_string(column) + ": ";
                if (Board::IsOccupied(row, column) != lot.occupied || Board::IsFlooded(row, column) != lot.flooded ||
                    (lot.flooded && Board::FloodTimeRemaining(row, column) != lot.flood)) {
                    return where + "occupancy or flood differs";
                }
                if (!lot.occupied) {
                    continue;
                }
                if (Board::Object(row, column) != lot.object || Board::IsTimed(row, column) != lot.timed ||
                    (lot.timed && Board::StarvationTimeRemaining(row, column) != lot.starvation)) {
                    return where + "occupant or starvation time differs";
                }
                if (lot.object <= cannibal && Board::Direction(row, column) != lot.direction) {
                    return where + "direction differs";
                }
                const auto& record = Board::ScoringInformationOf(row, column);
                if (record.value != lot.record.value || record.eatingsCount != lot.record.eatings ||
                    record.flyersEatenByCannibalsCount != lot.record.links[0] ||
                    record.swimmersEatenByFlyersCount != lot.record.links[1] ||
                    record.grazersEatenBySwimmersCount != lot.record.links[2] ||
                    record.cannibalsEatenByGrazersCount != lot.record.links[3] ||
                    record.completeChainsCount != lot.record.chains ||
                    (lot.record.eatings > 0 && record.objectLastEaten != lot.record.lastEaten)) {
                    return where + "scoring record differs";
                }
            }
        }
        if (result.turnScore != turnScoreHere || Scoring::Score() != score) {
            return "score differs";
        }
        // The statistics are eleven ints; the reference does not follow the running turn score.
        const auto theirs = Scoring::Statistics();
        auto ours = statistics;
        ours.currentTurnScore = theirs.currentTurnScore;
        if (std::memcmp(&theirs, &ours, sizeof ours) != 0) {
            return "statistics differ";
        }
        if (ItemQueue::PickCount() != picks) {
            return "pick count differs";
        }
        if (result.isGameOver != isOver || TurnDriver::HasGameEnded() != isOver ||
            Inhabitants::IsGameOver() != isOver) {
            return "end of game differs";
        }
        if (!Inhabitants::IsResolved()) {
            return "the board is left unresolved";
        }
        return {};
    }

    bool IsOver() const { return isOver; }
    int Picks() const { return picks; }

    void UsePick() { --picks; }

private:
    static constexpr DirectionType clockwise[4] = {right, left, up, down};
    static constexpr DirectionType counterclockwise[4] = {left, right, down, up};
    static constexpr int rowStep[4] = {-1, 1, 0, 0};
    static constexpr int columnStep[4] = {0, 0, -1, 1};

    template <typename Visit>
    static void ForEveryLot(Visit visit)
    {
        for (int row = 0; row < size; ++row) {
            for (int column = 0; column < size; ++column) {
                visit(row, column);
            }
        }
    }

    // Over unless all four animals live and some lot is free.
    bool IsBoardOver() const
    {
        bool isAnyLotFree = false;
        bool lives[4] = {false, false, false, false};
        ForEveryLot([&](int r, int c) {
            isAnyLotFree = isAnyLotFree || !lots[r][c].occupied;
            if (lots[r][c].occupied && lots[r][c].object <= cannibal) {
                lives[lots[r][c].object] = true;
            }
        });
        return !(isAnyLotFree && lives[flyer] && lives[swimmer] && lives[grazer] && lives[cannibal]);
    }

    static bool IsOnBoard(int row, int column) { return row >= 0 && row < size && column >= 0 && column < size; }

    void AddScore(std::int64_t points)
    {
        score = static_cast<int>(std::min<std::int64_t>(score + points, INT_MAX));
        turnScore = static_cast<int>(std::min<std::int64_t>(turnScore + points, INT_MAX));
    }

    void Place(ObjectType what, DirectionType facing, int row, int column)
    {
        Lot& lot = lots[row][column];
        if (lot.flooded && what != swimmer) {
            return;
        }
        lot.occupied = true;
        lot.object = what;
        lot.direction = facing;
        lot.timed = true;
        lot.starvation = 25;
    }

    void Kill(int row, int column)
    {
        Lot& lot = lots[row][column];
        if (lot.flooded && lot.object == swimmer) {
            lot.occupied = false;
            lot.timed = false;
        } else if (lot.object == grass) {
            lot.object = tree;
            lot.timed = false;
        } else {
            lot.object = grass;
            lot.timed = true;
            lot.starvation = 25;
        }
    }

    bool HoldsFacing(ObjectType what, DirectionType facing, int row, int column) const
    {
        return IsOnBoard(row, column) && lots[row][column].occupied && lots[row][column].object == what &&
               lots[row][column].direction == facing;
    }

    bool Competes(ObjectType predator, int pr, int pc, int r, int c, int maximumDistance) const
    {
        for (int k = 1; k <= maximumDistance; ++k) {
            const int rows[] = {r - k, r + k, r, r};
            const int columns[] = {c, c, c - k, c + k};
            const DirectionType facings[] = {down, up, right, left};
            for (int i = 0; i < 4; ++i) {
                if (!(rows[i] == pr && columns[i] == pc) && HoldsFacing(predator, facings[i], rows[i], columns[i])) {
                    return true;
                }
            }
        }
        return false;
    }

    bool CanEat(ObjectType predator, ObjectType prey, int pr, int pc, int& r, int& c, int distance,
                bool considerCompetitors) const
    {
        const DirectionType facing = lots[pr][pc].direction;
        const int row = pr + rowStep[facing] * distance;
        const int column = pc + columnStep[facing] * distance;
        if (!IsOnBoard(row, column) || !lots[row][column].occupied || lots[row][column].object != prey ||
            lots[row][column].flooded) {
            return false;
        }
        if (considerCompetitors && Competes(predator, pr, pc, row, column, distance)) {
            return false;
        }
        r = row;
        c = column;
        return true;
    }

    bool Eats(ObjectType predator, ObjectType prey, int pr, int pc, int& r, int& c) const
    {
        if (predator == flyer) {
            for (int distance = 0; distance < size; ++distance) {
                if (CanEat(flyer, swimmer, pr, pc, r, c, distance, true)) {
                    return true;
                }
            }
            return false;
        }
        if (predator == cannibal && prey == cannibal) {
            int scrapRow = 0;
            int scrapColumn = 0;
            return CanEat(cannibal, cannibal, pr, pc, r, c, 1, true) && !Competes(cannibal, pr, pc, pr, pc, 1) &&
                   !CanEat(cannibal, cannibal, r, c, scrapRow, scrapColumn, 1, false);
        }
        return CanEat(predator, prey, pr, pc, r, c, 1, true);
    }

    static int LinkOf(ObjectType predator, ObjectType prey)
    {
        if (predator == cannibal && prey == flyer) return 0;
        if (predator == flyer && prey == swimmer) return 1;
        if (predator == swimmer && prey == grazer) return 2;
        if (predator == grazer && prey == cannibal) return 3;
        return -1;
    }

    void Eat(int pr, int pc, int r, int c, long long& eatings, Coverage& coverage)
    {
        Lot& hunter = lots[pr][pc];
        Lot& hunted = lots[r][c];
        const Record& p = hunter.record;
        Record& q = hunted.record;
        std::int64_t points = std::int64_t{p.value} + q.value;
        points *= p.eatings > 0 ? 2 : 1;
        points *= q.eatings > 0 ? 2 : 1;
        q.eatings += p.eatings + 1;
        q.lastEaten = hunted.object;
        for (int link = 0; link < 4; ++link) {
            q.links[link] += p.links[link];
        }
        if (const int link = LinkOf(hunter.object, hunted.object); link >= 0) {
            ++q.links[link];
        }
        q.chains += p.chains;
        if (std::all_of(std::begin(q.links), std::end(q.links), [&q](int count) { return count > q.chains; })) {
            ++q.chains;
            points *= 2;
            ++picks;
            ++statistics.completeChainsCount;
            ++coverage.chains;
        }
        q.value = static_cast<int>(std::min<std::int64_t>(points, INT_MAX));
        AddScore(q.value);

        ++eatings;
        coverage.cannibalsEaten += hunted.object == cannibal && hunter.object == cannibal;
        coverage.flyersEatingFromAfar += hunter.object == flyer && (std::abs(pr - r) + std::abs(pc - c)) > 1;
        hunted.object = hunter.object;
        hunted.direction = hunter.direction;
        hunted.timed = true;
        hunted.starvation = 25;
        hunter.occupied = false;
        hunter.timed = false;
    }

    void EatingPhase(long long& eatings, Coverage& coverage)
    {
        static constexpr ObjectType kinds[6][2] = {{swimmer, grazer},   {grazer, cannibal},   {grazer, grass},
                                                   {cannibal, flyer},   {cannibal, cannibal}, {flyer, swimmer}};
        for (int kind = 0; kind < 6;) {
            struct Found {
                int pr, pc, r, c;
            };
            std::vector<Found> found;
            ForEveryLot([&](int pr, int pc) {
                int r = 0;
                int c = 0;
                if (lots[pr][pc].occupied && lots[pr][pc].object == kinds[kind][0] &&
                    Eats(kinds[kind][0], kinds[kind][1], pr, pc, r, c)) {
                    found.push_back({pr, pc, r, c});
                }
            });
            for (const Found& eating : found) {
                Eat(eating.pr, eating.pc, eating.r, eating.c, eatings, coverage);
            }
            kind = found.empty() ? kind + 1 : 0;
        }
    }

    Lot lots[size][size];
    int score = 0;
    int turnScore = 0;
    int picks = 1;
    bool isOver = false;
    Scoring::StatisticsType statistics{};
};

// Plays one seeded game in both; returns the first difference, or an empty text.
std::string PlayAlongside(std::uint32_t seed, Coverage& coverage)
{
    TurnDriver::NewGame(seed);
    ReferenceGame reference;
    if (std::string difference = reference.Difference({true, 0, 0, 0, false}, 0); !difference.empty()) {
        return "seed " + std::to_string(seed) + " at the start: " + difference;
    }
    for (int turn = 1; !reference.IsOver(); ++turn) {
        const std::string where = "seed " + std::to_string(seed) + " turn " + std::to_string(turn) + ": ";
        if (turn > 5000) {
            return where + "the game does not end";
        }
        // Now and then a pick replaces the item, as a player may choose any item with one.
        if (reference.Picks() > 0 && turn % 5 == 0) {
            const auto item = static_cast<ItemQueue::ItemType>(turn / 5 % 6);
            const auto animal = static_cast<ObjectType>(turn / 7 % 4);
            const auto direction = static_cast<DirectionType>(turn / 11 % 4);
            if (!TurnDriver::UsePick(item, animal, direction)) {
                return where + "a pick was refused";
            }
            reference.UsePick();
        }
        const ItemQueue::ItemType item = ItemQueue::CurrentItem();
        TurnDriver::Move moves[25];
        const int count = TurnDriver::LegalMoves(moves);
        const auto expectedMoves = reference.LegalMoves(item);
        if (count != static_cast<int>(expectedMoves.size()) ||
            !std::equal(moves, moves + count, expectedMoves.begin(), [](const auto& a, const auto& b) {
                return a.row == b.row && a.column == b.column;
            })) {
            return where + "legal moves differ";
        }
        TurnDriver::Move move{};
        if (!TurnDriver::ChooseRandomLegalMove(move)) {
            return where + "no legal move was chosen";
        }
        const int turnScore = reference.Play(item, ItemQueue::CurrentAnimal(), ItemQueue::CurrentDirection(),
                                             move.row, move.column, coverage);
        const auto result = TurnDriver::PlayMove(move.row, move.column);
        if (!result.wasPlayed) {
            return where + "a legal move was refused";
        }
        if (std::string difference = reference.Difference(result, turnScore); !difference.empty()) {
            return where + difference;
        }
    }
    return {};
}

#if defined(__SANITIZE_ADDRESS__)
constexpr std::uint32_t gameCount = 60;
#else
constexpr std::uint32_t gameCount = 600;
#endif

TEST(ReferenceResolution, SeededGamesMatchThePlainResolutionTurnByTurn)
{
    Coverage coverage;
    for (std::uint32_t game = 0; game < gameCount; ++game) {
        const std::string difference = PlayAlongside(game * 40503u + 7u, coverage);
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
