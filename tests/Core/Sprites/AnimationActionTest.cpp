#include "Core/Resource/ResourceProblems.h"
#include "Core/SequencedActions/SequencedAction.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "tests/Support/Common/MarkerAction.h"
#include "tests/Support/MemoryScreen/MemoryScreen.h"

#include <gtest/gtest.h>

#include <utility>

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
    ~Animations() override { SequencedAction::RemoveAllActions(); }

    void AddAnimation(ResourceID id, const std::string& frameRate, int frameCount)
    {
        std::vector<AnimationFrameBytes> frames;
        for (int index = 0; index < frameCount; ++index) {
            frames.push_back({static_cast<ResourceID>(firstFramePicture + index), 10 * index, -index});
        }
        screen.Resources().Add(ResourceType::animation, id, AnimationBlockBytes(frameRate, frames));
    }

    // Starts the animation in the test's sequence, followed by a marker.
    Graphic8BitSprite::AnimationAction* Start(ResourceID id)
    {
        auto* action = new Graphic8BitSprite::AnimationAction(id, Point2D(100, 200), 5);
        new MarkerAction(finished);
        return action;
    }

    MemoryScreen screen;
    bool finished = false;
};

// Four frames a second: each frame at its time and offset; a late pass drops the frames that are
// already over (at 1.3 s frame 4 is over and frame 5 is shown); the last frame ends at 1.5 s.
TEST_F(Animations, ShowsEachFrameAtItsTimeAndOffsetAndSkipsFramesThatAreOver)
{
    AddAnimation(400, "4", 6);
    auto* action = Start(400);
    EXPECT_EQ(Resource::SharedBlockCount(), 0); // the script was read at once and its block let go
    const std::pair<double, int> passes[] = {{8.0, 0}, {8.2, 0}, {8.25, 1}, {8.5, 2}, {8.9, 3}, {9.3, 5}};
    for (const auto& [time, frame] : passes) {
        SequencedAction::HandleNextActions(time);
        ASSERT_NE(action->CurrentSprite(), nullptr) << time;
        EXPECT_EQ(action->CurrentSprite()->GraphicResourceID(), firstFramePicture + frame) << time;
        EXPECT_EQ(action->CurrentSprite()->Position(), Point2D(100 + 10 * frame, 200 - frame)) << time;
    }
    EXPECT_EQ(action->CurrentSprite()->RenderingOrderPosition(), 5);
    SequencedAction::HandleNextActions(9.49);
    EXPECT_FALSE(finished);
    SequencedAction::HandleNextActions(9.5);
    EXPECT_TRUE(finished);
}

// A pass late by exactly the frames left, or by far more, ends the animation; one late by less
// leaves it playing, and deleting it then removes its sprite at once. A script the reader finds
// broken (its own cases are tested with the reader) or that is missing plays as an animation
// without frames and ends in its first pass; so does one whose rate is too small for a finite
// period, which the animation reports itself. A script without frames is not broken.
TEST_F(Animations, EndsWhenItsFramesAreOverOrItHasNone)
{
    AddAnimation(403, "10", 6);
    const std::vector<AnimationFrameBytes> oneFrame = {{firstFramePicture, 0, 0}};
    screen.Resources().Add(ResourceType::animation, 412, AnimationBlockBytes("fast", oneFrame));
    screen.Resources().Add(ResourceType::animation, 417, AnimationBlockBytes("1e-310", oneFrame));
    screen.Resources().Add(ResourceType::animation, 418, AnimationBlockBytes("12", {}));
    const std::pair<ResourceID, double> cases[] = {{403, 0.55}, {403, 0.65}, {403, 1.0e12}, {412, 0.0},
                                                   {417, 0.0},  {418, 0.0},  {499, 0.0}};
    for (const auto& [id, late] : cases) {
        SCOPED_TRACE(testing::Message() << id << " at " << late);
        finished = false;
        const std::size_t spritesBefore = Sprite::LiveSpriteCount();
        Start(id);
        SequencedAction::HandleNextActions(0.0); // 403: frame 0 shown, 5 left, the next due at 0.1
        EXPECT_EQ(finished, id != 403);
        SequencedAction::HandleNextActions(late);
        const bool playing = late == 0.55;
        EXPECT_EQ(finished, !playing);
        EXPECT_EQ(Sprite::LiveSpriteCount(), spritesBefore + (playing ? 1 : 0));
        EXPECT_EQ(ResourceProblems::HasBeenReported(ResourceType::animation, id), id != 403 && id != 418);
        SequencedAction::RemoveAllActions();
        EXPECT_EQ(Sprite::LiveSpriteCount(), spritesBefore);
        SequencedAction::StartNewSequence();
    }
}

} // namespace
