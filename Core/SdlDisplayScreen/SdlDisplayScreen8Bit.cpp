#include "Core/SdlDisplayScreen/SdlDisplayScreen8Bit.h"

#include "Core/SdlDisplayScreen/Letterbox.h"

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iostream>
#include <thread>

namespace {

void ReportSdlFailure(const char* what)
{
    std::cerr << "Marrowmere: " << what << " (" << SDL_GetError() << ")\n";
}

} // namespace

SdlDisplayScreen8Bit* SdlDisplayScreen8Bit::Create()
{
    // SDL would turn an interrupt or a termination request into a quit event, which nobody
    // reads during play: the program must stay stoppable by signals.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        std::cerr << "SDL2 Error!: Couldn't create an SDL2 display object! (" << SDL_GetError() << ")\n";
        return nullptr;
    }
    auto* screen = new SdlDisplayScreen8Bit;
    screen->UpdatePixelValues();
    return screen;
}

SdlDisplayScreen8Bit::~SdlDisplayScreen8Bit()
{
    Release();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

bool SdlDisplayScreen8Bit::Reserve()
{
    // Reserved again for a screen of another size or underlay: the surfaces made for the old
    // one would be drawn past, so they are made anew.
    if (window != nullptr && !SurfacesFitTheScreen()) {
        Release();
    }
    if (!MakeSurfaces()) {
        Release();
        return false;
    }
    return true;
}

bool SdlDisplayScreen8Bit::MakeSurfaces()
{
    if (window != nullptr) {
        return true;
    }
    const int width = DisplayScreen8Bit::Width();
    const int height = DisplayScreen8Bit::Height();
    window = SDL_CreateWindow("Marrowmere", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                              SDL_WINDOW_FULLSCREEN_DESKTOP | SDL_WINDOW_HIDDEN);
    if (window == nullptr) {
        ReportSdlFailure("the game's full-screen window could not be made");
        return false;
    }
    renderer = SDL_CreateRenderer(window, -1, SDL_RENDERER_PRESENTVSYNC);
    if (renderer == nullptr) {
        // Some drivers offer no synchronised renderer at all; an unsynchronised one still works.
        renderer = SDL_CreateRenderer(window, -1, 0);
    }
    if (renderer == nullptr) {
        ReportSdlFailure("the game's display renderer could not be made");
        return false;
    }
    SDL_RendererInfo info{};
    const bool hasInfo = SDL_GetRendererInfo(renderer, &info) == 0;
    // A renderer without a graphics processor only imitates the wait for the refresh, at no
    // reliable rate, and smoothing in software costs milliseconds a frame: there the display
    // paces the loop itself and only repeats pixels.
    const bool isAccelerated = hasInfo && (info.flags & SDL_RENDERER_SOFTWARE) == 0;
    presentsWithVsync = isAccelerated && (info.flags & SDL_RENDERER_PRESENTVSYNC) != 0;
    smoothsFraction = isAccelerated;
    texture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_STREAMING, width, height);
    if (texture == nullptr) {
        ReportSdlFailure("the game's picture could not be made");
        return false;
    }
    SDL_SetTextureScaleMode(texture, SDL_ScaleModeNearest);

    bytesPerRow = width;
    const std::size_t size = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    visible.assign(size, 0);
    backBuffer.assign(size, 0);
    underlay.assign(DisplayScreen8Bit::HasUnderlay() ? size : 0, 0);
    return true;
}

bool SdlDisplayScreen8Bit::SurfacesFitTheScreen() const
{
    const int width = DisplayScreen8Bit::Width();
    const std::size_t size = static_cast<std::size_t>(width) * static_cast<std::size_t>(DisplayScreen8Bit::Height());
    return bytesPerRow == width && visible.size() == size && underlay.size() == (DisplayScreen8Bit::HasUnderlay() ? size : 0);
}

void SdlDisplayScreen8Bit::Release()
{
    UnlockSurfaces();
    if (window != nullptr) {
        SDL_SetWindowGrab(window, SDL_FALSE);
    }
    if (wholeFactorTexture != nullptr) {
        SDL_DestroyTexture(wholeFactorTexture);
        wholeFactorTexture = nullptr;
        wholeFactor = 0;
    }
    if (texture != nullptr) {
        SDL_DestroyTexture(texture);
        texture = nullptr;
    }
    if (renderer != nullptr) {
        SDL_DestroyRenderer(renderer);
        renderer = nullptr;
    }
    if (window != nullptr) {
        SDL_DestroyWindow(window);
        window = nullptr;
    }
    visible.clear();
    backBuffer.clear();
    underlay.clear();
    isActive = false;
}

