// One busy game frame composed two ways in the same run: by our pipeline (the underlay copied
// into the off-screen buffer of the memory screen, then every sprite decoded from its row code
// by Sprite::RenderAll) and by SDL2 (the same pictures as 8-bit surfaces with a colour key and
// RLE acceleration, blitted over a copy of the same underlay). Prints the time per frame of
// each and their ratio beside the goals. Run with SDL_VIDEODRIVER=dummy.

#include "Content/SkipDumpRunEncoder/SkipDumpRunEncoder.h"
#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/DisplayScreen/MemoryDisplayScreen8Bit.h"
#include "Core/Graphic/Graphic8Bit.h"
#include "Core/Resource/ResourceProblems.h"
#include "Core/Sprites/Graphic8BitGroupSprite.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Core/Sprites/NumberSpriteBuilder.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

#include <SDL.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace {

constexpr int screenWidth = 640;
constexpr int screenHeight = 480;
constexpr std::uint8_t transparent = 0;
using Image = SkipDumpRunEncoder::Image;
using Clock = std::chrono::steady_clock;

Image Blank(int width, int height)
{
    return Image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width * height), transparent)};
}

void Set(Image& image, int x, int y, int color)
{
    image.pixels[static_cast<std::size_t>(y * image.width + x)] = static_cast<std::uint8_t>(color);
}

// Sky bands over a checkered field with a drawn frame around the board: long runs and some
// detail, as a background picture has.
Image Underlay()
{
    Image image = Blank(screenWidth, screenHeight);
    for (int y = 0; y < screenHeight; ++y) {
        for (int x = 0; x < screenWidth; ++x) {
            int color = y < 200 ? 60 + y / 10 : (((x / 12) + (y / 12)) % 2 ? 40 : 41) + ((x * y) % 7 == 0 ? 2 : 0);
            Set(image, x, y, color);
        }
    }
    return image;
}

// A creature-like picture: an outlined body, eyes and transparent surroundings. Detailed
// bodies have shading that changes every few pixels (many short dumps and runs, as pictures
// quantised from artwork have); plain ones are one colour (long runs).
Image Creature(int size, int hue, bool detailed)
{
    Image image = Blank(size, size);
    const int centre = size / 2;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int dx = x - centre;
            const int dy = (y - centre) * 5 / 4;
            const int distanceSquared = dx * dx + dy * dy;
            const int radius = centre - 2;
            if (distanceSquared > radius * radius) {
                continue;
            }
            if (distanceSquared > (radius - 2) * (radius - 2)) {
                Set(image, x, y, 254);
            } else if ((dx + 14) * (dx + 14) + (dy + 10) * (dy + 10) < 30 || (dx - 14) * (dx - 14) + (dy + 10) * (dy + 10) < 30) {
                Set(image, x, y, 1);
            } else {
                Set(image, x, y, detailed ? hue + ((x / 3 + y / 2 + (x * y) % 3) % 8) : hue);
            }
        }
    }
    return image;
}

// A timer dial: a disc with the remaining time as a dark sector.
Image Dial(int size, int color)
{
    Image image = Blank(size, size);
    const int centre = size / 2;
    for (int y = 0; y < size; ++y) {
        for (int x = 0; x < size; ++x) {
            const int dx = x - centre;
            const int dy = y - centre;
            if (dx * dx + dy * dy <= centre * centre) {
                Set(image, x, y, dx > 0 && dy < 0 ? 250 : color);
            }
        }
    }
    return image;
}

// Digits of a 3 x 5 font drawn three times larger, in a 10 x 15 cell.
Image Digit(int digit)
{
    static const std::array<const char*, 10> glyphs = {
        "111101101101111", "010110010010111", "111001111100111", "111001111001111", "101101111001001",
        "111100111001111", "111100111101111", "111001001001001", "111101111101111", "111101111001111"};
    Image image = Blank(10, 15);
    for (int y = 0; y < 15; ++y) {
        for (int x = 0; x < 9; ++x) {
            if (glyphs[static_cast<std::size_t>(digit)][(y / 3) * 3 + x / 3] == '1') {
                Set(image, x, y, 220 + (y % 3));
            }
        }
    }
    return image;
}

