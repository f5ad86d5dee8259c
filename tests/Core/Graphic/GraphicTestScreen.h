#pragma once

#include "Content/SkipDumpRunEncoder/SkipDumpRunEncoder.h"
#include "tests/Support/MemoryScreen/MemoryScreen.h"

// A small memory screen with padded rows and an underlay of one colour, ready for a frame, and
// graphics made by the content encoder.
class GraphicTestScreen : public ::testing::Test, protected MemoryScreen {
public:
    static constexpr std::uint8_t transparent = 0;

protected:
    static constexpr int screenWidth = 24;
    static constexpr int screenHeight = 16;
    static constexpr std::uint8_t background = 250;

    GraphicTestScreen() : MemoryScreen(screenWidth, screenHeight, 5)
    {
        PaintUnderlay(background);
        DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
        screen->ForgetCalls();
    }

    void AddGraphic(ResourceID id, const SkipDumpRunEncoder::Image& image, int left = 0, int top = 0,
                    std::uint8_t eraseColor = 1)
    {
        resources.Add(ResourceType::graphic, id, SkipDumpRunEncoder::MakeGraphicBlock(image, transparent, left, top, eraseColor));
    }

    std::uint8_t Offscreen(int x, int y) const { return screen->OffscreenPixel(x, y); }
};
