#pragma once

#include "Core/Point/Point2D.h"
#include "Core/Resource/ResourceType.h"

class Graphic8BitGroupSprite;

// Fills a group sprite with the digit pictures of a decimal number, most significant digit
// first, each digit starting where the ones before it end. A digit set is ten GRF1 pictures
// with consecutive ids, digit 0 first. No sign, separators or leading zeros; a negative
// number (which no caller passes) is shown as 0.
class NumberSpriteBuilder {
public:
    // Replaces the sprite's members by the digits of n; the position stays.
    static void Build(int n, Graphic8BitGroupSprite& sprite, ResourceID digitGraphicsStartID);
    // Build, then centre the number horizontally on position.x (half the width, truncated).
    static void BuildCentered(int n, Graphic8BitGroupSprite& sprite, ResourceID digitGraphicsStartID,
                              const Point2D& position);
    // Build, then let the number end at position.x.
    static void BuildRightJustified(int n, Graphic8BitGroupSprite& sprite, ResourceID digitGraphicsStartID,
                                    const Point2D& position);
};
