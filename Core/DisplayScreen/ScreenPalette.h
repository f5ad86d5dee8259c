#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/Resource/ResourceType.h"

struct PaletteColor {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    friend constexpr bool operator==(const PaletteColor&, const PaletteColor&) = default;
};

// The screen's 256 colours. Entry 0 is always white and entry 255 always black.
class ScreenPalette {
public:
    static constexpr int entryCount = 256;

    // A grey ramp until a colour map is set (with the two fixed entries).
    ScreenPalette();

    const PaletteColor& operator[](int index) const { return colors[static_cast<std::size_t>(index)]; }
    bool HasColorMap() const { return hasColorMap; }

    // Takes entries 0 ... N of CLUT resourceID (entries beyond 255 are ignored), then the fixed
    // entries. A missing or malformed table is reported once and leaves the colours unchanged.
    void SetColorMap(ResourceID resourceID);

    // The colours as a bitmap's colour table; the caller delete[]s it.
    DisplayScreen8Bit::RGBQuad* NewRGBQuadArray() const;

private:
    void SetFixedEntries();

    std::array<PaletteColor, entryCount> colors;
    bool hasColorMap = false;
};

// A new[] copy of a picture of width x height pixels with the given row distance, bottom row
// first (the row order of a bottom-up bitmap). The caller delete[]s it.
std::uint8_t* NewBottomUpCopy(const std::uint8_t* picture, int width, int height, int bytesPerRow);
