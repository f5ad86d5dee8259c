#include "tests/Support/SoundRecording/SoundRecordingLibrary.h"

#include "Core/Resource/ResourceType.h"

#include <algorithm>

const void* SoundRecordingLibrary::GetPlatformSpecificResource(std::uint32_t type, ResourceID id)
{
    if (type == ResourceType::sound) {
        soundsLookedUp.push_back(id);
    }
    return &*blocks.insert({type, id}).first;
}

void SoundRecordingLibrary::ReleasePlatformSpecificResource(const void* platformSpecificResource)
{
    const auto& [type, id] = *static_cast<const std::pair<std::uint32_t, ResourceID>*>(platformSpecificResource);
    if (type == ResourceType::sound && onSoundReleased) {
        onSoundReleased(id);
    }
}

long SoundRecordingLibrary::LookupCount(ResourceID id) const
{
    return std::count(soundsLookedUp.begin(), soundsLookedUp.end(), id);
}
