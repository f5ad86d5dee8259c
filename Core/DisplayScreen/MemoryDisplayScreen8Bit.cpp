#include "Core/DisplayScreen/MemoryDisplayScreen8Bit.h"

#include <algorithm>

MemoryDisplayScreen8Bit::MemoryDisplayScreen8Bit(int rowPadding) : rowPadding(std::max(rowPadding, 0)) {}

bool MemoryDisplayScreen8Bit::Reserve()
{
    if (reserveFails) {
        return false;
    }
    bytesPerRow = DisplayScreen8Bit::Width() + rowPadding;
    const std::size_t size = static_cast<std::size_t>(bytesPerRow) * static_cast<std::size_t>(DisplayScreen8Bit::Height());
    visible.assign(size, 0);
    offscreen.assign(size, 0);
    underlay.assign(DisplayScreen8Bit::HasUnderlay() ? size : 0, 0);
    isReserved = true;
    return true;
}

void MemoryDisplayScreen8Bit::Release()
{
    UnlockBuffers();
    visible.clear();
    offscreen.clear();
    underlay.clear();
    isReserved = false;
    isActive = false;
}

void MemoryDisplayScreen8Bit::Activate()
{
    isActive = isReserved;
    cursorPosition = DisplayScreen8Bit::Bounds().IsEmpty()
        ? Point2D{}
        : Point2D{DisplayScreen8Bit::Width() / 2, DisplayScreen8Bit::Height() / 2};
}

void MemoryDisplayScreen8Bit::Pause()
{
    if (!isReserved) {
        return;
    }
    UnlockBuffers();
    isActive = false;
}

void MemoryDisplayScreen8Bit::Deactivate()
{
    UnlockBuffers();
}

void MemoryDisplayScreen8Bit::Fade(double level)
{
    UnlockBuffers();
    fadeLevel = std::clamp(level, 0.0, 1.0);
    fadeLevels.push_back(level);
}

void MemoryDisplayScreen8Bit::SetColorMap(ResourceID resourceID)
{
    palette.SetColorMap(resourceID);
}

void MemoryDisplayScreen8Bit::PrepareToRenderToOffscreenBuffer()
{
    if (!isReserved) {
        return;
    }
    if (!underlay.empty()) {
        std::copy(underlay.begin(), underlay.end(), offscreen.begin());
    }
    PublishOffscreenBuffer(offscreen.data(), bytesPerRow);
}

void MemoryDisplayScreen8Bit::PrepareToRenderToUnderlayBuffer()
{
    if (!DisplayScreen8Bit::HasUnderlay() || underlay.empty()) {
        PublishUnderlayBuffer(nullptr, 0);
        return;
    }
    PublishUnderlayBuffer(underlay.data(), bytesPerRow);
}

void MemoryDisplayScreen8Bit::InvalidateOffscreenBuffer(const QuillonRectangle<int>& rectangle)
{
    offscreenInvalidations.push_back(rectangle);
}

void MemoryDisplayScreen8Bit::InvalidateUnderlayBuffer(const QuillonRectangle<int>& rectangle)
{
    underlayInvalidations.push_back(rectangle);
}

void MemoryDisplayScreen8Bit::ShowOffscreenBuffer()
{
    if (!isReserved) {
        return;
    }
    UnlockBuffers();
    // As a flip: the picture drawn becomes visible, the old visible one the next back buffer.
    visible.swap(offscreen);
    ++shownFrameCount;
}

Point2D MemoryDisplayScreen8Bit::CursorPosition()
{
    return cursorPosition;
}

void MemoryDisplayScreen8Bit::GetScreenData(std::uint8_t** out)
{
    if (out == nullptr || *out != nullptr || !isReserved) {
        return;
    }
    *out = NewBottomUpCopy(visible.data(), DisplayScreen8Bit::Width(), DisplayScreen8Bit::Height(), bytesPerRow);
}

void MemoryDisplayScreen8Bit::GetRGBQUADData(DisplayScreen8Bit::RGBQuad** out)
{
    if (out == nullptr || *out != nullptr || !isReserved || !palette.HasColorMap()) {
        return;
    }
    *out = palette.NewRGBQuadArray();
}

void MemoryDisplayScreen8Bit::ForgetCalls()
{
    fadeLevels.clear();
    offscreenInvalidations.clear();
    underlayInvalidations.clear();
    shownFrameCount = 0;
}

std::size_t MemoryDisplayScreen8Bit::Index(int x, int y) const
{
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(bytesPerRow) + static_cast<std::size_t>(x);
}

void MemoryDisplayScreen8Bit::UnlockBuffers()
{
    PublishOffscreenBuffer(nullptr, 0);
    PublishUnderlayBuffer(nullptr, 0);
}
