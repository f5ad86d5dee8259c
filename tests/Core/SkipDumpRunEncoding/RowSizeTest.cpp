#include "Core/SkipDumpRunEncoding/SkipDumpRunEncoding8Bit.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

std::optional<int> RowSize(const Bytes& bytes, int width)
{
    // A copy of exactly the available bytes lets the address sanitizer catch any read beyond.
    const auto* copy = new std::uint8_t[bytes.size() + 1];
    std::copy(bytes.begin(), bytes.end(), const_cast<std::uint8_t*>(copy));
    const auto size = SkipDumpRunEncoding8Bit::RowSize(copy, bytes.size(), width);
    delete[] copy;
    return size;
}

TEST(SkipDumpRunRowSize, AcceptsRowsThatFitTheirWidthAndTheBlock)
{
    EXPECT_EQ(RowSize({2, 3, 5, 4, 7, 4, 2, 1, 2, 0}, 10), 10);
    EXPECT_EQ(RowSize({2, 3, 5, 4, 7, 4, 2, 1, 2, 0}, 9), 10);  // exactly 9 pixels covered
    EXPECT_EQ(RowSize({0, 99, 99}, 0), 1);                      // bytes after the end code are the next row's
    EXPECT_EQ(RowSize({7, 200, 0}, 0), 3);                      // codes without effect cover nothing
    EXPECT_EQ(RowSize({4, 0, 5, 0, 1, 0}, 0), 6);               // empty elements cover nothing
}

TEST(SkipDumpRunRowSize, RejectsRowsThatCoverMoreThanTheWidth)
{
    EXPECT_EQ(RowSize({2, 3, 5, 4, 7, 4, 2, 1, 2, 0}, 8), std::nullopt);
    EXPECT_EQ(RowSize({1, 0}, 0), std::nullopt);
    EXPECT_EQ(RowSize({5, 255, 1, 5, 255, 1, 0}, 509), std::nullopt);
    EXPECT_EQ(RowSize({3, 1, 0}, -1), std::nullopt);
}

TEST(SkipDumpRunRowSize, RejectsRowsThatRunPastTheBlock)
{
    EXPECT_EQ(RowSize({}, 10), std::nullopt);               // no end code at all
    EXPECT_EQ(RowSize({1, 1, 1}, 10), std::nullopt);        // missing end code
    EXPECT_EQ(RowSize({2}, 10), std::nullopt);              // skip count missing
    EXPECT_EQ(RowSize({3}, 10), std::nullopt);              // dumped pixel missing
    EXPECT_EQ(RowSize({4, 5, 1, 2, 3}, 10), std::nullopt);  // dump claims more pixels than are there
    EXPECT_EQ(RowSize({4, 3, 1, 2, 3}, 10), std::nullopt);  // dump complete, end code missing
    EXPECT_EQ(RowSize({5, 3}, 10), std::nullopt);           // run colour missing
}

} // namespace
