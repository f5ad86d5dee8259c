#include "Core/Resource/ResourceProblems.h"
#include "Core/SequencedActions/SequencedAction.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "tests/Support/Common/MarkerAction.h"
#include "tests/Support/MemoryScreen/MemoryScreen.h"

#include <gtest/gtest.h>


namespace {

// Frame pictures 301 … 306, each a 2 x 2 square of its own colour.
constexpr ResourceID firstFramePicture = 301;

class Animations : public ::testing::Test {
protected:
    Animations()
    {
        for (int index = 0; index < 6; ++index) {
            screen.Resources().Add(ResourceType::graphic, static_cast<ResourceID>(firstFramePicture + index),
                                   SolidGraphicBlock(0, 0, 2, 2, 10 + index));
        }
        SequencedAction::StartNewSequence();
    }
    ~Animations() override
    {
        SequencedAction::RemoveAllActions();
    }

    void AddAnimation(ResourceID id, const std::string& frameRate, int frameCount)
    {
        std::vector<AnimationFrameBytes> frames;
        for (int index = 0; index < frameCount; ++index) {
            frames.push_back({static_cast<ResourceID>(firstFramePicture + index), 10 * index, -index});
        }
        screen.Resources().Add(ResourceType::animation, id, AnimationBlockBytes(frameRate, frames));
    }

    // Starts the animation in the test's sequence, followed by a marker.
    Graphic8BitSprite::AnimationAction* Start(ResourceID id, Point2D position = Point2D(100, 200))
    {
        auto* action = new Graphic8BitSprite::AnimationAction(id, position, 5);
        new MarkerAction(finished);
        return action;
    }

    // The index of the frame shown, read back from its picture.
    static int ShownFrame(const Graphic8BitSprite::AnimationAction* action)
    {
        const Graphic8BitSprite* sprite = action->CurrentSprite();
        return sprite == nullptr ? -1 : sprite->GraphicResourceID() - firstFramePicture;
    }

