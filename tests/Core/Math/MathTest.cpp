#include "Core/Math/Math.h"
#include "Core/Math/RandomGenerator.h"
#include "Core/Platform/Endian.h"
#include "tests/Support/Common/CommaDecimalLocale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

// Seed 1 gives the well-known sequence of the portable ANSI C example generator.
TEST(RandomGenerator, FollowsTheClassicLinearCongruentialSequence)
{
    RandomGenerator::Seed(1);
    for (const int expected : {16838, 5758, 10113, 17515}) {
        EXPECT_EQ(RandomGenerator::NextRaw(), expected);
    }
}

TEST(RandomNumber, RawZeroCountsAsTheMaximumAndEveryFormStaysWithinItsBounds)
{
    const std::vector<int> raws = {0, 32767, 16384, 32767, 1, 16384, 32767};
    std::size_t next = 0;
    RandomGenerator::SetRawSource([&raws, &next] { return raws.at(next++); });
    EXPECT_DOUBLE_EQ(RandomNumber(), 1.0);
    EXPECT_DOUBLE_EQ(RandomNumber(), 1.0);
    EXPECT_DOUBLE_EQ(RandomNumber(), 16384.0 / 32767.0);
    EXPECT_EQ(RandomNumber(3, 7), 7); // 3 + 1.0 * 5 would be 8
    EXPECT_EQ(RandomNumber(3, 7), 3);
    EXPECT_EQ(RandomNumber(3, 7), 5);
    EXPECT_DOUBLE_EQ(RandomNumber(2.0, 4.0), 4.0);
    RandomGenerator::SetRawSource({});
}

// Halves round away from zero; values past the int range stop at its ends, and NaN gives 0.
TEST(MathHelpers, RoundsHalvesAwayFromZeroWithinTheIntRange)
{
    using Limits = std::numeric_limits<int>;
    const std::pair<double, int> cases[] = {{2.5, 3},   {-2.5, -3}, {2.49, 2}, {-0.4, 0}, {std::nan(""), 0},
                                            {1e300, Limits::max()}, {-1e300, Limits::min()}};
    for (const auto& [x, rounded] : cases) {
        EXPECT_EQ(RoundToInteger(x), rounded) << x;
    }
    EXPECT_DOUBLE_EQ(Floor(-1.5), -2.0);
    EXPECT_DOUBLE_EQ(Hypotenuse(3.0, 4.0), 5.0);
}

// Resource blocks write numbers with a decimal point, whatever the user's locale.
TEST(MathHelpers, StringToRealReportsLengthPlusOneAndReadsADecimalPointInEveryLocale)
{
    int length = 0;
    EXPECT_DOUBLE_EQ(StringToReal("0.75", length), 0.75);
    EXPECT_EQ(length, 5);
    ScopedCommaDecimalLocale commaLocale;
    if (!commaLocale.IsActive()) {
        GTEST_SKIP() << "no locale with a decimal comma can be made on this machine";
    }
    EXPECT_DOUBLE_EQ(StringToReal("2.5", length), 2.5);
}

TEST(Endian, SwapsBigEndianValuesOnThisHost)
{
    EXPECT_EQ(Endian::AdjustInteger16Bit(0x1234), 0x3412);
    EXPECT_EQ(Endian::AdjustInteger32Bit(0x12345678u), 0x78563412u);
    EXPECT_EQ(Endian::AdjustResourceID(static_cast<std::int16_t>(0x03E8)), static_cast<std::int16_t>(0xE803));
    EXPECT_EQ(Endian::AdjustInteger32Bit(Endian::AdjustInteger32Bit(0xCAFEBABEu)), 0xCAFEBABEu);
}

}  // namespace
