#pragma once

#include "Core/SdlMixerSound/SoundBuffer.h"
#include "Core/Wave/CWave.h"
#include "Core/Wave/WaveFormat.h"

#include <cstdint>
#include <vector>

// The sound device: SDL2 audio through SDL2_mixer. The application starts it once at start-up
// with the format every sound is converted to (StandardFormat(): 22 050 Hz, 16-bit, stereo)
// and stops it at shutdown. Each Sound gets a SoundBuffer of its own holding its samples in
// that format; compressed waves (IMA and MS ADPCM, mu-law, A-law) are decoded on the way.
//
// Without a device (none present, or SDL refuses it) nothing here plays: making a buffer and
// setting the master volume report failure, which the sound layer takes as silence.
class SdlMixerSound {
public:
    // Result of a buffer request whose wave cannot be turned into the device's format.
    static constexpr long resultBadFormat = static_cast<long>(0x88780064);
    // Buffer description flags: a static buffer in software memory with frequency, pan and volume control.
    static constexpr std::uint32_t bufferFlags = 0xEA;
    static constexpr std::uint32_t bufferDescriptionSize = 20;

    static bool Initialize();
    // Stops the device; true.
    static bool Finalize();

    // 16-bit stereo PCM at 22 050 samples per second.
    static WAVEFORMATEX StandardFormat();
    // Opens the default audio device in `pFormat` (PCM, 8 or 16 bits, mono or stereo). A device
    // that is running already is stopped first. False, with the device stopped, when there is no
    // format, the format is not one the device can take, or SDL cannot open audio.
    static bool StartSdlMixerSound(const WAVEFORMATEX* pFormat);
    // Closes the device; safe to call when it is not running.
    static void StopSdlMixerSound();
    static bool IsStarted() { return m_bStarted; }

    // Makes a buffer holding the wave's samples in the device's format and describes it in
    // `*pDesc`. Refuses (false) for null arguments, an output that already holds a buffer, a
    // wave without samples or with a format that cannot be decoded, or no device.
    static bool CWaveToSoundBuffer(const CWave* pCWave, SoundBufferDescription* pDesc, SoundBuffer** ppBuffer);
    // Drops one reference to the buffer; true when none is left and the buffer is gone.
    static bool ReleaseSoundBuffer(SoundBuffer* pBuffer);
    // The whole mix's volume in hundredths of a decibel; false without a device.
    static bool SetMasterVolume(long volume);

    // The mixer's gain, 0 to 128, for a volume in hundredths of a decibel: 128 * 10^(volume / 2000).
    static int MixerGain(long volume);

    // The result of the last SDL call made here (0 is success) and the device format as started.
    static long LastResult() { return m_lastResult; }
    static const WAVEFORMATEX& DeviceFormat() { return m_deviceFormat; }

private:
    friend class SoundBuffer;

    // A mixer channel free for `buffer` (taking it from a buffer that has finished there), or -1.
    static int ClaimChannel(SoundBuffer* buffer);
    static void ReleaseChannel(SoundBuffer* buffer);
    static unsigned Session() { return m_session; }

    static bool m_bStarted;
    static long m_lastResult;
    static WAVEFORMATEX m_deviceFormat;
    // Counts device starts, so buffers made for an earlier start know they are stale.
    static unsigned m_session;
    // The buffer that last played on each mixer channel.
    static std::vector<SoundBuffer*> m_channelOwners;
};
