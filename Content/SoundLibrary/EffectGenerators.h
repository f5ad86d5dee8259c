#pragma once

#include "Content/Music/InstrumentSynth.h"
#include "Content/SoundLibrary/EffectRecipe.h"

// Makes the game's sound effects from their recipes: each layer by its generator (wing beats,
// screeches, splashes, stomps, roars, crunches, rustles, creaks, bubbles, clicks, plain tones
// and noise, and instrument notes through FluidSynth), mixed, brought to the one peak level
// every effect shares, and faded at both ends so that it never clicks.
namespace EffectGenerators {

// The peak every effect is normalised to, a little below full scale so that two effects
// playing together rarely clip.
constexpr double effectPeak = 0.7;
// The loudest an effect may be on average; dense sounds (roars, buzzes) are held down to it.
constexpr double effectRms = 0.2;

// Throws std::invalid_argument for a generator name it does not know.
Signal::Samples MakeEffect(const EffectRecipe& recipe, InstrumentSynth& instruments);

}  // namespace EffectGenerators
