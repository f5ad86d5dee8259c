#pragma once

#include "Core/HotSpots/HotSpotShapes.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"

#include <memory>

class Graphic8BitSprite;

// A lot of the board as a hot spot: where the player uses the current item. While the
// pointer is over it, the pointer's picture tells whether the item can be used here, and for
// an animal on a free lot a ghost of the animal shows where it would stand. A press uses the
// item (the board's animator plays the action and resolves the turn) or plays the refusal
// sound.
class LandLotHotSpot : public RectangleHotSpot {
public:
    LandLotHotSpot(int row, int column);
    ~LandLotHotSpot() override;

    void HandleUserMovesOver() override;
    void HandleUserIsStillOver() override;
    void HandleUserMovesAway() override;
    void HandleUserBeginsSelection() override;

    // The ghost of the item's animal; null when none is shown.
    const Graphic8BitSprite* GhostAnimalSprite() const { return ghostAnimalSprite.get(); }

    // Whether an item of this kind can be used on the lot at (row, column) of the board as it is.
    static bool CanItemBeUsed(ItemQueue::ItemType item, int row, int column);

    static constexpr int hitDetectionPosition = 5;
    static constexpr int ghostRenderingOrderPosition = 3;
    // Points every turn earns for itself.
    static constexpr int turnScore = 50;

private:
    // Whether the current item may be used on this lot now.
    bool CanCurrentItemBeUsed() const;
    // Shows the ghost of the current animal, or brings a shown one up to date.
    void ShowGhostAnimal();
    // Plays the current item on this lot through the board's animator.
    void AnimateCurrentItem();
    // The bookkeeping of a new turn: the item used up, the turn's score started with its own
    // points, the turn counted.
    static void PlayTurn();

    int row;
    int column;
    std::unique_ptr<Graphic8BitSprite> ghostAnimalSprite;
};
