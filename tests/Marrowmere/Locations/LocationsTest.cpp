#include "Marrowmere/Locations/Locations.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Rectangle = QuillonRectangle<int>;

TEST(LocationsBoard, LotsTileTheBoardWithoutGapsOrOverlap)
{
    EXPECT_EQ(Locations::ObjectAnimationPosition(0, 0), Point2D(22, 22));
    EXPECT_EQ(Locations::ObjectAnimationPosition(4, 4), Point2D(374, 374));
    EXPECT_EQ(Locations::LandLotHotSpotBounds(2, 3), (Rectangle{284, 372, 196, 284}));

    const Point2D origin = Locations::InhabitantsAreaOrigin();
    const Point2D size = Locations::InhabitantsAreaSize();
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
            EXPECT_EQ(Locations::LandLotHotSpotCenter(row, column),
                      Point2D((lot.left + lot.right) / 2, (lot.top + lot.bottom) / 2));
            EXPECT_EQ(Locations::FloatingScoreIncrementPosition(row, column),
                      Locations::LandLotHotSpotCenter(row, column));
            EXPECT_EQ(Locations::LandLotPointerPosition(row, column), Point2D(lot.left + 2, lot.top + 46));
        }
    }
    // The board's last pixel column and row.
    EXPECT_EQ(Locations::LandLotHotSpotBounds(4, 4).right, origin.x + size.x);
    EXPECT_EQ(Locations::LandLotHotSpotBounds(4, 4).bottom, origin.y + size.y);
}

TEST(LocationsBoard, TimerDialsSitInTheLotsTopCorners)
{
    EXPECT_EQ(Locations::TimerRadius(), 10);
    EXPECT_EQ(Locations::StarvationTimerPosition(1, 2), Point2D(20 + 176 + 3, 20 + 88 + 3));
    EXPECT_EQ(Locations::FloodTimerPosition(1, 2), Point2D(20 + 176 + 65, 20 + 88 + 3));
    EXPECT_EQ(Locations::StarvationTimerCenter(1, 2), Locations::StarvationTimerPosition(1, 2) + Point2D(10, 10));
    EXPECT_EQ(Locations::FloodTimerCenter(1, 2), Locations::FloodTimerPosition(1, 2) + Point2D(10, 10));

    const Point2D dial = Locations::FloodTimerPosition(3, 0);
    EXPECT_EQ(Locations::FloodTimerPointerPosition(3, 0, up), dial + Point2D(10, 20));
    EXPECT_EQ(Locations::FloodTimerPointerPosition(3, 0, down), dial + Point2D(10, 0));
    EXPECT_EQ(Locations::FloodTimerPointerPosition(3, 0, left), dial + Point2D(20, 10));
    EXPECT_EQ(Locations::FloodTimerPointerPosition(3, 0, right), dial + Point2D(0, 10));
    EXPECT_EQ(Locations::StarvationTimerPointerPosition(0, 4, right),
              Locations::StarvationTimerPosition(0, 4) + Point2D(0, 10));
}

TEST(LocationsBoard, TheCompleteChainMessageIsCentredOnItsLot)
{
    EXPECT_EQ(Locations::CompleteChainMessagePosition(0, 0), Point2D(-23, 21));
    EXPECT_EQ(Locations::CompleteChainMessagePosition(2, 3), Point2D(284 - 43, 196 + 1));
}

TEST(LocationsPanel, QueueAndPickButton)
{
    EXPECT_EQ(Locations::ItemQueueAnimationPosition(), Point2D(480, 92));
    EXPECT_EQ(Locations::ItemQueuePointerPosition(), Point2D(482, 136));
    EXPECT_EQ(Locations::PickButtonHotSpotBounds(), (Rectangle{564, 615, 136, 162}));
    EXPECT_EQ(Locations::PickButtonHotSpotCenter(), Point2D(589, 149));
    EXPECT_EQ(Locations::PickButtonPointerPosition(), Point2D(564, 149));
}

TEST(LocationsPickDialog, ButtonsAndCells)
{
    EXPECT_EQ(Locations::PickDialogBoxPosition(), Point2D(92, 80));
    EXPECT_EQ(Locations::PickDialogBoxUseButtonHotSpotBounds(), (Rectangle{439, 528, 363, 389}));
    EXPECT_EQ(Locations::PickDialogBoxUseButtonHotSpotCenter(), Point2D(483, 376));
    EXPECT_EQ(Locations::PickDialogBoxCancelButtonHotSpotBounds(), (Rectangle{338, 427, 363, 389}));

    EXPECT_EQ(Locations::PickDialogBoxItemHotSpotBounds(ItemQueue::animal, flyer, right),
              (Rectangle{368, 416, 272, 320}));
    EXPECT_EQ(Locations::PickDialogBoxItemHotSpotCenter(ItemQueue::animal, flyer, right), Point2D(392, 296));
    EXPECT_EQ(Locations::PickDialogBoxItemHotSpotBounds(ItemQueue::animal, swimmer, up).left, 92 + 20 + 56);
    EXPECT_EQ(Locations::PickDialogBoxItemHotSpotBounds(ItemQueue::cloud, flyer, up),
              (Rectangle{92 + 20 + 336, 92 + 20 + 336 + 48, 80 + 52 + 168, 80 + 52 + 168 + 48}));
    // A tool's cell does not depend on the animal or the direction.
    EXPECT_EQ(Locations::PickDialogBoxItemHotSpotBounds(ItemQueue::death, cannibal, left),
              Locations::PickDialogBoxItemHotSpotBounds(ItemQueue::death, flyer, up));
}

TEST(LocationsPickDialog, NoTwoItemCellsOverlapAndAllLieInTheDialog)
{
    std::vector<Rectangle> cells;
    for (ObjectType animal : {flyer, swimmer, grazer, cannibal}) {
        for (DirectionType direction : {up, down, left, right}) {
            cells.push_back(Locations::PickDialogBoxItemHotSpotBounds(ItemQueue::animal, animal, direction));
        }
    }
    for (ItemQueue::ItemType tool : {ItemQueue::reverser, ItemQueue::clockwiseTurner,
                                     ItemQueue::counterclockwiseTurner, ItemQueue::death, ItemQueue::cloud}) {
        cells.push_back(Locations::PickDialogBoxItemHotSpotBounds(tool, flyer, up));
    }
    const Point2D dialog = Locations::PickDialogBoxPosition();
    const Rectangle dialogBounds{dialog.x, dialog.x + 455, dialog.y, dialog.y + 319};
    for (std::size_t i = 0; i < cells.size(); ++i) {
        EXPECT_EQ(Intersection(cells[i], dialogBounds), cells[i]) << "cell " << i;
        for (std::size_t j = i + 1; j < cells.size(); ++j) {
            EXPECT_TRUE(Intersection(cells[i], cells[j]).IsEmpty()) << "cells " << i << " and " << j;
        }
    }
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
