#include <gtest/gtest.h>

#include <functional>
#include <map>
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

using Bytes = std::vector<std::uint8_t>;

// What each block reader makes of a block, as text; "" when it reads as empty.
const std::map<std::uint32_t, std::function<std::string(ResourceID)>> readers = {
    {ResourceType::animation, [](ResourceID id) {
         const AnimationBlock animation = AnimationBlock::Read(id);
         std::ostringstream text;
         if (animation.FramePeriod() != 0.0 || !animation.IsEmpty()) {
             text << "every " << animation.FramePeriod() << " s";
         }
         for (const AnimationBlock::Frame& frame : animation.frames) {
             text << ", " << frame.graphicResourceID << " at " << frame.offset.x << " " << frame.offset.y;
         }
         return text.str();
     }},
    {ResourceType::idleEvents, [](ResourceID id) {
         std::ostringstream text;
         for (const IdleEventsBlock::Event& event : IdleEventsBlock::Read(id).events) {
             text << event.animationID << ": " << event.period << " " << event.variance << " " << event.chanceOfOccurring << "; ";
         }
         return text.str();
     }},
    {ResourceType::colorLookupTable, [](ResourceID id) {
         const ColorTableBlock table = ColorTableBlock::Read(id);
         std::ostringstream text;
         for (const std::size_t index : {0u, 10u, 255u}) {
             if (index < table.entries.size()) {
                 const ColorTableBlock::Entry& entry = table.entries[index];
                 text << index << ": " << int(entry.red) << " " << int(entry.green) << " " << int(entry.blue) << "; ";
             }
         }
         return text.str();
     }},
    {ResourceType::screenDescription, [](ResourceID id) {
         const ScreenDescriptionBlock screen = ScreenDescriptionBlock::Read(id);
         std::ostringstream text;
         if (screen.isValid || screen.width != 0 || screen.height != 0 || screen.hasUnderlay) {
             text << (screen.isValid ? "" : "invalid ") << screen.width << "x" << screen.height
                  << (screen.hasUnderlay ? " on an underlay" : "");
         }
         return text.str();
     }},
    {ResourceType::graphic, [](ResourceID id) {
         Resource resource(ResourceType::graphic, id);
         const GraphicBlockHeader header = GraphicBlockHeader::Parse(resource.Cursor());
         std::ostringstream text;
         if (header.isValid || header.width + header.height + header.imageSize != 0) {
             text << (header.isValid ? "" : "invalid ") << header.width << "x" << header.height << " at " << header.left
                  << " " << header.top << ", erase " << int(header.eraseColor) << ", " << header.imageSize
                  << " bytes of rows from " << (header.imageStart == nullptr ? -1 : header.imageStart - *resource);
         }
         return text.str();
     }},
};

// 256 colours whose components carry junk in their high bytes, and colour 10 one of its own.
Bytes ColorTable256()
{
    std::vector<ColorBytes> colors(256);
    for (int index = 0; index < 256; ++index) {
        colors[static_cast<std::size_t>(index)] = {0x1200 + index, 255 - index, (index * 7) & 0xFF};
    }
    colors[10] = {0x1234, 0xFF01, 0x0080};
    return ColorTableBlockBytes(colors);
}

} // namespace

