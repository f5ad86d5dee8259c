#include "Core/HotSpots/HotSpotShapes.h"

RectangleHotSpot::RectangleHotSpot(int hitDetectionOrderPosition, const QuillonRectangle<int>& bounds)
    : HotSpot(hitDetectionOrderPosition), bounds(bounds)
{
}

bool RectangleHotSpot::IsPointWithin(const Point2D& point) const
{
    return bounds.left <= point.x && point.x <= bounds.right && bounds.top <= point.y && point.y <= bounds.bottom;
}

CircleHotSpot::CircleHotSpot(int hitDetectionOrderPosition, const Point2D& center, int radius)
    : HotSpot(hitDetectionOrderPosition), center(center), radius(radius)
{
}

bool CircleHotSpot::IsPointWithin(const Point2D& point) const
{
    // Compared squared, in integers where the centre is whole, so the edge is exactly inside.
    const double dx = point.x - center.x;
    const double dy = point.y - center.y;
    return dx * dx + dy * dy <= static_cast<double>(radius) * radius;
}
