#pragma once

#include "Core/Resource/Resource.h"
#include "Core/Resource/ResourceType.h"

#include <cstdint>
#include <functional>
#include <map>
#include <set>
#include <utility>

// A resource back end that holds no blocks (every reader falls back to empty) and records
// which sounds are asked for and when each is let go. A Sound looks its block up when it is
// made and lets it go when it is done with it, so the releases of the sounds that a sequence
// plays come in the order they were played.
class SoundRecordingLibrary : public Resource::PlatformSpecifics {
public:
    // The node of a block in `blocks` is the back end's token for it.
    const void* GetPlatformSpecificResource(std::uint32_t type, ResourceID id) override
    {
        if (type == ResourceType::sound) {
            ++lookups[id];
        }
        return &*blocks.insert({type, id}).first;
    }
    int GetPlatformSpecificResourceSize(std::uint32_t, ResourceID, const void*) override { return 0; }
    const std::uint8_t* DereferencedPlatformSpecificResource(const void*) override { return nullptr; }
    void ReleasePlatformSpecificResource(const void* token) override
    {
        const auto& [type, id] = *static_cast<const decltype(blocks)::value_type*>(token);
        if (type == ResourceType::sound && onSoundReleased) {
            onSoundReleased(id);
        }
    }

    std::map<ResourceID, int> lookups;                // how often each sound was asked for
    std::function<void(ResourceID)> onSoundReleased; // called with every sound id as it is let go

private:
    std::set<std::pair<std::uint32_t, ResourceID>> blocks;
};
