#pragma once

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/DisplayScreen/MemoryDisplayScreen8Bit.h"
#include "Core/Resource/ResourceType.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

#include <gtest/gtest.h>

// Resources in memory and a reserved 640 x 480 memory screen with an underlay, for the
// lifetime of the object. Blocks for a test are added through Resources().
class SpriteTestScreen {
public:
    explicit SpriteTestScreen(int rowPadding = 0)
    {
        resources.Add(ResourceType::screenDescription, DisplayScreen8Bit::defaultScreenDescriptionID,
                      ScreenDescriptionBlockBytes(640, 480, true));
        screen = new MemoryDisplayScreen8Bit(rowPadding);
        EXPECT_TRUE(DisplayScreen8Bit::Initialize(screen));
        EXPECT_TRUE(DisplayScreen8Bit::Reserve(DisplayScreen8Bit::defaultScreenDescriptionID));
    }
    ~SpriteTestScreen() { DisplayScreen8Bit::Finalize(); }
    SpriteTestScreen(const SpriteTestScreen&) = delete;
    SpriteTestScreen& operator=(const SpriteTestScreen&) = delete;

    ScopedInMemoryResources& Resources() { return resources; }
    MemoryDisplayScreen8Bit& Screen() { return *screen; }

    // Fills the underlay with one colour.
    void PaintUnderlay(std::uint8_t color)
    {
        DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
        std::uint8_t* start = DisplayScreen8Bit::UnderlayBufferStart();
        const int bytesPerRow = DisplayScreen8Bit::UnderlayBufferBytesPerRow();
        for (int y = 0; y < DisplayScreen8Bit::Height(); ++y) {
            std::fill(start + y * bytesPerRow, start + y * bytesPerRow + DisplayScreen8Bit::Width(), color);
        }
        DisplayScreen8Bit::InvalidateUnderlayBuffer();
    }

private:
    ScopedInMemoryResources resources;
    MemoryDisplayScreen8Bit* screen; // owned by DisplayScreen8Bit while installed
};
