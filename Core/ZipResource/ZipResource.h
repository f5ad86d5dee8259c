#pragma once

#include <cstdint>
#include <map>
#include <utility>

#include "Core/Resource/Resource.h"
#include "Core/ZipResource/LibraryDirectory.h"

// The resource back end over the zip libraries of ResourceLibraries. A type that the library
// directory gives one library for is looked up in that library only; any other type in the
// directory's further libraries, in their order, up to the first that holds the block. (The program's own module holds no
// blocks here: its own pictures are the shell's.) Blocks are not copied: a handle points into
// the library's bytes, which stay put until the library is unloaded at shutdown.
class ZipResource : public Resource::PlatformSpecifics {
public:
    // The directory must outlive the back end.
    explicit ZipResource(const LibraryDirectory& libraryDirectory) : m_libraryDirectory(libraryDirectory) {}

    struct ResourceInfo {
        std::uint32_t type = 0;
        ResourceID id = 0;
        int size = 0;
    };

    const void* GetPlatformSpecificResource(std::uint32_t type, ResourceID id) override;
    int GetPlatformSpecificResourceSize(std::uint32_t type, ResourceID id, const void* platformSpecificResource) override;
    void ReleasePlatformSpecificResource(const void* platformSpecificResource) override;
    const std::uint8_t* DereferencedPlatformSpecificResource(const void* platformSpecificResource) override;

    // The size records of the blocks found so far, one per (type, id).
    int ResourceInfoCount() const { return static_cast<int>(m_resourceInfo.size()); }

private:
    const LibraryDirectory& m_libraryDirectory;
    const void* m_pMemoryBlock = nullptr; // the block of the last lookup
    // Libraries never change while loaded, so one record per block is enough; a block that is
    // released and found again reuses its record instead of adding another.
    std::map<std::pair<std::uint32_t, ResourceID>, ResourceInfo> m_resourceInfo;
};
