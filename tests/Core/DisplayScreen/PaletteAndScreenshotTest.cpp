#include "MemoryScreenFixture.h"

#include "Core/DisplayScreen/ScreenPalette.h"

#include <memory>

namespace {

using Palette = MemoryScreenFixture;

std::vector<ColorBytes> Colors(int count, int shift)
{
    std::vector<ColorBytes> colors;
    for (int i = 0; i < count; ++i) {
        colors.push_back({(i + shift) % 256, (2 * i + shift) % 256, (3 * i + shift) % 256});
    }
    return colors;
}

// A colour map sets every entry it holds, but entry 0 stays white and 255 black; a shorter one
// leaves the entries it lacks, and a broken or missing one is reported and changes nothing.
TEST_F(Palette, AColorMapSetsTheEntriesItHoldsExceptWhiteAndBlack)
{
    resources.Add(ResourceType::colorLookupTable, 1000, ColorTableBlockBytes(Colors(256, 1)));
    resources.Add(ResourceType::colorLookupTable, 1001, ColorTableBlockBytes(Colors(11, 50)));
    auto truncated = ColorTableBlockBytes(Colors(256, 9));
    truncated.resize(truncated.size() - 3);
    resources.Add(ResourceType::colorLookupTable, 1002, truncated);
    const ScreenPalette& palette = screen->Palette();
    DisplayScreen8Bit::SetColorMap(1000);
    EXPECT_EQ(palette[0], (PaletteColor{255, 255, 255}));
    EXPECT_EQ(palette[1], (PaletteColor{2, 3, 4}));
    EXPECT_EQ(palette[254], (PaletteColor{255, 509 % 256, 763 % 256}));
    EXPECT_EQ(palette[255], (PaletteColor{0, 0, 0}));
    DisplayScreen8Bit::SetColorMap(1001);
    EXPECT_EQ(palette[0], (PaletteColor{255, 255, 255}));
    EXPECT_EQ(palette[10], (PaletteColor{60, 70, 80})); // the table's highest entry too
    EXPECT_EQ(palette[11], (PaletteColor{12, 23, 34}));
    for (ResourceID broken : {1002, 1003}) {
        DisplayScreen8Bit::SetColorMap(broken);
        EXPECT_EQ(palette[1], (PaletteColor{51, 52, 53}));
        EXPECT_TRUE(ResourceProblems::HasBeenReported(ResourceType::colorLookupTable, broken));
    }
}

// The screenshot is the shown picture bottom row first, with the colour table in bitmap order;
// it is only made into an empty output, and the colour table only once a colour map is set.
TEST_F(Palette, ScreenshotRowsRunBottomUpWithTheColourTable)
{
    ASSERT_TRUE(DisplayScreen8Bit::Reserve(1000));
    DisplayScreen8Bit::RGBQuad* quads = nullptr;
    screen->GetRGBQUADData(&quads);
    EXPECT_EQ(quads, nullptr);
    std::uint8_t marker = 0;
    std::uint8_t* data = &marker;
    screen->GetScreenData(&data);
    EXPECT_EQ(data, &marker);

    resources.Add(ResourceType::colorLookupTable, 1000, ColorTableBlockBytes(Colors(256, 1)));
    DisplayScreen8Bit::SetColorMap(1000);
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            DisplayScreen8Bit::OffscreenBufferStart()[y * DisplayScreen8Bit::OffscreenBufferBytesPerRow() + x] =
                static_cast<std::uint8_t>(y * 16 + x);
        }
    }
    DisplayScreen8Bit::ShowOffscreenBuffer();
    data = nullptr;
    screen->GetScreenData(&data);
    screen->GetRGBQUADData(&quads);
    ASSERT_NE(data, nullptr);
    ASSERT_NE(quads, nullptr);
    const std::unique_ptr<std::uint8_t[]> ownedData(data);
    const std::unique_ptr<DisplayScreen8Bit::RGBQuad[]> ownedQuads(quads);
    for (int row = 0; row < 8; ++row) {
        for (int x = 0; x < 16; ++x) {
            ASSERT_EQ(data[row * 16 + x], (7 - row) * 16 + x) << row << ", " << x;
        }
    }
    EXPECT_EQ((std::vector<int>{quads[1].red, quads[1].green, quads[1].blue, quads[1].reserved}), (std::vector<int>{2, 3, 4, 0}));
    EXPECT_EQ(quads[0].blue, 255);
    EXPECT_EQ(quads[255].red, 0);
}

} // namespace
