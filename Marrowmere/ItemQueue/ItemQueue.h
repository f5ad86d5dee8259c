#pragma once

#include "Marrowmere/Inhabitants/InhabitantTypes.h"

#include <cstdint>

// The model of the item queue: the item the game offers now, whether it may be used, and the
// picks the player has earned. It chooses each next item at random with fixed weights. No
// graphics: ItemQueueAnimator shows it. One queue per process, so every member is static.
// The pick count is kept in memory only in a disguised form and is reached only through
// PickCount and SetPickCount.
class ItemQueue {
public:
    enum ItemType : std::uint8_t {
        animal = 0,
        reverser = 1,
        clockwiseTurner = 2,
        counterclockwiseTurner = 3,
        death = 4,
        cloud = 5,
    };

    // Chances of each item; they sum to one.
    static constexpr double animalDistribution = 0.6;
    static constexpr double reverserDistribution = 0.08;
    static constexpr double clockwiseTurnerDistribution = 0.08;
    static constexpr double counterclockwiseTurnerDistribution = 0.08;
    static constexpr double deathDistribution = 0.08;
    static constexpr double cloudDistribution = 0.08;

    static void SetUp();
    static void TakeDown();

    static bool IsAnyItemAvailable();
    static ItemType CurrentItem();
    static ObjectType CurrentAnimal();
    static DirectionType CurrentDirection();
    static int PickCount();

    static void MakeCurrentItemAvailable();
    static void MakeCurrentItemUnavailable();
    // Draws the next item; for a tool the current animal and direction stay as they were.
    static void ChooseNextItem();
    static void SetCurrentItem(ItemType item, ObjectType animal, DirectionType direction);
    static void SetPickCount(int count);

private:
    static bool isAnyItemAvailable;
    static ItemType currentItem;
    static ObjectType currentAnimal;
    static DirectionType currentDirection;
    static std::uint32_t disguisedPickCount;
};
