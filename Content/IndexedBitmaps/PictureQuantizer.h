#pragma once

#include "Content/IndexedBitmaps/IndexedImage.h"

#include <QImage>

#include <optional>

// Turns a full-colour picture into an IndexedImage with its own 256-colour table, chosen and
// remapped with dithering by libimagequant. Entry 0 is always pure black and entry 255 pure
// white, as the shell's palettes expect at the ends of a table.
struct QuantizeOptions {
    // A colour that marks see-through parts: exactly the source pixels of this colour get it,
    // and no other pixel is dithered onto it.
    std::optional<QRgb> keyColour;
    float ditheringLevel = 1.0f;
};

// Transparency in the picture is ignored (pictures are drawn opaque first). The result depends
// only on the pixels: libimagequant runs on one thread so that its sums add up in one order.
IndexedImage QuantizePicture(const QImage& picture, const QuantizeOptions& options = {});
