// The game loop's cost. First, one pump of a busy game on the memory display: the cursor, the
// frame, the input dispatch, the idle animations of a full board and an eating's two
// animations, on a clock that moves a sixtieth of a second per pump. Then the share of one
// processor core the game takes while playing on SDL's dummy video driver, paced at 60 Hz by
// the display. Every picture is a made-up 64 x 64 creature, every animation eight frames at
// twelve a second, every idle-animation table two events; sounds are missing (not played).
// Run with SDL_VIDEODRIVER=dummy (it sets it when unset).

#include "Content/SkipDumpRunEncoder/SkipDumpRunEncoder.h"
#include "Core/DisplayScreen/MemoryDisplayScreen8Bit.h"
#include "Core/GameState/GameState.h"
#include "Core/Resource/Resource.h"
#include "Core/Resource/ResourceProblems.h"
#include "Core/SdlDisplayScreen/SdlDisplayScreen8Bit.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Core/Timer/Timer.h"
#include "Marrowmere/GamePlay/GamePlay.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/InhabitantsAnimator/InhabitantsAnimator.h"
#include "Marrowmere/Locations/Locations.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <map>
#include <sstream>
#include <vector>

namespace {

constexpr double goalPumpMicroseconds = 500.0;
constexpr double goalCorePercent = 5.0;
constexpr ResourceID eatingAnimationID = 32000;  // a long animation standing for an eating

using Image = SkipDumpRunEncoder::Image;

Image Creature(int width, int height, int hue)
{
    Image image{width, height, std::vector<std::uint8_t>(static_cast<std::size_t>(width * height), 0)};
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int dx = x - width / 2;
            const int dy = y - height / 2;
            if (dx * dx + dy * dy < (width / 2 - 2) * (height / 2 - 2)) {
                image.pixels[static_cast<std::size_t>(y * width + x)] =
                    static_cast<std::uint8_t>(hue + (x / 3 + y / 2 + (x * y) % 3) % 8);
            }
        }
    }
    return image;
}

// Makes up a block for whatever the game asks, once per (type, id); no sounds.
class MadeUpResources : public Resource::PlatformSpecifics {
public:
    const void* GetPlatformSpecificResource(std::uint32_t type, ResourceID id) override
    {
        auto found = blocks.find({type, id});
        if (found == blocks.end()) {
            std::vector<std::uint8_t> bytes = MakeBlock(type, id);
            if (bytes.empty()) {
                return nullptr;
            }
            found = blocks.emplace(std::make_pair(type, id), std::move(bytes)).first;
        }
        return &found->second;
    }
    int GetPlatformSpecificResourceSize(std::uint32_t, ResourceID, const void* block) override
    {
        return block ? static_cast<int>(static_cast<const std::vector<std::uint8_t>*>(block)->size()) : 0;
    }
    void ReleasePlatformSpecificResource(const void*) override {}
    const std::uint8_t* DereferencedPlatformSpecificResource(const void* block) override
    {
        return block ? static_cast<const std::vector<std::uint8_t>*>(block)->data() : nullptr;
    }

private:
    static std::vector<std::uint8_t> MakeBlock(std::uint32_t type, ResourceID id)
    {
        if (type == ResourceType::graphic) {
            const bool background = id == GraphicIDs::Background();
            const Image image = background ? Creature(640, 480, 100) : Creature(64, 64, 8 + (id % 24) * 8);
            return SkipDumpRunEncoder::MakeGraphicBlock(image, 0, 0, 0, 0);
        }
        if (type == ResourceType::animation) {
            std::vector<AnimationFrameBytes> frames;
            const int frameCount = id == eatingAnimationID ? 6000 : 8;
            for (int frame = 0; frame < frameCount; ++frame) {
                frames.push_back({static_cast<ResourceID>(20000 + frame % 8), frame % 3, 0});
            }
            return AnimationBlockBytes("12", frames);
        }
        if (type == ResourceType::idleEvents) {
            return IdleEventsBlockBytes({{id, "3", "1", "1"}, {static_cast<ResourceID>(id + 1), "5", "2", "0.5"}});
        }
        if (type == ResourceType::screenDescription) {
            return ScreenDescriptionBlockBytes(640, 480, true);
        }
        if (type == ResourceType::colorLookupTable) {
            std::vector<ColorBytes> colors;
            for (int index = 0; index < 256; ++index) {
                colors.push_back({index, 255 - index, index / 2});
            }
            return ColorTableBlockBytes(colors);
        }
        return {};
    }

    std::map<std::pair<std::uint32_t, ResourceID>, std::vector<std::uint8_t>> blocks;
};

// Fills every free lot of the board, as a game near its end has it.
struct BoardFiller : InhabitantsAnimator {
    static void FillBoard()
    {
        int next = 0;
        for (int row = 0; row < rowCount; ++row) {
            for (int column = 0; column < columnCount; ++column) {
                if (!IsOccupied(row, column)) {
                    PlaceAnimal(static_cast<ObjectType>(next % 4), static_cast<DirectionType>(next / 4 % 4), row, column);
                    ++next;
                }
            }
        }
    }
};

