#pragma once

#include "Content/SoundSynthesis/Signal.h"

#include <filesystem>
#include <string>
#include <vector>

// Speaks texts with Festival's HTS voice (Debian festival and festvox-us-slt-hts), a natural
// voice, and turns each into a finished narration at the game's rate: resampled, silence
// trimmed, faded and brought to one level. Festival starts slowly and speaks one text at a time,
// so the texts are shared out among several Festival processes that run side by side. Where
// Festival or its voice is missing, espeak-ng speaks instead, and a warning says so.
class Narrator {
public:
    // `lexicon` holds Festival lexicon entries for words the voice would say wrongly.
    explicit Narrator(std::string lexicon);

    // One narration per text, in the order given. Throws std::runtime_error when no speech
    // program works or one fails.
    std::vector<Signal::Samples> Speak(const std::vector<std::string>& texts, int processes) const;

    bool UsesFestival() const { return festivalAvailable; }

private:
    std::vector<Signal::Samples> SpeakWithFestival(const std::vector<std::string>& texts, int processes,
                                                   const std::filesystem::path& folder) const;
    std::vector<Signal::Samples> SpeakWithEspeak(const std::vector<std::string>& texts,
                                                 const std::filesystem::path& folder) const;

    std::string lexicon;
    bool festivalAvailable;
};

// The samples of a 16-bit PCM wave image as floats, mixed down to one channel, with its rate;
// throws std::runtime_error for anything else.
Signal::Samples ReadPcmWave(const std::vector<std::uint8_t>& image, int& rate);
