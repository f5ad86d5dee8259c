#include "Marrowmere/GameOverAction/GameOverAction.h"

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/GameState/GameState.h"
#include "Core/Math/Math.h"
#include "Core/Sound/Sound.h"
#include "Core/SpriteCursorAction/SpriteCursorAction.h"
#include "Core/Sprites/Graphic8BitSprite.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/IDs/SoundIDs.h"
#include "Marrowmere/Inhabitants/Inhabitants.h"
#include "Marrowmere/Locations/Locations.h"

#include <algorithm>

GameOverAction* GameOverAction::instance = nullptr;

GameOverAction::GameOverAction()
    : topHalfSprite(std::make_unique<Graphic8BitSprite>(GraphicIDs::GameOverTopHalf(), Point2D(0, 0),
                                                        bannerRenderingOrderPosition)),
      bottomHalfSprite(std::make_unique<Graphic8BitSprite>(GraphicIDs::GameOverBottomHalf(), Point2D(0, 0),
                                                           bannerRenderingOrderPosition)),
      reasonSprite(std::make_unique<Graphic8BitSprite>(ReasonGraphicResourceID(), Point2D(0, 0),
                                                       reasonRenderingOrderPosition))
{
    GameState::SetState(GameState::endingGame);
    instance = this;

    // The stack of top half, bottom half and reason panel is centred in the board area; the
    // halves come in from beyond the left and right edges, the panel from above the screen.
    const Point2D origin = Locations::InhabitantsAreaOrigin();
    const Point2D size = Locations::InhabitantsAreaSize();
    const auto centredX = [&](const Graphic8BitSprite& sprite) { return (size.x - sprite.Width()) / 2 + origin.x; };
    const int stackHeight = topHalfSprite->Height() + bottomHalfSprite->Height() + reasonSprite->Height();
    const int topY = (size.y - stackHeight) / 2 + origin.y;
    const int bottomY = topY + topHalfSprite->Height();

    initialTopHalfPosition = {-topHalfSprite->Width(), topY};
    finalTopHalfPosition = {centredX(*topHalfSprite), topY};
    initialBottomHalfPosition = {DisplayScreen8Bit::Width(), bottomY};
    finalBottomHalfPosition = {centredX(*bottomHalfSprite), bottomY};
    initialReasonPosition = {centredX(*reasonSprite), -reasonSprite->Height()};
    finalReasonPosition = {centredX(*reasonSprite), bottomY + bottomHalfSprite->Height()};

    topHalfSprite->ChangePosition(initialTopHalfPosition);
    bottomHalfSprite->ChangePosition(initialBottomHalfPosition);
    reasonSprite->ChangePosition(initialReasonPosition);
}

GameOverAction::~GameOverAction()
{
    if (instance == this) {
        instance = nullptr;
    }
}

void GameOverAction::operator()()
{
    if (IsFirstInvocation()) {
        Sound::PlayAsynchronously(SoundIDs::GameOver(), 0, 1.0, 0.0);
    }
    if (hasCompleted) {
        return;
    }
    if (!isGameOverInPlace) {
        MoveBanner();
    } else {
        DropReason();
    }
}

void GameOverAction::MoveBanner()
{
    if (topHalfSprite->Position() == finalTopHalfPosition && bottomHalfSprite->Position() == finalBottomHalfPosition) {
        isGameOverInPlace = true;
        reasonElapsedTimeOffset = ElapsedTime();
        return;
    }
    // Clamped, never overshot, however long a pump takes.
    const double travelled = ElapsedTime() * bannerSpeed;
    topHalfSprite->ChangePosition(
        {std::min(RoundToInteger(initialTopHalfPosition.x + travelled), finalTopHalfPosition.x), finalTopHalfPosition.y});
    bottomHalfSprite->ChangePosition({std::max(RoundToInteger(initialBottomHalfPosition.x - travelled),
                                               finalBottomHalfPosition.x),
                                      finalBottomHalfPosition.y});
}

void GameOverAction::DropReason()
{
    if (reasonSprite->Position() == finalReasonPosition) {
        endGameHotSpot = std::make_unique<EndGameHotSpot>();
        hasCompleted = true;
        return;
    }
    const double travelled = (ElapsedTime() - reasonElapsedTimeOffset) * reasonSpeed;
    reasonSprite->ChangePosition(
        {finalReasonPosition.x, std::min(RoundToInteger(initialReasonPosition.y + travelled), finalReasonPosition.y)});
}

ResourceID GameOverAction::ReasonGraphicResourceID()
{
    if (Inhabitants::AreMultipleSpeciesExtinct()) {
        return GraphicIDs::MultipleSpeciesExtinction();
    }
    if (Inhabitants::AreFlyersExtinct()) {
        return GraphicIDs::FlyerExtinction();
    }
    if (Inhabitants::AreSwimmersExtinct()) {
        return GraphicIDs::SwimmerExtinction();
    }
    if (Inhabitants::AreGrazersExtinct()) {
        return GraphicIDs::GrazerExtinction();
    }
    if (Inhabitants::AreCannibalsExtinct()) {
        return GraphicIDs::CannibalExtinction();
    }
    // Overpopulation is the one reason left; it also stands for a board that is not over.
    return GraphicIDs::Overpopulation();
}

void GameOverAction::EndGameHotSpot::HandleUserMovesOver()
{
    SpriteCursorAction::Hide();
}

void GameOverAction::EndGameHotSpot::HandleUserBeginsSelection()
{
    GameState::SetState(GameState::gameOver);
}
