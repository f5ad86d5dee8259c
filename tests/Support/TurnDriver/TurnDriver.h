#pragma once

#include "Marrowmere/Inhabitants/Inhabitants.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"

#include <cstdint>

// Plays the game on the models alone, without graphics, sound or timing: one call is one
// whole turn, resolved in the same logical order as the animated resolution (item change,
// scoring records reset, eating, starvation, eating, floods, eating, bookkeeping, end of game,
// next item). Tests use it to set up positions and to play games; it also exposes the board's
// changing operations so that tests can build any position.
class TurnDriver : public Inhabitants {
public:
    struct Move {
        int row;
        int column;
    };

    struct TurnResult {
        bool wasPlayed;          // false when the move was refused; nothing changed then
        int turnScore;           // the 50 points of the turn plus every eating's points
        int eatingsCount;        // eatings made during the turn
        int completeChainsCount; // complete chains made during the turn (one pick each)
        bool isGameOver;
    };

    // A fresh game as the player gets it: the eight starting animals, score and statistics
    // cleared, the first item drawn and available, one pick.
    static void NewGame();
    static void NewGame(std::uint32_t seed);
    // An empty board with score, statistics and queue set up and an item available, for
    // tests that build their own position.
    static void NewEmptyGame();

    static bool HasGameEnded();

    // Whether the current item may be used on the lot now.
    static bool IsLegalMove(int row, int column);
    // Every lot where the current item may be used, row-major; returns how many.
    static int LegalMoves(Move (&moves)[rowCount * columnCount]);
    // One of the legal lots, chosen with the game's random source; false when there is none.
    static bool ChooseRandomLegalMove(Move& move);

    // Uses the current item on the lot and resolves the whole turn.
    static TurnResult PlayMove(int row, int column);
    // Makes the given item current, then plays it.
    static TurnResult PlayItem(ItemQueue::ItemType item, ObjectType animal, DirectionType direction, int row,
                               int column);
    static TurnResult PlayAnimal(ObjectType animal, DirectionType direction, int row, int column);
    // Spends a pick on the given item, as the pick dialog does; false when none is left or
    // no item is available.
    static bool UsePick(ItemQueue::ItemType item, ObjectType animal, DirectionType direction);

    // Direct board changes for building positions in tests.
    using Inhabitants::EvaporateFlood;
    using Inhabitants::Flood;
    using Inhabitants::Kill;
    using Inhabitants::MakePredatorEatPrey;
    using Inhabitants::PlaceAnimal;
    using Inhabitants::ResetScoringInformation;
    using Inhabitants::Reverse;
    using Inhabitants::TurnClockwise;
    using Inhabitants::TurnCounterclockwise;
    // Grass comes about only by killing; this builds it in one step.
    static void PlaceGrass(int row, int column);

    // One eating phase: passes over the six kinds of eating until none eats. Adds the points
    // and complete chains to the turn being counted.
    static void ResolveEatingPhase(TurnResult& result);

private:
    static bool CanItemBeUsedOn(ItemQueue::ItemType item, int row, int column);
    static void ApplyCurrentItem(int row, int column);
    // Every lot where the current item may be used now.
    static LotSet LegalLots();
    // Performs every eating of one kind found on the board as it stands; returns how many.
    static int ResolveEatingKind(int kindIndex, TurnResult& result);
    // Each returns whether the board changed in a way that can let something eat.
    static bool ResolveStarvation();
    static bool ResolveFloods();
    static void TallyEatings();

    static bool hasGameEnded;
};
