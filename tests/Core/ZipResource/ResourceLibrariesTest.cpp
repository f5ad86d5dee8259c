#include <gtest/gtest.h>

#include <cerrno>
#include <fstream>

#include "Core/ZipResource/ResourceLibraries.h"
#include "tests/Support/ResourceFixtures/ZipArchiveWriter.h"

namespace {

using Paths = std::vector<std::filesystem::path>;

TEST(SearchPathTest, ExecutableFolderThenInstalledShareThenEachAbsoluteXdgDataFolder)
{
    EXPECT_EQ(ResourceLibraries::SearchPathFor("/opt/mm/bin", "/data/one:/data/two/"),
        (Paths{"/opt/mm/bin", "/opt/mm/share/marrowmere", "/data/one/marrowmere", "/data/two/marrowmere"}));
    const Paths defaults{"/usr/bin", "/usr/share/marrowmere", "/usr/local/share/marrowmere", "/usr/share/marrowmere"};
    EXPECT_EQ(ResourceLibraries::SearchPathFor("/usr/bin", nullptr), defaults);
    EXPECT_EQ(ResourceLibraries::SearchPathFor("/usr/bin", ""), defaults);
    EXPECT_EQ(ResourceLibraries::SearchPathFor("/usr/bin", "relative/share::/abs"),
        (Paths{"/usr/bin", "/usr/share/marrowmere", "/abs/marrowmere"}));
    EXPECT_EQ(ResourceLibraries::SearchPathFor("", "/abs"), (Paths{"/abs/marrowmere"}));
    EXPECT_TRUE(std::filesystem::exists(ResourceLibraries::StandardSearchPath().at(0) / "core_zip_resource_tests"));
}

class ResourceLibrariesTest : public testing::Test {
protected:
    void TearDown() override { ResourceLibraries::UnloadAll(); }

    std::filesystem::path Folder(const std::string& name)
    {
        const std::filesystem::path path = root.Path() / name;
        std::filesystem::create_directories(path);
        return path;
    }

    void WriteGameLibraries(const std::filesystem::path& folder, const std::string& skipped = "")
    {
        for (const char* name : ResourceLibraries::gameLibraryNames) {
            if (name != skipped) {
                ASSERT_TRUE(WriteZipArchive(folder / (std::string(name) + ".zip"), {{"TEST/1", {1}}}));
            }
        }
    }

    TemporaryFolder root;
};

TEST_F(ResourceLibrariesTest, TheFirstFolderHoldingALibraryIsTheOneRead)
{
    const auto first = Folder("first");
    const auto second = Folder("second");
    ASSERT_TRUE(WriteZipArchive(second / "mm_grf1.zip", {{"GRF1/1", {2}}}));
    ASSERT_TRUE(WriteZipArchive(first / "mm_grf1.zip", {{"GRF1/1", {1}}}));

    const LibraryLoadResult result = ResourceLibraries::Load("mm_grf1", {first, second});
    EXPECT_TRUE(result.loaded);
    ASSERT_NE(ResourceLibraries::Find("mm_grf1", "GRF1/1"), nullptr);
    EXPECT_EQ(ResourceLibraries::Find("mm_grf1", "GRF1/1")->at(0), 1);
    EXPECT_EQ(ResourceLibraries::Find("mm_spqa", "GRF1/1"), nullptr);

    ResourceLibraries::Unload("mm_grf1");
    EXPECT_FALSE(ResourceLibraries::IsLoaded("mm_grf1"));
    EXPECT_TRUE(ResourceLibraries::Load("mm_grf1", {Folder("empty"), second}).loaded);
    EXPECT_EQ(ResourceLibraries::Find("mm_grf1", "GRF1/1")->at(0), 2);
}

TEST_F(ResourceLibrariesTest, ABrokenFileIsAFailureEvenWhenALaterFolderHoldsAGoodOne)
{
    const auto first = Folder("first");
    const auto second = Folder("second");
    ASSERT_TRUE(WriteFileBytes(first / "mm_vid.zip", {'n', 'o', 'p', 'e'}));
    ASSERT_TRUE(WriteZipArchive(second / "mm_vid.zip", {{"CLUT/1000", {1}}}));

    const LibraryLoadResult result = ResourceLibraries::Load("mm_vid", {first, second});
    EXPECT_FALSE(result.loaded);
    EXPECT_EQ(result.fileName, "mm_vid.zip");
    EXPECT_FALSE(ResourceLibraries::IsLoaded("mm_vid"));
}

TEST_F(ResourceLibrariesTest, AMissingLibraryGivesTheMissingLibraryMessage)
{
    const LibraryLoadResult result = ResourceLibraries::Load("mm_res", {Folder("nothing")});
    EXPECT_FALSE(result.loaded);
    EXPECT_EQ(result.errorNumber, ENOENT);
    EXPECT_EQ(result.MissingLibraryMessage(),
        " Marrowmere can't find the required file MM_RES.ZIP and is terminating this application!");
}

TEST_F(ResourceLibrariesTest, GameLibrariesLoadInOrderAndAFailureUnloadsTheEarlierOnes)
{
    const auto incomplete = Folder("incomplete");
    WriteGameLibraries(incomplete, "mm_snd");
    const LibraryLoadResult failure = ResourceLibraries::LoadGameLibraries({incomplete});
    EXPECT_FALSE(failure.loaded);
    EXPECT_EQ(failure.libraryName, "mm_snd");
    EXPECT_EQ(failure.MissingLibraryMessage(),
        " Marrowmere can't find the required file MM_SND.ZIP and is terminating this application!");
    for (const char* name : ResourceLibraries::gameLibraryNames) {
        EXPECT_FALSE(ResourceLibraries::IsLoaded(name)) << name;
    }

    const auto complete = Folder("complete");
    WriteGameLibraries(complete);
    EXPECT_TRUE(ResourceLibraries::LoadGameLibraries({complete}).loaded);
    for (const char* name : ResourceLibraries::gameLibraryNames) {
        EXPECT_TRUE(ResourceLibraries::IsLoaded(name)) << name;
    }
}

TEST_F(ResourceLibrariesTest, AnUnreadableLibraryFailsCleanly)
{
    const auto folder = Folder("locked");
    ASSERT_TRUE(WriteZipArchive(folder / "mm_spqa.zip", {{"SPAN/1", {1}}}));
    std::filesystem::permissions(folder / "mm_spqa.zip", std::filesystem::perms::none);
    if (std::ifstream(folder / "mm_spqa.zip").good()) {
        GTEST_SKIP() << "permissions do not stop this user from reading";
    }
    const LibraryLoadResult result = ResourceLibraries::Load("mm_spqa", {folder});
    EXPECT_FALSE(result.loaded);
    EXPECT_EQ(result.errorNumber, EACCES);
}

} // namespace
