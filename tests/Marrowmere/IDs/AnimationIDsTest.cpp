#include "IDCatalog.h"

#include "Marrowmere/IDs/AnimationIDs.h"
#include "Marrowmere/IDs/IDNumbering.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(AnimationIDs, DocumentedNumbers)
{
    EXPECT_EQ(AnimationIDs::AnimalTurningCounterclockwise(grazer, left), 4123);
    EXPECT_EQ(AnimationIDs::AnimalReversing(flyer, up), 2101);
    EXPECT_EQ(AnimationIDs::AnimalTurningClockwise(cannibal, right), 5114);
    EXPECT_EQ(AnimationIDs::SwimmerReversingInFlood(right), 3154);
    EXPECT_EQ(AnimationIDs::SwimmerTurningCounterclockwiseInFlood(down), 3172);
    EXPECT_EQ(AnimationIDs::ObjectBeingKilled(swimmer, down), 3202);
    EXPECT_EQ(AnimationIDs::ObjectBeingFlooded(cannibal, left), 5303);
    EXPECT_EQ(AnimationIDs::AnimalEnteringFlood(grazer, up), 4381);
    EXPECT_EQ(AnimationIDs::SwimmerWaitingToBeEaten(right), 3544);
    EXPECT_EQ(AnimationIDs::SwimmerEatingGrazerFromFlood(left), 3653);
    EXPECT_EQ(AnimationIDs::PredatorEatingPrey(flyer, swimmer, left), 2603);
    EXPECT_EQ(AnimationIDs::PredatorEatingPrey(swimmer, grazer, up), 3601);
    EXPECT_EQ(AnimationIDs::PredatorEatingPrey(grazer, cannibal, down), 4602);
    EXPECT_EQ(AnimationIDs::PredatorEatingPrey(grazer, grass, right), 4614);
    EXPECT_EQ(AnimationIDs::PredatorEatingPrey(cannibal, flyer, right), 5604);
    EXPECT_EQ(AnimationIDs::PredatorEatingPrey(cannibal, cannibal, left), 5613);
    EXPECT_EQ(AnimationIDs::FlyerPreparingToEat(down), 2612);
    EXPECT_EQ(AnimationIDs::FlyerFlying(up), 2621);
    EXPECT_EQ(AnimationIDs::TreeBeingFloodedInFlood(), 7351);
    EXPECT_EQ(AnimationIDs::EmptyAreaBeingFlooded(), 8301);
    EXPECT_EQ(AnimationIDs::FloodBeingFlooded(), 8351);
    EXPECT_EQ(AnimationIDs::FloodEvaporating(), 8361);
    EXPECT_EQ(AnimationIDs::SwimmerFloodEvaporating(down), 3362);
    EXPECT_EQ(AnimationIDs::TreeFloodEvaporating(), 7361);
    EXPECT_EQ(AnimationIDs::GrassPreparingToBeEaten(), 6501);
    EXPECT_EQ(AnimationIDs::SwimmerPreparingToWaitToBeEaten(left), 3403);
    EXPECT_EQ(AnimationIDs::CompleteChainMessage(), 1601);
}

TEST(AnimationIDs, PlantsHaveOneAnimationWhicheverWayTheyAreAsked)
{
    for (DirectionType direction : directions) {
        EXPECT_EQ(AnimationIDs::ObjectBeingKilled(grass, direction), 6201);
        EXPECT_EQ(AnimationIDs::ObjectBeingFlooded(grass, direction), 6301);
        EXPECT_EQ(AnimationIDs::ObjectBeingFlooded(tree, direction), 7301);
    }
}

TEST(AnimationIDs, PreyAnimationDependsOnThePredatorOnlyForCannibalPrey)
{
    EXPECT_EQ(AnimationIDs::PreyPreparingToBeEaten(cannibal, down, cannibal, left), 5563);
    EXPECT_EQ(AnimationIDs::PreyPreparingToBeEaten(cannibal, down, grazer, left), 5513);
    // Other prey: 1000 * S + 500 + 10 * h(prey direction) + d(predator direction), any predator.
    EXPECT_EQ(AnimationIDs::PreyPreparingToBeEaten(swimmer, right, flyer, down), 3532);
    EXPECT_EQ(AnimationIDs::PreyPreparingToBeEaten(swimmer, right, grazer, down), 3532);
    EXPECT_EQ(AnimationIDs::PreyPreparingToBeEaten(flyer, up, cannibal, up), 2501);
    EXPECT_EQ(AnimationIDs::PreyPreparingToBeEaten(grazer, left, swimmer, right), 4524);
}

