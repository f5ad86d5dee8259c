#include "Core/Wave/CWave.h"
#include "Core/ZipResource/ZipLibrary.h"
#include "Marrowmere/IDs/SoundIDs.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <set>

namespace {

constexpr int narrationCount = 48;

// Every id the identifier table can return, for every argument, plus the one creature sound
// of the sevenKGrid hidden mode, which stands in for all creature sounds while it is on.
std::set<int> EverySoundID()
{
    std::set<int> ids = {SoundIDs::BackgroundMusic(), SoundIDs::No(), SoundIDs::GameOver(),
        SoundIDs::SwimmerReversingInFlood(), SoundIDs::SwimmerTurningClockwiseInFlood(),
        SoundIDs::SwimmerTurningCounterclockwiseInFlood(), SoundIDs::SwimmerBeingKilledInFlood(),
        SoundIDs::SwimmerBeingFloodedInFlood(), SoundIDs::TreeBeingFloodedInFlood(), SoundIDs::EmptyAreaBeingFlooded(),
        SoundIDs::FloodBeingFlooded(), SoundIDs::FloodEvaporating(), SoundIDs::SwimmerFloodEvaporating(),
        SoundIDs::TreeFloodEvaporating(), SoundIDs::FlyerPreparingToEat(), SoundIDs::FlyerFlying(),
        SoundIDs::SwimmerEatingGrazerFromFlood(), SoundIDs::ExtraPickBonus(), SoundIDs::SelectionButtonPress(),
        SoundIDs::SelectionButtonRelease(), SoundIDs::SelectionButtonClick(), SoundIDs::EasterEggOpening(),
        SoundIDs::EasterEggClosing(), 1000};
    for (int object = flyer; object <= tree; ++object) {
        const auto kind = static_cast<ObjectType>(object);
        ids.insert({SoundIDs::AnimalReversing(kind), SoundIDs::AnimalTurningClockwise(kind),
                    SoundIDs::AnimalTurningCounterclockwise(kind), SoundIDs::ObjectBeingKilled(kind),
                    SoundIDs::ObjectBeingFlooded(kind), SoundIDs::AnimalEnteringFlood(kind)});
        for (int prey = flyer; prey <= tree; ++prey) {
            ids.insert(SoundIDs::PredatorEatingPrey(kind, static_cast<ObjectType>(prey)));
        }
    }
    for (int index = 0; index < narrationCount; ++index) {
        ids.insert(SoundIDs::TutorialNarrationStart() + index);
    }
    ids.erase(0);  // argument combinations that name no sound
    return ids;
}

struct Sound {
    int channels = 0;
    std::vector<double> samples;  // interleaved, -1 to 1

    double Seconds() const { return static_cast<double>(samples.size()) / channels / 22050.0; }
    double Peak() const
    {
        double peak = 0.0;
        for (double sample : samples) {
            peak = std::max(peak, std::fabs(sample));
        }
        return peak;
    }
};

// Loads a block through the game's own wave reader; fails the test unless it is 22 050 Hz
// 16-bit PCM.
Sound Load(const std::vector<std::uint8_t>& block, int id)
{
    CWave wave;
    Sound sound;
    EXPECT_TRUE(wave.LoadWave(block.data(), static_cast<int>(block.size()), 0x00010002)) << id;
    if (!wave.IsLoaded()) {
        return sound;
    }
    const WAVEFORMATEX& format = *wave.GetWaveFormat();
    EXPECT_EQ(format.wFormatTag, 1) << id;
    EXPECT_EQ(format.nSamplesPerSec, 22050u) << id;
    EXPECT_EQ(format.wBitsPerSample, 16) << id;
    sound.channels = format.nChannels;
    const unsigned char* data = wave.GetWaveData();
    for (unsigned offset = 0; offset + 1 < wave.GetWaveSize(); offset += 2) {
        sound.samples.push_back(static_cast<std::int16_t>(data[offset] | (data[offset + 1] << 8)) / 32768.0);
    }
    return sound;
}

class SoundLibraryTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        LibraryLoadResult result;
        library = ZipLibrary::Open(SOUND_LIBRARY, result).release();
        ASSERT_TRUE(result.loaded) << SOUND_LIBRARY;
    }
    static void TearDownTestSuite() { delete library; }

    static Sound Get(int id)
    {
        const std::vector<std::uint8_t>* block = library->Find("SND/" + std::to_string(id));
        EXPECT_NE(block, nullptr) << "no sound " << id;
        return block ? Load(*block, id) : Sound{};
    }

    static ZipLibrary* library;
};

ZipLibrary* SoundLibraryTest::library = nullptr;

bool IsNarration(int id)
{
    return id >= SoundIDs::TutorialNarrationStart() && id < SoundIDs::TutorialNarrationStart() + narrationCount;
}

}  // namespace

TEST_F(SoundLibraryTest, EveryEffectIsShortLoudWithoutClippingAndStartsAndEndsQuietly)
{
    for (int id : EverySoundID()) {
        if (IsNarration(id) || id == SoundIDs::BackgroundMusic()) {
            continue;
        }
        const Sound sound = Get(id);
        if (sound.samples.empty()) {
            ADD_FAILURE() << "sound " << id << " is empty";
            continue;
        }
        EXPECT_GT(sound.Peak(), 0.3) << id;
        EXPECT_LT(sound.Peak(), 0.99) << id;
        EXPECT_LT(std::fabs(sound.samples.front()), 0.01) << id;
        EXPECT_LT(std::fabs(sound.samples.back()), 0.01) << id;
        EXPECT_LE(sound.Seconds(), 4.0) << id;
    }
}

TEST_F(SoundLibraryTest, NarrationsLastBetweenOneAndTwelveSeconds)
{
    for (int id = SoundIDs::TutorialNarrationStart(); IsNarration(id); ++id) {
        const Sound narration = Get(id);
        EXPECT_GT(narration.Seconds(), 1.0) << id;
        EXPECT_LT(narration.Seconds(), 12.0) << id;
        EXPECT_GT(narration.Peak(), 0.3) << id;
        EXPECT_LT(narration.Peak(), 0.99) << id;
    }
}

TEST_F(SoundLibraryTest, MusicLastsAMinuteAndItsEndJoinsItsStart)
{
    const Sound music = Get(SoundIDs::BackgroundMusic());
    ASSERT_GT(music.channels, 0);
    EXPECT_GE(music.Seconds(), 60.0);
    EXPECT_LT(music.Peak(), 0.99);
    // The step from the last frame to the first must look like any other step of the piece.
    const int channels = music.channels;
    const std::size_t frames = music.samples.size() / channels;
    for (int channel = 0; channel < channels; ++channel) {
        std::vector<double> steps;
        for (std::size_t frame = 1; frame < frames; ++frame) {
            steps.push_back(std::fabs(music.samples[frame * channels + channel] - music.samples[(frame - 1) * channels + channel]));
        }
        std::sort(steps.begin(), steps.end());
        const double seam = std::fabs(music.samples[channel] - music.samples[(frames - 1) * channels + channel]);
        EXPECT_LE(seam, steps[steps.size() * 99 / 100]) << "channel " << channel;
    }
}