Image Arrow()
{
    Image image = Blank(12, 19);
    for (int y = 0; y < 19; ++y) {
        for (int x = 0; x <= std::min(y, 11) && x < 12; ++x) {
            if (y < 16 || x < 4) {
                Set(image, x, y, x == 0 || x == y || y == 15 ? 255 : 253);
            }
        }
    }
    return image;
}

// One picture placed on the screen, with its id for our pipeline.
struct Placement {
    ResourceID id;
    int x;
    int y;
    int renderingOrderPosition;
};

struct Scene {
    std::vector<std::pair<ResourceID, Image>> pictures;
    std::vector<Placement> placements; // single pictures, in the order they are made
    int score = 0;
    int pickCount = 0;
    Point2D scoreEnd;
    Point2D pickCountCentre;
};

constexpr ResourceID underlayID = 1001;
constexpr ResourceID firstDigitID = 1501;

Scene BusyFrame(bool detailed)
{
    Scene scene;
    scene.pictures.push_back({underlayID, Underlay()});
    for (int kind = 0; kind < 4; ++kind) {
        scene.pictures.push_back({static_cast<ResourceID>(2001 + kind), Creature(84, 100 + 16 * kind, detailed)});
    }
    scene.pictures.push_back({1201, Dial(20, 180)});
    scene.pictures.push_back({1301, Dial(20, 190)});
    scene.pictures.push_back({1101, Arrow()});
    for (int digit = 0; digit <= 9; ++digit) {
        scene.pictures.push_back({static_cast<ResourceID>(firstDigitID + digit), Digit(digit)});
    }

    // The board: 5 x 5 lots of 84 pixels, every one occupied, each with a starvation dial;
    // ten of them flooded, with a flood dial as well.
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            const int left = 150 + column * 90;
            const int top = 20 + row * 90;
            scene.placements.push_back({static_cast<ResourceID>(2001 + (row + column) % 4), left, top, 1});
            scene.placements.push_back({1201, left + 62, top + 62, 6});
            if ((row * 5 + column) % 5 < 2) {
                scene.placements.push_back({1301, left + 2, top + 62, 6});
            }
        }
    }
    scene.placements.push_back({2003, 30, 200, 1});      // the item in the queue box
    scene.placements.push_back({1101, 330, 250, 16});    // the pointer
    scene.score = 1234567;
    scene.scoreEnd = Point2D(630, 10);
    scene.pickCount = 3;
    scene.pickCountCentre = Point2D(72, 330);
    return scene;
}

// Our pipeline: GRF1 blocks in memory, the memory screen, sprites.
class OurFrame {
public:
    explicit OurFrame(const Scene& scene)
    {
        resources.Add(ResourceType::screenDescription, 1000, ScreenDescriptionBlockBytes(screenWidth, screenHeight, true));
        for (const auto& [id, image] : scene.pictures) {
            resources.Add(ResourceType::graphic, id, SkipDumpRunEncoder::MakeGraphicBlock(image, transparent, 0, 0, 0));
        }
        screen = new MemoryDisplayScreen8Bit;
        DisplayScreen8Bit::Initialize(screen);
        DisplayScreen8Bit::Reserve(1000);
        DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
        Graphic8Bit(underlayID).RenderToUnderlay();

        for (const Placement& placement : scene.placements) {
            sprites.push_back(std::make_unique<Graphic8BitSprite>(placement.id, Point2D(placement.x, placement.y),
                                                                  placement.renderingOrderPosition));
        }
        score = std::make_unique<Graphic8BitGroupSprite>(Point2D(0, 0), 7);
        NumberSpriteBuilder::BuildRightJustified(scene.score, *score, firstDigitID, scene.scoreEnd);
        pickCount = std::make_unique<Graphic8BitGroupSprite>(Point2D(0, 0), 8);
        NumberSpriteBuilder::BuildCentered(scene.pickCount, *pickCount, firstDigitID, scene.pickCountCentre);
    }
    ~OurFrame()
    {
        sprites.clear();
        score.reset();
        pickCount.reset();
        DisplayScreen8Bit::Finalize();
    }

