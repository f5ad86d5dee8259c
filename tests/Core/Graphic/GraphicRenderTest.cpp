#include "Core/Graphic/Graphic8Bit.h"

#include "GraphicTestScreen.h"

#include <random>

namespace {

using Image = SkipDumpRunEncoder::Image;
using Rectangle = QuillonRectangle<int>;

class GraphicRender : public GraphicTestScreen {
protected:
    // What the off-screen buffer must hold after drawing image at position over the background;
    // with erase, every opaque pixel shows eraseColor. Padding bytes keep the background.
    std::vector<std::uint8_t> Expected(const Image& image, Point2D position, int eraseColor = -1) const
    {
        std::vector<std::uint8_t> expected(screen->OffscreenBuffer().size(), background);
        for (int y = 0; y < screenHeight; ++y) {
            for (int x = 0; x < screenWidth; ++x) {
                const int ix = x - position.x;
                const int iy = y - position.y;
                if (ix < 0 || iy < 0 || ix >= image.width || iy >= image.height) {
                    continue;
                }
                const std::uint8_t pixel = image.pixels[static_cast<std::size_t>(iy * image.width + ix)];
                if (pixel != transparent) {
                    expected[static_cast<std::size_t>(y * screen->BytesPerRow() + x)] =
                        eraseColor < 0 ? pixel : static_cast<std::uint8_t>(eraseColor);
                }
            }
        }
        return expected;
    }
};

Image RandomImage(std::mt19937& random, int width, int height)
{
    Image image{width, height, {}};
    std::uint8_t current = 0;
    for (int i = 0; i < width * height; ++i) {
        if (random() % 4 == 0) {
            current = static_cast<std::uint8_t>(random() % 3 == 0 ? GraphicTestScreen::transparent : 1 + random() % 200);
        }
        image.pixels.push_back(current);
    }
    return image;
}

TEST_F(GraphicRender, ReadsItsHeader)
{
    AddGraphic(1001, Image{3, 2, std::vector<std::uint8_t>(6, 9)}, -4, 7, 33);
    const Graphic8Bit graphic(1001);
    EXPECT_TRUE(graphic.IsValid());
    EXPECT_EQ(graphic.Bounds(), (Rectangle{-4, -1, 7, 9}));
    EXPECT_EQ(graphic.EraseColor(), 33);
}

TEST_F(GraphicRender, RandomPlacementsAreClippedPixelExactlyAtEveryEdge)
{
    std::mt19937 random(77);
    for (int trial = 0; trial < 300; ++trial) {
        const Image image = RandomImage(random, std::uniform_int_distribution<int>(0, 40)(random),
                                        std::uniform_int_distribution<int>(0, 30)(random));
        const ResourceID id = static_cast<ResourceID>(2000 + trial);
        AddGraphic(id, image);
        const Point2D position{std::uniform_int_distribution<int>(-45, 28)(random),
                               std::uniform_int_distribution<int>(-35, 20)(random)};
        const bool erase = random() % 4 == 0;

        DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
        screen->ForgetCalls();
        const Graphic8Bit graphic(id);
        graphic.Render(position, erase ? Graphic8Bit::erase : Graphic8Bit::dontErase, Graphic8Bit::offscreen);

        ASSERT_EQ(screen->OffscreenBuffer(), Expected(image, position, erase ? 1 : -1))
            << "trial " << trial << ": " << image.width << " x " << image.height << " at " << position.x << ", "
            << position.y;
        const Rectangle visible = Intersection(Rectangle{position.x, position.x + image.width, position.y,
                                                         position.y + image.height},
                                               DisplayScreen8Bit::Bounds());
        if (visible.IsEmpty()) {
            EXPECT_TRUE(screen->OffscreenInvalidations().empty());
        } else {
            EXPECT_EQ(screen->OffscreenInvalidations(), std::vector<Rectangle>{visible});
        }
        EXPECT_TRUE(screen->UnderlayInvalidations().empty());
    }
}

TEST_F(GraphicRender, RenderToUnderlayDrawsAtTheGraphicsOwnPlacement)
{
    AddGraphic(1001, Image{2, 2, {3, 4, 5, 6}}, 10, 6);
    DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
    const Graphic8Bit graphic(1001);
    graphic.RenderToUnderlay();
    EXPECT_EQ((std::vector<int>{screen->UnderlayPixel(9, 6), screen->UnderlayPixel(10, 6), screen->UnderlayPixel(11, 6),
                                screen->UnderlayPixel(10, 7), screen->UnderlayPixel(11, 7)}),
              (std::vector<int>{background, 3, 4, 5, 6}));
    EXPECT_EQ(screen->UnderlayInvalidations(), (std::vector<Rectangle>{{10, 12, 6, 8}}));

    // The underlay reaches the next frame, and its invalidation is handed on with it.
    screen->ForgetCalls();
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    EXPECT_EQ(Offscreen(11, 7), 6);
    EXPECT_EQ(screen->OffscreenInvalidations(), (std::vector<Rectangle>{{10, 12, 6, 8}}));

    graphic.RenderToUnderlay({-1, 15});
    EXPECT_EQ(screen->UnderlayPixel(0, 15), 4);
}

TEST_F(GraphicRender, BufferThatIsNotPreparedIsLeftAlone)
{
    AddGraphic(1001, Image{2, 2, {3, 4, 5, 6}});
    DisplayScreen8Bit::ShowOffscreenBuffer(); // withdraws the off-screen buffer
    ASSERT_EQ(DisplayScreen8Bit::OffscreenBufferStart(), nullptr);
    const Graphic8Bit graphic(1001);
    graphic.Render({0, 0}, Graphic8Bit::dontErase, Graphic8Bit::offscreen);
    graphic.RenderToUnderlay();
    EXPECT_TRUE(screen->OffscreenInvalidations().empty());
    EXPECT_TRUE(screen->UnderlayInvalidations().empty());
}

} // namespace
