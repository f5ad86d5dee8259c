#include "Content/Music/LoopedMusic.h"

#include <algorithm>
#include <cmath>

namespace LoopedMusic {

Signal::Samples Render(const Score& score, InstrumentSynth& instruments)
{
    Signal::Samples rendered = instruments.Render(score, score.tailSeconds);
    const std::size_t loopLength = 2 * static_cast<std::size_t>(std::lround(score.LengthSeconds() * Signal::sampleRate));
    Signal::Samples loop(rendered.begin(), rendered.begin() + std::min(loopLength, rendered.size()));
    for (std::size_t index = loopLength; index < rendered.size(); ++index) {
        loop[(index - loopLength) % loop.size()] += rendered[index];
    }
    Signal::NormalizePeak(loop, musicPeak);
    return loop;
}

}  // namespace LoopedMusic
