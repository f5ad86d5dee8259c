// What the animated board plays, and in which order; where the board ends up is the
// reference games' business.

#include "Core/HotSpots/HotSpot.h"
#include "Core/Sprites/Graphic8BitGroupSprite.h"
#include "Marrowmere/IDs/AnimationIDs.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/ItemQueueAnimator/ItemQueueAnimator.h"
#include "Marrowmere/LandLotHotSpot/LandLotHotSpot.h"
#include "Marrowmere/Locations/Locations.h"
#include "Marrowmere/PickDialogBox/PickButtonHotSpot.h"
#include "Marrowmere/QuiescentAnimationAction/QuiescentAnimationAction.h"
#include "Marrowmere/Scoring/Scoring.h"
#include "Marrowmere/Timers/TimerHotSpots.h"
#include "tests/Support/AnimatedBoard/AnimatedBoard.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using IDs = std::vector<ResourceID>;

class Choreography : public ::testing::Test {
protected:
    Choreography()
    {
        board.SetUp();
        BoardBuilder::Clear();
    }

    // Uses the item on the lot and resolves the turn; returns the sounds and the animations
    // that the turn looked up, in order.
    std::pair<IDs, IDs> PlayTurn(int row, int column)
    {
        board.Library().ForgetLookups();
        AnimatedBoard::ClickLot(row, column);
        EXPECT_TRUE(board.PumpUntilResolved());
        EXPECT_EQ(ScreenObjectsMismatch(), "");
        return {board.Library().LookedUp(ResourceType::sound), board.Library().LookedUp(ResourceType::animation)};
    }

    AnimatedBoard board;
};

TEST_F(Choreography, EachPlayerActionPlaysTheCueOfTheLotAsItWas)
{
    using A = AnimationIDs;
    using S = SoundIDs;
    using Q = ItemQueue;
    constexpr int nobody = -1;
    struct Case {
        int occupant;  // an ObjectType, or nobody; an item's animal is a grazer
        DirectionType direction;
        bool isFlooded;
        Q::ItemType item;
        IDs cue;  // the sound and the animation, or nothing
    };
    const Case cases[] = {
        {nobody, left, false, Q::animal, {}},
        {nobody, left, true, Q::animal, {S::AnimalEnteringFlood(grazer), A::AnimalEnteringFlood(grazer, left)}},
        {grazer, up, false, Q::reverser, {S::AnimalReversing(grazer), A::AnimalReversing(grazer, up)}},
        {swimmer, up, true, Q::reverser, {S::SwimmerReversingInFlood(), A::SwimmerReversingInFlood(up)}},
        {swimmer, right, false, Q::clockwiseTurner,
         {S::AnimalTurningClockwise(swimmer), A::AnimalTurningClockwise(swimmer, right)}},
        {swimmer, down, true, Q::counterclockwiseTurner,
         {S::SwimmerTurningCounterclockwiseInFlood(), A::SwimmerTurningCounterclockwiseInFlood(down)}},
        {flyer, left, false, Q::death, {S::ObjectBeingKilled(flyer), A::ObjectBeingKilled(flyer, left)}},
        {swimmer, left, true, Q::death, {S::SwimmerBeingKilledInFlood(), A::SwimmerBeingKilledInFlood(left)}},
        {swimmer, right, true, Q::cloud, {S::SwimmerBeingFloodedInFlood(), A::SwimmerBeingFloodedInFlood(right)}},
        {tree, up, true, Q::cloud, {S::TreeBeingFloodedInFlood(), A::TreeBeingFloodedInFlood()}},
        {nobody, up, true, Q::cloud, {S::FloodBeingFlooded(), A::FloodBeingFlooded()}},
        {grass, up, false, Q::cloud, {S::ObjectBeingFlooded(grass), A::ObjectBeingFlooded(grass, up)}},
        {nobody, up, false, Q::cloud, {S::EmptyAreaBeingFlooded(), A::EmptyAreaBeingFlooded()}},
    };
    for (const Case& example : cases) {
        SCOPED_TRACE("case " + std::to_string(&example - cases));
        BoardBuilder::Clear();
        if (example.occupant == grass || example.occupant == tree) {
            BoardBuilder::PlaceGrass(2, 2);
        }
        if (example.occupant == tree) {
            BoardBuilder::Kill(2, 2);
        }
        if (example.occupant >= flyer && example.occupant <= cannibal) {
            BoardBuilder::PlaceAnimal(static_cast<ObjectType>(example.occupant), example.direction, 2, 2);
        }
        if (example.isFlooded) {
            BoardBuilder::Flood(2, 2);
        }
        board.SetItem(example.item, grazer, example.direction);
        auto [cue, animations] = PlayTurn(2, 2);
        cue.insert(cue.end(), animations.begin(), animations.end());
        EXPECT_EQ(cue, example.cue);
    }
}

