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

// The item draw falls into bands that end at the running sums of the weights; an animal then
// draws its creature and after it its facing, each by quarters. The creature's raw value sits at
// the top of its quarter and the facing's at the bottom of its own; every creature meets every
// facing, so drawing the two in the other order shows.
TEST_F(ItemQueueTest, EachItemCreatureAndFacingHasItsBandOfDraws)
{
    const auto expectDraw = [this](std::vector<int> raws, ItemQueue::ItemType item, int animal, int direction) {
        SCOPED_TRACE(testing::PrintToString(raws));
        // A tool keeps the creature and facing chosen before, and no draw leaves an item available.
        ItemQueue::SetCurrentItem(ItemQueue::animal, grazer, left);
        Script(raws);
        ItemQueue::ChooseNextItem();
        EXPECT_EQ(DrawsUsed(), raws.size());
        EXPECT_EQ(ItemQueue::CurrentItem(), item);
        EXPECT_EQ(ItemQueue::CurrentAnimal(), animal);
        EXPECT_EQ(ItemQueue::CurrentDirection(), direction);
        EXPECT_FALSE(ItemQueue::IsAnyItemAvailable());
    };
    for (int creature = 0; creature < 4; ++creature) {
        for (int facing = 0; facing < 4; ++facing) {
            const int animalDraw = facing % 2 == 0 ? 1 : RawAtMost(0.6);
            const std::vector<int> raws = {animalDraw, RawAtMost(0.25 * (creature + 1)), RawAtMost(0.25 * facing) + 1};
            expectDraw(raws, ItemQueue::animal, flyer + creature, up + facing);
        }
    }
    const double ceilings[] = {0.6, 0.68, 0.76, 0.84, 0.92, 1.0};
    for (int item = ItemQueue::reverser; item <= ItemQueue::cloud; ++item) {
        expectDraw({RawAtMost(ceilings[item - 1]) + 1}, static_cast<ItemQueue::ItemType>(item), grazer, left);
        expectDraw({RawAtMost(ceilings[item])}, static_cast<ItemQueue::ItemType>(item), grazer, left);
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
