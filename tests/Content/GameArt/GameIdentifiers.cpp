#include "tests/Content/GameArt/GameIdentifiers.h"

#include "Marrowmere/IDs/AnimationIDs.h"
#include "Marrowmere/IDs/GraphicIDs.h"

namespace {

constexpr ObjectType animals[] = {flyer, swimmer, grazer, cannibal};
constexpr DirectionType directions[] = {up, down, left, right};
constexpr ButtonType buttons[] = {ButtonType::normal, ButtonType::pressed, ButtonType::disabled};

} // namespace

std::set<ResourceID> IdleStillIDs()
{
    std::set<ResourceID> ids = {GraphicIDs::Flood(), GraphicIDs::FloodedTree(), GraphicIDs::Reverser(),
                                GraphicIDs::ClockwiseTurner(), GraphicIDs::CounterclockwiseTurner(),
                                GraphicIDs::Death(), GraphicIDs::Cloud()};
    for (ObjectType object : {flyer, swimmer, grazer, cannibal, grass, tree}) {
        for (DirectionType d : directions) {
            ids.insert(GraphicIDs::Object(object, d));
            ids.insert(GraphicIDs::FloodedSwimmer(d));
        }
    }
    return ids;
}

std::set<ResourceID> GameGraphicIDs()
{
    std::set<ResourceID> ids = IdleStillIDs();
    ids.insert({GraphicIDs::Background(), GraphicIDs::PickDialogBox(), GraphicIDs::PickDialogBoxSelectionOutline(),
                GraphicIDs::GameOverTopHalf(), GraphicIDs::GameOverBottomHalf(),
                GraphicIDs::MultipleSpeciesExtinction(), GraphicIDs::FlyerExtinction(),
                GraphicIDs::SwimmerExtinction(), GraphicIDs::GrazerExtinction(), GraphicIDs::CannibalExtinction(),
                GraphicIDs::Overpopulation(), GraphicIDs::TutorialPointer(right), GraphicIDs::TutorialPointer(left),
                GraphicIDs::TutorialPointer(down)});
    for (int cursor = 0; cursor <= static_cast<int>(CursorType::cloud); ++cursor) {
        ids.insert(GraphicIDs::Cursor(static_cast<CursorType>(cursor)));
    }
    for (int time = 0; time <= 25; ++time) {
        ids.insert({GraphicIDs::StarvationTimer(time), GraphicIDs::FloodTimer(time)});
    }
    for (int digit = 0; digit < 10; ++digit) {
        for (int start : {GraphicIDs::ScoreDigitsStart(), GraphicIDs::TimerDigitsStart(),
                          GraphicIDs::PickCountDigitsStart(), GraphicIDs::FloatingScoreDigitsStart()}) {
            ids.insert(static_cast<ResourceID>(start + digit));
        }
    }
    for (ButtonType button : buttons) {
        ids.insert({GraphicIDs::PickButton(button), GraphicIDs::PickDialogBoxUseButton(button),
                    GraphicIDs::PickDialogBoxCancelButton(button)});
    }
    for (ObjectType animal : animals) {
        for (DirectionType d : directions) {
            ids.insert({GraphicIDs::GhostAnimal(animal, d), GraphicIDs::FloodGhostAnimal(animal, d)});
        }
    }
    return ids;
}

std::set<ResourceID> GameAnimationIDs()
{
    std::set<ResourceID> ids = {AnimationIDs::TreeBeingFloodedInFlood(), AnimationIDs::EmptyAreaBeingFlooded(),
                                AnimationIDs::FloodBeingFlooded(), AnimationIDs::FloodEvaporating(),
                                AnimationIDs::TreeFloodEvaporating(), AnimationIDs::GrassPreparingToBeEaten(),
                                AnimationIDs::CompleteChainMessage(), AnimationIDs::ObjectBeingKilled(grass, up),
                                AnimationIDs::ObjectBeingFlooded(grass, up), AnimationIDs::ObjectBeingFlooded(tree, up)};
    for (DirectionType d : directions) {
        ids.insert({AnimationIDs::SwimmerReversingInFlood(d), AnimationIDs::SwimmerTurningClockwiseInFlood(d),
                    AnimationIDs::SwimmerTurningCounterclockwiseInFlood(d), AnimationIDs::SwimmerBeingKilledInFlood(d),
                    AnimationIDs::SwimmerBeingFloodedInFlood(d), AnimationIDs::SwimmerFloodEvaporating(d),
                    AnimationIDs::FlyerPreparingToEat(d), AnimationIDs::FlyerFlying(d),
                    AnimationIDs::SwimmerPreparingToWaitToBeEaten(d), AnimationIDs::SwimmerWaitingToBeEaten(d),
                    AnimationIDs::SwimmerEatingGrazerFromFlood(d), AnimationIDs::PredatorEatingPrey(flyer, swimmer, d),
                    AnimationIDs::PredatorEatingPrey(swimmer, grazer, d),
                    AnimationIDs::PredatorEatingPrey(grazer, cannibal, d),
                    AnimationIDs::PredatorEatingPrey(grazer, grass, d),
                    AnimationIDs::PredatorEatingPrey(cannibal, flyer, d),
                    AnimationIDs::PredatorEatingPrey(cannibal, cannibal, d)});
        for (ObjectType animal : animals) {
            ids.insert({AnimationIDs::AnimalReversing(animal, d), AnimationIDs::AnimalTurningClockwise(animal, d),
                        AnimationIDs::AnimalTurningCounterclockwise(animal, d),
                        AnimationIDs::ObjectBeingKilled(animal, d), AnimationIDs::ObjectBeingFlooded(animal, d),
                        AnimationIDs::AnimalEnteringFlood(animal, d)});
        }
        for (DirectionType preyDirection : directions) {
            ids.insert({AnimationIDs::PreyPreparingToBeEaten(flyer, preyDirection, cannibal, d),
                        AnimationIDs::PreyPreparingToBeEaten(swimmer, preyDirection, flyer, d),
                        AnimationIDs::PreyPreparingToBeEaten(grazer, preyDirection, swimmer, d),
                        AnimationIDs::PreyPreparingToBeEaten(cannibal, preyDirection, grazer, d),
                        AnimationIDs::PreyPreparingToBeEaten(cannibal, preyDirection, cannibal, d)});
        }
    }
    return ids;
}
