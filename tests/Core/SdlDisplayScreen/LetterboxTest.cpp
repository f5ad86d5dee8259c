#include "Core/SdlDisplayScreen/Letterbox.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// A 640 x 480 picture in windows of other shapes: the scale, the bars, the whole factor, where
// the picture lands in whole pixels, and where window positions land on the picture (positions
// on a bar go to the nearest picture pixel). A picture shown at least at its own size keeps
// every pixel through the round trip to the window and back.
TEST(Letterbox, ThePictureIsScaledToFitCentredWithBars)
{
    const struct {
        int width, height;
        double scale, offsetX, offsetY;
        int wholeFactor;
        Letterbox::Placement placement;
        std::vector<std::pair<Point2D, Point2D>> windowToPicture;
    } cases[] = {
        {1920, 1080, 2.25, 240, 0, 2, {240, 0, 1440, 1080},
         {{{240, 0}, {0, 0}}, {{100, 500}, {0, 222}}, {{1679, 1079}, {639, 479}}, {{1700, 10}, {639, 4}}}},
        {800, 800, 1.25, 0, 100, 1, {0, 100, 800, 600},
         {{{400, 99}, {320, 0}}, {{400, 400}, {320, 240}}, {{-5, 900}, {0, 479}}}},
        {0, 0, 1, 0, 0, 1, {0, 0, 640, 480}, {{{50, 50}, {50, 50}}, {{700, -3}, {639, 0}}}}, // an empty window
        {641, 481, 641.0 / 640, 0, 0.125, 1, {0, 0, 641, 481}, {}},
        {640, 480, 1, 0, 0, 1, {0, 0, 640, 480}, {}},
        {320, 240, 0.5, 0, 0, 1, {0, 0, 320, 240}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        const Letterbox box(c.width, c.height, 640, 480);
        EXPECT_DOUBLE_EQ(box.Scale(), c.scale);
        EXPECT_NEAR(box.OffsetX(), c.offsetX, 1e-9);
        EXPECT_NEAR(box.OffsetY(), c.offsetY, 1e-9);
        EXPECT_EQ(box.WholeFactor(), c.wholeFactor);
        const Letterbox::Placement placement = box.PicturePlacement();
        EXPECT_EQ(std::tie(placement.x, placement.y, placement.width, placement.height),
                  std::tie(c.placement.x, c.placement.y, c.placement.width, c.placement.height));
        for (const auto& [window, picture] : c.windowToPicture) {
            EXPECT_EQ(box.WindowToPicture(window.x, window.y), picture);
        }
        for (int y = 0; y < 480 && c.scale >= 1; y += 7) {
            for (int x = 0; x < 640; x += 3) {
                const Point2D window = box.PictureToWindow({x, y});
                ASSERT_EQ(box.WindowToPicture(window.x, window.y), (Point2D{x, y}));
            }
        }
    }
    EXPECT_EQ(Letterbox(1920, 1080, 640, 480).PictureToWindow({320, 240}), (Point2D{961, 541}));
}

} // namespace
