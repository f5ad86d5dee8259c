#include "Core/HotSpots/HotSpot.h"

std::multiset<HotSpot*, HotSpot::LessThan> HotSpot::hotSpots;
HotSpot* HotSpot::currentlyOver = nullptr;
HotSpot* HotSpot::currentlySelected = nullptr;
bool HotSpot::isAnySelected = false;

HotSpot::HotSpot(int hitDetectionOrderPosition) : hitDetectionOrderPosition(hitDetectionOrderPosition)
{
    hotSpots.insert(this);
}

HotSpot::~HotSpot()
{
    if (currentlyOver == this) {
        currentlyOver = nullptr;
    }
    if (currentlySelected == this) {
        currentlySelected = nullptr;
        isAnySelected = false;
    }
    const auto [first, last] = hotSpots.equal_range(this);
    for (auto entry = first; entry != last; ++entry) {
        if (*entry == this) {
            hotSpots.erase(entry);
            break;
        }
    }
}

void HotSpot::Activate()
{
    isActive = true;
}

void HotSpot::Deactivate()
{
    isActive = false;
}

HotSpot* HotSpot::FirstContaining(const Point2D& point)
{
    for (HotSpot* hotSpot : hotSpots) {
        if (hotSpot->isActive && hotSpot->IsPointWithin(point)) {
            return hotSpot;
        }
    }
    return nullptr;
}

// Every handler call below may destroy hot spots, the called one included; the statics are
// cleared by the destructor, so they are read afresh after each call instead of kept in locals.

void HotSpot::NotifyHoverChange(HotSpot* previous)
{
    if (previous == currentlyOver) {
        return;
    }
    HotSpot* entered = currentlyOver;
    if (previous != nullptr) {
        previous->HandleUserMovesAway();
    }
    if (entered != nullptr && entered == currentlyOver) {
        entered->HandleUserMovesOver();
    }
}

void HotSpot::DispatchUserMovement(const Point2D& point)
{
    HotSpot* previous = currentlyOver;
    currentlyOver = FirstContaining(point);
    if (isAnySelected) {
        const bool wasIn = previous == currentlySelected;
        const bool isIn = currentlyOver == currentlySelected;
        if (wasIn && isIn) {
            currentlySelected->HandleUserIsStillInDuringSelection();
        } else if (wasIn) {
            currentlySelected->HandleUserMovesOutDuringSelection();
        } else if (isIn) {
            currentlySelected->HandleUserMovesInDuringSelection();
        } else {
            currentlySelected->HandleUserIsStillOutDuringSelection();
        }
        return;
    }
    if (currentlyOver == previous) {
        if (currentlyOver != nullptr) {
            currentlyOver->HandleUserIsStillOver();
        }
        return;
    }
    NotifyHoverChange(previous);
}

void HotSpot::DispatchUserBeginsSelection(const Point2D& point)
{
    HotSpot* previous = currentlyOver;
    currentlyOver = FirstContaining(point);
    NotifyHoverChange(previous);
    if (currentlyOver != nullptr) {
        isAnySelected = true;
        currentlySelected = currentlyOver;
        currentlySelected->HandleUserBeginsSelection();
    }
}

void HotSpot::DispatchUserEndsSelection(const Point2D& point)
{
    currentlyOver = FirstContaining(point);
    if (isAnySelected) {
        HotSpot* selected = currentlySelected;
        isAnySelected = false;
        currentlySelected = nullptr;
        if (currentlyOver == selected) {
            selected->HandleUserEndsSelection();
        } else {
            selected->HandleUserAbortsSelection();
        }
    }
    if (currentlyOver != nullptr) {
        currentlyOver->HandleUserMovesOver();
    }
}
