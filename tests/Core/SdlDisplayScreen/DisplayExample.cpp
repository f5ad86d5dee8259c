// Developer example, not run by CTest: shows a test picture on the real SDL2 display, full
// screen on the desktop, fading in and out, and follows the pointer with a small square.
//   display_example [seconds]

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/SdlDisplayScreen/SdlDisplayScreen8Bit.h"
#include "Core/Timer/Timer.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

// Colour ramps; the display keeps entry 0 white and 255 black whatever the table says.
std::vector<ColorBytes> TestPalette()
{
    std::vector<ColorBytes> colors(256);
    for (int i = 0; i < 256; ++i) {
        colors[i] = {i, (i * 4) % 256, 255 - i};
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

}  // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 3.0;

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
    }
    DisplayScreen8Bit::Release();
    DisplayScreen8Bit::Finalize();
    return 0;
}
