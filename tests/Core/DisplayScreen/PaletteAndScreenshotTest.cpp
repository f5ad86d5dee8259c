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

// The palette both display back ends share: a grey ramp until a colour map is set. A colour map
// sets every entry it holds, but entry 0 stays white and 255 black; a shorter one leaves the
// entries it lacks, and a broken or missing one is reported and changes nothing.
TEST_F(Palette, AColorMapSetsTheEntriesItHoldsExceptWhiteAndBlack)
{
    resources.Add(ResourceType::colorLookupTable, 1000, ColorTableBlockBytes(Colors(256, 1)));
    resources.Add(ResourceType::colorLookupTable, 1001, ColorTableBlockBytes(Colors(11, 50)));
    auto truncated = ColorTableBlockBytes(Colors(256, 9));
    truncated.resize(truncated.size() - 3);
    resources.Add(ResourceType::colorLookupTable, 1002, truncated);
    ScreenPalette palette;
    EXPECT_EQ(palette[1], (PaletteColor{254, 254, 254}));
    palette.SetColorMap(1000);
    EXPECT_EQ(palette[0], (PaletteColor{255, 255, 255}));
    EXPECT_EQ(palette[1], (PaletteColor{2, 3, 4}));
    EXPECT_EQ(palette[254], (PaletteColor{255, 509 % 256, 763 % 256}));
    EXPECT_EQ(palette[255], (PaletteColor{0, 0, 0}));
    palette.SetColorMap(1001);
    EXPECT_EQ(palette[10], (PaletteColor{60, 70, 80})); // the table's highest entry too
    EXPECT_EQ(palette[11], (PaletteColor{12, 23, 34}));
    for (ResourceID broken : {1002, 1003}) {
        palette.SetColorMap(broken);
        EXPECT_EQ(palette[1], (PaletteColor{51, 52, 53}));
        EXPECT_TRUE(ResourceProblems::HasBeenReported(ResourceType::colorLookupTable, broken));
    }
}

// The screenshot is the shown picture bottom row first, with the colour table in bitmap order;
// a back end makes it only into an empty output, and the colour table only once a colour map is
// set.
TEST_F(Palette, ScreenshotRowsRunBottomUpWithTheColourTable)
{
    const std::uint8_t picture[] = {1, 2, 3, 99, 4, 5, 6, 99}; // two rows of three, four bytes apart
    const std::unique_ptr<std::uint8_t[]> copy(NewBottomUpCopy(picture, 3, 2, 4));
    EXPECT_EQ(std::vector<int>(copy.get(), copy.get() + 6), (std::vector<int>{4, 5, 6, 1, 2, 3}));

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
    DisplayScreen8Bit::OffscreenBufferStart()[1 * 19 + 15] = 42; // (15, 1): the second row's last pixel
    DisplayScreen8Bit::ShowOffscreenBuffer();
    data = nullptr;
    screen->GetScreenData(&data);
    screen->GetRGBQUADData(&quads);
    ASSERT_NE(data, nullptr);
    ASSERT_NE(quads, nullptr);
    const std::unique_ptr<std::uint8_t[]> ownedData(data);
    const std::unique_ptr<DisplayScreen8Bit::RGBQuad[]> ownedQuads(quads);
    EXPECT_EQ(data[6 * 16 + 15], 42);
    EXPECT_EQ((std::vector<int>{quads[1].red, quads[1].green, quads[1].blue, quads[1].reserved}), (std::vector<int>{2, 3, 4, 0}));
    EXPECT_EQ(quads[0].blue, 255);
}

} // namespace
