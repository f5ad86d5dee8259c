#include "Core/ZipResource/ResourceLibraries.h"

#include <cerrno>
#include <cstdlib>
#include <iostream>
#include <sstream>
#include <system_error>

std::map<std::string, std::unique_ptr<ZipLibrary>> ResourceLibraries::libraries;

std::vector<std::filesystem::path> ResourceLibraries::SearchPathFor(const std::filesystem::path& executableFolder,
    const char* xdgDataDirs)
{
    std::vector<std::filesystem::path> searchPath;
    if (!executableFolder.empty()) {
        searchPath.push_back(executableFolder);
        searchPath.push_back((executableFolder / ".." / "share" / "marrowmere").lexically_normal());
    }
    const std::string dataFolders = xdgDataDirs != nullptr && *xdgDataDirs != '\0' ? xdgDataDirs : "/usr/local/share/:/usr/share/";
    std::istringstream folders(dataFolders);
    std::string folder;
    while (std::getline(folders, folder, ':')) {
        const std::filesystem::path dataFolder(folder);
        if (dataFolder.is_absolute()) {
            searchPath.push_back((dataFolder / "marrowmere").lexically_normal());
        }
    }
    return searchPath;
}

std::vector<std::filesystem::path> ResourceLibraries::StandardSearchPath()
{
    std::error_code error;
    const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
    return SearchPathFor(error ? std::filesystem::path() : executable.parent_path(), std::getenv("XDG_DATA_DIRS"));
}

LibraryLoadResult ResourceLibraries::Load(const std::string& libraryName)
{
    return Load(libraryName, StandardSearchPath());
}

LibraryLoadResult ResourceLibraries::Load(const std::string& libraryName, const std::vector<std::filesystem::path>& searchPath)
{
    LibraryLoadResult result;
    result.libraryName = libraryName;
    result.fileName = libraryName + ".zip";
    if (IsLoaded(libraryName)) {
        result.loaded = true;
        return result;
    }
    for (const std::filesystem::path& folder : searchPath) {
        const std::filesystem::path candidate = folder / result.fileName;
        std::error_code error;
        if (!std::filesystem::is_regular_file(candidate, error)) {
            continue;
        }
        // The first folder that holds the file decides: a broken file there is a failure.
        std::unique_ptr<ZipLibrary> library = ZipLibrary::Open(candidate, result);
        if (library) {
            libraries[libraryName] = std::move(library);
        } else {
            std::cerr << "Marrowmere: " << result.problem << '\n';
        }
        return result;
    }
    result.problem = result.fileName + " is in none of the library folders";
    result.errorNumber = ENOENT;
    std::cerr << "Marrowmere: " << result.problem << '\n';
    return result;
}

LibraryLoadResult ResourceLibraries::LoadGameLibraries()
{
    return LoadGameLibraries(StandardSearchPath());
}

LibraryLoadResult ResourceLibraries::LoadGameLibraries(const std::vector<std::filesystem::path>& searchPath)
{
    LibraryLoadResult result;
    for (std::size_t index = 0; index < std::size(gameLibraryNames); ++index) {
        result = Load(gameLibraryNames[index], searchPath);
        if (!result.loaded) {
            for (std::size_t loaded = 0; loaded < index; ++loaded) {
                Unload(gameLibraryNames[loaded]);
            }
            return result;
        }
    }
    return result;
}

bool ResourceLibraries::IsLoaded(const std::string& libraryName)
{
    return libraries.contains(libraryName);
}

void ResourceLibraries::Unload(const std::string& libraryName)
{
    libraries.erase(libraryName);
}

void ResourceLibraries::UnloadAll()
{
    libraries.clear();
}

const std::vector<std::uint8_t>* ResourceLibraries::Find(const std::string& libraryName, const std::string& entryName)
{
    auto library = libraries.find(libraryName);
    return library == libraries.end() ? nullptr : library->second->Find(entryName);
}

std::string ResourceLibraries::EntryName(std::uint32_t type, ResourceID id)
{
    return ResourceType::TypeString(type) + "/" + std::to_string(id);
}
