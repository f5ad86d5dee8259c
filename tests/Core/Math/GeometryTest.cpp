#include "Core/Point/Point2D.h"
#include "Core/Rectangle/QuillonRectangle.h"
#include "Core/Vector/Vector2D.h"

#include <gtest/gtest.h>

namespace {

TEST(Point2D, ArithmeticIsComponentWiseAndDivisionTruncatesTowardZero)
{
    Point2D p{5, -7};
    p += Point2D{1, 2};
    EXPECT_EQ(p, (Point2D{6, -5}));
    EXPECT_EQ((p - Point2D{6, -5}), (Point2D{0, 0}));
    EXPECT_EQ(Point2D(7, -7) / 2, (Point2D{3, -3}));
}

TEST(Vector2D, LengthAndScaling)
{
    const Vector2D v = Vector2D(Point2D{3, 4}) * 2.0;
    EXPECT_DOUBLE_EQ(AbsoluteValue(v), 10.0);
    EXPECT_EQ(v - Vector2D(6.0, 8.0), Vector2D(0.0, 0.0));
}

TEST(QuillonRectangle, HalfOpenIntersection)
{
    const QuillonRectangle<int> a{0, 10, 0, 10};
    const QuillonRectangle<int> b{5, 20, 8, 9};
    const auto overlap = Intersection(a, b);
    EXPECT_EQ(overlap, (QuillonRectangle<int>{5, 10, 8, 9}));
    EXPECT_EQ(overlap.Width(), 5);
    EXPECT_EQ(overlap.Height(), 1);
    // Touching edges do not overlap in a half-open rectangle.
    EXPECT_TRUE(Intersection(a, QuillonRectangle<int>{10, 12, 0, 10}).IsEmpty());
    EXPECT_TRUE((QuillonRectangle<int>{3, 3, 0, 5}).IsEmpty());
}

}  // namespace
