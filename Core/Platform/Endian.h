#pragma once

#include <bit>
#include <cstdint>

// Resource blocks store multi-byte integers big-endian; these turn them into host order
// (and back: each conversion is its own inverse). On a big-endian host they change nothing.
class Endian {
public:
    static constexpr std::uint16_t AdjustInteger16Bit(std::uint16_t value)
    {
        if constexpr (std::endian::native == std::endian::big) {
            return value;
        }
        return static_cast<std::uint16_t>((value >> 8) | (value << 8));
    }

    static constexpr std::int16_t AdjustResourceID(std::int16_t id)
    {
        return static_cast<std::int16_t>(AdjustInteger16Bit(static_cast<std::uint16_t>(id)));
    }

    static constexpr std::uint32_t AdjustInteger32Bit(std::uint32_t value)
    {
        if constexpr (std::endian::native == std::endian::big) {
            return value;
        }
        return (value >> 24) | ((value >> 8) & 0x0000FF00u) | ((value << 8) & 0x00FF0000u) | (value << 24);
    }
};
