#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "Core/Resource/ResourceType.h"

// The entries of one resource library as the content builder collects them, written as a zip
// archive that the game's zip back end reads. The same entries always give the same bytes:
// entries are written in name order, with one fixed time stamp, fixed attributes and the same
// compression, so an unchanged content source gives an unchanged library.
class ContentArchive {
public:
    // A typed block under "TYPE/ID" ("GRF1/1001", "SND/1021"). Throws std::invalid_argument
    // when the library already holds that entry: two recipes claiming one id is a content fault.
    void AddBlock(std::uint32_t type, ResourceID id, std::vector<std::uint8_t> bytes);
    // A shell bitmap under "BITMAP/NAME".
    void AddBitmap(const std::string& name, std::vector<std::uint8_t> bytes);
    // Any entry by its full name; the same duplicate rule.
    void Add(const std::string& entryName, std::vector<std::uint8_t> bytes);

    bool Contains(const std::string& entryName) const;
    bool ContainsBlock(std::uint32_t type, ResourceID id) const;
    const std::map<std::string, std::vector<std::uint8_t>>& Entries() const { return entries; }

    // Writes the archive, replacing the file only once the whole archive is complete.
    // Throws std::runtime_error with libzip's message when it cannot.
    void Write(const std::filesystem::path& path) const;

private:
    std::map<std::string, std::vector<std::uint8_t>> entries;
};
