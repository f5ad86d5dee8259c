#pragma once

#include <cstdint>
#include <memory>

#include "Core/Point/Point2D.h"
#include "Core/Rectangle/QuillonRectangle.h"
#include "Core/Resource/ResourceType.h"

class Resource;

// One picture of 8-bit palette indices, drawn straight from its GRF1 block into the display
// screen's off-screen buffer or underlay. Skipped pixels of its rows are transparent.
//
// The rows are checked once when the graphic is made. A block that is missing, too short for
// its header, has a negative size or holds a row that overruns its width or the block is
// reported once (type and id) on standard error and behaves as empty: its bounds have no width
// and no height (they keep the header's placement when the header could be read), and it draws
// nothing.
class Graphic8Bit {
public:
    enum EraseOrNot { erase = 0, dontErase = 1 };
    enum TargetBuffer { offscreen = 0, underlay = 1 };

    explicit Graphic8Bit(ResourceID resourceID);
    ~Graphic8Bit();
    Graphic8Bit(const Graphic8Bit&) = delete;
    Graphic8Bit& operator=(const Graphic8Bit&) = delete;

    // left and top are the graphic's own placement; right = left + width, bottom = top + height.
    QuillonRectangle<int> Bounds() const { return bounds; }
    int Width() const { return bounds.Width(); }
    int Height() const { return bounds.Height(); }
    std::uint8_t EraseColor() const { return eraseColor; }
    // False when the block was missing or malformed.
    bool IsValid() const { return imageStart != nullptr; }

    // Draws the graphic with its top-left pixel at position (screen pixels), clipped to the
    // screen, into the chosen buffer, and invalidates the drawn rectangle there. With erase,
    // every drawn pixel takes the erase colour (the graphic's silhouette). Nothing happens when
    // that buffer is not prepared for the current frame.
    void Render(Point2D position, EraseOrNot eraseOrNot, TargetBuffer targetBuffer) const;
    void RenderToUnderlay(Point2D position) const;
    // At the graphic's own placement.
    void RenderToUnderlay() const;

private:
    std::unique_ptr<Resource> graphicResource;
    QuillonRectangle<int> bounds;
    std::uint8_t eraseColor = 0;
    // First byte of the encoded rows inside the block; null when the graphic is empty.
    const std::uint8_t* imageStart = nullptr;
};
