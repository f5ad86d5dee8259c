#pragma once

#include "Marrowmere/Inhabitants/Inhabitants.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"
#include "Marrowmere/Scoring/Scoring.h"

#include <cstdint>
#include <string>

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
    explicit ReferenceBoard(Coverage& coverage);

    // The lots where the item may be used.
    Inhabitants::LotSet LegalLots(ItemQueue::ItemType item) const;
    // One whole turn in the logical order of the rules.
    void Play(ItemQueue::ItemType item, ObjectType animal, DirectionType direction, int row, int column);
    void UsePick() { --picks; }

    // Describes the first difference from the game's board, score, statistics, picks and end
    // of game, or returns an empty text.
    std::string DifferenceFromGame() const;

    bool IsOver() const { return isOver; }
    int Picks() const { return picks; }

private:
    static constexpr int size = 5;

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
    static int LinkOf(ObjectType predator, ObjectType prey);

    // Over unless all four animals live and some lot is free.
    bool IsBoardOver() const;
    void AddScore(std::int64_t points);
    void Place(ObjectType what, DirectionType facing, int row, int column);
    void Kill(int row, int column);
    bool HoldsFacing(ObjectType what, DirectionType facing, int row, int column) const;
    bool Competes(ObjectType predator, int pr, int pc, int r, int c, int maximumDistance) const;
    bool CanEat(ObjectType predator, ObjectType prey, int pr, int pc, int& r, int& c, int distance,
                bool considerCompetitors) const;
    bool Eats(ObjectType predator, ObjectType prey, int pr, int pc, int& r, int& c) const;
    void Eat(int pr, int pc, int r, int c, long long& eatings);
    void EatingPhase(long long& eatings);

    Coverage& coverage;
    Lot lots[size][size];
    int score = 0;
    int picks = 1;
    bool isOver = false;
    Scoring::StatisticsType statistics{};
};
