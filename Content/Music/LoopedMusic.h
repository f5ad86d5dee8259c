#pragma once

#include "Content/Music/InstrumentSynth.h"

// Background music that loops without a seam: the score is rendered with its tail (the notes
// and the reverb still ringing after the last bar), the loop ends exactly on the last bar line,
// and the tail is added onto the start, where it would sound when the loop comes round again.
namespace LoopedMusic {

// The peak of the music, well below the effects' so that they stand out over it.
constexpr double musicPeak = 0.45;

// Interleaved stereo of exactly the score's length.
Signal::Samples Render(const Score& score, InstrumentSynth& instruments);

}  // namespace LoopedMusic
