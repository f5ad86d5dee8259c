#pragma once

// Larger and smaller of two values of one type.
template <typename T>
constexpr T Maximum(const T& a, const T& b)
{
    return a < b ? b : a;
}

template <typename T>
constexpr T Minimum(const T& a, const T& b)
{
    return b < a ? b : a;
}

// A half-open rectangle: x runs from left to right - 1, y from top to bottom - 1.
template <typename T>
struct QuillonRectangle {
    T left{};
    T right{};
    T top{};
    T bottom{};

    constexpr bool IsEmpty() const { return left >= right || top >= bottom; }
    constexpr T Width() const { return right - left; }
    constexpr T Height() const { return bottom - top; }
    friend constexpr bool operator==(const QuillonRectangle& a, const QuillonRectangle& b) = default;
};

// The overlap of two rectangles; empty (IsEmpty) when they do not overlap.
template <typename T>
constexpr QuillonRectangle<T> Intersection(const QuillonRectangle<T>& a, const QuillonRectangle<T>& b)
{
    return {Maximum(a.left, b.left), Minimum(a.right, b.right), Maximum(a.top, b.top), Minimum(a.bottom, b.bottom)};
}
