#include "Core/Resource/ColorTableBlock.h"

#include <string>

#include "Core/Resource/Resource.h"

ColorTableBlock ColorTableBlock::Parse(BlockCursor& cursor)
{
    ColorTableBlock table;
    cursor.Reset();
    if (!cursor.Require(headerSize, "the colour table header")) {
        return table;
    }
    cursor.GetInteger32Bit();
    cursor.GetInteger16Bit();
    const int highestIndex = cursor.GetInteger16Bit();
    if (highestIndex < 0) {
        cursor.Fail("the highest colour index " + std::to_string(highestIndex) + " is negative");
        return table;
    }
    const int entryCount = highestIndex + 1;
    if (!cursor.Require(entryCount * entrySize, "the colour entries")) {
        return table;
    }
    table.entries.resize(static_cast<std::size_t>(entryCount));
    for (Entry& entry : table.entries) {
        cursor.GetInteger16Bit();
        entry.red = static_cast<std::uint8_t>(cursor.GetInteger16Bit() & 0xFF);
        entry.green = static_cast<std::uint8_t>(cursor.GetInteger16Bit() & 0xFF);
        entry.blue = static_cast<std::uint8_t>(cursor.GetInteger16Bit() & 0xFF);
    }
    return table;
}

ColorTableBlock ColorTableBlock::Read(ResourceID id)
{
    Resource resource(ResourceType::colorLookupTable, id);
    return Parse(resource.Cursor());
}
