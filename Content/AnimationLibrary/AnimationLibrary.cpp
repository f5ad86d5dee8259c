#include "Content/AnimationLibrary/AnimationLibrary.h"

#include "Content/GameArt/GameArt.h"

#include <cstdio>
#include <string>

namespace {

void AppendInteger16(std::vector<std::uint8_t>& block, int value)
{
    const auto bits = static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
    block.push_back(static_cast<std::uint8_t>(bits >> 8));
    block.push_back(static_cast<std::uint8_t>(bits & 0xFF));
}

// A number as the zero-terminated decimal text the readers expect, in the C locale's form.
void AppendReal(std::vector<std::uint8_t>& block, double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    for (const char* character = text; *character != '\0'; ++character) {
        block.push_back(static_cast<std::uint8_t>(*character == ',' ? '.' : *character));
    }
    block.push_back(0);
}

std::vector<std::uint8_t> AnimationBlock(const ArtCatalogue::Animation& animation)
{
    std::vector<std::uint8_t> block;
    AppendReal(block, animation.framesPerSecond);
    AppendInteger16(block, static_cast<int>(animation.frames.size()));
    for (const ArtCatalogue::Frame& frame : animation.frames) {
        AppendInteger16(block, frame.graphic);
        AppendInteger16(block, frame.offset.x());
        AppendInteger16(block, frame.offset.y());
    }
    return block;
}

std::vector<std::uint8_t> IdleEventsBlock(const ArtCatalogue::IdleTable& table)
{
    std::vector<std::uint8_t> block;
    AppendInteger16(block, static_cast<int>(table.events.size()));
    for (const ArtCatalogue::IdleEvent& event : table.events) {
        AppendInteger16(block, event.animation);
        AppendReal(block, event.period);
        AppendReal(block, event.variance);
        AppendReal(block, event.chanceOfOccurring);
    }
    return block;
}

} // namespace

void BuildSpqaLibrary(ContentArchive& archive, const ContentOptions&)
{
    const ArtCatalogue catalogue = GameArtCatalogue();
    for (const ArtCatalogue::Animation& animation : catalogue.Animations()) {
        archive.AddBlock(ResourceType::animation, animation.id, AnimationBlock(animation));
    }
    for (const ArtCatalogue::IdleTable& table : catalogue.IdleTables()) {
        archive.AddBlock(ResourceType::idleEvents, table.id, IdleEventsBlock(table));
    }
}
