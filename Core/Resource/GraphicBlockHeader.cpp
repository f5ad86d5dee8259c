#include "Core/Resource/GraphicBlockHeader.h"

#include <string>

GraphicBlockHeader GraphicBlockHeader::Parse(BlockCursor& cursor)
{
    GraphicBlockHeader header;
    cursor.Reset();
    if (!cursor.Require(headerSize, "the graphic header")) {
        return header;
    }
    const int left = cursor.GetInteger16Bit();
    const int top = cursor.GetInteger16Bit();
    const int width = cursor.GetInteger16Bit();
    const int height = cursor.GetInteger16Bit();
    const std::uint8_t eraseColor = cursor.GetInteger8Bit();
    if (width < 0 || height < 0) {
        cursor.Fail("the graphic's size " + std::to_string(width) + " x " + std::to_string(height) + " is negative");
        return header;
    }
    // A row takes at least its end code, so a block shorter than that cannot hold the rows.
    if (height > cursor.Remaining()) {
        cursor.Fail("the graphic's " + std::to_string(height) + " rows need more than the "
            + std::to_string(cursor.Remaining()) + " bytes left");
        return header;
    }
    header.left = left;
    header.top = top;
    header.width = width;
    header.height = height;
    header.eraseColor = eraseColor;
    header.imageStart = cursor.Current();
    header.imageSize = cursor.Remaining();
    header.isValid = true;
    return header;
}
