#include "Marrowmere/ScoringAnimator/ScoringAnimator.h"

#include "Core/Sprites/Graphic8BitGroupSprite.h"
#include "Core/Sprites/NumberSpriteBuilder.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/Locations/Locations.h"
#include "Marrowmere/Scoring/Scoring.h"

Graphic8BitGroupSprite* ScoringAnimator::scoreSprite = nullptr;

void ScoringAnimator::SetUp()
{
    Scoring::SetUp();
    delete scoreSprite;
    scoreSprite = new Graphic8BitGroupSprite(Point2D(0, 0), scoreRenderingOrderPosition);
    BuildScoreSprite();
}

void ScoringAnimator::TakeDown()
{
    delete scoreSprite;
    scoreSprite = nullptr;
    Scoring::TakeDown();
}

void ScoringAnimator::AnimateIncrementScore(int increment)
{
    Scoring::IncrementScore(increment);
    BuildScoreSprite();
}

void ScoringAnimator::AnimateIncrementScore(int increment, const Point2D& position)
{
    AnimateIncrementScore(increment);
    SequencedAction::StartNewSequence();
    new FloatScoreIncrementAction(increment, position);
}

void ScoringAnimator::BuildScoreSprite()
{
    if (scoreSprite != nullptr) {
        NumberSpriteBuilder::BuildRightJustified(Scoring::Score(), *scoreSprite, GraphicIDs::ScoreDigitsStart(),
                                                 Locations::ScoreRightJustifiedPosition());
    }
}

ScoringAnimator::FloatScoreIncrementAction::FloatScoreIncrementAction(int increment, const Point2D& position)
    : incrementSprite(std::make_unique<Graphic8BitGroupSprite>(Point2D(0, 0), floatingIncrementRenderingOrderPosition))
{
    NumberSpriteBuilder::BuildCentered(increment, *incrementSprite, GraphicIDs::FloatingScoreDigitsStart(), position);
    // Centred vertically on the point as well.
    initialPosition = incrementSprite->Position() - Point2D(0, incrementSprite->Height() / 2);
    incrementSprite->ChangePosition(initialPosition);
}

ScoringAnimator::FloatScoreIncrementAction::~FloatScoreIncrementAction() = default;

void ScoringAnimator::FloatScoreIncrementAction::operator()()
{
    if (incrementSprite->Position().y < -incrementSprite->Height()) {
        delete this;
        return;
    }
    const double y = initialPosition.y - ElapsedTime() * floatingIncrementSpeed;
    incrementSprite->ChangePosition(Point2D(initialPosition.x, static_cast<int>(y)));
}
