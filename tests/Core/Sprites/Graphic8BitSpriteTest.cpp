#include "Core/Graphic/Graphic8Bit.h"
#include "Core/SequencedActions/SequencedAction.h"
#include "Core/Sprites/Graphic8BitGroupSprite.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Core/Sprites/NumberSpriteBuilder.h"
#include "tests/Support/MemoryScreen/MemoryScreen.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Ints = std::vector<int>;
constexpr std::uint8_t underlayColor = 200;
constexpr ResourceID greenPlaced = 11; // 4 x 3 of colour 2 at its own (5, 7)
constexpr ResourceID blueWide = 12;    // 10 x 2 of colour 3 at its own (0, 0)
// Digits 0 … 9 at 200 … 209: each 10 pixels wide, except 9, which is 11; digit d is 20 + d
// pixels high, so a member's height tells which digit it shows.
constexpr ResourceID digitsStart = 200;

class GraphicSprites : public ::testing::Test {
protected:
    GraphicSprites() : screen(640, 480, 1)
    {
        screen.Resources().Add(ResourceType::graphic, greenPlaced, SolidGraphicBlock(5, 7, 4, 3, 2));
        screen.Resources().Add(ResourceType::graphic, blueWide, SolidGraphicBlock(0, 0, 10, 2, 3));
        for (int digit = 0; digit <= 9; ++digit) {
            screen.Resources().Add(ResourceType::graphic, static_cast<ResourceID>(digitsStart + digit),
                                   SolidGraphicBlock(0, 0, digit == 9 ? 11 : 10, 20 + digit, 20 + digit));
        }
        screen.PaintUnderlay(underlayColor);
    }
    ~GraphicSprites() override { SequencedAction::RemoveAllActions(); }

    // One frame, as the frame renderer draws it; the pixels asked for, read back from it.
    Ints DrawnPixels(std::initializer_list<Point2D> points)
    {
        DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
        Sprite::RenderAll();
        DisplayScreen8Bit::ShowOffscreenBuffer();
        Ints pixels;
        for (Point2D point : points) {
            pixels.push_back(screen.Screen().VisiblePixel(point.x, point.y));
        }
        return pixels;
    }
    // Which digit each member of a number shows, and where it starts.
    static std::vector<std::pair<int, int>> Digits(const Graphic8BitGroupSprite& sprite)
    {
        std::vector<std::pair<int, int>> digits;
        for (const auto& member : sprite.IndividualGraphics()) {
            digits.emplace_back(member.graphic->Height() - 20, member.offset.x);
        }
        return digits;
    }

    MemoryScreen screen;
};

// A sprite draws its picture at its position plus the picture's own placement; a missing picture
// is reported and draws nothing. Changing to the picture already shown keeps it; the actions
// change the sprite when their turn comes.
TEST_F(GraphicSprites, DrawsItsPictureAtPositionPlusThePicturesOwnPlacement)
{
    Graphic8BitSprite sprite(blueWide, Point2D(20, 20), 1);
    Graphic8BitSprite missing(4242, Point2D(10, 10), 1);
    const Graphic8Bit* before = &sprite.Graphic();
    sprite.ChangeGraphic(blueWide);
    EXPECT_EQ(&sprite.Graphic(), before);

    SequencedAction::StartNewSequence();
    new Sprite::HideAction(&sprite);
    new WaitAction(1.0);
    new Graphic8BitSprite::ChangeGraphicAction(&sprite, greenPlaced);
    new Sprite::ChangePositionAction(&sprite, Point2D(100, 50));
    new Sprite::ShowAction(&sprite);
    SequencedAction::HandleNextActions(0.0);
    EXPECT_FALSE(sprite.IsVisible());
    EXPECT_EQ(sprite.GraphicResourceID(), blueWide);
    EXPECT_EQ(sprite.Position(), Point2D(20, 20));
    SequencedAction::HandleNextActions(1.0);
    EXPECT_EQ(DrawnPixels({{105, 57}, {108, 59}, {104, 57}, {109, 57}, {105, 60}, {100, 50}, {10, 10}}),
              (Ints{2, 2, underlayColor, underlayColor, underlayColor, underlayColor, underlayColor}));
    EXPECT_NE(screen.reports.str().find("4242"), std::string::npos);
    EXPECT_EQ(missing.Width(), 0);
}

// Members are drawn in order at the group's position plus their offset, without their own
// placement; measuring counts their own placement.
TEST_F(GraphicSprites, GroupDrawsMembersInOrderAndMeasuresTheirShiftedBounds)
{
    Graphic8BitGroupSprite group(Point2D(50, 60), 7);
    group.AddGraphic(blueWide, Point2D(0, 0));
    group.AddGraphic(greenPlaced, Point2D(2, 1));
    EXPECT_EQ(DrawnPixels({{50, 60}, {51, 61}, {52, 61}, {55, 63}, {57, 68}}), (Ints{3, 3, 2, 2, underlayColor}));
    EXPECT_EQ(group.Width(), 11);  // 0 … 10 and 7 … 11
    EXPECT_EQ(group.Height(), 11); // 0 … 2 and 8 … 11

    group.RemoveAllGraphics();
    EXPECT_EQ(group.Height(), 0);
    EXPECT_EQ(Resource::SharedBlockCount(), 0);
}

// Rebuilding one sprite replaces its digits; wider digits push the later ones along, and a
// missing digit picture leaves no gap. No caller passes a negative number; it shows 0. Centred
// halves the width, truncating; right-justified ends at the point; the plain build leaves the
// position as it is.
TEST_F(GraphicSprites, NumberDigitsPackLeftToRightMostSignificantFirst)
{
    const struct {
        int n;
        std::vector<std::pair<int, int>> digits;
        int centredX, rightX;
    } cases[] = {
        {1050, {{1, 0}, {0, 10}, {5, 20}, {0, 30}}, 80, 560},
        {190, {{1, 0}, {9, 10}, {0, 21}}, 85, 569},
        {0, {{0, 0}}, 95, 590},
        {2147483647, {{2, 0}, {1, 10}, {4, 20}, {7, 30}, {4, 40}, {8, 50}, {3, 60}, {6, 70}, {4, 80}, {7, 90}}, 50, 500},
        {-42, {{0, 0}}, 95, 590},
    };
    Graphic8BitGroupSprite sprite(Point2D(3, 4), 7);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.n);
        NumberSpriteBuilder::BuildCentered(c.n, sprite, digitsStart, Point2D(100, 60));
        EXPECT_EQ(sprite.Position(), Point2D(c.centredX, 60));
        NumberSpriteBuilder::BuildRightJustified(c.n, sprite, digitsStart, Point2D(600, 12));
        EXPECT_EQ(sprite.Position(), Point2D(c.rightX, 12));
        NumberSpriteBuilder::Build(c.n, sprite, digitsStart);
        EXPECT_EQ(Digits(sprite), c.digits);
        EXPECT_EQ(sprite.Position(), Point2D(c.rightX, 12));
    }

    screen.Resources().Library().Remove(ResourceType::graphic, digitsStart + 5);
    NumberSpriteBuilder::Build(151, sprite, digitsStart);
    EXPECT_EQ(Digits(sprite), (std::vector<std::pair<int, int>>{{1, 0}, {-20, 10}, {1, 10}}));
}

} // namespace
