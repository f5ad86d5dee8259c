#pragma once

#include "Content/SkipDumpRunEncoder/SkipDumpRunEncoder.h"
#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/DisplayScreen/MemoryDisplayScreen8Bit.h"
#include "Core/Resource/ResourceProblems.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

#include <gtest/gtest.h>

#include <sstream>

// A small memory screen with padded rows, an underlay filled with one colour, and a resource
// library for the graphics under test. Problem reports go to `reports`.
class GraphicTestScreen : public ::testing::Test {
public:
    static constexpr std::uint8_t transparent = 0;

protected:
    static constexpr int screenWidth = 24;
    static constexpr int screenHeight = 16;
    static constexpr int rowPadding = 5;
    static constexpr std::uint8_t background = 250;

    void SetUp() override
    {
        ResourceProblems::Forget();
        ResourceProblems::SetOutput(&reports);
        resources.Add(ResourceType::screenDescription, 1000, ScreenDescriptionBlockBytes(screenWidth, screenHeight, true));
        screen = new MemoryDisplayScreen8Bit(rowPadding);
        ASSERT_TRUE(DisplayScreen8Bit::Initialize(screen));
        ASSERT_TRUE(DisplayScreen8Bit::Reserve(1000));
        DisplayScreen8Bit::PrepareToRenderToUnderlayBuffer();
        std::uint8_t* underlay = DisplayScreen8Bit::UnderlayBufferStart();
        for (int i = 0; i < screenHeight * DisplayScreen8Bit::UnderlayBufferBytesPerRow(); ++i) {
            underlay[i] = background;
        }
        DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
        screen->ForgetCalls();
    }

    void TearDown() override
    {
        DisplayScreen8Bit::Finalize();
        ResourceProblems::SetOutput(nullptr);
        ResourceProblems::Forget();
    }

    void AddGraphic(ResourceID id, const SkipDumpRunEncoder::Image& image, int left = 0, int top = 0,
                    std::uint8_t eraseColor = 1)
    {
        resources.Add(ResourceType::graphic, id, SkipDumpRunEncoder::MakeGraphicBlock(image, transparent, left, top, eraseColor));
    }

    std::uint8_t Offscreen(int x, int y) const { return screen->OffscreenPixel(x, y); }

    ScopedInMemoryResources resources;
    MemoryDisplayScreen8Bit* screen = nullptr; // owned by DisplayScreen8Bit
    std::ostringstream reports;
};
