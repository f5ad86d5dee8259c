#include "tests/Support/AnimatedBoard/AnimatedBoard.h"

#include "Core/GameState/GameState.h"
#include "Core/HotSpots/HotSpot.h"
#include "Core/Math/RandomGenerator.h"
#include "Core/Resource/ResourceProblems.h"
#include "Core/SequencedActions/SequencedAction.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Core/Sprites/Sprite.h"
#include "Core/Timer/Timer.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/InhabitantsAnimator/InhabitantsAnimator.h"
#include "Marrowmere/ItemQueueAnimator/ItemQueueAnimator.h"
#include "Marrowmere/LandLotHotSpot/LandLotHotSpot.h"
#include "Marrowmere/Locations/Locations.h"
#include "Marrowmere/PickDialogBox/PickDialogBox.h"
#include "Marrowmere/Scoring/Scoring.h"
#include "Marrowmere/ScoringAnimator/ScoringAnimator.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"

#include <gtest/gtest.h>

AnyAnimationLibrary::AnyAnimationLibrary(int frameCount)
{
    std::vector<AnimationFrameBytes> frames;
    for (int frame = 0; frame < frameCount; ++frame) {
        frames.push_back({static_cast<ResourceID>(9000 + frame), frame, 0});
    }
    animationBlock = AnimationBlockBytes("20", frames);
}

const void* AnyAnimationLibrary::GetPlatformSpecificResource(std::uint32_t type, ResourceID id)
{
    lookups.emplace_back(type, id);
    const void* block = InMemoryResourceLibrary::GetPlatformSpecificResource(type, id);
    if (block == nullptr && type == ResourceType::animation) {
        Add(type, id, animationBlock);
        block = InMemoryResourceLibrary::GetPlatformSpecificResource(type, id);
    }
    return block;
}

std::vector<ResourceID> AnyAnimationLibrary::LookedUp(std::uint32_t type) const
{
    std::vector<ResourceID> ids;
    for (const auto& [lookedUpType, id] : lookups) {
        if (lookedUpType == type) {
            ids.push_back(id);
        }
    }
    return ids;
}

AnimatedBoard::AnimatedBoard(int frameCount) : library(new AnyAnimationLibrary(frameCount))
{
    Resource::Initialize(library);
    ResourceProblems::SetOutput(&reportedProblems);
    Timer::SetClockSource([this] { return static_cast<long>(now * 1000.0); });
    Timer::Initialize();
}

AnimatedBoard::~AnimatedBoard()
{
    TakeDown();
    Timer::Reset();
    ResourceProblems::SetOutput(nullptr);
    Resource::Finalize();
}

void AnimatedBoard::SetUp()
{
    GameState::SetState(GameState::playing);
    InhabitantsAnimator::SetUp();
    ScoringAnimator::SetUp();
    ItemQueueAnimator::SetUp();
    PickDialogBox::SetUp();
    isSetUp = true;
}

void AnimatedBoard::TakeDown()
{
    if (!isSetUp) {
        return;
    }
    isSetUp = false;
    PickDialogBox::TakeDown();
    ItemQueueAnimator::TakeDown();
    ScoringAnimator::TakeDown();
    InhabitantsAnimator::TakeDown();
    SequencedAction::RemoveAllActions();
    EXPECT_EQ(Sprite::LiveSpriteCount(), 0u);
    EXPECT_EQ(HotSpot::LiveHotSpotCount(), 0u);
}

void AnimatedBoard::NewGame(std::uint32_t seed)
{
    TakeDown();
    RandomGenerator::Seed(seed);
    SetUp();
}

void AnimatedBoard::Pump()
{
    now += 1.0 / 60.0;
    SequencedAction::HandleNextActions(Timer::PausableTime());
}

bool AnimatedBoard::PumpUntilResolved()
{
    for (int pump = 0; pump < 60 * 60; ++pump) {
        Pump();
        if (Inhabitants::IsResolved() &&
            (ItemQueue::IsAnyItemAvailable() || GameState::State() == GameState::endingGame)) {
            return true;
        }
    }
    return false;
}

void AnimatedBoard::SetItem(ItemQueue::ItemType item, ObjectType animal, DirectionType direction)
{
    ItemQueueAnimator::AnimateSetCurrentItem(item, animal, direction);
    Pump();
}

void AnimatedBoard::Click(const Point2D& point)
{
    HotSpot::DispatchUserMovement(point);
    HotSpot::DispatchUserBeginsSelection(point);
    HotSpot::DispatchUserEndsSelection(point);
}

void AnimatedBoard::ClickLot(int row, int column)
{
    Click(Locations::LandLotHotSpotCenter(row, column));
}

std::vector<AnimatedBoard::Move> AnimatedBoard::LegalMoves()
{
    std::vector<Move> moves;
    if (!ItemQueue::IsAnyItemAvailable()) {
        return moves;
    }
    for (int lot = 0; lot < Inhabitants::rowCount * Inhabitants::columnCount; ++lot) {
        const Move move{Inhabitants::RowOfLot(lot), Inhabitants::ColumnOfLot(lot)};
        if (LandLotHotSpot::CanItemBeUsed(ItemQueue::CurrentItem(), move.row, move.column)) {
            moves.push_back(move);
        }
    }
    return moves;
}

AnimatedBoard::TurnResult AnimatedBoard::PlayMove(int row, int column)
{
    const Scoring::StatisticsType before = Scoring::Statistics();
    ClickLot(row, column);
    const bool wasPlayed = !Inhabitants::IsResolved();
    if (wasPlayed) {
        EXPECT_TRUE(PumpUntilResolved()) << "the turn on lot " << row << "," << column;
    }
    const Scoring::StatisticsType after = Scoring::Statistics();
    return {wasPlayed, after.currentTurnScore, after.totalEatingsCount - before.totalEatingsCount,
            after.completeChainsCount - before.completeChainsCount, GameState::State() == GameState::endingGame};
}

