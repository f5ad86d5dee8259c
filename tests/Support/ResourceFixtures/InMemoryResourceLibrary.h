#pragma once

#include <cstdint>
#include <map>
#include <utility>
#include <vector>

#include "Core/Resource/Resource.h"

// A resource back end whose blocks a test supplies: Add(type, id, bytes). It counts lookups
// and releases so tests can see the sharing at work.
class InMemoryResourceLibrary : public Resource::PlatformSpecifics {
public:
    void Add(std::uint32_t type, ResourceID id, std::vector<std::uint8_t> bytes) { blocks[{type, id}] = std::move(bytes); }
    void Remove(std::uint32_t type, ResourceID id) { blocks.erase({type, id}); }

    const void* GetPlatformSpecificResource(std::uint32_t type, ResourceID id) override;
    int GetPlatformSpecificResourceSize(std::uint32_t type, ResourceID id, const void* platformSpecificResource) override;
    void ReleasePlatformSpecificResource(const void*) override { ++releaseCount; }
    const std::uint8_t* DereferencedPlatformSpecificResource(const void* platformSpecificResource) override;

    int LookupCount() const { return lookupCount; }
    int ReleaseCount() const { return releaseCount; }

private:
    // Each block lives in its own heap vector so its bytes never move while the map grows.
    std::map<std::pair<std::uint32_t, ResourceID>, std::vector<std::uint8_t>> blocks;
    int lookupCount = 0;
    int releaseCount = 0;
};

// Installs a fresh InMemoryResourceLibrary as the resource back end for the scope's lifetime.
//   ScopedInMemoryResources resources;
//   resources.Add(ResourceType::graphic, 1001, GraphicBlockBytes(...));
class ScopedInMemoryResources {
public:
    ScopedInMemoryResources() : library(new InMemoryResourceLibrary) { Resource::Initialize(library); }
    ~ScopedInMemoryResources() { Resource::Finalize(); }
    ScopedInMemoryResources(const ScopedInMemoryResources&) = delete;
    ScopedInMemoryResources& operator=(const ScopedInMemoryResources&) = delete;

    void Add(std::uint32_t type, ResourceID id, std::vector<std::uint8_t> bytes) { library->Add(type, id, std::move(bytes)); }
    InMemoryResourceLibrary& Library() { return *library; }

private:
    InMemoryResourceLibrary* library; // owned by Resource while installed
};
