#include "Content/SoundLibrary/EffectGenerators.h"

#include "Content/SoundSynthesis/Synth.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>
#include <numbers>
#include <stdexcept>

using namespace Synth;
using Layer = EffectRecipe::Layer;

namespace {

// A small deterministic generator for the random choices inside a layer (bubble pitches,
// the spacing of chews), so the same recipe always gives the same sound.
class Dice {
public:
    explicit Dice(std::uint32_t seed) : state(seed * 747796405u + 2891336453u) {}
    double Next(double low, double high)
    {
        state = state * 1664525u + 1013904223u;
        return low + (high - low) * ((state >> 8) / 16777216.0);
    }

private:
    std::uint32_t state;
};

Samples Silence(double seconds)
{
    return Samples(Signal::SampleCount(seconds), 0.0f);
}

Samples PlainTone(const Layer& layer, std::uint32_t)
{
    static const std::map<int, Waveform> waveforms = {
        {0, Waveform::sine}, {1, Waveform::triangle}, {2, Waveform::saw}, {3, Waveform::square}};
    const double from = layer.Get("from", 440.0);
    Samples tone = Tone(layer.Get("length", 0.3), waveforms.at(static_cast<int>(layer.Get("wave", 0))),
                        {from, layer.Get("to", from)}, layer.Get("vibrato", 0.0), layer.Get("depth", 0.0));
    if (layer.Get("cutoff", 0.0) > 0.0) {
        tone = LowPass(tone, {layer.Get("cutoff", 0.0), layer.Get("cutoff", 0.0)});
    }
    Percussive(tone, layer.Get("attack", 0.005), layer.Get("decay", 1.0));
    return tone;
}

// Noise through a gliding filter: filter 0 low-pass, 1 high-pass, 2 band-pass.
Samples FilteredNoise(const Layer& layer, std::uint32_t seed)
{
    const Samples noise = Noise(layer.Get("length", 0.3), seed);
    const Glide cutoff{layer.Get("from", 1000.0), layer.Get("to", layer.Get("from", 1000.0))};
    const int filter = static_cast<int>(layer.Get("filter", 2));
    const double q = layer.Get("q", filter == 2 ? 2.0 : 0.7);
    Samples shaped = filter == 0 ? LowPass(noise, cutoff, q) : filter == 1 ? HighPass(noise, cutoff, q)
                                                                           : BandPass(noise, cutoff, q);
    if (layer.Get("swell", 0.0) > 0.0) {
        Swell(shaped, layer.Get("attack", 0.05), layer.Get("release", 0.1));
    } else {
        Percussive(shaped, layer.Get("attack", 0.005), layer.Get("decay", 1.0));
    }
    return shaped;
}

// `count` bursts, one every `period` seconds, each made by `burst` from its index.
Samples Train(int count, double period, const std::function<Samples(int)>& burst)
{
    Samples result;
    for (int index = 0; index < count; ++index) {
        Signal::MixInto(result, burst(index), Signal::SampleCount(index * period));
    }
    return result;
}

// Wing beats: soft bursts of air, each a swelling then falling band of noise.
Samples WingBeats(const Layer& layer, std::uint32_t seed)
{
    const int beats = static_cast<int>(layer.Get("beats", 3));
    const double period = 1.0 / layer.Get("rate", 9.0);
    const double centre = layer.Get("pitch", 700.0);
    return Train(beats, period, [&](int beat) {
        Samples gust = BandPass(Noise(period * 1.1, seed + beat), {centre * 0.7, centre * 1.6}, 1.2);
        const double gain = 1.0 - 0.15 * beat / beats;
        Shape(gust, [gain](double t) { return gain * std::sin(std::numbers::pi * t) * std::exp(-2.0 * t); });
        return gust;
    });
}

// A bird's cry: a bright, slightly rough tone that leaps up and falls back.
Samples Screech(const Layer& layer, std::uint32_t seed)
{
    const double length = layer.Get("length", 0.35);
    const double pitch = layer.Get("pitch", 1500.0);
    const double fall = layer.Get("fall", 0.7);
    Samples cry = Tone(length, Waveform::saw, {pitch, pitch * fall}, 28.0, 0.03);
    Shape(cry, [](double t) { return 1.0 + 0.35 * std::sin(std::numbers::pi * std::min(t * 3.0, 1.0)); });
    cry = BandPass(cry, {pitch * 1.6, pitch * 1.2}, 1.5);
    Signal::MixInto(cry, BandPass(Noise(length, seed), {pitch * 2.0, pitch * 1.5}, 2.0), 0, 0.25);
    Percussive(cry, 0.015, layer.Get("decay", 0.8));
    Saturate(cry, 1.5);
    return cry;
}

// Rising bubbles: short sine chirps at scattered times and pitches.
Samples Bubbles(const Layer& layer, std::uint32_t seed)
{
    Dice dice(seed);
    const double length = layer.Get("length", 0.5);
    const int count = static_cast<int>(layer.Get("count", 6));
    const double low = layer.Get("low", 400.0);
    const double high = layer.Get("high", 1200.0);
    Samples result = Silence(length);
    for (int index = 0; index < count; ++index) {
        const double pitch = dice.Next(low, high);
        const double size = dice.Next(0.025, 0.06);
        Samples bloop = Tone(size, Waveform::sine, {pitch, pitch * 1.8});
        Percussive(bloop, 0.003, 1.2);
        const double at = dice.Next(0.0, std::max(0.0, length - size));
        Signal::MixInto(result, bloop, Signal::SampleCount(at), dice.Next(0.5, 1.0));
    }
    return result;
}

// Water thrown up and falling back: a noise burst whose brightness sinks, with bubbles.
Samples Splash(const Layer& layer, std::uint32_t seed)
{
    const double length = layer.Get("length", 0.6);
    const double size = layer.Get("size", 1.0);
    Samples water = LowPass(Noise(length, seed), {5000.0 / size, 600.0 / size}, 0.8);
    Shape(water, [](double t) { return std::min(1.0, t * 25.0) * std::exp(-4.0 * t) * (1.0 + 0.3 * std::sin(60.0 * t)); });
    Layer bubbles;
    bubbles.settings = {{"length", length}, {"count", 8 * size}, {"low", 300.0 / size}, {"high", 1100.0 / size}};
    Signal::MixInto(water, Bubbles(bubbles, seed + 1), Signal::SampleCount(length * 0.15), 0.35);
    return water;
}

// Jaws closing: a hard tick and a short hollow knock.
Samples Snap(const Layer& layer, std::uint32_t seed)
{
    const double pitch = layer.Get("pitch", 900.0);
    Samples tick = HighPass(Noise(0.02, seed), {2500.0, 2500.0});
    Percussive(tick, 0.0005, 2.0);
    Samples knock = Tone(0.09, Waveform::sine, {pitch, pitch * 0.6});
    Percussive(knock, 0.001, 1.5);
    Signal::MixInto(knock, tick, 0, 0.8);
    return knock;
}

// Heavy footfalls: a low thud whose pitch drops, with a little grit on the impact.
Samples Stomps(const Layer& layer, std::uint32_t seed)
{
    const double pitch = layer.Get("pitch", 110.0);
    return Train(static_cast<int>(layer.Get("count", 2)), 1.0 / layer.Get("rate", 4.0), [&](int step) {
        Samples thud = Tone(0.22, Waveform::sine, {pitch, pitch * 0.45});
        Percussive(thud, 0.002, 1.3);
        Samples grit = LowPass(Noise(0.06, seed + step), {900.0, 300.0});
        Percussive(grit, 0.001, 1.5);
        Signal::MixInto(thud, grit, 0, 0.6);
        Saturate(thud, 1.2);
        Shape(thud, [step](double) { return step % 2 == 0 ? 1.0 : 0.8; });
        return thud;
    });
}

// Chewing: bursts of crisp band-limited noise at an uneven rhythm.
Samples Munch(const Layer& layer, std::uint32_t seed)
{
    Dice dice(seed);
    const int count = static_cast<int>(layer.Get("count", 4));
    const double period = 1.0 / layer.Get("rate", 7.0);
    const double pitch = layer.Get("pitch", 1400.0);
    Samples result;
    for (int chew = 0; chew < count; ++chew) {
        const double length = period * dice.Next(0.6, 0.9);
        Samples bite = BandPass(Noise(length, seed + 10 * chew), {pitch * dice.Next(0.8, 1.2), pitch * 0.7}, 1.5);
        Samples crackle = Noise(length, seed + 10 * chew + 1);
        for (float& sample : crackle) {
            sample = std::fabs(sample) > 0.93f ? sample : 0.0f;
        }
        Signal::MixInto(bite, HighPass(crackle, {1800.0, 1800.0}), 0, 0.7);
        Percussive(bite, 0.004, 1.6);
        Signal::MixInto(result, bite, Signal::SampleCount(chew * period * dice.Next(0.9, 1.1)), dice.Next(0.7, 1.0));
    }
    return result;
}

// Bones breaking: a dense crackle inside a falling band.
Samples Crunch(const Layer& layer, std::uint32_t seed)
{
    const double length = layer.Get("length", 0.3);
    Samples crackle = Noise(length, seed);
    Dice dice(seed + 7);
    for (float& sample : crackle) {
        sample = dice.Next(0.0, 1.0) > 0.9 ? sample : sample * 0.15f;
    }
    Samples crunch = BandPass(crackle, {layer.Get("pitch", 2200.0), layer.Get("pitch", 2200.0) * 0.5}, 1.2);
    Percussive(crunch, 0.002, layer.Get("decay", 1.2));
    return crunch;
}

// A big animal's roar: a low, rough buzz that swells and fades, through a closing mouth.
Samples Roar(const Layer& layer, std::uint32_t seed)
{
    const double length = layer.Get("length", 0.6);
    const double pitch = layer.Get("pitch", 95.0);
    const double fall = layer.Get("fall", 0.8);
    Samples voice = Tone(length, Waveform::saw, {pitch, pitch * fall}, 17.0, 0.06);
    Signal::MixInto(voice, Noise(length, seed), 0, 0.35);
    Saturate(voice, 1.6);
    Samples growl = LowPass(voice, {layer.Get("bright", 1400.0), layer.Get("bright", 1400.0) * 0.45}, 1.8);
    Shape(growl, [](double t) { return std::sin(std::numbers::pi * std::pow(t, 0.6)) * (1.0 + 0.25 * std::sin(90.0 * t)); });
    return growl;
}

// Leaves and blades brushing: bright noise flickering in loudness.
Samples Rustle(const Layer& layer, std::uint32_t seed)
{
    const double length = layer.Get("length", 0.5);
    Samples leaves = BandPass(Noise(length, seed), {layer.Get("pitch", 4000.0), layer.Get("pitch", 4000.0) * 0.8}, 0.9);
    Dice dice(seed + 3);
    std::vector<double> flicker(32);
    for (double& value : flicker) {
        value = dice.Next(0.2, 1.0);
    }
    Shape(leaves, [&](double t) {
        const double position = t * (flicker.size() - 1);
        const std::size_t index = std::min(flicker.size() - 2, static_cast<std::size_t>(position));
        const double blend = position - index;
        return (flicker[index] * (1.0 - blend) + flicker[index + 1] * blend) * std::sin(std::numbers::pi * t);
    });
    return leaves;
}

// Wood bending: a slow train of clicks through the resonances of a trunk.
Samples Creak(const Layer& layer, std::uint32_t seed)
{
    const double length = layer.Get("length", 0.6);
    const Glide rate{layer.Get("from", 45.0), layer.Get("to", 25.0)};
    Samples clicks = Silence(length);
    Dice dice(seed);
    double phase = 0.0;
    for (std::size_t i = 0; i < clicks.size(); ++i) {
        phase += rate.At(static_cast<double>(i) / clicks.size()) * dice.Next(0.8, 1.2) / Signal::sampleRate;
        if (phase >= 1.0) {
            phase -= 1.0;
            clicks[i] = 1.0f;
        }
    }
    const double pitch = layer.Get("pitch", 420.0);
    Samples wood = BandPass(clicks, {pitch, pitch * 0.9}, 9.0);
    Signal::MixInto(wood, BandPass(clicks, {pitch * 2.7, pitch * 2.5}, 7.0), 0, 0.6);
    Swell(wood, 0.08, 0.15);
    return wood;
}

// A button: a tiny, dry tick with a short tone behind it.
Samples Click(const Layer& layer, std::uint32_t seed)
{
    const double pitch = layer.Get("pitch", 2200.0);
    Samples tone = Tone(layer.Get("length", 0.04), Waveform::triangle, {pitch, pitch * 0.8});
    Percussive(tone, 0.0005, 1.8);
    Samples tick = HighPass(Noise(0.008, seed), {3000.0, 3000.0});
    Percussive(tick, 0.0003, 1.0);
    Signal::MixInto(tone, tick, 0, 0.5);
    return tone;
}

// Instrument notes through the sound font, e.g. a brass fanfare or a celesta chime.
Samples Notes(const Layer& layer, InstrumentSynth& instruments)
{
    std::string text = "tempo " + std::to_string(static_cast<int>(layer.Get("tempo", 120))) +
        "\nmeter 1000\nreverb 0.5 0.4 0.8 0.5\npart p program " + std::to_string(static_cast<int>(layer.Get("program", 0))) +
        " velocity " + std::to_string(static_cast<int>(layer.Get("velocity", 100))) +
        " reverb " + std::to_string(static_cast<int>(layer.Get("reverb", 40))) + "\nsection s\np";
    for (const std::string& note : layer.notes) {
        text += " " + note;
    }
    text += "\nform s\n";
    Samples sound = ToMono(instruments.Render(ParseScore(text), layer.Get("ring", 0.6)));
    Signal::FadeEdges(sound, 0.0, layer.Get("ring", 0.6));
    return sound;
}

Samples MakeLayer(const Layer& layer, std::uint32_t seed, InstrumentSynth& instruments)
{
    using Generator = std::function<Samples(const Layer&, std::uint32_t)>;
    static const std::map<std::string, Generator> generators = {
        {"tone", PlainTone},   {"noise", FilteredNoise}, {"wings", WingBeats}, {"screech", Screech},
        {"bubbles", Bubbles},  {"splash", Splash},       {"snap", Snap},       {"stomps", Stomps},
        {"munch", Munch},      {"crunch", Crunch},       {"roar", Roar},       {"rustle", Rustle},
        {"creak", Creak},      {"click", Click},
    };
    if (layer.generator == "notes") {
        return Notes(layer, instruments);
    }
    const auto generator = generators.find(layer.generator);
    if (generator == generators.end()) {
        throw std::invalid_argument("unknown sound generator '" + layer.generator + "'");
    }
    return generator->second(layer, seed);
}

}  // namespace

namespace EffectGenerators {

Signal::Samples MakeEffect(const EffectRecipe& recipe, InstrumentSynth& instruments)
{
    Samples effect;
    for (std::size_t index = 0; index < recipe.layers.size(); ++index) {
        const Layer& layer = recipe.layers[index];
        const auto seed = static_cast<std::uint32_t>(recipe.id * 16 + index + static_cast<int>(layer.Get("seed", 0)));
        Signal::MixInto(effect, MakeLayer(layer, seed, instruments), Signal::SampleCount(layer.Get("at", 0.0)),
                        layer.Get("gain", 1.0));
    }
    Signal::NormalizePeak(effect, 1.0);
    Signal::TrimSilence(effect, 0.001, 0.0);
    // Fades first, so that the level is set by what is heard, not by an attack the fade softens.
    const double seconds = static_cast<double>(effect.size()) / Signal::sampleRate;
    Signal::FadeEdges(effect, std::min(0.003, seconds / 8), std::min(0.02, seconds / 4));
    Signal::NormalizePeak(effect, effectPeak);
    Signal::LimitRms(effect, effectRms);
    return effect;
}

}  // namespace EffectGenerators
