#include "Core/Graphic/Graphic8Bit.h"
#include "Core/SequencedActions/SequencedAction.h"
#include "Core/Sprites/Graphic8BitGroupSprite.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "tests/Support/MemoryScreen/MemoryScreen.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr std::uint8_t underlayColor = 200;
constexpr ResourceID redSquare = 10;     // 4 x 4 of colour 1 at its own (0, 0)
constexpr ResourceID greenPlaced = 11;   // 4 x 3 of colour 2 at its own (5, 7)
constexpr ResourceID blueWide = 12;      // 10 x 2 of colour 3 at its own (0, 0)

class GraphicSprites : public ::testing::Test {
protected:
    GraphicSprites() : screen(640, 480, 1)
    {
        screen.Resources().Add(ResourceType::graphic, redSquare, SolidGraphicBlock(0, 0, 4, 4, 1));
        screen.Resources().Add(ResourceType::graphic, greenPlaced, SolidGraphicBlock(5, 7, 4, 3, 2));
        screen.Resources().Add(ResourceType::graphic, blueWide, SolidGraphicBlock(0, 0, 10, 2, 3));
        screen.PaintUnderlay(underlayColor);
    }
    ~GraphicSprites() override { SequencedAction::RemoveAllActions(); }

    // One frame, as the frame renderer draws it.
    void DrawFrame()
    {
        DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
        Sprite::RenderAll();
        DisplayScreen8Bit::ShowOffscreenBuffer();
    }
    std::uint8_t Pixel(int x, int y) { return screen.Screen().VisiblePixel(x, y); }
    MemoryScreen screen;
};

TEST_F(GraphicSprites, DrawsItsPictureAtPositionPlusThePicturesOwnPlacement)
{
    Graphic8BitSprite sprite(greenPlaced, Point2D(100, 50), 1);
    DrawFrame();
    EXPECT_EQ((std::vector<int>{Pixel(105, 57), Pixel(108, 59), Pixel(104, 57), Pixel(109, 57), Pixel(105, 60)}),
              (std::vector<int>{2, 2, underlayColor, underlayColor, underlayColor}));
}

TEST_F(GraphicSprites, ChangeGraphicKeepsTheSamePictureAndTheActionSwapsWhenItRuns)
{
    Graphic8BitSprite sprite(redSquare, Point2D(20, 20), 1);
    const Graphic8Bit* before = &sprite.Graphic();
    sprite.ChangeGraphic(redSquare);
    EXPECT_EQ(&sprite.Graphic(), before);

    SequencedAction::StartNewSequence();
    new WaitAction(1.0);
    new Graphic8BitSprite::ChangeGraphicAction(&sprite, greenPlaced);
    SequencedAction::HandleNextActions(0.0);
    EXPECT_EQ(sprite.GraphicResourceID(), redSquare);
    SequencedAction::HandleNextActions(1.0);
    EXPECT_EQ(sprite.GraphicResourceID(), greenPlaced);
    EXPECT_EQ(sprite.Width(), 4);
    DrawFrame();
    EXPECT_EQ(Pixel(20, 20), underlayColor);
    EXPECT_EQ(Pixel(25, 27), 2);
}

TEST_F(GraphicSprites, MissingPictureDrawsNothing)
{
    Graphic8BitSprite sprite(4242, Point2D(10, 10), 1);
    DrawFrame();
    EXPECT_NE(screen.reports.str().find("4242"), std::string::npos);
    EXPECT_EQ(sprite.Width(), 0);
    EXPECT_EQ(Pixel(10, 10), underlayColor);
}

TEST_F(GraphicSprites, GroupMembersAreDrawnInOrderWithoutTheirOwnPlacement)
{
    Graphic8BitGroupSprite group(Point2D(50, 60), 7);
    group.AddGraphic(blueWide, Point2D(0, 0));
    group.AddGraphic(greenPlaced, Point2D(2, 1));
    DrawFrame();
    EXPECT_EQ(Pixel(50, 60), 3);
    EXPECT_EQ(Pixel(51, 61), 3);
    // The later member covers the earlier one, drawn at (52, 61), not at (57, 68).
    EXPECT_EQ(Pixel(52, 61), 2);
    EXPECT_EQ(Pixel(55, 63), 2);
    EXPECT_EQ(Pixel(57, 68), underlayColor);
}

} // namespace
