// Plays a short tone from the left edge of the screen, the centre and the right edge, then the
// same tone as an IMA ADPCM wave at half loudness, through the sound device the machine has.
// Run it from a desktop session and listen; without a sound device it says so and ends.
#include "Core/Resource/ResourceType.h"
#include "Core/SequencedActions/SequencedAction.h"
#include "Core/Sound/Sound.h"
#include "Core/SdlMixerSound/SdlMixerSound.h"
#include "WaveImages.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

constexpr short pcmToneID = 1;
constexpr short adpcmToneID = 2;

// Announces each step when the scheduler reaches it.
class SayAction : public SequencedAction {
public:
    explicit SayAction(const char* text) : text(text) {}
    void operator()() override
    {
        std::printf("%s\n", text);
        std::fflush(stdout);
        delete this;
    }

private:
    const char* text;
};

class DoneAction : public SequencedAction {
public:
    explicit DoneAction(bool& done) : done(done) {}
    void operator()() override
    {
        done = true;
        delete this;
    }

private:
    bool& done;
};

} // namespace

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
    const auto tone = WaveImages::ToneSamples16Bit(22050 * 6 / 10, 440.0 / 22050.0, 12000);
    resources.Add(ResourceType::sound, pcmToneID, WaveImages::PcmWave(1, 22050, 16, WaveImages::AsBytes(tone)));
    resources.Add(ResourceType::sound, adpcmToneID, WaveImages::ImaAdpcmWave(22050, tone, 512));

    bool done = false;
    SequencedAction::StartNewSequence();
    new SayAction("Left edge of the screen");
    new Sound::PlaySynchronouslyAction(pcmToneID, 0, 1.0, -0.5);
    new SayAction("Centre");
    new Sound::PlaySynchronouslyAction(pcmToneID, 0, 1.0, 0.0);
    new SayAction("Right edge of the screen");
    new Sound::PlaySynchronouslyAction(pcmToneID, 0, 1.0, 0.5);
    new SayAction("IMA ADPCM, centre, level 0.5 (-20 dB)");
    new Sound::PlaySynchronouslyAction(adpcmToneID, 0, 0.5, 0.0);
    new DoneAction(done);

    const auto start = std::chrono::steady_clock::now();
    while (!done) {
        SequencedAction::HandleNextActions(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    SequencedAction::RemoveAllActions();
    SdlMixerSound::Finalize();
    std::printf("Done.\n");
    return 0;
}
