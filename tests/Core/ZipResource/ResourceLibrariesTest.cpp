#include <gtest/gtest.h>

#include <cerrno>
#include <cstring>
#include <optional>

#include "Core/ZipResource/ResourceLibraries.h"
#include "tests/Support/Common/FileBytes.h"
#include "tests/Support/Common/FileAccessOfNobody.h"
#include "tests/Support/ResourceFixtures/ZipArchiveWriter.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Paths = std::vector<std::filesystem::path>;

// Bytes without a short repeating pattern, so that the archive holds them really compressed.
Bytes Noise(std::size_t size)
{
    Bytes bytes(size);
    for (std::size_t index = 0; index < size; ++index) {
        bytes[index] = static_cast<std::uint8_t>(index * 31 + index / 7);
    }
    return bytes;
}

TEST(SearchPathTest, ExecutableFolderThenInstalledShareThenEachAbsoluteXdgDataFolder)
{
    const Paths defaults{"/usr/bin", "/usr/share/marrowmere", "/usr/local/share/marrowmere", "/usr/share/marrowmere"};
    const struct {
        const char* executableFolder;
        const char* xdgDataDirs;
        Paths searchPath;
    } rows[] = {
        {"/opt/mm/bin", "/data/one:/data/two/", {"/opt/mm/bin", "/opt/mm/share/marrowmere", "/data/one/marrowmere", "/data/two/marrowmere"}},
        {"/usr/bin", nullptr, defaults},
        {"/usr/bin", "", defaults},
        {"/usr/bin", "relative/share::/abs", {"/usr/bin", "/usr/share/marrowmere", "/abs/marrowmere"}},
        {"", "/abs", {"/abs/marrowmere"}},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ResourceLibraries::SearchPathFor(row.executableFolder, row.xdgDataDirs), row.searchPath)
            << row.executableFolder << " " << (row.xdgDataDirs != nullptr ? row.xdgDataDirs : "(unset)");
    }
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

    TemporaryFolder root;
};

using ZipLibraryTest = ResourceLibrariesTest;

// Entries are read whole and found by name without regard to case; an id is matched by value.
TEST_F(ZipLibraryTest, EntriesAreReadWholeAndFoundByNameWithoutRegardToCase)
{
    const Bytes large = Noise(200000);
    const auto path = Folder("library") / "mm_grf1.zip";
    ASSERT_TRUE(WriteZipArchive(path, {{"GRF1/1001", {1, 2, 3}}, {"SND/1021", large}, {"BITMAP/Logo_Marrowmere", {7}},
                                          {"empty/", {}}, {"GRF1/01003", {8}}, {"GRF1/-7", {2}}}));
    LibraryLoadResult result;
    const auto library = ZipLibrary::Open(path, result);
    ASSERT_NE(library, nullptr);
    EXPECT_EQ(library->EntryCount(), 5); // folders carry no blocks
    const std::pair<const char*, Bytes> found[] = {
        {"GRF1/1001", {1, 2, 3}}, {"snd/1021", large}, {"BITMAP/LOGO_MARROWMERE", {7}}, {"GRF1/+1003", {8}}, {"GRF1/-7", {2}}};
    for (const auto& [name, bytes] : found) {
        ASSERT_NE(library->Find(name), nullptr) << name;
        EXPECT_EQ(*library->Find(name), bytes) << name;
    }
    EXPECT_EQ(library->Find("SPAN/1001"), nullptr);
    EXPECT_EQ(ZipLibrary::EntryKey("bitmap/0x10"), "BITMAP/0X10");
    EXPECT_EQ(ZipLibrary::EntryKey("grf1/+01003"), "GRF1/1003");
}

