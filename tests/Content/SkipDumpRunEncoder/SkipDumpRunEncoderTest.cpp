#include "Content/SkipDumpRunEncoder/SkipDumpRunEncoder.h"
#include "Core/SkipDumpRunEncoding/SkipDumpRunEncoding8Bit.h"

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>
#include <utility>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Joined(std::initializer_list<Bytes> parts)
{
    Bytes joined;
    for (const Bytes& part : parts) {
        joined.insert(joined.end(), part.begin(), part.end());
    }
    return joined;
}

// The encoder picks the most compact elements: runs from three equal pixels on (but 31 equal
// pixels stay inside a dump of several colours, 32 split it), no trailing skip, and elements
// longer than one byte can count split.
TEST(SkipDumpRunEncoder, PicksCompactElements)
{
    constexpr std::uint8_t t = 0;
    const std::pair<Bytes, Bytes> rows[] = {
        {{t, t, t, 7, 7, 7, 7, 1, 2, t}, {2, 3, 4, 6, 7, 7, 7, 7, 1, 2, 0}},
        {{t, 9, t, t}, {1, 3, 9, 0}},
        {{t, t, t}, {0}},
        {{}, {0}},
        {{1, 1, 2}, {4, 3, 1, 1, 2, 0}},
        {{t, 6, 6, 6, t, 8, 8}, {1, 5, 3, 6, 1, 4, 2, 8, 8, 0}},
        {Joined({{3}, Bytes(31, 7), {4}}), Joined({{4, 33, 3}, Bytes(31, 7), {4, 0}})},
        {Joined({{3}, Bytes(32, 7), {4}}), {3, 3, 5, 32, 7, 3, 4, 0}},
        {Joined({Bytes(300, t), Bytes(400, 5)}), {2, 255, 2, 45, 5, 255, 5, 5, 145, 5, 0}},
    };
    for (const auto& [row, expected] : rows) {
        Bytes encoded;
        SkipDumpRunEncoder::EncodeRow(row, t, encoded);
        EXPECT_EQ(encoded, expected) << testing::PrintToString(row);
    }
}

TEST(SkipDumpRunEncoder, RandomImagesSurviveTheRoundTrip)
{
    std::mt19937 random(5);
    for (int trial = 0; trial < 200; ++trial) {
        SkipDumpRunEncoder::Image image;
        image.width = std::uniform_int_distribution<int>(0, 700)(random);
        image.height = std::uniform_int_distribution<int>(0, 12)(random);
        const auto transparent = static_cast<std::uint8_t>(random() % 256);
        // Few distinct colours, so that long runs and long skips occur as well as noise.
        const int colours = std::uniform_int_distribution<int>(1, 256)(random);
        const int streak = std::uniform_int_distribution<int>(1, 400)(random);
        std::uint8_t current = transparent;
        for (int i = 0; i < image.width * image.height; ++i) {
            if (static_cast<int>(random() % static_cast<unsigned>(streak)) == 0) {
                current = static_cast<std::uint8_t>((transparent + random() % static_cast<unsigned>(colours)) % 256);
            }
            image.pixels.push_back(current);
        }
        const Bytes encoded = SkipDumpRunEncoder::EncodeImage(image, transparent);

        std::size_t offset = 0;
        for (int y = 0; y < image.height; ++y) {
            const auto checked = SkipDumpRunEncoding8Bit::RowSize(encoded.data() + offset, encoded.size() - offset,
                                                                  image.width);
            ASSERT_TRUE(checked.has_value()) << "trial " << trial << " row " << y;
            // Decoded over the transparent index, as a drawing would show it.
            Bytes line(static_cast<std::size_t>(image.width), transparent);
            ASSERT_EQ(SkipDumpRunEncoding8Bit::Decode(encoded.data() + offset, line.data()), *checked);
            const auto rowStart = image.pixels.begin() + static_cast<std::ptrdiff_t>(y) * image.width;
            ASSERT_EQ(line, Bytes(rowStart, rowStart + image.width)) << "trial " << trial << " row " << y;
            offset += static_cast<std::size_t>(*checked);
        }
        EXPECT_EQ(offset, encoded.size());
    }
}

TEST(SkipDumpRunEncoder, GraphicBlockHasTheHeaderThenTheRows)
{
    SkipDumpRunEncoder::Image image{3, 2, {0, 4, 4, 9, 0, 0}};
    const Bytes block = SkipDumpRunEncoder::MakeGraphicBlock(image, 0, -2, 300, 17);
    const Bytes expected{0xFF, 0xFE, 0x01, 0x2C, 0x00, 0x03, 0x00, 0x02, 17, 1, 4, 2, 4, 4, 0, 3, 9, 0};
    EXPECT_EQ(block, expected);
}

// Pixels that do not fill the size, a negative size and a placement beyond 16 bits.
TEST(SkipDumpRunEncoder, RefusesImagesItCannotDescribe)
{
    EXPECT_THROW(SkipDumpRunEncoder::EncodeImage({4, 2, Bytes(7, 1)}, 0), std::invalid_argument);
    EXPECT_THROW(SkipDumpRunEncoder::EncodeImage({-1, 0, {}}, 0), std::invalid_argument);
    EXPECT_THROW(SkipDumpRunEncoder::MakeGraphicBlock({1, 1, {1}}, 0, 40000, 0, 0), std::invalid_argument);
    EXPECT_THROW(SkipDumpRunEncoder::MakeGraphicBlock({1, 1, {1}}, 0, 0, -40000, 0), std::invalid_argument);
}

} // namespace
