#include "Core/Wave/MemoryImageReader.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace {

constexpr std::uint32_t chunkHeaderSize = 8;
constexpr std::uint32_t formTypeSize = 4;

std::uint32_t LittleEndian32(const unsigned char* bytes)
{
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8)
        | (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

bool HasFormType(std::uint32_t identifier)
{
    return identifier == MakeFourCC('R', 'I', 'F', 'F') || identifier == MakeFourCC('L', 'I', 'S', 'T');
}

} // namespace

HMMIO ReaderOpen(const void* image, long size)
{
    // Chunk offsets are 32-bit in RIFF, so larger images cannot be valid waves.
    if (image == nullptr || size < 1 || static_cast<unsigned long>(size) > 0xFFFFFFFFul) {
        return nullptr;
    }
    return new (std::nothrow) MemoryImageReader{static_cast<const unsigned char*>(image),
                                                static_cast<std::uint64_t>(size), 0};
}

void ReaderClose(HMMIO reader)
{
    delete reader;
}

std::uint64_t ReaderBytesLeft(HMMIO reader)
{
    return reader->position < reader->size ? reader->size - reader->position : 0;
}

std::uint64_t ReaderRead(HMMIO reader, void* destination, std::uint64_t count)
{
    const std::uint64_t copied = std::min(count, ReaderBytesLeft(reader));
    if (copied > 0) {
        std::memcpy(destination, reader->image + reader->position, copied);
    }
    reader->position += copied;
    return copied;
}

void ReaderSeek(HMMIO reader, std::uint64_t offset)
{
    reader->position = offset;
}

int ReaderDescend(HMMIO reader, MMCKINFO* chunk, const MMCKINFO* parent, std::uint32_t searchIdentifier)
{
    std::uint64_t end = reader->size;
    if (parent != nullptr) {
        end = std::min(end, static_cast<std::uint64_t>(parent->dwDataOffset) + parent->cksize);
    }
    for (;;) {
        if (reader->position + chunkHeaderSize > end) {
            return readerChunkNotFound;
        }
        unsigned char header[chunkHeaderSize];
        ReaderRead(reader, header, chunkHeaderSize);
        chunk->ckid = LittleEndian32(header);
        chunk->cksize = LittleEndian32(header + 4);
        chunk->fccType = 0;
        chunk->dwFlags = 0;
        // The position is within the image here, and images are at most 4 GiB (see ReaderOpen).
        chunk->dwDataOffset = static_cast<std::uint32_t>(reader->position);
        if (searchIdentifier == 0 || chunk->ckid == searchIdentifier) {
            if (HasFormType(chunk->ckid)) {
                unsigned char formType[formTypeSize];
                if (ReaderRead(reader, formType, formTypeSize) < formTypeSize) {
                    return readerChunkNotFound;
                }
                chunk->fccType = LittleEndian32(formType);
            }
            return 0;
        }
        ReaderAscend(reader, chunk);
    }
}

void ReaderAscend(HMMIO reader, const MMCKINFO* chunk)
{
    ReaderSeek(reader, static_cast<std::uint64_t>(chunk->dwDataOffset) + chunk->cksize + (chunk->cksize & 1u));
}
