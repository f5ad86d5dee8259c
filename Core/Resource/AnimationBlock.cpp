#include "Core/Resource/AnimationBlock.h"

#include <cmath>
#include <string>

#include "Core/Resource/Resource.h"

AnimationBlock AnimationBlock::Parse(BlockCursor& cursor)
{
    AnimationBlock animation;
    cursor.Reset();
    const double frameRate = cursor.GetReal();
    const int frameCount = cursor.GetInteger16Bit();
    if (cursor.HasFailed()) {
        return animation;
    }
    if (!std::isfinite(frameRate) || frameRate <= 0.0) {
        cursor.Fail("the frame rate " + std::to_string(frameRate) + " is not a positive number");
        return animation;
    }
    if (frameCount < 0) {
        cursor.Fail("the frame count " + std::to_string(frameCount) + " is negative");
        return animation;
    }
    if (!cursor.Require(frameCount * frameSize, "the frames")) {
        return animation;
    }
    animation.frameRate = frameRate;
    animation.frames.resize(static_cast<std::size_t>(frameCount));
    for (Frame& frame : animation.frames) {
        frame.graphicResourceID = cursor.GetResourceID();
        frame.offset = cursor.GetPoint2D16Bit();
    }
    return animation;
}

AnimationBlock AnimationBlock::Read(ResourceID id)
{
    Resource resource(ResourceType::animation, id);
    return Parse(resource.Cursor());
}
