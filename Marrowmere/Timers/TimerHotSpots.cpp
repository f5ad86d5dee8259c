#include "Marrowmere/Timers/TimerHotSpots.h"

#include "Core/Sound/Sound.h"
#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Core/Sprites/Graphic8BitGroupSprite.h"
#include "Core/Sprites/NumberSpriteBuilder.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/Inhabitants/Inhabitants.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"
#include "Marrowmere/Locations/Locations.h"

TimerHotSpot::TimerHotSpot(const Point2D& center, int row, int column)
    : CircleHotSpot(hitDetectionPosition, center, Locations::TimerRadius()), row(row), column(column)
{
}

TimerHotSpot::~TimerHotSpot() = default;

void TimerHotSpot::HandleUserMovesOver()
{
    if (ItemQueue::IsAnyItemAvailable()) {
        SpriteCursorAction::ChangeGraphic(GraphicIDs::Cursor(CursorType::questionMark));
    } else {
        SpriteCursorAction::Hide();
    }
}

void TimerHotSpot::HandleUserIsStillOver()
{
    HandleUserMovesOver();
}

void TimerHotSpot::HandleUserBeginsSelection()
{
    if (!ItemQueue::IsAnyItemAvailable()) {
        Sound::PlayAsynchronously(SoundIDs::No(), 0, 1.0, 0.0);
        return;
    }
    SpriteCursorAction::ChangeGraphic(GraphicIDs::Cursor(CursorType::arrow));
    timeRemainingSprite = std::make_unique<Graphic8BitGroupSprite>(Point2D(0, 0), numberRenderingOrderPosition);
    NumberSpriteBuilder::Build(TimeRemaining(), *timeRemainingSprite, GraphicIDs::TimerDigitsStart());
    PositionTimeRemainingSprite();
}

void TimerHotSpot::HandleUserEndsSelection()
{
    timeRemainingSprite.reset();
}

void TimerHotSpot::HandleUserAbortsSelection()
{
    timeRemainingSprite.reset();
}

StarvationTimerHotSpot::StarvationTimerHotSpot(int row, int column)
    : TimerHotSpot(Locations::StarvationTimerCenter(row, column), row, column)
{
}

int StarvationTimerHotSpot::TimeRemaining() const
{
    return Inhabitants::StarvationTimeRemaining(row, column);
}

void StarvationTimerHotSpot::PositionTimeRemainingSprite()
{
    const Point2D center = Locations::StarvationTimerCenter(row, column);
    timeRemainingSprite->ChangePosition(
        Point2D(center.x + Locations::TimerRadius(), center.y - timeRemainingSprite->Height() / 2));
}

FloodTimerHotSpot::FloodTimerHotSpot(int row, int column)
    : TimerHotSpot(Locations::FloodTimerCenter(row, column), row, column)
{
}

int FloodTimerHotSpot::TimeRemaining() const
{
    return Inhabitants::FloodTimeRemaining(row, column);
}

void FloodTimerHotSpot::PositionTimeRemainingSprite()
{
    const Point2D center = Locations::FloodTimerCenter(row, column);
    timeRemainingSprite->ChangePosition(Point2D(center.x - Locations::TimerRadius() - timeRemainingSprite->Width(),
                                                center.y - timeRemainingSprite->Height() / 2));
}
