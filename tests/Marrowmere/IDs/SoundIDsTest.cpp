#include "IDCatalog.h"

#include "Marrowmere/IDs/IDNumbering.h"
#include "Marrowmere/IDs/SoundIDs.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(SoundIDs, DocumentedNumbers)
{
    EXPECT_EQ(SoundIDs::BackgroundMusic(), 1011);
    EXPECT_EQ(SoundIDs::No(), 1021);
    EXPECT_EQ(SoundIDs::GameOver(), 1031);
    EXPECT_EQ(SoundIDs::ExtraPickBonus(), 1601);
    EXPECT_EQ(SoundIDs::TutorialNarrationStart(), 1811);
    EXPECT_EQ(SoundIDs::SelectionButtonPress(), 1801);
    EXPECT_EQ(SoundIDs::SelectionButtonRelease(), 1802);
    EXPECT_EQ(SoundIDs::SelectionButtonClick(), 1803);
    EXPECT_EQ(SoundIDs::EasterEggOpening(), 20001);
    EXPECT_EQ(SoundIDs::EasterEggClosing(), 20002);
    EXPECT_EQ(SoundIDs::AnimalReversing(cannibal), 5101);
    EXPECT_EQ(SoundIDs::SwimmerReversingInFlood(), 3151);
    EXPECT_EQ(SoundIDs::AnimalTurningClockwise(flyer), 2111);
    EXPECT_EQ(SoundIDs::AnimalTurningCounterclockwise(flyer), 2111);
    EXPECT_EQ(SoundIDs::SwimmerTurningClockwiseInFlood(), 3161);
    EXPECT_EQ(SoundIDs::SwimmerTurningCounterclockwiseInFlood(), 3161);
    EXPECT_EQ(SoundIDs::ObjectBeingKilled(grass), 6201);
    EXPECT_EQ(SoundIDs::ObjectBeingKilled(swimmer), 3201);
    EXPECT_EQ(SoundIDs::SwimmerBeingKilledInFlood(), 3251);
    EXPECT_EQ(SoundIDs::ObjectBeingFlooded(tree), 7301);
    EXPECT_EQ(SoundIDs::SwimmerBeingFloodedInFlood(), 3351);
    EXPECT_EQ(SoundIDs::TreeBeingFloodedInFlood(), 7351);
    EXPECT_EQ(SoundIDs::EmptyAreaBeingFlooded(), 8301);
    EXPECT_EQ(SoundIDs::FloodBeingFlooded(), 8351);
    EXPECT_EQ(SoundIDs::FloodEvaporating(), 8361);
    EXPECT_EQ(SoundIDs::SwimmerFloodEvaporating(), 3361);
    EXPECT_EQ(SoundIDs::TreeFloodEvaporating(), 7361);
    EXPECT_EQ(SoundIDs::AnimalEnteringFlood(grazer), 4381);
    EXPECT_EQ(SoundIDs::FlyerPreparingToEat(), 2611);
    EXPECT_EQ(SoundIDs::FlyerFlying(), 2621);
    EXPECT_EQ(SoundIDs::SwimmerEatingGrazerFromFlood(), 3651);
    EXPECT_EQ(SoundIDs::PredatorEatingPrey(flyer, swimmer), 2601);
    EXPECT_EQ(SoundIDs::PredatorEatingPrey(swimmer, grazer), 3601);
    EXPECT_EQ(SoundIDs::PredatorEatingPrey(grazer, cannibal), 4601);
    EXPECT_EQ(SoundIDs::PredatorEatingPrey(grazer, grass), 4611);
    EXPECT_EQ(SoundIDs::PredatorEatingPrey(cannibal, flyer), 5601);
    EXPECT_EQ(SoundIDs::PredatorEatingPrey(cannibal, cannibal), 5611);
}

TEST(SoundIDs, OnlyTheTwoTurnsShareASound)
{
    std::map<int, std::string> owners;
    for (const auto& [name, id] : Snapshot(AllSoundLookups())) {
        EXPECT_GT(id, 1000) << name;
        if (name.find("Counterclockwise") != std::string::npos) {
            continue;  // the same sound as the clockwise turn, checked below
        }
        const auto [owner, isNew] = owners.emplace(id, name);
        EXPECT_TRUE(isNew) << name << " and " << owner->second << " share " << id;
    }
    for (ObjectType animal : animals) {
        EXPECT_EQ(SoundIDs::AnimalTurningCounterclockwise(animal), SoundIDs::AnimalTurningClockwise(animal));
    }
}

TEST(SoundIDs, CombinationsThatNoRuleNamesHaveNoID)
{
    EXPECT_EQ(SoundIDs::PredatorEatingPrey(grazer, swimmer), IDNumbering::noID);
    EXPECT_EQ(SoundIDs::PredatorEatingPrey(tree, grass), IDNumbering::noID);
    EXPECT_EQ(SoundIDs::AnimalReversing(grass), IDNumbering::noID);
    EXPECT_EQ(SoundIDs::AnimalEnteringFlood(tree), IDNumbering::noID);
    EXPECT_EQ(SoundIDs::ObjectBeingKilled(tree), IDNumbering::noID);
    EXPECT_EQ(SoundIDs::ObjectBeingFlooded(static_cast<ObjectType>(6)), IDNumbering::noID);
}

TEST(SoundIDs, SevenKGridReplacesTheCreatureSoundsOnly)
{
    const auto normal = Snapshot(AllSoundLookups());
    HiddenModes modes;
    // The other hidden modes leave sounds alone.
    modes.Type("thistlecoveharborlantern250dunes");
    EXPECT_EQ(Snapshot(AllSoundLookups()), normal);

    modes.SwitchOnSevenKGrid();
    const std::set<std::string> kept = {"BackgroundMusic", "No", "GameOver", "EmptyAreaBeingFlooded",
                                        "FloodBeingFlooded", "FloodEvaporating", "ExtraPickBonus",
                                        "TutorialNarrationStart", "SelectionButtonPress", "SelectionButtonRelease",
                                        "SelectionButtonClick", "EasterEggOpening", "EasterEggClosing"};
    for (const auto& [name, id] : Snapshot(AllSoundLookups())) {
        EXPECT_EQ(id, kept.contains(name) ? normal.at(name) : 1000) << name;
    }
}

}  // namespace
