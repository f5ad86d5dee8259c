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
    constexpr std::uint8_t u = untouched;
    struct Case {
        const char* what;
        Bytes source;
        int rowSize;
        Bytes line;
        int singleColor = -1;
    };
    const Case cases[] = {
        // Bytes after the end code belong to the next row.
        {"skip, run, dump, end", {2, 3, 5, 4, 7, 4, 2, 1, 2, 0, 0xAA}, 10, {u, u, u, 7, 7, 7, 7, 1, 2, u}},
        {"single skip and dumps, codes without effect", {1, 3, 9, 9, 255, 3, 8, 0}, 8, {u, 9, 8, u}},
        {"end code only", {0, 5, 3, 1}, 1, {u, u, u}},
        {"zero-length elements consume their bytes", {2, 0, 4, 0, 5, 0, 6, 3, 1, 0}, 10, {1, u, u}},
        {"one colour consumes the pixel bytes", {3, 1, 1, 4, 2, 9, 9, 5, 2, 4, 0}, 11, {42, u, 42, 42, 42, 42, u}, 42},
    };
    for (const Case& c : cases) {
        Bytes destination = Row(static_cast<int>(c.line.size()));
        const int rowSize = c.singleColor < 0
            ? SkipDumpRunEncoding8Bit::Decode(c.source.data(), destination.data())
            : SkipDumpRunEncoding8Bit::DecodeUsingSingleColor(c.source.data(), destination.data(),
                                                              static_cast<std::uint8_t>(c.singleColor));
        EXPECT_EQ(rowSize, c.rowSize) << c.what;
        EXPECT_EQ(destination, c.line) << c.what;
        EXPECT_EQ(SkipDumpRunEncoding8Bit::DecodeToNowhere(c.source.data()), c.rowSize) << c.what;
    }
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
