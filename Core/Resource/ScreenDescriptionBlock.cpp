#include "Core/Resource/ScreenDescriptionBlock.h"

#include <string>

#include "Core/Resource/Resource.h"

ScreenDescriptionBlock ScreenDescriptionBlock::Parse(BlockCursor& cursor)
{
    ScreenDescriptionBlock screen;
    cursor.Reset();
    if (!cursor.Require(blockSize, "the screen description")) {
        return screen;
    }
    const int width = cursor.GetInteger16Bit();
    const int height = cursor.GetInteger16Bit();
    const bool hasUnderlay = cursor.GetBoolean();
    if (width < 0 || height < 0) {
        cursor.Fail("the screen size " + std::to_string(width) + " x " + std::to_string(height) + " is negative");
        return screen;
    }
    screen.width = width;
    screen.height = height;
    screen.hasUnderlay = hasUnderlay;
    screen.isValid = true;
    return screen;
}

ScreenDescriptionBlock ScreenDescriptionBlock::Read(ResourceID id)
{
    Resource resource(ResourceType::screenDescription, id);
    return Parse(resource.Cursor());
}
