#include "MemoryScreenFixture.h"

#include "Core/DisplayScreen/ScreenPalette.h"

#include <array>
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

TEST_F(Palette, ColorMapHasWhiteAtZeroAndBlackAtTheTop)
{
    resources.Add(ResourceType::colorLookupTable, 1000, ColorTableBlockBytes(Colors(256, 1)));
    ASSERT_TRUE(DisplayScreen8Bit::Reserve(1000));
    DisplayScreen8Bit::SetColorMap(1000);
    const ScreenPalette& palette = screen->Palette();
    EXPECT_EQ(palette[0], (PaletteColor{255, 255, 255}));
    EXPECT_EQ(palette[255], (PaletteColor{0, 0, 0}));
    EXPECT_EQ(palette[1], (PaletteColor{2, 3, 4}));
    EXPECT_EQ(palette[100], (PaletteColor{101, 201, 301 % 256}));
    EXPECT_EQ(palette[254], (PaletteColor{255, 509 % 256, 763 % 256}));
}

TEST_F(Palette, ASecondColorMapReplacesEveryEntryItHolds)
{
    resources.Add(ResourceType::colorLookupTable, 1000, ColorTableBlockBytes(Colors(11, 0)));
    resources.Add(ResourceType::colorLookupTable, 1001, ColorTableBlockBytes(Colors(11, 50)));
    DisplayScreen8Bit::SetColorMap(1000);
    const PaletteColor beyond = screen->Palette()[11];
    DisplayScreen8Bit::SetColorMap(1001);
    EXPECT_EQ(screen->Palette()[10], (PaletteColor{60, 70, 80})); // the table's highest entry too
    EXPECT_EQ(screen->Palette()[11], beyond);                       // entries it lacks stay
    EXPECT_EQ(screen->Palette()[0], (PaletteColor{255, 255, 255}));
}

TEST_F(Palette, BrokenColorTablesLeaveThePaletteAsItWas)
{
    resources.Add(ResourceType::colorLookupTable, 1000, ColorTableBlockBytes(Colors(256, 1)));
    auto truncated = ColorTableBlockBytes(Colors(256, 9));
    truncated.resize(truncated.size() - 3);
    resources.Add(ResourceType::colorLookupTable, 1001, truncated);
    DisplayScreen8Bit::SetColorMap(1000);
    DisplayScreen8Bit::SetColorMap(1001);
    DisplayScreen8Bit::SetColorMap(1002);
    EXPECT_EQ(screen->Palette()[1], (PaletteColor{2, 3, 4}));
    EXPECT_TRUE(ResourceProblems::HasBeenReported(ResourceType::colorLookupTable, 1001));
    EXPECT_TRUE(ResourceProblems::HasBeenReported(ResourceType::colorLookupTable, 1002));
}

TEST_F(Palette, ScreenshotNeedsAnEmptyOutputAndAColourMap)
{
    ASSERT_TRUE(DisplayScreen8Bit::Reserve(1000));
    DisplayScreen8Bit::RGBQuad* quads = nullptr;
    screen->GetRGBQUADData(&quads);
    EXPECT_EQ(quads, nullptr);
    std::uint8_t marker = 0;
    std::uint8_t* occupied = &marker;
    screen->GetScreenData(&occupied);
    EXPECT_EQ(occupied, &marker);
}

TEST_F(Palette, ScreenshotRowsRunBottomUpWithTheColourTable)
{
    resources.Add(ResourceType::colorLookupTable, 1000, ColorTableBlockBytes(Colors(256, 1)));
    ASSERT_TRUE(DisplayScreen8Bit::Reserve(1000));
    DisplayScreen8Bit::SetColorMap(1000);
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 16; ++x) {
            DisplayScreen8Bit::OffscreenBufferStart()[y * DisplayScreen8Bit::OffscreenBufferBytesPerRow() + x] =
                static_cast<std::uint8_t>(y * 16 + x);
        }
    }
    DisplayScreen8Bit::ShowOffscreenBuffer();

    std::uint8_t* data = nullptr;
    screen->GetScreenData(&data);
    ASSERT_NE(data, nullptr);
    const std::unique_ptr<std::uint8_t[]> owned(data);
    for (int row = 0; row < 8; ++row) {
        for (int x = 0; x < 16; ++x) {
            ASSERT_EQ(data[row * 16 + x], (7 - row) * 16 + x) << row << ", " << x;
        }
    }

    DisplayScreen8Bit::RGBQuad* quads = nullptr;
    screen->GetRGBQUADData(&quads);
    ASSERT_NE(quads, nullptr);
    const std::unique_ptr<DisplayScreen8Bit::RGBQuad[]> ownedQuads(quads);
    EXPECT_EQ((std::array<int, 4>{quads[1].red, quads[1].green, quads[1].blue, quads[1].reserved}),
              (std::array<int, 4>{2, 3, 4, 0}));
    EXPECT_EQ(quads[0].blue, 255);
    EXPECT_EQ(quads[255].red, 0);
}

} // namespace
