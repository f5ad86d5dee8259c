#pragma once

#include <cstdint>
#include <vector>

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/DisplayScreen/ScreenPalette.h"

// A display back end of plain memory buffers with the same buffer protocol as a real display:
// for tests and benchmarks, and wherever the engine runs without a window. It keeps a record of
// what it was asked to do so that tests can check the calls that reach a back end.
class MemoryDisplayScreen8Bit : public DisplayScreen8Bit::PlatformSpecifics {
public:
    // Rows are rowPadding bytes longer than the screen is wide, so that code which confuses
    // width and bytes per row shows up in tests.
    explicit MemoryDisplayScreen8Bit(int rowPadding = 0);

    bool Reserve() override;
    void Release() override;
    void Activate() override;
    void Pause() override;
    void Deactivate() override;
    void Fade(double level) override;
    void SetColorMap(ResourceID resourceID) override;
    void PrepareToRenderToOffscreenBuffer() override;
    void PrepareToRenderToUnderlayBuffer() override;
    void InvalidateOffscreenBuffer(const QuillonRectangle<int>& rectangle) override;
    void InvalidateUnderlayBuffer(const QuillonRectangle<int>& rectangle) override;
    void ShowOffscreenBuffer() override;
    Point2D CursorPosition() override;
    void GetScreenData(std::uint8_t** out) override;
    void GetRGBQUADData(DisplayScreen8Bit::RGBQuad** out) override;

    void SetCursorPosition(Point2D position) { cursorPosition = position; }
    // Makes Reserve() fail, as a display that cannot be had.
    void SetReserveFails(bool fails) { reserveFails = fails; }

    bool IsReserved() const { return isReserved; }
    bool IsActive() const { return isActive; }
    int BytesPerRow() const { return bytesPerRow; }
    // Pixel (x, y) of the picture last shown, of the off-screen buffer and of the underlay.
    std::uint8_t VisiblePixel(int x, int y) const { return visible.at(Index(x, y)); }
    std::uint8_t OffscreenPixel(int x, int y) const { return offscreen.at(Index(x, y)); }
    std::uint8_t UnderlayPixel(int x, int y) const { return underlay.at(Index(x, y)); }
    // Whole buffers, rows BytesPerRow() apart.
    const std::vector<std::uint8_t>& VisibleBuffer() const { return visible; }
    const std::vector<std::uint8_t>& OffscreenBuffer() const { return offscreen; }
    const std::vector<std::uint8_t>& UnderlayBuffer() const { return underlay; }
    const ScreenPalette& Palette() const { return palette; }
    double FadeLevel() const { return fadeLevel; }

    // What reached the back end, in call order.
    const std::vector<double>& FadeLevels() const { return fadeLevels; }
    const std::vector<QuillonRectangle<int>>& OffscreenInvalidations() const { return offscreenInvalidations; }
    const std::vector<QuillonRectangle<int>>& UnderlayInvalidations() const { return underlayInvalidations; }
    int ShownFrameCount() const { return shownFrameCount; }
    void ForgetCalls();

private:
    std::size_t Index(int x, int y) const;
    void UnlockBuffers();

    int rowPadding;
    int bytesPerRow = 0;
    bool reserveFails = false;
    bool isReserved = false;
    bool isActive = false;
    std::vector<std::uint8_t> visible;
    std::vector<std::uint8_t> offscreen;
    std::vector<std::uint8_t> underlay;
    ScreenPalette palette;
    double fadeLevel = 1.0;
    Point2D cursorPosition;
    std::vector<double> fadeLevels;
    std::vector<QuillonRectangle<int>> offscreenInvalidations;
    std::vector<QuillonRectangle<int>> underlayInvalidations;
    int shownFrameCount = 0;
};
