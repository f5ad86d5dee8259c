#include "Core/SdlMixerSound/SoundBuffer.h"

#include "Core/SdlMixerSound/SdlMixerSound.h"

#include <SDL2/SDL_mixer.h>

#include <algorithm>
#include <cmath>

SoundBuffer::SoundBuffer(std::vector<std::uint8_t> deviceSamples, unsigned deviceSession)
    : samples(std::move(deviceSamples)), session(deviceSession)
{
    chunk = Mix_QuickLoad_RAW(samples.data(), static_cast<Uint32>(samples.size()));
}

SoundBuffer::~SoundBuffer()
{
    if (IsUsable()) {
        SdlMixerSound::ReleaseChannel(this);
        // Also halts any channel still mixing the chunk; the samples are ours and freed with us.
        Mix_FreeChunk(chunk);
    } else {
        SDL_free(chunk);
    }
}

bool SoundBuffer::IsUsable() const
{
    return chunk != nullptr && SdlMixerSound::IsStarted() && session == SdlMixerSound::Session();
}

bool SoundBuffer::IsOnItsChannel() const
{
    return channel >= 0 && static_cast<std::size_t>(channel) < SdlMixerSound::m_channelOwners.size()
        && SdlMixerSound::m_channelOwners[static_cast<std::size_t>(channel)] == this;
}

bool SoundBuffer::SetVolume(long volume)
{
    if (!IsUsable()) {
        return false;
    }
    Mix_VolumeChunk(chunk, SdlMixerSound::MixerGain(volume));
    return true;
}

bool SoundBuffer::SetPan(double position)
{
    if (!IsUsable()) {
        return false;
    }
    // Balance: the far side is turned down, the near side stays at full loudness, so that the
    // centre is exactly as loud as an unpanned sound.
    const double clamped = std::isnan(position) ? 0.0 : std::clamp(position, -1.0, 1.0);
    leftLoudness = static_cast<std::uint8_t>(std::lround(255.0 * std::min(1.0, 1.0 - clamped)));
    rightLoudness = static_cast<std::uint8_t>(std::lround(255.0 * std::min(1.0, 1.0 + clamped)));
    if (IsOnItsChannel()) {
        ApplyPanning();
    }
    return true;
}

void SoundBuffer::ApplyPanning() const
{
    // Full loudness on both sides removes the panning effect from the channel altogether.
    Mix_SetPanning(channel, leftLoudness, rightLoudness);
}

bool SoundBuffer::Play(std::uint32_t flags)
{
    if (!IsUsable()) {
        return false;
    }
    if (IsOnItsChannel() && isPaused) {
        isPaused = false;
        ApplyPanning();
        Mix_Resume(channel);
        return true;
    }
    if (IsOnItsChannel() && Mix_Playing(channel) != 0) {
        // Already playing: it goes on.
        return true;
    }
    channel = SdlMixerSound::ClaimChannel(this);
    if (channel < 0) {
        return false;
    }
    isPaused = false;
    isLooping = (flags & playLooping) != 0;
    ApplyPanning();
    if (Mix_PlayChannel(channel, chunk, isLooping ? -1 : 0) < 0) {
        SdlMixerSound::ReleaseChannel(this);
        return false;
    }
    return true;
}

bool SoundBuffer::Stop()
{
    if (!IsUsable()) {
        return false;
    }
    if (IsOnItsChannel() && !isPaused && Mix_Playing(channel) != 0) {
        Mix_Pause(channel);
        // The mixer marks a pause with the tick count, so within the first millisecond after
        // SDL started a pause does not take; the sound is then halted and starts afresh.
        isPaused = Mix_Paused(channel) != 0;
        if (!isPaused) {
            SdlMixerSound::ReleaseChannel(this);
        }
    }
    return true;
}

bool SoundBuffer::GetStatus(std::uint32_t* status)
{
    if (status == nullptr || !IsUsable()) {
        return false;
    }
    *status = 0;
    if (IsOnItsChannel() && !isPaused && Mix_Playing(channel) != 0) {
        *status = statusPlaying | (isLooping ? statusLooping : 0);
    }
    return true;
}
