// A developer check of the whole drawing path: pictures made by the content encoder, drawn as
// sprites over an underlay through the screen's palette, compared pixel for pixel with a
// picture painted independently here. Set MARROWMERE_PICTURE_DIR to a folder to also get the
// composed frame and the expected one as PPM images to look at.

#include "Content/SkipDumpRunEncoder/SkipDumpRunEncoder.h"
#include "Core/Graphic/Graphic8Bit.h"
#include "Core/Sprites/Graphic8BitGroupSprite.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Core/Sprites/NumberSpriteBuilder.h"
#include "tests/Core/Sprites/SpriteTestScreen.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int screenWidth = 640;
constexpr int screenHeight = 480;
constexpr std::uint8_t transparent = 0;

using Image = SkipDumpRunEncoder::Image;

Image MakeImage(int width, int height)
{
    return Image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width * height), transparent)};
}

std::uint8_t& At(Image& image, int x, int y)
{
    return image.pixels[static_cast<std::size_t>(y * image.width + x)];
}

// A landscape of bands and a checkered field, using many colours so that runs and dumps mix.
Image Underlay()
{
    Image image = MakeImage(screenWidth, screenHeight);
    for (int y = 0; y < screenHeight; ++y) {
        for (int x = 0; x < screenWidth; ++x) {
            const bool field = y >= 300;
            At(image, x, y) = field ? static_cast<std::uint8_t>(((x / 16 + y / 16) % 2) ? 40 : 41)
                                    : static_cast<std::uint8_t>(60 + y / 20);
        }
    }
    return image;
}

// A disc with a ring and a speckled centre; its corners are transparent.
Image Disc(int diameter, std::uint8_t body, std::uint8_t ring)
{
    Image image = MakeImage(diameter, diameter);
    const int radius = diameter / 2;
    for (int y = 0; y < diameter; ++y) {
        for (int x = 0; x < diameter; ++x) {
            const int dx = x - radius;
            const int dy = y - radius;
            const int distanceSquared = dx * dx + dy * dy;
            if (distanceSquared > radius * radius) {
                continue;
            }
            if (distanceSquared > (radius - 3) * (radius - 3)) {
                At(image, x, y) = ring;
            } else if (distanceSquared < 36) {
                At(image, x, y) = static_cast<std::uint8_t>(100 + (x * 7 + y * 3) % 20);
            } else {
                At(image, x, y) = body;
            }
        }
    }
    return image;
}

// Diagonal stripes with gaps: long skips, single pixels and long runs in one picture.
Image Stripes(int width, int height)
{
    Image image = MakeImage(width, height);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int band = (x + y) % 24;
            if (band < 10) {
                At(image, x, y) = static_cast<std::uint8_t>(130 + band);
            } else if (band == 15) {
                At(image, x, y) = 150;
            }
        }
    }
    return image;
}

// Digits of a 3 x 5 pixel font, drawn three times larger.
Image Digit(int digit)
{
    static const std::array<const char*, 10> glyphs = {
        "111101101101111", "010110010010111", "111001111100111", "111001111001111", "101101111001001",
        "111100111001111", "111100111101111", "111001001001001", "111101111101111", "111101111001111"};
    Image image = MakeImage(10, 15);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 9; ++x) {
            if (glyphs[static_cast<std::size_t>(digit)][(y / 3) * 3 + x / 3] == '1') {
                At(image, x, y) = 200;
            }
        }
    }
    return image;
}

// Paints the opaque pixels of an image at (left, top), clipped to the screen.
void Paint(std::vector<std::uint8_t>& picture, const Image& image, int left, int top)
{
    for (int y = 0; y < image.height; ++y) {
        for (int x = 0; x < image.width; ++x) {
            const int screenX = left + x;
            const int screenY = top + y;
            const std::uint8_t pixel = image.pixels[static_cast<std::size_t>(y * image.width + x)];
            if (pixel != transparent && screenX >= 0 && screenX < screenWidth && screenY >= 0 && screenY < screenHeight) {
                picture[static_cast<std::size_t>(screenY * screenWidth + screenX)] = pixel;
            }
        }
    }
}

void WritePpm(const std::filesystem::path& path, const std::vector<std::uint8_t>& picture, const ScreenPalette& palette)
{
    std::ofstream file(path, std::ios::binary);
    file << "P6\n" << screenWidth << ' ' << screenHeight << "\n255\n";
    for (std::uint8_t index : picture) {
        const PaletteColor& color = palette[index];
        file.put(static_cast<char>(color.red)).put(static_cast<char>(color.green)).put(static_cast<char>(color.blue));
    }
}

