#pragma once

#include "Core/Point/Point2D.h"

#include <set>

// A region of the game screen that reacts to the pointer. Every live hot spot sits in one set
// ordered by its hit-detection position (lower is tested first, so it lies on top; equal
// positions in the order they were made). Each input pump the dispatch operations find the
// first active hot spot under the pointer and drive a two-state machine:
// - hovering: the hot spot under the pointer hears MovesOver, IsStillOver and MovesAway;
// - selecting (a press began on a hot spot and the button is held): only that hot spot hears
//   about the pointer, as MovesOut, IsStillOut, MovesIn and IsStillIn during the selection,
//   until the release ends the selection (released on it) or aborts it (released elsewhere).
// Destroying the selected hot spot drops the selection silently. Handlers may create and
// destroy hot spots; the dispatch never touches a destroyed one. The base handlers do nothing.
class HotSpot {
public:
    explicit HotSpot(int hitDetectionOrderPosition);
    virtual ~HotSpot();
    HotSpot(const HotSpot&) = delete;
    HotSpot& operator=(const HotSpot&) = delete;

    // Only active hot spots take part in hit testing; a new one is active. Deactivation does
    // not end a selection; the change shows at the next dispatch.
    virtual void Activate();
    virtual void Deactivate();
    virtual bool IsPointWithin(const Point2D& point) const = 0;

    virtual void HandleUserMovesOver() {}
    virtual void HandleUserIsStillOver() {}
    virtual void HandleUserMovesAway() {}
    virtual void HandleUserBeginsSelection() {}
    virtual void HandleUserEndsSelection() {}
    virtual void HandleUserAbortsSelection() {}
    virtual void HandleUserMovesOutDuringSelection() {}
    virtual void HandleUserIsStillOutDuringSelection() {}
    virtual void HandleUserMovesInDuringSelection() {}
    virtual void HandleUserIsStillInDuringSelection() {}

    int HitDetectionOrderPosition() const { return hitDetectionOrderPosition; }
    bool IsActive() const { return isActive; }

    // The pointer, in screen pixels, once per input pump.
    static void DispatchUserMovement(const Point2D& point);
    // A press of the selection button. A press on no hot spot starts no selection; a press
    // while a selection runs makes the newly pressed hot spot the selected one.
    static void DispatchUserBeginsSelection(const Point2D& point);
    static void DispatchUserEndsSelection(const Point2D& point);

    // Number of live hot spots (leak checks after a game is taken down).
    static std::size_t LiveHotSpotCount() { return hotSpots.size(); }
    static bool IsAnySelected() { return isAnySelected; }

protected:
    // The first active hot spot, in hit-detection order, that contains point; null if none.
    static HotSpot* FirstContaining(const Point2D& point);

private:
    struct LessThan {
        bool operator()(const HotSpot* a, const HotSpot* b) const
        {
            return a->hitDetectionOrderPosition < b->hitDetectionOrderPosition;
        }
    };

    // Sends MovesAway to the hot spot the pointer left and MovesOver to the one it entered.
    static void NotifyHoverChange(HotSpot* previous);

    const int hitDetectionOrderPosition;
    bool isActive = true;

    // A multiset inserts after its equals, which keeps equal positions in creation order.
    static std::multiset<HotSpot*, LessThan> hotSpots;
    static HotSpot* currentlyOver;
    static HotSpot* currentlySelected;
    static bool isAnySelected;
};
