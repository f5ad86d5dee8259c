#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <memory>
#include <sstream>

#include "Core/Resource/BlockCursor.h"
#include "Core/Resource/Resource.h"
#include "Core/Resource/ResourceProblems.h"
#include "tests/Support/Common/CommaDecimalLocale.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

namespace {

constexpr std::uint32_t testType = FourCharacterCode("TEST");

// Blocks in an in-memory library; the problem reports are kept in `problems`.
class ResourceSharingTest : public testing::Test {
protected:
    void SetUp() override { ResourceProblems::SetOutput(&problems); }
    void TearDown() override { ResourceProblems::SetOutput(nullptr); }

    std::ostringstream problems;
    ScopedInMemoryResources resources;
};

using TypedReadTest = ResourceSharingTest;

TEST_F(ResourceSharingTest, HandlesOfOneBlockShareItAndReleaseItWithTheLastHandle)
{
    resources.Add(ResourceType::graphic, 1001, {1, 2, 3, 4});
    auto first = std::make_unique<Resource>(ResourceType::graphic, 1001);
    {
        Resource second(ResourceType::graphic, 1001);
        EXPECT_EQ(*second, **first);
        EXPECT_EQ(resources.Library().LookupCount(), 1);
        first.reset();
        EXPECT_EQ(resources.Library().ReleaseCount(), 0);
        ASSERT_EQ(second.Size(), 4);
        EXPECT_EQ(second.GetInteger8Bit(), 1);
        {
            // The same id of another type is another block.
            resources.Add(ResourceType::animation, 1001, {2, 2});
            Resource other(ResourceType::animation, 1001);
            EXPECT_EQ(Resource::SharedBlockCount(), 2);
            EXPECT_EQ(other.Size(), 2);
        }
        EXPECT_EQ(Resource::SharedBlockCount(), 1);
        EXPECT_EQ(resources.Library().ReleaseCount(), 1);
    }
    EXPECT_EQ(Resource::SharedBlockCount(), 0);
    // A later handle looks the released block up again.
    Resource again(ResourceType::graphic, 1001);
    EXPECT_EQ(resources.Library().LookupCount(), 3);
    EXPECT_EQ(again.Size(), 4);
}

TEST_F(ResourceSharingTest, MissingBlockHasNoDataIsReportedOnceAndIsNotLookedUpAgainWhileHeld)
{
    Resource first(ResourceType::graphic, 4242);
    Resource second(ResourceType::graphic, 4242);
    EXPECT_EQ(first.Size(), 0);
    EXPECT_FALSE(second.IsPresent());
    EXPECT_EQ(resources.Library().LookupCount(), 1);
    EXPECT_EQ(first.GetInteger16Bit(), 0);
    EXPECT_TRUE(first.HasReadFailed());
    // One line that names the block.
    EXPECT_EQ(std::ranges::count(problems.str(), '\n'), 1) << problems.str();
    EXPECT_NE(problems.str().find("GRF1 4242"), std::string::npos);
}

TEST(ResourceLifecycleTest, HandleWithoutBackEndIsEmptyAndHandleOutlivingFinalizeIsHarmless)
{
    std::ostringstream problems;
    ResourceProblems::SetOutput(&problems);
    EXPECT_FALSE(Resource(ResourceType::colorLookupTable, 1000).IsPresent());
    EXPECT_NE(problems.str().find("CLUT 1000"), std::string::npos);

    auto* library = new InMemoryResourceLibrary;
    library->Add(ResourceType::colorLookupTable, 1000, {1, 2});
    Resource::Initialize(library);
    auto* survivor = new Resource(ResourceType::colorLookupTable, 1000);
    Resource::Finalize();
    EXPECT_EQ(Resource::SharedBlockCount(), 0);
    delete survivor; // must neither touch the deleted back end nor stop the program
    ResourceProblems::SetOutput(nullptr);
}

TEST(ResourceTypeTest, TypeStringsAreUpperCasedAndDropATrailingBlank)
{
    for (const auto& [type, text] : {std::pair{ResourceType::graphic, "GRF1"}, {ResourceType::sound, "SND"},
             {FourCharacterCode("clut"), "CLUT"}, {FourCharacterCode("a b "), "A B"}, {FourCharacterCode("Dsc1"), "DSC1"},
             {0x41420000u, "AB"}}) {
        EXPECT_EQ(ResourceType::TypeString(type), text);
    }
}

TEST_F(TypedReadTest, FieldsAreBigEndianAndSignedAndTheCursorMoves)
{
    resources.Add(testType, 1, BlockBytes().Raw({0xFF, 0xFE}).Raw({0x80, 0x00, 0x00, 0x01}).Raw({0x7F}).Raw({0x12, 0x34})
                                   .Raw({0x00, 0x01, 0x00, 0x00}).Integer16Bit(-3).Integer16Bit(700));
    Resource block(testType, 1);
    EXPECT_EQ(block.GetInteger16Bit(), -2);
    EXPECT_EQ(block.GetInteger32Bit(), static_cast<std::int32_t>(0x80000001u));
    EXPECT_EQ(block.GetInteger8Bit(), 0x7F);
    EXPECT_EQ(block.GetResourceID(), 0x1234);
    EXPECT_TRUE(block.GetBoolean());
    EXPECT_FALSE(block.GetBoolean());
    EXPECT_EQ(block.GetPoint2D16Bit(), Point2D(-3, 700));
    EXPECT_EQ(block.RemainingSize(), 0);
    block.ResetCurrentDataPointer();
    block.IncrementCurrentDataPointer(13);
    EXPECT_EQ(block.GetInteger16Bit(), -3);
    EXPECT_FALSE(block.HasReadFailed());
}

// Reals are decimal texts read in the "C" locale whatever the user's; the cursor passes the zero.
TEST_F(TypedReadTest, RealIsReadAsTextAndThePointerPassesItsZero)
{
    ScopedCommaDecimalLocale commaLocale;
    resources.Add(testType, 1, BlockBytes().Raw({'1', '2', '.', '5', 0}).Text(" -0.25x").Text("").Text("1e2").Text("0.75"));
    Resource block(testType, 1);
    EXPECT_EQ(block.GetReal(), 12.5);
    EXPECT_EQ(block.GetCurrentDataPointer(), *block + 5);
    for (const double expected : {-0.25, 0.0, 100.0, 0.75}) {
        EXPECT_EQ(block.GetReal(), expected);
    }
    EXPECT_FALSE(block.HasReadFailed());
    if (!commaLocale.IsActive()) {
        GTEST_SKIP() << "read in the C locale only: no locale with a decimal comma can be made on this machine";
    }
}

// Reads past the end and moves outside the block read nothing and report the block once.
TEST_F(TypedReadTest, ReadsAndMovesOutsideTheBlockFailAndReportItOnce)
{
    resources.Add(testType, 1, {0x01, 0x02, 0x03});
    Resource block(testType, 1);
    EXPECT_EQ(block.GetInteger16Bit(), 0x0102);
    EXPECT_EQ(block.GetInteger16Bit(), 0);
    EXPECT_TRUE(block.HasReadFailed());
    EXPECT_EQ(block.GetInteger32Bit(), 0);
    EXPECT_EQ(block.GetPoint2D16Bit(), Point2D(0, 0));
    EXPECT_EQ(block.RemainingSize(), 0);
    EXPECT_EQ(std::ranges::count(problems.str(), '\n'), 1) << problems.str();

    const std::uint8_t bytes[] = {1, 2, 3};
    BlockCursor inside(bytes, 3, testType, 2);
    EXPECT_TRUE(inside.Skip(3) && inside.Skip(-3));
    EXPECT_EQ(inside.Offset(), 0);
    // The most negative move cannot be negated; it must fail like any other.
    for (const int move : {4, -1, std::numeric_limits<int>::min()}) {
        BlockCursor cursor(bytes, 3, testType, 2);
        EXPECT_FALSE(cursor.Skip(move)) << move;
        EXPECT_TRUE(cursor.HasFailed());
        EXPECT_EQ(cursor.Offset(), 3);
    }
    BlockCursor null(nullptr, 25, testType, 3);
    EXPECT_EQ(null.Size(), 0);
    EXPECT_EQ(null.GetInteger8Bit(), 0);
    EXPECT_TRUE(null.HasFailed());
}

} // namespace
