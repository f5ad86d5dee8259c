#include <gtest/gtest.h>

#include <functional>
#include <sstream>

#include "Core/Graphic/Graphic8Bit.h"
#include "Core/Resource/AnimationBlock.h"
#include "Core/Resource/ColorTableBlock.h"
#include "Core/Resource/GraphicBlockHeader.h"
#include "Core/Resource/IdleEventsBlock.h"
#include "Core/Resource/Resource.h"
#include "Core/Resource/ResourceProblems.h"
#include "Core/Resource/ScreenDescriptionBlock.h"
#include "Core/SkipDumpRunEncoding/SkipDumpRunEncoding8Bit.h"
#include "Core/ZipResource/ResourceLibraries.h"
#include "Core/ZipResource/ZipResource.h"
#include "Marrowmere/EasterEggs/EasterEggs.h"
#include "Marrowmere/IDs/AnimationIDs.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/LibraryPool/LibraryPool.h"
#include "Marrowmere/LibraryPool/LibraryPoolDirectory.h"
#include "Marrowmere/Locations/Locations.h"
#include "tests/Content/GameArt/GameIdentifiers.h"

namespace {

constexpr DirectionType directions[] = {up, down, left, right};

// The libraries this build made, read through the game's own back end and block readers.
class GameLibrariesTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        for (const char* library : {"mm_grf1", "mm_spqa", "mm_vid"}) {
            ASSERT_TRUE(ResourceLibraries::Load(library, {MARROWMERE_CONTENT_LIBRARY_DIR}).loaded) << library;
        }
        LibraryPool::Initialize();
        Resource::Initialize(new ZipResource(directory));
        // One-letter words switch the hidden modes, in their order.
        for (const char* word : {"1", "2", "3", "4"}) {
            EasterEggs::AddEgg(word, [] {}, EasterEggs::toggle);
        }
    }
    static void TearDownTestSuite()
    {
        EasterEggs::RemoveAllEggs();
        Resource::Finalize();
        ResourceLibraries::UnloadAll();
    }
    void SetUp() override { ResourceProblems::SetOutput(&problems); }
    void TearDown() override
    {
        ResourceProblems::SetOutput(nullptr);
        EXPECT_EQ(problems.str(), "");
    }

    // Runs the check with no hidden mode on, then with each of the three the tables consult.
    static void InEveryMode(const std::function<void()>& check)
    {
        check();
        for (char mode : {'1', '2', '3'}) {
            bool taken = false;
            EasterEggs::CheckInputCharacter(mode, taken);
            check();
            EasterEggs::CheckInputCharacter(mode, taken);
        }
    }

    static QuillonRectangle<int> Bounds(ResourceID id)
    {
        const Graphic8Bit graphic(id);
        EXPECT_TRUE(graphic.IsValid()) << "GRF1 " << id;
        return graphic.Bounds();
    }

    // Which pixels of a graphic are drawn, by decoding its rows over two different grounds.
    static std::vector<std::vector<bool>> Drawn(ResourceID id)
    {
        Resource resource(ResourceType::graphic, id);
        BlockCursor cursor(*resource, resource.Size(), ResourceType::graphic, id);
        const GraphicBlockHeader header = GraphicBlockHeader::Parse(cursor);
        std::vector<std::vector<bool>> drawn;
        const std::uint8_t* row = header.imageStart;
        for (int y = 0; y < header.height; ++y) {
            std::vector<std::uint8_t> low(header.width, 0), high(header.width, 255);
            SkipDumpRunEncoding8Bit::Decode(row, low.data());
            row += SkipDumpRunEncoding8Bit::Decode(row, high.data());
            drawn.emplace_back(header.width);
            for (int x = 0; x < header.width; ++x) {
                drawn.back()[x] = low[x] == high[x];
            }
        }
        return drawn;
    }

    static inline std::ostringstream problems;
    static inline LibraryPoolDirectory directory;
};

