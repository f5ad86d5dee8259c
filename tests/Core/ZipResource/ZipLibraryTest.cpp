#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>

#include "Core/ZipResource/ZipLibrary.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/ResourceFixtures/ZipArchiveWriter.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class ZipLibraryTest : public testing::Test {
protected:
    std::filesystem::path Archive(const std::vector<ZipEntryBytes>& entries)
    {
        const std::filesystem::path path = folder.Path() / "library.zip";
        EXPECT_TRUE(WriteZipArchive(path, entries));
        return path;
    }

    TemporaryFolder folder;
    LibraryLoadResult result;
};

TEST_F(ZipLibraryTest, EntriesAreReadWholeAndFoundByNameWithoutRegardToCase)
{
    std::vector<std::uint8_t> large(200000);
    for (std::size_t index = 0; index < large.size(); ++index) {
        large[index] = static_cast<std::uint8_t>(index * 31 + index / 7);
    }
    const auto library = ZipLibrary::Open(Archive({{"GRF1/1001", {1, 2, 3}}, {"SND/1021", large},
                                                   {"BITMAP/Logo_Marrowmere", {7}}, {"empty/", {}},
                                                   {"GRF1/01003", {8}}, {"GRF1/-7", {2}}}),
        result);
    ASSERT_NE(library, nullptr);
    EXPECT_TRUE(result.loaded);
    EXPECT_EQ(library->EntryCount(), 5);

    ASSERT_NE(library->Find("GRF1/1001"), nullptr);
    EXPECT_EQ(*library->Find("GRF1/1001"), (std::vector<std::uint8_t>{1, 2, 3}));
    ASSERT_NE(library->Find("snd/1021"), nullptr);
    EXPECT_EQ(*library->Find("snd/1021"), large);
    EXPECT_NE(library->Find("BITMAP/LOGO_MARROWMERE"), nullptr);
    EXPECT_EQ(library->Find("GRF1/1002"), nullptr);
    EXPECT_EQ(library->Find("SPAN/1001"), nullptr);
    // Ids are matched by value.
    EXPECT_EQ(*library->Find("GRF1/+1003"), (std::vector<std::uint8_t>{8}));
    EXPECT_NE(library->Find("GRF1/-7"), nullptr);
    EXPECT_EQ(ZipLibrary::EntryKey("bitmap/0x10"), "BITMAP/0X10");
}

TEST_F(ZipLibraryTest, FilesThatAreNoArchivesFailCleanly)
{
    const std::filesystem::path path = folder.Path() / "library.zip";
    const std::vector<std::vector<std::uint8_t>> contents = {
        {},
        BlockBytes().Text("this is plain text, not an archive"),
        {'P', 'K', 3, 4, 0, 0, 0, 0},
    };
    for (std::size_t index = 0; index < contents.size(); ++index) {
        ASSERT_TRUE(WriteFileBytes(path, contents[index]));
        LibraryLoadResult failure;
        EXPECT_EQ(ZipLibrary::Open(path, failure), nullptr) << "content " << index;
        EXPECT_FALSE(failure.loaded) << "content " << index;
        EXPECT_NE(failure.errorNumber, 0) << "content " << index;
        EXPECT_FALSE(failure.problem.empty()) << "content " << index;
    }
    EXPECT_EQ(ZipLibrary::Open(folder.Path() / "absent.zip", result), nullptr);
    EXPECT_EQ(result.errorNumber, ENOENT);
}

TEST_F(ZipLibraryTest, TruncatedOrDamagedArchivesFailCleanly)
{
    std::vector<std::uint8_t> payload(5000);
    for (std::size_t index = 0; index < payload.size(); ++index) {
        payload[index] = static_cast<std::uint8_t>((index * 7919) >> 3);
    }
    const std::vector<std::uint8_t> good = ReadFile(Archive({{"GRF1/1", payload}, {"GRF1/2", payload}}));
    const std::filesystem::path path = folder.Path() / "damaged.zip";

    std::vector<std::uint8_t> truncated(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(good.size() / 2));
    ASSERT_TRUE(WriteFileBytes(path, truncated));
    LibraryLoadResult truncatedResult;
    EXPECT_EQ(ZipLibrary::Open(path, truncatedResult), nullptr);
    EXPECT_FALSE(truncatedResult.loaded);

    std::vector<std::uint8_t> damaged = good;
    for (std::size_t index = 60; index < 400; ++index) {
        damaged[index] ^= 0x5A; // inside the first entry's compressed data
    }
    ASSERT_TRUE(WriteFileBytes(path, damaged));
    LibraryLoadResult damagedResult;
    EXPECT_EQ(ZipLibrary::Open(path, damagedResult), nullptr);
    EXPECT_FALSE(damagedResult.loaded);
}

} // namespace
