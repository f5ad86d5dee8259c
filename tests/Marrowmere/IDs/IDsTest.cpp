#include "Marrowmere/EasterEggs/EasterEggs.h"
#include "Marrowmere/IDs/AnimationIDs.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/IDs/IDNumbering.h"
#include "Marrowmere/IDs/SoundIDs.h"

#include <gtest/gtest.h>

#include <string>

// The numbers are the contract between the program and the content of the resource libraries.
namespace {

constexpr ObjectType animals[] = {flyer, swimmer, grazer, cannibal};
constexpr DirectionType directions[] = {up, down, left, right};

// The four hidden modes registered with their words and switched by typing, as a player does;
// every mode is gone again with the object.
class HiddenModes {
public:
    HiddenModes()
    {
        EasterEggs::RemoveAllEggs();
        for (const char* word : {"thistlecove", "harborlantern", "7kgrid"}) {
            EasterEggs::AddEgg(word, nullptr, EasterEggs::toggle);
        }
        EasterEggs::AddEgg("250dunes", nullptr, EasterEggs::persistent);
    }
    ~HiddenModes() { EasterEggs::RemoveAllEggs(); }
    void Type(const std::string& text)
    {
        for (char character : text) {
            bool isEasterEggCharacter = false;
            EasterEggs::CheckInputCharacter(character, isEasterEggCharacter);
        }
    }
};

TEST(AnimationIDs, Numbers)
{
    EXPECT_EQ(AnimationIDs::AnimalTurningCounterclockwise(grazer, left), 4123);
    EXPECT_EQ(AnimationIDs::AnimalReversing(flyer, up), 2101);
    EXPECT_EQ(AnimationIDs::AnimalTurningClockwise(cannibal, right), 5114);
    EXPECT_EQ(AnimationIDs::SwimmerReversingInFlood(right), 3154);
    EXPECT_EQ(AnimationIDs::SwimmerTurningCounterclockwiseInFlood(down), 3172);
    EXPECT_EQ(AnimationIDs::SwimmerTurningClockwiseInFlood(left), 3163);
    EXPECT_EQ(AnimationIDs::SwimmerBeingKilledInFlood(up), 3251);
    EXPECT_EQ(AnimationIDs::SwimmerBeingFloodedInFlood(right), 3354);
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
    for (DirectionType direction : directions) {
        EXPECT_EQ(AnimationIDs::ObjectBeingKilled(grass, direction), 6201);
        EXPECT_EQ(AnimationIDs::ObjectBeingFlooded(grass, direction), 6301);
        EXPECT_EQ(AnimationIDs::ObjectBeingFlooded(tree, direction), 7301);
    }
    EXPECT_EQ(AnimationIDs::PreyPreparingToBeEaten(cannibal, down, cannibal, left), 5563);
    EXPECT_EQ(AnimationIDs::PreyPreparingToBeEaten(cannibal, down, grazer, left), 5513);
    // Other prey: 1000 * S + 500 + 10 * h(prey direction) + d(predator direction), any predator.
    EXPECT_EQ(AnimationIDs::PreyPreparingToBeEaten(swimmer, right, flyer, down), 3532);
    EXPECT_EQ(AnimationIDs::PreyPreparingToBeEaten(swimmer, right, grazer, down), 3532);
    EXPECT_EQ(AnimationIDs::PreyPreparingToBeEaten(flyer, up, cannibal, up), 2501);
    EXPECT_EQ(AnimationIDs::PreyPreparingToBeEaten(grazer, left, swimmer, right), 4524);
    // Every creature animation: the kind in the thousands and the direction last.
    for (ObjectType animal : animals) {
        for (DirectionType direction : directions) {
            EXPECT_EQ(AnimationIDs::AnimalReversing(animal, direction),
                      1000 * IDNumbering::CreatureDigit(animal) + 100 + static_cast<int>(direction) + 1);
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

TEST(GraphicIDs, Numbers)
{
    EXPECT_EQ(GraphicIDs::Background(), 1001);
    EXPECT_EQ(GraphicIDs::Cursor(CursorType::arrow), 1101);
    EXPECT_EQ(GraphicIDs::Cursor(CursorType::questionMark), 1121);
    EXPECT_EQ(GraphicIDs::Cursor(CursorType::cloud), 1171);
    EXPECT_EQ(GraphicIDs::StarvationTimer(0), 1201);
    EXPECT_EQ(GraphicIDs::StarvationTimer(25), 1226);
    EXPECT_EQ(GraphicIDs::FloodTimer(7), 1308);
    EXPECT_EQ(GraphicIDs::ScoreDigitsStart(), 1501);
    EXPECT_EQ(GraphicIDs::TimerDigitsStart(), 1521);
    EXPECT_EQ(GraphicIDs::PickCountDigitsStart(), 1541);
    EXPECT_EQ(GraphicIDs::FloatingScoreDigitsStart(), 1561);
    EXPECT_EQ(GraphicIDs::PickButton(ButtonType::normal), 1701);
    EXPECT_EQ(GraphicIDs::PickButton(ButtonType::disabled), 1703);
    EXPECT_EQ(GraphicIDs::PickDialogBox(), 1711);
    EXPECT_EQ(GraphicIDs::PickDialogBoxSelectionOutline(), 1721);
    EXPECT_EQ(GraphicIDs::PickDialogBoxUseButton(ButtonType::pressed), 1732);
    EXPECT_EQ(GraphicIDs::PickDialogBoxCancelButton(ButtonType::normal), 1741);
    EXPECT_EQ(GraphicIDs::TutorialPointer(right), 1801);
    EXPECT_EQ(GraphicIDs::TutorialPointer(left), 1802);
    EXPECT_EQ(GraphicIDs::TutorialPointer(down), 1803);
    EXPECT_EQ(GraphicIDs::GameOverTopHalf(), 1901);
    EXPECT_EQ(GraphicIDs::GameOverBottomHalf(), 1902);
    EXPECT_EQ(GraphicIDs::MultipleSpeciesExtinction(), 1911);
    EXPECT_EQ(GraphicIDs::FlyerExtinction(), 1912);
    EXPECT_EQ(GraphicIDs::SwimmerExtinction(), 1913);
    EXPECT_EQ(GraphicIDs::GrazerExtinction(), 1914);
    EXPECT_EQ(GraphicIDs::CannibalExtinction(), 1915);
    EXPECT_EQ(GraphicIDs::Overpopulation(), 1921);
    EXPECT_EQ(GraphicIDs::Object(swimmer, right), 3301);
    EXPECT_EQ(GraphicIDs::Object(flyer, up), 2001);
    for (DirectionType direction : directions) {
        EXPECT_EQ(GraphicIDs::Object(grass, direction), 6001);
        EXPECT_EQ(GraphicIDs::Object(tree, direction), 7001);
    }
    EXPECT_EQ(GraphicIDs::GhostAnimal(grazer, down), 4199);
    EXPECT_EQ(GraphicIDs::FloodGhostAnimal(cannibal, left), 5799);
    EXPECT_EQ(GraphicIDs::Flood(), 8001);
    EXPECT_EQ(GraphicIDs::FloodedSwimmer(left), 3701);
    EXPECT_EQ(GraphicIDs::FloodedTree(), 7501);
    EXPECT_EQ(GraphicIDs::Reverser(), 9001);
    EXPECT_EQ(GraphicIDs::ClockwiseTurner(), 9101);
    EXPECT_EQ(GraphicIDs::CounterclockwiseTurner(), 9201);
    EXPECT_EQ(GraphicIDs::Death(), 9301);
    EXPECT_EQ(GraphicIDs::Cloud(), 9401);
}

TEST(GraphicIDs, ValuesOutsideTheirRangeHaveNoPicture)
{
    EXPECT_EQ(GraphicIDs::TutorialPointer(up), IDNumbering::noID);
    EXPECT_EQ(GraphicIDs::StarvationTimer(-1), IDNumbering::noID);
    EXPECT_EQ(GraphicIDs::StarvationTimer(26), IDNumbering::noID);
    EXPECT_EQ(GraphicIDs::FloodTimer(40000), IDNumbering::noID);
    EXPECT_EQ(GraphicIDs::Cursor(static_cast<CursorType>(8)), IDNumbering::noID);
    EXPECT_EQ(GraphicIDs::PickButton(static_cast<ButtonType>(3)), IDNumbering::noID);
    EXPECT_EQ(GraphicIDs::GhostAnimal(grass, up), IDNumbering::noID);
    EXPECT_EQ(GraphicIDs::Object(flyer, static_cast<DirectionType>(4)), IDNumbering::noID);
}

TEST(SoundIDs, Numbers)
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

TEST(SoundIDs, CombinationsThatNoRuleNamesHaveNoID)
{
    EXPECT_EQ(SoundIDs::PredatorEatingPrey(grazer, swimmer), IDNumbering::noID);
    EXPECT_EQ(SoundIDs::PredatorEatingPrey(tree, grass), IDNumbering::noID);
    EXPECT_EQ(SoundIDs::AnimalReversing(grass), IDNumbering::noID);
    EXPECT_EQ(SoundIDs::AnimalEnteringFlood(tree), IDNumbering::noID);
    EXPECT_EQ(SoundIDs::ObjectBeingKilled(tree), IDNumbering::noID);
    EXPECT_EQ(SoundIDs::ObjectBeingFlooded(static_cast<ObjectType>(6)), IDNumbering::noID);
}

// 7kgrid swaps the creatures' pictures, animations and sounds; harborlantern the flood picture,
// thistlecove the death item's; 250dunes none of them. Typing a word again switches it off.
TEST(HiddenModeIDs, EachModeSwapsOnlyItsOwnSet)
{
    HiddenModes modes;
    modes.Type("250dunes");
    EXPECT_EQ(GraphicIDs::Object(swimmer, right), 3301);
    modes.Type("7kgrid");
    EXPECT_EQ(GraphicIDs::Object(swimmer, right), 23301);
    EXPECT_EQ(GraphicIDs::Object(grass, up), 26001);
    EXPECT_EQ(GraphicIDs::FloodedTree(), 27501);
    EXPECT_EQ(GraphicIDs::FloodedSwimmer(left), 23701);
    EXPECT_EQ(GraphicIDs::Flood(), 8001);
    EXPECT_EQ(GraphicIDs::Cursor(CursorType::arrow), 1101);
    EXPECT_EQ(AnimationIDs::AnimalReversing(flyer, up), 1000);
    EXPECT_EQ(AnimationIDs::ObjectBeingKilled(grass, up), 1000);
    EXPECT_EQ(AnimationIDs::FloodEvaporating(), 8361);
    EXPECT_EQ(AnimationIDs::CompleteChainMessage(), 1601);
    EXPECT_EQ(SoundIDs::AnimalReversing(cannibal), 1000);
    EXPECT_EQ(SoundIDs::PredatorEatingPrey(flyer, swimmer), 1000);
    EXPECT_EQ(SoundIDs::FloodEvaporating(), 8361);
    EXPECT_EQ(SoundIDs::GameOver(), 1031);
    modes.Type("7kgridharborlantern");
    EXPECT_EQ(AnimationIDs::AnimalReversing(flyer, up), 2101);
    EXPECT_EQ(GraphicIDs::Flood(), 28001);
    EXPECT_EQ(GraphicIDs::Death(), 9301);
    modes.Type("harborlanternthistlecove");
    EXPECT_EQ(GraphicIDs::Flood(), 8001);
    EXPECT_EQ(GraphicIDs::Death(), 29301);
    EXPECT_EQ(GraphicIDs::Object(swimmer, right), 3301);
}

} // namespace
