#include "Marrowmere/Locations/Locations.h"

namespace {

// Offset of each item's cell within the dialog's item grid.
struct CellOffset {
    int dx;
    int dy;
};

// Per animal (flyer, swimmer, grazer, cannibal) and facing (up, down, left, right): each
// animal's four facings form a compass.
constexpr CellOffset animalCellOffsets[4][4] = {
    {{208, 116}, {208, 164}, {160, 140}, {256, 140}},
    {{56, 12}, {56, 60}, {8, 36}, {104, 36}},
    {{208, 12}, {208, 60}, {160, 36}, {256, 36}},
    {{56, 116}, {56, 164}, {8, 140}, {104, 140}},
};

// Per tool, indexed by ItemType (entry 0, the animal, is unused).
constexpr CellOffset toolCellOffsets[6] = {
    {0, 0}, {336, 8}, {312, 56}, {360, 56}, {336, 112}, {336, 168},
};

QuillonRectangle<int> BoundsAt(Point2D topLeft, Point2D size)
{
    return {topLeft.x, topLeft.x + size.x, topLeft.y, topLeft.y + size.y};
}

}  // namespace

Point2D Locations::LotOrigin(int row, int column)
{
    return {inhabitantsAreaOrigin.x + objectAreaSize.x * column, inhabitantsAreaOrigin.y + objectAreaSize.y * row};
}

Point2D Locations::CenterOf(const QuillonRectangle<int>& bounds)
{
    return {(bounds.left + bounds.right) / 2, (bounds.top + bounds.bottom) / 2};
}

Point2D Locations::InhabitantsAreaOrigin()
{
    return inhabitantsAreaOrigin;
}

Point2D Locations::InhabitantsAreaSize()
{
    return inhabitantsAreaSize;
}

Point2D Locations::ObjectAnimationPosition(int row, int column)
{
    return LotOrigin(row, column) + objectAnimationOffset;
}

QuillonRectangle<int> Locations::LandLotHotSpotBounds(int row, int column)
{
    return BoundsAt(LotOrigin(row, column), objectAreaSize);
}

Point2D Locations::LandLotHotSpotCenter(int row, int column)
{
    return LotOrigin(row, column) + objectAreaSize / 2;
}

Point2D Locations::LandLotPointerPosition(int row, int column)
{
    return LotOrigin(row, column) + Point2D{0, objectAreaSize.y / 2} + objectAnimationOffset;
}

int Locations::TimerRadius()
{
    return timerRadius;
}

Point2D Locations::StarvationTimerPosition(int row, int column)
{
    return LotOrigin(row, column) + timerOffset;
}

Point2D Locations::FloodTimerPosition(int row, int column)
{
    const Point2D lot = LotOrigin(row, column);
    return {lot.x + objectAreaSize.x - timerOffset.x - 2 * timerRadius, lot.y + timerOffset.y};
}

Point2D Locations::StarvationTimerCenter(int row, int column)
{
    return StarvationTimerPosition(row, column) + Point2D{timerRadius, timerRadius};
}

Point2D Locations::FloodTimerCenter(int row, int column)
{
    return FloodTimerPosition(row, column) + Point2D{timerRadius, timerRadius};
}

Point2D Locations::DialPointerPosition(Point2D dialPosition, DirectionType direction)
{
    const int diameter = 2 * timerRadius;
    switch (direction) {
    case up: return dialPosition + Point2D{timerRadius, diameter};
    case down: return dialPosition + Point2D{timerRadius, 0};
    case left: return dialPosition + Point2D{diameter, timerRadius};
    case right: return dialPosition + Point2D{0, timerRadius};
    }
    return dialPosition + Point2D{timerRadius, timerRadius};
}

Point2D Locations::StarvationTimerPointerPosition(int row, int column, DirectionType direction)
{
    return DialPointerPosition(StarvationTimerPosition(row, column), direction);
}

Point2D Locations::FloodTimerPointerPosition(int row, int column, DirectionType direction)
{
    return DialPointerPosition(FloodTimerPosition(row, column), direction);
}

