#pragma once

#include "Marrowmere/Inhabitants/InhabitantTypes.h"

#include <cstdint>

// The SPAN ids of every animation of the game, by a fixed numbering rule. While the
// sevenKGrid hidden mode is on, every function returns 1000 (the alternative set) except
// EmptyAreaBeingFlooded, FloodBeingFlooded, FloodEvaporating and CompleteChainMessage.
// An argument combination that no rule names gives IDNumbering::noID.
class AnimationIDs {
public:
    static std::int16_t AnimalReversing(ObjectType animal, DirectionType direction);
    static std::int16_t SwimmerReversingInFlood(DirectionType direction);
    static std::int16_t AnimalTurningClockwise(ObjectType animal, DirectionType direction);
    static std::int16_t SwimmerTurningClockwiseInFlood(DirectionType direction);
    static std::int16_t AnimalTurningCounterclockwise(ObjectType animal, DirectionType direction);
    static std::int16_t SwimmerTurningCounterclockwiseInFlood(DirectionType direction);
    // An animal, or grass (which faces no direction).
    static std::int16_t ObjectBeingKilled(ObjectType object, DirectionType direction);
    static std::int16_t SwimmerBeingKilledInFlood(DirectionType direction);
    // An animal, grass or a tree.
    static std::int16_t ObjectBeingFlooded(ObjectType object, DirectionType direction);
    static std::int16_t SwimmerBeingFloodedInFlood(DirectionType direction);
    static std::int16_t TreeBeingFloodedInFlood();
    static std::int16_t EmptyAreaBeingFlooded();
    static std::int16_t FloodBeingFlooded();
    static std::int16_t FloodEvaporating();
    static std::int16_t SwimmerFloodEvaporating(DirectionType direction);
    static std::int16_t TreeFloodEvaporating();
    static std::int16_t AnimalEnteringFlood(ObjectType animal, DirectionType direction);
    static std::int16_t FlyerPreparingToEat(DirectionType direction);
    static std::int16_t FlyerFlying(DirectionType direction);
    static std::int16_t PreyPreparingToBeEaten(ObjectType prey, DirectionType preyDirection, ObjectType predator,
                                               DirectionType predatorDirection);
    static std::int16_t GrassPreparingToBeEaten();
    static std::int16_t SwimmerPreparingToWaitToBeEaten(DirectionType direction);
    static std::int16_t SwimmerWaitingToBeEaten(DirectionType direction);
    static std::int16_t PredatorEatingPrey(ObjectType predator, ObjectType prey, DirectionType predatorDirection);
    static std::int16_t SwimmerEatingGrazerFromFlood(DirectionType swimmerDirection);
    static std::int16_t CompleteChainMessage();
};
