#pragma once

#include "Core/SdlMixerSound/SdlMixerSound.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <functional>
#include <thread>

// Runs a test with the sound device started on SDL's dummy driver, which plays into nothing
// at the real rate, so that playing sounds end after their duration.
class SoundDeviceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        setenv("SDL_AUDIODRIVER", "dummy", 0);
        const WAVEFORMATEX format = SdlMixerSound::StandardFormat();
        ASSERT_TRUE(SdlMixerSound::StartSdlMixerSound(&format));
    }
    void TearDown() override { SdlMixerSound::Finalize(); }

    // Waits until `condition` holds, for at most `limit` seconds; reports whether it came true.
    static bool WaitFor(const std::function<bool()>& condition, double limit = 10.0)
    {
        const auto start = std::chrono::steady_clock::now();
        while (!condition()) {
            if (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() > limit) {
                return false;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return true;
    }
};