TEST_F(Choreography, AFlyerCrossesTheLotsBetweenWhileItsSwimmerWaits)
{
    BoardBuilder::PlaceAnimal(flyer, down, 0, 2);
    BoardBuilder::PlaceAnimal(swimmer, left, 3, 2);
    board.SetItem(ItemQueue::animal, grazer, up);
    const auto [sounds, animations] = PlayTurn(4, 4);

    const IDs expectedAnimations = {
        AnimationIDs::SwimmerPreparingToWaitToBeEaten(left),
        AnimationIDs::SwimmerWaitingToBeEaten(left),
        AnimationIDs::SwimmerWaitingToBeEaten(left),
        AnimationIDs::PreyPreparingToBeEaten(swimmer, left, flyer, down),
        AnimationIDs::FlyerPreparingToEat(down),
        AnimationIDs::FlyerFlying(down),
        AnimationIDs::FlyerFlying(down),
        AnimationIDs::PredatorEatingPrey(flyer, swimmer, down),
    };
    const IDs expectedSounds = {SoundIDs::FlyerPreparingToEat(), SoundIDs::FlyerFlying(), SoundIDs::FlyerFlying(),
                                SoundIDs::PredatorEatingPrey(flyer, swimmer)};
    EXPECT_EQ(animations, expectedAnimations);
    EXPECT_EQ(sounds, expectedSounds);
    // Between turns a press on a dial shows the turns left: the flyer, moved, has 25.
    HotSpot::DispatchUserBeginsSelection(Locations::StarvationTimerCenter(3, 2));
    const TimerHotSpot* dial = InhabitantsAnimator::VisualElementOf(3, 2).starvationTimerHotSpot;
    EXPECT_EQ(dial->TimeRemainingSprite()->IndividualGraphics().size(), 2u);
}

TEST_F(Choreography, ACompleteChainShowsItsMessageAndEarnsAPick)
{
    // A grazer eats the cannibal in the middle, a swimmer the grazer, a flyer from afar the
    // swimmer, and a cannibal the flyer: the four links of a chain, one pass after another.
    BoardBuilder::PlaceAnimal(cannibal, up, 2, 2);
    BoardBuilder::PlaceAnimal(grazer, right, 2, 1);
    BoardBuilder::PlaceAnimal(swimmer, down, 1, 2);
    BoardBuilder::PlaceAnimal(flyer, up, 4, 2);
    BoardBuilder::PlaceAnimal(cannibal, left, 2, 3);
    board.SetItem(ItemQueue::animal, flyer, up);
    const auto [sounds, animations] = PlayTurn(0, 0);

    EXPECT_EQ(std::count(animations.begin(), animations.end(), AnimationIDs::CompleteChainMessage()), 1);
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), SoundIDs::ExtraPickBonus()), 1);
    // The swimmer eats on dry land, so not in the manner of a swimmer in its flood.
    EXPECT_EQ(std::count(sounds.begin(), sounds.end(), SoundIDs::PredatorEatingPrey(swimmer, grazer)), 1);
    EXPECT_EQ(ItemQueue::PickCount(), 2);
    EXPECT_EQ(Scoring::Statistics().completeChainsCount, 1);
    EXPECT_TRUE(ItemQueueAnimator::PickButton()->IsActive());
}