TEST(AnimationIDs, EveryAnimationOfTheGameHasItsOwnBlock)
{
    std::map<int, std::string> owners;
    for (const auto& [name, id] : Snapshot(AllAnimationLookups())) {
        EXPECT_GT(id, 1000) << name;
        const auto [owner, isNew] = owners.emplace(id, name);
        EXPECT_TRUE(isNew) << name << " and " << owner->second << " share " << id;
    }
}

TEST(AnimationIDs, CreatureAnimationsCarryTheKindInTheThousandsAndTheDirectionLast)
{
    using AnimalLookup = std::int16_t (*)(ObjectType, DirectionType);
    for (AnimalLookup lookup : {AnimalLookup(AnimationIDs::AnimalReversing), AnimalLookup(AnimationIDs::AnimalTurningClockwise),
                                AnimalLookup(AnimationIDs::AnimalTurningCounterclockwise),
                                AnimalLookup(AnimationIDs::ObjectBeingKilled), AnimalLookup(AnimationIDs::ObjectBeingFlooded),
                                AnimalLookup(AnimationIDs::AnimalEnteringFlood)}) {
        for (ObjectType animal : animals) {
            for (DirectionType direction : directions) {
                const int id = lookup(animal, direction);
                EXPECT_EQ(id / 1000, IDNumbering::CreatureDigit(animal)) << id;
                EXPECT_EQ(id % 10, static_cast<int>(direction) + 1) << id;
            }
        }
    }
}

TEST(AnimationIDs, CombinationsThatNoRuleNamesHaveNoID)
{
    EXPECT_EQ(AnimationIDs::AnimalReversing(grass, up), IDNumbering::noID);
    EXPECT_EQ(AnimationIDs::AnimalEnteringFlood(tree, up), IDNumbering::noID);
    EXPECT_EQ(AnimationIDs::ObjectBeingKilled(tree, up), IDNumbering::noID);
    EXPECT_EQ(AnimationIDs::PredatorEatingPrey(grazer, flyer, up), IDNumbering::noID);
    EXPECT_EQ(AnimationIDs::PredatorEatingPrey(grass, grass, up), IDNumbering::noID);
    EXPECT_EQ(AnimationIDs::PreyPreparingToBeEaten(cannibal, up, flyer, up), IDNumbering::noID);
    EXPECT_EQ(AnimationIDs::PreyPreparingToBeEaten(tree, up, grazer, up), IDNumbering::noID);
    const auto noDirection = static_cast<DirectionType>(7);
    EXPECT_EQ(AnimationIDs::FlyerFlying(noDirection), IDNumbering::noID);
    EXPECT_EQ(AnimationIDs::AnimalReversing(flyer, noDirection), IDNumbering::noID);
    EXPECT_EQ(AnimationIDs::PreyPreparingToBeEaten(swimmer, noDirection, flyer, up), IDNumbering::noID);
}

TEST(AnimationIDs, SevenKGridReplacesEveryAnimationButTheFourOfFloodsAndChains)
{
    const auto normal = Snapshot(AllAnimationLookups());
    HiddenModes modes;
    // The other hidden modes leave animations alone.
    modes.Type("thistlecoveharborlantern250dunes");
    EXPECT_EQ(Snapshot(AllAnimationLookups()), normal);

    modes.SwitchOnSevenKGrid();
    const std::set<std::string> kept = {"EmptyAreaBeingFlooded", "FloodBeingFlooded", "FloodEvaporating",
                                        "CompleteChainMessage"};
    for (const auto& [name, id] : Snapshot(AllAnimationLookups())) {
        EXPECT_EQ(id, kept.contains(name) ? normal.at(name) : 1000) << name;
    }

    // Typing the word again switches the mode off and the numbering back.
    modes.SwitchOnSevenKGrid();
    EXPECT_EQ(Snapshot(AllAnimationLookups()), normal);
}

}  // namespace