void SdlDisplayScreen8Bit::Activate()
{
    if (window == nullptr) {
        return;
    }
    SDL_ShowWindow(window);
    SDL_RaiseWindow(window);
    SDL_SetWindowGrab(window, SDL_TRUE);
    isActive = true;
    int windowWidth = 0;
    int windowHeight = 0;
    SDL_GetWindowSize(window, &windowWidth, &windowHeight);
    const Point2D middle{DisplayScreen8Bit::Width() / 2, DisplayScreen8Bit::Height() / 2};
    const Point2D warpTo = Letterbox(windowWidth, windowHeight, DisplayScreen8Bit::Width(), DisplayScreen8Bit::Height())
                               .PictureToWindow(middle);
    SDL_WarpMouseInWindow(window, warpTo.x, warpTo.y);
    cursorPosition = middle;
    Present();
}

void SdlDisplayScreen8Bit::Pause()
{
    if (window == nullptr) {
        return;
    }
    UnlockSurfaces();
    SDL_SetWindowGrab(window, SDL_FALSE);
    SDL_HideWindow(window);
    isActive = false;
}

void SdlDisplayScreen8Bit::Deactivate()
{
    UnlockSurfaces();
}

void SdlDisplayScreen8Bit::Fade(double level)
{
    UnlockSurfaces();
    // Anything that is not a level from 0 to 1 (a NaN included) is taken as the nearer end.
    fadeLevel = level > 0.0 ? std::min(level, 1.0) : 0.0;
    UpdatePixelValues();
    Present();
}

void SdlDisplayScreen8Bit::SetColorMap(ResourceID resourceID)
{
    palette.SetColorMap(resourceID);
    UpdatePixelValues();
    Present();
}

void SdlDisplayScreen8Bit::PrepareToRenderToOffscreenBuffer()
{
    if (window == nullptr) {
        return;
    }
    if (!underlay.empty()) {
        std::memcpy(backBuffer.data(), underlay.data(), backBuffer.size());
    }
    PublishOffscreenBuffer(backBuffer.data(), bytesPerRow);
}

void SdlDisplayScreen8Bit::PrepareToRenderToUnderlayBuffer()
{
    if (!DisplayScreen8Bit::HasUnderlay() || underlay.empty()) {
        PublishUnderlayBuffer(nullptr, 0);
        return;
    }
    PublishUnderlayBuffer(underlay.data(), bytesPerRow);
}

void SdlDisplayScreen8Bit::InvalidateOffscreenBuffer(const QuillonRectangle<int>&) {}

void SdlDisplayScreen8Bit::InvalidateUnderlayBuffer(const QuillonRectangle<int>&) {}

void SdlDisplayScreen8Bit::ShowOffscreenBuffer()
{
    if (window == nullptr) {
        return;
    }
    UnlockSurfaces();
    visible.swap(backBuffer);
    // A frame like the one on the screen is not presented again (the loop then waits for the
    // next sixtieth of a second instead), except now and then, so that a window the desktop
    // has drawn over gets its picture back.
    const bool isUnchanged = visible == backBuffer;
    const bool presents = !isUnchanged || ++unchangedFramesSkipped >= maximumUnchangedFramesSkipped;
    if (presents) {
        unchangedFramesSkipped = 0;
        Present();
    }
    WaitForNextFrame(presents && isActive && presentsWithVsync);
}

void SdlDisplayScreen8Bit::WaitForNextFrame(bool hasWaitedForRefresh)
{
    using Clock = std::chrono::steady_clock;
    // After a present that waited for the display's refresh, only a guard against drivers
    // whose present returns at once (a hidden window); otherwise a sixtieth of a second.
    const double period = hasWaitedForRefresh ? 1.0 / 240.0 : 1.0 / 60.0;
    auto now = Clock::now();
    if (now < nextFrameTime) {
        std::this_thread::sleep_until(nextFrameTime);
        now = nextFrameTime;
    }
    // A late frame starts the count afresh rather than hurrying to catch up.
    nextFrameTime = std::max(nextFrameTime, now) +
                    std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(period));
}

bool SdlDisplayScreen8Bit::PrepareWholeFactorTarget(int factor)
{
    if (wholeFactorTexture != nullptr && wholeFactor == factor) {
        return true;
    }
    if (wholeFactorTexture != nullptr) {
        SDL_DestroyTexture(wholeFactorTexture);
        wholeFactorTexture = nullptr;
    }
    wholeFactor = factor;
    if (SDL_RenderTargetSupported(renderer) == SDL_FALSE) {
        return false;
    }
    wholeFactorTexture = SDL_CreateTexture(renderer, SDL_PIXELFORMAT_ARGB8888, SDL_TEXTUREACCESS_TARGET,
                                           DisplayScreen8Bit::Width() * factor, DisplayScreen8Bit::Height() * factor);
    if (wholeFactorTexture != nullptr) {
        SDL_SetTextureScaleMode(wholeFactorTexture, SDL_ScaleModeLinear);
    }
    return wholeFactorTexture != nullptr;
}

