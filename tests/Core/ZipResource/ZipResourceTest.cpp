#include <gtest/gtest.h>

#include <sstream>

#include "Core/Resource/AnimationBlock.h"
#include "Core/Resource/Resource.h"
#include "Core/Resource/ResourceProblems.h"
#include "Core/ZipResource/ResourceLibraries.h"
#include "Core/ZipResource/ZipResource.h"
#include "Marrowmere/LibraryPool/LibraryPool.h"
#include "Marrowmere/LibraryPool/LibraryPoolDirectory.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/ResourceFixtures/ZipArchiveWriter.h"

namespace {

// Five game libraries and two further ones, each holding a few blocks that tell where they
// came from by their first byte.
class ZipResourceTest : public testing::Test {
protected:
    void SetUp() override
    {
        ResourceProblems::SetOutput(&problems);
        Write("mm_res", {{"BITMAP/161", {0x61}}, {"GRF1/1", {0xEE}}});
        Write("mm_grf1", {{"GRF1/1", {0x11, 0x12}}, {"GRF1/2", {0x21}}, {"SPAN/1", {0xEE}}});
        Write("mm_spqa", {{"SPAN/1", AnimationBlockBytes("8", {{1, 3, 4}})}, {"QANA/1", {0x51}}, {"GRF1/3", {0xEE}}});
        Write("mm_snd", {{"SND/1021", {'R', 'I', 'F', 'F'}}});
        Write("mm_vid", {{"CLUT/1000", {0xC1}}, {"DSC1/1000", {0xD1}}});
        Write("extra_a", {{"TEXT/5", {0xA5}}});
        Write("extra_b", {{"TEXT/5", {0xB5}}, {"TEXT/6", {0xB6}}});
        ASSERT_TRUE(ResourceLibraries::LoadGameLibraries({folder.Path()}).loaded);
        ASSERT_TRUE(ResourceLibraries::Load("extra_a", {folder.Path()}).loaded);
        ASSERT_TRUE(ResourceLibraries::Load("extra_b", {folder.Path()}).loaded);

        LibraryPool::Initialize();
        backEnd = new ZipResource(directory);
        Resource::Initialize(backEnd);
    }

    void TearDown() override
    {
        Resource::Finalize();
        LibraryPool::Finalize();
        ResourceLibraries::UnloadAll();
        ResourceProblems::SetOutput(nullptr);
    }

    void Write(const std::string& library, const std::vector<ZipEntryBytes>& entries)
    {
        ASSERT_TRUE(WriteZipArchive(folder.Path() / (library + ".zip"), entries));
    }

    static int FirstByte(std::uint32_t type, ResourceID id)
    {
        Resource resource(type, id);
        return resource.IsPresent() && resource.Size() > 0 ? (*resource)[0] : -1;
    }

    TemporaryFolder folder;
    std::ostringstream problems;
    LibraryPoolDirectory directory;
    ZipResource* backEnd = nullptr;
};

TEST_F(ZipResourceTest, EachGameTypeIsFoundInItsOwnLibraryOnly)
{
    EXPECT_EQ(FirstByte(ResourceType::graphic, 1), 0x11);
    EXPECT_EQ(FirstByte(ResourceType::animation, 1), '8');
    EXPECT_EQ(FirstByte(ResourceType::idleEvents, 1), 0x51);
    EXPECT_EQ(FirstByte(ResourceType::colorLookupTable, 1000), 0xC1);
    EXPECT_EQ(FirstByte(ResourceType::screenDescription, 1000), 0xD1);
    EXPECT_EQ(FirstByte(ResourceType::graphic, 3), -1); // only mm_spqa holds it
    // Type codes are looked up upper-cased and without their trailing blank.
    EXPECT_EQ(FirstByte(ResourceType::sound, 1021), 'R');
    EXPECT_EQ(FirstByte(FourCharacterCode("grf1"), 2), 0x21);
}

TEST_F(ZipResourceTest, OtherTypesSearchThePooledLibrariesInOrder)
{
    EXPECT_EQ(FirstByte(FourCharacterCode("TEXT"), 5), -1); // the pool starts empty
    LibraryPool::AddLibrary("extra_a");
    LibraryPool::AddLibrary("extra_b");
    EXPECT_EQ(FirstByte(FourCharacterCode("TEXT"), 5), 0xA5);
    EXPECT_EQ(FirstByte(FourCharacterCode("text"), 6), 0xB6);
    EXPECT_EQ(FirstByte(FourCharacterCode("BITM"), 161), -1); // mm_res is the shell's, not searched
}

TEST_F(ZipResourceTest, HandlesPointIntoTheLibraryAndSizesComeFromTheBlock)
{
    Resource first(ResourceType::graphic, 1);
    Resource second(ResourceType::graphic, 1);
    EXPECT_EQ(*first, *second);
    EXPECT_EQ(*first, ResourceLibraries::Find("mm_grf1", "GRF1/1")->data());
    EXPECT_EQ(first.Size(), 2);
    EXPECT_EQ(first.GetInteger16Bit(), 0x1112);
    EXPECT_EQ(backEnd->GetPlatformSpecificResourceSize(ResourceType::graphic, 999, nullptr), 0);
    // Reacquiring a block keeps one size record.
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(Resource(ResourceType::graphic, 2).Size(), 1);
    }
    EXPECT_EQ(backEnd->ResourceInfoCount(), 2);
}

} // namespace