    // Composes one frame; returns the time spent preparing and drawing it, and adds the time
    // of the underlay copy alone to underlayCopyTime.
    Clock::duration Compose()
    {
        const auto start = Clock::now();
        DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
        const auto prepared = Clock::now();
        Sprite::RenderAll();
        const auto end = Clock::now();
        DisplayScreen8Bit::ShowOffscreenBuffer();
        underlayCopyTime += prepared - start;
        return end - start;
    }

    Clock::duration underlayCopyTime{};

    std::uint8_t Pixel(int x, int y) const { return screen->VisiblePixel(x, y); }

private:
    ScopedInMemoryResources resources;
    MemoryDisplayScreen8Bit* screen; // owned by DisplayScreen8Bit
    std::vector<std::unique_ptr<Graphic8BitSprite>> sprites;
    std::unique_ptr<Graphic8BitGroupSprite> score;
    std::unique_ptr<Graphic8BitGroupSprite> pickCount;
};

// SDL2: 8-bit surfaces sharing one palette, colour-keyed and RLE-accelerated, blitted in
// layer order (and making order within a layer) over a copy of the underlay.
class SdlFrame {
public:
    explicit SdlFrame(const Scene& scene)
    {
        palette = SDL_AllocPalette(256);
        std::array<SDL_Color, 256> colors{};
        for (int index = 0; index < 256; ++index) {
            colors[static_cast<std::size_t>(index)] = SDL_Color{static_cast<Uint8>(index), static_cast<Uint8>(index * 37),
                                                                static_cast<Uint8>(255 - index), 255};
        }
        SDL_SetPaletteColors(palette, colors.data(), 0, 256);
        target = MakeSurface(screenWidth, screenHeight);

        for (const auto& [id, image] : scene.pictures) {
            SDL_Surface* surface = MakeSurface(image.width, image.height);
            for (int y = 0; y < image.height; ++y) {
                std::memcpy(static_cast<Uint8*>(surface->pixels) + y * surface->pitch,
                            image.pixels.data() + static_cast<std::size_t>(y * image.width), static_cast<std::size_t>(image.width));
            }
            if (id != underlayID) {
                SDL_SetColorKey(surface, SDL_TRUE, transparent);
                SDL_SetSurfaceRLE(surface, 1);
            }
            surfaces[id] = surface;
        }
        underlay = surfaces[underlayID];

        std::vector<Placement> ordered = scene.placements;
        // The score's and the pick count's digits, laid out as the number builder does.
        AddNumber(scene.score, scene.scoreEnd.x, scene.scoreEnd.y, true, 7, ordered);
        AddNumber(scene.pickCount, scene.pickCountCentre.x, scene.pickCountCentre.y, false, 8, ordered);
        std::stable_sort(ordered.begin(), ordered.end(),
                         [](const Placement& a, const Placement& b) { return a.renderingOrderPosition < b.renderingOrderPosition; });
        blits = ordered;
    }
    ~SdlFrame()
    {
        for (auto& [id, surface] : surfaces) {
            SDL_FreeSurface(surface);
        }
        SDL_FreeSurface(target);
        SDL_FreePalette(palette);
    }

    Clock::duration Compose()
    {
        const auto start = Clock::now();
        SDL_BlitSurface(underlay, nullptr, target, nullptr);
        for (const Placement& blit : blits) {
            SDL_Rect destination{blit.x, blit.y, 0, 0};
            SDL_BlitSurface(surfaces[blit.id], nullptr, target, &destination);
        }
        return Clock::now() - start;
    }

