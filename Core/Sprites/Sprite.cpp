#include "Core/Sprites/Sprite.h"

Sprite::SpriteSet& Sprite::Sprites()
{
    // Built on first use, so sprites made during static initialisation find it ready.
    static SpriteSet sprites;
    return sprites;
}

Sprite::Sprite(const Point2D& position, int renderingOrderPosition)
    : position(position), renderingOrderPosition(renderingOrderPosition)
{
    Sprites().insert(this);
}

Sprite::~Sprite()
{
    SpriteSet& sprites = Sprites();
    // Only the entries of this sprite's layer can be this sprite.
    auto [entry, end] = sprites.equal_range(this);
    while (entry != end && *entry != this) {
        ++entry;
    }
    if (entry != end) {
        sprites.erase(entry);
    }
}

void Sprite::RenderAll()
{
    for (const Sprite* sprite : Sprites()) {
        if (sprite->isVisible) {
            sprite->Render();
        }
    }
}

void Sprite::ChangePositionAction::operator()()
{
    sprite->ChangePosition(position);
    delete this;
}

void Sprite::ShowAction::operator()()
{
    sprite->Show();
    delete this;
}

void Sprite::HideAction::operator()()
{
    sprite->Hide();
    delete this;
}
