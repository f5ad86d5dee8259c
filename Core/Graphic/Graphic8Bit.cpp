#include "Core/Graphic/Graphic8Bit.h"

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/Resource/GraphicBlockHeader.h"
#include "Core/Resource/Resource.h"
#include "Core/SkipDumpRunEncoding/SkipDumpRunEncoding8Bit.h"

#include <string>

Graphic8Bit::Graphic8Bit(ResourceID resourceID)
    : graphicResource(std::make_unique<Resource>(ResourceType::graphic, resourceID))
{
    BlockCursor& cursor = graphicResource->Cursor();
    const GraphicBlockHeader header = GraphicBlockHeader::Parse(cursor);
    if (!header.isValid) {
        return;
    }
    bounds = {header.left, header.left, header.top, header.top};
    eraseColor = header.eraseColor;

    // Every row must end inside the block and cover no more than the width, so that drawing,
    // which trusts the rows, never reads or writes outside what it should.
    const std::uint8_t* rows = header.imageStart;
    const auto available = static_cast<std::size_t>(header.imageSize);
    std::size_t offset = 0;
    for (int row = 0; row < header.height; ++row) {
        const auto rowSize = SkipDumpRunEncoding8Bit::RowSize(rows + offset, available - offset, header.width);
        if (!rowSize) {
            cursor.Fail("row " + std::to_string(row) + " of the graphic covers more than its width of " +
                        std::to_string(header.width) + " pixels or runs past the end of the block");
            return;
        }
        offset += static_cast<std::size_t>(*rowSize);
    }
    bounds.right = header.left + header.width;
    bounds.bottom = header.top + header.height;
    imageStart = rows;
    graphicResource->ResetCurrentDataPointer();
}

Graphic8Bit::~Graphic8Bit() = default;

void Graphic8Bit::Render(Point2D position, EraseOrNot eraseOrNot, TargetBuffer targetBuffer) const
{
    if (imageStart == nullptr) {
        return;
    }
    const QuillonRectangle<int> placed{position.x, position.x + Width(), position.y, position.y + Height()};
    const QuillonRectangle<int> screen = DisplayScreen8Bit::Bounds();
    const QuillonRectangle<int> visible = Intersection(placed, screen);
    if (visible.IsEmpty()) {
        return;
    }

    std::uint8_t* const start = targetBuffer == offscreen ? DisplayScreen8Bit::OffscreenBufferStart()
                                                          : DisplayScreen8Bit::UnderlayBufferStart();
    const int bytesPerRow = targetBuffer == offscreen ? DisplayScreen8Bit::OffscreenBufferBytesPerRow()
                                                      : DisplayScreen8Bit::UnderlayBufferBytesPerRow();
    if (start == nullptr) {
        return;
    }
    std::uint8_t* destination = start + static_cast<std::ptrdiff_t>(visible.top - screen.top) * bytesPerRow +
        (visible.left - screen.left);
    const int clippedTopSize = visible.top - placed.top;
    const int clippedLeftSize = visible.left - placed.left;
    const int visibleWidth = visible.Width();
    const int visibleHeight = visible.Height();

    const std::uint8_t* source = imageStart;
    for (int row = 0; row < clippedTopSize; ++row) {
        source += SkipDumpRunEncoding8Bit::DecodeToNowhere(source);
    }

    const bool wholeRows = visibleWidth == Width();
    for (int row = 0; row < visibleHeight; ++row) {
        int rowSize = 0;
        if (wholeRows) {
            rowSize = eraseOrNot == dontErase
                ? SkipDumpRunEncoding8Bit::Decode(source, destination)
                : SkipDumpRunEncoding8Bit::DecodeUsingSingleColor(source, destination, eraseColor);
        } else {
            rowSize = eraseOrNot == dontErase
                ? SkipDumpRunEncoding8Bit::DecodeClipped(source, destination, clippedLeftSize, visibleWidth)
                : SkipDumpRunEncoding8Bit::DecodeUsingSingleColorClipped(source, destination, eraseColor,
                                                                         clippedLeftSize, visibleWidth);
        }
        source += rowSize;
        destination += bytesPerRow;
    }

    if (targetBuffer == offscreen) {
        DisplayScreen8Bit::InvalidateOffscreenBuffer(visible);
    } else {
        DisplayScreen8Bit::InvalidateUnderlayBuffer(visible);
    }
}

void Graphic8Bit::RenderToUnderlay(Point2D position) const
{
    Render(position, dontErase, underlay);
}

void Graphic8Bit::RenderToUnderlay() const
{
    RenderToUnderlay(Point2D{bounds.left, bounds.top});
}
