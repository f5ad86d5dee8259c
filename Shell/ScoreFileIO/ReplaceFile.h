#pragma once

#include <cstddef>
#include <filesystem>

// Replaces the file at `target` by `size` bytes without ever leaving it half written: the
// bytes go to a new temporary file in the same folder, are flushed to the disk, and only
// then is the temporary renamed over the target. On any failure the temporary is removed,
// the old file is left exactly as it was, and false is returned. The folder is created when
// it does not exist yet.
bool ReplaceFile(const std::filesystem::path& target, const unsigned char* bytes, std::size_t size);

// Reads at most `capacity` bytes from the start of the file at `source`; the number of bytes
// read, or -1 when the file cannot be opened or a read fails.
long ReadFilePrefix(const std::filesystem::path& source, unsigned char* buffer, std::size_t capacity);
