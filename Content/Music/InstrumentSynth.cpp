#include "Content/Music/InstrumentSynth.h"

#include <fluidsynth.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace {

struct Event {
    long frame;
    bool isNoteOn;
    int channel;
    int key;
    int velocity;
};

// MIDI channel 9 is the drum kit in General MIDI; melodic parts skip it.
int ChannelOf(std::size_t partIndex)
{
    const int channel = static_cast<int>(partIndex);
    return channel >= 9 ? channel + 1 : channel;
}

}  // namespace

InstrumentSynth::InstrumentSynth(const std::string& soundFontPath)
{
    settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", Signal::sampleRate);
    fluid_settings_setint(settings, "synth.cpu-cores", 1);
    fluid_settings_setint(settings, "synth.polyphony", 256);
    // Only the instruments in use are decoded from the compressed font.
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setnum(settings, "synth.gain", 0.5);
    synth = new_fluid_synth(settings);
    if (synth == nullptr) {
        delete_fluid_settings(settings);
        throw std::runtime_error("FluidSynth could not start");
    }
    if (fluid_synth_sfload(synth, soundFontPath.c_str(), 1) == FLUID_FAILED) {
        delete_fluid_synth(synth);
        delete_fluid_settings(settings);
        throw std::runtime_error("FluidSynth could not read the sound font " + soundFontPath);
    }
}

InstrumentSynth::~InstrumentSynth()
{
    delete_fluid_synth(synth);
    delete_fluid_settings(settings);
}

Signal::Samples InstrumentSynth::Render(const Score& score, double extraSeconds)
{
    fluid_synth_system_reset(synth);  // silences every voice and clears the reverb's memory
    fluid_synth_set_reverb_group_roomsize(synth, -1, score.reverb[0]);
    fluid_synth_set_reverb_group_damp(synth, -1, score.reverb[1]);
    fluid_synth_set_reverb_group_width(synth, -1, score.reverb[2]);
    fluid_synth_set_reverb_group_level(synth, -1, score.reverb[3]);
    fluid_synth_chorus_on(synth, -1, 0);

    const double framesPerBeat = score.SecondsPerBeat() * Signal::sampleRate;
    std::vector<Event> events;
    for (std::size_t index = 0; index < score.parts.size(); ++index) {
        const Score::Part& part = score.parts[index];
        const int channel = ChannelOf(index);
        fluid_synth_program_change(synth, channel, part.program);
        fluid_synth_cc(synth, channel, 7, part.volume);
        fluid_synth_cc(synth, channel, 10, part.pan);
        fluid_synth_cc(synth, channel, 91, part.reverbSend);
        fluid_synth_cc(synth, channel, 93, 0);
        for (const Score::Note& note : part.notes) {
            const long on = std::lround(note.startBeat * framesPerBeat);
            const long off = std::lround((note.startBeat + note.lengthBeats * part.legato) * framesPerBeat);
            events.push_back({on, true, channel, note.key, note.velocity});
            events.push_back({std::max(off, on + 1), false, channel, note.key, 0});
        }
    }
    // Note-offs before note-ons at the same moment, so a repeated key sounds again.
    std::stable_sort(events.begin(), events.end(), [](const Event& a, const Event& b) {
        return a.frame != b.frame ? a.frame < b.frame : (!a.isNoteOn && b.isNoteOn);
    });

    const long totalFrames = std::lround(score.lengthBeats * framesPerBeat + extraSeconds * Signal::sampleRate);
    std::vector<float> left(totalFrames);
    std::vector<float> right(totalFrames);
    long rendered = 0;
    const auto renderUntil = [&](long frame) {
        frame = std::min(frame, totalFrames);
        while (rendered < frame) {
            const int count = static_cast<int>(std::min<long>(frame - rendered, 4096));
            fluid_synth_write_float(synth, count, left.data() + rendered, 0, 1, right.data() + rendered, 0, 1);
            rendered += count;
        }
    };
    for (const Event& event : events) {
        renderUntil(event.frame);
        if (event.isNoteOn) {
            fluid_synth_noteon(synth, event.channel, event.key, event.velocity);
        } else {
            fluid_synth_noteoff(synth, event.channel, event.key);
        }
    }
    renderUntil(totalFrames);

    Signal::Samples stereo(2 * totalFrames);
    for (long frame = 0; frame < totalFrames; ++frame) {
        stereo[2 * frame] = left[frame];
        stereo[2 * frame + 1] = right[frame];
    }
    return stereo;
}

Signal::Samples ToMono(const Signal::Samples& stereo)
{
    Signal::Samples mono(stereo.size() / 2);
    for (std::size_t frame = 0; frame < mono.size(); ++frame) {
        mono[frame] = 0.5f * (stereo[2 * frame] + stereo[2 * frame + 1]);
    }
    return mono;
}
