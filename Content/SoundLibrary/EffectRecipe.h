#pragma once

#include "Content/SoundSynthesis/Signal.h"

#include <map>
#include <stdexcept>
#include <string>
#include <vector>

// One sound effect as written in the effects table: its id and the layers mixed to make it.
// A line of the table reads
//
//   2601  screech pitch=1500 length=0.3 ; snap at=0.25 gain=0.8
//
// layers are separated by ';', each a generator's name and key=value settings; every layer
// may be placed with at= (seconds from the start) and scaled with gain=. The notes generator
// takes its melody as plain note words (see Score): notes program=56 C5:e E5:e G5:q
struct EffectRecipe {
    struct Layer {
        std::string generator;
        std::map<std::string, double> settings;
        std::vector<std::string> notes;

        double Get(const std::string& key, double fallback) const;
    };

    int id = 0;
    std::vector<Layer> layers;
};

struct EffectTableError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Reads the whole table; '#' starts a comment. Throws EffectTableError naming the line.
std::vector<EffectRecipe> ParseEffectTable(const std::string& text);
