#include "Content/SoundSynthesis/Signal.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <numbers>

namespace Signal {

void NormalizePeak(Samples& samples, double peak)
{
    float largest = 0.0f;
    for (float sample : samples) {
        largest = std::max(largest, std::fabs(sample));
    }
    if (largest <= 0.0f) {
        return;
    }
    const float gain = static_cast<float>(peak / largest);
    for (float& sample : samples) {
        sample *= gain;
    }
}

void LimitRms(Samples& samples, double rms)
{
    double sum = 0.0;
    for (float sample : samples) {
        sum += static_cast<double>(sample) * sample;
    }
    const double level = samples.empty() ? 0.0 : std::sqrt(sum / samples.size());
    if (level > rms) {
        for (float& sample : samples) {
            sample *= static_cast<float>(rms / level);
        }
    }
}

void FadeEdges(Samples& samples, double fadeInSeconds, double fadeOutSeconds, int channels)
{
    const int frames = static_cast<int>(samples.size()) / channels;
    const auto fade = [&](int length, bool atStart) {
        length = std::min(length, frames);
        for (int i = 0; i < length; ++i) {
            const double gain = 0.5 - 0.5 * std::cos(std::numbers::pi * (i + 0.5) / length);
            const int frame = atStart ? i : frames - 1 - i;
            for (int channel = 0; channel < channels; ++channel) {
                samples[frame * channels + channel] *= static_cast<float>(gain);
            }
        }
    };
    fade(SampleCount(fadeInSeconds), true);
    fade(SampleCount(fadeOutSeconds), false);
}

void TrimSilence(Samples& samples, double threshold, double marginSeconds)
{
    const auto loud = [threshold](float sample) { return std::fabs(sample) >= threshold; };
    const auto first = std::find_if(samples.begin(), samples.end(), loud);
    if (first == samples.end()) {
        samples.clear();
        return;
    }
    const auto last = std::find_if(samples.rbegin(), samples.rend(), loud).base();
    const long margin = SampleCount(marginSeconds);
    const long begin = std::max<long>(0, (first - samples.begin()) - margin);
    const long end = std::min<long>(static_cast<long>(samples.size()), (last - samples.begin()) + margin);
    samples = Samples(samples.begin() + begin, samples.begin() + end);
}

void MixInto(Samples& target, const Samples& source, int offset, double gain)
{
    if (target.size() < offset + source.size()) {
        target.resize(offset + source.size(), 0.0f);
    }
    for (std::size_t i = 0; i < source.size(); ++i) {
        target[offset + i] += static_cast<float>(source[i] * gain);
    }
}

Samples Resample(const Samples& samples, int fromRate, int toRate)
{
    // Output n lies at input position n * down / up. Its fractional part repeats every `up`
    // outputs, so the filter's weights are computed once per phase.
    const long common = std::gcd(fromRate, toRate);
    const long up = toRate / common;
    const long down = fromRate / common;
    constexpr int halfWidth = 16;  // zero crossings of the kernel on either side
    // Cut-off as a fraction of the input's Nyquist frequency, a little below the lower rate's.
    const double cutoff = 0.95 * std::min(1.0, static_cast<double>(toRate) / fromRate);
    const int reach = static_cast<int>(std::ceil(halfWidth / cutoff));
    const int taps = 2 * reach + 1;
    std::vector<float> weights(up * taps);
    for (long phase = 0; phase < up; ++phase) {
        const double fraction = static_cast<double>(phase) / up;
        for (int tap = 0; tap < taps; ++tap) {
            const double x = (tap - reach - fraction) * cutoff;
            const double sinc = x == 0.0 ? 1.0 : std::sin(std::numbers::pi * x) / (std::numbers::pi * x);
            const double window = std::fabs(x) >= halfWidth ? 0.0 : 0.5 + 0.5 * std::cos(std::numbers::pi * x / halfWidth);
            weights[phase * taps + tap] = static_cast<float>(sinc * window * cutoff);
        }
    }
    const long inputCount = static_cast<long>(samples.size());
    const long outputCount = inputCount * up / down;
    Samples output(outputCount);
    for (long n = 0; n < outputCount; ++n) {
        const long base = n * down / up;
        const float* weight = &weights[(n * down % up) * taps];
        double sum = 0.0;
        for (int tap = 0; tap < taps; ++tap) {
            const long index = base - reach + tap;
            if (index >= 0 && index < inputCount) {
                sum += samples[index] * weight[tap];
            }
        }
        output[n] = static_cast<float>(sum);
    }
    return output;
}

namespace {

void Append(std::vector<std::uint8_t>& bytes, std::uint32_t value, int size)
{
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void AppendTag(std::vector<std::uint8_t>& bytes, const char* tag)
{
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(tag[i]));
    }
}

}  // namespace

std::vector<std::uint8_t> EncodeWave(const Samples& samples, int channels)
{
    const std::uint32_t dataSize = static_cast<std::uint32_t>(samples.size() * 2);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(44 + dataSize);
    AppendTag(bytes, "RIFF");
    Append(bytes, 36 + dataSize, 4);
    AppendTag(bytes, "WAVE");
    AppendTag(bytes, "fmt ");
    Append(bytes, 16, 4);
    Append(bytes, 1, 2);  // PCM
    Append(bytes, channels, 2);
    Append(bytes, sampleRate, 4);
    Append(bytes, sampleRate * channels * 2, 4);
    Append(bytes, channels * 2, 2);
    Append(bytes, 16, 2);
    AppendTag(bytes, "data");
    Append(bytes, dataSize, 4);
    for (float sample : samples) {
        const long value = std::lround(std::clamp(sample, -1.0f, 1.0f) * 32767.0f);
        Append(bytes, static_cast<std::uint16_t>(static_cast<std::int16_t>(value)), 2);
    }
    return bytes;
}

}  // namespace Signal
