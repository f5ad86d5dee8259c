#pragma once

#include "Core/Point/Point2D.h"
#include "Core/SequencedActions/SequencedAction.h"

#include <memory>

class Graphic8BitGroupSprite;

// The visible side of the score: the digits in the top-right corner of the screen, and for
// each eating the points it earned rising from the lot where it happened. It is the only
// writer of the score (Scoring). One game per process, so every member is static.
class ScoringAnimator {
public:
    // Sets the score up and shows it.
    static void SetUp();
    static void TakeDown();

    // Adds to the score and redraws it.
    static void AnimateIncrementScore(int increment);
    // The same, and the increment floats up from the position in a sequence of its own.
    static void AnimateIncrementScore(int increment, const Point2D& position);

    // The sprite that shows the score; null outside a game.
    static const Graphic8BitGroupSprite* ScoreSprite() { return scoreSprite; }

    // Shows an increment centred on a point and lets it rise 120 pixels per second until it
    // has left the top of the screen; then it ends and its number is gone.
    class FloatScoreIncrementAction : public SequencedAction {
    public:
        FloatScoreIncrementAction(int increment, const Point2D& position);
        ~FloatScoreIncrementAction() override;
        void operator()() override;

        const Graphic8BitGroupSprite& IncrementSprite() const { return *incrementSprite; }

    private:
        std::unique_ptr<Graphic8BitGroupSprite> incrementSprite;
        Point2D initialPosition;
    };

    static constexpr int scoreRenderingOrderPosition = 7;
    static constexpr int floatingIncrementRenderingOrderPosition = 9;
    static constexpr double floatingIncrementSpeed = 120.0;  // pixels per second, upwards

private:
    static void BuildScoreSprite();

    static Graphic8BitGroupSprite* scoreSprite;
};
