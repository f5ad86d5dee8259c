#include "Core/Sprites/NumberSpriteBuilder.h"

#include "Core/Sprites/Graphic8BitGroupSprite.h"

#include <vector>

void NumberSpriteBuilder::Build(int n, Graphic8BitGroupSprite& sprite, ResourceID digitGraphicsStartID)
{
    // Digits least significant first; 0 gives the single digit 0.
    std::vector<int> digits;
    int rest = n > 0 ? n : 0;
    do {
        digits.push_back(rest % 10);
        rest /= 10;
    } while (rest > 0);

    sprite.RemoveAllGraphics();
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        sprite.AddGraphic(static_cast<ResourceID>(digitGraphicsStartID + *digit), Point2D(sprite.Width(), 0));
    }
}

void NumberSpriteBuilder::BuildCentered(int n, Graphic8BitGroupSprite& sprite, ResourceID digitGraphicsStartID,
                                        const Point2D& position)
{
    Build(n, sprite, digitGraphicsStartID);
    sprite.ChangePosition(Point2D(position.x - sprite.Width() / 2, position.y));
}

void NumberSpriteBuilder::BuildRightJustified(int n, Graphic8BitGroupSprite& sprite,
                                              ResourceID digitGraphicsStartID, const Point2D& position)
{
    Build(n, sprite, digitGraphicsStartID);
    sprite.ChangePosition(Point2D(position.x - sprite.Width(), position.y));
}
