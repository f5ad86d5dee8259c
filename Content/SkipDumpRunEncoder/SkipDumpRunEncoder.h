#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Turns 8-bit images into the row code that the game draws from (see SkipDumpRunEncoding8Bit)
// and into whole GRF1 blocks. Pixels equal to the transparent index become skips; transparent
// pixels at the end of a row need no element at all. Used by the content builder and by tests.
class SkipDumpRunEncoder {
public:
    // One picture: width x height palette indices, rows top to bottom, no padding.
    struct Image {
        int width = 0;
        int height = 0;
        std::vector<std::uint8_t> pixels;
    };

    // Appends the encoding of one row of pixels (its end code included) to encoded.
    static void EncodeRow(std::span<const std::uint8_t> row, std::uint8_t transparentIndex,
                          std::vector<std::uint8_t>& encoded);

    // All rows of the image, top row first.
    static std::vector<std::uint8_t> EncodeImage(const Image& image, std::uint8_t transparentIndex);

    // A whole GRF1 block: left, top, width, height (big-endian 16-bit), the erase colour, then
    // the encoded rows. Throws std::invalid_argument when the image's pixel count does not match
    // its size or a header value does not fit in 16 bits.
    static std::vector<std::uint8_t> MakeGraphicBlock(const Image& image, std::uint8_t transparentIndex, int left,
                                                      int top, std::uint8_t eraseColor);
    // The same, with the see-through pixels given by a mask (0: skip) instead of an index, so
    // that every palette index stays a colour.
    static std::vector<std::uint8_t> MakeGraphicBlock(const Image& image, std::span<const std::uint8_t> opaque,
                                                      int left, int top, std::uint8_t eraseColor);
};
