#include "IDCatalog.h"

#include "Marrowmere/EasterEggs/EasterEggs.h"
#include "Marrowmere/IDs/AnimationIDs.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/IDs/SoundIDs.h"

#include <initializer_list>
#include <string_view>
#include <utility>

std::string NameOf(ObjectType object)
{
    static const char* const names[] = {"flyer", "swimmer", "grazer", "cannibal", "grass", "tree"};
    return names[object];
}

std::string NameOf(DirectionType direction)
{
    static const char* const names[] = {"up", "down", "left", "right"};
    return names[direction];
}

namespace {

// The predator-prey pairs of the game.
struct Meal {
    ObjectType predator;
    ObjectType prey;
};
constexpr Meal meals[] = {{flyer, swimmer}, {swimmer, grazer}, {grazer, cannibal},
                          {grazer, grass},  {cannibal, flyer}, {cannibal, cannibal}};

void AddDirected(std::vector<IDLookup>& lookups, const std::string& name, std::int16_t (*function)(DirectionType))
{
    for (DirectionType direction : directions) {
        lookups.push_back({name + "(" + NameOf(direction) + ")", [=] { return function(direction); }});
    }
}

void AddAnimalDirected(std::vector<IDLookup>& lookups, const std::string& name,
                       std::int16_t (*function)(ObjectType, DirectionType), std::vector<ObjectType> objects)
{
    for (ObjectType object : objects) {
        for (DirectionType direction : directions) {
            lookups.push_back({name + "(" + NameOf(object) + "," + NameOf(direction) + ")",
                               [=] { return function(object, direction); }});
        }
    }
}

// Lookups without arguments, named by their function (without the table's name).
using PlainLookup = std::pair<std::string_view, std::int16_t (*)()>;
void AddPlain(std::vector<IDLookup>& lookups, std::initializer_list<PlainLookup> plains)
{
    for (const auto& [name, function] : plains) {
        lookups.push_back({std::string(name.substr(name.rfind(':') + 1)), function});
    }
}
#define PLAIN(function) PlainLookup{#function, function}

const std::vector<ObjectType> animalList(std::begin(animals), std::end(animals));

}  // namespace

std::vector<IDLookup> AllAnimationLookups()
{
    std::vector<IDLookup> lookups;
    AddAnimalDirected(lookups, "AnimalReversing", AnimationIDs::AnimalReversing, animalList);
    AddDirected(lookups, "SwimmerReversingInFlood", AnimationIDs::SwimmerReversingInFlood);
    AddAnimalDirected(lookups, "AnimalTurningClockwise", AnimationIDs::AnimalTurningClockwise, animalList);
    AddDirected(lookups, "SwimmerTurningClockwiseInFlood", AnimationIDs::SwimmerTurningClockwiseInFlood);
    AddAnimalDirected(lookups, "AnimalTurningCounterclockwise", AnimationIDs::AnimalTurningCounterclockwise,
                      animalList);
    AddDirected(lookups, "SwimmerTurningCounterclockwiseInFlood", AnimationIDs::SwimmerTurningCounterclockwiseInFlood);
    AddAnimalDirected(lookups, "ObjectBeingKilled", AnimationIDs::ObjectBeingKilled, animalList);
    lookups.push_back({"ObjectBeingKilled(grass)", [] { return AnimationIDs::ObjectBeingKilled(grass, up); }});
    AddDirected(lookups, "SwimmerBeingKilledInFlood", AnimationIDs::SwimmerBeingKilledInFlood);
    AddAnimalDirected(lookups, "ObjectBeingFlooded", AnimationIDs::ObjectBeingFlooded, animalList);
    lookups.push_back({"ObjectBeingFlooded(grass)", [] { return AnimationIDs::ObjectBeingFlooded(grass, up); }});
    lookups.push_back({"ObjectBeingFlooded(tree)", [] { return AnimationIDs::ObjectBeingFlooded(tree, up); }});
    AddDirected(lookups, "SwimmerBeingFloodedInFlood", AnimationIDs::SwimmerBeingFloodedInFlood);
    AddPlain(lookups, {PLAIN(AnimationIDs::TreeBeingFloodedInFlood), PLAIN(AnimationIDs::EmptyAreaBeingFlooded),
                       PLAIN(AnimationIDs::FloodBeingFlooded), PLAIN(AnimationIDs::FloodEvaporating)});
    AddDirected(lookups, "SwimmerFloodEvaporating", AnimationIDs::SwimmerFloodEvaporating);
    AddPlain(lookups, {PLAIN(AnimationIDs::TreeFloodEvaporating)});
    AddAnimalDirected(lookups, "AnimalEnteringFlood", AnimationIDs::AnimalEnteringFlood, animalList);
    AddDirected(lookups, "FlyerPreparingToEat", AnimationIDs::FlyerPreparingToEat);
    AddDirected(lookups, "FlyerFlying", AnimationIDs::FlyerFlying);
    for (const Meal& meal : meals) {
        if (meal.prey == grass) {
            continue;
        }
        for (DirectionType preyDirection : directions) {
            for (DirectionType predatorDirection : directions) {
                lookups.push_back({"PreyPreparingToBeEaten(" + NameOf(meal.prey) + "," + NameOf(preyDirection) + "," +
                                       NameOf(meal.predator) + "," + NameOf(predatorDirection) + ")",
                                   [=] {
                                       return AnimationIDs::PreyPreparingToBeEaten(meal.prey, preyDirection,
                                                                                   meal.predator, predatorDirection);
                                   }});
            }
        }
    }
    AddPlain(lookups, {PLAIN(AnimationIDs::GrassPreparingToBeEaten)});
    AddDirected(lookups, "SwimmerPreparingToWaitToBeEaten", AnimationIDs::SwimmerPreparingToWaitToBeEaten);
    AddDirected(lookups, "SwimmerWaitingToBeEaten", AnimationIDs::SwimmerWaitingToBeEaten);
    for (const Meal& meal : meals) {
        for (DirectionType direction : directions) {
            lookups.push_back({"PredatorEatingPrey(" + NameOf(meal.predator) + "," + NameOf(meal.prey) + "," +
                                   NameOf(direction) + ")",
                               [=] { return AnimationIDs::PredatorEatingPrey(meal.predator, meal.prey, direction); }});
        }
    }
    AddDirected(lookups, "SwimmerEatingGrazerFromFlood", AnimationIDs::SwimmerEatingGrazerFromFlood);
    AddPlain(lookups, {PLAIN(AnimationIDs::CompleteChainMessage)});
    return lookups;
}

