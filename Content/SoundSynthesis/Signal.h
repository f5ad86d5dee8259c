#pragma once

#include <cstdint>
#include <vector>

// Mono or interleaved stereo samples in the range -1 to 1 at the game's rate, and the shaping
// every finished sound gets before it is stored: a level that is the same for every effect, and
// short fades so that a sound never starts or stops with a click.
namespace Signal {

constexpr int sampleRate = 22050;

using Samples = std::vector<float>;

inline int SampleCount(double seconds)
{
    return static_cast<int>(seconds * sampleRate + 0.5);
}

// Scales the samples so that the largest magnitude is `peak` (silence stays silence).
void NormalizePeak(Samples& samples, double peak);

// Scales the samples down where their root-mean-square level exceeds `rms`, so that a dense
// sound does not seem louder than a sparse one of the same peak.
void LimitRms(Samples& samples, double rms);

// Raised-cosine fades over the first and the last frames; `channels` frames interleave.
void FadeEdges(Samples& samples, double fadeInSeconds, double fadeOutSeconds, int channels = 1);

// Drops leading and trailing frames whose every sample is below `threshold`, keeping
// `marginSeconds` of what was dropped on either side.
void TrimSilence(Samples& samples, double threshold, double marginSeconds);

// Adds `source` into `target` from frame `offset` on, times `gain`; grows `target` as needed.
void MixInto(Samples& target, const Samples& source, int offset = 0, double gain = 1.0);

// Changes the rate of a mono signal with a windowed-sinc interpolator whose cut-off lies
// below both rates' Nyquist frequencies, so that nothing folds back.
Samples Resample(const Samples& samples, int fromRate, int toRate);

// A RIFF WAVE image of 16-bit PCM at the game's rate, rounded and clamped.
std::vector<std::uint8_t> EncodeWave(const Samples& samples, int channels = 1);

}  // namespace Signal
