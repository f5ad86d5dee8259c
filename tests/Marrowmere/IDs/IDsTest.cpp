#include "Marrowmere/EasterEggs/EasterEggs.h"
#include "Marrowmere/IDs/AnimationIDs.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/IDs/IDNumbering.h"
#include "Marrowmere/IDs/SoundIDs.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

// The numbers are the contract between the program and the content of the resource libraries.
namespace {

using IDs = std::vector<std::pair<int, int>>;  // {id the table gives, id the content carries}

void ExpectIDs(const IDs& ids)
{
    for (std::size_t index = 0; index < ids.size(); ++index) {
        EXPECT_EQ(ids[index].first, ids[index].second) << "row " << index;
    }
}

const auto noDirection = static_cast<DirectionType>(7);
const int no = IDNumbering::noID;

TEST(AnimationIDs, Numbers)
{
    using A = AnimationIDs;
    ExpectIDs({
        {A::AnimalTurningCounterclockwise(grazer, left), 4123}, {A::AnimalReversing(flyer, up), 2101},
        {A::AnimalTurningClockwise(cannibal, right), 5114},     {A::SwimmerReversingInFlood(right), 3154},
        {A::SwimmerTurningCounterclockwiseInFlood(down), 3172}, {A::SwimmerTurningClockwiseInFlood(left), 3163},
        {A::SwimmerBeingKilledInFlood(up), 3251},               {A::SwimmerBeingFloodedInFlood(right), 3354},
        {A::ObjectBeingKilled(swimmer, down), 3202},            {A::ObjectBeingFlooded(cannibal, left), 5303},
        {A::AnimalEnteringFlood(grazer, up), 4381},             {A::SwimmerWaitingToBeEaten(right), 3544},
        {A::SwimmerEatingGrazerFromFlood(left), 3653},          {A::PredatorEatingPrey(flyer, swimmer, left), 2603},
        {A::PredatorEatingPrey(swimmer, grazer, up), 3601},     {A::PredatorEatingPrey(grazer, cannibal, down), 4602},
        {A::PredatorEatingPrey(grazer, grass, right), 4614},    {A::PredatorEatingPrey(cannibal, flyer, right), 5604},
        {A::PredatorEatingPrey(cannibal, cannibal, left), 5613}, {A::FlyerPreparingToEat(down), 2612},
        {A::FlyerFlying(up), 2621},                             {A::TreeBeingFloodedInFlood(), 7351},
        {A::EmptyAreaBeingFlooded(), 8301},                     {A::FloodBeingFlooded(), 8351},
        {A::FloodEvaporating(), 8361},                          {A::SwimmerFloodEvaporating(down), 3362},
        {A::TreeFloodEvaporating(), 7361},                      {A::GrassPreparingToBeEaten(), 6501},
        {A::SwimmerPreparingToWaitToBeEaten(left), 3403},       {A::CompleteChainMessage(), 1601},
        {A::ObjectBeingKilled(grass, left), 6201},              {A::ObjectBeingFlooded(grass, up), 6301},
        {A::ObjectBeingFlooded(tree, right), 7301},
        {A::PreyPreparingToBeEaten(cannibal, down, cannibal, left), 5563},
        {A::PreyPreparingToBeEaten(cannibal, down, grazer, left), 5513},
        // Other prey: 1000 * S + 500 + 10 * h(prey direction) + d(predator direction), any predator.
        {A::PreyPreparingToBeEaten(swimmer, right, flyer, down), 3532},
        {A::PreyPreparingToBeEaten(flyer, up, cannibal, up), 2501},
        {A::PreyPreparingToBeEaten(grazer, left, swimmer, right), 4524},
        // Combinations that no rule names have no id.
        {A::AnimalReversing(grass, up), no},                {A::AnimalEnteringFlood(tree, up), no},
        {A::ObjectBeingKilled(tree, up), no},               {A::PredatorEatingPrey(grazer, flyer, up), no},
        {A::PredatorEatingPrey(grass, grass, up), no},      {A::PreyPreparingToBeEaten(cannibal, up, flyer, up), no},
        {A::PreyPreparingToBeEaten(tree, up, grazer, up), no}, {A::FlyerFlying(noDirection), no},
        {A::AnimalReversing(flyer, noDirection), no},       {A::PreyPreparingToBeEaten(swimmer, noDirection, flyer, up), no},
    });
}

TEST(GraphicIDs, Numbers)
{
    using G = GraphicIDs;
    ExpectIDs({
        {G::Background(), 1001},               {G::Cursor(CursorType::arrow), 1101},  {G::Cursor(CursorType::questionMark), 1121},
        {G::Cursor(CursorType::cloud), 1171},  {G::StarvationTimer(0), 1201},         {G::StarvationTimer(25), 1226},
        {G::FloodTimer(7), 1308},              {G::ScoreDigitsStart(), 1501},         {G::TimerDigitsStart(), 1521},
        {G::PickCountDigitsStart(), 1541},     {G::FloatingScoreDigitsStart(), 1561}, {G::PickButton(ButtonType::normal), 1701},
        {G::PickButton(ButtonType::disabled), 1703}, {G::PickDialogBox(), 1711},      {G::PickDialogBoxSelectionOutline(), 1721},
        {G::PickDialogBoxUseButton(ButtonType::pressed), 1732}, {G::PickDialogBoxCancelButton(ButtonType::normal), 1741},
        {G::TutorialPointer(right), 1801},     {G::TutorialPointer(left), 1802},      {G::TutorialPointer(down), 1803},
        {G::GameOverTopHalf(), 1901},          {G::GameOverBottomHalf(), 1902},       {G::MultipleSpeciesExtinction(), 1911},
        {G::FlyerExtinction(), 1912},          {G::SwimmerExtinction(), 1913},        {G::GrazerExtinction(), 1914},
        {G::CannibalExtinction(), 1915},       {G::Overpopulation(), 1921},           {G::Object(swimmer, right), 3301},
        {G::Object(flyer, up), 2001},          {G::Object(grass, down), 6001},        {G::Object(tree, left), 7001},
        {G::GhostAnimal(grazer, down), 4199},  {G::FloodGhostAnimal(cannibal, left), 5799}, {G::Flood(), 8001},
        {G::FloodedSwimmer(left), 3701},       {G::FloodedTree(), 7501},              {G::Reverser(), 9001},
        {G::ClockwiseTurner(), 9101},          {G::CounterclockwiseTurner(), 9201},   {G::Death(), 9301},
        {G::Cloud(), 9401},
        // Values outside their range have no picture.
        {G::TutorialPointer(up), no},          {G::StarvationTimer(-1), no},          {G::StarvationTimer(26), no},
        {G::FloodTimer(40000), no},            {G::Cursor(static_cast<CursorType>(8)), no},
        {G::PickButton(static_cast<ButtonType>(3)), no}, {G::GhostAnimal(grass, up), no},
        {G::Object(flyer, static_cast<DirectionType>(4)), no},
    });
}

TEST(SoundIDs, Numbers)
{
    using S = SoundIDs;
    ExpectIDs({
        {S::BackgroundMusic(), 1011},          {S::No(), 1021},                        {S::GameOver(), 1031},
        {S::ExtraPickBonus(), 1601},           {S::TutorialNarrationStart(), 1811},    {S::SelectionButtonPress(), 1801},
        {S::SelectionButtonRelease(), 1802},   {S::SelectionButtonClick(), 1803},      {S::EasterEggOpening(), 20001},
        {S::EasterEggClosing(), 20002},        {S::AnimalReversing(cannibal), 5101},   {S::SwimmerReversingInFlood(), 3151},
        {S::AnimalTurningClockwise(flyer), 2111}, {S::AnimalTurningCounterclockwise(flyer), 2111},
        {S::SwimmerTurningClockwiseInFlood(), 3161}, {S::SwimmerTurningCounterclockwiseInFlood(), 3161},
        {S::ObjectBeingKilled(grass), 6201},   {S::ObjectBeingKilled(swimmer), 3201},  {S::SwimmerBeingKilledInFlood(), 3251},
        {S::ObjectBeingFlooded(tree), 7301},   {S::SwimmerBeingFloodedInFlood(), 3351}, {S::TreeBeingFloodedInFlood(), 7351},
        {S::EmptyAreaBeingFlooded(), 8301},    {S::FloodBeingFlooded(), 8351},         {S::FloodEvaporating(), 8361},
        {S::SwimmerFloodEvaporating(), 3361},  {S::TreeFloodEvaporating(), 7361},      {S::AnimalEnteringFlood(grazer), 4381},
        {S::FlyerPreparingToEat(), 2611},      {S::FlyerFlying(), 2621},               {S::SwimmerEatingGrazerFromFlood(), 3651},
        // The eating pairs share their numbers with the eating animations, whose rows cover them all.
        {S::PredatorEatingPrey(grazer, grass), 4611},
        // Combinations that no rule names have no id.
        {S::PredatorEatingPrey(grazer, swimmer), no}, {S::PredatorEatingPrey(tree, grass), no},
        {S::AnimalReversing(grass), no},       {S::AnimalEnteringFlood(tree), no},     {S::ObjectBeingKilled(tree), no},
        {S::ObjectBeingFlooded(static_cast<ObjectType>(6)), no},
    });
}

// 7kgrid swaps the creatures' pictures, animations and sounds; harborlantern the flood picture,
// thistlecove the death item's; 250dunes none of them. Typing a word again switches it off.
TEST(HiddenModeIDs, EachModeSwapsOnlyItsOwnSet)
{
    EasterEggs::RemoveAllEggs();
    for (const char* word : {"thistlecove", "harborlantern", "7kgrid"}) {
        EasterEggs::AddEgg(word, nullptr, EasterEggs::toggle);
    }
    EasterEggs::AddEgg("250dunes", nullptr, EasterEggs::persistent);
    const auto type = [](const std::string& text) {
        for (char character : text) {
            bool isEasterEggCharacter = false;
            EasterEggs::CheckInputCharacter(character, isEasterEggCharacter);
        }
    };
    type("250dunes");
    EXPECT_EQ(GraphicIDs::Object(swimmer, right), 3301);
    type("7kgrid");
    ExpectIDs({
        {GraphicIDs::Object(swimmer, right), 23301}, {GraphicIDs::Object(grass, up), 26001},
        {GraphicIDs::FloodedTree(), 27501},          {GraphicIDs::FloodedSwimmer(left), 23701},
        {GraphicIDs::Flood(), 8001},                 {GraphicIDs::Cursor(CursorType::arrow), 1101},
        {AnimationIDs::AnimalReversing(flyer, up), 1000}, {AnimationIDs::ObjectBeingKilled(grass, up), 1000},
        {AnimationIDs::FloodEvaporating(), 8361},    {AnimationIDs::CompleteChainMessage(), 1601},
        {SoundIDs::AnimalReversing(cannibal), 1000}, {SoundIDs::PredatorEatingPrey(flyer, swimmer), 1000},
        {SoundIDs::FloodEvaporating(), 8361},        {SoundIDs::GameOver(), 1031},
    });
    type("7kgridharborlantern");
    ExpectIDs({{AnimationIDs::AnimalReversing(flyer, up), 2101}, {GraphicIDs::Flood(), 28001}, {GraphicIDs::Death(), 9301}});
    type("harborlanternthistlecove");
    ExpectIDs({{GraphicIDs::Flood(), 8001}, {GraphicIDs::Death(), 29301}, {GraphicIDs::Object(swimmer, right), 3301}});
    EasterEggs::RemoveAllEggs();
}

}  // namespace
