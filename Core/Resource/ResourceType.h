#pragma once

#include <cstdint>
#include <string>

// Resource blocks are named by a four-character type code (first character in the most
// significant byte) and a signed 16-bit id.
using ResourceID = std::int16_t;

constexpr std::uint32_t FourCharacterCode(const char (&characters)[5])
{
    return (static_cast<std::uint32_t>(static_cast<unsigned char>(characters[0])) << 24)
        | (static_cast<std::uint32_t>(static_cast<unsigned char>(characters[1])) << 16)
        | (static_cast<std::uint32_t>(static_cast<unsigned char>(characters[2])) << 8)
        | static_cast<std::uint32_t>(static_cast<unsigned char>(characters[3]));
}

// The type codes the game reads, and the text under which a library files a type.
class ResourceType {
public:
    static constexpr std::uint32_t graphic = FourCharacterCode("GRF1");
    static constexpr std::uint32_t animation = FourCharacterCode("SPAN");
    static constexpr std::uint32_t idleEvents = FourCharacterCode("QANA");
    static constexpr std::uint32_t sound = FourCharacterCode("snd ");
    static constexpr std::uint32_t colorLookupTable = FourCharacterCode("CLUT");
    static constexpr std::uint32_t screenDescription = FourCharacterCode("DSC1");

    // The four characters from the most significant byte down, plain-ASCII upper-cased; a
    // blank in the fourth place ends the text ("snd " gives "SND"), and so does a zero byte.
    static std::string TypeString(std::uint32_t type);
};
