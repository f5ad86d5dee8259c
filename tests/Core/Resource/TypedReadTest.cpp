#include <gtest/gtest.h>

#include <limits>
#include <sstream>

#include "Core/Resource/BlockCursor.h"
#include "Core/Resource/Resource.h"
#include "Core/Resource/ResourceProblems.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/Common/CommaDecimalLocale.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

namespace {

constexpr std::uint32_t testType = FourCharacterCode("TEST");

class TypedReadTest : public testing::Test {
protected:
    void SetUp() override { ResourceProblems::SetOutput(&problems); }
    void TearDown() override { ResourceProblems::SetOutput(nullptr); }

    Resource& Block(std::vector<std::uint8_t> bytes)
    {
        resources.Add(testType, 1, std::move(bytes));
        handle = std::make_unique<Resource>(testType, 1);
        return *handle;
    }

    std::ostringstream problems;
    ScopedInMemoryResources resources;
    std::unique_ptr<Resource> handle;
};

TEST_F(TypedReadTest, IntegersAreBigEndianAndSigned)
{
    Resource& block = Block(BlockBytes().Raw({0xFF, 0xFE}).Raw({0x80, 0x00, 0x00, 0x01}).Raw({0x7F}).Raw({0x12, 0x34}));
    EXPECT_EQ(block.GetInteger16Bit(), -2);
    EXPECT_EQ(block.GetInteger32Bit(), static_cast<std::int32_t>(0x80000001u));
    EXPECT_EQ(block.GetInteger8Bit(), 0x7F);
    EXPECT_EQ(block.GetResourceID(), 0x1234);
    EXPECT_EQ(block.RemainingSize(), 0);
    EXPECT_FALSE(block.HasReadFailed());
}

TEST_F(TypedReadTest, BooleanPointAndCursorMoves)
{
    Resource& block = Block(BlockBytes().Raw({0x00, 0x01, 0x00, 0x00}).Integer16Bit(-3).Integer16Bit(700));
    EXPECT_TRUE(block.GetBoolean());
    EXPECT_FALSE(block.GetBoolean());
    EXPECT_EQ(block.GetPoint2D16Bit(), Point2D(-3, 700));

    block.ResetCurrentDataPointer();
    block.IncrementCurrentDataPointer(4);
    EXPECT_EQ(block.GetInteger16Bit(), -3);
}

TEST_F(TypedReadTest, RealIsReadAsTextAndThePointerPassesItsZero)
{
    Resource& block = Block(BlockBytes().Raw({'1', '2', '.', '5', 0}).Text(" -0.25x").Text("").Text("1e2"));
    EXPECT_EQ(block.GetReal(), 12.5);
    EXPECT_EQ(block.GetCurrentDataPointer(), *block + 5);
    EXPECT_EQ(block.GetReal(), -0.25);
    EXPECT_EQ(block.GetReal(), 0.0);
    EXPECT_EQ(block.GetReal(), 100.0);
    EXPECT_FALSE(block.HasReadFailed());
}

TEST_F(TypedReadTest, RealIgnoresTheUsersDecimalComma)
{
    ScopedCommaDecimalLocale commaLocale;
    if (!commaLocale.IsActive()) {
        GTEST_SKIP() << "no locale with a decimal comma can be made on this machine";
    }
    Resource& block = Block(BlockBytes().Text("0.75"));
    EXPECT_EQ(block.GetReal(), 0.75);
}

TEST_F(TypedReadTest, ReadsPastTheEndReadNothingAndReportTheBlockOnce)
{
    Resource& block = Block({0x01, 0x02, 0x03});
    EXPECT_EQ(block.GetInteger16Bit(), 0x0102);
    EXPECT_EQ(block.GetInteger16Bit(), 0);
    EXPECT_TRUE(block.HasReadFailed());
    EXPECT_EQ(block.GetInteger32Bit(), 0);
    EXPECT_EQ(block.GetPoint2D16Bit(), Point2D(0, 0));
    EXPECT_EQ(block.RemainingSize(), 0);

    const std::string text = problems.str();
    EXPECT_NE(text.find("TEST 1"), std::string::npos);
    EXPECT_EQ(text.find("TEST 1"), text.rfind("TEST 1")) << text;
}

TEST_F(TypedReadTest, UnterminatedRealAndMovesOutsideTheBlockFail)
{
    Resource& block = Block({'1', '2', '3'});
    EXPECT_EQ(block.GetReal(), 0.0);
    EXPECT_TRUE(block.HasReadFailed());

    BlockCursor cursor(*block, block.Size(), testType, 1);
    EXPECT_FALSE(cursor.Skip(4));
    EXPECT_EQ(cursor.Offset(), 3);
    BlockCursor backwards(*block, block.Size(), testType, 1);
    EXPECT_FALSE(backwards.Skip(-1));
    EXPECT_TRUE(backwards.HasFailed());
    // The most negative move cannot be negated; it must fail like any other.
    BlockCursor farBackwards(*block, block.Size(), testType, 1);
    EXPECT_FALSE(farBackwards.Skip(std::numeric_limits<int>::min()));
    EXPECT_EQ(farBackwards.Offset(), 3);

    BlockCursor null(nullptr, 25, testType, 2);
    EXPECT_EQ(null.Size(), 0);
    EXPECT_EQ(null.GetInteger8Bit(), 0);
    EXPECT_TRUE(null.HasFailed());
}

} // namespace
