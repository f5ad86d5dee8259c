#pragma once

#include "Core/HotSpots/HotSpot.h"
#include "Core/Rectangle/QuillonRectangle.h"
#include "Core/Vector/Vector2D.h"

// A rectangle of screen pixels; all four edges, right and bottom included, count as inside.
class RectangleHotSpot : public HotSpot {
public:
    RectangleHotSpot(int hitDetectionOrderPosition, const QuillonRectangle<int>& bounds);
    bool IsPointWithin(const Point2D& point) const override;
    const QuillonRectangle<int>& Bounds() const { return bounds; }

private:
    QuillonRectangle<int> bounds;
};

// A disc; a point at exactly the radius from the centre is inside.
class CircleHotSpot : public HotSpot {
public:
    CircleHotSpot(int hitDetectionOrderPosition, const Point2D& center, int radius);
    bool IsPointWithin(const Point2D& point) const override;
    const Vector2D& Center() const { return center; }
    int Radius() const { return radius; }

private:
    Vector2D center;
    int radius;
};

// The whole screen: it takes every event that no hot spot above it took, which makes modes
// (the game-over screen, a modal dialog, the self-playing tutorial).
class UnboundedHotSpot : public HotSpot {
public:
    explicit UnboundedHotSpot(int hitDetectionOrderPosition) : HotSpot(hitDetectionOrderPosition) {}
    bool IsPointWithin(const Point2D&) const override { return true; }
};
