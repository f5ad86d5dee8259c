#include "Content/Narration/Narrator.h"

#include "Content/SoundSynthesis/Synth.h"
#include "Core/Wave/CWave.h"

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <iterator>
#include <stdexcept>

extern char** environ;

namespace {

const std::filesystem::path festivalVoice = "/usr/share/festival/voices/us/cmu_us_slt_arctic_hts";

bool IsOnPath(const std::string& program)
{
    const char* path = std::getenv("PATH");
    std::string folders = path ? path : "/usr/bin:/bin";
    std::size_t start = 0;
    while (start <= folders.size()) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        if (access((folders.substr(start, end - start) + "/" + program).c_str(), X_OK) == 0) {
            return true;
        }
        start = end + 1;
    }
    return false;
}

// Starts a program with its arguments; its output goes to the builder's own streams.
pid_t Start(const std::vector<std::string>& arguments)
{
    std::vector<char*> argv;
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    pid_t child = 0;
    if (posix_spawnp(&child, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
        throw std::runtime_error("could not start " + arguments[0]);
    }
    return child;
}

void WaitFor(pid_t child, const std::string& program)
{
    int status = 0;
    if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        throw std::runtime_error(program + " failed");
    }
}

std::vector<std::uint8_t> ReadFile(const std::filesystem::path& path)
{
    std::ifstream stream(path, std::ios::binary);
    if (!stream) {
        throw std::runtime_error("speech output " + path.string() + " is missing");
    }
    return {std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
}

// A Scheme string literal.
std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (char character : text) {
        if (character == '"' || character == '\\') {
            quoted += '\\';
        }
        quoted += character == '\n' ? ' ' : character;
    }
    return quoted + "\"";
}

std::filesystem::path SpeechFile(const std::filesystem::path& folder, std::size_t index)
{
    return folder / ("narration" + std::to_string(index) + ".wav");
}

// The finishing every narration gets, whichever program spoke it.
Signal::Samples Finish(const std::vector<std::uint8_t>& image)
{
    int rate = 0;
    Signal::Samples samples = ReadPcmWave(image, rate);
    if (rate != Signal::sampleRate) {
        samples = Signal::Resample(samples, rate, Signal::sampleRate);
    }
    // The voice carries a little offset and rumble below the speech; a gentle high-pass
    // removes them, so the narration starts and ends at rest.
    samples = Synth::HighPass(samples, {60.0, 60.0});
    Signal::NormalizePeak(samples, 1.0);
    Signal::TrimSilence(samples, 0.02, 0.12);
    Signal::FadeEdges(samples, 0.01, 0.05);
    Signal::NormalizePeak(samples, 0.8);
    return samples;
}

// A private folder for the speech programs' files, removed when done.
struct TemporaryFolder {
    std::filesystem::path path;
    TemporaryFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "marrowmere-narration-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            throw std::runtime_error("could not make a temporary folder for the narrations");
        }
        path = pattern;
    }
    ~TemporaryFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

}  // namespace

Signal::Samples ReadPcmWave(const std::vector<std::uint8_t>& image, int& rate)
{
    CWave wave;
    if (!wave.LoadWave(image.data(), static_cast<int>(image.size()), CWave::loadFromMemory | CWave::loadFromMemoryImage)) {
        throw std::runtime_error("speech output is not a readable wave");
    }
    const WAVEFORMATEX& format = *wave.GetWaveFormat();
    if (format.wFormatTag != 1 || format.wBitsPerSample != 16 || format.nChannels < 1) {
        throw std::runtime_error("speech output is not 16-bit PCM");
    }
    rate = static_cast<int>(format.nSamplesPerSec);
    const unsigned channels = format.nChannels;
    const unsigned frames = wave.GetWaveSize() / (2 * channels);
    const unsigned char* data = wave.GetWaveData();
    Signal::Samples samples(frames);
    for (unsigned frame = 0; frame < frames; ++frame) {
        double sum = 0.0;
        for (unsigned channel = 0; channel < channels; ++channel) {
            const unsigned offset = 2 * (frame * channels + channel);
            sum += static_cast<std::int16_t>(data[offset] | (data[offset + 1] << 8)) / 32768.0;
        }
        samples[frame] = static_cast<float>(sum / channels);
    }
    return samples;
}

Narrator::Narrator(std::string lexicon)
    : lexicon(std::move(lexicon)), festivalAvailable(IsOnPath("festival") && std::filesystem::exists(festivalVoice))
{
}

std::vector<Signal::Samples> Narrator::Speak(const std::vector<std::string>& texts, int processes) const
{
    TemporaryFolder folder;
    if (festivalAvailable) {
        return SpeakWithFestival(texts, std::max(processes, 1), folder.path);
    }
    std::cerr << "content_builder: warning: Festival or its HTS voice (Debian festival, festvox-us-slt-hts) "
                 "is missing; the narrations are spoken by espeak-ng's robotic voice instead\n";
    return SpeakWithEspeak(texts, folder.path);
}

std::vector<Signal::Samples> Narrator::SpeakWithFestival(const std::vector<std::string>& texts, int processes,
                                                         const std::filesystem::path& folder) const
{
    std::vector<pid_t> children;
    for (int process = 0; process < processes; ++process) {
        const std::filesystem::path script = folder / ("speak" + std::to_string(process) + ".scm");
        std::ofstream out(script);
        out << "(voice_cmu_us_slt_arctic_hts)\n" << lexicon << '\n';
        // Every process takes every processes-th text, so long and short texts mix evenly.
        for (std::size_t index = process; index < texts.size(); index += processes) {
            out << "(utt.save.wave (SynthText " << Quoted(texts[index]) << ") "
                << Quoted(SpeechFile(folder, index).string()) << " 'riff)\n";
        }
        out.close();
        children.push_back(Start({"festival", "-b", script.string()}));
    }
    for (pid_t child : children) {
        WaitFor(child, "festival");
    }
    std::vector<Signal::Samples> narrations;
    for (std::size_t index = 0; index < texts.size(); ++index) {
        narrations.push_back(Finish(ReadFile(SpeechFile(folder, index))));
    }
    return narrations;
}

std::vector<Signal::Samples> Narrator::SpeakWithEspeak(const std::vector<std::string>& texts,
                                                       const std::filesystem::path& folder) const
{
    std::vector<Signal::Samples> narrations;
    for (std::size_t index = 0; index < texts.size(); ++index) {
        const std::string file = SpeechFile(folder, index).string();
        WaitFor(Start({"espeak-ng", "-v", "en-us", "-s", "150", "-w", file, texts[index]}), "espeak-ng");
        narrations.push_back(Finish(ReadFile(file)));
    }
    return narrations;
}
