#include "tests/Support/ResourceFixtures/BlockBytes.h"

BlockBytes& BlockBytes::Integer8Bit(int value)
{
    bytes.push_back(static_cast<std::uint8_t>(value & 0xFF));
    return *this;
}

BlockBytes& BlockBytes::Text(const std::string& text)
{
    bytes.insert(bytes.end(), text.begin(), text.end());
    bytes.push_back(0);
    return *this;
}

BlockBytes& BlockBytes::Raw(const std::vector<std::uint8_t>& values)
{
    bytes.insert(bytes.end(), values.begin(), values.end());
    return *this;
}

std::vector<std::uint8_t> GraphicBlockBytes(int left, int top, int width, int height, int eraseColor,
    const std::vector<std::uint8_t>& encodedRows)
{
    return BlockBytes().Integer16Bit(left).Integer16Bit(top).Integer16Bit(width).Integer16Bit(height)
        .Integer8Bit(eraseColor).Raw(encodedRows);
}

std::vector<std::uint8_t> AnimationBlockBytes(const std::string& frameRateText, const std::vector<AnimationFrameBytes>& frames)
{
    BlockBytes block;
    block.Text(frameRateText).Integer16Bit(static_cast<int>(frames.size()));
    for (const AnimationFrameBytes& frame : frames) {
        block.Integer16Bit(frame.graphicResourceID).Integer16Bit(frame.x).Integer16Bit(frame.y);
    }
    return block;
}

std::vector<std::uint8_t> IdleEventsBlockBytes(const std::vector<IdleEventBytes>& events)
{
    BlockBytes block;
    block.Integer16Bit(static_cast<int>(events.size()));
    for (const IdleEventBytes& event : events) {
        block.Integer16Bit(event.animationID).Text(event.period).Text(event.variance).Text(event.chanceOfOccurring);
    }
    return block;
}

std::vector<std::uint8_t> ColorTableBlockBytes(const std::vector<ColorBytes>& colors)
{
    BlockBytes block;
    block.Integer32Bit(0).Integer16Bit(0).Integer16Bit(static_cast<int>(colors.size()) - 1);
    for (const ColorBytes& color : colors) {
        block.Integer16Bit(0).Integer16Bit(color.red).Integer16Bit(color.green).Integer16Bit(color.blue);
    }
    return block;
}

std::vector<std::uint8_t> ScreenDescriptionBlockBytes(int width, int height, bool hasUnderlay)
{
    return BlockBytes().Integer16Bit(width).Integer16Bit(height).Integer16Bit(hasUnderlay ? 1 : 0);
}
