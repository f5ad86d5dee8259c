#pragma once

#include "Core/Point/Point2D.h"
#include "Core/Resource/AnimationBlock.h"
#include "Core/Resource/ResourceType.h"
#include "Core/SequencedActions/SequencedAction.h"
#include "Core/Sprites/Sprite.h"

#include <deque>
#include <memory>

class Graphic8Bit;

// A sprite that shows one 8-bit picture (a GRF1 block), drawn at the sprite's position plus
// the picture's own left and top. The picture can be swapped at any moment.
class Graphic8BitSprite : public Sprite {
public:
    Graphic8BitSprite(ResourceID resourceID, const Point2D& position, int renderingOrderPosition);
    ~Graphic8BitSprite() override;

    int Width() const override;
    int Height() const override;
    void Render() const override;

    // Shows GRF1 resourceID instead; nothing happens when that picture is already shown.
    void ChangeGraphic(ResourceID resourceID);

    ResourceID GraphicResourceID() const { return graphicResourceID; }
    const Graphic8Bit& Graphic() const { return *graphic; }
    // The picture's own left and top, added to the position when drawing.
    Point2D Offset() const { return offset; }

    class ChangeGraphicAction;
    class AnimationAction;

private:
    void MakeGraphic(ResourceID resourceID);

    ResourceID graphicResourceID = 0;
    std::unique_ptr<Graphic8Bit> graphic;
    Point2D offset;
};

// Swaps the picture of a sprite at a chosen moment; does not own the sprite.
class Graphic8BitSprite::ChangeGraphicAction : public SequencedAction {
public:
    ChangeGraphicAction(Graphic8BitSprite* sprite, ResourceID resourceID) : sprite(sprite), resourceID(resourceID) {}
    void operator()() override;

private:
    Graphic8BitSprite* sprite;
    ResourceID resourceID;
};

// Plays a SPAN animation: frame k is shown at k frame periods after the action started, at
// the initial position plus the frame's offset. A pass that comes late shows the frame due
// at that moment; the last frame stays for one period, then the action ends and its sprite
// is gone. The action owns its sprite; deleting the action early removes the sprite at once.
class Graphic8BitSprite::AnimationAction : public SequencedAction {
public:
    // A frame's GRF1 id and its offset from the initial position.
    using Frame = AnimationBlock::Frame;

    AnimationAction(ResourceID resourceID, const Point2D& position, int renderingOrderPosition);
    ~AnimationAction() override;

    void operator()() override;

    // The sprite that shows the current frame; null before the first frame and for an
    // animation without frames.
    const Graphic8BitSprite* CurrentSprite() const { return sprite.get(); }
    std::size_t FramesLeft() const { return frames.size(); }

private:
    void ReadAnimation(ResourceID resourceID);

    Point2D initialPosition;
    int renderingOrderPosition;
    double framePeriod = 0.0;
    double nextFrameTime = 0.0;
    std::deque<Frame> frames;
    std::unique_ptr<Graphic8BitSprite> sprite;
};