Point2D Locations::FloatingScoreIncrementPosition(int row, int column)
{
    return LotOrigin(row, column) + objectAreaSize / 2;
}

Point2D Locations::CompleteChainMessagePosition(int row, int column)
{
    return LotOrigin(row, column) + (objectAreaSize - completeChainMessageSize) / 2;
}

Point2D Locations::ScoreRightJustifiedPosition()
{
    return scoreRightJustifiedPosition;
}

Point2D Locations::ScorePointerPosition()
{
    return scorePointerPosition;
}

Point2D Locations::ItemQueueAnimationPosition()
{
    return itemQueuePosition + objectAnimationOffset;
}

Point2D Locations::ItemQueuePointerPosition()
{
    return itemQueuePosition + Point2D{2, objectAreaSize.y / 2} + objectAnimationOffset;
}

Point2D Locations::PickCountPosition()
{
    return pickCountPosition;
}

Point2D Locations::PickCountPointerPosition()
{
    return pickCountPointerPosition;
}

QuillonRectangle<int> Locations::PickButtonHotSpotBounds()
{
    return BoundsAt(pickButtonPosition, pickButtonSize);
}

Point2D Locations::PickButtonHotSpotCenter()
{
    return CenterOf(PickButtonHotSpotBounds());
}

Point2D Locations::PickButtonPointerPosition()
{
    return pickButtonPosition + Point2D{0, pickButtonSize.y / 2};
}

Point2D Locations::PickDialogBoxPosition()
{
    return (screenSize - pickDialogBoxSize) / 2;
}

QuillonRectangle<int> Locations::PickDialogBoxItemHotSpotBounds(ItemQueue::ItemType item, ObjectType animal,
                                                                DirectionType direction)
{
    CellOffset offset{0, 0};
    if (item == ItemQueue::animal) {
        if (animal <= cannibal && direction <= right) {
            offset = animalCellOffsets[animal][direction];
        }
    } else if (item <= ItemQueue::cloud) {
        offset = toolCellOffsets[item];
    }
    const Point2D topLeft = PickDialogBoxPosition() + pickDialogBoxItemsOffset + Point2D{offset.dx, offset.dy};
    return BoundsAt(topLeft, pickDialogBoxItemSize);
}

Point2D Locations::PickDialogBoxItemHotSpotCenter(ItemQueue::ItemType item, ObjectType animal,
                                                  DirectionType direction)
{
    return CenterOf(PickDialogBoxItemHotSpotBounds(item, animal, direction));
}

Point2D Locations::PickDialogBoxOutlineOffset()
{
    return pickDialogBoxOutlineOffset;
}

QuillonRectangle<int> Locations::PickDialogBoxUseButtonHotSpotBounds()
{
    return BoundsAt(PickDialogBoxPosition() + pickDialogBoxUseButtonOffset, pickDialogBoxUseButtonSize);
}

Point2D Locations::PickDialogBoxUseButtonHotSpotCenter()
{
    return CenterOf(PickDialogBoxUseButtonHotSpotBounds());
}

QuillonRectangle<int> Locations::PickDialogBoxCancelButtonHotSpotBounds()
{
    return BoundsAt(PickDialogBoxPosition() + pickDialogBoxCancelButtonOffset, pickDialogBoxCancelButtonSize);
}

Point2D Locations::WhoEatsWhoLegendPointerPosition()
{
    return whoEatsWhoLegendPointerPosition;
}

Point2D Locations::SpecialAbilitiesLegendPointerPosition()
{
    return specialAbilitiesLegendPointerPosition;
}

double Locations::InhabitantsSoundPan(int column)
{
    const double columnCenter = objectAreaSize.x * column + inhabitantsAreaOrigin.x + objectAreaSize.x * 0.5;
    return columnCenter / screenSize.x - 0.5;
}

double Locations::InhabitantsSoundPan(int column1, int column2)
{
    return (InhabitantsSoundPan(column1) + InhabitantsSoundPan(column2)) * 0.5;
}
