#pragma once

#include <vector>

#include "Core/Point/Point2D.h"
#include "Core/Resource/BlockCursor.h"
#include "Core/Resource/ResourceType.h"

// A SPAN block: the frame rate (a decimal text) and the frames, each a GRF1 id with its offset.
// A block whose rate is not a positive finite number, whose frame count is negative or larger
// than its bytes hold, or that ends early, is reported and reads as an animation of no frames.
struct AnimationBlock {
    struct Frame {
        ResourceID graphicResourceID = 0;
        Point2D offset;
    };
    static constexpr int frameSize = 6;

    double frameRate = 0.0;
    std::vector<Frame> frames;

    bool IsEmpty() const { return frames.empty(); }
    // Seconds per frame; 0 for an empty animation.
    double FramePeriod() const { return frameRate > 0.0 ? 1.0 / frameRate : 0.0; }

    static AnimationBlock Parse(BlockCursor& cursor);
    // Reads SPAN id through a Resource handle that is dropped again before returning.
    static AnimationBlock Read(ResourceID id);
};