    std::uint8_t Pixel(int x, int y) const { return static_cast<const Uint8*>(target->pixels)[y * target->pitch + x]; }

private:
    SDL_Surface* MakeSurface(int width, int height)
    {
        SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 8, SDL_PIXELFORMAT_INDEX8);
        SDL_SetSurfacePalette(surface, palette);
        return surface;
    }

    void AddNumber(int n, int x, int y, bool rightJustified, int layer, std::vector<Placement>& placements)
    {
        std::vector<int> digits;
        do {
            digits.insert(digits.begin(), n % 10);
            n /= 10;
        } while (n > 0);
        const int width = 10 * static_cast<int>(digits.size());
        int left = rightJustified ? x - width : x - width / 2;
        for (int digit : digits) {
            placements.push_back({static_cast<ResourceID>(firstDigitID + digit), left, y, layer});
            left += 10;
        }
    }

    SDL_Palette* palette = nullptr;
    SDL_Surface* target = nullptr;
    SDL_Surface* underlay = nullptr;
    std::map<ResourceID, SDL_Surface*> surfaces;
    std::vector<Placement> blits;
};

// Composes one round of frames; records and returns its mean time per frame in milliseconds.
template <typename Frame>
double MillisecondsPerFrame(Frame& frame, int framesPerRound, std::vector<double>& roundTimes)
{
    Clock::duration total{};
    for (int index = 0; index < framesPerRound; ++index) {
        total += frame.Compose();
    }
    const double milliseconds = std::chrono::duration<double, std::milli>(total).count() / framesPerRound;
    roundTimes.push_back(milliseconds);
    return milliseconds;
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

struct Outcome {
    bool identical;
    bool goalsMet;
};

// Composes the scene both ways and prints the figures.
Outcome Compare(const char* title, bool detailed)
{
    const Scene scene = BusyFrame(detailed);
    OurFrame ours(scene);
    SdlFrame sdl(scene);

    // Warm both up and check that they compose the same picture.
    ours.Compose();
    sdl.Compose();
    int differing = 0;
    for (int y = 0; y < screenHeight; ++y) {
        for (int x = 0; x < screenWidth; ++x) {
            differing += ours.Pixel(x, y) != sdl.Pixel(x, y);
        }
    }

    constexpr int rounds = 15;
    constexpr int framesPerRound = 300;
    std::vector<double> ourRounds;
    std::vector<double> sdlRounds;
    ours.underlayCopyTime = {};
    for (int round = 0; round < rounds; ++round) {
        MillisecondsPerFrame(ours, framesPerRound, ourRounds);
        MillisecondsPerFrame(sdl, framesPerRound, sdlRounds);
    }
    const double ourTime = Median(ourRounds);
    const double sdlTime = Median(sdlRounds);
    const double copyTime =
        std::chrono::duration<double, std::milli>(ours.underlayCopyTime).count() / (rounds * framesPerRound);

    std::printf("%s: 640 x 480 underlay and %zu pictures, %d rounds of %d frames (median round)\n", title,
                scene.placements.size() + 8, rounds, framesPerRound);
    std::printf("  identical pictures:          %s (%d pixels differ)\n", differing == 0 ? "yes" : "NO", differing);
    std::printf("  ours (prepare + RenderAll):  %.4f ms per frame   goal: under 0.25 ms   %s\n", ourTime,
                ourTime < 0.25 ? "met" : "NOT MET");
    std::printf("    of which the underlay copy: %.4f ms (mean)\n", copyTime);
    std::printf("  SDL2 (copy + RLE blits):     %.4f ms per frame\n", sdlTime);
    std::printf("  ratio ours / SDL:            %.3f            goal: at most 1.0     %s\n", ourTime / sdlTime,
                ourTime / sdlTime <= 1.0 ? "met" : "NOT MET");
    return {differing == 0, ourTime < 0.25 && ourTime / sdlTime <= 1.0};
}

} // namespace

int main()
{
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        std::printf("SDL video not available (%s); surfaces are used without it\n", SDL_GetError());
    }
    ResourceProblems::SetOutput(nullptr);
    const Outcome detailed = Compare("frame_compose, detailed art", true);
    const Outcome plain = Compare("frame_compose, plain art", false);
    SDL_Quit();
    std::printf("frame_compose: both goals (under 0.25 ms, ratio at most 1.0) %s for detailed art, %s for plain art\n",
                detailed.goalsMet ? "met" : "NOT all met", plain.goalsMet ? "met" : "NOT all met");
    // A figure for pictures that differ means nothing: that is a failure.
    return detailed.identical && plain.identical ? 0 : 1;
}