TEST_F(GameLibrariesTest, ScreenIsSixFortyByFourEightyWithAnUnderlayAndWhiteAndBlackAtThePaletteEnds)
{
    const ScreenDescriptionBlock screen = ScreenDescriptionBlock::Read(1000);
    EXPECT_EQ(screen.width, 640);
    EXPECT_EQ(screen.height, 480);
    EXPECT_TRUE(screen.hasUnderlay);
    const ColorTableBlock palette = ColorTableBlock::Read(1000);
    ASSERT_EQ(palette.entries.size(), 256u);
    EXPECT_EQ(palette.entries[0].red + palette.entries[0].green + palette.entries[0].blue, 3 * 255);
    EXPECT_EQ(palette.entries[255].red + palette.entries[255].green + palette.entries[255].blue, 0);
}

TEST_F(GameLibrariesTest, EveryGraphicAnimationAndIdleTableTheGameAsksForIsThereAndWhole)
{
    std::set<ResourceID> tableAnimations;
    std::set<ResourceID> idleAnimations;
    const auto checkAnimation = [](ResourceID id) {
        const AnimationBlock animation = AnimationBlock::Read(id);
        EXPECT_FALSE(animation.IsEmpty()) << "SPAN " << id;
        EXPECT_GE(animation.frameRate, 10) << "SPAN " << id;
        EXPECT_LE(animation.frameRate, 15) << "SPAN " << id;
        EXPECT_LE(animation.frames.size() * animation.FramePeriod(), 1.25) << "SPAN " << id;
        for (const AnimationBlock::Frame& frame : animation.frames) {
            Bounds(frame.graphicResourceID);
        }
        return animation;
    };
    InEveryMode([&] {
        for (ResourceID id : GameGraphicIDs()) {
            const QuillonRectangle<int> bounds = Bounds(id);
            EXPECT_FALSE(bounds.IsEmpty()) << "GRF1 " << id;
        }
        for (ResourceID id : GameAnimationIDs()) {
            checkAnimation(id);
            tableAnimations.insert(id);
        }
        for (ResourceID still : IdleStillIDs()) {
            const IdleEventsBlock table = IdleEventsBlock::Read(still);
            ASSERT_FALSE(table.IsEmpty()) << "QANA " << still;
            for (const IdleEventsBlock::Event& event : table.events) {
                EXPECT_GE(event.period - event.variance, 1.0) << "QANA " << still;
                EXPECT_GT(event.chanceOfOccurring, 0.0);
                EXPECT_LE(event.chanceOfOccurring, 1.0);
                const AnimationBlock idle = checkAnimation(event.animationID);
                ASSERT_FALSE(idle.IsEmpty());
                // An idle animation starts and ends on the still it stands in for.
                EXPECT_EQ(idle.frames.front().graphicResourceID, still) << "SPAN " << event.animationID;
                EXPECT_EQ(idle.frames.back().graphicResourceID, still) << "SPAN " << event.animationID;
                idleAnimations.insert(event.animationID);
            }
        }
    });
    for (ResourceID id : idleAnimations) {
        EXPECT_FALSE(tableAnimations.contains(id)) << "idle SPAN " << id << " is also a table id";
    }
}

