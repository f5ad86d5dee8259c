#include "Marrowmere/ItemQueue/ItemQueue.h"

#include "Core/Math/Math.h"

namespace {

// The pick count is stored mixed with a fixed pattern and its bytes turned round, so that a
// memory editor searching for the visible number does not find it.
constexpr std::uint32_t pickCountMask = 0xC3A5169Bu;

constexpr std::uint32_t SwapBytes(std::uint32_t value)
{
    return (value >> 24) | ((value >> 8) & 0x0000FF00u) | ((value << 8) & 0x00FF0000u) | (value << 24);
}

constexpr std::uint32_t Disguise(int count)
{
    return SwapBytes(static_cast<std::uint32_t>(count)) ^ pickCountMask;
}

constexpr int Reveal(std::uint32_t disguised)
{
    return static_cast<int>(SwapBytes(disguised ^ pickCountMask));
}

// One of four equally likely values: the first when r <= 0.25, ..., the last otherwise.
int QuarterOf(double r)
{
    if (r <= 0.25) {
        return 0;
    }
    if (r <= 0.5) {
        return 1;
    }
    if (r <= 0.75) {
        return 2;
    }
    return 3;
}

}  // namespace

bool ItemQueue::isAnyItemAvailable = false;
ItemQueue::ItemType ItemQueue::currentItem = ItemQueue::animal;
ObjectType ItemQueue::currentAnimal = flyer;
DirectionType ItemQueue::currentDirection = up;
std::uint32_t ItemQueue::disguisedPickCount = Disguise(0);

void ItemQueue::SetUp()
{
    isAnyItemAvailable = false;
    SetPickCount(0);
}

void ItemQueue::TakeDown()
{
    isAnyItemAvailable = false;
}

bool ItemQueue::IsAnyItemAvailable()
{
    return isAnyItemAvailable;
}

ItemQueue::ItemType ItemQueue::CurrentItem()
{
    return currentItem;
}

ObjectType ItemQueue::CurrentAnimal()
{
    return currentAnimal;
}

DirectionType ItemQueue::CurrentDirection()
{
    return currentDirection;
}

int ItemQueue::PickCount()
{
    return Reveal(disguisedPickCount);
}

void ItemQueue::SetPickCount(int count)
{
    disguisedPickCount = Disguise(count);
}

void ItemQueue::MakeCurrentItemAvailable()
{
    isAnyItemAvailable = true;
}

void ItemQueue::MakeCurrentItemUnavailable()
{
    isAnyItemAvailable = false;
}

void ItemQueue::SetCurrentItem(ItemType item, ObjectType animal, DirectionType direction)
{
    currentItem = item;
    currentAnimal = animal;
    currentDirection = direction;
}

void ItemQueue::ChooseNextItem()
{
    // The ceilings are the running sums of the weights in item order.
    const double animalCeiling = animalDistribution;
    const double reverserCeiling = animalCeiling + reverserDistribution;
    const double clockwiseTurnerCeiling = reverserCeiling + clockwiseTurnerDistribution;
    const double counterclockwiseTurnerCeiling = clockwiseTurnerCeiling + counterclockwiseTurnerDistribution;
    const double deathCeiling = counterclockwiseTurnerCeiling + deathDistribution;

    const double r = RandomNumber();
    if (r <= animalCeiling) {
        currentItem = animal;
        currentAnimal = static_cast<ObjectType>(flyer + QuarterOf(RandomNumber()));
        currentDirection = static_cast<DirectionType>(up + QuarterOf(RandomNumber()));
    } else if (r <= reverserCeiling) {
        currentItem = reverser;
    } else if (r <= clockwiseTurnerCeiling) {
        currentItem = clockwiseTurner;
    } else if (r <= counterclockwiseTurnerCeiling) {
        currentItem = counterclockwiseTurner;
    } else if (r <= deathCeiling) {
        currentItem = death;
    } else {
        currentItem = cloud;
    }
}
