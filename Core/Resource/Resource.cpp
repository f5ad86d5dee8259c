#include "Core/Resource/Resource.h"

#include <cstdio>
#include <cstdlib>

#include "Core/Resource/ResourceProblems.h"

std::map<std::uint32_t, std::unique_ptr<Resource::IDMap>> Resource::typeMap;
Resource::PlatformSpecifics* Resource::platformSpecificsInstance = nullptr;
unsigned Resource::currentGeneration = 1;

void Resource::Initialize(PlatformSpecifics* backEnd)
{
    Finalize();
    platformSpecificsInstance = backEnd;
}

void Resource::Finalize()
{
    delete platformSpecificsInstance;
    platformSpecificsInstance = nullptr;
    typeMap.clear();
    ResourceProblems::Forget();
    ++currentGeneration;
}

int Resource::SharedBlockCount()
{
    int count = 0;
    for (const auto& [blockType, ids] : typeMap) {
        count += static_cast<int>(ids->size());
    }
    return count;
}

Resource::Resource(std::uint32_t blockType, ResourceID blockID) : type(blockType), id(blockID)
{
    if (platformSpecificsInstance == nullptr) {
        ResourceProblems::Report(type, id, "is read before the resource libraries are set up");
        cursor = BlockCursor(nullptr, 0, type, id);
        return;
    }
    generation = currentGeneration;

    std::unique_ptr<IDMap>& ids = typeMap[type];
    if (!ids) {
        ids = std::make_unique<IDMap>();
    }
    auto [entry, inserted] = ids->try_emplace(id);
    if (inserted) {
        entry->second.platformSpecificResource = platformSpecificsInstance->GetPlatformSpecificResource(type, id);
    }
    ++entry->second.count;

    const void* token = entry->second.platformSpecificResource;
    size = platformSpecificsInstance->GetPlatformSpecificResourceSize(type, id, token);
    resource = platformSpecificsInstance->DereferencedPlatformSpecificResource(token);
    if (resource == nullptr || size < 0) {
        size = 0;
    }
    if (resource == nullptr) {
        ResourceProblems::Report(type, id, "is in none of the resource libraries");
    }
    cursor = BlockCursor(resource, size, type, id);
}

Resource::~Resource()
{
    if (generation != currentGeneration) {
        return;
    }
    auto typeEntry = typeMap.find(type);
    if (typeEntry == typeMap.end() || !typeEntry->second->contains(id)) {
        // The table and the live handles disagree: an internal error that must not go on silently.
        std::fprintf(stderr, "Marrowmere: resource table lost %s %d\n", ResourceType::TypeString(type).c_str(), id);
        std::abort();
    }
    IDMap& ids = *typeEntry->second;
    auto idEntry = ids.find(id);
    if (--idEntry->second.count > 0) {
        return;
    }
    const void* token = idEntry->second.platformSpecificResource;
    ids.erase(idEntry);
    platformSpecificsInstance->ReleasePlatformSpecificResource(token);
    if (ids.empty()) {
        typeMap.erase(typeEntry);
    }
}
