#pragma once

#include "Content/SoundSynthesis/Signal.h"

#include <cstdint>
#include <functional>

// The building blocks of the effects: oscillators with pitch sweeps, noise, filters whose
// cut-off may glide, envelopes and saturation. Every function is deterministic: noise comes from
// a seeded generator, so the same call gives the same samples on every machine.
namespace Synth {

using Signal::Samples;

// A value that glides exponentially from `from` to `to` over the sound (a pitch or a cut-off).
struct Glide {
    double from;
    double to;
    double At(double fraction) const;
};

enum class Waveform { sine, triangle, saw, square };

// A tone of `seconds` whose frequency follows the glide, with optional vibrato (depth as a
// fraction of the frequency). Saw and square are band-limited by summing harmonics.
Samples Tone(double seconds, Waveform waveform, Glide frequency, double vibratoRate = 0.0,
             double vibratoDepth = 0.0);

// White noise from a small deterministic generator.
Samples Noise(double seconds, std::uint32_t seed);

// Resonant state-variable filters; the cut-off glides over the signal, `resonance` from 0.5
// (gentle) to about 10 (ringing).
Samples LowPass(const Samples& input, Glide cutoff, double resonance = 0.7);
Samples HighPass(const Samples& input, Glide cutoff, double resonance = 0.7);
Samples BandPass(const Samples& input, Glide centre, double resonance = 2.0);

// Multiplies by an envelope: a linear rise over `attack` seconds, then an exponential fall
// that reaches about -60 dB at the end of the signal (shape 1) or sooner (larger shapes).
void Percussive(Samples& samples, double attack, double shape = 1.0);
// Multiplies by a rise over `attack`, a plateau and a linear fall over `release` at the end.
void Swell(Samples& samples, double attack, double release);
// Multiplies sample by sample by an arbitrary gain curve of the fraction of the sound elapsed.
void Shape(Samples& samples, const std::function<double(double)>& gain);

// Soft clipping that warms and roughens a sound; drive 1 is mild.
void Saturate(Samples& samples, double drive);

}  // namespace Synth
