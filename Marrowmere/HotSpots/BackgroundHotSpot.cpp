#include "Marrowmere/HotSpots/BackgroundHotSpot.h"

#include "Core/Sound/Sound.h"
#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"

void BackgroundHotSpot::HandleUserMovesOver()
{
    if (ItemQueue::IsAnyItemAvailable()) {
        SpriteCursorAction::ChangeGraphic(GraphicIDs::Cursor(CursorType::no));
    } else {
        SpriteCursorAction::Hide();
    }
}

void BackgroundHotSpot::HandleUserIsStillOver()
{
    HandleUserMovesOver();
}

void BackgroundHotSpot::HandleUserBeginsSelection()
{
    Sound::PlayAsynchronously(SoundIDs::No(), 0, 1.0, 0.0);
}
