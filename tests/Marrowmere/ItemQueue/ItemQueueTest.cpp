#include "Core/Math/RandomGenerator.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

class ItemQueueTest : public ::testing::Test {
protected:
    void SetUp() override { ItemQueue::SetUp(); }
    void TearDown() override { RandomGenerator::SetRawSource({}); }

    // The queue's draws come from these raw values, in order, and no others.
    void Script(std::vector<int> raws)
    {
        scripted = std::move(raws);
        next = 0;
        RandomGenerator::SetRawSource([this] { return scripted.at(next++); });
    }

    std::size_t DrawsUsed() const { return next; }

    std::vector<int> scripted;
    std::size_t next = 0;
};

// The raw value whose draw is the largest not above the given share.
int RawAtMost(double share)
{
    return static_cast<int>(share * RandomGenerator::maximumRaw);
}

// Each case: the raw values the draws get, and the item, creature and facing they must give. The
// creature is drawn before its facing; different quarters for the two catch a swapped order.
TEST_F(ItemQueueTest, EachItemCreatureAndFacingHasItsBandOfDraws)
{
    using Item = ItemQueue::ItemType;
    struct Case {
        std::vector<int> raws;
        Item item;
        ObjectType animal = grazer;
        DirectionType direction = left;
    };
    const int q1 = RawAtMost(0.25), q2 = RawAtMost(0.5), q3 = RawAtMost(0.75), animalDraw = RawAtMost(0.6);
    const Case cases[] = {
        {{0}, ItemQueue::cloud},
        {{RawAtMost(0.92) + 1}, ItemQueue::cloud},
        {{1, 32767, 1}, ItemQueue::animal, cannibal, up},
        {{animalDraw, 1, q3 + 1}, ItemQueue::animal, flyer, right},
        {{animalDraw, q1, q2 + 1}, ItemQueue::animal, flyer, left},
        {{animalDraw, q1 + 1, q3}, ItemQueue::animal, swimmer, left},
        {{animalDraw, q2, q1 + 1}, ItemQueue::animal, swimmer, down},
        {{animalDraw, q2 + 1, q2}, ItemQueue::animal, grazer, down},
        {{animalDraw, q3, 32767}, ItemQueue::animal, grazer, right},
        {{animalDraw, q3 + 1, q1}, ItemQueue::animal, cannibal, up},
        {{animalDraw + 1}, ItemQueue::reverser}, {{RawAtMost(0.68)}, ItemQueue::reverser},
        {{RawAtMost(0.68) + 1}, ItemQueue::clockwiseTurner}, {{RawAtMost(0.76)}, ItemQueue::clockwiseTurner},
        {{RawAtMost(0.76) + 1}, ItemQueue::counterclockwiseTurner},
        {{RawAtMost(0.84)}, ItemQueue::counterclockwiseTurner},
        {{RawAtMost(0.84) + 1}, ItemQueue::death}, {{RawAtMost(0.92)}, ItemQueue::death},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.raws));
        // A tool keeps the creature and facing chosen before, and no draw leaves an item available.
        ItemQueue::SetCurrentItem(ItemQueue::animal, grazer, left);
        Script(c.raws);
        ItemQueue::ChooseNextItem();
        EXPECT_EQ(DrawsUsed(), c.raws.size());
        EXPECT_EQ(ItemQueue::CurrentItem(), c.item);
        EXPECT_EQ(ItemQueue::CurrentAnimal(), c.animal);
        EXPECT_EQ(ItemQueue::CurrentDirection(), c.direction);
        EXPECT_FALSE(ItemQueue::IsAnyItemAvailable());
    }
}

TEST_F(ItemQueueTest, ThePickCountSurvivesItsDisguiseAndOnlySetUpClearsIt)
{
    for (int count : {0, 1, 2, 9, 255, 256, 65536, INT_MAX}) {
        ItemQueue::SetPickCount(count);
        ItemQueue::SetCurrentItem(ItemQueue::death, swimmer, down);
        ItemQueue::MakeCurrentItemAvailable();
        EXPECT_TRUE(ItemQueue::IsAnyItemAvailable());
        Script({0});
        ItemQueue::ChooseNextItem();
        ItemQueue::TakeDown();
        EXPECT_EQ(ItemQueue::PickCount(), count);
        EXPECT_FALSE(ItemQueue::IsAnyItemAvailable());
    }
    ItemQueue::MakeCurrentItemAvailable();
    ItemQueue::MakeCurrentItemUnavailable();
    EXPECT_FALSE(ItemQueue::IsAnyItemAvailable());
    ItemQueue::MakeCurrentItemAvailable();
    ItemQueue::SetUp();
    EXPECT_FALSE(ItemQueue::IsAnyItemAvailable());
    EXPECT_EQ(ItemQueue::PickCount(), 0);
}

}  // namespace
