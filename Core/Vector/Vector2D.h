#pragma once

#include "Core/Point/Point2D.h"

#include <cmath>

// A two-dimensional vector of doubles, used for motion along paths.
struct Vector2D {
    double x = 0.0;
    double y = 0.0;

    constexpr Vector2D() = default;
    constexpr Vector2D(double xValue, double yValue) : x(xValue), y(yValue) {}
    constexpr explicit Vector2D(const Point2D& point) : x(point.x), y(point.y) {}

    friend constexpr Vector2D operator+(const Vector2D& a, const Vector2D& b) { return {a.x + b.x, a.y + b.y}; }
    friend constexpr Vector2D operator-(const Vector2D& a, const Vector2D& b) { return {a.x - b.x, a.y - b.y}; }
    friend constexpr Vector2D operator*(const Vector2D& v, double factor) { return {v.x * factor, v.y * factor}; }
    friend constexpr bool operator==(const Vector2D& a, const Vector2D& b) = default;
};

// The vector's length.
inline double AbsoluteValue(const Vector2D& v)
{
    return std::hypot(v.x, v.y);
}
