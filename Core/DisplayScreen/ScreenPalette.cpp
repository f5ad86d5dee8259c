#include "Core/DisplayScreen/ScreenPalette.h"

#include "Core/Resource/Resource.h"

#include <algorithm>
#include <cstring>

ScreenPalette::ScreenPalette()
{
    for (int index = 0; index < entryCount; ++index) {
        const auto grey = static_cast<std::uint8_t>(entryCount - 1 - index);
        colors[static_cast<std::size_t>(index)] = {grey, grey, grey};
    }
    SetFixedEntries();
}

void ScreenPalette::SetColorMap(ResourceID resourceID)
{
    const ColorLookupTable table(resourceID);
    if (!table.IsValid()) {
        return;
    }
    const std::vector<PaletteColor>& entries = table.Entries();
    std::copy(entries.begin(), entries.end(), colors.begin());
    SetFixedEntries();
    hasColorMap = true;
}

DisplayScreen8Bit::RGBQuad* ScreenPalette::NewRGBQuadArray() const
{
    auto* quads = new DisplayScreen8Bit::RGBQuad[entryCount];
    for (int index = 0; index < entryCount; ++index) {
        const PaletteColor& color = colors[static_cast<std::size_t>(index)];
        quads[index] = {color.blue, color.green, color.red, 0};
    }
    return quads;
}

void ScreenPalette::SetFixedEntries()
{
    colors.front() = {255, 255, 255};
    colors.back() = {0, 0, 0};
}

ColorLookupTable::ColorLookupTable(ResourceID resourceID)
{
    Resource resource(ResourceType::colorLookupTable, resourceID);
    BlockCursor& cursor = resource.Cursor();
    if (!resource.IsPresent() || !cursor.Require(8, "the colour table header")) {
        return;
    }
    cursor.GetInteger32Bit();
    cursor.GetInteger16Bit();
    const int highestIndex = cursor.GetInteger16Bit();
    if (highestIndex < 0) {
        cursor.Fail("a colour table of " + std::to_string(highestIndex + 1) + " entries");
        return;
    }
    const int count = std::min(highestIndex + 1, ScreenPalette::entryCount);
    if (!cursor.Require(8 * count, "the colour table's entries")) {
        return;
    }
    entries.resize(static_cast<std::size_t>(count));
    for (PaletteColor& color : entries) {
        cursor.GetInteger16Bit();
        // Only the low byte of each stored component is the colour.
        color.red = static_cast<std::uint8_t>(cursor.GetInteger16Bit() & 0xFF);
        color.green = static_cast<std::uint8_t>(cursor.GetInteger16Bit() & 0xFF);
        color.blue = static_cast<std::uint8_t>(cursor.GetInteger16Bit() & 0xFF);
    }
    isValid = true;
}

std::uint8_t* NewBottomUpCopy(const std::uint8_t* picture, int width, int height, int bytesPerRow)
{
    auto* copy = new std::uint8_t[static_cast<std::size_t>(width) * static_cast<std::size_t>(height)];
    for (int row = 0; row < height; ++row) {
        std::memcpy(copy + static_cast<std::size_t>(row) * static_cast<std::size_t>(width),
                    picture + static_cast<std::size_t>(height - 1 - row) * static_cast<std::size_t>(bytesPerRow),
                    static_cast<std::size_t>(width));
    }
    return copy;
}
