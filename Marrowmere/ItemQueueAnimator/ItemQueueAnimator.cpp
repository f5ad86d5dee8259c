#include "Marrowmere/ItemQueueAnimator/ItemQueueAnimator.h"

#include "Core/Sound/Sound.h"
#include "Core/Sprites/Graphic8BitGroupSprite.h"
#include "Core/Sprites/NumberSpriteBuilder.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/Locations/Locations.h"
#include "Marrowmere/PickDialogBox/PickButtonHotSpot.h"
#include "Marrowmere/QuiescentAnimationAction/QuiescentAnimationAction.h"
#include "Marrowmere/Tutorial/Tutorial.h"

PickButtonHotSpot* ItemQueueAnimator::pickButtonHotSpot = nullptr;
Graphic8BitGroupSprite* ItemQueueAnimator::pickCountSprite = nullptr;
QuiescentAnimationAction* ItemQueueAnimator::quiescentAnimationAction = nullptr;

void ItemQueueAnimator::SetUp()
{
    ItemQueue::SetUp();
    ItemQueue::ChooseNextItem();
    CreateQuiescentAnimationAction();
    ItemQueue::MakeCurrentItemAvailable();
    ItemQueue::SetPickCount(startingPickCount);
    delete pickCountSprite;
    pickCountSprite = new Graphic8BitGroupSprite(Point2D(0, 0), pickCountRenderingOrderPosition);
    BuildPickCountSprite();
    delete pickButtonHotSpot;
    pickButtonHotSpot = new PickButtonHotSpot;
}

void ItemQueueAnimator::TakeDown()
{
    delete pickButtonHotSpot;
    pickButtonHotSpot = nullptr;
    delete pickCountSprite;
    pickCountSprite = nullptr;
    DestroyQuiescentAnimationAction();
    ItemQueue::TakeDown();
}

void ItemQueueAnimator::AnimateChooseNextItem()
{
    if (Tutorial::IsActive()) {
        return;
    }
    SequencedAction::StartNewSequence();
    new ChooseNextItemAction;
    new CreateQuiescentAnimationActionAction;
    new MakeCurrentItemAvailableAction;
}

void ItemQueueAnimator::AnimateUseCurrentItem()
{
    SequencedAction::StartNewSequence();
    new MakeCurrentItemUnavailableAction;
    new DestroyQuiescentAnimationActionAction;
}

void ItemQueueAnimator::AnimateSetCurrentItem(ItemQueue::ItemType item, ObjectType animal, DirectionType direction)
{
    SequencedAction::StartNewSequence();
    new MakeCurrentItemUnavailableAction;
    new DestroyQuiescentAnimationActionAction;
    new SetCurrentItemAction(item, animal, direction);
    new CreateQuiescentAnimationActionAction;
    new MakeCurrentItemAvailableAction;
}

void ItemQueueAnimator::ActivatePickButtonHotSpot()
{
    if (pickButtonHotSpot != nullptr) {
        pickButtonHotSpot->Activate();
    }
}

void ItemQueueAnimator::AnimateIncrementPickCount(int increment)
{
    ItemQueue::SetPickCount(ItemQueue::PickCount() + increment);
    BuildPickCountSprite();
    // The sound plays in a sequence of its own; the new number blinks meanwhile.
    SequencedAction::StartNewSequence();
    new Sound::PlayAsynchronouslyAction(SoundIDs::ExtraPickBonus(), 0, 1.0, 0.0);
    for (int change = 0; change < pickCountBlinkChanges; ++change) {
        new WaitAction(pickCountBlinkPeriod);
        if (change % 2 == 0) {
            new Sprite::HideAction(pickCountSprite);
        } else {
            new Sprite::ShowAction(pickCountSprite);
        }
    }
}

void ItemQueueAnimator::AnimateDecrementPickCount(int increment)
{
    ItemQueue::SetPickCount(ItemQueue::PickCount() - increment);
    BuildPickCountSprite();
}

void ItemQueueAnimator::AdjustForThistleCove()
{
    RecreateQuiescentAnimationAction();
}

void ItemQueueAnimator::AdjustFor7KGrid()
{
    RecreateQuiescentAnimationAction();
}

void ItemQueueAnimator::RecreateQuiescentAnimationAction()
{
    if (quiescentAnimationAction != nullptr) {
        DestroyQuiescentAnimationAction();
        CreateQuiescentAnimationAction();
    }
}

void ItemQueueAnimator::CreateQuiescentAnimationAction()
{
    DestroyQuiescentAnimationAction();
    SequencedAction::StartNewSequence();
    quiescentAnimationAction = new QuiescentAnimationAction(QuiescentAnimationAction::queueArea,
                                                            Locations::ItemQueueAnimationPosition(), 0, 0);
}

void ItemQueueAnimator::DestroyQuiescentAnimationAction()
{
    delete quiescentAnimationAction;
    quiescentAnimationAction = nullptr;
}

void ItemQueueAnimator::BuildPickCountSprite()
{
    if (pickCountSprite != nullptr) {
        NumberSpriteBuilder::BuildCentered(ItemQueue::PickCount(), *pickCountSprite,
                                           GraphicIDs::PickCountDigitsStart(), Locations::PickCountPosition());
    }
}

void ItemQueueAnimator::ChooseNextItemAction::operator()()
{
    ItemQueue::ChooseNextItem();
    delete this;
}

void ItemQueueAnimator::SetCurrentItemAction::operator()()
{
    ItemQueue::SetCurrentItem(item, animal, direction);
    delete this;
}

void ItemQueueAnimator::MakeCurrentItemAvailableAction::operator()()
{
    ItemQueue::MakeCurrentItemAvailable();
    if (ItemQueue::PickCount() > 0) {
        ActivatePickButtonHotSpot();
    }
    delete this;
}

void ItemQueueAnimator::MakeCurrentItemUnavailableAction::operator()()
{
    ItemQueue::MakeCurrentItemUnavailable();
    if (pickButtonHotSpot != nullptr) {
        pickButtonHotSpot->Deactivate();
    }
    delete this;
}

void ItemQueueAnimator::CreateQuiescentAnimationActionAction::operator()()
{
    CreateQuiescentAnimationAction();
    delete this;
}

void ItemQueueAnimator::DestroyQuiescentAnimationActionAction::operator()()
{
    DestroyQuiescentAnimationAction();
    delete this;
}
