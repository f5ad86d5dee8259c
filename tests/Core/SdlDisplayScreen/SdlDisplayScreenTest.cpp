#include "Core/SdlDisplayScreen/SdlDisplayScreen8Bit.h"

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/Resource/ResourceProblems.h"
#include "Core/SdlDisplayScreen/Letterbox.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <sstream>

namespace {

// Runs first: it needs a process in which SDL's video has not been opened yet.
TEST(SdlDisplayWithoutVideo, NoDisplayGivesAMessageAndNoBackEnd)
{
    const char* previous = std::getenv("SDL_VIDEODRIVER");
    const std::string saved = previous != nullptr ? previous : "";
    setenv("SDL_VIDEODRIVER", "no-such-video-driver", 1);
    testing::internal::CaptureStderr();
    SdlDisplayScreen8Bit* screen = SdlDisplayScreen8Bit::Create();
    const std::string message = testing::internal::GetCapturedStderr();
    if (previous != nullptr) {
        setenv("SDL_VIDEODRIVER", saved.c_str(), 1);
    } else {
        unsetenv("SDL_VIDEODRIVER");
    }
    EXPECT_EQ(screen, nullptr);
    EXPECT_NE(message.find("Couldn't create an SDL2 display object!"), std::string::npos) << message;
    EXPECT_FALSE(DisplayScreen8Bit::Initialize(screen));
    EXPECT_FALSE(DisplayScreen8Bit::Reserve(1000));
    DisplayScreen8Bit::Finalize();
}

// The SDL display under SDL's dummy video driver, reserved at 640 x 480 with an underlay and
// the colour table CLUT 1000 (entry i: red i, green 255 - i, blue i / 2).
class SdlDisplay : public ::testing::Test {
protected:
    // SDL's video stays open for the whole test program: closing it unloads system libraries
    // whose own start-up allocations the leak checker would then report at exit.
    // These tests are written for SDL's dummy video driver, whatever the environment offers.
    static void SetUpTestSuite()
    {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        SDL_InitSubSystem(SDL_INIT_VIDEO);
    }

    void SetUp() override
    {
        ResourceProblems::SetOutput(&reports);
        resources.Add(ResourceType::screenDescription, 1000, ScreenDescriptionBlockBytes(640, 480, true));
        std::vector<ColorBytes> colors;
        for (int i = 0; i < 256; ++i) {
            colors.push_back({i, 255 - i, i / 2});
        }
        resources.Add(ResourceType::colorLookupTable, 1000, ColorTableBlockBytes(colors));
        screen = SdlDisplayScreen8Bit::Create();
        ASSERT_NE(screen, nullptr) << "the dummy video driver should always be there";
        ASSERT_TRUE(DisplayScreen8Bit::Initialize(screen));
        ASSERT_TRUE(DisplayScreen8Bit::Reserve(1000));
        ASSERT_NE(screen->Window(), nullptr);
    }

    void TearDown() override
    {
        DisplayScreen8Bit::Finalize();
        ResourceProblems::SetOutput(nullptr);
        ResourceProblems::Forget();
    }

    // Draws one frame in which pixel (x, y) has index (x + y) % 256, and shows it.
    static void ShowGradientFrame()
    {
        DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
        std::uint8_t* pixels = DisplayScreen8Bit::OffscreenBufferStart();
        ASSERT_NE(pixels, nullptr);
        for (int y = 0; y < 480; ++y) {
            for (int x = 0; x < 640; ++x) {
                pixels[y * DisplayScreen8Bit::OffscreenBufferBytesPerRow() + x] = static_cast<std::uint8_t>((x + y) % 256);
            }
        }
        DisplayScreen8Bit::ShowOffscreenBuffer();
    }

    Letterbox WindowLetterbox() const
    {
        int width = 0;
        int height = 0;
        SDL_GetWindowSize(screen->Window(), &width, &height);
        return Letterbox(width, height, 640, 480);
    }

