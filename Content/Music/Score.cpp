#include "Content/Music/Score.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <sstream>

namespace {

struct LineError {
    std::string message;
};

int KeyOf(const std::string& pitch)
{
    static const std::map<char, int> steps = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5}, {'G', 7}, {'A', 9}, {'B', 11}};
    const auto step = pitch.empty() ? steps.end() : steps.find(pitch[0]);
    if (step == steps.end()) {
        throw LineError{"unknown pitch '" + pitch + "'"};
    }
    std::size_t position = 1;
    int key = step->second;
    for (; position < pitch.size() && (pitch[position] == '#' || pitch[position] == 'b'); ++position) {
        key += pitch[position] == '#' ? 1 : -1;
    }
    const std::string octave = pitch.substr(position);
    if (octave.empty() || !std::all_of(octave.begin(), octave.end(), ::isdigit)) {
        throw LineError{"pitch '" + pitch + "' needs an octave"};
    }
    return key + 12 * (std::stoi(octave) + 1);
}

double BeatsOf(const std::string& length)
{
    static const std::map<char, double> beats = {{'w', 4.0}, {'h', 2.0}, {'q', 1.0}, {'e', 0.5}, {'s', 0.25}};
    const auto base = length.empty() ? beats.end() : beats.find(length[0]);
    if (base == beats.end() || length.size() > 2) {
        throw LineError{"unknown length '" + length + "'"};
    }
    if (length.size() == 1) {
        return base->second;
    }
    if (length[1] == '.') {
        return base->second * 1.5;
    }
    if (length[1] == '3') {
        return base->second * 2.0 / 3.0;
    }
    throw LineError{"unknown length '" + length + "'"};
}

int IntegerAfter(std::istringstream& words, const std::string& keyword)
{
    int value = 0;
    if (!(words >> value)) {
        throw LineError{"'" + keyword + "' needs a number"};
    }
    return value;
}

// The notes of one part within one section, positions counted from the section's start.
struct Voice {
    std::vector<Score::Note> notes;
    double beats = 0.0;
};

void ReadNotes(std::istringstream& words, const Score& score, const Score::Part& part, Voice& voice)
{
    std::string token;
    while (words >> token) {
        if (token == "|") {
            const double bars = voice.beats / score.beatsPerBar;
            if (std::fabs(bars - std::round(bars)) > 1e-6) {
                throw LineError{"bar line after " + std::to_string(voice.beats) + " beats, not on a bar"};
            }
            continue;
        }
        const auto colon = token.find(':');
        if (colon == std::string::npos) {
            throw LineError{"note '" + token + "' needs ':' and a length"};
        }
        const double beats = BeatsOf(token.substr(colon + 1));
        const std::string pitches = token.substr(0, colon);
        if (pitches != "r") {
            std::istringstream chord(pitches);
            std::string pitch;
            while (std::getline(chord, pitch, '+')) {
                voice.notes.push_back({voice.beats, beats, KeyOf(pitch), part.velocity});
            }
        }
        voice.beats += beats;
    }
}

}  // namespace

std::string WithoutComment(const std::string& line)
{
    for (std::size_t position = 0; position < line.size(); ++position) {
        if (line[position] == '#' && (position == 0 || line[position - 1] == ' ' || line[position - 1] == '\t')) {
            return line.substr(0, position);
        }
    }
    return line;
}

Score ParseScore(const std::string& text)
{
    Score score;
    std::map<std::string, std::map<std::string, Voice>> sections;
    std::string currentSection;
    std::istringstream lines(text);
    std::string line;
    int lineNumber = 0;
    try {
        while (std::getline(lines, line)) {
            ++lineNumber;
            line = WithoutComment(line);
            std::istringstream words(line);
            std::string keyword;
            if (!(words >> keyword)) {
                continue;
            }
            if (keyword == "tempo") {
                score.tempo = IntegerAfter(words, keyword);
            } else if (keyword == "meter") {
                score.beatsPerBar = IntegerAfter(words, keyword);
            } else if (keyword == "tail") {
                score.tailSeconds = IntegerAfter(words, keyword);
            } else if (keyword == "reverb") {
                for (double& value : score.reverb) {
                    if (!(words >> value)) {
                        throw LineError{"'reverb' needs four numbers"};
                    }
                }
            } else if (keyword == "part") {
                Score::Part part;
                words >> part.name;
                std::string setting;
                while (words >> setting) {
                    if (setting == "legato") {
                        words >> part.legato;
                        continue;
                    }
                    const int value = IntegerAfter(words, setting);
                    if (setting == "program") {
                        part.program = value;
                    } else if (setting == "volume") {
                        part.volume = value;
                    } else if (setting == "pan") {
                        part.pan = value;
                    } else if (setting == "velocity") {
                        part.velocity = value;
                    } else if (setting == "reverb") {
                        part.reverbSend = value;
                    } else {
                        throw LineError{"unknown part setting '" + setting + "'"};
                    }
                }
                score.parts.push_back(part);
            } else if (keyword == "section") {
                words >> currentSection;
                sections[currentSection];
            } else if (keyword == "form") {
                std::string name;
                while (words >> name) {
                    const auto section = sections.find(name);
                    if (section == sections.end()) {
                        throw LineError{"form names an unknown section '" + name + "'"};
                    }
                    double length = -1.0;
                    for (std::size_t index = 0; index < score.parts.size(); ++index) {
                        const Voice& voice = section->second[score.parts[index].name];
                        if (voice.beats == 0.0) {
                            continue;  // a part that rests through the whole section
                        }
                        if (length >= 0.0 && std::fabs(voice.beats - length) > 1e-6) {
                            throw LineError{"parts of section '" + name + "' differ in length"};
                        }
                        length = voice.beats;
                        for (Score::Note note : voice.notes) {
                            note.startBeat += score.lengthBeats;
                            score.parts[index].notes.push_back(note);
                        }
                    }
                    score.lengthBeats += std::max(length, 0.0);
                }
            } else {
                const auto part = std::find_if(score.parts.begin(), score.parts.end(),
                                               [&](const Score::Part& p) { return p.name == keyword; });
                if (part == score.parts.end() || currentSection.empty()) {
                    throw LineError{"'" + keyword + "' is neither a setting nor a part of a section"};
                }
                ReadNotes(words, score, *part, sections[currentSection][keyword]);
            }
        }
    } catch (const LineError& error) {
        throw ScoreError("score line " + std::to_string(lineNumber) + ": " + error.message);
    } catch (const std::exception& error) {
        throw ScoreError("score line " + std::to_string(lineNumber) + ": " + error.what());
    }
    return score;
}
