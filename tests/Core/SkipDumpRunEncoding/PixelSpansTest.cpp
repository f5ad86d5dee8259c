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
TEST(PixelSpans, CopyWritesExactlyTheSpanAtEveryLengthAndAlignment)
{
    Bytes source(600);
    for (std::size_t i = 0; i < source.size(); ++i) {
        source[i] = static_cast<std::uint8_t>(i * 7 % 251);
    }
    for (std::size_t count = 0; count <= 520; ++count) {
        for (std::size_t offset = 0; offset < 16; ++offset) {
            Bytes destination(guard + offset + count + guard, untouched);
            PixelSpans::Copy(destination.data() + guard + offset, source.data() + offset, count);
            for (std::size_t i = 0; i < destination.size(); ++i) {
                const bool inside = i >= guard + offset && i < guard + offset + count;
                const std::uint8_t expected = inside ? source[i - guard] : untouched;
                ASSERT_EQ(destination[i], expected) << "count " << count << " offset " << offset << " byte " << i;
            }
        }
    }
}

TEST(PixelSpans, FillWritesExactlyTheSpanAtEveryLengthAndAlignment)
{
    for (std::size_t count = 0; count <= 520; ++count) {
        for (std::size_t offset = 0; offset < 16; ++offset) {
            // Colours with the top bit set catch sign extension when the pattern is spread.
            const auto color = static_cast<std::uint8_t>(count % 2 == 0 ? 0x81 : 0x05);
            Bytes destination(guard + offset + count + guard, untouched);
            PixelSpans::Fill(destination.data() + guard + offset, color, count);
            for (std::size_t i = 0; i < destination.size(); ++i) {
                const bool inside = i >= guard + offset && i < guard + offset + count;
                ASSERT_EQ(destination[i], inside ? color : untouched)
                    << "count " << count << " offset " << offset << " byte " << i;
            }
        }
    }
}

} // namespace
