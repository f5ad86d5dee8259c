#pragma once

#include <cstdint>
#include <string>

#include "Core/Point/Point2D.h"
#include "Core/Resource/ResourceType.h"

// Sequential big-endian reads over one resource block that never touch a byte outside it.
// A read that would run past the end reads nothing, returns zero, leaves the cursor at the
// end, marks the cursor failed and reports the block (once) through ResourceProblems.
class BlockCursor {
public:
    BlockCursor() = default;
    // type and id name the block in reports.
    BlockCursor(const std::uint8_t* begin, int size, std::uint32_t type, ResourceID id);

    const std::uint8_t* Begin() const { return begin; }
    int Size() const { return size; }
    int Offset() const { return offset; }
    int Remaining() const { return size - offset; }
    const std::uint8_t* Current() const { return begin == nullptr ? nullptr : begin + offset; }
    bool HasFailed() const { return failed; }
    std::uint32_t Type() const { return type; }
    ResourceID ID() const { return id; }

    void Reset();
    // Moves the cursor; a move outside the block fails and leaves the cursor at the end.
    bool Skip(int count);
    // True when count more bytes are there; otherwise fails with the given reason.
    bool Require(int count, const char* what);
    // Marks the block malformed and reports it; the cursor goes to the end.
    void Fail(const std::string& problem);

    bool GetBoolean();
    std::uint8_t GetInteger8Bit();
    std::int16_t GetInteger16Bit();
    std::int32_t GetInteger32Bit();
    Point2D GetPoint2D16Bit();
    // The zero-terminated decimal text at the cursor, read as the C library's atof reads it in
    // the "C" locale (so the user's locale never changes a number); the cursor passes the zero.
    double GetReal();
    ResourceID GetResourceID();

private:
    const std::uint8_t* begin = nullptr;
    int size = 0;
    int offset = 0;
    bool failed = false;
    std::uint32_t type = 0;
    ResourceID id = 0;
};
