#pragma once

#include "Core/Point/Point2D.h"
#include "Core/Rectangle/QuillonRectangle.h"
#include "Marrowmere/Inhabitants/InhabitantTypes.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"

// The one table of screen geometry of the game screen (640 x 480, x to the right, y
// downwards): the board and its lots, the timer dials, the item queue, the pick count and
// button, the score, the pick dialog, the tutorial's pointer targets, and the stereo pan of
// a sound from the board column where it happens. Nothing else hard-codes these positions.
class Locations {
public:
    static constexpr Point2D screenSize{640, 480};
    static constexpr Point2D inhabitantsAreaOrigin{20, 20};
    static constexpr Point2D inhabitantsAreaSize{440, 440};
    static constexpr Point2D objectAreaSize{88, 88};
    static constexpr Point2D objectAnimationOffset{2, 2};
    static constexpr Point2D timerOffset{3, 3};
    static constexpr int timerRadius = 10;
    static constexpr Point2D completeChainMessageSize{174, 86};
    static constexpr Point2D scoreRightJustifiedPosition{615, 29};
    static constexpr Point2D scorePointerPosition{482, 43};
    static constexpr Point2D itemQueuePosition{478, 90};
    static constexpr Point2D pickCountPosition{589, 105};
    static constexpr Point2D pickCountPointerPosition{580, 117};
    static constexpr Point2D pickButtonPosition{564, 136};
    static constexpr Point2D pickButtonSize{51, 26};
    static constexpr Point2D pickDialogBoxSize{455, 319};
    static constexpr Point2D pickDialogBoxItemsOffset{20, 52};
    static constexpr Point2D pickDialogBoxItemSize{48, 48};
    static constexpr Point2D pickDialogBoxOutlineOffset{-4, -4};
    static constexpr Point2D pickDialogBoxUseButtonOffset{347, 283};
    static constexpr Point2D pickDialogBoxUseButtonSize{89, 26};
    static constexpr Point2D pickDialogBoxCancelButtonOffset{246, 283};
    static constexpr Point2D pickDialogBoxCancelButtonSize{89, 26};
    static constexpr Point2D whoEatsWhoLegendPointerPosition{484, 270};
    static constexpr Point2D specialAbilitiesLegendPointerPosition{484, 390};

    static Point2D InhabitantsAreaOrigin();
    static Point2D InhabitantsAreaSize();

    // Where a creature's graphic and every board animation of the lot are drawn.
    static Point2D ObjectAnimationPosition(int row, int column);
    static QuillonRectangle<int> LandLotHotSpotBounds(int row, int column);
    static Point2D LandLotHotSpotCenter(int row, int column);
    static Point2D LandLotPointerPosition(int row, int column);

    static int TimerRadius();
    static Point2D StarvationTimerPosition(int row, int column);
    static Point2D FloodTimerPosition(int row, int column);
    static Point2D StarvationTimerCenter(int row, int column);
    static Point2D FloodTimerCenter(int row, int column);
    // Where the tip of a tutorial pointer that points in the direction touches the dial.
    static Point2D StarvationTimerPointerPosition(int row, int column, DirectionType direction);
    static Point2D FloodTimerPointerPosition(int row, int column, DirectionType direction);

    static Point2D FloatingScoreIncrementPosition(int row, int column);
    // The message centred on the lot; for the left column it starts left of the screen.
    static Point2D CompleteChainMessagePosition(int row, int column);

    static Point2D ScoreRightJustifiedPosition();
    static Point2D ScorePointerPosition();
    static Point2D ItemQueueAnimationPosition();
    static Point2D ItemQueuePointerPosition();
    static Point2D PickCountPosition();
    static Point2D PickCountPointerPosition();
    static QuillonRectangle<int> PickButtonHotSpotBounds();
    static Point2D PickButtonHotSpotCenter();
    static Point2D PickButtonPointerPosition();

    static Point2D PickDialogBoxPosition();
    // The cell of an item in the pick dialog; for a tool the animal and direction are ignored.
    static QuillonRectangle<int> PickDialogBoxItemHotSpotBounds(ItemQueue::ItemType item, ObjectType animal,
                                                                DirectionType direction);
    static Point2D PickDialogBoxItemHotSpotCenter(ItemQueue::ItemType item, ObjectType animal,
                                                  DirectionType direction);
    static Point2D PickDialogBoxOutlineOffset();
    static QuillonRectangle<int> PickDialogBoxUseButtonHotSpotBounds();
    static Point2D PickDialogBoxUseButtonHotSpotCenter();
    static QuillonRectangle<int> PickDialogBoxCancelButtonHotSpotBounds();

    static Point2D WhoEatsWhoLegendPointerPosition();
    static Point2D SpecialAbilitiesLegendPointerPosition();

    // -0.5 (left) to 0.5 (right): the centre of the board column as a share of the screen width.
    static double InhabitantsSoundPan(int column);
    // Halfway between the pans of two columns.
    static double InhabitantsSoundPan(int column1, int column2);

private:
    static Point2D LotOrigin(int row, int column);
    static Point2D CenterOf(const QuillonRectangle<int>& bounds);
    static Point2D DialPointerPosition(Point2D dialPosition, DirectionType direction);
};
