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
         std::ostringstream text;
         for (const ColorTableBlock::Entry& entry : ColorTableBlock::Read(id).entries) {
             text << int(entry.red) << " " << int(entry.green) << " " << int(entry.blue) << "; ";
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

} // namespace

// Every reader reads its well-formed blocks; every malformed or missing block reads as empty
// and is reported, and a well-formed one is not.
TEST(BlockReaderTest, BlocksReadAsTheirFieldsOrEmptyWhenMalformed)
{
    std::ostringstream problems;
    ResourceProblems::SetOutput(&problems);
    ScopedInMemoryResources resources;
    const struct {
        std::uint32_t type;
        Bytes block;
        std::string reading;
    } rows[] = {
        {ResourceType::animation, AnimationBlockBytes("12", {{1001, -4, 7}, {1002, 300, -1}}), "every 0.0833333 s, 1001 at -4 7, 1002 at 300 -1"},
        {ResourceType::animation, AnimationBlockBytes("4", {}), "every 0.25 s"},
        {ResourceType::animation, BlockBytes().Text("10").Integer16Bit(0x7FFF), ""}, // huge count
        {ResourceType::animation, BlockBytes().Text("10").Integer16Bit(-1), ""},     // negative count
        {ResourceType::animation, BlockBytes().Raw({'1', '0'}), ""},                 // rate text without its zero
        {ResourceType::animation, BlockBytes().Text("0").Integer16Bit(1).Integer16Bit(1).Integer16Bit(0).Integer16Bit(0), ""},
        {ResourceType::idleEvents, IdleEventsBlockBytes({{2001, "5.5", "1", "0.25"}, {2002, "10", "0", "1"}}), "2001: 5.5 1 0.25; 2002: 10 0 1; "},
        {ResourceType::idleEvents, BlockBytes().Integer16Bit(1).Integer16Bit(1).Text("1").Text("1").Raw({'1'}), ""}, // no zero
        {ResourceType::idleEvents, BlockBytes().Integer16Bit(0x7FFF).Integer16Bit(1).Text("1").Text("1").Text("1"), ""},
        {ResourceType::idleEvents, BlockBytes().Integer16Bit(-2), ""},
        {ResourceType::idleEvents, BlockBytes().Integer16Bit(1).Integer16Bit(1).Text("nan").Text("1").Text("1"), ""},
        {ResourceType::idleEvents, BlockBytes().Integer8Bit(1), ""},
        // Components carry junk in their high bytes.
        {ResourceType::colorLookupTable, ColorTableBlockBytes({{0x1234, 0xFF01, 0x0080}, {1, 2, 3}}), "52 1 128; 1 2 3; "},
        {ResourceType::colorLookupTable, BlockBytes().Integer32Bit(0).Integer16Bit(0).Integer16Bit(-1), ""},
        {ResourceType::colorLookupTable, BlockBytes().Integer32Bit(0).Integer16Bit(0), ""},
        {ResourceType::colorLookupTable, BlockBytes().Integer32Bit(0).Integer16Bit(0).Integer16Bit(0x7FFF).Integer16Bit(0), ""},
        {ResourceType::screenDescription, ScreenDescriptionBlockBytes(640, 480, true), "640x480 on an underlay"},
        {ResourceType::screenDescription, ScreenDescriptionBlockBytes(640, 480, false), "640x480"},
        {ResourceType::screenDescription, BlockBytes().Integer16Bit(640).Integer16Bit(480).Integer8Bit(1), ""},
        {ResourceType::screenDescription, ScreenDescriptionBlockBytes(-640, 480, true), ""},
        {ResourceType::graphic, GraphicBlockBytes(-5, 12, 10, 5, 0xEE, {5, 10, 7, 0, 0}), "10x5 at -5 12, erase 238, 5 bytes of rows from 9"},
        {ResourceType::graphic, BlockBytes().Integer16Bit(0).Integer16Bit(0).Integer16Bit(4).Integer16Bit(4), ""}, // cut in the header
        {ResourceType::graphic, GraphicBlockBytes(0, 0, -1, 1, 0, {0}), ""},
        {ResourceType::graphic, GraphicBlockBytes(0, 0, 1, 3, 0, {0, 0}), ""}, // three rows in two bytes
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
