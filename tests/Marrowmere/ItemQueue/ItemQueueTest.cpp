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

TEST_F(ItemQueueTest, SetUpLeavesNoItemAvailableAndNoPicks)
{
    ItemQueue::MakeCurrentItemAvailable();
    ItemQueue::SetPickCount(4);
    ItemQueue::SetUp();
    EXPECT_FALSE(ItemQueue::IsAnyItemAvailable());
    EXPECT_EQ(ItemQueue::PickCount(), 0);

    ItemQueue::MakeCurrentItemAvailable();
    ItemQueue::TakeDown();
    EXPECT_FALSE(ItemQueue::IsAnyItemAvailable());
}

TEST_F(ItemQueueTest, TheLargestDrawsGiveACloudOrACannibalFacingRight)
{
    Script({0});
    ItemQueue::ChooseNextItem();
    EXPECT_EQ(ItemQueue::CurrentItem(), ItemQueue::cloud);
    EXPECT_EQ(DrawsUsed(), 1u);

    Script({1, 32767, 0});
    ItemQueue::ChooseNextItem();
    EXPECT_EQ(ItemQueue::CurrentItem(), ItemQueue::animal);
    EXPECT_EQ(ItemQueue::CurrentAnimal(), cannibal);
    EXPECT_EQ(ItemQueue::CurrentDirection(), right);
    EXPECT_EQ(DrawsUsed(), 3u);
}

TEST_F(ItemQueueTest, EachToolHasItsBandOfDraws)
{
    struct Band {
        double ceiling;
        ItemQueue::ItemType item;
    };
    const Band bands[] = {
        {0.68, ItemQueue::reverser},
        {0.76, ItemQueue::clockwiseTurner},
        {0.84, ItemQueue::counterclockwiseTurner},
        {0.92, ItemQueue::death},
    };
    double floor = 0.6;
    for (const Band& band : bands) {
        Script({RawAtMost(floor) + 1});
        ItemQueue::ChooseNextItem();
        EXPECT_EQ(ItemQueue::CurrentItem(), band.item) << "just above " << floor;
        Script({RawAtMost(band.ceiling)});
        ItemQueue::ChooseNextItem();
        EXPECT_EQ(ItemQueue::CurrentItem(), band.item) << "at " << band.ceiling;
        floor = band.ceiling;
    }
    Script({RawAtMost(0.92) + 1});
    ItemQueue::ChooseNextItem();
    EXPECT_EQ(ItemQueue::CurrentItem(), ItemQueue::cloud);
}

TEST_F(ItemQueueTest, AnimalsAndFacingsComeFromQuarters)
{
    const ObjectType animals[] = {flyer, swimmer, grazer, cannibal};
    const DirectionType directions[] = {up, down, left, right};
    for (int quarter = 0; quarter < 4; ++quarter) {
        const int highest = RawAtMost(0.25 * (quarter + 1));
        const int lowest = quarter == 0 ? 1 : RawAtMost(0.25 * quarter) + 1;
        for (int raw : {lowest, highest}) {
            Script({RawAtMost(0.6), raw, raw});
            ItemQueue::ChooseNextItem();
            EXPECT_EQ(ItemQueue::CurrentItem(), ItemQueue::animal);
            EXPECT_EQ(ItemQueue::CurrentAnimal(), animals[quarter]) << "raw " << raw;
            EXPECT_EQ(ItemQueue::CurrentDirection(), directions[quarter]) << "raw " << raw;
        }
    }
}

TEST_F(ItemQueueTest, ChoosingAToolKeepsTheAnimalAndLeavesAvailabilityAlone)
{
    ItemQueue::SetCurrentItem(ItemQueue::animal, grazer, left);
    Script({RawAtMost(0.7)});
    ItemQueue::ChooseNextItem();
    EXPECT_EQ(ItemQueue::CurrentItem(), ItemQueue::clockwiseTurner);
    EXPECT_EQ(ItemQueue::CurrentAnimal(), grazer);
    EXPECT_EQ(ItemQueue::CurrentDirection(), left);
    EXPECT_FALSE(ItemQueue::IsAnyItemAvailable());
}

TEST_F(ItemQueueTest, ThePickCountSurvivesItsDisguiseWhateverElseChanges)
{
    for (int count : {0, 1, 2, 9, 255, 256, 65536, INT_MAX}) {
        ItemQueue::SetPickCount(count);
        ItemQueue::SetCurrentItem(ItemQueue::death, swimmer, down);
        ItemQueue::MakeCurrentItemAvailable();
        Script({0});
        ItemQueue::ChooseNextItem();
        EXPECT_EQ(ItemQueue::PickCount(), count);
    }
}

}  // namespace
