#pragma once

#include "Core/Resource/Resource.h"

#include <cstdint>
#include <functional>
#include <set>
#include <utility>
#include <vector>

// A resource back end that holds no blocks (every reader falls back to empty) and records
// which sounds are asked for and when each is let go. A Sound looks its block up when it is
// made and lets it go when it is done with it, so the releases of the sounds that a sequence
// plays come in the order they were played.
class SoundRecordingLibrary : public Resource::PlatformSpecifics {
public:
    const void* GetPlatformSpecificResource(std::uint32_t type, ResourceID id) override;
    int GetPlatformSpecificResourceSize(std::uint32_t, ResourceID, const void*) override { return 0; }
    void ReleasePlatformSpecificResource(const void* platformSpecificResource) override;
    const std::uint8_t* DereferencedPlatformSpecificResource(const void*) override { return nullptr; }

    // How often the sound was asked for.
    long LookupCount(ResourceID id) const;

    std::vector<ResourceID> soundsLookedUp;
    // Called with every sound id as it is let go.
    std::function<void(ResourceID)> onSoundReleased;

private:
    // The node of a (type, id) is the back end's token for that block.
    std::set<std::pair<std::uint32_t, ResourceID>> blocks;
};
