#pragma once

#include "Core/Resource/Resource.h"

#include <cstdint>
#include <functional>
#include <set>
#include <utility>
#include <vector>

// A resource back end that holds no blocks (every reader falls back to empty) and records
// which sounds are asked for and when each one is let go. A sound is looked up when its Sound
// is made and let go when the Sound is done with it, so the releases of sounds played in a
// sequence come in the order they were played. Installed for the scope's lifetime; missing
// blocks are reported to a discarded stream.
class RecordingResourceLibrary : public Resource::PlatformSpecifics {
public:
    RecordingResourceLibrary();
    ~RecordingResourceLibrary() override;

    // Installs a new library as the resource back end for the scope's lifetime.
    class Scope;

    const void* GetPlatformSpecificResource(std::uint32_t type, ResourceID id) override;
    int GetPlatformSpecificResourceSize(std::uint32_t, ResourceID, const void*) override { return 0; }
    void ReleasePlatformSpecificResource(const void* platformSpecificResource) override;
    const std::uint8_t* DereferencedPlatformSpecificResource(const void*) override { return nullptr; }

    // Sound ids in the order they were looked up and let go.
    std::vector<ResourceID> soundsLookedUp;
    std::vector<ResourceID> soundsReleased;
    // Called with every sound id as it is let go.
    std::function<void(ResourceID)> onSoundReleased;

private:
    // The node of a (type, id) serves as the back end's token for that block.
    std::set<std::pair<std::uint32_t, ResourceID>> blocks;
};

class RecordingResourceLibrary::Scope {
public:
    Scope();
    ~Scope();
    Scope(const Scope&) = delete;
    Scope& operator=(const Scope&) = delete;
    RecordingResourceLibrary& operator*() const { return *library; }
    RecordingResourceLibrary* operator->() const { return library; }

private:
    RecordingResourceLibrary* library; // owned by Resource while installed
};
