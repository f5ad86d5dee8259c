#include "Core/Sound/Sound.h"

#include "Core/Math/Math.h"
#include "Core/Resource/ResourceProblems.h"
#include "Core/SdlMixerSound/SdlMixerSound.h"
#include "Core/Wave/CWave.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// The option word for loading a wave image from memory.
constexpr unsigned long memoryImageOptions = CWave::loadFromMemoryImage | CWave::loadFromMemory;

std::string WaveProblem(CW_ERROR error)
{
    switch (error) {
    case CWE_BADFORMAT:
        return "is not a RIFF WAVE image";
    case CWE_READFAIL:
        return "has a cut-short wave format";
    case CWE_BADDATA:
        return "has wave data cut short";
    case CWE_MEMORY:
        return "is too large to load";
    default:
        return "has no wave format or data chunk";
    }
}

} // namespace

bool Sound::isMuted = false;
double Sound::masterLevel = 1.0;

Sound::Sound(short resourceID) : soundResource(new Resource(ResourceType::sound, resourceID)) {}

Sound::~Sound()
{
    StopPlaying();
    CloseChannel();
    delete soundResource;
}

void Sound::OpenChannel(int channelPriority)
{
    if (hasAChannel || soundResource == nullptr || !soundResource->IsPresent()) {
        return;
    }
    priority = channelPriority;

    CWave wave;
    if (wave.LoadWave(**soundResource, soundResource->Size(), memoryImageOptions)) {
        m_bufferDescription = {};
        m_lpBuffer = nullptr;
        hasAChannel = SdlMixerSound::CWaveToSoundBuffer(&wave, &m_bufferDescription, &m_lpBuffer);
        // A device that is running but refuses the wave means the block holds a format we cannot play.
        if (!hasAChannel && SdlMixerSound::IsStarted()) {
            ResourceProblems::Report(soundResource->Type(), soundResource->ID(), "is a wave in a format that cannot be played");
        }
    } else {
        hasAChannel = false;
        ResourceProblems::Report(soundResource->Type(), soundResource->ID(), WaveProblem(wave.GetLastError()));
    }
    // The description pointed into the wave, which goes now; the buffer holds its own samples.
    m_bufferDescription.lpwfxFormat = nullptr;
    delete soundResource;
    soundResource = nullptr;
}

void Sound::CloseChannel()
{
    if (!hasAChannel) {
        return;
    }
    m_lpBuffer->Stop();
    SdlMixerSound::ReleaseSoundBuffer(m_lpBuffer);
    m_lpBuffer = nullptr;
    hasAChannel = false;
    isPlaying = false;
}

void Sound::StartPlaying(double startLevel, double startPan)
{
    Start(startLevel, startPan, false);
}

void Sound::StartPlayingLooped(double startLevel, double startPan)
{
    Start(startLevel, startPan, true);
}

void Sound::Start(double startLevel, double startPan, bool looped)
{
    level = startLevel;
    pan = startPan;
    if (isMuted) {
        return;
    }
    if (!hasAChannel) {
        OpenChannel(priority);
    }
    if (!hasAChannel) {
        return;
    }
    m_lpBuffer->SetPan(StereoPositionFor(pan));
    m_lpBuffer->SetVolume(ConvertedVolume());
    if (m_lpBuffer->Play(looped ? SoundBuffer::playLooping : 0)) {
        isPlaying = true;
    }
}

void Sound::StopPlaying()
{
    if (hasAChannel && IsPlaying()) {
        m_lpBuffer->Stop();
        isPlaying = false;
    }
}

bool Sound::IsPlaying()
{
    if (!isPlaying) {
        return false;
    }
    std::uint32_t status = 0;
    if (m_lpBuffer == nullptr || !m_lpBuffer->GetStatus(&status)
        || (status & (SoundBuffer::statusPlaying | SoundBuffer::statusLooping)) == 0) {
        isPlaying = false;
    }
    return isPlaying;
}

int Sound::ConvertedVolume() const
{
    return std::min(RoundToInteger(level * masterLevel * 4000.0 - 4000.0), 0);
}

double Sound::StereoPositionFor(double startPan)
{
    // The screen's edges (pan -0.5 and +0.5) are the far left and far right.
    return std::clamp(startPan * 2.0, -1.0, 1.0);
}

long Sound::MasterVolumeFor(double newLevel)
{
    return static_cast<long>(newLevel * 75.0) - 75;
}

void Sound::PlayAsynchronously(short resourceID, int priority, double level, double pan)
{
    SequencedAction::StartNewSequence();
    new PlaySynchronouslyAction(resourceID, priority, level, pan);
}

void Sound::ChangeMasterLevel(double newLevel)
{
    // The level comes from a settings file that anyone can edit: keep it in its range, so
    // that no volume computed from it leaves the range of an integer. Not a number counts as
    // 0.0, as any other text that is not a number does.
    masterLevel = std::isnan(newLevel) ? 0.0 : std::clamp(newLevel, 0.0, 1.0);
    SdlMixerSound::SetMasterVolume(MasterVolumeFor(masterLevel));
}

// --- actions ---

Sound::PlaySynchronouslyAction::PlaySynchronouslyAction(short resourceID, int priority, double level, double pan)
    : sound(new Sound(resourceID)), priority(priority), level(level), pan(pan)
{
}

Sound::PlaySynchronouslyAction::~PlaySynchronouslyAction()
{
    delete sound;
}

void Sound::PlaySynchronouslyAction::operator()()
{
    if (IsFirstInvocation()) {
        sound->OpenChannel(priority);
        sound->StartPlaying(level, pan);
    }
    if (!sound->IsPlaying()) {
        sound->CloseChannel();
        delete sound;
        sound = nullptr;
        delete this;
    }
}

Sound::PlayAsynchronouslyAction::PlayAsynchronouslyAction(short resourceID, int priority, double level, double pan)
    : resourceID(resourceID), priority(priority), level(level), pan(pan)
{
}

void Sound::PlayAsynchronouslyAction::operator()()
{
    SequencedAction::StartNewSequence();
    new PlaySynchronouslyAction(resourceID, priority, level, pan);
    delete this;
}

Sound::StartPlayingLoopedAction::StartPlayingLoopedAction(Sound* sound, double level, double pan)
    : sound(sound), level(level), pan(pan)
{
}

void Sound::StartPlayingLoopedAction::operator()()
{
    sound->StartPlayingLooped(level, pan);
    delete this;
}
