#include "Core/Graphic/Graphic8Bit.h"
#include "Core/Resource/ResourceType.h"
#include "Core/Sprites/Graphic8BitGroupSprite.h"
#include "Core/Sprites/NumberSpriteBuilder.h"
#include "tests/Support/MemoryScreen/MemoryScreen.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr ResourceID eightWide = 100;
constexpr ResourceID eightWideOwnLeft = 101;
constexpr ResourceID tall = 102;
// Digits 0 … 9 at 200 … 209: each 10 pixels wide, except 9, which is 11; digit d is 20 + d
// pixels high, so a member's height tells which digit it shows.
constexpr ResourceID digitsStart = 200;

class GroupSprites : public ::testing::Test {
protected:
    GroupSprites()
    {
        resources.Add(ResourceType::graphic, eightWide, SolidGraphicBlock(0, 0, 8, 4, 1));
        resources.Add(ResourceType::graphic, eightWideOwnLeft, SolidGraphicBlock(2, 5, 8, 4, 1));
        resources.Add(ResourceType::graphic, tall, SolidGraphicBlock(0, 0, 3, 12, 1));
        for (int digit = 0; digit <= 9; ++digit) {
            resources.Add(ResourceType::graphic, static_cast<ResourceID>(digitsStart + digit),
                          SolidGraphicBlock(0, 0, digit == 9 ? 11 : 10, 20 + digit, 20 + digit));
        }
    }

    ScopedInMemoryResources resources;
};

TEST_F(GroupSprites, MeasuresMembersByTheirBoundsShiftedByTheirOffsets)
{
    Graphic8BitGroupSprite group(Point2D(40, 50), 7);
    EXPECT_EQ(group.Width(), 0);
    EXPECT_EQ(group.Height(), 0);
    group.AddGraphic(eightWide, Point2D(0, 0));
    group.AddGraphic(eightWide, Point2D(10, 0));
    EXPECT_EQ(group.Width(), 18);
    EXPECT_EQ(group.Height(), 4);

    // A member's own placement counts for measuring: left 2 … 10 at offset 10 reaches 20.
    Graphic8BitGroupSprite placed(Point2D(0, 0), 7);
    placed.AddGraphic(eightWideOwnLeft, Point2D(0, 0));
    placed.AddGraphic(eightWideOwnLeft, Point2D(10, -3));
    EXPECT_EQ(placed.Width(), 18);
    EXPECT_EQ(placed.Height(), 7);

    group.AddGraphic(tall, Point2D(-5, 2));
    EXPECT_EQ(group.Width(), 23);
    EXPECT_EQ(group.Height(), 14);
}

TEST_F(GroupSprites, RemoveAllGraphicsEmptiesTheGroupAndReleasesTheBlocks)
{
    Graphic8BitGroupSprite group(Point2D(0, 0), 7);
    group.AddGraphic(eightWide, Point2D(0, 0));
    group.AddGraphic(tall, Point2D(8, 0));
    EXPECT_EQ(Resource::SharedBlockCount(), 2);
    group.RemoveAllGraphics();
    EXPECT_TRUE(group.IndividualGraphics().empty());
    EXPECT_EQ(group.Width(), 0);
    EXPECT_EQ(Resource::SharedBlockCount(), 0);
}

class NumberSprites : public GroupSprites {
protected:
    // Which digit each member shows.
    static std::vector<int> Digits(const Graphic8BitGroupSprite& sprite)
    {
        std::vector<int> digits;
        for (const auto& member : sprite.IndividualGraphics()) {
            digits.push_back(member.graphic->Height() - 20);
        }
        return digits;
    }
    static std::vector<int> XOffsets(const Graphic8BitGroupSprite& sprite)
    {
        std::vector<int> offsets;
        for (const auto& member : sprite.IndividualGraphics()) {
            EXPECT_EQ(member.offset.y, 0);
            offsets.push_back(member.offset.x);
        }
        return offsets;
    }
};

TEST_F(NumberSprites, DigitsPackLeftToRightMostSignificantFirst)
{
    Graphic8BitGroupSprite sprite(Point2D(3, 4), 7);
    NumberSpriteBuilder::Build(1050, sprite, digitsStart);
    EXPECT_EQ(Digits(sprite), (std::vector<int>{1, 0, 5, 0}));
    EXPECT_EQ(XOffsets(sprite), (std::vector<int>{0, 10, 20, 30}));
    EXPECT_EQ(sprite.Position(), Point2D(3, 4));

    // Rebuilding replaces the digits; wider digits push the later ones along.
    NumberSpriteBuilder::Build(9190, sprite, digitsStart);
    EXPECT_EQ(Digits(sprite), (std::vector<int>{9, 1, 9, 0}));
    EXPECT_EQ(XOffsets(sprite), (std::vector<int>{0, 11, 21, 32}));
    EXPECT_EQ(sprite.Width(), 42);

    NumberSpriteBuilder::Build(0, sprite, digitsStart);
    EXPECT_EQ(Digits(sprite), (std::vector<int>{0}));
    NumberSpriteBuilder::Build(2147483647, sprite, digitsStart);
    EXPECT_EQ(Digits(sprite), (std::vector<int>{2, 1, 4, 7, 4, 8, 3, 6, 4, 7}));
    // No caller passes a negative number; the builder shows 0 rather than bad ids.
    NumberSpriteBuilder::Build(-42, sprite, digitsStart);
    EXPECT_EQ(Digits(sprite), (std::vector<int>{0}));
}

TEST_F(NumberSprites, MissingDigitPictureLeavesNoGap)
{
    resources.Library().Remove(ResourceType::graphic, digitsStart + 5);
    testing::internal::CaptureStderr();
    Graphic8BitGroupSprite sprite(Point2D(0, 0), 7);
    NumberSpriteBuilder::Build(151, sprite, digitsStart);
    testing::internal::GetCapturedStderr();
    EXPECT_EQ(XOffsets(sprite), (std::vector<int>{0, 10, 10}));
    EXPECT_EQ(sprite.Width(), 20);
}

TEST_F(NumberSprites, CenteredHalvesTheWidthTruncatingAndRightJustifiedEndsAtThePoint)
{
    Graphic8BitGroupSprite sprite(Point2D(0, 0), 7);
    NumberSpriteBuilder::BuildCentered(100, sprite, digitsStart, Point2D(100, 60));
    EXPECT_EQ(sprite.Position(), Point2D(85, 60));
    NumberSpriteBuilder::BuildCentered(109, sprite, digitsStart, Point2D(100, 61)); // 31 wide
    EXPECT_EQ(sprite.Position(), Point2D(85, 61));

    NumberSpriteBuilder::BuildRightJustified(100, sprite, digitsStart, Point2D(600, 12));
    EXPECT_EQ(sprite.Position(), Point2D(570, 12));
    NumberSpriteBuilder::BuildRightJustified(9, sprite, digitsStart, Point2D(600, 12));
    EXPECT_EQ(sprite.Position(), Point2D(589, 12));
}

} // namespace
