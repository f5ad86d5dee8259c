#include "Core/Sprites/Graphic8BitSprite.h"

#include "Core/Graphic/Graphic8Bit.h"

Graphic8BitSprite::Graphic8BitSprite(ResourceID resourceID, const Point2D& position, int renderingOrderPosition)
    : Sprite(position, renderingOrderPosition)
{
    MakeGraphic(resourceID);
}

Graphic8BitSprite::~Graphic8BitSprite() = default;

void Graphic8BitSprite::MakeGraphic(ResourceID resourceID)
{
    graphic = std::make_unique<Graphic8Bit>(resourceID);
    graphicResourceID = resourceID;
    const auto bounds = graphic->Bounds();
    offset = Point2D(bounds.left, bounds.top);
}

int Graphic8BitSprite::Width() const
{
    return graphic->Width();
}

int Graphic8BitSprite::Height() const
{
    return graphic->Height();
}

void Graphic8BitSprite::Render() const
{
    graphic->Render(Position() + offset, Graphic8Bit::dontErase, Graphic8Bit::offscreen);
}

void Graphic8BitSprite::ChangeGraphic(ResourceID resourceID)
{
    if (resourceID == graphicResourceID) {
        return;
    }
    // The old picture goes first, so its block is released before the new one is read.
    graphic.reset();
    MakeGraphic(resourceID);
}

void Graphic8BitSprite::ChangeGraphicAction::operator()()
{
    sprite->ChangeGraphic(resourceID);
    delete this;
}
