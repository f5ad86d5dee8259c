#pragma once

#include "Marrowmere/Inhabitants/Inhabitants.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"
#include "Marrowmere/Scoring/Scoring.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

// The board's rules written out again, apart from the game and straightforwardly: its own
// board, full row-major scans, every eating phase run, no sets of lots. Tests play the same
// turns on it and on the game and compare the two after each turn, so any shortcut taken by
// the game that changes a game is caught where it first shows.
class ReferenceBoard {
public:
    // What the model counts over its turns, to show that the games reached every kind of event.
    struct Coverage {
        long long turns = 0, starvations = 0, evaporations = 0, chains = 0, drownings = 0;
        long long eatingsAfter[3] = {0, 0, 0};  // in the phase after the item, the starvation, the floods
        long long cannibalsEaten = 0, flyersEatingFromAfar = 0;
    };

    // The opening position of every game, with one pick; counts into the coverage.
    explicit ReferenceBoard(Coverage& coverage) : coverage(coverage)
    {
        for (const auto& placement : Inhabitants::startingPlacements) {
            Place(placement.animal, placement.direction, placement.row, placement.column);
        }
    }

    // The lots where the item may be used.
    Inhabitants::LotSet LegalLots(ItemQueue::ItemType item) const
    {
        Inhabitants::LotSet legal = 0;
        ForEveryLot([&](int row, int column) {
            const Lot& lot = lots[row][column];
            if (item == ItemQueue::animal ? !lot.occupied
                : item == ItemQueue::cloud ? true
                                           : lot.occupied && lot.object <= cannibal) {
                legal |= Inhabitants::LotSet{1} << (row * size + column);
            }
        });
        return legal;
    }

    // One whole turn in the logical order of the rules.
    void Play(ItemQueue::ItemType item, ObjectType animal, DirectionType direction, int row, int column)
    {
        ++coverage.turns;
        statistics.currentTurnScore = 0;
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
        EatingPhase(coverage.eatingsAfter[0]);

        ForEveryLot([&](int r, int c) {
            Lot& each = lots[r][c];
            if (each.occupied && each.timed && each.record.eatings == 0 && --each.starvation == 0) {
                Kill(r, c);
                ++coverage.starvations;
            }
        });
        EatingPhase(coverage.eatingsAfter[1]);

        ForEveryLot([&](int r, int c) {
            if (lots[r][c].flooded && --lots[r][c].flood == 0) {
                lots[r][c].flooded = false;
                ++coverage.evaporations;
            }
        });
        EatingPhase(coverage.eatingsAfter[2]);

        statistics.bestTurnScore = std::max(statistics.bestTurnScore, statistics.currentTurnScore);
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
    }

    void UsePick() { --picks; }

    // Describes the first difference from the game's board, score, statistics, picks and end
    // of game, or returns an empty text.
    std::string DifferenceFromGame() const
    {
        using Board = Inhabitants;
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
        if (Scoring::Score() != score) {
            return "score differs";
        }
        // The statistics are eleven ints; the turn score means nothing before the first turn.
        const Scoring::StatisticsType theirs = Scoring::Statistics();
        Scoring::StatisticsType ours = statistics;
        if (ours.totalTurnsCount == 0) {
            ours.currentTurnScore = theirs.currentTurnScore;
        }
        if (std::memcmp(&theirs, &ours, sizeof ours) != 0) {
            return "statistics differ";
        }
        if (ItemQueue::PickCount() != picks) {
            return "pick count differs";
        }
        if (Board::IsGameOver() != isOver) {
            return "end of game differs";
        }
        if (!Board::IsResolved()) {
            return "the board is left unresolved";
        }
        return {};
    }

    bool IsOver() const { return isOver; }
    int Picks() const { return picks; }

private:
    static constexpr int size = 5;
    static constexpr DirectionType clockwise[4] = {right, left, up, down};
    static constexpr DirectionType counterclockwise[4] = {left, right, down, up};
    static constexpr int rowStep[4] = {-1, 1, 0, 0};
    static constexpr int columnStep[4] = {0, 0, -1, 1};

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

    template <typename Visit>
    static void ForEveryLot(Visit visit)
    {
        for (int row = 0; row < size; ++row) {
            for (int column = 0; column < size; ++column) {
                visit(row, column);
            }
        }
    }

    static bool IsOnBoard(int row, int column) { return row >= 0 && row < size && column >= 0 && column < size; }

    static int LinkOf(ObjectType predator, ObjectType prey)
    {
        if (predator == cannibal && prey == flyer) return 0;
        if (predator == flyer && prey == swimmer) return 1;
        if (predator == swimmer && prey == grazer) return 2;
        if (predator == grazer && prey == cannibal) return 3;
        return -1;
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

    void AddScore(std::int64_t points)
    {
        score = static_cast<int>(std::min<std::int64_t>(score + points, INT_MAX));
        statistics.currentTurnScore = static_cast<int>(std::min<std::int64_t>(statistics.currentTurnScore + points, INT_MAX));
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

    bool CanEat(ObjectType predator, ObjectType prey, int pr, int pc, int& r, int& c, int distance, bool considerCompetitors) const
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

    void Eat(int pr, int pc, int r, int c, long long& eatings)
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

    void EatingPhase(long long& eatings)
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
                Eat(eating.pr, eating.pc, eating.r, eating.c, eatings);
            }
            kind = found.empty() ? kind + 1 : 0;
        }
    }

    Coverage& coverage;
    Lot lots[size][size];
    int score = 0;
    int picks = 1;
    bool isOver = false;
    Scoring::StatisticsType statistics{};
};
