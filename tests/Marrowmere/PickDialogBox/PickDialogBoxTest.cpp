#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/ItemQueueAnimator/ItemQueueAnimator.h"
#include "Marrowmere/Locations/Locations.h"
#include "Marrowmere/PickDialogBox/PickButtonHotSpot.h"
#include "Marrowmere/PickDialogBox/PickDialogBox.h"
#include "tests/Support/AnimatedBoard/AnimatedBoard.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class PickDialog : public ::testing::Test {
protected:
    PickDialog()
    {
        board.SetUp();
        AnimatedBoard::Click(Locations::PickButtonHotSpotCenter());
        EXPECT_TRUE(PickDialogBox::IsOpen());
    }

    static void ClickItem(ItemQueue::ItemType item, ObjectType animal = flyer, DirectionType direction = up)
    {
        AnimatedBoard::Click(Locations::PickDialogBoxItemHotSpotCenter(item, animal, direction));
    }

    // The current item and whether it is available, the picks and the board.
    static std::string Game() { return DescribeGame() + " button " + std::to_string(PickButtonActive()); }
    static bool PickButtonActive() { return ItemQueueAnimator::PickButton()->IsActive(); }

    AnimatedBoard board;
};

TEST_F(PickDialog, OpensWithEveryItemAndMovesTheSelectionToTheItemPressed)
{
    EXPECT_EQ(PickDialogBox::ItemHotSpots().size(), 21u);
    EXPECT_FALSE(PickDialogBox::UseButton()->IsActive());
    EXPECT_FALSE(PickButtonActive());
    for (const PickDialogBox::ItemHotSpot* itemHotSpot : PickDialogBox::ItemHotSpots()) {
        ClickItem(itemHotSpot->Item(), itemHotSpot->Animal(), itemHotSpot->Direction());
        EXPECT_EQ(PickDialogBox::ItemHotSpot::CurrentlySelected(), itemHotSpot);
        EXPECT_TRUE(itemHotSpot->IsOutlineShown());
        EXPECT_EQ(std::count_if(PickDialogBox::ItemHotSpots().begin(), PickDialogBox::ItemHotSpots().end(),
                                [](const auto* other) { return other->IsOutlineShown(); }),
                  1);
        EXPECT_TRUE(PickDialogBox::UseButton()->IsActive());
    }
}

TEST_F(PickDialog, UseOrASecondPressMakesTheSelectedItemCurrentAndSpendsAPick)
{
    ItemQueue::SetPickCount(2);
    ClickItem(ItemQueue::animal, grazer, left);
    ClickItem(ItemQueue::animal, cannibal, up);
    AnimatedBoard::Click(Locations::PickDialogBoxUseButtonHotSpotCenter());
    board.Pump();
    EXPECT_FALSE(PickDialogBox::IsOpen());
    EXPECT_EQ(ItemQueue::CurrentItem(), ItemQueue::animal);
    EXPECT_EQ(ItemQueue::CurrentAnimal(), cannibal);
    EXPECT_EQ(ItemQueue::CurrentDirection(), up);
    EXPECT_TRUE(ItemQueue::IsAnyItemAvailable());
    EXPECT_EQ(ItemQueue::PickCount(), 1);
    // Pressing the selected item again uses it as well.
    AnimatedBoard::Click(Locations::PickButtonHotSpotCenter());
    ClickItem(ItemQueue::death);
    EXPECT_TRUE(PickDialogBox::IsOpen());
    ClickItem(ItemQueue::death);
    board.Pump();
    EXPECT_FALSE(PickDialogBox::IsOpen());
    EXPECT_EQ(ItemQueue::CurrentItem(), ItemQueue::death);
    EXPECT_EQ(ItemQueue::PickCount(), 0);
    EXPECT_FALSE(PickButtonActive());  // no pick left
}

TEST_F(PickDialog, CancelLeavesItemAndPicksAsTheyWere)
{
    PickDialogBox::Cancel();
    const std::string before = Game();
    AnimatedBoard::Click(Locations::PickButtonHotSpotCenter());
    ClickItem(ItemQueue::cloud);
    const QuillonRectangle<int> cancel = Locations::PickDialogBoxCancelButtonHotSpotBounds();
    AnimatedBoard::Click(Point2D(cancel.right, cancel.bottom));  // the corner counts as inside
    board.Pump();
    EXPECT_FALSE(PickDialogBox::IsOpen());
    EXPECT_EQ(Game(), before);
    EXPECT_TRUE(PickButtonActive());
}

TEST_F(PickDialog, TheBoardAndItsDialsRefuseClicksWhileItIsOpen)
{
    const std::string before = Game();
    board.Library().ForgetLookups();
    AnimatedBoard::ClickLot(2, 2);  // the free centre lot
    board.Pump();
    AnimatedBoard::Click(Locations::StarvationTimerCenter(4, 0));
    for (int pump = 0; pump < 30; ++pump) {
        board.Pump();
    }
    EXPECT_EQ(board.Library().LookedUp(ResourceType::sound), (std::vector<ResourceID>{SoundIDs::No(), SoundIDs::No()}));
    EXPECT_TRUE(Inhabitants::IsResolved());
    EXPECT_EQ(Game(), before);
    EXPECT_TRUE(PickDialogBox::IsOpen());
}

} // namespace
