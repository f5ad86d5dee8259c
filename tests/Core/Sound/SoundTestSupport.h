#pragma once

#include "Core/Resource/ResourceProblems.h"
#include "Core/Resource/ResourceType.h"
#include "Core/SequencedActions/SequencedAction.h"
#include "Core/Sound/Sound.h"
#include "Core/SdlMixerSound/SdlMixerSound.h"
#include "tests/Support/Common/MarkerAction.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"
#include "tests/Support/WaveImages/WaveImages.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <sstream>
#include <string>
#include <thread>

// Sound ids the tests put into the in-memory sound library.
constexpr short shortToneID = 1021;  // 0.3 s
constexpr short longToneID = 1022;   // 3 s
constexpr short brokenWaveID = 1023; // not a wave
constexpr short missingID = 1099;    // in no library

// A sound library in memory and, unless `withDevice` is false, the sound device on SDL's dummy
// driver, which plays into nothing at the real rate.
class SoundTestBase : public ::testing::Test {
protected:
    explicit SoundTestBase(bool withDevice) : withDevice(withDevice) {}

    void SetUp() override
    {
        if (const char* driver = std::getenv("SDL_AUDIODRIVER"); driver != nullptr) {
            previousDriver = driver;
        }
        if (withDevice) {
            setenv("SDL_AUDIODRIVER", "dummy", 0);
        } else {
            setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
        }
        const WAVEFORMATEX format = SdlMixerSound::StandardFormat();
        ASSERT_EQ(SdlMixerSound::StartSdlMixerSound(&format), withDevice);
        Sound::SetMuting(false);
        Sound::ChangeMasterLevel(1.0);
        resources.Add(ResourceType::sound, shortToneID, Tone(0.3));
        resources.Add(ResourceType::sound, longToneID, Tone(3.0));
        resources.Add(ResourceType::sound, brokenWaveID, {'R', 'I', 'F', 'F', 4, 0, 0, 0, 'A', 'V', 'I', ' '});
    }

    void TearDown() override
    {
        SequencedAction::RemoveAllActions();
        SdlMixerSound::Finalize();
        if (previousDriver.empty()) {
            unsetenv("SDL_AUDIODRIVER");
        } else {
            setenv("SDL_AUDIODRIVER", previousDriver.c_str(), 1);
        }
    }

    static WaveImages::Bytes Tone(double seconds)
    {
        using namespace WaveImages;
        return PcmWave(1, 22050, 16, AsBytes(ToneSamples16Bit(static_cast<std::size_t>(22050 * seconds), 0.02, 12000)));
    }

    void Pump()
    {
        time += 0.01;
        SequencedAction::HandleNextActions(time);
    }

    // Pumps every few milliseconds until `reached`, for at most `limit` seconds; returns the
    // seconds it took, or a negative number when it never came.
    double PumpUntil(const bool& reached, double limit = 10.0)
    {
        const auto start = std::chrono::steady_clock::now();
        for (;;) {
            Pump();
            const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (reached) {
                return elapsed;
            }
            if (elapsed > limit) {
                return -1.0;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    ScopedInMemoryResources resources;
    double time = 0.0;

private:
    bool withDevice;
    std::string previousDriver;
};
