#include <gtest/gtest.h>

#include <QGuiApplication>


#include "Content/AnimationLibrary/AnimationLibrary.h"
#include "Content/GraphicLibrary/GraphicLibrary.h"
#include "Content/ScreenLibrary/ScreenLibrary.h"
#include "tests/Support/Common/FileBytes.h"
#include "tests/Support/Common/TemporaryFolder.h"

namespace {

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
        const std::vector<std::uint8_t> built = ReadFileBytes(std::filesystem::path(MARROWMERE_CONTENT_LIBRARY_DIR) / file);
        ASSERT_FALSE(built.empty()) << file;
        EXPECT_TRUE(ReadFileBytes(folder.Path() / file) == built) << file;
    }
}

} // namespace
