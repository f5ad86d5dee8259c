#pragma once

#include "Content/Music/Score.h"
#include "Content/SoundSynthesis/Signal.h"

#include <string>

struct _fluid_hashtable_t;
struct _fluid_synth_t;

// Plays scores through FluidSynth with a General MIDI sound font, offline and faster than real
// time. The sound font is read once; every rendering starts from a reset synthesizer, so the
// same score gives the same samples whatever was rendered before.
class InstrumentSynth {
public:
    // The General MIDI font of Debian's musescore-general-soundfont-small package, named by its
    // own file rather than the system-wide alternative, which another font package may take over.
    static constexpr const char* defaultSoundFont = "/usr/share/sounds/sf3/MuseScore_General_Lite.sf3";

    // Throws std::runtime_error when FluidSynth cannot start or the font cannot be read.
    explicit InstrumentSynth(const std::string& soundFontPath = defaultSoundFont);
    InstrumentSynth(const InstrumentSynth&) = delete;
    InstrumentSynth& operator=(const InstrumentSynth&) = delete;
    ~InstrumentSynth();

    // Interleaved stereo at the game's rate: the score, then `extraSeconds` more while notes
    // and the reverb ring out.
    Signal::Samples Render(const Score& score, double extraSeconds);

private:
    _fluid_hashtable_t* settings;
    _fluid_synth_t* synth;
};

// Folds two interleaved channels into one.
Signal::Samples ToMono(const Signal::Samples& stereo);
