#pragma once

#include "Core/Resource/Resource.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"
#include "Marrowmere/InhabitantsAnimator/InhabitantsAnimator.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"

#include <cstdint>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

// A resource back end for the animated board: every animation (SPAN) it is asked for plays
// the given number of frames at 20 frames a second (none: every animation ends at once);
// every other block is missing unless added. It records every block looked up, in order.
class AnyAnimationLibrary : public InMemoryResourceLibrary {
public:
    explicit AnyAnimationLibrary(int frameCount);

    const void* GetPlatformSpecificResource(std::uint32_t type, ResourceID id) override;

    // Ids of one type looked up, in order.
    std::vector<ResourceID> LookedUp(std::uint32_t type) const;
    void ForgetLookups() { lookups.clear(); }

private:
    std::vector<std::uint8_t> animationBlock;
    std::vector<std::pair<std::uint32_t, ResourceID>> lookups;
};

// A game's board, score, item queue and pick dialog set up as the game does it, on a clock
// that moves 1/60 s per pump, with AnyAnimationLibrary as the resources; turns are played by
// clicking the lots and pumping the scheduler until they are resolved. Taking it down checks
// that no sprite or hot spot is left behind.
class AnimatedBoard {
public:
    struct Move {
        int row;
        int column;
    };

    // What a played turn did, read from the game's own models after it.
    struct TurnResult {
        bool wasPlayed;           // false when the lot refused the item; nothing changed then
        int turnScore;            // the turn's score as the statistics keep it
        int eatingsCount;         // what the turn added to the statistics' eatings
        int completeChainsCount;  // what the turn added to the statistics' complete chains
        bool isGameOver;          // the game-over screen has come
    };

    explicit AnimatedBoard(int frameCount = 2);
    ~AnimatedBoard();
    AnimatedBoard(const AnimatedBoard&) = delete;
    AnimatedBoard& operator=(const AnimatedBoard&) = delete;

    void SetUp();
    void TakeDown();
    // Takes down the game there is, seeds the game's random source and sets a new game up.
    void NewGame(std::uint32_t seed);

    // One pump of the scheduler, 1/60 s after the last.
    void Pump();
    // Pumps until the board is resolved and the next item is offered (or the game is ending);
    // false when that did not happen within a minute of game time.
    bool PumpUntilResolved();
    // Makes the item current, as the tutorial does.
    void SetItem(ItemQueue::ItemType item, ObjectType animal = flyer, DirectionType direction = up);
    // A press and release at the point, through the hot spots.
    static void Click(const Point2D& point);
    static void ClickLot(int row, int column);

    // Every lot where the lots' own test lets the current item be used now, row-major.
    static std::vector<Move> LegalMoves();
    // Clicks the lot and pumps until the turn is resolved.
    TurnResult PlayMove(int row, int column);
    // Makes the item current, then plays it.
    TurnResult PlayItem(ItemQueue::ItemType item, ObjectType animal, DirectionType direction, int row, int column);
    // Spends a pick on the item through the pick button and the pick dialog; false when no
    // pick was spent.
    bool UsePick(ItemQueue::ItemType item, ObjectType animal, DirectionType direction);

    AnyAnimationLibrary& Library() { return *library; }

private:
    AnyAnimationLibrary* library;  // owned by Resource while installed
    std::ostringstream reportedProblems;
    double now = 0.0;
    bool isSetUp = false;
};

// Builds positions on the animated board with the animator's own changes, so that every
// lot's screen objects stay right.
class BoardBuilder : public InhabitantsAnimator {
public:
    // Empties the board.
    static void Empty();
    // Empties the board but for four bystanders that keep the game going, one of each
    // animal, facing off the board from lots (1, 0), (2, 0), (3, 0) and (1, 4).
    static void Clear();
    using InhabitantsAnimator::Flood;
    using InhabitantsAnimator::Kill;
    using InhabitantsAnimator::PlaceAnimal;
    static void PlaceGrass(int row, int column);
};

// The board, score, statistics and queue as one text, for checking that something left the
// game as it was.
std::string DescribeGame();
// Empty when every lot's screen objects match the lot (idle animation, dials and their
// pictures, hot spot), and the item queue's idle animation matches its item; else what differs.
std::string ScreenObjectsMismatch();
