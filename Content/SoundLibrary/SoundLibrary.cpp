#include "Content/SoundLibrary/SoundLibrary.h"

#include "Content/Music/LoopedMusic.h"
#include "Content/Narration/Narrator.h"
#include "Content/SoundLibrary/EffectGenerators.h"
#include "Marrowmere/IDs/SoundIDs.h"

#include <algorithm>
#include <fstream>
#include <future>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace {

constexpr int narrationCount = 48;

std::string ReadText(const std::filesystem::path& path)
{
    std::ifstream stream(path);
    if (!stream) {
        throw std::runtime_error("cannot read content source " + path.string());
    }
    std::ostringstream text;
    text << stream.rdbuf();
    return text.str();
}

void AddSound(ContentArchive& archive, int id, const Signal::Samples& samples, int channels = 1)
{
    archive.AddBlock(ResourceType::sound, static_cast<ResourceID>(id), Signal::EncodeWave(samples, channels));
}

}  // namespace

void BuildSndLibrary(ContentArchive& archive, const ContentOptions& options)
{
    // The narrations take longest: their speech processes run while the effects and the
    // music are made here.
    const std::filesystem::path narrationFolder = options.sourceFolder / "Narration";
    std::vector<std::string> texts;
    for (int index = 0; index < narrationCount; ++index) {
        texts.push_back(ReadText(narrationFolder / (std::to_string(SoundIDs::TutorialNarrationStart() + index) + ".txt")));
    }
    const Narrator narrator(ReadText(narrationFolder / "lexicon.scm"));
    const int processes = static_cast<int>(std::clamp(std::thread::hardware_concurrency(), 1u, 4u));
    auto narrations = std::async(std::launch::async, [&] { return narrator.Speak(texts, processes); });

    InstrumentSynth instruments;
    for (const EffectRecipe& recipe : ParseEffectTable(ReadText(options.sourceFolder / "Sounds" / "effects.txt"))) {
        AddSound(archive, recipe.id, EffectGenerators::MakeEffect(recipe, instruments));
    }
    const Score theme = ParseScore(ReadText(options.sourceFolder / "Music" / "theme.score"));
    AddSound(archive, SoundIDs::BackgroundMusic(), LoopedMusic::Render(theme, instruments), 2);

    const std::vector<Signal::Samples> spoken = narrations.get();
    for (int index = 0; index < narrationCount; ++index) {
        AddSound(archive, SoundIDs::TutorialNarrationStart() + index, spoken[index]);
    }
}
