#include "Core/SkipDumpRunEncoding/SkipDumpRunEncoding8Bit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint8_t u = 0xEE; // marks pixels no decoder touched
constexpr std::size_t guard = 300;

// Decodes one row, whole (hidden < 0) or through a window, into a line between guard bytes;
// fails when a guard byte changed or the row size is not rowSize (by default the whole source).
Bytes Decoded(const Bytes& source, int width, int color = -1, int hidden = -1, int visibleCount = 0, int rowSize = -1)
{
    const int lineWidth = hidden < 0 ? width : visibleCount;
    Bytes destination(guard + static_cast<std::size_t>(lineWidth) + guard, u);
    std::uint8_t* start = destination.data() + guard;
    const auto single = static_cast<std::uint8_t>(color);
    using Codec = SkipDumpRunEncoding8Bit;
    const int size = hidden < 0
        ? (color < 0 ? Codec::Decode(source.data(), start) : Codec::DecodeUsingSingleColor(source.data(), start, single))
        : (color < 0 ? Codec::DecodeClipped(source.data(), start, hidden, visibleCount)
                     : Codec::DecodeUsingSingleColorClipped(source.data(), start, single, hidden, visibleCount));
    EXPECT_EQ(size, rowSize < 0 ? static_cast<int>(source.size()) : rowSize);
    EXPECT_EQ(Codec::DecodeToNowhere(source.data()), size);
    EXPECT_TRUE(std::all_of(destination.begin(), destination.begin() + guard, [](auto b) { return b == u; }));
    EXPECT_TRUE(std::all_of(destination.end() - guard, destination.end(), [](auto b) { return b == u; }));
    return Bytes(start, start + lineWidth);
}

TEST(SkipDumpRunDecode, DecodesEveryElementKind)
{
    // A run of 255, a skip of 255 and a dump of one: the largest counts are not negative.
    Bytes longestCounts(255, 3);
    longestCounts.resize(510, u);
    longestCounts.insert(longestCounts.end(), {6, u});
    struct Case {
        Bytes source, line;
        int color = -1, rowSize = -1;
    };
    const Case cases[] = {
        {{2, 3, 5, 4, 7, 4, 2, 1, 2, 0, 0xAA}, {u, u, u, 7, 7, 7, 7, 1, 2, u}, -1, 10}, // next row's byte after
        {{1, 3, 9, 9, 255, 3, 8, 0}, {u, 9, 8, u}},                                     // 6..255 do nothing
        {{0, 5, 3, 1}, {u, u, u}, -1, 1},
        {{2, 0, 4, 0, 5, 0, 6, 3, 1, 0}, {1, u, u}},
        {{5, 255, 3, 2, 255, 4, 1, 6, 0}, longestCounts},
        {{3, 1, 1, 4, 2, 9, 9, 5, 2, 4, 0}, {42, u, 42, 42, 42, 42, u}, 42},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Decoded(c.source, static_cast<int>(c.line.size()), c.color, -1, 0, c.rowSize), c.line);
    }
}

// A random row of any elements, codes that do nothing included, covering at most width pixels.
Bytes RandomRow(std::mt19937& random, int width)
{
    Bytes row;
    int covered = 0;
    auto pixel = [&random] { return static_cast<std::uint8_t>(random() % 201); };
    while (covered < width && random() % 8 != 0) {
        const int count = std::uniform_int_distribution<int>(0, std::min(width - covered, 255))(random);
        switch (random() % 7) {
        case 0: row.push_back(1); covered += 1; break;
        case 1: row.insert(row.end(), {2, static_cast<std::uint8_t>(count)}); covered += count; break;
        case 2: row.insert(row.end(), {3, pixel()}); covered += 1; break;
        case 3:
            row.insert(row.end(), {4, static_cast<std::uint8_t>(count)});
            for (int i = 0; i < count; ++i) {
                row.push_back(pixel());
            }
            covered += count;
            break;
        case 4: row.insert(row.end(), {5, static_cast<std::uint8_t>(count), pixel()}); covered += count; break;
        default: row.push_back(static_cast<std::uint8_t>(6 + random() % 250)); break;
        }
        if (covered > width) {
            return RandomRow(random, width); // a single skip or dump went past the end
        }
    }
    row.push_back(0);
    return row;
}

// Every window of a random row shows exactly that part of the whole row, in its own colours and
// in one colour; nothing outside the window is written.
TEST(SkipDumpRunDecode, EveryWindowOfARandomRowMatchesTheWholeRow)
{
    std::mt19937 random(1207);
    for (int trial = 0; trial < 1500; ++trial) {
        SCOPED_TRACE(trial);
        const int width = std::uniform_int_distribution<int>(0, 600)(random);
        const Bytes source = RandomRow(random, width);
        const Bytes whole = Decoded(source, width);
        const Bytes silhouette = Decoded(source, width, 13);
        for (int x = 0; x < width; ++x) {
            ASSERT_EQ(silhouette[static_cast<std::size_t>(x)] == 13, whole[static_cast<std::size_t>(x)] != u);
        }
        const int hidden = std::uniform_int_distribution<int>(0, width)(random);
        const int visibleCount = std::uniform_int_distribution<int>(0, width - hidden)(random);
        ASSERT_EQ(Decoded(source, width, -1, hidden, visibleCount),
                  Bytes(whole.begin() + hidden, whole.begin() + hidden + visibleCount));
        ASSERT_EQ(Decoded(source, width, 13, hidden, visibleCount),
                  Bytes(silhouette.begin() + hidden, silhouette.begin() + hidden + visibleCount));
    }
}

// Rows checked against the bytes really there (an exact-size copy lets the sanitizer see
// any read beyond) and against their width.
TEST(SkipDumpRunDecode, RowSizeAcceptsOnlyRowsThatFitTheirWidthAndTheBlock)
{
    const std::optional<int> bad;
    struct Case {
        Bytes bytes;
        int width;
        std::optional<int> size;
    };
    const Case cases[] = {
        {{2, 3, 5, 4, 7, 4, 2, 1, 2, 0}, 9, 10}, {{0, 99, 99}, 0, 1}, {{7, 200, 0}, 0, 3},
        {{4, 0, 5, 0, 1, 0}, 0, 6}, {{2, 3, 5, 4, 7, 4, 2, 1, 2, 0}, 8, bad}, {{3, 1, 0}, -1, bad},
        {{5, 255, 1, 5, 255, 1, 0}, 509, bad}, {{}, 10, bad}, {{1, 1, 1}, 10, bad}, {{2}, 10, bad},
        {{4, 5, 1, 2, 3}, 10, bad}, {{5, 3}, 10, bad},
    };
    for (const Case& c : cases) {
        const auto copy = std::make_unique<std::uint8_t[]>(c.bytes.size() + 1);
        std::copy(c.bytes.begin(), c.bytes.end(), copy.get());
        EXPECT_EQ(SkipDumpRunEncoding8Bit::RowSize(copy.get(), c.bytes.size(), c.width), c.size)
            << testing::PrintToString(c.bytes) << " width " << c.width;
    }
}

} // namespace
