#pragma once

#include <array>
#include <chrono>
#include <cstdint>
#include <vector>

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/DisplayScreen/ScreenPalette.h"

struct SDL_Window;
struct SDL_Renderer;
struct SDL_Texture;

// The game's display on SDL2: one window, full screen on the desktop, and a renderer that waits
// for the display's refresh. The picture is letterboxed: scaled by the largest whole factor that
// fits with every pixel repeated exactly, and only the remaining fraction smoothed, so pixels
// stay crisp and even on any screen (a software renderer, which would smooth at a high cost in
// processor time, only repeats pixels). The 8-bit pictures live in plain memory; at present time
// the visible one is turned into pixels through the palette, which a fade scales.
//
// Showing a frame paces the game loop: the present waits for the display's refresh; where the
// renderer cannot (some drivers offer no synchronised renderer, a software renderer only
// imitates one), or where the frame is the one
// already on the screen and is not presented again, the display waits itself until the next
// sixtieth of a second, so the loop never spins a core. The window is
// hidden until Activate() and hidden again by Pause(), so the menu window shows meanwhile; while
// active the pointer is confined to it.
class SdlDisplayScreen8Bit : public DisplayScreen8Bit::PlatformSpecifics {
public:
    // Opens SDL's video. When no display is available: a message on standard error and null.
    static SdlDisplayScreen8Bit* Create();
    ~SdlDisplayScreen8Bit() override;
    SdlDisplayScreen8Bit(const SdlDisplayScreen8Bit&) = delete;
    SdlDisplayScreen8Bit& operator=(const SdlDisplayScreen8Bit&) = delete;

    bool Reserve() override;
    void Release() override;
    void Activate() override;
    void Pause() override;
    void Deactivate() override;
    void Fade(double level) override;
    void SetColorMap(ResourceID resourceID) override;
    void PrepareToRenderToOffscreenBuffer() override;
    void PrepareToRenderToUnderlayBuffer() override;
    // The whole picture is converted at every present, so the rectangles need no work.
    void InvalidateOffscreenBuffer(const QuillonRectangle<int>& rectangle) override;
    void InvalidateUnderlayBuffer(const QuillonRectangle<int>& rectangle) override;
    void ShowOffscreenBuffer() override;
    // The pointer in screen pixels, through the letterbox and clamped to the screen; the last
    // position read while the game is paused and the pointer is not over its window.
    Point2D CursorPosition() override;
    void GetScreenData(std::uint8_t** out) override;
    void GetRGBQUADData(DisplayScreen8Bit::RGBQuad** out) override;

    // The game's window (null until reserved), for the input back end.
    SDL_Window* Window() const { return window; }
    bool IsActive() const { return isActive; }
    double FadeLevel() const { return fadeLevel; }
    // The renderer's present waits for the display's refresh.
    bool PresentsWithVsync() const { return presentsWithVsync; }
    // The colour palette index shows on the display now, fade included.
    PaletteColor DisplayedColor(std::uint8_t index) const;

private:
    SdlDisplayScreen8Bit() = default;

    bool MakeSurfaces();
    // True when the buffers have the reserved screen's size and its underlay.
    bool SurfacesFitTheScreen() const;
    void UnlockSurfaces();
    // Turns the visible picture into pixels through the faded palette and presents them.
    void Present();
    void UpdatePixelValues();
    // The picture repeated by the whole factor, in a render target of its own; false when the
    // renderer has no render targets (the picture is then scaled in one step).
    bool PrepareWholeFactorTarget(int factor);
    // Sleeps until the next frame is due.
    void WaitForNextFrame(bool hasWaitedForRefresh);

    SDL_Window* window = nullptr;
    SDL_Renderer* renderer = nullptr;
    SDL_Texture* texture = nullptr;
    SDL_Texture* wholeFactorTexture = nullptr;
    int wholeFactor = 0;
    bool presentsWithVsync = false;
    bool smoothsFraction = false;
    std::chrono::steady_clock::time_point nextFrameTime;
    int unchangedFramesSkipped = 0;
    static constexpr int maximumUnchangedFramesSkipped = 30;
    int bytesPerRow = 0;
    std::vector<std::uint8_t> visible;
    std::vector<std::uint8_t> backBuffer;
    std::vector<std::uint8_t> underlay;
    ScreenPalette palette;
    double fadeLevel = 1.0;
    // The texture's pixel value for each palette index at the current fade level.
    std::array<std::uint32_t, ScreenPalette::entryCount> pixelValues{};
    bool isActive = false;
    Point2D cursorPosition;
};
