#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Core/ZipResource/LibraryLoadResult.h"

// One resource library: a zip archive whose entries are blocks named "TYPE/ID" (or
// "BITMAP/NAME"), read whole into memory when it is opened. Entry names are matched without
// regard to case, and an id is matched by value ("GRF1/01001" is GRF1 1001).
class ZipLibrary {
public:
    // Refuses archives whose entries would unpack to more than this.
    static constexpr std::uint64_t largestLibrarySize = std::uint64_t(1) << 30;

    // Reads the archive at path; result.loaded tells whether it worked.
    static std::unique_ptr<ZipLibrary> Open(const std::filesystem::path& path, LibraryLoadResult& result);

    // The entry's bytes, or nullptr. The bytes stay where they are while the library lives.
    const std::vector<std::uint8_t>* Find(const std::string& entryName) const;
    int EntryCount() const { return static_cast<int>(entries.size()); }

    // The canonical lookup key of an entry name: upper-cased, a decimal id after the slash
    // written without leading zeros or plus sign.
    static std::string EntryKey(const std::string& entryName);

private:
    std::map<std::string, std::vector<std::uint8_t>> entries;
};
