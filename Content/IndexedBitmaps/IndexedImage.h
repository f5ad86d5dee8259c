#pragma once

#include <QColor>
#include <QImage>

#include <cstdint>
#include <vector>

// A picture of palette indices with its own colour table of 256 entries, as the window shell's
// bitmaps store it: rows top to bottom, one byte a pixel, no padding.
struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> pixels;
    std::vector<QRgb> colours; // always 256 entries

    std::uint8_t At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    // The picture in full colour (for looking at it or comparing it with its source).
    QImage ToImage() const;
};