AnimatedBoard::TurnResult AnimatedBoard::PlayItem(ItemQueue::ItemType item, ObjectType animal,
                                                  DirectionType direction, int row, int column)
{
    SetItem(item, animal, direction);
    return PlayMove(row, column);
}

bool AnimatedBoard::UsePick(ItemQueue::ItemType item, ObjectType animal, DirectionType direction)
{
    const int picks = ItemQueue::PickCount();
    Click(Locations::PickButtonHotSpotCenter());
    if (!PickDialogBox::IsOpen()) {
        return false;
    }
    Click(Locations::PickDialogBoxItemHotSpotCenter(item, animal, direction));
    Click(Locations::PickDialogBoxUseButtonHotSpotCenter());
    Pump();
    return ItemQueue::PickCount() == picks - 1;
}

void BoardBuilder::Empty()
{
    for (int row = 0; row < rowCount; ++row) {
        for (int column = 0; column < columnCount; ++column) {
            DestroyQuiescentAnimationAction(row, column);
            DestroyStarvationTimer(row, column);
            DestroyFloodTimer(row, column);
        }
    }
    Inhabitants::SetUp();
}

void BoardBuilder::Clear()
{
    Empty();
    PlaceAnimal(flyer, left, 1, 0);
    PlaceAnimal(swimmer, left, 2, 0);
    PlaceAnimal(grazer, left, 3, 0);
    PlaceAnimal(cannibal, right, 1, 4);
}

void BoardBuilder::PlaceGrass(int row, int column)
{
    // An animal killed on dry land becomes grass.
    PlaceAnimal(grazer, up, row, column);
    Kill(row, column);
}

std::string DescribeGame()
{
    std::ostringstream text;
    for (int lot = 0; lot < Inhabitants::rowCount * Inhabitants::columnCount; ++lot) {
        const int row = Inhabitants::RowOfLot(lot);
        const int column = Inhabitants::ColumnOfLot(lot);
        text << (column == 0 ? "\n" : " ");
        if (Inhabitants::IsOccupied(row, column)) {
            const Inhabitants::ScoringInformation& record = Inhabitants::ScoringInformationOf(row, column);
            text << int{Inhabitants::Object(row, column)} << int{Inhabitants::Direction(row, column)} << "/"
                 << record.value << "," << record.eatingsCount << "," << record.completeChainsCount;
        } else {
            text << ".";
        }
        if (Inhabitants::IsTimed(row, column)) {
            text << "s" << Inhabitants::StarvationTimeRemaining(row, column);
        }
        if (Inhabitants::IsFlooded(row, column)) {
            text << "~" << Inhabitants::FloodTimeRemaining(row, column);
        }
    }
    const Scoring::StatisticsType s = Scoring::Statistics();
    text << "\nscore " << Scoring::Score() << " statistics";
    for (int value : {s.currentTurnScore, s.bestTurnScore, s.totalTurnsCount, s.totalEatingsCount,
                      s.singleEatingsCount, s.twoChainEatingsCount, s.threeChainEatingsCount,
                      s.fourChainEatingsCount, s.fivePlusChainEatingsCount, s.longestChainCount,
                      s.completeChainsCount}) {
        text << " " << value;
    }
    text << "\npicks " << ItemQueue::PickCount() << " item " << int{ItemQueue::CurrentItem()};
    // A tool leaves the animal and direction of an earlier item behind; they mean nothing then.
    if (ItemQueue::CurrentItem() == ItemQueue::animal) {
        text << "/" << int{ItemQueue::CurrentAnimal()} << int{ItemQueue::CurrentDirection()};
    }
    text << " available " << ItemQueue::IsAnyItemAvailable() << " over " << Inhabitants::IsGameOver();
    return text.str();
}

std::string ScreenObjectsMismatch()
{
    // A dial's picture id, 0 without a dial, -1 for a sprite without its hot spot or back.
    const auto dial = [](const Graphic8BitSprite* sprite, const void* hotSpot) {
        return sprite != nullptr && hotSpot != nullptr ? sprite->GraphicResourceID() : -int{sprite || hotSpot};
    };
    std::ostringstream text;
    for (int lot = 0; lot < Inhabitants::rowCount * Inhabitants::columnCount; ++lot) {
        const int row = Inhabitants::RowOfLot(lot);
        const int column = Inhabitants::ColumnOfLot(lot);
        const InhabitantsAnimator::VisualElement& element = InhabitantsAnimator::VisualElementOf(row, column);
        const bool isTimed = Inhabitants::IsTimed(row, column);
        const bool isFlooded = Inhabitants::IsFlooded(row, column);
        if ((element.quiescentAnimationAction != nullptr) != (Inhabitants::IsOccupied(row, column) || isFlooded) ||
            dial(element.starvationTimerSprite, element.starvationTimerHotSpot) !=
                (isTimed ? GraphicIDs::StarvationTimer(Inhabitants::StarvationTimeRemaining(row, column)) : 0) ||
            dial(element.floodTimerSprite, element.floodTimerHotSpot) !=
                (isFlooded ? GraphicIDs::FloodTimer(Inhabitants::FloodTimeRemaining(row, column)) : 0) ||
            element.landLotHotSpot == nullptr) {
            text << "lot " << row << "," << column << "; ";
        }
    }
    if ((ItemQueueAnimator::CurrentItemAnimation() != nullptr) != ItemQueue::IsAnyItemAvailable()) {
        text << "the queue's idle animation";
    }
    return text.str();
}
