#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>

#include "Core/Resource/AnimationBlock.h"
#include "Core/Resource/ColorTableBlock.h"
#include "Core/Resource/GraphicBlockHeader.h"
#include "Core/Resource/IdleEventsBlock.h"
#include "Core/Resource/Resource.h"
#include "Core/Resource/ResourceProblems.h"
#include "Core/Resource/ScreenDescriptionBlock.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

namespace {

class BlockReaderTest : public testing::Test {
protected:
    void SetUp() override { ResourceProblems::SetOutput(&problems); }
    void TearDown() override { ResourceProblems::SetOutput(nullptr); }

    bool Reported(std::uint32_t type, ResourceID id) const { return ResourceProblems::HasBeenReported(type, id); }

    std::ostringstream problems;
    ScopedInMemoryResources resources;
};

TEST_F(BlockReaderTest, AnimationFramesFollowTheRateText)
{
    resources.Add(ResourceType::animation, 2001, AnimationBlockBytes("12", {{1001, -4, 7}, {1002, 300, -1}}));
    Resource raw(ResourceType::animation, 2001);
    EXPECT_EQ(raw.GetReal(), 12.0);
    EXPECT_EQ(raw.GetCurrentDataPointer() - *raw, 3);

    const AnimationBlock animation = AnimationBlock::Read(2001);
    EXPECT_EQ(animation.frameRate, 12.0);
    EXPECT_DOUBLE_EQ(animation.FramePeriod(), 1.0 / 12.0);
    ASSERT_EQ(animation.frames.size(), 2u);
    EXPECT_EQ(animation.frames[0].graphicResourceID, 1001);
    EXPECT_EQ(animation.frames[0].offset, Point2D(-4, 7));
    EXPECT_EQ(animation.frames[1].graphicResourceID, 1002);
    EXPECT_EQ(animation.frames[1].offset, Point2D(300, -1));
    EXPECT_FALSE(Reported(ResourceType::animation, 2001));

    // No frames at all is valid too.
    resources.Add(ResourceType::animation, 2002, AnimationBlockBytes("4", {}));
    EXPECT_TRUE(AnimationBlock::Read(2002).IsEmpty());
    EXPECT_FALSE(Reported(ResourceType::animation, 2002));
}

TEST_F(BlockReaderTest, IdleEventsAreParsedInOrder)
{
    resources.Add(ResourceType::idleEvents, 1001,
        IdleEventsBlockBytes({{2001, "5.5", "1", "0.25"}, {2002, "10", "0", "1"}}));
    const IdleEventsBlock table = IdleEventsBlock::Read(1001);
    ASSERT_EQ(table.events.size(), 2u);
    EXPECT_EQ(table.events[0].animationID, 2001);
    EXPECT_EQ(table.events[0].period, 5.5);
    EXPECT_EQ(table.events[0].variance, 1.0);
    EXPECT_EQ(table.events[0].chanceOfOccurring, 0.25);
    EXPECT_EQ(table.events[1].animationID, 2002);
    EXPECT_EQ(table.events[1].chanceOfOccurring, 1.0);
    EXPECT_FALSE(Reported(ResourceType::idleEvents, 1001));
}

TEST_F(BlockReaderTest, ColorTableOf256EntriesKeepsTheLowByteOfEachComponent)
{
    std::vector<ColorBytes> colors(256);
    for (int index = 0; index < 256; ++index) {
        colors[static_cast<std::size_t>(index)] = {0x1200 + index, 255 - index, (index * 7) & 0xFF};
    }
    colors[10] = {0x1234, 0xFF01, 0x0080};
    resources.Add(ResourceType::colorLookupTable, 1000, ColorTableBlockBytes(colors));

    const ColorTableBlock table = ColorTableBlock::Read(1000);
    ASSERT_EQ(table.entries.size(), 256u);
    EXPECT_EQ(table.entries[10].red, 0x34);
    EXPECT_EQ(table.entries[10].green, 0x01);
    EXPECT_EQ(table.entries[10].blue, 0x80);
    EXPECT_EQ(table.entries[255].red, 0xFF);
    EXPECT_EQ(table.entries[255].green, 0);
    EXPECT_EQ(table.entries[0].green, 255);
}

TEST_F(BlockReaderTest, ScreenDescriptionReadsSizeAndEitherUnderlayByte)
{
    resources.Add(ResourceType::screenDescription, 1000, ScreenDescriptionBlockBytes(640, 480, true));
    resources.Add(ResourceType::screenDescription, 1001, BlockBytes().Integer16Bit(320).Integer16Bit(200).Raw({0x01, 0x00}));
    resources.Add(ResourceType::screenDescription, 1002, ScreenDescriptionBlockBytes(640, 480, false));

    const ScreenDescriptionBlock screen = ScreenDescriptionBlock::Read(1000);
    EXPECT_TRUE(screen.isValid && screen.hasUnderlay);
    EXPECT_EQ(Point2D(screen.width, screen.height), Point2D(640, 480));
    EXPECT_TRUE(ScreenDescriptionBlock::Read(1001).hasUnderlay);
    EXPECT_FALSE(ScreenDescriptionBlock::Read(1002).hasUnderlay);
}

TEST_F(BlockReaderTest, GraphicHeaderPointsAtTheRowsInsideTheBlock)
{
    resources.Add(ResourceType::graphic, 1001, GraphicBlockBytes(-5, 12, 10, 2, 0xEE, {0x05, 0x0A, 0x07, 0x00, 0x00}));
    Resource resource(ResourceType::graphic, 1001);
    const GraphicBlockHeader header = GraphicBlockHeader::Parse(resource.Cursor());
    EXPECT_TRUE(header.isValid);
    EXPECT_EQ(Point2D(header.left, header.top), Point2D(-5, 12));
    EXPECT_EQ(Point2D(header.width, header.height), Point2D(10, 2));
    EXPECT_EQ(header.eraseColor, 0xEE);
    EXPECT_EQ(header.imageStart, *resource + 9);
    EXPECT_EQ(header.imageSize, 5);
}

// Every malformed block reads as empty and is reported; an animation holds nothing afterwards.
TEST_F(BlockReaderTest, MalformedBlocksReadAsEmptyAndAreReported)
{
    using Blocks = std::vector<std::vector<std::uint8_t>>;
    std::vector<std::uint8_t> countBeyondBytes = AnimationBlockBytes("10", {{1, 0, 0}, {2, 0, 0}});
    countBeyondBytes[4] = 3; // frame count 3, bytes for 2
    std::vector<std::uint8_t> unterminated = IdleEventsBlockBytes({{2001, "5", "1", "0.5"}});
    unterminated.pop_back(); // the last text loses its zero
    std::vector<std::uint8_t> short256 = ColorTableBlockBytes(std::vector<ColorBytes>(256));
    short256.resize(short256.size() - 1);
    const auto animationIsEmpty = [](ResourceID id) {
        const AnimationBlock animation = AnimationBlock::Read(id);
        return animation.IsEmpty() && animation.FramePeriod() == 0.0;
    };
    const auto graphicIsEmpty = [](ResourceID id) {
        Resource resource(ResourceType::graphic, id);
        const GraphicBlockHeader header = GraphicBlockHeader::Parse(resource.Cursor());
        return !header.isValid && header.width + header.height + header.imageSize == 0;
    };
    const auto screenIsEmpty = [](ResourceID id) {
        const ScreenDescriptionBlock screen = ScreenDescriptionBlock::Read(id);
        return !screen.isValid && screen.width == 0 && !screen.hasUnderlay;
    };
    struct Kind {
        std::uint32_t type;
        std::function<bool(ResourceID)> readsEmpty;
        Blocks blocks;
    };
    const Kind kinds[] = {
        {ResourceType::animation, animationIsEmpty, {
            countBeyondBytes,
            BlockBytes().Text("10").Integer16Bit(0x7FFF),             // huge count
            BlockBytes().Text("10").Integer16Bit(-1),                 // negative count
            BlockBytes().Raw({'1', '0'}),                             // rate text without its zero
            BlockBytes().Text("0").Integer16Bit(1).Integer16Bit(1).Integer16Bit(0).Integer16Bit(0), // rate 0
            BlockBytes().Text("-5").Integer16Bit(0),                  // negative rate
            BlockBytes().Text("10").Integer8Bit(0),                   // count cut short
            {}}},
        {ResourceType::idleEvents, [](ResourceID id) { return IdleEventsBlock::Read(id).IsEmpty(); }, {
            unterminated,
            BlockBytes().Integer16Bit(0x7FFF).Integer16Bit(1).Text("1").Text("1").Text("1"), // huge count
            BlockBytes().Integer16Bit(-2),                                                   // negative count
            BlockBytes().Integer16Bit(2).Integer16Bit(1).Text("1").Text("1").Text("1").Integer16Bit(2).Text("1"),
            BlockBytes().Integer16Bit(1).Integer16Bit(1).Text("nan").Text("1").Text("1"),
            BlockBytes().Integer8Bit(1)}},
        {ResourceType::colorLookupTable, [](ResourceID id) { return ColorTableBlock::Read(id).IsEmpty(); }, {
            short256,
            BlockBytes().Integer32Bit(0).Integer16Bit(0).Integer16Bit(-1),
            BlockBytes().Integer32Bit(0).Integer16Bit(0),
            BlockBytes().Integer32Bit(0).Integer16Bit(0).Integer16Bit(0x7FFF).Integer16Bit(0)}},
        {ResourceType::graphic, graphicIsEmpty, {
            BlockBytes().Integer16Bit(0).Integer16Bit(0).Integer16Bit(4).Integer16Bit(4), // truncated header
            GraphicBlockBytes(0, 0, -1, 1, 0, {0}),
            GraphicBlockBytes(0, 0, 1, 3, 0, {0, 0}), // three rows in two bytes
            {}}},
        {ResourceType::screenDescription, screenIsEmpty, {
            BlockBytes().Integer16Bit(640).Integer16Bit(480).Integer8Bit(1),
            ScreenDescriptionBlockBytes(-640, 480, true)}},
    };
    for (const Kind& kind : kinds) {
        ResourceID id = 3000;
        for (const auto& block : kind.blocks) {
            SCOPED_TRACE(ResourceType::TypeString(kind.type) + " " + std::to_string(id));
            resources.Add(kind.type, id, block);
            EXPECT_TRUE(kind.readsEmpty(id));
            EXPECT_TRUE(Reported(kind.type, id));
            ++id;
        }
        // A missing block as well.
        EXPECT_TRUE(kind.readsEmpty(999));
        EXPECT_TRUE(Reported(kind.type, 999));
    }
    EXPECT_EQ(Resource::SharedBlockCount(), 0);
}

} // namespace
