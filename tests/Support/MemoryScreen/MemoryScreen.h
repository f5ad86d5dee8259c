#pragma once

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/DisplayScreen/MemoryDisplayScreen8Bit.h"
#include "Core/Resource/ResourceProblems.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

// The display screen over its memory back end, with resources in memory, for the lifetime of
// the object: DSC1 1000 describes a width x height screen with an underlay (reserved unless
// asked not to), DSC1 1001 the same without one. Problem reports go to `reports`.
class MemoryScreen {
public:
    explicit MemoryScreen(int width = 640, int height = 480, int rowPadding = 0, bool reserve = true)
    {
        ResourceProblems::Forget();
        ResourceProblems::SetOutput(&reports);
        resources.Add(ResourceType::screenDescription, 1000, ScreenDescriptionBlockBytes(width, height, true));
        resources.Add(ResourceType::screenDescription, 1001, ScreenDescriptionBlockBytes(width, height, false));
        screen = new MemoryDisplayScreen8Bit(rowPadding);
        EXPECT_TRUE(DisplayScreen8Bit::Initialize(screen));
        EXPECT_TRUE(!reserve || DisplayScreen8Bit::Reserve(1000));
    }
    ~MemoryScreen()
    {
        DisplayScreen8Bit::Finalize();
        ResourceProblems::SetOutput(nullptr);
        ResourceProblems::Forget();
    }
    MemoryScreen(const MemoryScreen&) = delete;
    MemoryScreen& operator=(const MemoryScreen&) = delete;

    ScopedInMemoryResources& Resources() { return resources; }
    MemoryDisplayScreen8Bit& Screen() { return *screen; }

    // Fills the underlay, row padding included, with one colour.
    void PaintUnderlay(std::uint8_t color)
    {
        DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
        std::uint8_t* start = DisplayScreen8Bit::UnderlayBufferStart();
        std::fill(start, start + DisplayScreen8Bit::Height() * DisplayScreen8Bit::UnderlayBufferBytesPerRow(), color);
        DisplayScreen8Bit::InvalidateUnderlayBuffer();
    }

    ScopedInMemoryResources resources;
    MemoryDisplayScreen8Bit* screen = nullptr; // owned by DisplayScreen8Bit
    std::ostringstream reports;
};

// A GRF1 block of a rectangle of one colour: every row one run (widths up to 255), or for
// width 0 just the end code.
inline std::vector<std::uint8_t> SolidGraphicBlock(int left, int top, int width, int height, int color)
{
    std::vector<std::uint8_t> rows;
    for (int row = 0; row < height; ++row) {
        if (width > 0) {
            rows.insert(rows.end(), {5, static_cast<std::uint8_t>(width), static_cast<std::uint8_t>(color)});
        }
        rows.push_back(0);
    }
    return GraphicBlockBytes(left, top, width, height, 0, rows);
}
