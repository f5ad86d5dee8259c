#include "Core/SequencedActions/SequencedAction.h"
#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "tests/Support/MemoryScreen/MemoryScreen.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>
#include <vector>

namespace {

constexpr ResourceID arrowPicture = 1101;
constexpr ResourceID deathPicture = 1161;

class SpriteCursor : public ::testing::Test {
protected:
    SpriteCursor()
    {
        screen.Resources().Add(ResourceType::graphic, arrowPicture, SolidGraphicBlock(0, 0, 3, 3, 7));
        screen.Resources().Add(ResourceType::graphic, deathPicture, SolidGraphicBlock(-1, -1, 5, 5, 8));
        SpriteCursorAction::EnableTracking();
        screen.Screen().SetCursorPosition(Point2D(320, 240));
        SequencedAction::StartNewSequence();
        new SpriteCursorAction(arrowPicture, 16);
    }
    ~SpriteCursor() override
    {
        SequencedAction::RemoveAllActions();
        SpriteCursorAction::EnableTracking();
    }

    MemoryScreen screen;
};

// While tracking, every pass puts the pointer where the platform's pointer is, and the action
// never finishes; without tracking, a position given by hand stays.
TEST_F(SpriteCursor, FollowsThePlatformPointerWhileTracking)
{
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(320, 240));
    EXPECT_EQ(SpriteCursorAction::PointerSprite()->RenderingOrderPosition(), 16);
    screen.Screen().SetCursorPosition(Point2D(5, 479));
    SequencedAction::HandleNextActions(0.0);
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(5, 479));

    SpriteCursorAction::DisableTracking();
    EXPECT_FALSE(SpriteCursorAction::IsTrackingEnabled());
    SpriteCursorAction::ChangePosition(Point2D(10, 10));
    SequencedAction::HandleNextActions(100.0);
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(10, 10));
    EXPECT_NE(SequencedAction::CurrentSequence(), nullptr);
}

// Moves from where the pointer is, pass by pass: each case a chain of moves (target, velocity)
// and the positions after passes at the given times. A move runs at its velocity, rounds
// halves away from zero and lands on its target; no or a negative velocity arrives at once; a
// move to where the pointer already is ends on its second pass. The next action of the chain
// runs in the pass its move arrives.
TEST_F(SpriteCursor, MoveActionsTravelAtTheirVelocityAndLandOnTheTarget)
{
    struct Case {
        Point2D start;
        std::vector<std::pair<Point2D, std::optional<double>>> steps; // target, velocity (none: a jump)
        std::vector<std::pair<double, Point2D>> passes;              // time, position after the pass
    };
    const Case cases[] = {
        // 100 pixels at 200 a second, then a jump to (1, 2).
        {{100, 100}, {{{160, 180}, 200.0}, {{1, 2}, {}}},
         {{4.0, {100, 100}}, {4.25, {130, 140}}, {4.375, {145, 160}}, {4.5, {1, 2}}}},
        // 5 pixels at 10 a second: half-way is (-1.5, -2), and -1.5 rounds to -2.
        {{-3, 0}, {{{0, -4}, 10.0}, {{90, 90}, 0.0}, {{10, 20}, -50.0}},
         {{0.0, {-3, 0}}, {0.25, {-2, -2}}, {0.5, {0, -4}}, {0.51, {90, 90}}, {0.52, {10, 20}}}},
        {{50, 60}, {{{50, 60}, 300.0}, {{7, 7}, {}}}, {{0.0, {50, 60}}, {0.0, {7, 7}}}},
    };
    SpriteCursorAction::DisableTracking();
    for (const Case& c : cases) {
        SpriteCursorAction::ChangePosition(c.start);
        SequencedAction::StartNewSequence(); // the moves run after the cursor's own sequence
        for (const auto& [target, velocity] : c.steps) {
            if (velocity) {
                new SpriteCursorAction::MoveAction(target, *velocity);
            } else {
                new SpriteCursorAction::ChangePositionAction(target);
            }
        }
        for (const auto& [time, position] : c.passes) {
            SequencedAction::HandleNextActions(time);
            EXPECT_EQ(SpriteCursorAction::Position(), position) << "at " << time;
        }
    }
}

// Changing the pointer's picture shows a hidden pointer; without a pointer sprite, as between
// games, every static is harmless.
TEST_F(SpriteCursor, ChangeGraphicShowsThePointerAndStaticsAreSafeWithoutIt)
{
    const Graphic8BitSprite* sprite = SpriteCursorAction::PointerSprite();
    SpriteCursorAction::Hide();
    EXPECT_FALSE(sprite->IsVisible());
    SpriteCursorAction::ChangeGraphic(deathPicture);
    EXPECT_TRUE(sprite->IsVisible());
    EXPECT_EQ(sprite->GraphicResourceID(), deathPicture);

    SequencedAction::HandleNextActions(0.0);
    SequencedAction::RemoveAllActions(); // as when a game is taken down
    EXPECT_EQ(SpriteCursorAction::PointerSprite(), nullptr);
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(320, 240));
    SpriteCursorAction::Hide();
    SpriteCursorAction::Show();
    SpriteCursorAction::ChangeGraphic(deathPicture);
    SpriteCursorAction::ChangePosition(Point2D(7, 8));
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(7, 8));

    // The next game's pointer is a fresh sprite that follows the platform pointer again.
    SequencedAction::StartNewSequence();
    new SpriteCursorAction(arrowPicture, 16);
    EXPECT_EQ(SpriteCursorAction::PointerSprite()->Position(), Point2D(320, 240));
}

} // namespace
