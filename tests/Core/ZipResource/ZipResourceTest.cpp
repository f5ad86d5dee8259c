#include <gtest/gtest.h>

#include <sstream>

#include "Core/Resource/Resource.h"
#include "Core/Resource/ResourceProblems.h"
#include "Core/ZipResource/ResourceLibraries.h"
#include "Core/ZipResource/ZipResource.h"
#include "Marrowmere/LibraryPool/LibraryPool.h"
#include "Marrowmere/LibraryPool/LibraryPoolDirectory.h"
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
        Write("mm_spqa", {{"SPAN/1", {'8'}}, {"QANA/1", {0x51}}, {"GRF1/3", {0xEE}}});
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

// A game type is looked up in its own library only (upper-cased, without a trailing blank);
// other types in the pooled libraries in their order, and never in the shell's mm_res.
TEST_F(ZipResourceTest, EachGameTypeIsFoundInItsOwnLibraryAndOtherTypesInThePool)
{
    const auto text = FourCharacterCode("TEXT");
    EXPECT_EQ(FirstByte(text, 5), -1); // the pool starts empty
    LibraryPool::AddLibrary("extra_a");
    LibraryPool::AddLibrary("extra_b");
    const std::tuple<std::uint32_t, ResourceID, int> blocks[] = {{ResourceType::graphic, 1, 0x11},
        {ResourceType::animation, 1, '8'}, {ResourceType::idleEvents, 1, 0x51}, {ResourceType::colorLookupTable, 1000, 0xC1},
        {ResourceType::screenDescription, 1000, 0xD1}, {ResourceType::sound, 1021, 'R'}, {FourCharacterCode("grf1"), 2, 0x21},
        {ResourceType::graphic, 3, -1}, {text, 5, 0xA5}, {FourCharacterCode("text"), 6, 0xB6}, {FourCharacterCode("BITM"), 161, -1}};
    for (const auto& [type, id, firstByte] : blocks) {
        EXPECT_EQ(FirstByte(type, id), firstByte) << ResourceType::TypeString(type) << " " << id;
    }
}

TEST_F(ZipResourceTest, HandlesPointIntoTheLibraryAndSizesComeFromTheBlock)
{
    Resource block(ResourceType::graphic, 1);
    EXPECT_EQ(*block, ResourceLibraries::Find("mm_grf1", "GRF1/1")->data());
    EXPECT_EQ(block.Size(), 2);
    EXPECT_EQ(backEnd->GetPlatformSpecificResourceSize(ResourceType::graphic, 999, nullptr), 0);
    // Reacquiring a block keeps one size record.
    for (int round = 0; round < 3; ++round) {
        EXPECT_EQ(Resource(ResourceType::graphic, 2).Size(), 1);
    }
    EXPECT_EQ(backEnd->ResourceInfoCount(), 2);
}

} // namespace
