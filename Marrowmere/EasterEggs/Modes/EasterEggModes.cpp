// The four hidden modes of the game and what happens when their words are typed.

#include "Core/Sound/Sound.h"
#include "Marrowmere/EasterEggs/EasterEggs.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/InhabitantsAnimator/InhabitantsAnimator.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"
#include "Marrowmere/ItemQueueAnimator/ItemQueueAnimator.h"
#include "Marrowmere/PickDialogBox/PickDialogBox.h"

namespace {

constexpr int picksPerTwoFiftyDunes = 100;

// The opening sound when the toggle has just switched its mode on, the closing sound when off.
void PlayToggleSound(EasterEggs::NameType name)
{
    const bool isOn = EasterEggs::IsActive(name);
    Sound::PlayAsynchronously(isOn ? SoundIDs::EasterEggOpening() : SoundIDs::EasterEggClosing(), 0, 1.0, 0.0);
}

} // namespace

void EasterEggs::Initialize()
{
    RemoveAllEggs();
    AddEgg("thistlecove", HandleThistleCove, toggle);
    AddEgg("harborlantern", HandleHarborLantern, toggle);
    AddEgg("7kgrid", Handle7KGrid, toggle);
    AddEgg("250dunes", HandleTwoFiftyDunes, persistent);
}

void EasterEggs::Finalize()
{
    RemoveAllEggs();
}

void EasterEggs::HandleThistleCove()
{
    PlayToggleSound(thistleCove);
    ItemQueueAnimator::AdjustForThistleCove();
}

void EasterEggs::HandleHarborLantern()
{
    PlayToggleSound(harborLantern);
    InhabitantsAnimator::AdjustForHarborLantern();
}

void EasterEggs::Handle7KGrid()
{
    PlayToggleSound(sevenKGrid);
    InhabitantsAnimator::AdjustFor7KGrid();
    ItemQueueAnimator::AdjustFor7KGrid();
}

void EasterEggs::HandleTwoFiftyDunes()
{
    ItemQueueAnimator::AnimateIncrementPickCount(picksPerTwoFiftyDunes);
    // The pick button may only be used on an item that is on offer, and not twice at once:
    // during a turn's resolution, on the game-over screen or with the pick dialog open it comes
    // back with the next offered item (or when the dialog closes), now that picks remain.
    if (ItemQueue::IsAnyItemAvailable() && !PickDialogBox::IsOpen()) {
        ItemQueueAnimator::ActivatePickButtonHotSpot();
    }
}