// Each animation ends on the picture that the board shows once it is over, where it is shown.
TEST_F(GameLibrariesTest, AnimationsEndOnTheStillThatFollowsThem)
{
    static const DirectionType clockwise[4] = {right, left, up, down};
    static const DirectionType counterclockwise[4] = {left, right, down, up};
    static const DirectionType reversed[4] = {down, up, right, left};
    struct Ending {
        ResourceID animation;
        ResourceID still;
        Point2D offset;
    };
    std::vector<Ending> endings = {{AnimationIDs::ObjectBeingKilled(grass, up), GraphicIDs::Object(tree, up), {}},
                                   {AnimationIDs::ObjectBeingFlooded(tree, up), GraphicIDs::FloodedTree(), {}},
                                   {AnimationIDs::EmptyAreaBeingFlooded(), GraphicIDs::Flood(), {}},
                                   {AnimationIDs::TreeFloodEvaporating(), GraphicIDs::Object(tree, up), {}}};
    for (DirectionType d : directions) {
        const Point2D step{d == left ? -88 : d == right ? 88 : 0, d == up ? -88 : d == down ? 88 : 0};
        for (ObjectType animal : {flyer, swimmer, grazer, cannibal}) {
            endings.push_back({AnimationIDs::AnimalReversing(animal, d), GraphicIDs::Object(animal, reversed[d]), {}});
            endings.push_back(
                {AnimationIDs::AnimalTurningClockwise(animal, d), GraphicIDs::Object(animal, clockwise[d]), {}});
            endings.push_back({AnimationIDs::AnimalTurningCounterclockwise(animal, d),
                               GraphicIDs::Object(animal, counterclockwise[d]), {}});
            endings.push_back({AnimationIDs::ObjectBeingKilled(animal, d), GraphicIDs::Object(grass, up), {}});
            endings.push_back({AnimationIDs::ObjectBeingFlooded(animal, d),
                               animal == swimmer ? GraphicIDs::FloodedSwimmer(d) : GraphicIDs::Flood(), {}});
        }
        endings.push_back({AnimationIDs::SwimmerTurningClockwiseInFlood(d), GraphicIDs::FloodedSwimmer(clockwise[d]), {}});
        endings.push_back({AnimationIDs::SwimmerReversingInFlood(d), GraphicIDs::FloodedSwimmer(reversed[d]), {}});
        endings.push_back({AnimationIDs::SwimmerFloodEvaporating(d), GraphicIDs::Object(swimmer, d), {}});
        endings.push_back({AnimationIDs::FlyerFlying(d), GraphicIDs::Object(flyer, d), step});
        endings.push_back({AnimationIDs::PredatorEatingPrey(grazer, cannibal, d), GraphicIDs::Object(grazer, d), step});
        endings.push_back({AnimationIDs::PredatorEatingPrey(cannibal, flyer, d), GraphicIDs::Object(cannibal, d), step});
    }
    for (const Ending& ending : endings) {
        const AnimationBlock animation = AnimationBlock::Read(ending.animation);
        ASSERT_FALSE(animation.IsEmpty()) << "SPAN " << ending.animation;
        EXPECT_EQ(animation.frames.back().graphicResourceID, ending.still) << "SPAN " << ending.animation;
        EXPECT_EQ(animation.frames.back().offset, ending.offset) << "SPAN " << ending.animation;
    }
}