    MemoryScreen screen;
    bool finished = false;
};

TEST_F(Animations, ShowsEachFrameAtItsTimeAndOffset)
{
    AddAnimation(400, "4", 3);
    auto* action = Start(400);
    // The script is read once at construction; the block is let go.
    EXPECT_EQ(action->FramesLeft(), 3u);
    EXPECT_EQ(Resource::SharedBlockCount(), 0);
    const std::size_t spritesBefore = Sprite::LiveSpriteCount();

    SequencedAction::HandleNextActions(8.0);
    EXPECT_EQ(ShownFrame(action), 0);
    EXPECT_EQ(action->CurrentSprite()->Position(), Point2D(100, 200));
    EXPECT_EQ(action->CurrentSprite()->RenderingOrderPosition(), 5);
    EXPECT_EQ(Sprite::LiveSpriteCount(), spritesBefore + 1);
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    Sprite::RenderAll();
    DisplayScreen8Bit::ShowOffscreenBuffer();
    EXPECT_EQ(screen.Screen().VisiblePixel(101, 201), 10);

    SequencedAction::HandleNextActions(8.2);
    EXPECT_EQ(ShownFrame(action), 0);
    SequencedAction::HandleNextActions(8.25);
    EXPECT_EQ(ShownFrame(action), 1);
    EXPECT_EQ(action->CurrentSprite()->Position(), Point2D(110, 199));
    SequencedAction::HandleNextActions(8.5);
    EXPECT_EQ(ShownFrame(action), 2);
    EXPECT_EQ(action->CurrentSprite()->Position(), Point2D(120, 198));

    // Three frames at four a second keep the sequence busy for 0.75 s.
    SequencedAction::HandleNextActions(8.625);
    EXPECT_FALSE(finished);
    SequencedAction::HandleNextActions(8.75);
    EXPECT_TRUE(finished);
    EXPECT_EQ(Sprite::LiveSpriteCount(), spritesBefore);

    // Deleting the action while it plays removes its sprite at once.
    SequencedAction::StartNewSequence();
    Start(400);
    SequencedAction::HandleNextActions(9.0);
    EXPECT_EQ(Sprite::LiveSpriteCount(), spritesBefore + 1);
    SequencedAction::RemoveAllActions();
    EXPECT_EQ(Sprite::LiveSpriteCount(), spritesBefore);
}

TEST_F(Animations, LatePassSkipsFramesThatAreOver)
{
    AddAnimation(402, "10", 6);
    auto* action = Start(402);
    SequencedAction::HandleNextActions(2.0);
    EXPECT_EQ(ShownFrame(action), 0);
    // 0.25 s in: frame 1 is over, frame 2 is shown and frame 3 is due at 0.3 s.
    SequencedAction::HandleNextActions(2.25);
    EXPECT_EQ(ShownFrame(action), 2);
    EXPECT_EQ(action->FramesLeft(), 3u);
    SequencedAction::HandleNextActions(2.29);
    EXPECT_EQ(ShownFrame(action), 2);
    SequencedAction::HandleNextActions(2.3125);
    EXPECT_EQ(ShownFrame(action), 3);
    EXPECT_FALSE(finished);
}

// A pass late by exactly the frames left, or by far more, ends the animation at once.
TEST_F(Animations, PassAfterTheLastFrameIsOverEndsTheAnimation)
{
    for (const double late : {0.65, 1.0e12}) {
        AddAnimation(403, "10", 6);
        finished = false;
        Start(403);
        SequencedAction::HandleNextActions(0.0); // frame 0 shown, 5 left, the next due at 0.1
        const std::size_t spritesWhilePlaying = Sprite::LiveSpriteCount();
        SequencedAction::HandleNextActions(late);
        EXPECT_TRUE(finished) << late;
        EXPECT_EQ(Sprite::LiveSpriteCount(), spritesWhilePlaying - 1) << late;
        SequencedAction::RemoveAllActions();
        SequencedAction::StartNewSequence();
    }
}

TEST_F(Animations, BrokenScriptsArePlayedAsEmptyAndReported)
{
    struct Case {
        ResourceID id;
        std::vector<std::uint8_t> bytes;
    };
    const std::vector<Case> cases = {
        {410, AnimationBlockBytes("0", {{firstFramePicture, 0, 0}})},                // would hold forever
        {411, AnimationBlockBytes("-5", {{firstFramePicture, 0, 0}})},
        {412, AnimationBlockBytes("fast", {{firstFramePicture, 0, 0}})},
        {417, AnimationBlockBytes("1e-310", {{firstFramePicture, 0, 0}})},           // endless period
        {413, BlockBytes().Text("10").Integer16Bit(3).Integer16Bit(firstFramePicture).Bytes()}, // short
        {414, BlockBytes().Text("10").Integer16Bit(-1).Bytes()},
        {415, BlockBytes().Raw({'1', '0'}).Bytes()},                                     // no zero
        {416, {}},
        {418, AnimationBlockBytes("12", {})}, // no frames: ends at once, but is not broken
    };
    for (const Case& broken : cases) {
        SCOPED_TRACE(broken.id);
        screen.Resources().Add(ResourceType::animation, broken.id, broken.bytes);
        finished = false;
        const std::size_t spritesBefore = Sprite::LiveSpriteCount();
        Start(broken.id);
        SequencedAction::HandleNextActions(0.0);
        EXPECT_TRUE(finished);
        EXPECT_EQ(Sprite::LiveSpriteCount(), spritesBefore);
        EXPECT_EQ(ResourceProblems::HasBeenReported(ResourceType::animation, broken.id), broken.id != 418);
        SequencedAction::RemoveAllActions();
        SequencedAction::StartNewSequence();
    }
    // A script that is not there at all behaves the same.
    finished = false;
    Start(499);
    SequencedAction::HandleNextActions(0.0);
    EXPECT_TRUE(finished);
    EXPECT_TRUE(ResourceProblems::HasBeenReported(ResourceType::animation, 499));
}

} // namespace
