#pragma once

#include "Core/Resource/ResourceType.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"

#include <cstdint>
#include <vector>

// GRF1 blocks for sprite tests: a rectangle of one colour, every row one run (widths up to
// 255) or, for width 0, just the end code.
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