Point2D SdlDisplayScreen8Bit::CursorPosition()
{
    // While the game is active the pointer is confined to its window, so SDL's pointer state is
    // in that window's coordinates; otherwise only while the pointer is over the window.
    if (window == nullptr || !(isActive || SDL_GetMouseFocus() == window)) {
        return cursorPosition;
    }
    int x = 0;
    int y = 0;
    SDL_GetMouseState(&x, &y);
    int windowWidth = 0;
    int windowHeight = 0;
    SDL_GetWindowSize(window, &windowWidth, &windowHeight);
    cursorPosition = Letterbox(windowWidth, windowHeight, DisplayScreen8Bit::Width(), DisplayScreen8Bit::Height())
                         .WindowToPicture(x, y);
    return cursorPosition;
}

void SdlDisplayScreen8Bit::GetScreenData(std::uint8_t** out)
{
    if (out == nullptr || *out != nullptr || window == nullptr) {
        return;
    }
    *out = NewBottomUpCopy(visible.data(), DisplayScreen8Bit::Width(), DisplayScreen8Bit::Height(), bytesPerRow);
}

void SdlDisplayScreen8Bit::GetRGBQUADData(DisplayScreen8Bit::RGBQuad** out)
{
    if (out == nullptr || *out != nullptr || window == nullptr || !palette.HasColorMap()) {
        return;
    }
    *out = palette.NewRGBQuadArray();
}

PaletteColor SdlDisplayScreen8Bit::DisplayedColor(std::uint8_t index) const
{
    const std::uint32_t value = pixelValues[index];
    return {static_cast<std::uint8_t>(value >> 16), static_cast<std::uint8_t>(value >> 8),
            static_cast<std::uint8_t>(value)};
}

void SdlDisplayScreen8Bit::UnlockSurfaces()
{
    PublishOffscreenBuffer(nullptr, 0);
    PublishUnderlayBuffer(nullptr, 0);
}

void SdlDisplayScreen8Bit::UpdatePixelValues()
{
    const auto scaled = [this](std::uint8_t component) {
        return static_cast<std::uint32_t>(std::lround(component * fadeLevel));
    };
    for (int index = 0; index < ScreenPalette::entryCount; ++index) {
        const PaletteColor& color = palette[index];
        pixelValues[static_cast<std::size_t>(index)] =
            0xFF000000u | scaled(color.red) << 16 | scaled(color.green) << 8 | scaled(color.blue);
    }
}

void SdlDisplayScreen8Bit::Present()
{
    if (!isActive || texture == nullptr) {
        return;
    }
    void* pixels = nullptr;
    int pitch = 0;
    if (SDL_LockTexture(texture, nullptr, &pixels, &pitch) != 0) {
        return;
    }
    const int width = DisplayScreen8Bit::Width();
    const int height = DisplayScreen8Bit::Height();
    for (int y = 0; y < height; ++y) {
        const std::uint8_t* source = visible.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(bytesPerRow);
        auto* destination = reinterpret_cast<std::uint32_t*>(static_cast<std::uint8_t*>(pixels) +
                                                             static_cast<std::ptrdiff_t>(y) * pitch);
        for (int x = 0; x < width; ++x) {
            destination[x] = pixelValues[source[x]];
        }
    }
    SDL_UnlockTexture(texture);

    int outputWidth = 0;
    int outputHeight = 0;
    SDL_GetRendererOutputSize(renderer, &outputWidth, &outputHeight);
    const Letterbox box(outputWidth, outputHeight, width, height);
    const Letterbox::Placement placement = box.PicturePlacement();
    const SDL_Rect destination{placement.x, placement.y, placement.width, placement.height};
    SDL_Texture* source = texture;
    // The whole factor repeats pixels exactly (nearest); only the fraction left is smoothed.
    // With a whole factor of 1 the picture itself is smoothed on the way; with no fraction left
    // it is only repeated.
    const int factor = box.WholeFactor();
    const bool hasFraction = smoothsFraction && placement.width != width * factor;
    SDL_SetTextureScaleMode(texture, hasFraction && factor == 1 ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    if (hasFraction && factor > 1 && PrepareWholeFactorTarget(factor) &&
        SDL_SetRenderTarget(renderer, wholeFactorTexture) == 0) {
        SDL_RenderCopy(renderer, texture, nullptr, nullptr);
        SDL_SetRenderTarget(renderer, nullptr);
        source = wholeFactorTexture;
    }
    // Black bars where the picture does not reach.
    if (placement.width < outputWidth || placement.height < outputHeight) {
        SDL_SetRenderDrawColor(renderer, 0, 0, 0, 255);
        SDL_RenderClear(renderer);
    }
    SDL_RenderCopy(renderer, source, nullptr, &destination);
    SDL_RenderPresent(renderer);
}
