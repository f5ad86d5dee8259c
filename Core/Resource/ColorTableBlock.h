#pragma once

#include <cstdint>
#include <vector>

#include "Core/Resource/BlockCursor.h"
#include "Core/Resource/ResourceType.h"

// A CLUT block: entries 0 … N, of each colour component the low byte of its 16-bit value.
// A block too short for its header or for N + 1 entries, or with a negative N, is reported and
// reads as a table of no entries.
struct ColorTableBlock {
    struct Entry {
        std::uint8_t red = 0;
        std::uint8_t green = 0;
        std::uint8_t blue = 0;
    };
    static constexpr int headerSize = 8;
    static constexpr int entrySize = 8;

    std::vector<Entry> entries;

    bool IsEmpty() const { return entries.empty(); }

    static ColorTableBlock Parse(BlockCursor& cursor);
    // Reads CLUT id through a Resource handle that is dropped again before returning.
    static ColorTableBlock Read(ResourceID id);
};