TEST_F(Choreography, CountdownsThatRunOutPlayTheirCuesTogether)
{
    BoardBuilder::PlaceGrass(0, 0);
    BoardBuilder::PlaceAnimal(swimmer, up, 0, 4);
    BoardBuilder::Flood(0, 4);
    BoardBuilder::PlaceGrass(4, 0);
    BoardBuilder::Kill(4, 0);  // a tree
    BoardBuilder::Flood(4, 0);
    BoardBuilder::Flood(4, 4);
    for (int turn = 1; turn < Inhabitants::starvationTime; ++turn) {
        Inhabitants::DecrementStarvationTimeRemaining(0, 0);
        Inhabitants::DecrementFloodTimeRemaining(0, 4);
        Inhabitants::DecrementFloodTimeRemaining(4, 0);
        Inhabitants::DecrementFloodTimeRemaining(4, 4);
    }
    // A flooded swimmer and a flooded tree each rest as their own picture.
    EXPECT_EQ(InhabitantsAnimator::VisualElementOf(0, 4).quiescentAnimationAction->StillPictureID(),
              GraphicIDs::FloodedSwimmer(up));
    EXPECT_EQ(InhabitantsAnimator::VisualElementOf(4, 0).quiescentAnimationAction->StillPictureID(),
              GraphicIDs::FloodedTree());
    board.SetItem(ItemQueue::animal, flyer, up);
    const auto [sounds, animations] = PlayTurn(2, 2);

    EXPECT_EQ(sounds, (IDs{SoundIDs::ObjectBeingKilled(grass), SoundIDs::SwimmerFloodEvaporating(),
                           SoundIDs::TreeFloodEvaporating(), SoundIDs::FloodEvaporating()}));
    EXPECT_EQ(animations, (IDs{AnimationIDs::ObjectBeingKilled(grass, Inhabitants::Direction(0, 0)),
                               AnimationIDs::SwimmerFloodEvaporating(up), AnimationIDs::TreeFloodEvaporating(),
                               AnimationIDs::FloodEvaporating()}));
}

TEST_F(Choreography, DuringATurnNothingCanBeUsedAndTakingTheGameDownLeavesNothing)
{
    BoardBuilder::PlaceAnimal(flyer, down, 0, 2);
    BoardBuilder::PlaceAnimal(swimmer, left, 4, 2);
    board.SetItem(ItemQueue::animal, grazer, up);
    // The ghost of the item's animal shows on a free lot only.
    HotSpot::DispatchUserMovement(Locations::LandLotHotSpotCenter(0, 2));
    EXPECT_EQ(InhabitantsAnimator::VisualElementOf(0, 2).landLotHotSpot->GhostAnimalSprite(), nullptr);
    AnimatedBoard::ClickLot(4, 4);
    for (int pump = 0; pump < 6; ++pump) {
        board.Pump();
    }
    ASSERT_TRUE(InhabitantsAnimator::IsAnimating());
    EXPECT_FALSE(ItemQueueAnimator::PickButton()->IsActive());
    HotSpot::DispatchUserBeginsSelection(Locations::StarvationTimerCenter(1, 0));
    EXPECT_EQ(InhabitantsAnimator::VisualElementOf(1, 0).starvationTimerHotSpot->TimeRemainingSprite(), nullptr);
    board.TakeDown();  // checks that no sprite or hot spot is left
    EXPECT_FALSE(InhabitantsAnimator::IsAnimating());
    EXPECT_EQ(InhabitantsAnimator::VisualElementOf(0, 2).quiescentAnimationAction, nullptr);
}

} // namespace
