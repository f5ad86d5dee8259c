#include "Content/SkipDumpRunEncoder/SkipDumpRunEncoder.h"
#include "Core/Graphic/Graphic8Bit.h"
#include "tests/Support/MemoryScreen/MemoryScreen.h"

#include <random>

namespace {

using Bytes = std::vector<std::uint8_t>;
using Image = SkipDumpRunEncoder::Image;
using Rectangle = QuillonRectangle<int>;
constexpr std::uint8_t transparent = 0;
constexpr int screenWidth = 24;
constexpr int screenHeight = 16;
constexpr std::uint8_t background = 250;

// A small memory screen with padded rows and an underlay of one colour, ready for a frame, and
// graphics made by the content encoder.
class GraphicRender : public ::testing::Test, protected MemoryScreen {
protected:
    GraphicRender() : MemoryScreen(screenWidth, screenHeight, 5)
    {
        PaintUnderlay(background);
        DisplayScreen8Bit::ShowOffscreenBuffer(); // the underlay is withdrawn while a frame is drawn
        DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
        screen->ForgetCalls();
    }

    void AddGraphic(ResourceID id, const Image& image, int left = 0, int top = 0)
    {
        resources.Add(ResourceType::graphic, id,
                      SkipDumpRunEncoder::MakeGraphicBlock(image, transparent, left, top, 1));
    }

    // What the off-screen buffer must hold after drawing image at position over the background;
    // with erase, every opaque pixel shows the erase colour 1. Padding bytes keep the background.
    Bytes Expected(const Image& image, Point2D position, bool erase) const
    {
        Bytes expected(screen->OffscreenBuffer().size(), background);
        for (int y = std::max(0, position.y); y < std::min(screenHeight, position.y + image.height); ++y) {
            for (int x = std::max(0, position.x); x < std::min(screenWidth, position.x + image.width); ++x) {
                const auto index = static_cast<std::size_t>((y - position.y) * image.width + x - position.x);
                const std::uint8_t pixel = image.pixels[index];
                if (pixel != transparent) {
                    expected[static_cast<std::size_t>(y * screen->BytesPerRow() + x)] = erase ? 1 : pixel;
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
            current = static_cast<std::uint8_t>(random() % 3 == 0 ? transparent : 1 + random() % 200);
        }
        image.pixels.push_back(current);
    }
    return image;
}

// Random images at random places, partly or wholly off the screen, in their own colours or erased:
// the graphic draws exactly its visible part and invalidates exactly that rectangle.
TEST_F(GraphicRender, RandomPlacementsDrawAndInvalidateExactlyTheVisiblePart)
{
    std::mt19937 random(77);
    for (int trial = 0; trial < 300; ++trial) {
        const Image image = RandomImage(random, std::uniform_int_distribution<int>(0, 40)(random),
                                        std::uniform_int_distribution<int>(0, 30)(random));
        const auto id = static_cast<ResourceID>(2000 + trial);
        AddGraphic(id, image);
        const Point2D position{std::uniform_int_distribution<int>(-45, 28)(random),
                               std::uniform_int_distribution<int>(-35, 20)(random)};
        const bool erase = random() % 4 == 0;

        DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
        screen->ForgetCalls();
        Graphic8Bit(id).Render(position, erase ? Graphic8Bit::erase : Graphic8Bit::dontErase, Graphic8Bit::offscreen);

        ASSERT_EQ(screen->OffscreenBuffer(), Expected(image, position, erase))
            << "trial " << trial << ": " << image.width << " x " << image.height << " at " << position.x << ", "
            << position.y;
        const Rectangle placed{position.x, position.x + image.width, position.y, position.y + image.height};
        const Rectangle visible = Intersection(placed, DisplayScreen8Bit::Bounds());
        EXPECT_EQ(screen->OffscreenInvalidations(),
                  visible.IsEmpty() ? std::vector<Rectangle>{} : std::vector<Rectangle>{visible});
        EXPECT_TRUE(screen->UnderlayInvalidations().empty());
    }
}

TEST_F(GraphicRender, RenderToUnderlayDrawsAtTheGraphicsOwnPlacementUnlessToldWhere)
{
    AddGraphic(1001, Image{2, 2, {3, 4, 5, 6}}, 10, 6);
    DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
    const Graphic8Bit graphic(1001);
    graphic.RenderToUnderlay();
    EXPECT_EQ((std::vector<int>{screen->UnderlayPixel(9, 6), screen->UnderlayPixel(10, 6), screen->UnderlayPixel(11, 6),
                                screen->UnderlayPixel(10, 7), screen->UnderlayPixel(11, 7)}),
              (std::vector<int>{background, 3, 4, 5, 6}));
    EXPECT_EQ(screen->UnderlayInvalidations(), (std::vector<Rectangle>{{10, 12, 6, 8}}));
    EXPECT_TRUE(screen->OffscreenInvalidations().empty());
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

using MalformedGraphic = GraphicRender;

// A broken block behaves as an empty graphic that draws nothing, and is reported. The header's
// and the rows' own kinds of damage, and missing blocks, are tested with their readers.
TEST_F(MalformedGraphic, BrokenBlocksBehaveAsEmptyAndAreReported)
{
    const std::pair<Bytes, const char*> blocks[] = {
        {Bytes{0, 1, 0, 2, 0}, "truncated header"},
        {GraphicBlockBytes(0, 0, 3, 1, 0, {5, 4, 9, 0}), "row covers more than the width"},
    };
    ResourceID id = 1500;
    const Bytes before = screen->OffscreenBuffer();
    for (const auto& [block, what] : blocks) {
        SCOPED_TRACE(what);
        reports.str("");
        resources.Add(ResourceType::graphic, ++id, block);
        const Graphic8Bit graphic(id);
        EXPECT_FALSE(graphic.IsValid());
        EXPECT_TRUE(graphic.Bounds().IsEmpty());
        graphic.Render({0, 0}, Graphic8Bit::dontErase, Graphic8Bit::offscreen);
        graphic.Render({0, 0}, Graphic8Bit::erase, Graphic8Bit::offscreen);
        EXPECT_NE(reports.str().find("GRF1 " + std::to_string(id)), std::string::npos) << reports.str();
    }
    EXPECT_EQ(screen->OffscreenBuffer(), before);
    EXPECT_TRUE(screen->OffscreenInvalidations().empty());
}

} // namespace
