#include "Core/ZipResource/ZipResource.h"

#include <vector>

#include "Core/ZipResource/ResourceLibraries.h"

const void* ZipResource::GetPlatformSpecificResource(std::uint32_t type, ResourceID id)
{
    const std::string typeString = ResourceType::TypeString(type);
    const std::string entryName = ResourceLibraries::EntryName(type, id);
    m_pMemoryBlock = nullptr;

    const std::vector<std::uint8_t>* block = nullptr;
    if (const char* libraryName = m_libraryDirectory.LibraryForType(typeString.c_str())) {
        block = ResourceLibraries::Find(libraryName, entryName);
    } else {
        for (int index = 0; index < m_libraryDirectory.FurtherLibraryCount() && block == nullptr; ++index) {
            if (const char* pooledName = m_libraryDirectory.FurtherLibrary(index)) {
                block = ResourceLibraries::Find(pooledName, entryName);
            }
        }
    }
    if (block != nullptr) {
        m_pMemoryBlock = block;
        m_resourceInfo.try_emplace({type, id}, ResourceInfo{type, id, static_cast<int>(block->size())});
    }
    return m_pMemoryBlock;
}

int ZipResource::GetPlatformSpecificResourceSize(std::uint32_t type, ResourceID id, const void*)
{
    auto record = m_resourceInfo.find({type, id});
    return record == m_resourceInfo.end() ? 0 : record->second.size;
}

void ZipResource::ReleasePlatformSpecificResource(const void*)
{
    m_pMemoryBlock = nullptr;
}

const std::uint8_t* ZipResource::DereferencedPlatformSpecificResource(const void* platformSpecificResource)
{
    if (platformSpecificResource == nullptr) {
        return nullptr;
    }
    // A found but empty block still has a first byte address (and size 0).
    static const std::uint8_t emptyBlock[1] = {0};
    const auto& bytes = *static_cast<const std::vector<std::uint8_t>*>(platformSpecificResource);
    return bytes.empty() ? emptyBlock : bytes.data();
}
