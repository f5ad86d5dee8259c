#include "Content/SoundSynthesis/Synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace Synth {

namespace {

constexpr double twoPi = 2.0 * std::numbers::pi;
constexpr double nyquist = Signal::sampleRate / 2.0;

double Fraction(std::size_t index, std::size_t count)
{
    return count > 1 ? static_cast<double>(index) / static_cast<double>(count - 1) : 0.0;
}

// One band-limited sample of the waveform at `phase` (in cycles) for a given frequency.
double Oscillate(Waveform waveform, double phase, double frequency)
{
    const double angle = twoPi * phase;
    if (waveform == Waveform::sine) {
        return std::sin(angle);
    }
    const int harmonics = std::max(1, static_cast<int>(nyquist / std::max(frequency, 1.0)));
    double sum = 0.0;
    for (int k = 1; k <= std::min(harmonics, 60); ++k) {
        switch (waveform) {
        case Waveform::saw:
            sum += std::sin(k * angle) / k;
            break;
        case Waveform::square:
            sum += (k % 2 == 1) ? std::sin(k * angle) / k : 0.0;
            break;
        case Waveform::triangle:
            sum += (k % 2 == 1) ? ((k / 2) % 2 == 0 ? 1.0 : -1.0) * std::sin(k * angle) / (k * k) : 0.0;
            break;
        case Waveform::sine:
            break;
        }
    }
    return waveform == Waveform::triangle ? sum * 8.0 / (std::numbers::pi * std::numbers::pi)
                                          : sum * 2.0 / std::numbers::pi;
}

enum class FilterOutput { low, high, band };

// A state-variable filter in its topology-preserving form, stable for every cut-off up to
// just below the Nyquist frequency, also while the cut-off glides.
Samples Filter(const Samples& input, Glide cutoff, double resonance, FilterOutput output)
{
    Samples result(input.size());
    const double k = 1.0 / std::max(resonance, 0.5);
    double state1 = 0.0;
    double state2 = 0.0;
    for (std::size_t i = 0; i < input.size(); ++i) {
        const double frequency = std::clamp(cutoff.At(Fraction(i, input.size())), 10.0, nyquist * 0.95);
        const double g = std::tan(std::numbers::pi * frequency / Signal::sampleRate);
        const double a1 = 1.0 / (1.0 + g * (g + k));
        const double a2 = g * a1;
        const double a3 = g * a2;
        const double v3 = input[i] - state2;
        const double band = a1 * state1 + a2 * v3;
        const double low = state2 + a2 * state1 + a3 * v3;
        state1 = 2.0 * band - state1;
        state2 = 2.0 * low - state2;
        const double value = output == FilterOutput::low ? low : output == FilterOutput::high ? input[i] - k * band - low : band;
        result[i] = static_cast<float>(value);
    }
    return result;
}

}  // namespace

double Glide::At(double fraction) const
{
    if (from <= 0.0 || to <= 0.0) {
        return from + (to - from) * fraction;
    }
    return from * std::pow(to / from, fraction);
}

Samples Tone(double seconds, Waveform waveform, Glide frequency, double vibratoRate, double vibratoDepth)
{
    Samples samples(Signal::SampleCount(seconds));
    double phase = 0.0;
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double time = static_cast<double>(i) / Signal::sampleRate;
        const double vibrato = 1.0 + vibratoDepth * std::sin(twoPi * vibratoRate * time);
        const double hertz = frequency.At(Fraction(i, samples.size())) * vibrato;
        samples[i] = static_cast<float>(Oscillate(waveform, phase, hertz));
        phase += hertz / Signal::sampleRate;
        phase -= std::floor(phase);
    }
    return samples;
}

Samples Noise(double seconds, std::uint32_t seed)
{
    Samples samples(Signal::SampleCount(seconds));
    std::uint32_t state = seed * 2654435761u + 0x9E3779B9u;
    for (float& sample : samples) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        sample = static_cast<float>(state / 2147483648.0 - 1.0);
    }
    return samples;
}

Samples LowPass(const Samples& input, Glide cutoff, double resonance)
{
    return Filter(input, cutoff, resonance, FilterOutput::low);
}

Samples HighPass(const Samples& input, Glide cutoff, double resonance)
{
    return Filter(input, cutoff, resonance, FilterOutput::high);
}

Samples BandPass(const Samples& input, Glide centre, double resonance)
{
    return Filter(input, centre, resonance, FilterOutput::band);
}

void Percussive(Samples& samples, double attack, double shape)
{
    const double attackSamples = std::max(1.0, attack * Signal::sampleRate);
    const double decay = 6.9 * shape;  // e^-6.9 is about -60 dB
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double rise = std::min(1.0, i / attackSamples);
        samples[i] *= static_cast<float>(rise * std::exp(-decay * Fraction(i, samples.size())));
    }
}

void Swell(Samples& samples, double attack, double release)
{
    const double attackSamples = std::max(1.0, attack * Signal::sampleRate);
    const double releaseSamples = std::max(1.0, release * Signal::sampleRate);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        const double fromEnd = static_cast<double>(samples.size() - i);
        samples[i] *= static_cast<float>(std::min({1.0, i / attackSamples, fromEnd / releaseSamples}));
    }
}

void Shape(Samples& samples, const std::function<double(double)>& gain)
{
    for (std::size_t i = 0; i < samples.size(); ++i) {
        samples[i] *= static_cast<float>(gain(Fraction(i, samples.size())));
    }
}

void Saturate(Samples& samples, double drive)
{
    const double norm = std::tanh(drive);
    for (float& sample : samples) {
        sample = static_cast<float>(std::tanh(drive * sample) / norm);
    }
}

}  // namespace Synth
