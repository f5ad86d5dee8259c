#include "Core/Resource/AnimationBlock.h"
#include "Core/Resource/ResourceProblems.h"
#include "Core/Sprites/Graphic8BitSprite.h"

#include <cmath>

Graphic8BitSprite::AnimationAction::AnimationAction(ResourceID resourceID, const Point2D& position,
                                                    int renderingOrderPosition)
    : initialPosition(position), renderingOrderPosition(renderingOrderPosition)
{
    ReadAnimation(resourceID);
}

Graphic8BitSprite::AnimationAction::~AnimationAction() = default;

void Graphic8BitSprite::AnimationAction::ReadAnimation(ResourceID resourceID)
{
    // The whole script is read now and its block let go. A block that is missing or malformed
    // has been reported by the reader and plays as an animation without frames.
    AnimationBlock animation = AnimationBlock::Read(resourceID);
    if (animation.IsEmpty()) {
        return;
    }
    // A rate so small that its period is not a finite number would hold the first frame forever.
    const double period = animation.FramePeriod();
    if (!std::isfinite(period)) {
        ResourceProblems::Report(ResourceType::animation, resourceID, "the frame rate is too small to play");
        return;
    }
    framePeriod = period;
    frames.assign(animation.frames.begin(), animation.frames.end());
}

void Graphic8BitSprite::AnimationAction::operator()()
{
    const double elapsed = ElapsedTime();
    if (elapsed < nextFrameTime) {
        return;
    }
    if (frames.empty()) {
        delete this;
        return;
    }

    // A late pass drops the frames whose time is already over. When that is every frame
    // left, the animation is over. (Checked before converting, so a very late pass cannot
    // overflow the count.)
    const double framesToSkip = std::floor((elapsed - nextFrameTime) / framePeriod);
    if (framesToSkip >= static_cast<double>(frames.size())) {
        delete this;
        return;
    }
    for (auto skipped = static_cast<std::size_t>(framesToSkip); skipped > 0; --skipped) {
        frames.pop_front();
        nextFrameTime += framePeriod;
    }

    const Frame frame = frames.front();
    frames.pop_front();
    const Point2D nextPosition = initialPosition + frame.offset;
    if (!sprite) {
        sprite = std::make_unique<Graphic8BitSprite>(frame.graphicResourceID, nextPosition, renderingOrderPosition);
    } else {
        sprite->ChangeGraphic(frame.graphicResourceID);
        sprite->ChangePosition(nextPosition);
    }
    nextFrameTime += framePeriod;
}
