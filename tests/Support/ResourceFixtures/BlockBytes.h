#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Core/Resource/ResourceType.h"

// Builds resource block bytes field by field, big-endian as the libraries store them:
//   std::vector<std::uint8_t> bytes = BlockBytes().Integer16Bit(640).Integer16Bit(480).Integer16Bit(1);
class BlockBytes {
public:
    BlockBytes& Integer8Bit(int value);
    BlockBytes& Integer16Bit(int value) { return Integer8Bit(value >> 8).Integer8Bit(value); }
    BlockBytes& Integer32Bit(int value) { return Integer16Bit(value >> 16).Integer16Bit(value); }
    // The text's characters, then a zero byte.
    BlockBytes& Text(const std::string& text);
    BlockBytes& Raw(const std::vector<std::uint8_t>& bytes);

    operator std::vector<std::uint8_t>() const { return bytes; }

private:
    std::vector<std::uint8_t> bytes;
};

// Whole blocks in the layouts the game reads.

// GRF1: placement, size, erase colour, then the encoded rows as given.
std::vector<std::uint8_t> GraphicBlockBytes(int left, int top, int width, int height, int eraseColor,
    const std::vector<std::uint8_t>& encodedRows);

struct AnimationFrameBytes {
    ResourceID graphicResourceID;
    int x;
    int y;
};
// SPAN: frame rate text, frame count, frames.
std::vector<std::uint8_t> AnimationBlockBytes(const std::string& frameRateText, const std::vector<AnimationFrameBytes>& frames);

struct IdleEventBytes {
    ResourceID animationID;
    std::string period;
    std::string variance;
    std::string chanceOfOccurring;
};
// QANA: event count, events.
std::vector<std::uint8_t> IdleEventsBlockBytes(const std::vector<IdleEventBytes>& events);

struct ColorBytes {
    int red;
    int green;
    int blue;
};
// CLUT: the ignored header, highest index N = colors.size() - 1, then the entries.
std::vector<std::uint8_t> ColorTableBlockBytes(const std::vector<ColorBytes>& colors);

// DSC1: width, height, has-underlay flag.
std::vector<std::uint8_t> ScreenDescriptionBlockBytes(int width, int height, bool hasUnderlay);
