#pragma once

#include "Core/HotSpots/HotSpotShapes.h"
#include "Core/Point/Point2D.h"
#include "Core/Resource/ResourceType.h"
#include "Core/SequencedActions/SequencedAction.h"

#include <memory>

class Graphic8BitSprite;

// The game-over screen: the two halves of a banner slide in from the left and right edges,
// then a panel naming why the game ended drops from the top; once it has landed a click
// anywhere ends the game (a key ends it at any moment, through the input dispatch). The board's
// end-of-turn check starts it in a sequence of its own; it stays there, showing the screen,
// until the game is taken down. Constructing it sets the state `endingGame`.
class GameOverAction : public SequencedAction {
public:
    GameOverAction();
    ~GameOverAction() override;

    void operator()() override;

    // The picture that names why the game ended, asked of the board in order of precedence.
    static ResourceID ReasonGraphicResourceID();

    // Takes every pointer event below the tutorial's; a press ends the game.
    class EndGameHotSpot : public UnboundedHotSpot {
    public:
        static constexpr int hitDetectionPosition = 1;
        EndGameHotSpot() : UnboundedHotSpot(hitDetectionPosition) {}
        void HandleUserMovesOver() override;
        void HandleUserBeginsSelection() override;
    };

    static constexpr int bannerRenderingOrderPosition = 13;
    static constexpr int reasonRenderingOrderPosition = 14;
    // Pixels per second.
    static constexpr double bannerSpeed = 1200.0;
    static constexpr double reasonSpeed = 600.0;

    // The game-over screen being shown, or null.
    static const GameOverAction* Instance() { return instance; }
    const Graphic8BitSprite& ReasonSprite() const { return *reasonSprite; }
    bool IsGameOverInPlace() const { return isGameOverInPlace; }
    bool HasCompleted() const { return hasCompleted; }

private:
    void MoveBanner();
    void DropReason();

    bool isGameOverInPlace = false;
    bool hasCompleted = false;
    std::unique_ptr<Graphic8BitSprite> topHalfSprite;
    std::unique_ptr<Graphic8BitSprite> bottomHalfSprite;
    std::unique_ptr<Graphic8BitSprite> reasonSprite;
    Point2D initialTopHalfPosition;
    Point2D initialBottomHalfPosition;
    Point2D initialReasonPosition;
    Point2D finalTopHalfPosition;
    Point2D finalBottomHalfPosition;
    Point2D finalReasonPosition;
    double reasonElapsedTimeOffset = 0.0;
    std::unique_ptr<EndGameHotSpot> endGameHotSpot;

    static GameOverAction* instance;
};
