#pragma once

#include "tests/Support/MemoryScreen/MemoryScreen.h"

// A 16 x 8 memory screen with padded rows, not yet reserved.
class MemoryScreenFixture : public ::testing::Test, protected MemoryScreen {
protected:
    MemoryScreenFixture() : MemoryScreen(16, 8, 3, false) {}
};
