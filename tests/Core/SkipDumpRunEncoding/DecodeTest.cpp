#include "Core/SkipDumpRunEncoding/SkipDumpRunEncoding8Bit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;
constexpr std::uint8_t untouched = 0xEE;

// A destination row prefilled so that untouched pixels are visible.
Bytes Row(int width) { return Bytes(static_cast<std::size_t>(width), untouched); }

TEST(SkipDumpRunDecode, DecodesEveryElementKindAndReportsTheRowSize)
{
    // skip 3, run of 4 x 7, dump 1 and 2, end; the last pixel is left as it was.
    const Bytes source{2, 3, 5, 4, 7, 4, 2, 1, 2, 0, 0xAA};
    Bytes destination = Row(10);
    EXPECT_EQ(SkipDumpRunEncoding8Bit::Decode(source.data(), destination.data()), 10);
    EXPECT_EQ(destination, (Bytes{untouched, untouched, untouched, 7, 7, 7, 7, 1, 2, untouched}));
    EXPECT_EQ(SkipDumpRunEncoding8Bit::DecodeToNowhere(source.data()), 10);
}

TEST(SkipDumpRunDecode, SingleSkipsAndDumpsAndPassedOverCodes)
{
    // skip 1, dump one 9, code 9 (no effect), code 255 (no effect), dump one 8, end.
    const Bytes source{1, 3, 9, 9, 255, 3, 8, 0};
    Bytes destination = Row(4);
    EXPECT_EQ(SkipDumpRunEncoding8Bit::Decode(source.data(), destination.data()), 8);
    EXPECT_EQ(destination, (Bytes{untouched, 9, 8, untouched}));
    EXPECT_EQ(SkipDumpRunEncoding8Bit::DecodeToNowhere(source.data()), 8);
}

TEST(SkipDumpRunDecode, EmptyRowAndEmptyElements)
{
    const Bytes endOnly{0, 5, 3, 1};
    Bytes destination = Row(3);
    EXPECT_EQ(SkipDumpRunEncoding8Bit::Decode(endOnly.data(), destination.data()), 1);
    EXPECT_EQ(destination, Row(3));

    // Zero-length skip, dump and run cover nothing, yet their bytes are consumed.
    const Bytes zeroLength{2, 0, 4, 0, 5, 0, 6, 3, 1, 0};
    EXPECT_EQ(SkipDumpRunEncoding8Bit::Decode(zeroLength.data(), destination.data()), 10);
    EXPECT_EQ(destination, (Bytes{1, untouched, untouched}));
    EXPECT_EQ(SkipDumpRunEncoding8Bit::DecodeToNowhere(zeroLength.data()), 10);
}

TEST(SkipDumpRunDecode, SingleColourWritesTheSilhouetteAndConsumesThePixelBytes)
{
    const Bytes source{3, 1, 1, 4, 2, 9, 9, 5, 2, 4, 0};
    Bytes destination = Row(7);
    EXPECT_EQ(SkipDumpRunEncoding8Bit::DecodeUsingSingleColor(source.data(), destination.data(), 42), 11);
    EXPECT_EQ(destination, (Bytes{42, untouched, 42, 42, 42, 42, untouched}));
}

TEST(SkipDumpRunDecode, LongElementsUseTheFullByteCount)
{
    Bytes source{5, 255, 3, 2, 255, 4, 1, 6, 0};
    Bytes destination = Row(520);
    EXPECT_EQ(SkipDumpRunEncoding8Bit::Decode(source.data(), destination.data()), 9);
    for (int x = 0; x < 255; ++x) {
        ASSERT_EQ(destination[static_cast<std::size_t>(x)], 3) << x;
    }
    for (int x = 255; x < 510; ++x) {
        ASSERT_EQ(destination[static_cast<std::size_t>(x)], untouched) << x;
    }
    EXPECT_EQ(destination[510], 6);
    EXPECT_EQ(destination[511], untouched);
}

} // namespace