TEST(ComposedPicture, SpritesOverTheUnderlayMatchAPaintedReference)
{
    SpriteTestScreen screen(3);
    auto& resources = screen.Resources();

    // A palette in which every index has its own colour (0 and 255 stay white and black).
    std::vector<ColorBytes> colors;
    for (int index = 0; index < 256; ++index) {
        colors.push_back({index, (index * 37) % 256, 255 - index});
    }
    resources.Add(ResourceType::colorLookupTable, 1000, ColorTableBlockBytes(colors));
    DisplayScreen8Bit::SetColorMap(1000);

    const Image underlay = Underlay();
    const Image bigDisc = Disc(84, 20, 21);
    const Image smallDisc = Disc(20, 30, 31);
    const Image stripes = Stripes(300, 90);
    auto addGraphic = [&](ResourceID id, const Image& image, int left = 0, int top = 0) {
        resources.Add(ResourceType::graphic, id, SkipDumpRunEncoder::MakeGraphicBlock(image, transparent, left, top, 9));
    };
    addGraphic(1001, underlay);
    addGraphic(2001, bigDisc, 3, 4); // drawn by a sprite 3 right and 4 down of its position
    addGraphic(2002, smallDisc);
    addGraphic(2003, stripes);
    for (int digit = 0; digit <= 9; ++digit) {
        addGraphic(static_cast<ResourceID>(1501 + digit), Digit(digit));
    }

    DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
    Graphic8Bit(1001).RenderToUnderlay();
    DisplayScreen8Bit::InvalidateUnderlayBuffer();

    // Made in a mixed order: the layers, not the order of making, decide what covers what.
    Graphic8BitSprite stripesOnTop(2003, Point2D(500, 400), 10); // hangs over the right and bottom edges
    Graphic8BitSprite firstOccupant(2001, Point2D(100, 100), 1);
    Graphic8BitSprite secondOccupant(2001, Point2D(150, 120), 1);
    Graphic8BitSprite dial(2002, Point2D(170, 150), 6);
    Graphic8BitSprite hiddenDial(2002, Point2D(20, 20), 6);
    Graphic8BitSprite leftEdge(2001, Point2D(-40, -30), 1);
    Graphic8BitGroupSprite score(Point2D(0, 0), 7);
    NumberSpriteBuilder::BuildRightJustified(1234567, score, 1501, Point2D(630, 10));
    hiddenDial.Hide();

    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    Sprite::RenderAll();
    DisplayScreen8Bit::ShowOffscreenBuffer();

    std::vector<std::uint8_t> expected = underlay.pixels;
    Paint(expected, bigDisc, -40 + 3, -30 + 4);
    Paint(expected, bigDisc, 100 + 3, 100 + 4);
    Paint(expected, bigDisc, 150 + 3, 120 + 4);
    Paint(expected, smallDisc, 170, 150);
    for (int place = 0; place < 7; ++place) {
        Paint(expected, Digit(place + 1), 630 - 70 + 10 * place, 10);
    }
    Paint(expected, stripes, 500, 400);

    const MemoryDisplayScreen8Bit& display = screen.Screen();
    std::vector<std::uint8_t> composed;
    for (int y = 0; y < screenHeight; ++y) {
        for (int x = 0; x < screenWidth; ++x) {
            composed.push_back(display.VisiblePixel(x, y));
        }
    }

    if (const char* folder = std::getenv("MARROWMERE_PICTURE_DIR")) {
        WritePpm(std::filesystem::path(folder) / "composed_frame.ppm", composed, display.Palette());
        WritePpm(std::filesystem::path(folder) / "expected_frame.ppm", expected, display.Palette());
    }

    int differing = 0;
    for (std::size_t index = 0; index < expected.size(); ++index) {
        if (composed[index] != expected[index] && differing++ < 5) {
            ADD_FAILURE() << "pixel (" << index % screenWidth << ", " << index / screenWidth << ") is "
                          << int(composed[index]) << ", expected " << int(expected[index]);
        }
    }
    EXPECT_EQ(differing, 0);

    // Through the palette: the colour table set above is the one the screen shows.
    EXPECT_EQ(display.Palette()[20], (PaletteColor{20, static_cast<std::uint8_t>((20 * 37) % 256), 235}));
    EXPECT_EQ(display.Palette()[200].red, 200);
}

} // namespace