    ScopedInMemoryResources resources;
    SdlDisplayScreen8Bit* screen = nullptr; // owned by DisplayScreen8Bit
    std::ostringstream reports;
};

TEST_F(SdlDisplay, WindowIsHiddenUntilActivatedAndGivenUpWhenPaused)
{
    EXPECT_NE(SDL_GetWindowFlags(screen->Window()) & SDL_WINDOW_HIDDEN, 0u);
    DisplayScreen8Bit::Activate();
    EXPECT_TRUE(screen->IsActive());
    EXPECT_EQ(SDL_GetWindowFlags(screen->Window()) & SDL_WINDOW_HIDDEN, 0u);
    // The confinement asked for (the dummy driver gives no window the input focus that a
    // real grab needs).
    EXPECT_NE(SDL_GetWindowFlags(screen->Window()) & SDL_WINDOW_MOUSE_GRABBED, 0u);
    DisplayScreen8Bit::Pause();
    EXPECT_FALSE(screen->IsActive());
    EXPECT_NE(SDL_GetWindowFlags(screen->Window()) & SDL_WINDOW_HIDDEN, 0u);
    EXPECT_EQ(SDL_GetWindowFlags(screen->Window()) & SDL_WINDOW_MOUSE_GRABBED, 0u);
    DisplayScreen8Bit::Activate();
    EXPECT_TRUE(screen->IsActive());
}

// The screenshot and its colour table come from the shared code (tested with the memory back
// end); here only that they reach it from the frame shown and the colour map set.
TEST_F(SdlDisplay, ScreenshotIsTheShownFrameWithItsColourTable)
{
    DisplayScreen8Bit::RGBQuad* quads = nullptr;
    screen->GetRGBQUADData(&quads);
    EXPECT_EQ(quads, nullptr); // no colour map yet
    DisplayScreen8Bit::SetColorMap(1000);
    DisplayScreen8Bit::Activate();
    ShowGradientFrame();
    std::uint8_t* data = nullptr;
    screen->GetScreenData(&data);
    screen->GetRGBQUADData(&quads);
    ASSERT_NE(data, nullptr);
    ASSERT_NE(quads, nullptr);
    const std::unique_ptr<std::uint8_t[]> owned(data);
    const std::unique_ptr<DisplayScreen8Bit::RGBQuad[]> ownedQuads(quads);
    EXPECT_EQ(data[3 * 640 + 5], (5 + 476) % 256);
    EXPECT_EQ((PaletteColor{quads[100].red, quads[100].green, quads[100].blue}), (PaletteColor{100, 155, 50}));
}

TEST_F(SdlDisplay, PresentedPixelsComeThroughTheFadedPalette)
{
    DisplayScreen8Bit::SetColorMap(1000);
    DisplayScreen8Bit::Activate();
    // One colour all over, so that the smoothing of a fractional scale leaves it as it is.
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    std::memset(DisplayScreen8Bit::OffscreenBufferStart(), 120, 480 * DisplayScreen8Bit::OffscreenBufferBytesPerRow());
    DisplayScreen8Bit::ShowOffscreenBuffer();
    const Point2D probe = WindowLetterbox().PictureToWindow({100, 20});
    const auto readPixel = [&] {
        std::uint32_t pixel = 0;
        SDL_Rect one{probe.x, probe.y, 1, 1};
        const int result = SDL_RenderReadPixels(SDL_GetRenderer(screen->Window()), &one, SDL_PIXELFORMAT_ARGB8888,
                                                &pixel, 4);
        EXPECT_EQ(result, 0) << SDL_GetError();
        return PaletteColor{static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                            static_cast<std::uint8_t>(pixel)};
    };
    EXPECT_EQ(readPixel(), (PaletteColor{120, 135, 60}));

    DisplayScreen8Bit::Fade(0.5);
    EXPECT_EQ(screen->DisplayedColor(120), (PaletteColor{60, 68, 30}));
    EXPECT_EQ(readPixel(), (PaletteColor{60, 68, 30}));
    DisplayScreen8Bit::Fade(0.0);
    EXPECT_EQ(readPixel(), (PaletteColor{0, 0, 0}));
    EXPECT_EQ(screen->DisplayedColor(0), (PaletteColor{0, 0, 0}));
}

TEST_F(SdlDisplay, FadeLevelsOutsideTheRangeAreTakenAsTheNearerEnd)
{
    DisplayScreen8Bit::SetColorMap(1000);
    DisplayScreen8Bit::Fade(3.0);
    EXPECT_EQ(screen->FadeLevel(), 1.0);
    EXPECT_EQ(screen->DisplayedColor(10), (PaletteColor{10, 245, 5}));
    DisplayScreen8Bit::Fade(-2.0);
    EXPECT_EQ(screen->FadeLevel(), 0.0);
    DisplayScreen8Bit::Fade(std::nan(""));
    EXPECT_EQ(screen->FadeLevel(), 0.0);
    DisplayScreen8Bit::FadeIn(0.0);
    EXPECT_EQ(screen->FadeLevel(), 1.0);
}

TEST_F(SdlDisplay, PointerIsMappedThroughTheLetterboxAndClamped)
{
    DisplayScreen8Bit::Activate();
    EXPECT_EQ(DisplayScreen8Bit::CursorPosition(), (Point2D{320, 240}));

    const Letterbox box = WindowLetterbox();
    for (const Point2D point : {Point2D{0, 0}, Point2D{639, 479}, Point2D{17, 400}, Point2D{600, 3}}) {
        const Point2D window = box.PictureToWindow(point);
        SDL_WarpMouseInWindow(screen->Window(), window.x, window.y);
        EXPECT_EQ(DisplayScreen8Bit::CursorPosition(), point);
    }
    int width = 0;
    int height = 0;
    SDL_GetWindowSize(screen->Window(), &width, &height);
    SDL_WarpMouseInWindow(screen->Window(), width - 1, height - 1);
    EXPECT_EQ(DisplayScreen8Bit::CursorPosition(), (Point2D{639, 479}));
    SDL_WarpMouseInWindow(screen->Window(), 0, 0);
    EXPECT_EQ(DisplayScreen8Bit::CursorPosition(), (Point2D{0, 0}));

    // Paused, with the pointer elsewhere, the last position read stands.
    DisplayScreen8Bit::Pause();
    SDL_WarpMouseInWindow(screen->Window(), width / 2, height / 2);
    if (SDL_GetMouseFocus() != screen->Window()) {
        EXPECT_EQ(DisplayScreen8Bit::CursorPosition(), (Point2D{0, 0}));
    }
}

TEST_F(SdlDisplay, ReleaseGivesTheWindowBackAndReserveTakesItAgain)
{
    DisplayScreen8Bit::Release();
    EXPECT_EQ(screen->Window(), nullptr);
    DisplayScreen8Bit::Release();
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    EXPECT_EQ(DisplayScreen8Bit::OffscreenBufferStart(), nullptr);
    std::uint8_t* data = nullptr;
    screen->GetScreenData(&data);
    EXPECT_EQ(data, nullptr);
    EXPECT_EQ(DisplayScreen8Bit::CursorPosition(), Point2D{});

    // Reserved again, at another screen size, the buffers have that size.
    resources.Add(ResourceType::screenDescription, 1001, ScreenDescriptionBlockBytes(800, 600, true));
    ASSERT_TRUE(DisplayScreen8Bit::Reserve(1001));
    EXPECT_NE(screen->Window(), nullptr);
    DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    EXPECT_NE(DisplayScreen8Bit::OffscreenBufferStart(), nullptr);
    EXPECT_EQ(DisplayScreen8Bit::OffscreenBufferBytesPerRow(), 800);
    EXPECT_EQ(DisplayScreen8Bit::UnderlayBufferBytesPerRow(), 800);
    screen->GetScreenData(&data);
    ASSERT_NE(data, nullptr);
    delete[] data;
}

} // namespace