// Every reader reads its well-formed blocks; every malformed or missing block reads as empty
// and is reported, and a well-formed one is not.
TEST(BlockReaderTest, BlocksReadAsTheirFieldsOrEmptyWhenMalformed)
{
    std::ostringstream problems;
    ResourceProblems::SetOutput(&problems);
    ScopedInMemoryResources resources;
    Bytes countBeyondBytes = AnimationBlockBytes("10", {{1, 0, 0}, {2, 0, 0}});
    countBeyondBytes[4] = 3; // frame count 3, bytes for 2
    Bytes unterminated = IdleEventsBlockBytes({{2001, "5", "1", "0.5"}});
    unterminated.pop_back(); // the last text loses its zero
    Bytes short256 = ColorTable256();
    short256.pop_back();
    const struct {
        std::uint32_t type;
        Bytes block;
        std::string reading;
    } rows[] = {
        {ResourceType::animation, AnimationBlockBytes("12", {{1001, -4, 7}, {1002, 300, -1}}), "every 0.0833333 s, 1001 at -4 7, 1002 at 300 -1"},
        {ResourceType::animation, AnimationBlockBytes("4", {}), "every 0.25 s"},
        {ResourceType::animation, countBeyondBytes, ""},
        {ResourceType::animation, BlockBytes().Text("10").Integer16Bit(0x7FFF), ""}, // huge count
        {ResourceType::animation, BlockBytes().Text("10").Integer16Bit(-1), ""},     // negative count
        {ResourceType::animation, BlockBytes().Raw({'1', '0'}), ""},                 // rate text without its zero
        {ResourceType::animation, BlockBytes().Text("0").Integer16Bit(1).Integer16Bit(1).Integer16Bit(0).Integer16Bit(0), ""},
        {ResourceType::animation, BlockBytes().Text("-5").Integer16Bit(0), ""},
        {ResourceType::animation, BlockBytes().Text("10").Integer8Bit(0), ""}, // count cut short
        {ResourceType::animation, {}, ""},
        {ResourceType::idleEvents, IdleEventsBlockBytes({{2001, "5.5", "1", "0.25"}, {2002, "10", "0", "1"}}), "2001: 5.5 1 0.25; 2002: 10 0 1; "},
        {ResourceType::idleEvents, unterminated, ""},
        {ResourceType::idleEvents, BlockBytes().Integer16Bit(0x7FFF).Integer16Bit(1).Text("1").Text("1").Text("1"), ""},
        {ResourceType::idleEvents, BlockBytes().Integer16Bit(-2), ""},
        {ResourceType::idleEvents, BlockBytes().Integer16Bit(2).Integer16Bit(1).Text("1").Text("1").Text("1").Integer16Bit(2).Text("1"), ""},
        {ResourceType::idleEvents, BlockBytes().Integer16Bit(1).Integer16Bit(1).Text("nan").Text("1").Text("1"), ""},
        {ResourceType::idleEvents, BlockBytes().Integer8Bit(1), ""},
        {ResourceType::colorLookupTable, ColorTable256(), "0: 0 255 0; 10: 52 1 128; 255: 255 0 249; "},
        {ResourceType::colorLookupTable, short256, ""},
        {ResourceType::colorLookupTable, BlockBytes().Integer32Bit(0).Integer16Bit(0).Integer16Bit(-1), ""},
        {ResourceType::colorLookupTable, BlockBytes().Integer32Bit(0).Integer16Bit(0), ""},
        {ResourceType::colorLookupTable, BlockBytes().Integer32Bit(0).Integer16Bit(0).Integer16Bit(0x7FFF).Integer16Bit(0), ""},
        {ResourceType::screenDescription, ScreenDescriptionBlockBytes(640, 480, true), "640x480 on an underlay"},
        {ResourceType::screenDescription, BlockBytes().Integer16Bit(320).Integer16Bit(200).Raw({0x01, 0x00}), "320x200 on an underlay"},
        {ResourceType::screenDescription, ScreenDescriptionBlockBytes(640, 480, false), "640x480"},
        {ResourceType::screenDescription, BlockBytes().Integer16Bit(640).Integer16Bit(480).Integer8Bit(1), ""},
        {ResourceType::screenDescription, ScreenDescriptionBlockBytes(-640, 480, true), ""},
        {ResourceType::graphic, GraphicBlockBytes(-5, 12, 10, 2, 0xEE, {5, 10, 7, 0, 0}), "10x2 at -5 12, erase 238, 5 bytes of rows from 9"},
        {ResourceType::graphic, BlockBytes().Integer16Bit(0).Integer16Bit(0).Integer16Bit(4).Integer16Bit(4), ""}, // cut in the header
        {ResourceType::graphic, GraphicBlockBytes(0, 0, -1, 1, 0, {0}), ""},
        {ResourceType::graphic, GraphicBlockBytes(0, 0, 1, 3, 0, {0, 0}), ""}, // three rows in two bytes
        {ResourceType::graphic, {}, ""},
    };
    ResourceID id = 3000;
    for (const auto& row : rows) {
        SCOPED_TRACE(ResourceType::TypeString(row.type) + " " + std::to_string(id));
        resources.Add(row.type, id, row.block);
        EXPECT_EQ(readers.at(row.type)(id), row.reading);
        EXPECT_EQ(ResourceProblems::HasBeenReported(row.type, id), row.reading.empty());
        ++id;
    }
    for (const auto& [type, read] : readers) {
        SCOPED_TRACE(ResourceType::TypeString(type) + " missing");
        EXPECT_EQ(read(999), "");
        EXPECT_TRUE(ResourceProblems::HasBeenReported(type, 999));
    }
    EXPECT_EQ(Resource::SharedBlockCount(), 0);
    ResourceProblems::SetOutput(nullptr);
}
