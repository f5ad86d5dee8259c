#pragma once

// A screen point in pixels: x grows to the right, y downwards.
struct Point2D {
    int x = 0;
    int y = 0;

    constexpr Point2D() = default;
    constexpr Point2D(int xValue, int yValue) : x(xValue), y(yValue) {}

    constexpr Point2D& operator+=(const Point2D& other)
    {
        x += other.x;
        y += other.y;
        return *this;
    }
    friend constexpr Point2D operator+(Point2D a, const Point2D& b) { return a += b; }
    friend constexpr Point2D operator-(const Point2D& a, const Point2D& b) { return {a.x - b.x, a.y - b.y}; }
    // Component-wise division, truncating toward zero like integer division.
    friend constexpr Point2D operator/(const Point2D& a, int divisor) { return {a.x / divisor, a.y / divisor}; }
    friend constexpr bool operator==(const Point2D& a, const Point2D& b) = default;
};
