#pragma once

#include "Core/Resource/Resource.h"
#include "Core/SequencedActions/SequencedAction.h"
#include "Core/SdlMixerSound/SoundBuffer.h"

// One playable sound: a RIFF WAVE block of type `snd ` in the sound library. The first start
// request opens a channel (the whole sound decoded into a buffer of its own); the buffer then
// plays once or looped with its own loudness and stereo position. A sound tries to open a
// channel once in its life: after a failure or CloseChannel() it stays silent.
//
// Game code plays sounds through the nested actions, which run on the action scheduler. Without
// a sound device every operation is harmless: nothing opens, nothing plays, every waiting action
// ends on its first invocation.
class Sound {
public:
    // Plays a sound of its own and finishes when the sound has finished; removing the action
    // from the scheduler silences the sound.
    class PlaySynchronouslyAction : public SequencedAction {
    public:
        PlaySynchronouslyAction(short resourceID, int priority, double level, double pan);
        ~PlaySynchronouslyAction() override;
        void operator()() override;

    private:
        Sound* sound;
        int priority;
        double level;
        double pan;
    };

    // Starts a PlaySynchronouslyAction in a new sequence and finishes at once, so that the
    // sequence it stands in does not wait for the sound.
    class PlayAsynchronouslyAction : public SequencedAction {
    public:
        PlayAsynchronouslyAction(short resourceID, int priority, double level, double pan);
        void operator()() override;

    private:
        short resourceID;
        int priority;
        double level;
        double pan;
    };

    // Starts the caller's sound looped and finishes at once; the caller owns the sound and
    // stops the loop by destroying it.
    class StartPlayingLoopedAction : public SequencedAction {
    public:
        StartPlayingLoopedAction(Sound* sound, double level, double pan);
        void operator()() override;

    private:
        Sound* sound;
        double level;
        double pan;
    };

    explicit Sound(short resourceID);
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Decodes the sound into a buffer of its own, once.
    void OpenChannel(int priority);
    void CloseChannel();
    bool HasAChannel() const { return hasAChannel; }

    // `level` from 0.0 (quietest) to 1.0 (full); `pan` from -0.5 (the screen's left edge) over
    // 0.0 (centre) to +0.5 (its right edge).
    void StartPlaying(double level, double pan);
    void StartPlayingLooped(double level, double pan);
    void StopPlaying();
    // Refreshes the playing status from the device.
    bool IsPlaying();
    // The buffer volume for this sound now, in hundredths of a decibel (0 is full loudness).
    int ConvertedVolume() const;

    // Plays a sound in a new sequence, which stays the current one: actions constructed
    // afterwards queue behind the sound.
    static void PlayAsynchronously(short resourceID, int priority, double level, double pan);
    // Multiplies every later sound's level; 0.0 to 1.0 (values outside are brought into that range).
    static void ChangeMasterLevel(double level);
    static double MasterLevel() { return masterLevel; }
    static bool IsMuted() { return isMuted; }
    static void SetMuting(bool muted) { isMuted = muted; }

    // The primary volume, in hundredths of a decibel, that a master level sets.
    static long MasterVolumeFor(double level);
    // The device's stereo position (-1.0 full left to +1.0 full right) for a caller's pan.
    static double StereoPositionFor(double pan);

private:
    void Start(double startLevel, double startPan, bool looped);

    Resource* soundResource;
    bool hasAChannel = false;
    int priority = 0;
    bool isPlaying = false;
    double level = 0.0;
    double pan = 0.0;
    SoundBufferDescription m_bufferDescription{};
    SoundBuffer* m_lpBuffer = nullptr;

    static bool isMuted;
    static double masterLevel;
};
