#include "MemoryScreenFixture.h"

namespace {

using Rectangle = QuillonRectangle<int>;
using DisplayScreen = MemoryScreenFixture;

TEST_F(DisplayScreen, ReserveTakesSizeAndUnderlayFromTheScreenDescription)
{
    ASSERT_TRUE(DisplayScreen8Bit::Reserve(1000));
    EXPECT_EQ(DisplayScreen8Bit::Bounds(), (Rectangle{0, 16, 0, 8}));
    EXPECT_TRUE(DisplayScreen8Bit::HasUnderlay());
    EXPECT_TRUE(screen->IsReserved());

    DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
    EXPECT_NE(DisplayScreen8Bit::UnderlayBufferStart(), nullptr);
    EXPECT_EQ(DisplayScreen8Bit::UnderlayBufferBytesPerRow(), 19);
}

TEST_F(DisplayScreen, WithoutUnderlayTheUnderlayIsNeverPublished)
{
    ASSERT_TRUE(DisplayScreen8Bit::Reserve(1001));
    EXPECT_FALSE(DisplayScreen8Bit::HasUnderlay());
    DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
    EXPECT_EQ(DisplayScreen8Bit::UnderlayBufferStart(), nullptr);
    EXPECT_EQ(DisplayScreen8Bit::UnderlayBufferBytesPerRow(), 0);
}

TEST_F(DisplayScreen, BrokenScreenDescriptionsAreReportedAndRefused)
{
    resources.Add(ResourceType::screenDescription, 1002, BlockBytes().Integer16Bit(640).Integer16Bit(480));
    resources.Add(ResourceType::screenDescription, 1003, ScreenDescriptionBlockBytes(0, 480, true));
    resources.Add(ResourceType::screenDescription, 1004, ScreenDescriptionBlockBytes(-640, 480, true));
    for (ResourceID id : {1002, 1003, 1004, 1005}) {
        EXPECT_FALSE(DisplayScreen8Bit::Reserve(id)) << id;
        EXPECT_TRUE(ResourceProblems::HasBeenReported(ResourceType::screenDescription, id)) << id;
    }
    EXPECT_FALSE(screen->IsReserved());
    screen->SetReserveFails(true); // a failing back end
    EXPECT_FALSE(DisplayScreen8Bit::Reserve(1000));
}

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
    // The underlay stays published while the off-screen buffer is prepared.
    EXPECT_NE(DisplayScreen8Bit::UnderlayBufferStart(), nullptr);

    DisplayScreen8Bit::ShowOffscreenBuffer();
    EXPECT_EQ(DisplayScreen8Bit::OffscreenBufferStart(), nullptr);
    EXPECT_EQ(DisplayScreen8Bit::UnderlayBufferStart(), nullptr);
    EXPECT_EQ(screen->VisiblePixel(5, 2), 77);
    EXPECT_EQ(screen->VisiblePixel(1, 3), 12);
    EXPECT_EQ(screen->ShownFrameCount(), 1);

    // The next frame starts again from the underlay: what a sprite drew is gone.
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    EXPECT_EQ(DisplayScreen8Bit::OffscreenBufferStart()[3 * 19 + 1], 0);
}

TEST_F(DisplayScreen, EveryReleaseOfTheDisplayWithdrawsTheBuffers)
{
    ASSERT_TRUE(DisplayScreen8Bit::Reserve(1000));
    const auto prepareBoth = [] {
        DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
        DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
        ASSERT_NE(DisplayScreen8Bit::OffscreenBufferStart(), nullptr);
    };
    for (void (*release)() : {&DisplayScreen8Bit::Deactivate, &DisplayScreen8Bit::Pause, &DisplayScreen8Bit::Release}) {
        prepareBoth();
        release();
        EXPECT_EQ(DisplayScreen8Bit::OffscreenBufferStart(), nullptr);
        EXPECT_EQ(DisplayScreen8Bit::UnderlayBufferStart(), nullptr);
    }
    ASSERT_TRUE(DisplayScreen8Bit::Reserve(1000));
    prepareBoth();
    DisplayScreen8Bit::Fade(0.5);
    EXPECT_EQ(DisplayScreen8Bit::OffscreenBufferStart(), nullptr);
}

TEST_F(DisplayScreen, ActivateInvalidatesTheWholeScreenUntilTheNextFrame)
{
    ASSERT_TRUE(DisplayScreen8Bit::Reserve(1000));
    DisplayScreen8Bit::Activate();
    EXPECT_TRUE(screen->IsActive());
    EXPECT_EQ(DisplayScreen8Bit::CursorPosition(), (Point2D{8, 4}));
    EXPECT_EQ(std::vector<Rectangle>(DisplayScreen8Bit::DirtyRectangles().begin(), DisplayScreen8Bit::DirtyRectangles().end()),
              std::vector<Rectangle>{DisplayScreen8Bit::Bounds()});
    EXPECT_EQ(screen->UnderlayInvalidations(), std::vector<Rectangle>{DisplayScreen8Bit::Bounds()});

    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    EXPECT_TRUE(DisplayScreen8Bit::DirtyRectangles().empty());
    EXPECT_EQ(screen->OffscreenInvalidations(), std::vector<Rectangle>{DisplayScreen8Bit::Bounds()});
}

TEST_F(DisplayScreen, UnderlayInvalidationsReachTheNextFrameOldestFirst)
{
    ASSERT_TRUE(DisplayScreen8Bit::Reserve(1000));
    const Rectangle first{1, 3, 1, 3};
    const Rectangle second{0, 16, 5, 6};
    DisplayScreen8Bit::InvalidateUnderlayBuffer(first);
    DisplayScreen8Bit::InvalidateUnderlayBuffer(second);
    EXPECT_TRUE(screen->OffscreenInvalidations().empty());
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    EXPECT_EQ(screen->OffscreenInvalidations(), (std::vector<Rectangle>{first, second}));
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
}

} // namespace
