#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <unistd.h>

TEST(SoundLibraryDeterminismTest, BuildingAgainGivesTheSameBytes)
{
    const std::filesystem::path again =
        std::filesystem::temp_directory_path() / ("marrowmere-snd-again-" + std::to_string(getpid()) + ".zip");
    const std::string command = std::string("\"") + CONTENT_BUILDER + "\" snd \"" + again.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const auto read = [](const std::filesystem::path& path) {
        std::ifstream stream(path, std::ios::binary);
        return std::vector<char>(std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>());
    };
    const std::vector<char> first = read(SOUND_LIBRARY);
    const std::vector<char> second = read(again);
    std::filesystem::remove(again);
    EXPECT_FALSE(first.empty());
    EXPECT_TRUE(first == second);
}