// The first folder that holds a library's file decides: a broken file there is a failure even
// when a later folder holds a good one.
TEST_F(ResourceLibrariesTest, TheFirstFolderHoldingALibraryIsTheOneRead)
{
    const auto first = Folder("first");
    const auto second = Folder("second");
    ASSERT_TRUE(WriteZipArchive(second / "mm_grf1.zip", {{"GRF1/1", {2}}}));
    ASSERT_TRUE(WriteZipArchive(first / "mm_grf1.zip", {{"GRF1/1", {1}}}));
    EXPECT_TRUE(ResourceLibraries::Load("mm_grf1", {first, second}).loaded);
    EXPECT_TRUE(ResourceLibraries::Load("mm_grf1", {second}).loaded); // already loaded: kept as it is
    EXPECT_EQ(ResourceLibraries::Find("mm_grf1", "GRF1/1")->at(0), 1);
    EXPECT_EQ(ResourceLibraries::Find("mm_spqa", "GRF1/1"), nullptr);

    ResourceLibraries::Unload("mm_grf1");
    EXPECT_FALSE(ResourceLibraries::IsLoaded("mm_grf1"));
    EXPECT_TRUE(ResourceLibraries::Load("mm_grf1", {Folder("empty"), second}).loaded);
    EXPECT_EQ(ResourceLibraries::Find("mm_grf1", "GRF1/1")->at(0), 2);

    ASSERT_TRUE(WriteFileBytes(first / "mm_vid.zip", {'n', 'o', 'p', 'e'}));
    ASSERT_TRUE(WriteZipArchive(second / "mm_vid.zip", {{"CLUT/1000", {1}}}));
    const LibraryLoadResult result = ResourceLibraries::Load("mm_vid", {first, second});
    EXPECT_FALSE(result.loaded);
    EXPECT_EQ(result.fileName, "mm_vid.zip");
    EXPECT_FALSE(ResourceLibraries::IsLoaded("mm_vid"));
}

// An empty file, a cut-short or damaged archive, a file the user may not read and a missing file
// fail cleanly, with the reason and the system's error number.
TEST_F(ResourceLibrariesTest, BrokenUnreadableOrMissingLibrariesFailCleanly)
{
    const auto folder = Folder("broken");
    ASSERT_TRUE(WriteZipArchive(folder / "good.zip", {{"GRF1/1", Noise(5000)}, {"GRF1/2", Noise(5000)}}));
    const Bytes good = ReadFileBytes(folder / "good.zip");
    Bytes damaged = good;
    for (std::size_t index = 60; index < 400; ++index) {
        damaged[index] ^= 0x5A; // inside the first entry's compressed data
    }
    // Only the file's own permissions stop the reading: anyone may pass through the folders.
    for (const auto& path : {root.Path(), folder}) {
        std::filesystem::permissions(path, std::filesystem::perms::others_exec, std::filesystem::perm_options::add);
    }
    const std::pair<std::optional<Bytes>, int> files[] = {{Bytes{}, EINVAL},
        {Bytes(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2)), EINVAL}, {damaged, EINVAL},
        {good, EACCES}, {std::nullopt, ENOENT}};
    const auto load = [&] { return ResourceLibraries::Load("mm_res", {folder}); };
    for (const auto& [file, errorNumber] : files) {
        SCOPED_TRACE(testing::Message() << (file ? file->size() : 0) << " bytes, " << std::strerror(errorNumber));
        std::filesystem::remove(folder / "mm_res.zip");
        if (file) {
            ASSERT_TRUE(WriteFileBytes(folder / "mm_res.zip", *file));
        }
        if (errorNumber == EACCES) {
            std::filesystem::permissions(folder / "mm_res.zip", std::filesystem::perms::none);
        }
        const LibraryLoadResult result = errorNumber == EACCES ? WithFileAccessOfNobody(load) : load();
        EXPECT_FALSE(result.loaded);
        EXPECT_EQ(result.errorNumber, errorNumber);
        EXPECT_FALSE(result.problem.empty());
        EXPECT_FALSE(ResourceLibraries::IsLoaded("mm_res"));
    }
    EXPECT_EQ(load().MissingLibraryMessage(),
        " Marrowmere can't find the required file MM_RES.ZIP and is terminating this application!");
}

TEST_F(ResourceLibrariesTest, GameLibrariesLoadInOrderAndAFailureUnloadsTheEarlierOnes)
{
    const auto folder = Folder("libraries");
    for (const char* name : ResourceLibraries::gameLibraryNames) {
        if (name != std::string("mm_snd")) {
            ASSERT_TRUE(WriteZipArchive(folder / (std::string(name) + ".zip"), {{"TEST/1", {1}}}));
        }
    }
    const LibraryLoadResult failure = ResourceLibraries::LoadGameLibraries({folder});
    EXPECT_FALSE(failure.loaded);
    EXPECT_EQ(failure.libraryName, "mm_snd");
    for (const char* name : ResourceLibraries::gameLibraryNames) {
        EXPECT_FALSE(ResourceLibraries::IsLoaded(name)) << name;
    }

    ASSERT_TRUE(WriteZipArchive(folder / "mm_snd.zip", {{"TEST/1", {1}}}));
    EXPECT_TRUE(ResourceLibraries::LoadGameLibraries({folder}).loaded);
}

} // namespace
