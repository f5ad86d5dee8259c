#include "Core/SkipDumpRunEncoding/SkipDumpRunEncoding8Bit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint8_t untouched = 0xEE;
// Guard bytes on both sides of every destination catch writes outside the visible part.
constexpr std::size_t guard = 300;

struct ClippedResult {
    int rowSize;
    Bytes visible;
    bool guardsIntact;
};

ClippedResult DecodeClipped(const Bytes& source, int hidden, int visibleCount, int singleColor = -1)
{
    Bytes destination(guard + static_cast<std::size_t>(std::max(visibleCount, 0)) + guard, untouched);
    std::uint8_t* start = destination.data() + guard;
    const int rowSize = singleColor < 0
        ? SkipDumpRunEncoding8Bit::DecodeClipped(source.data(), start, hidden, visibleCount)
        : SkipDumpRunEncoding8Bit::DecodeUsingSingleColorClipped(source.data(), start,
                                                                 static_cast<std::uint8_t>(singleColor), hidden,
                                                                 visibleCount);
    bool guardsIntact = true;
    for (std::size_t i = 0; i < guard; ++i) {
        guardsIntact = guardsIntact && destination[i] == untouched && destination[destination.size() - 1 - i] == untouched;
    }
    return {rowSize, Bytes(start, start + std::max(visibleCount, 0)), guardsIntact};
}

// Elements crossing the clip edges, each with the window it is decoded through.
TEST(SkipDumpRunClippedDecode, ElementsCrossingTheEdgesShowOnlyTheirVisiblePart)
{
    constexpr std::uint8_t u = untouched;
    struct Case {
        const char* what;
        Bytes source;
        int hidden;
        int visibleCount;
        Bytes visible;
        int singleColor = -1;
    };
    const Case cases[] = {
        {"run crossing the left edge shows its last pixels", {5, 5, 7, 3, 8, 0}, 3, 4, {7, 7, 8, u}},
        {"skip crossing the left edge moves by its visible part", {2, 10, 4, 2, 1, 2, 0}, 6, 7, {u, u, u, u, 1, 2, u}},
        {"dump crossing the right edge", {2, 2, 4, 6, 1, 2, 3, 4, 5, 6, 3, 9, 0}, 0, 4, {u, u, 1, 2}},
        {"dump cut at both edges", {4, 8, 1, 2, 3, 4, 5, 6, 7, 8, 0}, 2, 3, {3, 4, 5}},
        {"run cut at both edges", {5, 200, 4, 0}, 50, 10, Bytes(10, 4)},
        {"single dumps hidden one at a time", {3, 1, 3, 2, 3, 3, 3, 4, 0}, 1, 2, {2, 3}},
        {"single dumps in one colour", {3, 1, 3, 2, 3, 3, 3, 4, 0}, 1, 2, {77, 77}, 77},
        {"nothing visible", {5, 4, 1, 4, 3, 1, 2, 3, 0}, 0, 0, {}},
    };
    for (const Case& c : cases) {
        const ClippedResult result = DecodeClipped(c.source, c.hidden, c.visibleCount, c.singleColor);
        EXPECT_EQ(result.rowSize, static_cast<int>(c.source.size())) << c.what;
        EXPECT_EQ(result.visible, c.visible) << c.what;
        EXPECT_TRUE(result.guardsIntact) << c.what;
    }
}

// A random row of any elements, codes that do nothing included, covering at most width pixels.
Bytes RandomRow(std::mt19937& random, int width)
{
    Bytes row;
    int covered = 0;
    std::uniform_int_distribution<int> kind(0, 6);
    // Pixel values stay below the marker of untouched pixels.
    std::uniform_int_distribution<int> byteValue(0, 200);
    while (covered < width && random() % 8 != 0) {
        const int left = width - covered;
        const int count = std::uniform_int_distribution<int>(0, std::min(left, 255))(random);
        switch (kind(random)) {
        case 0:
            row.push_back(1);
            covered += 1;
            break;
        case 1:
            row.insert(row.end(), {2, static_cast<std::uint8_t>(count)});
            covered += count;
            break;
        case 2:
            row.insert(row.end(), {3, static_cast<std::uint8_t>(byteValue(random))});
            covered += 1;
            break;
        case 3:
            row.insert(row.end(), {4, static_cast<std::uint8_t>(count)});
            for (int i = 0; i < count; ++i) {
                row.push_back(static_cast<std::uint8_t>(byteValue(random)));
            }
            covered += count;
            break;
        case 4:
            row.insert(row.end(), {5, static_cast<std::uint8_t>(count), static_cast<std::uint8_t>(byteValue(random))});
            covered += count;
            break;
        default:
            row.push_back(static_cast<std::uint8_t>(std::uniform_int_distribution<int>(6, 255)(random)));
            break;
        }
        if (covered > width) {
            // A skip or dump of one went past the end: start over smaller.
            return RandomRow(random, width);
        }
    }
    row.push_back(0);
    return row;
}

TEST(SkipDumpRunClippedDecode, EveryWindowOfARandomRowMatchesTheWholeRow)
{
    std::mt19937 random(1207);
    for (int trial = 0; trial < 400; ++trial) {
        const int width = std::uniform_int_distribution<int>(0, 600)(random);
        const Bytes source = RandomRow(random, width);
        Bytes whole(static_cast<std::size_t>(width), untouched);
        const int rowSize = SkipDumpRunEncoding8Bit::Decode(source.data(), whole.data());
        ASSERT_EQ(rowSize, static_cast<int>(source.size()));
        ASSERT_EQ(SkipDumpRunEncoding8Bit::DecodeToNowhere(source.data()), rowSize);

        Bytes silhouette(static_cast<std::size_t>(width), untouched);
        SkipDumpRunEncoding8Bit::DecodeUsingSingleColor(source.data(), silhouette.data(), 13);
        for (int x = 0; x < width; ++x) {
            ASSERT_EQ(silhouette[static_cast<std::size_t>(x)] == 13, whole[static_cast<std::size_t>(x)] != untouched);
        }

        const int hidden = std::uniform_int_distribution<int>(0, width)(random);
        const int visibleCount = std::uniform_int_distribution<int>(0, width - hidden)(random);
        const Bytes window(whole.begin() + hidden, whole.begin() + hidden + visibleCount);
        const ClippedResult clipped = DecodeClipped(source, hidden, visibleCount);
        ASSERT_EQ(clipped.rowSize, rowSize);
        ASSERT_TRUE(clipped.guardsIntact) << "trial " << trial;
        ASSERT_EQ(clipped.visible, window) << "trial " << trial << " hidden " << hidden;

        const ClippedResult single = DecodeClipped(source, hidden, visibleCount, 13);
        ASSERT_TRUE(single.guardsIntact);
        ASSERT_EQ(single.visible, Bytes(silhouette.begin() + hidden, silhouette.begin() + hidden + visibleCount));
    }
}

} // namespace
