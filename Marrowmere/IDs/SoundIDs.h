#pragma once

#include "Marrowmere/Inhabitants/InhabitantTypes.h"

#include <cstdint>

// The ids of every sound of the game, by a fixed numbering rule. While the sevenKGrid hidden
// mode is on, every creature sound (AnimalReversing to SwimmerEatingGrazerFromFlood, except
// the three sounds of floods alone) is 1000, the alternative set's sound. An argument
// combination that no rule names gives IDNumbering::noID.
class SoundIDs {
public:
    static std::int16_t BackgroundMusic();
    static std::int16_t No();
    static std::int16_t GameOver();
    static std::int16_t AnimalReversing(ObjectType animal);
    static std::int16_t SwimmerReversingInFlood();
    // One sound for either turn.
    static std::int16_t AnimalTurningClockwise(ObjectType animal);
    static std::int16_t AnimalTurningCounterclockwise(ObjectType animal);
    static std::int16_t SwimmerTurningClockwiseInFlood();
    static std::int16_t SwimmerTurningCounterclockwiseInFlood();
    // An animal or grass.
    static std::int16_t ObjectBeingKilled(ObjectType object);
    static std::int16_t SwimmerBeingKilledInFlood();
    // An animal, grass or a tree.
    static std::int16_t ObjectBeingFlooded(ObjectType object);
    static std::int16_t SwimmerBeingFloodedInFlood();
    static std::int16_t TreeBeingFloodedInFlood();
    static std::int16_t EmptyAreaBeingFlooded();
    static std::int16_t FloodBeingFlooded();
    static std::int16_t FloodEvaporating();
    static std::int16_t SwimmerFloodEvaporating();
    static std::int16_t TreeFloodEvaporating();
    static std::int16_t AnimalEnteringFlood(ObjectType animal);
    static std::int16_t FlyerPreparingToEat();
    static std::int16_t FlyerFlying();
    static std::int16_t PredatorEatingPrey(ObjectType predator, ObjectType prey);
    static std::int16_t SwimmerEatingGrazerFromFlood();
    static std::int16_t ExtraPickBonus();
    static std::int16_t TutorialNarrationStart();
    static std::int16_t SelectionButtonPress();
    static std::int16_t SelectionButtonRelease();
    static std::int16_t SelectionButtonClick();
    static std::int16_t EasterEggOpening();
    static std::int16_t EasterEggClosing();
};
