#include "Core/SdlDisplayScreen/Letterbox.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

TEST(Letterbox, WideWindowGetsBarsLeftAndRight)
{
    const Letterbox box(1920, 1080, 640, 480);
    EXPECT_DOUBLE_EQ(box.Scale(), 2.25);
    EXPECT_DOUBLE_EQ(box.OffsetX(), 240.0);
    EXPECT_DOUBLE_EQ(box.OffsetY(), 0.0);
    EXPECT_EQ(box.WindowToPicture(240, 0), (Point2D{0, 0}));
    EXPECT_EQ(box.WindowToPicture(100, 500), (Point2D{0, 222}));    // on the left bar
    EXPECT_EQ(box.WindowToPicture(1679, 1079), (Point2D{639, 479}));
    EXPECT_EQ(box.WindowToPicture(1700, 10), (Point2D{639, 4}));    // on the right bar
    EXPECT_EQ(box.PictureToWindow({320, 240}), (Point2D{961, 541}));
}

TEST(Letterbox, TallWindowGetsBarsAboveAndBelow)
{
    const Letterbox box(800, 800, 640, 480);
    EXPECT_DOUBLE_EQ(box.Scale(), 1.25);
    EXPECT_DOUBLE_EQ(box.OffsetY(), 100.0);
    EXPECT_EQ(box.WindowToPicture(400, 99), (Point2D{320, 0}));
    EXPECT_EQ(box.WindowToPicture(400, 400), (Point2D{320, 240}));
    EXPECT_EQ(box.WindowToPicture(-5, 900), (Point2D{0, 479}));
}

TEST(Letterbox, EveryPicturePixelSurvivesTheRoundTrip)
{
    for (const auto& [width, height] : {std::pair{1920, 1080}, std::pair{1024, 768}, std::pair{1366, 768},
                                        std::pair{1280, 1024}, std::pair{641, 481}, std::pair{640, 480}}) {
        const Letterbox box(width, height, 640, 480);
        for (int y = 0; y < 480; y += 7) {
            for (int x = 0; x < 640; x += 3) {
                const Point2D window = box.PictureToWindow({x, y});
                if (width == 640) {
                    ASSERT_EQ(window, (Point2D{x, y})) << "the same size is the identity";
                }
                ASSERT_EQ(box.WindowToPicture(window.x, window.y), (Point2D{x, y})) << width << " x " << height;
            }
        }
    }
}

TEST(Letterbox, WholeFactorRepeatsPixelsAndThePlacementCoversThePicture)
{
    struct Case {
        int width, height, wholeFactor;
        Letterbox::Placement placement;
    };
    for (const Case& c : {Case{1920, 1080, 2, {240, 0, 1440, 1080}}, Case{1280, 960, 2, {0, 0, 1280, 960}},
                          Case{1024, 768, 1, {0, 0, 1024, 768}}, Case{2560, 1440, 3, {320, 0, 1920, 1440}},
                          Case{3840, 2160, 4, {480, 0, 2880, 2160}}, Case{320, 240, 1, {0, 0, 320, 240}}}) {
        const Letterbox box(c.width, c.height, 640, 480);
        const Letterbox::Placement placement = box.PicturePlacement();
        EXPECT_EQ(box.WholeFactor(), c.wholeFactor) << c.width << " x " << c.height;
        EXPECT_EQ(std::tie(placement.x, placement.y, placement.width, placement.height),
                  std::tie(c.placement.x, c.placement.y, c.placement.width, c.placement.height))
            << c.width << " x " << c.height;
    }
}

TEST(Letterbox, EmptyWindowStillMapsOntoThePicture)
{
    const Letterbox box(0, 0, 640, 480);
    const Point2D point = box.WindowToPicture(50, 50);
    EXPECT_GE(point.x, 0);
    EXPECT_LT(point.x, 640);
    EXPECT_GE(point.y, 0);
    EXPECT_LT(point.y, 480);
}

} // namespace
