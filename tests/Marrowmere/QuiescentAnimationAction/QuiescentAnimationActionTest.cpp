#include "Core/Sprites/Sprite.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/Locations/Locations.h"
#include "Marrowmere/QuiescentAnimationAction/QuiescentAnimationAction.h"
#include "tests/Support/AnimatedBoard/AnimatedBoard.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"

#include <gtest/gtest.h>

namespace {

constexpr ResourceID alwaysPlayed = 500;
constexpr ResourceID neverPlayed = 501;

// The queue box showing a cloud, whose picture has two idle animations due every second: one
// that always plays and one that never does.
QuiescentAnimationAction* CloudAtRest(AnimatedBoard& board)
{
    board.Library().Add(ResourceType::idleEvents, GraphicIDs::Cloud(),
                        IdleEventsBlockBytes({{alwaysPlayed, "1", "0", "1"}, {neverPlayed, "1", "0", "0"}}));
    ItemQueue::SetCurrentItem(ItemQueue::cloud, flyer, up);
    SequencedAction::StartNewSequence();
    return new QuiescentAnimationAction(QuiescentAnimationAction::queueArea, Locations::ItemQueueAnimationPosition(),
                                        0, 0);
}

TEST(QuiescentAnimation, PlaysEachDueEventByItsChanceUnlessSwitchedOff)
{
    for (const bool isActive : {true, false}) {
        AnimatedBoard board;
        QuiescentAnimationAction::SetAnimationsActivityState(isActive);
        EXPECT_EQ(QuiescentAnimationAction::AreAnimationsActive(), isActive);
        QuiescentAnimationAction* action = CloudAtRest(board);
        EXPECT_EQ(action->StillPictureID(), GraphicIDs::Cloud());
        for (int pump = 0; pump < 10 * 60; ++pump) {
            board.Pump();
        }
        // Due at once, then every second: ten times in ten seconds.
        EXPECT_EQ(board.Library().LookedUp(ResourceType::animation),
                  std::vector<ResourceID>(isActive ? 10 : 0, alwaysPlayed));
        // Deleted while it plays, it takes its idle animation along at once.
        board.Pump();
        EXPECT_EQ(action->IsAnimating(), isActive);
        delete action;
        EXPECT_EQ(Sprite::LiveSpriteCount(), 0u);
        SequencedAction::RemoveAllActions();
    }
    QuiescentAnimationAction::SetAnimationsActivityState(true);
}

} // namespace
