// Plays a short tone from the left edge of the screen, the centre and the right edge, then the
// same tone as an IMA ADPCM wave at half loudness, through the sound device the machine has.
// Run it from a desktop session and listen; without a sound device it says so and ends.
#include "Core/Resource/ResourceType.h"
#include "Core/Sound/Sound.h"
#include "Core/SdlMixerSound/SdlMixerSound.h"
#include "tests/Support/WaveImages/WaveImages.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

#include <chrono>
#include <cstdio>
#include <thread>

int main()
{
    const WAVEFORMATEX format = SdlMixerSound::StandardFormat();
    if (!SdlMixerSound::StartSdlMixerSound(&format)) {
        std::printf("No sound device could be opened (SDL result %ld): the game would run silently.\n",
            SdlMixerSound::LastResult());
        return 0;
    }
    std::printf("Sound device open: 22 050 Hz, 16-bit, stereo.\n");

    constexpr short pcmToneID = 1;
    constexpr short adpcmToneID = 2;
    ScopedInMemoryResources resources;
    const auto tone = WaveImages::ToneSamples16Bit(22050 * 6 / 10, 440.0 / 22050.0, 12000);
    resources.Add(ResourceType::sound, pcmToneID, WaveImages::PcmWave(1, 22050, 16, WaveImages::AsBytes(tone)));
    resources.Add(ResourceType::sound, adpcmToneID, WaveImages::ImaAdpcmWave(22050, tone, 512));

    struct Step {
        const char* what;
        short id;
        double level;
        double position;
    };
    const Step steps[] = {{"Left edge of the screen", pcmToneID, 1.0, -0.5}, {"Centre", pcmToneID, 1.0, 0.0},
                          {"Right edge of the screen", pcmToneID, 1.0, 0.5},
                          {"IMA ADPCM, centre, level 0.5 (-20 dB)", adpcmToneID, 0.5, 0.0}};
    for (const Step& step : steps) {
        std::printf("%s\n", step.what);
        std::fflush(stdout);
        Sound sound(step.id);
        sound.StartPlaying(step.level, step.position);
        while (sound.IsPlaying()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
    }
    SdlMixerSound::Finalize();
    std::printf("Done.\n");
    return 0;
}