std::vector<IDLookup> AllGraphicLookups()
{
    std::vector<IDLookup> lookups;
    AddPlain(lookups, {PLAIN(GraphicIDs::Background)});
    for (int cursor = 0; cursor <= 7; ++cursor) {
        lookups.push_back({"Cursor(" + std::to_string(cursor) + ")",
                           [=] { return GraphicIDs::Cursor(static_cast<CursorType>(cursor)); }});
    }
    for (int time = 0; time <= 25; ++time) {
        lookups.push_back({"StarvationTimer(" + std::to_string(time) + ")", [=] { return GraphicIDs::StarvationTimer(time); }});
        lookups.push_back({"FloodTimer(" + std::to_string(time) + ")", [=] { return GraphicIDs::FloodTimer(time); }});
    }
    // Each digit run covers ten pictures.
    const std::pair<const char*, std::int16_t (*)()> digitRuns[] = {
        {"ScoreDigits", GraphicIDs::ScoreDigitsStart},
        {"TimerDigits", GraphicIDs::TimerDigitsStart},
        {"PickCountDigits", GraphicIDs::PickCountDigitsStart},
        {"FloatingScoreDigits", GraphicIDs::FloatingScoreDigitsStart},
    };
    for (const auto& [name, start] : digitRuns) {
        for (int digit = 0; digit <= 9; ++digit) {
            lookups.push_back({std::string(name) + "(" + std::to_string(digit) + ")",
                               [=] { return static_cast<std::int16_t>(start() + digit); }});
        }
    }
    const std::pair<const char*, std::int16_t (*)(ButtonType)> buttons[] = {
        {"PickButton", GraphicIDs::PickButton},
        {"PickDialogBoxUseButton", GraphicIDs::PickDialogBoxUseButton},
        {"PickDialogBoxCancelButton", GraphicIDs::PickDialogBoxCancelButton},
    };
    for (const auto& [name, function] : buttons) {
        for (int look = 0; look <= 2; ++look) {
            lookups.push_back({std::string(name) + "(" + std::to_string(look) + ")",
                               [=] { return function(static_cast<ButtonType>(look)); }});
        }
    }
    AddPlain(lookups, {PLAIN(GraphicIDs::PickDialogBox), PLAIN(GraphicIDs::PickDialogBoxSelectionOutline)});
    for (DirectionType direction : {down, left, right}) {
        lookups.push_back({"TutorialPointer(" + NameOf(direction) + ")", [=] { return GraphicIDs::TutorialPointer(direction); }});
    }
    AddPlain(lookups, {PLAIN(GraphicIDs::GameOverTopHalf), PLAIN(GraphicIDs::GameOverBottomHalf),
                       PLAIN(GraphicIDs::MultipleSpeciesExtinction), PLAIN(GraphicIDs::FlyerExtinction),
                       PLAIN(GraphicIDs::SwimmerExtinction), PLAIN(GraphicIDs::GrazerExtinction),
                       PLAIN(GraphicIDs::CannibalExtinction), PLAIN(GraphicIDs::Overpopulation)});
    AddAnimalDirected(lookups, "Object", GraphicIDs::Object, animalList);
    lookups.push_back({"Object(grass)", [] { return GraphicIDs::Object(grass, up); }});
    lookups.push_back({"Object(tree)", [] { return GraphicIDs::Object(tree, up); }});
    AddAnimalDirected(lookups, "GhostAnimal", GraphicIDs::GhostAnimal, animalList);
    AddAnimalDirected(lookups, "FloodGhostAnimal", GraphicIDs::FloodGhostAnimal, animalList);
    AddPlain(lookups, {PLAIN(GraphicIDs::Flood)});
    AddDirected(lookups, "FloodedSwimmer", GraphicIDs::FloodedSwimmer);
    AddPlain(lookups, {PLAIN(GraphicIDs::FloodedTree), PLAIN(GraphicIDs::Reverser),
                       PLAIN(GraphicIDs::ClockwiseTurner), PLAIN(GraphicIDs::CounterclockwiseTurner),
                       PLAIN(GraphicIDs::Death), PLAIN(GraphicIDs::Cloud)});
    return lookups;
}

