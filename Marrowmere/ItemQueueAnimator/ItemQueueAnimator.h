#pragma once

#include "Core/SequencedActions/SequencedAction.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"

class Graphic8BitGroupSprite;
class PickButtonHotSpot;
class QuiescentAnimationAction;

// The visible side of the item queue: the current item's idle animation in the queue box,
// the pick count and its blinking, the pick button, and the steps that make the item
// available or unavailable around each turn. It is the only writer of the queue. One queue
// per process, so every member is static.
class ItemQueueAnimator {
public:
    // A fresh queue: the first item chosen, shown and available, one pick, the pick button.
    static void SetUp();
    static void TakeDown();

    // At the end of a turn: the next item chosen at random, shown and made available. Does
    // nothing while the tutorial runs, which sets its items itself.
    static void AnimateChooseNextItem();
    // At the start of a turn: the item becomes unavailable and its idle animation goes.
    static void AnimateUseCurrentItem();
    // The given item replaces the current one and becomes available (picks, the tutorial).
    static void AnimateSetCurrentItem(ItemQueue::ItemType item, ObjectType animal, DirectionType direction);

    static void ActivatePickButtonHotSpot();
    // Earned picks: the count rises at once, a sound plays and the new number blinks three
    // times over two seconds.
    static void AnimateIncrementPickCount(int increment);
    static void AnimateDecrementPickCount(int increment);

    // The hidden modes changed the idle pictures: the queue's idle animation is made anew.
    static void AdjustForThistleCove();
    static void AdjustFor7KGrid();

    static const PickButtonHotSpot* PickButton() { return pickButtonHotSpot; }
    static const Graphic8BitGroupSprite* PickCountSprite() { return pickCountSprite; }
    static const QuiescentAnimationAction* CurrentItemAnimation() { return quiescentAnimationAction; }

    static constexpr int pickCountRenderingOrderPosition = 8;
    static constexpr int startingPickCount = 1;
    static constexpr double pickCountBlinkPeriod = 1.0 / 3.0;  // seconds between hiding and showing
    static constexpr int pickCountBlinkChanges = 6;

    class ChooseNextItemAction;
    class SetCurrentItemAction;
    class MakeCurrentItemAvailableAction;
    class MakeCurrentItemUnavailableAction;
    class CreateQuiescentAnimationActionAction;
    class DestroyQuiescentAnimationActionAction;

private:
    static void CreateQuiescentAnimationAction();
    static void DestroyQuiescentAnimationAction();
    static void RecreateQuiescentAnimationAction();
    static void BuildPickCountSprite();

    static PickButtonHotSpot* pickButtonHotSpot;
    static Graphic8BitGroupSprite* pickCountSprite;
    static QuiescentAnimationAction* quiescentAnimationAction;
};

class ItemQueueAnimator::ChooseNextItemAction : public SequencedAction {
public:
    void operator()() override;
};

class ItemQueueAnimator::SetCurrentItemAction : public SequencedAction {
public:
    SetCurrentItemAction(ItemQueue::ItemType item, ObjectType animal, DirectionType direction)
        : item(item), animal(animal), direction(direction) {}
    void operator()() override;

private:
    ItemQueue::ItemType item;
    ObjectType animal;
    DirectionType direction;
};

// Makes the item available, and the pick button active when picks remain.
class ItemQueueAnimator::MakeCurrentItemAvailableAction : public SequencedAction {
public:
    void operator()() override;
};

// Makes the item unavailable and the pick button inactive.
class ItemQueueAnimator::MakeCurrentItemUnavailableAction : public SequencedAction {
public:
    void operator()() override;
};

class ItemQueueAnimator::CreateQuiescentAnimationActionAction : public SequencedAction {
public:
    void operator()() override;
};

class ItemQueueAnimator::DestroyQuiescentAnimationActionAction : public SequencedAction {
public:
    void operator()() override;
};
