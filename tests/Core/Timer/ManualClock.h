#pragma once

#include "Core/Timer/Timer.h"

#include <gtest/gtest.h>

// Puts a hand-moved clock under Timer for the duration of a test, starting at an arbitrary
// reading so that nothing relies on the raw clock being 0.
class ManualClockTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Timer::Reset();
        Timer::SetClockSource([this] {
            ++readings;
            return nowMilliseconds;
        });
        Timer::Initialize();
    }
    void TearDown() override { Timer::Reset(); }

    void Advance(long milliseconds) { nowMilliseconds += milliseconds; }

    long nowMilliseconds = 987654321;
    int readings = 0;
};
