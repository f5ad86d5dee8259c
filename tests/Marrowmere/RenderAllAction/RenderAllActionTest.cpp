#include "Core/SequencedActions/SequencedAction.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Marrowmere/RenderAllAction/RenderAllAction.h"
#include "tests/Support/MemoryScreen/MemoryScreen.h"

#include <gtest/gtest.h>

namespace {

constexpr ResourceID square = 20;

class FrameRenderer : public ::testing::Test {
protected:
    FrameRenderer()
    {
        screen.Resources().Add(ResourceType::graphic, square, SolidGraphicBlock(0, 0, 2, 2, 4));
        screen.PaintUnderlay(150);
    }
    ~FrameRenderer() override { SequencedAction::RemoveAllActions(); }

    MemoryScreen screen;
};

TEST_F(FrameRenderer, DrawsOneFramePerPassAndNeverEnds)
{
    Graphic8BitSprite sprite(square, Point2D(10, 10), 1);
    SequencedAction::StartNewSequence();
    new RenderAllAction;
    const int framesBefore = screen.Screen().ShownFrameCount();

    SequencedAction::HandleNextActions(0.0);
    EXPECT_EQ(screen.Screen().ShownFrameCount(), framesBefore + 1);
    EXPECT_EQ(screen.Screen().VisiblePixel(10, 10), 4);
    EXPECT_EQ(screen.Screen().VisiblePixel(12, 10), 150);

    sprite.ChangePosition(Point2D(100, 100));
    screen.PaintUnderlay(33); // underlay changes reach the next frame
    for (int pass = 1; pass <= 5; ++pass) {
        SequencedAction::HandleNextActions(pass * 10.0);
    }
    EXPECT_EQ(screen.Screen().ShownFrameCount(), framesBefore + 6);
    EXPECT_EQ(screen.Screen().VisiblePixel(10, 10), 33);
    EXPECT_EQ(screen.Screen().VisiblePixel(101, 101), 4);
    EXPECT_NE(SequencedAction::CurrentSequence(), nullptr);
}

} // namespace
