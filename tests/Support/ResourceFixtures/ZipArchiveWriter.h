#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/Support/Common/TemporaryFolder.h"

struct ZipEntryBytes {
    std::string name; // "GRF1/1001", "SND/1021", "BITMAP/LOGO_MARROWMERE"
    std::vector<std::uint8_t> bytes;
};

// Writes a zip archive holding the entries (compressed) at path; false when it cannot.
bool WriteZipArchive(const std::filesystem::path& path, const std::vector<ZipEntryBytes>& entries);
