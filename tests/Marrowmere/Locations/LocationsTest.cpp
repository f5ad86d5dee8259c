#include "Marrowmere/Locations/Locations.h"

#include <gtest/gtest.h>

namespace {

using Rectangle = QuillonRectangle<int>;

TEST(LocationsBoard, LotsTileTheBoardWithoutGapsOrOverlapAndCarryTheirDialsAndPointers)
{
    EXPECT_EQ(Locations::ObjectAnimationPosition(4, 4), Point2D(374, 374));
    EXPECT_EQ(Locations::LandLotHotSpotBounds(2, 3), (Rectangle{284, 372, 196, 284}));
    EXPECT_EQ(Locations::CompleteChainMessagePosition(2, 3), Point2D(284 - 43, 196 + 1));
    const Point2D touch[] = {{10, 20}, {10, 0}, {20, 10}, {0, 10}}; // up, down, left, right
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            const Rectangle lot = Locations::LandLotHotSpotBounds(row, column);
            EXPECT_EQ(lot.Width(), 88);
            EXPECT_EQ(lot.Height(), 88);
            if (column > 0) {
                EXPECT_EQ(lot.left, Locations::LandLotHotSpotBounds(row, column - 1).right);
            }
            if (row > 0) {
                EXPECT_EQ(lot.top, Locations::LandLotHotSpotBounds(row - 1, column).bottom);
            }
            const Point2D center((lot.left + lot.right) / 2, (lot.top + lot.bottom) / 2);
            EXPECT_EQ(Locations::LandLotHotSpotCenter(row, column), center);
            EXPECT_EQ(Locations::FloatingScoreIncrementPosition(row, column), center);
            EXPECT_EQ(Locations::LandLotPointerPosition(row, column), Point2D(lot.left + 2, lot.top + 46));
            // The two timer dials sit in the lot's top corners; a pointer touches a dial's edge
            // from the side it points from.
            const Point2D starvation = Locations::StarvationTimerPosition(row, column);
            const Point2D flood = Locations::FloodTimerPosition(row, column);
            EXPECT_EQ(starvation, Point2D(lot.left + 3, lot.top + 3));
            EXPECT_EQ(flood, Point2D(lot.right - 23, lot.top + 3));
            EXPECT_EQ(Locations::StarvationTimerCenter(row, column), starvation + Point2D(10, 10));
            EXPECT_EQ(Locations::FloodTimerCenter(row, column), flood + Point2D(10, 10));
            for (int direction = up; direction <= right; ++direction) {
                const auto pointing = static_cast<DirectionType>(direction);
                EXPECT_EQ(Locations::StarvationTimerPointerPosition(row, column, pointing), starvation + touch[direction]);
                EXPECT_EQ(Locations::FloodTimerPointerPosition(row, column, pointing), flood + touch[direction]);
            }
        }
    }
    EXPECT_EQ(Locations::TimerRadius(), 10);
    const Point2D end = Locations::InhabitantsAreaOrigin() + Locations::InhabitantsAreaSize();
    EXPECT_EQ(Locations::LandLotHotSpotBounds(4, 4).right, end.x);
    EXPECT_EQ(Locations::LandLotHotSpotBounds(4, 4).bottom, end.y);
}

// The positions worked out from the panel's layout rather than written down as they are.
TEST(LocationsPanel, ComputedPositionsAndBounds)
{
    EXPECT_EQ(Locations::ItemQueueAnimationPosition(), Point2D(480, 92));
    EXPECT_EQ(Locations::ItemQueuePointerPosition(), Point2D(482, 136));
    EXPECT_EQ(Locations::PickButtonHotSpotBounds(), (Rectangle{564, 615, 136, 162}));
    EXPECT_EQ(Locations::PickButtonHotSpotCenter(), Point2D(589, 149));
    EXPECT_EQ(Locations::PickButtonPointerPosition(), Point2D(564, 149));
    EXPECT_EQ(Locations::PickDialogBoxPosition(), Point2D(92, 80));
    EXPECT_EQ(Locations::PickDialogBoxUseButtonHotSpotBounds(), (Rectangle{439, 528, 363, 389}));
    EXPECT_EQ(Locations::PickDialogBoxUseButtonHotSpotCenter(), Point2D(483, 376));
    EXPECT_EQ(Locations::PickDialogBoxCancelButtonHotSpotBounds(), (Rectangle{338, 427, 363, 389}));
}

// Every cell of the pick dialog, from the layout the dialog's pictures are drawn for: each animal's
// four facings form a compass in its own block of the grid. A tool's cell does not depend on the
// animal or the direction.
TEST(LocationsPickDialog, EveryItemHasItsCell)
{
    const Point2D dialog = Point2D(92, 80) + Point2D(20, 52);
    const auto expectCell = [&dialog](ItemQueue::ItemType item, ObjectType animal, DirectionType direction,
                                      Point2D offset) {
        const Point2D at = dialog + offset;
        EXPECT_EQ(Locations::PickDialogBoxItemHotSpotBounds(item, animal, direction),
                  (Rectangle{at.x, at.x + 48, at.y, at.y + 48}))
            << int{item} << " " << int{animal} << " " << int{direction};
        EXPECT_EQ(Locations::PickDialogBoxItemHotSpotCenter(item, animal, direction), at + Point2D(24, 24));
    };
    const Point2D blocks[] = {{160, 116}, {8, 12}, {160, 12}, {8, 116}};  // flyer, swimmer, grazer, cannibal
    const Point2D compass[] = {{48, 0}, {48, 48}, {0, 24}, {96, 24}};      // up, down, left, right
    for (int animal = flyer; animal <= cannibal; ++animal) {
        for (int direction = up; direction <= right; ++direction) {
            expectCell(ItemQueue::animal, static_cast<ObjectType>(animal), static_cast<DirectionType>(direction),
                       blocks[animal] + compass[direction]);
        }
    }
    expectCell(ItemQueue::reverser, cannibal, left, {336, 8});
    expectCell(ItemQueue::clockwiseTurner, flyer, up, {312, 56});
    expectCell(ItemQueue::counterclockwiseTurner, grazer, down, {360, 56});
    expectCell(ItemQueue::death, swimmer, right, {336, 112});
    expectCell(ItemQueue::cloud, flyer, up, {336, 168});
}

TEST(LocationsSound, PanFollowsTheColumn)
{
    const double expected[] = {-0.4, -0.2625, -0.125, 0.0125, 0.15};
    for (int column = 0; column < 5; ++column) {
        EXPECT_NEAR(Locations::InhabitantsSoundPan(column), expected[column], 1e-12);
    }
    EXPECT_NEAR(Locations::InhabitantsSoundPan(2, 3), -0.05625, 1e-12);
    EXPECT_NEAR(Locations::InhabitantsSoundPan(4, 4), 0.15, 1e-12);
}

}  // namespace
