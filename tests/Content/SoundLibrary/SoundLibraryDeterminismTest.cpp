#include "tests/Support/Common/FileBytes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include <unistd.h>

TEST(SoundLibraryDeterminismTest, BuildingAgainGivesTheSameBytes)
{
    const std::filesystem::path again =
        std::filesystem::temp_directory_path() / ("marrowmere-snd-again-" + std::to_string(getpid()) + ".zip");
    const std::string command = std::string("\"") + CONTENT_BUILDER + "\" snd \"" + again.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const std::vector<std::uint8_t> first = ReadFileBytes(SOUND_LIBRARY);
    const std::vector<std::uint8_t> second = ReadFileBytes(again);
    std::filesystem::remove(again);
    EXPECT_FALSE(first.empty());
    EXPECT_TRUE(first == second);
}
