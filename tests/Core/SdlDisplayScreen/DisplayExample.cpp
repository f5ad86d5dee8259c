// Developer example, not run by CTest: shows a test picture on the real SDL2 display, full
// screen on the desktop, fading in and out, and follows the pointer with a small square.
//   display_example [seconds] [screenshot.ppm]
// With a screenshot path it also saves the screen's 8-bit picture through its palette, as the
// game's screen capture sees it.

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/SdlDisplayScreen/SdlDisplayScreen8Bit.h"
#include "Core/Timer/Timer.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <vector>

namespace {

// A palette of four colour ramps, entry 0 white and 255 black as the display requires.
std::vector<ColorBytes> TestPalette()
{
    std::vector<ColorBytes> colors(256);
    for (int i = 0; i < 256; ++i) {
        const int level = (i % 64) * 4;
        switch (i / 64) {
        case 0: colors[i] = {level, level / 2, 255 - level}; break;
        case 1: colors[i] = {level / 3, level, level / 2}; break;
        case 2: colors[i] = {255 - level / 2, level, 64}; break;
        default: colors[i] = {level, level, level}; break;
        }
    }
    return colors;
}

// Diagonal colour bands over the whole underlay.
void DrawUnderlay()
{
    DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
    std::uint8_t* start = DisplayScreen8Bit::UnderlayBufferStart();
    const int bytesPerRow = DisplayScreen8Bit::UnderlayBufferBytesPerRow();
    for (int y = 0; y < DisplayScreen8Bit::Height(); ++y) {
        for (int x = 0; x < DisplayScreen8Bit::Width(); ++x) {
            start[y * bytesPerRow + x] = static_cast<std::uint8_t>(1 + ((x + y) / 4) % 254);
        }
    }
    DisplayScreen8Bit::InvalidateUnderlayBuffer();
}

void DrawPointerSquare(Point2D pointer)
{
    std::uint8_t* start = DisplayScreen8Bit::OffscreenBufferStart();
    const int bytesPerRow = DisplayScreen8Bit::OffscreenBufferBytesPerRow();
    for (int y = pointer.y - 4; y <= pointer.y + 4; ++y) {
        for (int x = pointer.x - 4; x <= pointer.x + 4; ++x) {
            if (x >= 0 && y >= 0 && x < DisplayScreen8Bit::Width() && y < DisplayScreen8Bit::Height()) {
                start[y * bytesPerRow + x] = 255;
            }
        }
    }
}

void ShowFrame()
{
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    DrawPointerSquare(DisplayScreen8Bit::CursorPosition());
    DisplayScreen8Bit::ShowOffscreenBuffer();
    SDL_PumpEvents();
}

bool SaveScreenshot(const char* path)
{
    std::uint8_t* pixels = nullptr;
    DisplayScreen8Bit::RGBQuad* colors = nullptr;
    DisplayScreen8Bit::PlatformSpecificsInstance()->GetScreenData(&pixels);
    DisplayScreen8Bit::PlatformSpecificsInstance()->GetRGBQUADData(&colors);
    const bool ok = pixels != nullptr && colors != nullptr;
    if (ok) {
        const int width = DisplayScreen8Bit::Width();
        const int height = DisplayScreen8Bit::Height();
        std::ofstream file(path, std::ios::binary);
        file << "P6\n" << width << ' ' << height << "\n255\n";
        for (int row = height - 1; row >= 0; --row) {  // the screen data runs bottom-up
            for (int x = 0; x < width; ++x) {
                const DisplayScreen8Bit::RGBQuad& color = colors[pixels[row * width + x]];
                file.put(static_cast<char>(color.red)).put(static_cast<char>(color.green)).put(static_cast<char>(color.blue));
            }
        }
    }
    delete[] pixels;
    delete[] colors;
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;
    const char* screenshotPath = argc > 2 ? argv[2] : nullptr;

    ScopedInMemoryResources resources;
    resources.Add(ResourceType::colorLookupTable, DisplayScreen8Bit::defaultColorMapID, ColorTableBlockBytes(TestPalette()));
    resources.Add(ResourceType::screenDescription, DisplayScreen8Bit::defaultScreenDescriptionID,
                  ScreenDescriptionBlockBytes(640, 480, true));

    Timer::Initialize();
    if (!DisplayScreen8Bit::Initialize(SdlDisplayScreen8Bit::Create())) {
        std::puts("display_example: no display is available; nothing to show.");
        return 1;
    }
    if (!DisplayScreen8Bit::Reserve(DisplayScreen8Bit::defaultScreenDescriptionID)) {
        std::puts("display_example: the display could not be reserved.");
        DisplayScreen8Bit::Finalize();
        return 1;
    }
    DisplayScreen8Bit::SetColorMap(DisplayScreen8Bit::defaultColorMapID);
    DrawUnderlay();
    DisplayScreen8Bit::Activate();

    const double start = Timer::Time();
    while (Timer::Time() - start < seconds) {
        const double t = Timer::Time() - start;
        DisplayScreen8Bit::Fade(t < 0.5 ? t / 0.5 : (seconds - t < 0.5 ? (seconds - t) / 0.5 : 1.0));
        ShowFrame();
        if (screenshotPath != nullptr && t > seconds / 2) {
            std::printf("display_example: screenshot %s\n", SaveScreenshot(screenshotPath) ? "saved" : "failed");
            screenshotPath = nullptr;
        }
    }
    DisplayScreen8Bit::Release();
    DisplayScreen8Bit::Finalize();
    return 0;
}
