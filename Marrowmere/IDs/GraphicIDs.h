#pragma once

#include "Core/SpriteCursorAction/CursorType.h"
#include "Marrowmere/IDs/ButtonType.h"
#include "Marrowmere/Inhabitants/InhabitantTypes.h"

#include <cstdint>

// The GRF1 ids of every still picture of the game, by a fixed numbering rule. Creature
// pictures come from the alternative set (20000 more) while the sevenKGrid hidden mode is
// on; the flood and the death item have their own alternatives. An argument combination
// that no rule names gives IDNumbering::noID.
class GraphicIDs {
public:
    static std::int16_t Background();
    static std::int16_t Cursor(CursorType cursor);
    static std::int16_t StarvationTimer(int timeRemaining);
    static std::int16_t FloodTimer(int timeRemaining);
    // The first of ten digit pictures, 0 to 9.
    static std::int16_t ScoreDigitsStart();
    static std::int16_t TimerDigitsStart();
    static std::int16_t PickCountDigitsStart();
    static std::int16_t FloatingScoreDigitsStart();
    static std::int16_t PickButton(ButtonType buttonType);
    static std::int16_t PickDialogBox();
    static std::int16_t PickDialogBoxSelectionOutline();
    static std::int16_t PickDialogBoxUseButton(ButtonType buttonType);
    static std::int16_t PickDialogBoxCancelButton(ButtonType buttonType);
    // Right, left and down only: there is no pointer picture for up.
    static std::int16_t TutorialPointer(DirectionType direction);
    static std::int16_t GameOverTopHalf();
    static std::int16_t GameOverBottomHalf();
    static std::int16_t MultipleSpeciesExtinction();
    static std::int16_t FlyerExtinction();
    static std::int16_t SwimmerExtinction();
    static std::int16_t GrazerExtinction();
    static std::int16_t CannibalExtinction();
    static std::int16_t Overpopulation();
    // Grass and trees face no direction: one picture each.
    static std::int16_t Object(ObjectType object, DirectionType direction);
    static std::int16_t GhostAnimal(ObjectType animal, DirectionType direction);
    static std::int16_t FloodGhostAnimal(ObjectType animal, DirectionType direction);
    static std::int16_t Flood();
    static std::int16_t FloodedSwimmer(DirectionType direction);
    static std::int16_t FloodedTree();
    static std::int16_t Reverser();
    static std::int16_t ClockwiseTurner();
    static std::int16_t CounterclockwiseTurner();
    static std::int16_t Death();
    static std::int16_t Cloud();
};
