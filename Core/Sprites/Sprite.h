#pragma once

#include "Core/Point/Point2D.h"
#include "Core/SequencedActions/SequencedAction.h"

#include <set>

// Anything drawn into the off-screen buffer every frame: a positioned object with a drawing
// layer (its rendering-order position) and a visibility flag. Every live sprite sits in one
// ordered set; RenderAll draws the visible ones lowest layer first, and among sprites of one
// layer the older first, so later and higher sprites cover earlier and lower ones. Since
// each frame starts from a fresh copy of the underlay, moving, hiding or deleting a sprite
// needs no erasing.
class Sprite {
public:
    Sprite(const Point2D& position, int renderingOrderPosition);
    virtual ~Sprite();

    Sprite(const Sprite&) = delete;
    Sprite& operator=(const Sprite&) = delete;

    Point2D Position() const { return position; }
    void ChangePosition(const Point2D& newPosition) { position = newPosition; }
    int RenderingOrderPosition() const { return renderingOrderPosition; }
    bool IsVisible() const { return isVisible; }
    void Show() { isVisible = true; }
    void Hide() { isVisible = false; }

    virtual int Width() const = 0;
    virtual int Height() const = 0;
    // Draws the sprite into the off-screen buffer at its position.
    virtual void Render() const = 0;

    // Draws every visible sprite in rendering order. Between the display screen's
    // PrepareToRenderToOffscreenBuffer and ShowOffscreenBuffer; nothing may create or
    // delete a sprite meanwhile.
    static void RenderAll();
    // Number of live sprites (leak checks and diagnostics).
    static std::size_t LiveSpriteCount() { return Sprites().size(); }

    // One-shot actions that change a sprite at a chosen moment of a sequence. They do not
    // own the sprite, which must outlive them.
    class ChangePositionAction;
    class ShowAction;
    class HideAction;

private:
    struct LessThan {
        bool operator()(const Sprite* sprite1, const Sprite* sprite2) const
        {
            return sprite1->renderingOrderPosition < sprite2->renderingOrderPosition;
        }
    };
    using SpriteSet = std::multiset<Sprite*, LessThan>;

    // The live sprites; a multiset inserts after its equals, which gives the older-first rule.
    static SpriteSet& Sprites();

    Point2D position;
    const int renderingOrderPosition;
    bool isVisible = true;
};

class Sprite::ChangePositionAction : public SequencedAction {
public:
    ChangePositionAction(Sprite* sprite, const Point2D& position) : sprite(sprite), position(position) {}
    void operator()() override;

private:
    Sprite* sprite;
    Point2D position;
};

class Sprite::ShowAction : public SequencedAction {
public:
    explicit ShowAction(Sprite* sprite) : sprite(sprite) {}
    void operator()() override;

private:
    Sprite* sprite;
};

class Sprite::HideAction : public SequencedAction {
public:
    explicit HideAction(Sprite* sprite) : sprite(sprite) {}
    void operator()() override;

private:
    Sprite* sprite;
};
