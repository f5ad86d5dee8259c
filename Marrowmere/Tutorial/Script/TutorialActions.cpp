#include "Marrowmere/Tutorial/Script/TutorialActions.h"

#include "Core/HotSpots/HotSpot.h"
#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Marrowmere/Inhabitants/Inhabitants.h"
#include "Marrowmere/ItemQueueAnimator/ItemQueueAnimator.h"

void Tutorial::ShowCursorAction::operator()()
{
    delete hideCursorHotSpot;
    hideCursorHotSpot = nullptr;
    delete this;
}

void Tutorial::HideCursorAction::operator()()
{
    delete hideCursorHotSpot;
    hideCursorHotSpot = new HideCursorHotSpot;
    delete this;
}

void Tutorial::PressSelectionButtonAction::operator()()
{
    HotSpot::DispatchUserBeginsSelection(SpriteCursorAction::Position());
    delete this;
}

void Tutorial::ReleaseSelectionButtonAction::operator()()
{
    HotSpot::DispatchUserEndsSelection(SpriteCursorAction::Position());
    delete this;
}

void Tutorial::WaitForBoardResolutionAction::operator()()
{
    if (Inhabitants::IsResolved()) {
        delete this;
    }
}

void Tutorial::SetItemQueueItemAction::operator()()
{
    ItemQueueAnimator::AnimateSetCurrentItem(item, animal, direction);
    delete this;
}

void Tutorial::HideCursorHotSpot::HandleUserMovesOver()
{
    SpriteCursorAction::Hide();
}
