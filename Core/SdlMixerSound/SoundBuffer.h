#pragma once

#include <cstdint>
#include <vector>

struct Mix_Chunk;
struct WAVEFORMATEX;

// What a sound buffer was made from: its size, flags, length in bytes, a reserved word and the
// format of the wave it came from (not owned; valid while the wave lives).
struct SoundBufferDescription {
    std::uint32_t dwSize;
    std::uint32_t dwFlags;
    std::uint32_t dwBufferBytes;
    std::uint32_t dwReserved;
    const WAVEFORMATEX* lpwfxFormat;
};

// One sound's samples in the device's format, played on a mixer channel of its own with its
// own volume and stereo position. Buffers are made and released by SdlMixerSound only. Once
// the device they were made for has stopped, every operation reports failure and does nothing.
class SoundBuffer {
public:
    // Play flag: repeat until stopped.
    static constexpr std::uint32_t playLooping = 0x1;
    // Status bits.
    static constexpr std::uint32_t statusPlaying = 0x1;
    static constexpr std::uint32_t statusLooping = 0x4;

    SoundBuffer(const SoundBuffer&) = delete;
    SoundBuffer& operator=(const SoundBuffer&) = delete;

    // Volume in hundredths of a decibel: 0 is full loudness, negative is quieter.
    bool SetVolume(long volume);
    // Stereo position from -1.0 (only the left speaker) over 0.0 (centre) to +1.0 (only the right).
    bool SetPan(double position);
    // Plays from the current position: the start, or where Stop() left off.
    bool Play(std::uint32_t flags);
    // Stops, keeping the position.
    bool Stop();
    bool GetStatus(std::uint32_t* status);

    // Length of the samples in bytes (device format).
    std::uint32_t Length() const { return static_cast<std::uint32_t>(samples.size()); }

private:
    friend class SdlMixerSound;
    SoundBuffer(std::vector<std::uint8_t> deviceSamples, unsigned deviceSession);
    ~SoundBuffer();

    // True while the device this buffer was made for is running.
    bool IsUsable() const;
    // True while the mixer channel is ours and has neither finished nor been paused by Stop().
    bool IsOnItsChannel() const;
    void ApplyPanning() const;

    std::vector<std::uint8_t> samples;
    Mix_Chunk* chunk = nullptr;
    unsigned session;
    int referenceCount = 1;
    // The mixer channel this buffer last played on, or -1.
    int channel = -1;
    bool isPaused = false;
    bool isLooping = false;
    std::uint8_t leftLoudness = 255;
    std::uint8_t rightLoudness = 255;
};
