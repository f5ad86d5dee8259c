#include <gtest/gtest.h>

#include <QGuiApplication>

#include <fstream>
#include <iterator>

#include "Content/AnimationLibrary/AnimationLibrary.h"
#include "Content/GraphicLibrary/GraphicLibrary.h"
#include "Content/ScreenLibrary/ScreenLibrary.h"
#include "tests/Support/Common/TemporaryFolder.h"

namespace {

std::vector<char> FileBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// The build made its libraries in another process; making them again here gives the same
// bytes, so an unchanged tree always gives unchanged libraries.
TEST(GameArtDeterminismTest, BuildingAgainGivesTheSameArchives)
{
    int argc = 0;
    QGuiApplication application(argc, nullptr);
    const struct {
        const char* name;
        void (*build)(ContentArchive&, const ContentOptions&);
    } libraries[] = {{"grf1", BuildGrf1Library}, {"spqa", BuildSpqaLibrary}, {"vid", BuildVidLibrary}};
    TemporaryFolder folder;
    for (const auto& library : libraries) {
        ContentArchive archive;
        library.build(archive, ContentOptions{});
        const std::string file = std::string("mm_") + library.name + ".zip";
        archive.Write(folder.Path() / file);
        const std::vector<char> built = FileBytes(std::filesystem::path(MARROWMERE_CONTENT_LIBRARY_DIR) / file);
        ASSERT_FALSE(built.empty()) << file;
        EXPECT_TRUE(FileBytes(folder.Path() / file) == built) << file;
    }
}

} // namespace
