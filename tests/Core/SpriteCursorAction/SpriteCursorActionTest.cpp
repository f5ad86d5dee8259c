#include "Core/SequencedActions/SequencedAction.h"
#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "tests/Support/Common/MarkerAction.h"
#include "tests/Support/MemoryScreen/MemoryScreen.h"

#include <gtest/gtest.h>

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
        cursor = new SpriteCursorAction(arrowPicture, 16);
    }
    ~SpriteCursor() override
    {
        SequencedAction::RemoveAllActions();
        SpriteCursorAction::EnableTracking();
    }

    // A second sequence for the tutorial's moves, run after the cursor's own.
    void StartMoveSequence() { SequencedAction::StartNewSequence(); }

    MemoryScreen screen;
    SpriteCursorAction* cursor = nullptr;
};

TEST_F(SpriteCursor, FollowsThePlatformPointerFromTheStart)
{
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(320, 240));
    const Graphic8BitSprite* sprite = SpriteCursorAction::PointerSprite();
    ASSERT_NE(sprite, nullptr);
    EXPECT_EQ(sprite->RenderingOrderPosition(), 16);
    EXPECT_EQ(sprite->GraphicResourceID(), arrowPicture);

    screen.Screen().SetCursorPosition(Point2D(5, 479));
    SequencedAction::HandleNextActions(0.0);
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(5, 479));
    // It never finishes.
    SequencedAction::HandleNextActions(100.0);
    EXPECT_NE(SequencedAction::CurrentSequence(), nullptr);
}

TEST_F(SpriteCursor, ChangePositionLastsOnlyUntilTheNextPassWhileTracking)
{
    SpriteCursorAction::ChangePosition(Point2D(10, 10));
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(10, 10));
    SequencedAction::HandleNextActions(0.0);
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(320, 240));

    SpriteCursorAction::DisableTracking();
    SpriteCursorAction::ChangePosition(Point2D(10, 10));
    SequencedAction::HandleNextActions(0.1);
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(10, 10));
}

TEST_F(SpriteCursor, MoveActionTravelsAtItsVelocityAndLandsOnTheEnd)
{
    SpriteCursorAction::DisableTracking();
    SpriteCursorAction::ChangePosition(Point2D(100, 100));
    StartMoveSequence();
    new SpriteCursorAction::MoveAction(Point2D(160, 180), 200.0); // 100 pixels: 0.5 s
    new SpriteCursorAction::ChangePositionAction(Point2D(1, 2));

    SequencedAction::HandleNextActions(4.0);
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(100, 100));
    SequencedAction::HandleNextActions(4.25);
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(130, 140));
    SequencedAction::HandleNextActions(4.375);
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(145, 160));
    SequencedAction::HandleNextActions(4.5);
    // Arrived; the next action of the chain ran in the same pass.
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(1, 2));
}

TEST_F(SpriteCursor, MoveActionRoundsHalvesAwayFromZeroAndNoVelocityArrivesAtOnce)
{
    SpriteCursorAction::DisableTracking();
    SpriteCursorAction::ChangePosition(Point2D(-3, 0));
    StartMoveSequence();
    new SpriteCursorAction::MoveAction(Point2D(0, -4), 10.0); // 5 pixels: 0.5 s
    new SpriteCursorAction::MoveAction(Point2D(90, 90), 0.0);
    new SpriteCursorAction::MoveAction(Point2D(10, 20), -50.0);
    SequencedAction::HandleNextActions(0.0);
    SequencedAction::HandleNextActions(0.25);
    // Half-way is (-1.5, -2): -1.5 rounds to -2.
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(-2, -2));
    SequencedAction::HandleNextActions(0.5);
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(0, -4));
    SequencedAction::HandleNextActions(0.51);
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(90, 90));
    SequencedAction::HandleNextActions(0.52);
    SequencedAction::HandleNextActions(0.53);
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(10, 20));
}

TEST_F(SpriteCursor, MoveToWhereThePointerIsEndsOnTheSecondPass)
{
    SpriteCursorAction::DisableTracking();
    SpriteCursorAction::ChangePosition(Point2D(50, 60));
    bool ended = false;
    StartMoveSequence();
    new SpriteCursorAction::MoveAction(Point2D(50, 60), 300.0);
    new MarkerAction(ended);
    SequencedAction::HandleNextActions(0.0);
    EXPECT_FALSE(ended);
    SequencedAction::HandleNextActions(0.0);
    EXPECT_TRUE(ended);
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(50, 60));
}

TEST_F(SpriteCursor, ChangeGraphicKeepsTheSamePictureAndShowsTheHiddenPointer)
{
    const Graphic8BitSprite* sprite = SpriteCursorAction::PointerSprite();
    const Graphic8Bit* before = &sprite->Graphic();
    SpriteCursorAction::Hide();
    EXPECT_FALSE(sprite->IsVisible());
    SpriteCursorAction::ChangeGraphic(arrowPicture);
    EXPECT_EQ(&sprite->Graphic(), before);
    EXPECT_TRUE(sprite->IsVisible());

    SpriteCursorAction::ChangeGraphic(deathPicture);
    EXPECT_EQ(sprite->GraphicResourceID(), deathPicture);
}

TEST_F(SpriteCursor, StaticsAreSafeWithoutAPointerSprite)
{
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
    EXPECT_EQ(SpriteCursorAction::Position(), Point2D(320, 240));
    EXPECT_TRUE(SpriteCursorAction::PointerSprite()->IsVisible());
}

} // namespace
