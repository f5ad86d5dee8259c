#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

const void* InMemoryResourceLibrary::GetPlatformSpecificResource(std::uint32_t type, ResourceID id)
{
    ++lookupCount;
    auto block = blocks.find({type, id});
    if (block == blocks.end()) {
        return nullptr;
    }
    return &block->second;
}

int InMemoryResourceLibrary::GetPlatformSpecificResourceSize(std::uint32_t type, ResourceID id, const void*)
{
    auto block = blocks.find({type, id});
    return block == blocks.end() ? 0 : static_cast<int>(block->second.size());
}

const std::uint8_t* InMemoryResourceLibrary::DereferencedPlatformSpecificResource(const void* platformSpecificResource)
{
    if (platformSpecificResource == nullptr) {
        return nullptr;
    }
    // A present but empty block still gets a non-null first byte address.
    static const std::uint8_t emptyBlock[1] = {0};
    const auto& bytes = *static_cast<const std::vector<std::uint8_t>*>(platformSpecificResource);
    return bytes.empty() ? emptyBlock : bytes.data();
}
