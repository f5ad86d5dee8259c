#include "Content/SoundLibrary/EffectRecipe.h"

#include "Content/Music/Score.h"

#include <charconv>
#include <sstream>

double EffectRecipe::Layer::Get(const std::string& key, double fallback) const
{
    const auto setting = settings.find(key);
    return setting == settings.end() ? fallback : setting->second;
}

std::vector<EffectRecipe> ParseEffectTable(const std::string& text)
{
    std::vector<EffectRecipe> recipes;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    while (std::getline(lines, line)) {
        ++lineNumber;
        const auto fail = [&](const std::string& message) {
            throw EffectTableError("effects line " + std::to_string(lineNumber) + ": " + message);
        };
        line = WithoutComment(line);
        std::istringstream words(line);
        EffectRecipe recipe;
        if (!(words >> recipe.id)) {
            if (words.eof() && line.find_first_not_of(" \t\r") == std::string::npos) {
                continue;
            }
            fail("a line starts with the sound's id");
        }
        std::string layerText;
        while (std::getline(words, layerText, ';')) {
            std::istringstream layerWords(layerText);
            EffectRecipe::Layer layer;
            if (!(layerWords >> layer.generator)) {
                fail("empty layer");
            }
            std::string word;
            while (layerWords >> word) {
                const auto equals = word.find('=');
                if (equals == std::string::npos) {
                    layer.notes.push_back(word);
                    continue;
                }
                // from_chars reads the same whatever the user's locale.
                const std::string value = word.substr(equals + 1);
                double number = 0.0;
                const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
                if (error != std::errc() || end != value.data() + value.size()) {
                    fail("'" + word + "' is not a number");
                }
                layer.settings[word.substr(0, equals)] = number;
            }
            recipe.layers.push_back(layer);
        }
        recipes.push_back(recipe);
    }
    return recipes;
}