// The full board and an eating's two animations (predator and prey), each in its own sequence.
void MakeTheGameBusy()
{
    BoardFiller::FillBoard();
    for (const auto& [row, column] : {std::pair{2, 2}, std::pair{2, 3}}) {
        SequencedAction::StartNewSequence();
        new Graphic8BitSprite::AnimationAction(eatingAnimationID, Locations::ObjectAnimationPosition(row, column), 4);
    }
}

double ProcessCpuSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

using Clock = std::chrono::steady_clock;

void MeasurePumpCost()
{
    long pumps = 0;
    long readingsAfterLoop = 0;
    bool isLoopDone = false;
    // A sixtieth per pump; once the loop is done, the closing fade's clock moves on by reading.
    Timer::SetClockSource([&] { return pumps * 1000 / 60 + (isLoopDone ? readingsAfterLoop++ * 10 : 0); });
    Timer::Initialize();
    DisplayScreen8Bit::Initialize(new MemoryDisplayScreen8Bit);
    DisplayScreen8Bit::Reserve(DisplayScreen8Bit::defaultScreenDescriptionID);

    constexpr long warmUpPumps = 240;
    constexpr long measuredPumps = 6000;
    std::vector<double> microseconds;
    microseconds.reserve(measuredPumps);
    Clock::time_point previous;
    GamePlay::SetPumpObserver([&] {
        ++pumps;
        const Clock::time_point now = Clock::now();
        if (pumps == 1) {
            MakeTheGameBusy();
        } else if (pumps > warmUpPumps) {
            microseconds.push_back(std::chrono::duration<double, std::micro>(now - previous).count());
        }
        if (pumps == warmUpPumps + measuredPumps) {
            GameState::SetState(GameState::paused);
            isLoopDone = true;
        }
        previous = Clock::now();
    });
    GameState::SetState(GameState::startingNewGame);
    GamePlay::NewGame();
    GamePlay::SetPumpObserver(nullptr);
    GamePlay::Finalize();
    DisplayScreen8Bit::Finalize();
    Timer::Reset();

    std::sort(microseconds.begin(), microseconds.end());
    double total = 0.0;
    for (const double value : microseconds) {
        total += value;
    }
    const double median = microseconds[microseconds.size() / 2];
    const double slowest = microseconds[microseconds.size() * 99 / 100];
    std::printf("pump of a busy game (memory display, %zu pumps): median %.1f us, mean %.1f us, 99th percentile %.1f us"
                " (goal < %.0f us: %s)\n",
                microseconds.size(), median, total / static_cast<double>(microseconds.size()), slowest,
                goalPumpMicroseconds, median < goalPumpMicroseconds ? "met" : "NOT met");
}

void MeasureCoreShare()
{
    SdlDisplayScreen8Bit* screen = SdlDisplayScreen8Bit::Create();
    if (screen == nullptr || !DisplayScreen8Bit::Initialize(screen) ||
        !DisplayScreen8Bit::Reserve(DisplayScreen8Bit::defaultScreenDescriptionID)) {
        std::printf("share of one core while playing: no SDL display\n");
        return;
    }
    Timer::Initialize();
    constexpr double warmUpSeconds = 1.0;
    constexpr double measuredSeconds = 5.0;
    const Clock::time_point start = Clock::now();
    Clock::time_point measureStart;
    double cpuStart = 0.0;
    long pumps = 0;
    long measuredPumpsStart = 0;
    double share = 0.0;
    double rate = 0.0;
    GamePlay::SetPumpObserver([&] {
        ++pumps;
        if (pumps == 1) {
            MakeTheGameBusy();
            return;
        }
        const Clock::time_point now = Clock::now();
        const double sinceStart = std::chrono::duration<double>(now - start).count();
        if (measuredPumpsStart == 0 && sinceStart >= warmUpSeconds) {
            measureStart = now;
            cpuStart = ProcessCpuSeconds();
            measuredPumpsStart = pumps;
        } else if (measuredPumpsStart != 0 && sinceStart >= warmUpSeconds + measuredSeconds) {
            const double wall = std::chrono::duration<double>(now - measureStart).count();
            share = (ProcessCpuSeconds() - cpuStart) / wall * 100.0;
            rate = static_cast<double>(pumps - measuredPumpsStart) / wall;
            GameState::SetState(GameState::paused);
        }
    });
    GameState::SetState(GameState::startingNewGame);
    GamePlay::NewGame();
    GamePlay::SetPumpObserver(nullptr);
    std::printf("share of one core while playing (SDL dummy driver, renderer %s vsync, %.1f pumps per second): "
                "%.1f %% (goal < %.0f %%: %s)\n",
                screen->PresentsWithVsync() ? "with" : "without", rate, share, goalCorePercent,
                share < goalCorePercent ? "met" : "NOT met");
    GamePlay::Finalize();
    DisplayScreen8Bit::Finalize();
}

} // namespace

int main()
{
    setenv("SDL_VIDEODRIVER", "dummy", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    std::ostringstream problems;
    ResourceProblems::SetOutput(&problems);
    Resource::Initialize(new MadeUpResources);
    MeasurePumpCost();
    MeasureCoreShare();
    Resource::Finalize();
    return 0;
}
