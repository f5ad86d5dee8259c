#include "MemoryScreenFixture.h"

namespace {

using Rectangle = QuillonRectangle<int>;
using DisplayScreen = MemoryScreenFixture;

// The screen's size and underlay come from its description; a broken one is reported and
// refused, as is a back end that cannot reserve.
TEST_F(DisplayScreen, ReserveTakesSizeAndUnderlayFromTheScreenDescription)
{
    for (const auto& [id, hasUnderlay] : {std::pair{1000, true}, std::pair{1001, false}}) {
        SCOPED_TRACE(id);
        ASSERT_TRUE(DisplayScreen8Bit::Reserve(id));
        EXPECT_EQ(DisplayScreen8Bit::Bounds(), (Rectangle{0, 16, 0, 8}));
        EXPECT_EQ(DisplayScreen8Bit::HasUnderlay(), hasUnderlay);
        DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
        EXPECT_EQ(DisplayScreen8Bit::UnderlayBufferStart() != nullptr, hasUnderlay);
        EXPECT_EQ(DisplayScreen8Bit::UnderlayBufferBytesPerRow(), hasUnderlay ? 19 : 0);
        DisplayScreen8Bit::Release();
    }
    resources.Add(ResourceType::screenDescription, 1002, BlockBytes().Integer16Bit(640).Integer16Bit(480));
    resources.Add(ResourceType::screenDescription, 1003, ScreenDescriptionBlockBytes(0, 480, true));
    resources.Add(ResourceType::screenDescription, 1004, ScreenDescriptionBlockBytes(640, 16385, true));
    resources.Add(ResourceType::screenDescription, 1005, ScreenDescriptionBlockBytes(16385, 480, true));
    for (ResourceID id : {1002, 1003, 1004, 1005}) {
        EXPECT_FALSE(DisplayScreen8Bit::Reserve(id)) << id;
        EXPECT_TRUE(ResourceProblems::HasBeenReported(ResourceType::screenDescription, id)) << id;
    }
    screen->SetReserveFails(true); // a failing back end
    EXPECT_FALSE(DisplayScreen8Bit::Reserve(1000));
}

// A frame starts from the underlay, is drawn and shown; the next frame starts from the underlay
// again, so what a sprite drew is gone. Showing, and every release of the display, withdraws the
// buffers.
TEST_F(DisplayScreen, AFrameCopiesTheUnderlayDrawsAndShows)
{
    ASSERT_TRUE(DisplayScreen8Bit::Reserve(1000));
    DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
    DisplayScreen8Bit::UnderlayBufferStart()[2 * 19 + 5] = 77;
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    std::uint8_t* offscreen = DisplayScreen8Bit::OffscreenBufferStart();
    ASSERT_NE(offscreen, nullptr);
    EXPECT_EQ(DisplayScreen8Bit::OffscreenBufferBytesPerRow(), 19);
    EXPECT_EQ(offscreen[2 * 19 + 5], 77);
    offscreen[3 * 19 + 1] = 12;
    EXPECT_NE(DisplayScreen8Bit::UnderlayBufferStart(), nullptr) << "still published";
    DisplayScreen8Bit::ShowOffscreenBuffer();
    EXPECT_EQ(DisplayScreen8Bit::OffscreenBufferStart(), nullptr);
    EXPECT_EQ(DisplayScreen8Bit::UnderlayBufferStart(), nullptr);
    EXPECT_EQ(screen->VisiblePixel(1, 3), 12);
    EXPECT_EQ(screen->ShownFrameCount(), 1);
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    EXPECT_EQ(DisplayScreen8Bit::OffscreenBufferStart()[3 * 19 + 1], 0);

    for (void (*release)() : {&DisplayScreen8Bit::Deactivate, &DisplayScreen8Bit::Pause, +[] { DisplayScreen8Bit::Fade(0.5); },
                              &DisplayScreen8Bit::Release}) {
        DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
        DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
        ASSERT_NE(DisplayScreen8Bit::OffscreenBufferStart(), nullptr);
        release();
        EXPECT_EQ(DisplayScreen8Bit::OffscreenBufferStart(), nullptr);
        EXPECT_EQ(DisplayScreen8Bit::UnderlayBufferStart(), nullptr);
    }
}

// Activating invalidates the whole screen; invalidations of the underlay reach the back end's
// off-screen buffer with the next frame, oldest first, and only once.
TEST_F(DisplayScreen, UnderlayInvalidationsReachTheNextFrameOldestFirst)
{
    ASSERT_TRUE(DisplayScreen8Bit::Reserve(1000));
    DisplayScreen8Bit::Activate();
    EXPECT_TRUE(screen->IsActive());
    EXPECT_EQ(DisplayScreen8Bit::CursorPosition(), (Point2D{8, 4}));
    const Rectangle second{0, 16, 5, 6};
    DisplayScreen8Bit::InvalidateUnderlayBuffer(second);
    EXPECT_EQ(screen->UnderlayInvalidations(), (std::vector<Rectangle>{DisplayScreen8Bit::Bounds(), second}));
    EXPECT_TRUE(screen->OffscreenInvalidations().empty());
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    EXPECT_TRUE(DisplayScreen8Bit::DirtyRectangles().empty());
    EXPECT_EQ(screen->OffscreenInvalidations(), (std::vector<Rectangle>{DisplayScreen8Bit::Bounds(), second}));
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    EXPECT_EQ(screen->OffscreenInvalidations().size(), 2u);
}

TEST(DisplayScreenWithoutDisplay, EveryOperationIsHarmless)
{
    EXPECT_FALSE(DisplayScreen8Bit::Initialize(nullptr));
    EXPECT_EQ(DisplayScreen8Bit::PlatformSpecificsInstance(), nullptr);
    EXPECT_FALSE(DisplayScreen8Bit::Reserve(1000));
    DisplayScreen8Bit::Activate();
    DisplayScreen8Bit::SetColorMap(1000);
    DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    DisplayScreen8Bit::ShowOffscreenBuffer();
    DisplayScreen8Bit::FadeOut(0.0);
    DisplayScreen8Bit::Pause();
    DisplayScreen8Bit::Release();
    EXPECT_EQ(DisplayScreen8Bit::OffscreenBufferStart(), nullptr);
    EXPECT_EQ(DisplayScreen8Bit::CursorPosition(), Point2D{});
    DisplayScreen8Bit::Finalize();
    EXPECT_TRUE(DisplayScreen8Bit::DirtyRectangles().empty());
    EXPECT_FALSE(DisplayScreen8Bit::HasUnderlay());
}

} // namespace
