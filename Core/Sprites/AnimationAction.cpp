#include "Core/Graphic/Graphic8Bit.h"
#include "Core/Resource/Resource.h"
#include "Core/Sprites/Graphic8BitSprite.h"

#include <cmath>
#include <string>

namespace {
// Bytes of one frame: graphic id, x offset, y offset.
constexpr int frameSize = 6;
} // namespace

Graphic8BitSprite::AnimationAction::AnimationAction(ResourceID resourceID, const Point2D& position,
                                                    int renderingOrderPosition)
    : initialPosition(position), renderingOrderPosition(renderingOrderPosition)
{
    ReadAnimation(resourceID);
}

Graphic8BitSprite::AnimationAction::~AnimationAction() = default;

void Graphic8BitSprite::AnimationAction::ReadAnimation(ResourceID resourceID)
{
    // The whole script is read now; the block is let go when this function returns. A block
    // that is missing or malformed is reported and plays as an animation without frames.
    Resource span(ResourceType::animation, resourceID);
    BlockCursor& cursor = span.Cursor();
    const double frameRate = cursor.GetReal();
    const int frameCount = cursor.GetInteger16Bit();
    if (cursor.HasFailed() || !span.IsPresent()) {
        return;
    }
    // A rate that is not a positive number would hold the first frame forever; one so large
    // or so small that its period is not a positive number would break the frame timing.
    const double period = 1.0 / frameRate;
    if (!(frameRate > 0.0) || !(period > 0.0) || !std::isfinite(period)) {
        cursor.Fail("the frame rate is not a positive number");
        return;
    }
    if (frameCount < 0) {
        cursor.Fail("the frame count " + std::to_string(frameCount) + " is negative");
        return;
    }
    if (!cursor.Require(frameCount * frameSize, "the frames")) {
        return;
    }
    framePeriod = period;
    for (int index = 0; index < frameCount; ++index) {
        Frame frame;
        frame.graphicResourceID = cursor.GetResourceID();
        frame.offset = cursor.GetPoint2D16Bit();
        frames.push_back(frame);
    }
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
