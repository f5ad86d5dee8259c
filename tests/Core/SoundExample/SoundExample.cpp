// Plays a short tone from the left edge of the screen, the centre and the right edge, then the
// same tone at half loudness, through the sound device the machine has.
// Run it from a desktop session and listen; without a sound device it says so and ends.
#include "Core/Resource/ResourceType.h"
#include "Core/Sound/Sound.h"
#include "Core/SdlMixerSound/SdlMixerSound.h"
#include "tests/Support/WaveImages/WaveImages.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

#include <chrono>
#include <cstdio>
#include <thread>
#include <tuple>

int main()
{
    const WAVEFORMATEX format = SdlMixerSound::StandardFormat();
    if (!SdlMixerSound::StartSdlMixerSound(&format)) {
        std::printf("No sound device could be opened (SDL result %ld): the game would run silently.\n",
            SdlMixerSound::LastResult());
        return 0;
    }
    std::printf("Sound device open: 22 050 Hz, 16-bit, stereo.\n");
    ScopedInMemoryResources resources;
    resources.Add(ResourceType::sound, 1, WaveImages::ToneWave(0.6));
    const std::tuple<const char*, double, double> steps[] = {{"Left edge of the screen", 1.0, -0.5},
        {"Centre", 1.0, 0.0}, {"Right edge of the screen", 1.0, 0.5}, {"Centre, level 0.5 (-20 dB)", 0.5, 0.0}};
    for (const auto& [what, level, position] : steps) {
        std::printf("%s\n", what);
        std::fflush(stdout);
        Sound sound(1);
        sound.StartPlaying(level, position);
        while (sound.IsPlaying()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    SdlMixerSound::Finalize();
    std::printf("Done.\n");
    return 0;
}
