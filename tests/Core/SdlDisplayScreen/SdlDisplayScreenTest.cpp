#include "Core/SdlDisplayScreen/SdlDisplayScreen8Bit.h"

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/SdlDisplayScreen/Letterbox.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

// Runs first: it needs a process in which SDL's video has not been opened yet. The tests after
// it choose their own video driver.
TEST(SdlDisplayWithoutVideo, NoDisplayGivesAMessageAndNoBackEnd)
{
    setenv("SDL_VIDEODRIVER", "no-such-video-driver", 1);
    testing::internal::CaptureStderr();
    SdlDisplayScreen8Bit* screen = SdlDisplayScreen8Bit::Create();
    const std::string message = testing::internal::GetCapturedStderr();
    EXPECT_EQ(screen, nullptr);
    EXPECT_NE(message.find("Couldn't create an SDL2 display object!"), std::string::npos) << message;
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
        SDL_GetWindowSize(screen->Window(), &windowWidth, &windowHeight);
    }

    void TearDown() override { DisplayScreen8Bit::Finalize(); }

    ScopedInMemoryResources resources;
    SdlDisplayScreen8Bit* screen = nullptr; // owned by DisplayScreen8Bit
    int windowWidth = 0;
    int windowHeight = 0;
};

// The window is hidden until activated and given up when paused, as often as that happens. While
// active the pointer comes through the letterbox, starting in the middle; paused, with the
// pointer elsewhere, the last position read stands.
TEST_F(SdlDisplay, ActivatedTheWindowShowsAndHoldsThePointerPausedItLetsGo)
{
    const auto flag = [this](std::uint32_t flag) { return (SDL_GetWindowFlags(screen->Window()) & flag) != 0; };
    const Letterbox box(windowWidth, windowHeight, 640, 480);
    EXPECT_TRUE(flag(SDL_WINDOW_HIDDEN));
    for (const Point2D picture : {Point2D{17, 400}, Point2D{600, 3}}) {
        DisplayScreen8Bit::Activate();
        EXPECT_TRUE(screen->IsActive());
        EXPECT_FALSE(flag(SDL_WINDOW_HIDDEN));
        // The confinement asked for (the dummy driver gives no window the input focus that a
        // real grab needs).
        EXPECT_TRUE(flag(SDL_WINDOW_MOUSE_GRABBED));
        EXPECT_EQ(DisplayScreen8Bit::CursorPosition(), (Point2D{320, 240}));
        const Point2D window = box.PictureToWindow(picture);
        SDL_WarpMouseInWindow(screen->Window(), window.x, window.y);
        EXPECT_EQ(DisplayScreen8Bit::CursorPosition(), picture);

        DisplayScreen8Bit::Pause();
        EXPECT_FALSE(screen->IsActive());
        EXPECT_TRUE(flag(SDL_WINDOW_HIDDEN));
        EXPECT_FALSE(flag(SDL_WINDOW_MOUSE_GRABBED));
        SDL_WarpMouseInWindow(screen->Window(), windowWidth / 2, windowHeight / 2);
        ASSERT_NE(SDL_GetMouseFocus(), screen->Window());
        EXPECT_EQ(DisplayScreen8Bit::CursorPosition(), picture);
    }
}

// The pixels presented in the window are the palette's colours at the fade level; a level
// outside 0 to 1 (a NaN included) is taken as the nearer end.
TEST_F(SdlDisplay, PresentedPixelsComeThroughTheFadedPalette)
{
    DisplayScreen8Bit::SetColorMap(1000);
    DisplayScreen8Bit::Activate();
    // One colour all over, so that the smoothing of a fractional scale leaves it as it is.
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    std::memset(DisplayScreen8Bit::OffscreenBufferStart(), 120, 480 * DisplayScreen8Bit::OffscreenBufferBytesPerRow());
    DisplayScreen8Bit::ShowOffscreenBuffer();
    const Point2D probe = Letterbox(windowWidth, windowHeight, 640, 480).PictureToWindow({100, 20});
    const std::pair<double, PaletteColor> cases[] = {
        {1.0, {120, 135, 60}}, {0.5, {60, 68, 30}}, {0.0, {0, 0, 0}},
        {3.0, {120, 135, 60}}, {-2.0, {0, 0, 0}},   {std::nan(""), {0, 0, 0}},
    };
    for (const auto& [level, color] : cases) {
        SCOPED_TRACE(level);
        DisplayScreen8Bit::Fade(level);
        EXPECT_EQ(screen->DisplayedColor(120), color);
        std::uint32_t pixel = 0;
        SDL_Rect one{probe.x, probe.y, 1, 1};
        ASSERT_EQ(SDL_RenderReadPixels(SDL_GetRenderer(screen->Window()), &one, SDL_PIXELFORMAT_ARGB8888, &pixel, 4), 0)
            << SDL_GetError();
        EXPECT_EQ((PaletteColor{static_cast<std::uint8_t>(pixel >> 16), static_cast<std::uint8_t>(pixel >> 8),
                                static_cast<std::uint8_t>(pixel)}),
                  color);
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
