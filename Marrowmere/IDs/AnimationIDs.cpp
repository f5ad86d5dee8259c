#include "Marrowmere/IDs/AnimationIDs.h"

#include "Marrowmere/EasterEggs/EasterEggs.h"
#include "Marrowmere/IDs/IDNumbering.h"

using namespace IDNumbering;

namespace {

// The alternative set's one animation.
constexpr std::int16_t sevenKGridAnimation = 1000;

bool IsSevenKGridActive()
{
    return EasterEggs::IsActive(EasterEggs::sevenKGrid);
}

// base + the direction digit; no id when the base is none or the direction is not one.
std::int16_t Directed(int base, DirectionType direction)
{
    if (IsSevenKGridActive()) {
        return sevenKGridAnimation;
    }
    if (base == noID || !IsDirection(direction)) {
        return noID;
    }
    return ToID(base + DirectionDigit(direction));
}

std::int16_t Undirected(int number)
{
    return IsSevenKGridActive() ? sevenKGridAnimation : ToID(number);
}

}  // namespace

std::int16_t AnimationIDs::AnimalReversing(ObjectType animal, DirectionType direction)
{
    return Directed(AnimalNumber(animal, 100), direction);
}

std::int16_t AnimationIDs::SwimmerReversingInFlood(DirectionType direction)
{
    return Directed(3150, direction);
}

std::int16_t AnimationIDs::AnimalTurningClockwise(ObjectType animal, DirectionType direction)
{
    return Directed(AnimalNumber(animal, 110), direction);
}

std::int16_t AnimationIDs::SwimmerTurningClockwiseInFlood(DirectionType direction)
{
    return Directed(3160, direction);
}

std::int16_t AnimationIDs::AnimalTurningCounterclockwise(ObjectType animal, DirectionType direction)
{
    return Directed(AnimalNumber(animal, 120), direction);
}

std::int16_t AnimationIDs::SwimmerTurningCounterclockwiseInFlood(DirectionType direction)
{
    return Directed(3170, direction);
}

std::int16_t AnimationIDs::ObjectBeingKilled(ObjectType object, DirectionType direction)
{
    if (object == grass) {
        return Undirected(6201);
    }
    return Directed(AnimalNumber(object, 200), direction);
}

std::int16_t AnimationIDs::SwimmerBeingKilledInFlood(DirectionType direction)
{
    return Directed(3250, direction);
}

std::int16_t AnimationIDs::ObjectBeingFlooded(ObjectType object, DirectionType direction)
{
    if (object == grass) {
        return Undirected(6301);
    }
    if (object == tree) {
        return Undirected(7301);
    }
    return Directed(AnimalNumber(object, 300), direction);
}

std::int16_t AnimationIDs::SwimmerBeingFloodedInFlood(DirectionType direction)
{
    return Directed(3350, direction);
}

std::int16_t AnimationIDs::TreeBeingFloodedInFlood()
{
    return Undirected(7351);
}

std::int16_t AnimationIDs::EmptyAreaBeingFlooded()
{
    return 8301;
}

std::int16_t AnimationIDs::FloodBeingFlooded()
{
    return 8351;
}

std::int16_t AnimationIDs::FloodEvaporating()
{
    return 8361;
}

std::int16_t AnimationIDs::SwimmerFloodEvaporating(DirectionType direction)
{
    return Directed(3360, direction);
}

std::int16_t AnimationIDs::TreeFloodEvaporating()
{
    return Undirected(7361);
}

std::int16_t AnimationIDs::AnimalEnteringFlood(ObjectType animal, DirectionType direction)
{
    return Directed(AnimalNumber(animal, 380), direction);
}

std::int16_t AnimationIDs::FlyerPreparingToEat(DirectionType direction)
{
    return Directed(2610, direction);
}

std::int16_t AnimationIDs::FlyerFlying(DirectionType direction)
{
    return Directed(2620, direction);
}

std::int16_t AnimationIDs::PreyPreparingToBeEaten(ObjectType prey, DirectionType preyDirection, ObjectType predator,
                                                  DirectionType predatorDirection)
{
    int base = noID;
    if (prey == flyer || prey == swimmer || prey == grazer) {
        base = 1000 * CreatureDigit(prey) + 500;
    } else if (prey == cannibal && predator == grazer) {
        base = 5500;
    } else if (prey == cannibal && predator == cannibal) {
        base = 5550;
    }
    if (base != noID && !IsDirection(preyDirection)) {
        base = noID;
    }
    return Directed(base == noID ? noID : base + 10 * DirectionIndex(preyDirection), predatorDirection);
}

std::int16_t AnimationIDs::GrassPreparingToBeEaten()
{
    return Undirected(6501);
}

std::int16_t AnimationIDs::SwimmerPreparingToWaitToBeEaten(DirectionType direction)
{
    return Directed(3400, direction);
}

std::int16_t AnimationIDs::SwimmerWaitingToBeEaten(DirectionType direction)
{
    return Directed(3540, direction);
}

std::int16_t AnimationIDs::PredatorEatingPrey(ObjectType predator, ObjectType prey, DirectionType predatorDirection)
{
    const int base = PredatorEatingPreyBase(predator, prey);
    return Directed(base < 0 ? noID : base, predatorDirection);
}

std::int16_t AnimationIDs::SwimmerEatingGrazerFromFlood(DirectionType swimmerDirection)
{
    return Directed(3650, swimmerDirection);
}

std::int16_t AnimationIDs::CompleteChainMessage()
{
    return 1601;
}
