#pragma once

#include "Core/Resource/BlockCursor.h"
#include "Core/Resource/ResourceType.h"

// A DSC1 block: the screen's width and height and whether it has an underlay. A block too short
// for its six bytes, or with a negative size, is reported and reads as a 0 x 0 screen without
// an underlay.
struct ScreenDescriptionBlock {
    static constexpr int blockSize = 6;

    int width = 0;
    int height = 0;
    bool hasUnderlay = false;
    bool isValid = false;

    static ScreenDescriptionBlock Parse(BlockCursor& cursor);
    // Reads DSC1 id through a Resource handle that is dropped again before returning.
    static ScreenDescriptionBlock Read(ResourceID id);
};
