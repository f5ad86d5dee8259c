#include "Core/SkipDumpRunEncoding/PixelSpans.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint8_t untouched = 0xEE;
constexpr std::size_t guard = 32;

// Every span length an element can have and beyond, at every alignment within 16 bytes: the
// span's pixels are exactly right and the guard bytes on both sides are untouched.
TEST(PixelSpans, CopyAndFillWriteExactlyTheSpanAtEveryLengthAndAlignment)
{
    Bytes source(600);
    for (std::size_t i = 0; i < source.size(); ++i) {
        source[i] = static_cast<std::uint8_t>(i * 7 % 251);
    }
    for (std::size_t count = 0; count <= 520; ++count) {
        for (std::size_t offset = 0; offset < 16; ++offset) {
            // Colours with the top bit set catch sign extension when the pattern is spread.
            const auto color = static_cast<std::uint8_t>(count % 2 == 0 ? 0x81 : 0x05);
            Bytes copied(guard + offset + count + guard, untouched);
            Bytes filled = copied;
            PixelSpans::Copy(copied.data() + guard + offset, source.data() + offset, count);
            PixelSpans::Fill(filled.data() + guard + offset, color, count);
            for (std::size_t i = 0; i < copied.size(); ++i) {
                const bool inside = i >= guard + offset && i < guard + offset + count;
                ASSERT_EQ(copied[i], inside ? source[i - guard] : untouched)
                    << "copy of " << count << " at offset " << offset << " byte " << i;
                ASSERT_EQ(filled[i], inside ? color : untouched)
                    << "fill of " << count << " at offset " << offset << " byte " << i;
            }
        }
    }
}

} // namespace