std::vector<IDLookup> AllSoundLookups()
{
    std::vector<IDLookup> lookups;
    auto addAnimals = [&lookups](const std::string& name, std::int16_t (*function)(ObjectType),
                                 std::vector<ObjectType> objects) {
        for (ObjectType object : objects) {
            lookups.push_back({name + "(" + NameOf(object) + ")", [=] { return function(object); }});
        }
    };
    AddPlain(lookups, {PLAIN(SoundIDs::BackgroundMusic), PLAIN(SoundIDs::No), PLAIN(SoundIDs::GameOver)});
    addAnimals("AnimalReversing", SoundIDs::AnimalReversing, animalList);
    AddPlain(lookups, {PLAIN(SoundIDs::SwimmerReversingInFlood)});
    addAnimals("AnimalTurningClockwise", SoundIDs::AnimalTurningClockwise, animalList);
    addAnimals("AnimalTurningCounterclockwise", SoundIDs::AnimalTurningCounterclockwise, animalList);
    AddPlain(lookups, {PLAIN(SoundIDs::SwimmerTurningClockwiseInFlood),
                       PLAIN(SoundIDs::SwimmerTurningCounterclockwiseInFlood)});
    addAnimals("ObjectBeingKilled", SoundIDs::ObjectBeingKilled, {flyer, swimmer, grazer, cannibal, grass});
    AddPlain(lookups, {PLAIN(SoundIDs::SwimmerBeingKilledInFlood)});
    addAnimals("ObjectBeingFlooded", SoundIDs::ObjectBeingFlooded, {flyer, swimmer, grazer, cannibal, grass, tree});
    AddPlain(lookups, {PLAIN(SoundIDs::SwimmerBeingFloodedInFlood), PLAIN(SoundIDs::TreeBeingFloodedInFlood),
                       PLAIN(SoundIDs::EmptyAreaBeingFlooded), PLAIN(SoundIDs::FloodBeingFlooded),
                       PLAIN(SoundIDs::FloodEvaporating), PLAIN(SoundIDs::SwimmerFloodEvaporating),
                       PLAIN(SoundIDs::TreeFloodEvaporating)});
    addAnimals("AnimalEnteringFlood", SoundIDs::AnimalEnteringFlood, animalList);
    AddPlain(lookups, {PLAIN(SoundIDs::FlyerPreparingToEat), PLAIN(SoundIDs::FlyerFlying)});
    for (const Meal& meal : meals) {
        lookups.push_back({"PredatorEatingPrey(" + NameOf(meal.predator) + "," + NameOf(meal.prey) + ")",
                           [=] { return SoundIDs::PredatorEatingPrey(meal.predator, meal.prey); }});
    }
    AddPlain(lookups, {PLAIN(SoundIDs::SwimmerEatingGrazerFromFlood), PLAIN(SoundIDs::ExtraPickBonus),
                       PLAIN(SoundIDs::TutorialNarrationStart), PLAIN(SoundIDs::SelectionButtonPress),
                       PLAIN(SoundIDs::SelectionButtonRelease), PLAIN(SoundIDs::SelectionButtonClick),
                       PLAIN(SoundIDs::EasterEggOpening), PLAIN(SoundIDs::EasterEggClosing)});
    return lookups;
}

std::map<std::string, std::int16_t> Snapshot(const std::vector<IDLookup>& lookups)
{
    std::map<std::string, std::int16_t> ids;
    for (const IDLookup& lookup : lookups) {
        ids[lookup.name] = lookup.lookup();
    }
    return ids;
}

HiddenModes::HiddenModes()
{
    EasterEggs::RemoveAllEggs();
    EasterEggs::AddEgg("thistlecove", nullptr, EasterEggs::toggle);
    EasterEggs::AddEgg("harborlantern", nullptr, EasterEggs::toggle);
    EasterEggs::AddEgg("7kgrid", nullptr, EasterEggs::toggle);
    EasterEggs::AddEgg("250dunes", nullptr, EasterEggs::persistent);
}

HiddenModes::~HiddenModes()
{
    EasterEggs::RemoveAllEggs();
}

void HiddenModes::Type(const std::string& text)
{
    for (char character : text) {
        bool isEasterEggCharacter = false;
        EasterEggs::CheckInputCharacter(character, isEasterEggCharacter);
    }
}
