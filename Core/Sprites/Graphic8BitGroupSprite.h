#pragma once

#include "Core/Point/Point2D.h"
#include "Core/Resource/ResourceType.h"
#include "Core/Sprites/Sprite.h"

#include <memory>
#include <vector>

class Graphic8Bit;

// A sprite made of several 8-bit pictures at fixed offsets from its position, drawn as one
// in the order they were added (numbers, composite pictures). Unlike Graphic8BitSprite, a
// member is drawn at position + offset without its own left and top, while Width and Height
// measure the members by their bounds shifted by their offsets.
class Graphic8BitGroupSprite : public Sprite {
public:
    struct IndividualGraphic {
        std::unique_ptr<Graphic8Bit> graphic;
        Point2D offset;
    };

    Graphic8BitGroupSprite(const Point2D& position, int renderingOrderPosition);
    ~Graphic8BitGroupSprite() override;

    void AddGraphic(ResourceID resourceID, const Point2D& offset);
    void RemoveAllGraphics();
    const std::vector<IndividualGraphic>& IndividualGraphics() const { return individualGraphics; }

    int Width() const override;
    int Height() const override;
    void Render() const override;

private:
    std::vector<IndividualGraphic> individualGraphics;
};
