#pragma once

#include <cstdint>
#include <map>
#include <memory>

#include "Core/Point/Point2D.h"
#include "Core/Resource/BlockCursor.h"
#include "Core/Resource/ResourceType.h"

// A handle on one read-only resource block, named by type code and id. All handles of the
// same (type, id) share one looked-up block through an owner count; the block is released to
// the back end when the last handle goes. Reads are sequential, big-endian and bounds-checked:
// a missing block has no data and size 0, and a read past the end reads zero (see BlockCursor).
class Resource {
public:
    // The back end that finds, sizes and releases blocks. Exactly one is installed at a time.
    class PlatformSpecifics {
    public:
        // The back end's token for the block, or nullptr when no library holds it.
        virtual const void* GetPlatformSpecificResource(std::uint32_t type, ResourceID id) = 0;
        // The block's size in bytes; 0 for a block that was never found.
        virtual int GetPlatformSpecificResourceSize(std::uint32_t type, ResourceID id, const void* platformSpecificResource) = 0;
        // The last handle of the block is gone.
        virtual void ReleasePlatformSpecificResource(const void* platformSpecificResource) = 0;
        // The block's first byte.
        virtual const std::uint8_t* DereferencedPlatformSpecificResource(const void* platformSpecificResource) = 0;
        // Back ends are owned and deleted through this interface.
        virtual ~PlatformSpecifics() = default;
    };

    struct ResourceOwnerCount {
        const void* platformSpecificResource = nullptr;
        int count = 0;
    };

    // Installs the back end and takes ownership of it; a back end installed before is deleted.
    static void Initialize(PlatformSpecifics* backEnd);
    // Deletes the back end and forgets the shared table. A handle still alive afterwards must
    // not be read (its block may be gone); its destructor releases nothing.
    static void Finalize();
    // Number of distinct (type, id) blocks held by live handles (for tests and diagnostics).
    static int SharedBlockCount();

    Resource(std::uint32_t type, ResourceID id);
    ~Resource();
    Resource(const Resource&) = delete;
    Resource& operator=(const Resource&) = delete;

    // The block's first byte (nullptr when the block was not found).
    const std::uint8_t* operator*() const { return resource; }
    int Size() const { return size; }
    std::uint32_t Type() const { return type; }
    ResourceID ID() const { return id; }
    bool IsPresent() const { return resource != nullptr; }

    void ResetCurrentDataPointer() { cursor.Reset(); }
    void IncrementCurrentDataPointer(int increment) { cursor.Skip(increment); }
    const std::uint8_t* GetCurrentDataPointer() const { return cursor.Current(); }
    // Bytes from the cursor to the end of the block.
    int RemainingSize() const { return cursor.Remaining(); }
    // True once a read or move went past the block's end (the block is then reported).
    bool HasReadFailed() const { return cursor.HasFailed(); }
    // The read cursor itself, for the block readers.
    BlockCursor& Cursor() { return cursor; }

    bool GetBoolean() { return cursor.GetBoolean(); }
    std::uint8_t GetInteger8Bit() { return cursor.GetInteger8Bit(); }
    std::int16_t GetInteger16Bit() { return cursor.GetInteger16Bit(); }
    std::int32_t GetInteger32Bit() { return cursor.GetInteger32Bit(); }
    Point2D GetPoint2D16Bit() { return cursor.GetPoint2D16Bit(); }
    double GetReal() { return cursor.GetReal(); }
    ResourceID GetResourceID() { return cursor.GetResourceID(); }

private:
    using IDMap = std::map<ResourceID, ResourceOwnerCount>;

    std::uint32_t type;
    ResourceID id;
    const std::uint8_t* resource = nullptr;
    int size = 0;
    BlockCursor cursor;
    // The back end generation this handle was acquired from; a handle that outlives
    // Finalize() must not release into a table or back end that no longer exists.
    unsigned generation = 0;

    static std::map<std::uint32_t, std::unique_ptr<IDMap>> typeMap;
    static PlatformSpecifics* platformSpecificsInstance;
    static unsigned currentGeneration;
};
