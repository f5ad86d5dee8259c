#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Copies and fills of the short pixel spans that rows are made of. A row element holds at most
// 255 pixels and most hold a few dozen, where a call to the C library's memcpy or memset costs
// more than the work itself. Each span is written with a few fixed-size moves that overlap
// inside the span; nothing before its first or after its last pixel is read or written.
class PixelSpans {
public:
    // Copies count pixels from source to destination (which do not overlap).
    static void Copy(std::uint8_t* destination, const std::uint8_t* source, std::size_t count)
    {
        if (count >= 16) {
            if (count > largeSpan) {
                std::memcpy(destination, source, count);
                return;
            }
            std::uint8_t* const lastDestination = destination + count - 16;
            const std::uint8_t* const lastSource = source + count - 16;
            while (destination < lastDestination) {
                std::memcpy(destination, source, 16);
                destination += 16;
                source += 16;
            }
            std::memcpy(lastDestination, lastSource, 16);
        } else if (count >= 8) {
            std::memcpy(destination, source, 8);
            std::memcpy(destination + count - 8, source + count - 8, 8);
        } else if (count >= 4) {
            std::memcpy(destination, source, 4);
            std::memcpy(destination + count - 4, source + count - 4, 4);
        } else if (count >= 2) {
            std::memcpy(destination, source, 2);
            std::memcpy(destination + count - 2, source + count - 2, 2);
        } else if (count == 1) {
            *destination = *source;
        }
    }

    // Sets count pixels from destination onward to color.
    static void Fill(std::uint8_t* destination, std::uint8_t color, std::size_t count)
    {
        const std::uint64_t pattern = 0x0101010101010101ULL * color;
        if (count >= 16) {
            if (count > largeSpan) {
                std::memset(destination, color, count);
                return;
            }
            std::uint8_t* const lastDestination = destination + count - 16;
            while (destination < lastDestination) {
                Store16(destination, pattern);
                destination += 16;
            }
            Store16(lastDestination, pattern);
        } else if (count >= 8) {
            std::memcpy(destination, &pattern, 8);
            std::memcpy(destination + count - 8, &pattern, 8);
        } else if (count >= 4) {
            std::memcpy(destination, &pattern, 4);
            std::memcpy(destination + count - 4, &pattern, 4);
        } else if (count >= 2) {
            std::memcpy(destination, &pattern, 2);
            std::memcpy(destination + count - 2, &pattern, 2);
        } else if (count == 1) {
            *destination = color;
        }
    }

private:
    // Beyond this the C library's vectorised routines win over the inline moves.
    static constexpr std::size_t largeSpan = 128;

    static void Store16(std::uint8_t* destination, std::uint64_t pattern)
    {
        std::memcpy(destination, &pattern, 8);
        std::memcpy(destination + 8, &pattern, 8);
    }
};
