#pragma once

#include "Marrowmere/Inhabitants/InhabitantTypes.h"

#include <cstdint>

// The digits from which the identifier tables compose resource ids. The numbering is the
// contract between the program and the content of the resource libraries.
namespace IDNumbering {

// Returned for an argument combination that no table row names; no block carries it.
constexpr std::int16_t noID = 0;

// The creature digit: flyer 2, swimmer 3, grazer 4, cannibal 5, grass 6, tree 7.
constexpr int CreatureDigit(ObjectType object)
{
    return static_cast<int>(object) + 2;
}

// The direction digit: up 1, down 2, left 3, right 4.
constexpr int DirectionDigit(DirectionType direction)
{
    return static_cast<int>(direction) + 1;
}

// The direction index: up 0, down 1, left 2, right 3.
constexpr int DirectionIndex(DirectionType direction)
{
    return static_cast<int>(direction);
}

constexpr bool IsAnimalKind(ObjectType object)
{
    return object == flyer || object == swimmer || object == grazer || object == cannibal;
}

constexpr bool IsDirection(DirectionType direction)
{
    return direction == up || direction == down || direction == left || direction == right;
}

// 1000 * S + offset for an animal (flyer to cannibal), otherwise no id.
constexpr int AnimalNumber(ObjectType animal, int offset)
{
    return IsAnimalKind(animal) ? 1000 * CreatureDigit(animal) + offset : noID;
}

// The number shared by the eating animation (plus the direction digit) and the eating sound
// (plus 1) of a predator eating a prey; -1 for a pair that does not eat.
constexpr int PredatorEatingPreyBase(ObjectType predator, ObjectType prey)
{
    switch (predator) {
    case flyer:
        return 2600;
    case swimmer:
        return 3600;
    case grazer:
        return prey == cannibal ? 4600 : prey == grass ? 4610 : -1;
    case cannibal:
        return prey == flyer ? 5600 : prey == cannibal ? 5610 : -1;
    default:
        return -1;
    }
}

constexpr std::int16_t ToID(int number)
{
    return static_cast<std::int16_t>(number);
}

}  // namespace IDNumbering
