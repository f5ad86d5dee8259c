#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Copies and fills of the short pixel spans that rows are made of. A row element holds at most
// 255 pixels and most hold a few dozen, where a call to the C library's memcpy or memset costs
// more than the work itself. A span of count pixels, with size <= count <= 2 * size for one of
// the sizes 1, 2, 4 ... 64, is written as its first and its last `size` pixels (the two parts
// overlap inside the span): a few fixed-size moves and no loop whose end the processor must
// guess. Nothing before the span's first or after its last pixel is read or written.
class PixelSpans {
public:
    // Copies count pixels from source to destination (which do not overlap).
    static void Copy(std::uint8_t* destination, const std::uint8_t* source, std::size_t count)
    {
        if (count > 128) {
            std::memcpy(destination, source, count);
        } else if (count > 16) {
            if (count > 64) {
                CopyEnds<64>(destination, source, count);
            } else if (count > 32) {
                CopyEnds<32>(destination, source, count);
            } else {
                CopyEnds<16>(destination, source, count);
            }
        } else if (count >= 4) {
            if (count >= 8) {
                CopyEnds<8>(destination, source, count);
            } else {
                CopyEnds<4>(destination, source, count);
            }
        } else if (count >= 2) {
            CopyEnds<2>(destination, source, count);
        } else if (count == 1) {
            *destination = *source;
        }
    }

    // Sets count pixels from destination onward to color.
    static void Fill(std::uint8_t* destination, std::uint8_t color, std::size_t count)
    {
        if (count > 128) {
            std::memset(destination, color, count);
            return;
        }
        // The colour in every byte of 64, the longest move below.
        std::uint8_t pattern[64];
        std::memset(pattern, color, sizeof pattern);
        if (count > 16) {
            if (count > 64) {
                FillEnds<64>(destination, pattern, count);
            } else if (count > 32) {
                FillEnds<32>(destination, pattern, count);
            } else {
                FillEnds<16>(destination, pattern, count);
            }
        } else if (count >= 4) {
            if (count >= 8) {
                FillEnds<8>(destination, pattern, count);
            } else {
                FillEnds<4>(destination, pattern, count);
            }
        } else if (count >= 2) {
            FillEnds<2>(destination, pattern, count);
        } else if (count == 1) {
            *destination = color;
        }
    }

private:
    // For size <= count <= 2 * size.
    template <std::size_t size>
    static void CopyEnds(std::uint8_t* destination, const std::uint8_t* source, std::size_t count)
    {
        std::memcpy(destination, source, size);
        std::memcpy(destination + count - size, source + count - size, size);
    }

    template <std::size_t size>
    static void FillEnds(std::uint8_t* destination, const std::uint8_t* pattern, std::size_t count)
    {
        std::memcpy(destination, pattern, size);
        std::memcpy(destination + count - size, pattern, size);
    }
};
