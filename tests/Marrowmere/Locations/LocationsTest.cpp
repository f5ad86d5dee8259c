#include "Marrowmere/Locations/Locations.h"

#include <gtest/gtest.h>

#include <utility>

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

TEST(LocationsPanel, PanelPositionsAndPointerTargets)
{
    const std::pair<Point2D, Point2D> positions[] = {
        {Locations::ItemQueueAnimationPosition(), {480, 92}},  {Locations::ItemQueuePointerPosition(), {482, 136}},
        {Locations::PickButtonHotSpotCenter(), {589, 149}},    {Locations::PickButtonPointerPosition(), {564, 149}},
        {Locations::ScoreRightJustifiedPosition(), {615, 29}}, {Locations::ScorePointerPosition(), {482, 43}},
        {Locations::PickCountPosition(), {589, 105}},          {Locations::PickCountPointerPosition(), {580, 117}},
        {Locations::WhoEatsWhoLegendPointerPosition(), {484, 270}},
        {Locations::SpecialAbilitiesLegendPointerPosition(), {484, 390}},
        {Locations::PickDialogBoxPosition(), {92, 80}},        {Locations::PickDialogBoxOutlineOffset(), {-4, -4}},
        {Locations::PickDialogBoxUseButtonHotSpotCenter(), {483, 376}},
    };
    for (const auto& [position, expected] : positions) {
        EXPECT_EQ(position, expected);
    }
    EXPECT_EQ(Locations::PickButtonHotSpotBounds(), (Rectangle{564, 615, 136, 162}));
    EXPECT_EQ(Locations::PickDialogBoxUseButtonHotSpotBounds(), (Rectangle{439, 528, 363, 389}));
    EXPECT_EQ(Locations::PickDialogBoxCancelButtonHotSpotBounds(), (Rectangle{338, 427, 363, 389}));
}

// Every cell of the pick dialog, from the layout the dialog's pictures are drawn for: each animal's
// four facings form a compass. A tool's cell does not depend on the animal or the direction.
TEST(LocationsPickDialog, EveryItemHasItsCell)
{
    struct Cell {
        ItemQueue::ItemType item;
        ObjectType animal;
        DirectionType direction;
        int dx;
        int dy;
    };
    const auto a = ItemQueue::animal;
    const Cell cells[] = {
        {a, swimmer, up, 56, 12},    {a, swimmer, down, 56, 60},    {a, swimmer, left, 8, 36},    {a, swimmer, right, 104, 36},
        {a, grazer, up, 208, 12},    {a, grazer, down, 208, 60},    {a, grazer, left, 160, 36},   {a, grazer, right, 256, 36},
        {a, cannibal, up, 56, 116},  {a, cannibal, down, 56, 164},  {a, cannibal, left, 8, 140},  {a, cannibal, right, 104, 140},
        {a, flyer, up, 208, 116},    {a, flyer, down, 208, 164},    {a, flyer, left, 160, 140},   {a, flyer, right, 256, 140},
        {ItemQueue::reverser, cannibal, left, 336, 8},     {ItemQueue::clockwiseTurner, flyer, up, 312, 56},
        {ItemQueue::counterclockwiseTurner, grazer, down, 360, 56}, {ItemQueue::death, swimmer, right, 336, 112},
        {ItemQueue::cloud, flyer, up, 336, 168},
    };
    for (const Cell& cell : cells) {
        const int left = 92 + 20 + cell.dx;
        const int top = 80 + 52 + cell.dy;
        EXPECT_EQ(Locations::PickDialogBoxItemHotSpotBounds(cell.item, cell.animal, cell.direction),
                  (Rectangle{left, left + 48, top, top + 48}))
            << cell.item << " " << cell.animal << " " << cell.direction;
        EXPECT_EQ(Locations::PickDialogBoxItemHotSpotCenter(cell.item, cell.animal, cell.direction),
                  Point2D(left + 24, top + 24));
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