TEST_F(GameLibrariesTest, PicturesFitWhereTheGameDrawsThem)
{
    const auto size = [](ResourceID id) {
        const QuillonRectangle<int> bounds = Bounds(id);
        return Point2D{bounds.Width(), bounds.Height()};
    };
    InEveryMode([&] {
        // A lot's pictures are drawn at its animation position, 2 pixels into the 88-pixel lot.
        for (ResourceID id : IdleStillIDs()) {
            const QuillonRectangle<int> bounds = Bounds(id);
            EXPECT_TRUE(bounds.left >= -2 && bounds.top >= -2 && bounds.right <= 86 && bounds.bottom <= 86) << id;
        }
        for (ResourceID id : GameAnimationIDs()) {
            for (const AnimationBlock::Frame& frame : AnimationBlock::Read(id).frames) {
                QuillonRectangle<int> bounds = Bounds(frame.graphicResourceID);
                EXPECT_TRUE(bounds.left + frame.offset.x >= -90 && bounds.right + frame.offset.x <= 174 &&
                            bounds.top + frame.offset.y >= -90 && bounds.bottom + frame.offset.y <= 174)
                    << "SPAN " << id;
            }
        }
    });
    for (int time = 0; time <= 25; ++time) {
        EXPECT_EQ(size(GraphicIDs::StarvationTimer(time)), (Point2D{20, 20}));
        EXPECT_EQ(size(GraphicIDs::FloodTimer(time)), (Point2D{20, 20}));
    }
    for (ButtonType button : {ButtonType::normal, ButtonType::pressed, ButtonType::disabled}) {
        EXPECT_EQ(size(GraphicIDs::PickButton(button)), Locations::pickButtonSize);
        EXPECT_EQ(size(GraphicIDs::PickDialogBoxUseButton(button)), Locations::pickDialogBoxUseButtonSize);
        EXPECT_EQ(size(GraphicIDs::PickDialogBoxCancelButton(button)), Locations::pickDialogBoxCancelButtonSize);
    }
    EXPECT_EQ(size(GraphicIDs::Background()), Locations::screenSize);
    EXPECT_EQ(size(GraphicIDs::PickDialogBox()), Locations::pickDialogBoxSize);
    EXPECT_EQ(size(GraphicIDs::PickDialogBoxSelectionOutline()),
              Locations::pickDialogBoxItemSize - Locations::pickDialogBoxOutlineOffset - Locations::pickDialogBoxOutlineOffset);
    for (const AnimationBlock::Frame& frame : AnimationBlock::Read(AnimationIDs::CompleteChainMessage()).frames) {
        EXPECT_EQ(size(frame.graphicResourceID), Locations::completeChainMessageSize);
    }
    // The game-over banner and every reason panel stack up within the board.
    const int bannerHeight = size(GraphicIDs::GameOverTopHalf()).y + size(GraphicIDs::GameOverBottomHalf()).y;
    for (ResourceID reason : {GraphicIDs::MultipleSpeciesExtinction(), GraphicIDs::FlyerExtinction(),
                              GraphicIDs::SwimmerExtinction(), GraphicIDs::GrazerExtinction(),
                              GraphicIDs::CannibalExtinction(), GraphicIDs::Overpopulation()}) {
        EXPECT_LE(bannerHeight + size(reason).y, Locations::inhabitantsAreaSize.y);
        EXPECT_LE(size(reason).x, Locations::inhabitantsAreaSize.x);
    }
    // The digits of a set share one height, so numbers sit on one line.
    for (int start : {GraphicIDs::ScoreDigitsStart(), GraphicIDs::TimerDigitsStart(),
                      GraphicIDs::PickCountDigitsStart(), GraphicIDs::FloatingScoreDigitsStart()}) {
        for (int digit = 1; digit < 10; ++digit) {
            EXPECT_EQ(size(static_cast<ResourceID>(start + digit)).y, size(static_cast<ResourceID>(start)).y);
        }
    }
}

// The arrow's tip and each pointer's fingertip are the pixel at the sprite's position; the
// other pointers are centred on it.
TEST_F(GameLibrariesTest, HotSpotsLieExactlyOnThePosition)
{
    struct HotSpot {
        ResourceID id;
        int beyondX; // pixels may not lie beyond the position on this side of x (-1 left, 1 right, 0 either)
        int beyondY;
    };
    const HotSpot hotSpots[] = {{GraphicIDs::Cursor(CursorType::arrow), -1, -1},
                                {GraphicIDs::TutorialPointer(right), 1, 0},
                                {GraphicIDs::TutorialPointer(left), -1, 0},
                                {GraphicIDs::TutorialPointer(down), 0, 1}};
    for (const HotSpot& hotSpot : hotSpots) {
        const QuillonRectangle<int> bounds = Bounds(hotSpot.id);
        const auto drawn = Drawn(hotSpot.id);
        ASSERT_TRUE(bounds.left <= 0 && bounds.right > 0 && bounds.top <= 0 && bounds.bottom > 0) << hotSpot.id;
        EXPECT_TRUE(drawn[-bounds.top][-bounds.left]) << hotSpot.id;
        for (int y = bounds.top; y < bounds.bottom; ++y) {
            for (int x = bounds.left; x < bounds.right; ++x) {
                if (drawn[y - bounds.top][x - bounds.left]) {
                    EXPECT_TRUE(x * hotSpot.beyondX <= 0 && y * hotSpot.beyondY <= 0) << hotSpot.id << " at " << x << "," << y;
                }
            }
        }
    }
    for (int cursor = 1; cursor <= static_cast<int>(CursorType::cloud); ++cursor) {
        const QuillonRectangle<int> bounds = Bounds(GraphicIDs::Cursor(static_cast<CursorType>(cursor)));
        EXPECT_LE(std::abs(bounds.left + bounds.right), 1) << cursor;
        EXPECT_LE(std::abs(bounds.top + bounds.bottom), 1) << cursor;
    }
}

} // namespace
