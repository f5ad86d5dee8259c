#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "Core/Resource/ResourceType.h"
#include "Core/ZipResource/LibraryLoadResult.h"
#include "Core/ZipResource/ZipLibrary.h"

// The loaded resource libraries, by bare name ("mm_res"). A library "mm_res" is the file
// "mm_res.zip", found in the first folder of the search path that holds it.
class ResourceLibraries {
public:
    // The five libraries of the game, in the order start-up loads them.
    static constexpr const char* gameLibraryNames[5] = {"mm_res", "mm_grf1", "mm_spqa", "mm_snd", "mm_vid"};

    // The executable's own folder, then ../share/marrowmere beside it, then the "marrowmere"
    // folder of each absolute entry of XDG_DATA_DIRS (its default when unset or empty).
    static std::vector<std::filesystem::path> StandardSearchPath();
    static std::vector<std::filesystem::path> SearchPathFor(const std::filesystem::path& executableFolder,
        const char* xdgDataDirs);

    // Loads one library from the standard search path, or from the given folders.
    static LibraryLoadResult Load(const std::string& libraryName);
    static LibraryLoadResult Load(const std::string& libraryName, const std::vector<std::filesystem::path>& searchPath);

    // Loads the five game libraries in order. On the first failure, the libraries loaded so
    // far are unloaded again and that failure is returned; otherwise the last success.
    static LibraryLoadResult LoadGameLibraries();
    static LibraryLoadResult LoadGameLibraries(const std::vector<std::filesystem::path>& searchPath);

    static bool IsLoaded(const std::string& libraryName);
    static void Unload(const std::string& libraryName);
    static void UnloadAll();

    // A block's bytes in the named library, or nullptr when the library or entry is not there.
    static const std::vector<std::uint8_t>* Find(const std::string& libraryName, const std::string& entryName);
    // The entry name of a typed block: type string, slash, decimal id ("SND/1021").
    static std::string EntryName(std::uint32_t type, ResourceID id);

private:
    static std::map<std::string, std::unique_ptr<ZipLibrary>> libraries;
};
