#include "Core/SdlMixerSound/SdlMixerSound.h"

#include "Core/SdlMixerSound/WaveConversion.h"

#include <SDL2/SDL.h>
#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <new>

namespace {

// Mixer channels to start with; more are added when every one is busy, up to the limit.
constexpr int initialChannelCount = 32;
constexpr int channelCountStep = 16;
constexpr int maximumChannelCount = 256;
// Samples per mixing pass: about 46 ms at 22 050 Hz.
constexpr int mixingChunkSize = 1024;
constexpr int fullMixerGain = MIX_MAX_VOLUME;

bool DeviceSampleFormatFor(const WAVEFORMATEX& format, SDL_AudioFormat& sdlFormat)
{
    if (format.wFormatTag != WAVE_FORMAT_PCM || format.nChannels < 1 || format.nChannels > 2
        || format.nSamplesPerSec == 0 || format.nSamplesPerSec > 384000) {
        return false;
    }
    if (format.wBitsPerSample == 8) {
        sdlFormat = AUDIO_U8;
        return true;
    }
    if (format.wBitsPerSample == 16) {
        sdlFormat = AUDIO_S16SYS;
        return true;
    }
    return false;
}

} // namespace

bool SdlMixerSound::m_bStarted = false;
long SdlMixerSound::m_lastResult = 0;
WAVEFORMATEX SdlMixerSound::m_deviceFormat{};
unsigned SdlMixerSound::m_session = 0;
std::vector<SoundBuffer*> SdlMixerSound::m_channelOwners;

bool SdlMixerSound::Initialize()
{
    return true;
}

bool SdlMixerSound::Finalize()
{
    StopSdlMixerSound();
    return true;
}

WAVEFORMATEX SdlMixerSound::StandardFormat()
{
    WAVEFORMATEX format{};
    format.wFormatTag = WAVE_FORMAT_PCM;
    format.nChannels = 2;
    format.nSamplesPerSec = 22050;
    format.wBitsPerSample = 16;
    format.nBlockAlign = 4;
    format.nAvgBytesPerSec = 88200;
    format.cbSize = 0;
    return format;
}

bool SdlMixerSound::StartSdlMixerSound(const WAVEFORMATEX* pFormat)
{
    StopSdlMixerSound();
    SDL_AudioFormat sdlFormat = 0;
    if (pFormat == nullptr || !DeviceSampleFormatFor(*pFormat, sdlFormat)) {
        m_lastResult = -1;
        return false;
    }
    if ((m_lastResult = SDL_InitSubSystem(SDL_INIT_AUDIO)) != 0) {
        return false;
    }
    // No format changes allowed: SDL converts to the hardware itself, so buffers made in this
    // format always match what the mixer plays.
    if ((m_lastResult = Mix_OpenAudioDevice(static_cast<int>(pFormat->nSamplesPerSec), sdlFormat, pFormat->nChannels,
             mixingChunkSize, nullptr, 0)) != 0) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return false;
    }
    m_channelOwners.assign(static_cast<std::size_t>(Mix_AllocateChannels(initialChannelCount)), nullptr);
    m_deviceFormat = *pFormat;
    m_deviceFormat.cbSize = 0;
    ++m_session;
    m_bStarted = true;
    return true;
}

void SdlMixerSound::StopSdlMixerSound()
{
    if (m_bStarted) {
        Mix_HaltChannel(-1);
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    // Buffers of this session see the new session number and fall silent for good.
    ++m_session;
    m_channelOwners.clear();
    m_bStarted = false;
    m_lastResult = 0;
}

bool SdlMixerSound::CWaveToSoundBuffer(const CWave* pCWave, SoundBufferDescription* pDesc, SoundBuffer** ppBuffer)
{
    if (pCWave == nullptr || pDesc == nullptr || ppBuffer == nullptr || *ppBuffer != nullptr) {
        return false;
    }
    const WAVEFORMATEX* format = pCWave->GetWaveFormat();
    *pDesc = {bufferDescriptionSize, bufferFlags, pCWave->GetWaveSize(), 0, format};
    if (!m_bStarted) {
        return false;
    }
    if (format == nullptr || pCWave->GetWaveData() == nullptr) {
        m_lastResult = resultBadFormat;
        return false;
    }

    int frequency = 0;
    Uint16 sdlFormat = 0;
    int channels = 0;
    if (Mix_QuerySpec(&frequency, &sdlFormat, &channels) == 0) {
        m_lastResult = -1;
        return false;
    }
    std::vector<std::uint8_t> samples;
    if (!ConvertWaveSamples(*format, pCWave->GetWaveData(), pCWave->GetWaveSize(), {frequency, sdlFormat, channels}, samples)
        || samples.empty()) {
        // An empty sound has nothing to play, as a buffer cannot be made without samples.
        m_lastResult = resultBadFormat;
        return false;
    }
    auto* buffer = new (std::nothrow) SoundBuffer(std::move(samples), m_session);
    if (buffer == nullptr || buffer->chunk == nullptr) {
        delete buffer;
        m_lastResult = -1;
        return false;
    }
    pDesc->dwBufferBytes = buffer->Length();
    m_lastResult = 0;
    *ppBuffer = buffer;
    return true;
}

bool SdlMixerSound::ReleaseSoundBuffer(SoundBuffer* pBuffer)
{
    if (pBuffer == nullptr) {
        return false;
    }
    if (--pBuffer->referenceCount > 0) {
        return false;
    }
    delete pBuffer;
    return true;
}

bool SdlMixerSound::SetMasterVolume(long volume)
{
    if (!m_bStarted) {
        return false;
    }
    Mix_MasterVolume(MixerGain(volume));
    m_lastResult = 0;
    return true;
}

int SdlMixerSound::MixerGain(long volume)
{
    const double gain = std::pow(10.0, std::min(volume, 0L) / 2000.0);
    return std::clamp(static_cast<int>(std::lround(gain * fullMixerGain)), 0, fullMixerGain);
}

int SdlMixerSound::ClaimChannel(SoundBuffer* buffer)
{
    if (!m_bStarted) {
        return -1;
    }
    for (;;) {
        for (std::size_t channel = 0; channel < m_channelOwners.size(); ++channel) {
            SoundBuffer* owner = m_channelOwners[channel];
            const int channelNumber = static_cast<int>(channel);
            // A channel is free when nobody played there, or its buffer finished (a buffer that
            // Stop() paused keeps its channel so that it can go on).
            if (owner == nullptr || (!owner->isPaused && Mix_Playing(channelNumber) == 0)) {
                if (owner != nullptr) {
                    owner->channel = -1;
                }
                m_channelOwners[channel] = buffer;
                return channelNumber;
            }
        }
        const int count = static_cast<int>(m_channelOwners.size());
        if (count >= maximumChannelCount) {
            return -1;
        }
        m_channelOwners.resize(static_cast<std::size_t>(Mix_AllocateChannels(count + channelCountStep)), nullptr);
        if (static_cast<int>(m_channelOwners.size()) <= count) {
            return -1;
        }
    }
}

void SdlMixerSound::ReleaseChannel(SoundBuffer* buffer)
{
    if (buffer->channel < 0) {
        return;
    }
    const auto channel = static_cast<std::size_t>(buffer->channel);
    if (channel < m_channelOwners.size() && m_channelOwners[channel] == buffer) {
        Mix_HaltChannel(buffer->channel);
        m_channelOwners[channel] = nullptr;
    }
    buffer->channel = -1;
    buffer->isPaused = false;
}
