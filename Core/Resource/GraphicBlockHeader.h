#pragma once

#include <cstdint>

#include "Core/Resource/BlockCursor.h"
#include "Core/Resource/ResourceType.h"

// The nine-byte header of a GRF1 block and where its encoded rows lie. The rows themselves
// are checked by the graphic that draws them. A block too short for its header, or with a
// negative width or height, is reported and reads as an empty graphic (no rows).
struct GraphicBlockHeader {
    static constexpr int headerSize = 9;

    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::uint8_t eraseColor = 0;
    const std::uint8_t* imageStart = nullptr; // first byte after the header, inside the block
    int imageSize = 0;                        // bytes from imageStart to the block's end
    bool isValid = false;

    // Reads from the start of the cursor's block; the cursor is left after the header.
    static GraphicBlockHeader Parse(BlockCursor& cursor);
};
