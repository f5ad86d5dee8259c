#include "Core/SdlDisplayScreen/Letterbox.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

// A 640 x 480 picture in windows of other shapes: the scale, the bars, and where window
// positions land on the picture (positions on a bar go to the nearest picture pixel).
TEST(Letterbox, ThePictureIsScaledToFitCentredWithBars)
{
    const struct {
        int width, height;
        double scale, offsetX, offsetY;
        std::vector<std::pair<Point2D, Point2D>> windowToPicture;
    } cases[] = {
        {1920, 1080, 2.25, 240, 0,
         {{{240, 0}, {0, 0}}, {{100, 500}, {0, 222}}, {{1679, 1079}, {639, 479}}, {{1700, 10}, {639, 4}}}},
        {800, 800, 1.25, 0, 100, {{{400, 99}, {320, 0}}, {{400, 400}, {320, 240}}, {{-5, 900}, {0, 479}}}},
        {0, 0, 1, 0, 0, {{{50, 50}, {50, 50}}, {{700, -3}, {639, 0}}}}, // an empty window
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        const Letterbox box(c.width, c.height, 640, 480);
        EXPECT_DOUBLE_EQ(box.Scale(), c.scale);
        EXPECT_DOUBLE_EQ(box.OffsetX(), c.offsetX);
        EXPECT_DOUBLE_EQ(box.OffsetY(), c.offsetY);
        for (const auto& [window, picture] : c.windowToPicture) {
            EXPECT_EQ(box.WindowToPicture(window.x, window.y), picture);
        }
    }
    EXPECT_EQ(Letterbox(1920, 1080, 640, 480).PictureToWindow({320, 240}), (Point2D{961, 541}));
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
        SCOPED_TRACE(testing::Message() << c.width << " x " << c.height);
        const Letterbox box(c.width, c.height, 640, 480);
        const Letterbox::Placement placement = box.PicturePlacement();
        EXPECT_EQ(box.WholeFactor(), c.wholeFactor);
        EXPECT_EQ(std::tie(placement.x, placement.y, placement.width, placement.height),
                  std::tie(c.placement.x, c.placement.y, c.placement.width, c.placement.height));
    }
}

} // namespace
