#include "Marrowmere/IDs/SoundIDs.h"

#include "Marrowmere/EasterEggs/EasterEggs.h"
#include "Marrowmere/IDs/IDNumbering.h"

using namespace IDNumbering;

namespace {

// The alternative set's one creature sound.
constexpr std::int16_t sevenKGridSound = 1000;

// A creature sound: the alternative while sevenKGrid is on, otherwise the number.
std::int16_t CreatureSound(int number)
{
    return EasterEggs::IsActive(EasterEggs::sevenKGrid) ? sevenKGridSound : ToID(number);
}

// 1000 * S + offset for the objects from flyer up to and including `last`.
int ObjectNumber(ObjectType object, ObjectType last, int offset)
{
    return (object >= flyer && object <= last) ? 1000 * CreatureDigit(object) + offset : noID;
}

}  // namespace

std::int16_t SoundIDs::BackgroundMusic()
{
    return 1011;
}

std::int16_t SoundIDs::No()
{
    return 1021;
}

std::int16_t SoundIDs::GameOver()
{
    return 1031;
}

std::int16_t SoundIDs::AnimalReversing(ObjectType animal)
{
    return CreatureSound(AnimalNumber(animal, 101));
}

std::int16_t SoundIDs::SwimmerReversingInFlood()
{
    return CreatureSound(3151);
}

std::int16_t SoundIDs::AnimalTurningClockwise(ObjectType animal)
{
    return CreatureSound(AnimalNumber(animal, 111));
}

std::int16_t SoundIDs::AnimalTurningCounterclockwise(ObjectType animal)
{
    return AnimalTurningClockwise(animal);
}

std::int16_t SoundIDs::SwimmerTurningClockwiseInFlood()
{
    return CreatureSound(3161);
}

std::int16_t SoundIDs::SwimmerTurningCounterclockwiseInFlood()
{
    return SwimmerTurningClockwiseInFlood();
}

std::int16_t SoundIDs::ObjectBeingKilled(ObjectType object)
{
    return CreatureSound(ObjectNumber(object, grass, 201));
}

std::int16_t SoundIDs::SwimmerBeingKilledInFlood()
{
    return CreatureSound(3251);
}

std::int16_t SoundIDs::ObjectBeingFlooded(ObjectType object)
{
    return CreatureSound(ObjectNumber(object, tree, 301));
}

std::int16_t SoundIDs::SwimmerBeingFloodedInFlood()
{
    return CreatureSound(3351);
}

std::int16_t SoundIDs::TreeBeingFloodedInFlood()
{
    return CreatureSound(7351);
}

std::int16_t SoundIDs::EmptyAreaBeingFlooded()
{
    return 8301;
}

std::int16_t SoundIDs::FloodBeingFlooded()
{
    return 8351;
}

std::int16_t SoundIDs::FloodEvaporating()
{
    return 8361;
}

std::int16_t SoundIDs::SwimmerFloodEvaporating()
{
    return CreatureSound(3361);
}

std::int16_t SoundIDs::TreeFloodEvaporating()
{
    return CreatureSound(7361);
}

std::int16_t SoundIDs::AnimalEnteringFlood(ObjectType animal)
{
    return CreatureSound(AnimalNumber(animal, 381));
}

std::int16_t SoundIDs::FlyerPreparingToEat()
{
    return CreatureSound(2611);
}

std::int16_t SoundIDs::FlyerFlying()
{
    return CreatureSound(2621);
}

std::int16_t SoundIDs::PredatorEatingPrey(ObjectType predator, ObjectType prey)
{
    const int base = PredatorEatingPreyBase(predator, prey);
    return CreatureSound(base < 0 ? noID : base + 1);
}

std::int16_t SoundIDs::SwimmerEatingGrazerFromFlood()
{
    return CreatureSound(3651);
}

std::int16_t SoundIDs::ExtraPickBonus()
{
    return 1601;
}

std::int16_t SoundIDs::TutorialNarrationStart()
{
    return 1811;
}

std::int16_t SoundIDs::SelectionButtonPress()
{
    return 1801;
}

std::int16_t SoundIDs::SelectionButtonRelease()
{
    return 1802;
}

std::int16_t SoundIDs::SelectionButtonClick()
{
    return 1803;
}

std::int16_t SoundIDs::EasterEggOpening()
{
    return 20001;
}

std::int16_t SoundIDs::EasterEggClosing()
{
    return 20002;
}
