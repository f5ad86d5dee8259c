#include "Core/Resource/BlockCursor.h"

#include <cstring>

#include "Core/Math/Math.h"
#include "Core/Platform/Endian.h"
#include "Core/Resource/ResourceProblems.h"

BlockCursor::BlockCursor(const std::uint8_t* blockBegin, int blockSize, std::uint32_t blockType, ResourceID blockID)
    : begin(blockBegin), size(blockBegin == nullptr || blockSize < 0 ? 0 : blockSize), type(blockType), id(blockID)
{
}

void BlockCursor::Reset()
{
    offset = 0;
}

bool BlockCursor::Skip(int count)
{
    if (count < 0 ? count < -offset : count > Remaining()) {
        Fail("a move of " + std::to_string(count) + " bytes leaves the block");
        return false;
    }
    offset += count;
    return true;
}

bool BlockCursor::Require(int count, const char* what)
{
    if (count < 0 || count > Remaining()) {
        Fail(std::string(what) + " needs " + std::to_string(count) + " bytes at offset " + std::to_string(offset)
            + " of a block of " + std::to_string(size));
        return false;
    }
    return true;
}

void BlockCursor::Fail(const std::string& problem)
{
    failed = true;
    offset = size;
    ResourceProblems::Report(type, id, problem);
}

bool BlockCursor::GetBoolean()
{
    return GetInteger16Bit() != 0;
}

std::uint8_t BlockCursor::GetInteger8Bit()
{
    if (!Require(1, "an 8-bit integer")) {
        return 0;
    }
    return begin[offset++];
}

std::int16_t BlockCursor::GetInteger16Bit()
{
    if (!Require(2, "a 16-bit integer")) {
        return 0;
    }
    std::uint16_t stored;
    std::memcpy(&stored, begin + offset, sizeof stored);
    offset += 2;
    return static_cast<std::int16_t>(Endian::AdjustInteger16Bit(stored));
}

std::int32_t BlockCursor::GetInteger32Bit()
{
    if (!Require(4, "a 32-bit integer")) {
        return 0;
    }
    std::uint32_t stored;
    std::memcpy(&stored, begin + offset, sizeof stored);
    offset += 4;
    return static_cast<std::int32_t>(Endian::AdjustInteger32Bit(stored));
}

Point2D BlockCursor::GetPoint2D16Bit()
{
    if (!Require(4, "a point")) {
        return {};
    }
    const int x = GetInteger16Bit();
    const int y = GetInteger16Bit();
    return {x, y};
}

double BlockCursor::GetReal()
{
    if (Remaining() <= 0) {
        Fail("a number text is missing at offset " + std::to_string(offset));
        return 0.0;
    }
    const void* terminator = std::memchr(begin + offset, 0, static_cast<std::size_t>(Remaining()));
    if (terminator == nullptr) {
        Fail("the number text at offset " + std::to_string(offset) + " has no terminating zero");
        return 0.0;
    }
    const char* text = reinterpret_cast<const char*>(begin + offset);
    int textLength = 0;
    const double value = StringToReal(text, textLength);
    offset = static_cast<int>(static_cast<const std::uint8_t*>(terminator) - begin) + 1;
    return value;
}

ResourceID BlockCursor::GetResourceID()
{
    if (!Require(2, "a resource id")) {
        return 0;
    }
    ResourceID stored;
    std::memcpy(&stored, begin + offset, sizeof stored);
    offset += 2;
    return Endian::AdjustResourceID(stored);
}
