#include <gtest/gtest.h>

#include <sstream>

#include "Core/Resource/Resource.h"
#include "Core/Resource/ResourceProblems.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

namespace {

class ResourceSharingTest : public testing::Test {
protected:
    void SetUp() override { ResourceProblems::SetOutput(&problems); }
    void TearDown() override { ResourceProblems::SetOutput(nullptr); }

    std::ostringstream problems;
    ScopedInMemoryResources resources;
};

TEST_F(ResourceSharingTest, HandlesOfOneBlockShareItAndReleaseItWithTheLastHandle)
{
    resources.Add(ResourceType::graphic, 1001, {1, 2, 3, 4});
    auto* first = new Resource(ResourceType::graphic, 1001);
    Resource second(ResourceType::graphic, 1001);

    EXPECT_EQ(*second, **first);
    EXPECT_EQ(resources.Library().LookupCount(), 1);
    EXPECT_EQ(Resource::SharedBlockCount(), 1);

    delete first;
    EXPECT_EQ(resources.Library().ReleaseCount(), 0);
    ASSERT_EQ(second.Size(), 4);
    EXPECT_EQ((*second)[3], 4);
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

TEST_F(ResourceSharingTest, ALaterHandleLooksTheReleasedBlockUpAgain)
{
    resources.Add(ResourceType::sound, 7, {9});
    {
        Resource handle(ResourceType::sound, 7);
    }
    EXPECT_EQ(Resource::SharedBlockCount(), 0);
    Resource again(ResourceType::sound, 7);
    EXPECT_EQ(resources.Library().LookupCount(), 2);
    EXPECT_EQ(again.Size(), 1);
}

TEST_F(ResourceSharingTest, MissingBlockHasNoDataIsReportedOnceAndIsNotLookedUpAgainWhileHeld)
{
    Resource first(ResourceType::graphic, 4242);
    Resource second(ResourceType::graphic, 4242);
    EXPECT_EQ(*first, nullptr);
    EXPECT_EQ(first.Size(), 0);
    EXPECT_FALSE(second.IsPresent());
    EXPECT_EQ(resources.Library().LookupCount(), 1);

    EXPECT_EQ(first.GetInteger16Bit(), 0);
    EXPECT_EQ(first.GetReal(), 0.0);
    EXPECT_TRUE(first.HasReadFailed());

    const std::string text = problems.str();
    EXPECT_NE(text.find("GRF1 4242"), std::string::npos);
    EXPECT_EQ(text.find("GRF1 4242"), text.rfind("GRF1 4242")) << text;
}

TEST(ResourceLifecycleTest, HandleWithoutBackEndIsEmptyAndHandleOutlivingFinalizeIsHarmless)
{
    std::ostringstream problems;
    ResourceProblems::SetOutput(&problems);
    {
        Resource orphan(ResourceType::colorLookupTable, 1000);
        EXPECT_FALSE(orphan.IsPresent());
    }
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
    EXPECT_EQ(ResourceType::TypeString(ResourceType::graphic), "GRF1");
    EXPECT_EQ(ResourceType::TypeString(ResourceType::sound), "SND");
    EXPECT_EQ(ResourceType::TypeString(FourCharacterCode("clut")), "CLUT");
    EXPECT_EQ(ResourceType::TypeString(FourCharacterCode("a b ")), "A B");
    EXPECT_EQ(ResourceType::TypeString(FourCharacterCode("Dsc1")), "DSC1");
    EXPECT_EQ(ResourceType::TypeString(0x41420000u), "AB");
}

} // namespace
