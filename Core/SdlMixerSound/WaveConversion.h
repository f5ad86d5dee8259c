#pragma once

#include "Core/Wave/WaveFormat.h"

#include <SDL2/SDL_audio.h>

#include <cstdint>
#include <vector>

// The sample format a mixer device plays.
struct DeviceSampleFormat {
    int frequency;
    SDL_AudioFormat format;
    int channels;
};

// Whether the sound layer plays waves stored in this format: PCM, IMA or MS ADPCM, mu-law, A-law.
bool IsPlayableWaveFormat(std::uint16_t formatTag);

// Turns a wave's stored samples into samples in `target` (sample rate, channels and sample size
// converted; compressed formats decoded by SDL). False, with `samples` empty, when the format is
// not playable, the wave is malformed, or SDL cannot convert it.
bool ConvertWaveSamples(const WAVEFORMATEX& format, const unsigned char* data, std::uint32_t size,
    const DeviceSampleFormat& target, std::vector<std::uint8_t>& samples);
