#pragma once

#include "Core/Wave/WaveFormat.h"

#include <cstdint>

// Buffered reading of a RIFF image held in memory: a cursor over the image, and the chunk
// descent, ascent and search that RIFF parsing needs. No operation ever touches a byte outside
// the image; reads past its end come up short instead.
struct MemoryImageReader {
    const unsigned char* image;
    std::uint64_t size;
    std::uint64_t position;
};

// Result of a chunk search that reached the end of its parent (or of the image) without a match.
constexpr int readerChunkNotFound = 265;

// A reader positioned at the image's first byte; null for a null image or a size below 1.
HMMIO ReaderOpen(const void* image, long size);
void ReaderClose(HMMIO reader);

// Copies up to `count` bytes from the cursor and moves it on; returns the number copied.
std::uint64_t ReaderRead(HMMIO reader, void* destination, std::uint64_t count);
// Moves the cursor to an absolute offset (past the end is allowed; reads there come up short).
void ReaderSeek(HMMIO reader, std::uint64_t offset);
// The number of bytes from the cursor to the end of the image.
std::uint64_t ReaderBytesLeft(HMMIO reader);

// Reads the chunk header at the cursor into `chunk` (with the form type for RIFF and LIST
// chunks) and leaves the cursor at the chunk's data. With a `searchIdentifier` other than 0,
// chunks are skipped until one with that identifier is found inside `parent` (or, without a
// parent, inside the image). Returns 0 or readerChunkNotFound.
int ReaderDescend(HMMIO reader, MMCKINFO* chunk, const MMCKINFO* parent, std::uint32_t searchIdentifier);
// Moves the cursor behind `chunk` and its pad byte.
void ReaderAscend(HMMIO reader, const MMCKINFO* chunk);
