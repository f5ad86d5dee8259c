#include "Core/DisplayScreen/ScreenPalette.h"

#include "Core/Resource/ColorTableBlock.h"

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
    const ColorTableBlock table = ColorTableBlock::Read(resourceID);
    if (table.IsEmpty()) {
        return;
    }
    const std::size_t count = std::min(table.entries.size(), colors.size());
    for (std::size_t index = 0; index < count; ++index) {
        const ColorTableBlock::Entry& entry = table.entries[index];
        colors[index] = {entry.red, entry.green, entry.blue};
    }
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
