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

TEST_F(Palette, OnlyTheLowByteOfEachComponentCounts)
{
    resources.Add(ResourceType::colorLookupTable, 1000,
                  BlockBytes().Integer32Bit(0).Integer16Bit(0).Integer16Bit(1)
                      .Integer16Bit(0).Integer16Bit(0x1234).Integer16Bit(0x1234).Integer16Bit(0x1234)
                      .Integer16Bit(0x7FFF).Integer16Bit(0x0112).Integer16Bit(0x0234).Integer16Bit(0x0356));
    DisplayScreen8Bit::SetColorMap(1000);
    EXPECT_EQ(screen->Palette()[1], (PaletteColor{0x12, 0x34, 0x56}));
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
    EXPECT_EQ(quads[1].red, 2);
    EXPECT_EQ(quads[1].green, 3);
    EXPECT_EQ(quads[1].blue, 4);
    EXPECT_EQ(quads[1].reserved, 0);
    EXPECT_EQ(quads[0].blue, 255);
    EXPECT_EQ(quads[255].red, 0);
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

} // namespace
