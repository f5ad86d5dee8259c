#include "Core/SkipDumpRunEncoding/SkipDumpRunEncoding8Bit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint8_t untouched = 0xEE;
constexpr std::size_t guard = 40;
constexpr int leadingSkip = 5;
constexpr std::uint8_t marker = 9;

// Pixel values that differ from their neighbours, so a shifted or repeated copy shows.
std::uint8_t DumpPixel(int i) { return static_cast<std::uint8_t>((i * 13 + 1) % 200); }

// skip 5, then a dump or run of count pixels, then one marker pixel and the end code.
Bytes RowWithElement(bool dump, int count)
{
    Bytes row{2, leadingSkip};
    if (dump) {
        row.insert(row.end(), {4, static_cast<std::uint8_t>(count)});
        for (int i = 0; i < count; ++i) {
            row.push_back(DumpPixel(i));
        }
    } else {
        row.insert(row.end(), {5, static_cast<std::uint8_t>(count), 77});
    }
    row.insert(row.end(), {3, marker, 0});
    return row;
}

// The row's pixels as they must come out, in a line of width leadingSkip + count + 1.
Bytes ExpectedLine(bool dump, int count, int singleColor)
{
    Bytes line(static_cast<std::size_t>(leadingSkip), untouched);
    for (int i = 0; i < count; ++i) {
        line.push_back(singleColor >= 0 ? static_cast<std::uint8_t>(singleColor) : dump ? DumpPixel(i) : 77);
    }
    line.push_back(singleColor >= 0 ? static_cast<std::uint8_t>(singleColor) : marker);
    return line;
}

// Decodes into a guarded line; fails the test when a guard byte changed.
Bytes DecodeGuarded(const Bytes& row, int width, int singleColor, int hidden = -1, int visibleCount = 0)
{
    const int lineWidth = hidden < 0 ? width : visibleCount;
    Bytes destination(guard + static_cast<std::size_t>(lineWidth) + guard, untouched);
    std::uint8_t* start = destination.data() + guard;
    int rowSize = 0;
    const auto color = static_cast<std::uint8_t>(singleColor);
    if (hidden < 0) {
        rowSize = singleColor < 0 ? SkipDumpRunEncoding8Bit::Decode(row.data(), start)
                                  : SkipDumpRunEncoding8Bit::DecodeUsingSingleColor(row.data(), start, color);
    } else {
        rowSize = singleColor < 0
            ? SkipDumpRunEncoding8Bit::DecodeClipped(row.data(), start, hidden, visibleCount)
            : SkipDumpRunEncoding8Bit::DecodeUsingSingleColorClipped(row.data(), start, color, hidden, visibleCount);
    }
    EXPECT_EQ(rowSize, static_cast<int>(row.size()));
    EXPECT_TRUE(std::all_of(destination.begin(), destination.begin() + guard,
                            [](std::uint8_t pixel) { return pixel == untouched; }));
    EXPECT_TRUE(std::all_of(destination.end() - guard, destination.end(),
                            [](std::uint8_t pixel) { return pixel == untouched; }));
    return Bytes(start, start + lineWidth);
}

// Dumps and runs of every length, in their own colours and in one colour, whole and through
// windows that cut them at the start, in the middle and at the end.
TEST(SkipDumpRunElementLengths, EveryLengthWritesExactlyItsPixels)
{
    for (const bool dump : {true, false}) {
        for (int count = 0; count <= 255; ++count) {
            SCOPED_TRACE(testing::Message() << (dump ? "dump of " : "run of ") << count);
            const Bytes row = RowWithElement(dump, count);
            const int width = leadingSkip + count + 1;
            for (const int singleColor : {-1, 201}) {
                const Bytes expected = ExpectedLine(dump, count, singleColor);
                ASSERT_EQ(DecodeGuarded(row, width, singleColor), expected);

                const int cuts[] = {0, 1, leadingSkip, leadingSkip + 1, leadingSkip + count / 2, width - 1, width};
                for (const int hidden : cuts) {
                    for (const int visibleCount : cuts) {
                        if (hidden > width || visibleCount > width - hidden) {
                            continue;
                        }
                        const Bytes window(expected.begin() + hidden, expected.begin() + hidden + visibleCount);
                        ASSERT_EQ(DecodeGuarded(row, width, singleColor, hidden, visibleCount), window)
                            << "hidden " << hidden << " visible " << visibleCount;
                    }
                }
            }
        }
    }
}

} // namespace
