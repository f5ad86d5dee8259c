#pragma once

#include "Core/HotSpots/HotSpotShapes.h"

#include <memory>

class Graphic8BitGroupSprite;

// A lot's timer dial as a hot spot: while the selection button is held on it, the exact
// number of turns left is shown beside it, towards the middle of the lot. Between turns only:
// during a turn's resolution a press is refused. The dials' pictures belong to the board's
// animator; these hot spots only show the number.
class TimerHotSpot : public CircleHotSpot {
public:
    ~TimerHotSpot() override;

    void HandleUserMovesOver() override;
    void HandleUserIsStillOver() override;
    void HandleUserBeginsSelection() override;
    void HandleUserEndsSelection() override;
    void HandleUserAbortsSelection() override;

    virtual int TimeRemaining() const = 0;
    // Puts the number sprite beside the dial.
    virtual void PositionTimeRemainingSprite() = 0;

    // The number shown while the button is held; null otherwise.
    const Graphic8BitGroupSprite* TimeRemainingSprite() const { return timeRemainingSprite.get(); }

    static constexpr int hitDetectionPosition = 4;
    static constexpr int numberRenderingOrderPosition = 6;

protected:
    TimerHotSpot(const Point2D& center, int row, int column);

    int row;
    int column;
    std::unique_ptr<Graphic8BitGroupSprite> timeRemainingSprite;
};

// The dial of a creature's starvation time, in the lot's top-left corner; its number stands
// to the right of the dial.
class StarvationTimerHotSpot : public TimerHotSpot {
public:
    StarvationTimerHotSpot(int row, int column);
    int TimeRemaining() const override;
    void PositionTimeRemainingSprite() override;
};

// The dial of a flood's time, in the lot's top-right corner; its number stands to the left.
class FloodTimerHotSpot : public TimerHotSpot {
public:
    FloodTimerHotSpot(int row, int column);
    int TimeRemaining() const override;
    void PositionTimeRemainingSprite() override;
};
