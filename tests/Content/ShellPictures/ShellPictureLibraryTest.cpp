#include "Core/ZipResource/ZipLibrary.h"
#include "tests/Support/Common/FileBytes.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

struct Wanted {
    std::vector<std::string> names; // every name the shell may ask for it by
    int minimumWidth, maximumWidth, minimumHeight, maximumHeight;
};

// Every bitmap the window shell loads from mm_res, with the sizes its place allows.
std::vector<Wanted> ShellBitmaps()
{
    std::vector<Wanted> wanted;
    for (int id = 161; id <= 168; ++id) {
        wanted.push_back({{std::to_string(id)}, 640, 640, 480, 480}); // menu backgrounds
    }
    for (const auto& [id, name] : std::vector<std::pair<int, std::string>>{{151, "SLIDEYUG"}, {152, "SLIDEMAGMA"},
             {153, "SLIDELOGO"}, {154, "SLIDEBOOF"}, {155, "SLIDESCORES"}, {157, "SLIDESTARRING"}, {158, "SLIDESAUR"}}) {
        wanted.push_back({{std::to_string(id), name}, 320, 320, 240, 240}); // the slideshow's screen
    }
    // The paused banner sits above the 180-pixel screenshot in the 240-pixel screen.
    wanted.push_back({{"156", "SLIDEPAUSED"}, 320, 320, 20, 60});
    wanted.push_back({{"1028"}, 200, 640, 150, 480});           // splash, on any desktop
    wanted.push_back({{"LOGO_MARROWMERE"}, 100, 340, 30, 120}); // top of the About box
    wanted.push_back({{"SCROLLCREDITS"}, 200, 340, 201, 20000}); // taller than its 200-pixel view
    for (const char* page : {"INSTRUCTIONS_INTRODUCTION", "INSTRUCTIONS_OBJECTIVE", "INSTRUCTIONS_GAMEBOARD",
                             "INSTRUCTIONS_GAMEPLAY", "INSTRUCTIONS_MENUSANDDIALOGBOXES"}) {
        wanted.push_back({{page}, 480, 480, 301, 20000}); // the page's frame is 300 pixels tall
    }
    return wanted;
}

std::unique_ptr<ZipLibrary> OpenLibrary(const std::filesystem::path& path)
{
    LibraryLoadResult result;
    auto library = ZipLibrary::Open(path, result);
    return result.loaded ? std::move(library) : nullptr;
}

QImage Load(const ZipLibrary& library, const std::string& name)
{
    const std::vector<std::uint8_t>* bytes = library.Find("BITMAP/" + name);
    QImage image;
    if (bytes) {
        image.loadFromData(bytes->data(), static_cast<int>(bytes->size()), "BMP");
    }
    return image;
}

TEST(ShellPictureLibrary, HoldsEveryBitmapTheShellAsksForAs8BitPicturesThatFitTheirPlaces)
{
    const auto library = OpenLibrary(RESOURCE_LIBRARY);
    ASSERT_TRUE(library) << RESOURCE_LIBRARY;
    for (const Wanted& bitmap : ShellBitmaps()) {
        const std::string& name = bitmap.names.front();
        const QImage image = Load(*library, name);
        ASSERT_FALSE(image.isNull()) << name;
        EXPECT_EQ(image.format(), QImage::Format_Indexed8) << name;
        EXPECT_EQ(image.colorCount(), 256) << name;
        EXPECT_GE(image.width(), bitmap.minimumWidth) << name;
        EXPECT_LE(image.width(), bitmap.maximumWidth) << name;
        EXPECT_GE(image.height(), bitmap.minimumHeight) << name;
        EXPECT_LE(image.height(), bitmap.maximumHeight) << name;
        for (const std::string& other : bitmap.names) {
            EXPECT_EQ(*library->Find("BITMAP/" + other), *library->Find("BITMAP/" + name)) << other;
        }
    }
}

TEST(ShellPictureLibrary, BackgroundsLeaveTheTelevisionScreenDarkAndDifferFromEachOther)
{
    const auto library = OpenLibrary(RESOURCE_LIBRARY);
    ASSERT_TRUE(library);
    std::vector<QImage> backgrounds;
    for (int id = 161; id <= 168; ++id) {
        backgrounds.push_back(Load(*library, std::to_string(id)).convertToFormat(QImage::Format_RGB32));
        const QImage& background = backgrounds.back();
        ASSERT_EQ(background.size(), QSize(640, 480)) << id;
        // The slideshow covers (74, 107) to (393, 346): nothing is painted there but a dark screen.
        const QRgb screen = background.pixel(74, 107);
        EXPECT_LT(qGray(screen), 40) << id;
        for (const QPoint corner : {QPoint(393, 107), QPoint(74, 346), QPoint(393, 346), QPoint(230, 220)}) {
            EXPECT_EQ(background.pixel(corner), screen) << id;
        }
    }
    for (std::size_t a = 0; a < backgrounds.size(); ++a) {
        for (std::size_t b = a + 1; b < backgrounds.size(); ++b) {
            long difference = 0;
            for (int y = 0; y < 480; y += 4) {
                for (int x = 0; x < 640; x += 4) {
                    const QRgb one = backgrounds[a].pixel(x, y), other = backgrounds[b].pixel(x, y);
                    difference += std::abs(qRed(one) - qRed(other)) + std::abs(qGreen(one) - qGreen(other)) +
                                  std::abs(qBlue(one) - qBlue(other));
                }
            }
            EXPECT_GT(difference / (160 * 120), 15) << "backgrounds " << 161 + a << " and " << 161 + b;
        }
    }
}

TEST(ShellPictureLibrary, TheBuilderMakesTheSameBytesAgain)
{
    const std::filesystem::path again = std::filesystem::temp_directory_path() / "marrowmere_mm_res_again.zip";
    const std::string command = std::string(CONTENT_BUILDER) + " res " + again.string();
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
    const std::vector<std::uint8_t> built = ReadFileBytes(RESOURCE_LIBRARY);
    EXPECT_FALSE(built.empty());
    EXPECT_TRUE(ReadFileBytes(again) == built);
    std::filesystem::remove(again);
}

} // namespace
