#include "Core/ZipResource/ZipLibrary.h"

#include <cctype>
#include <cerrno>
#include <charconv>
#include <fstream>
#include <memory>
#include <zip.h>

namespace {

bool ReadWholeFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes, int& errorNumber)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        errorNumber = errno != 0 ? errno : EIO;
        return false;
    }
    // One read of the whole file: the libraries run to megabytes.
    std::error_code sizeError;
    const auto size = std::filesystem::file_size(path, sizeError);
    if (sizeError) {
        errorNumber = sizeError.value();
        return false;
    }
    bytes.resize(static_cast<std::size_t>(size));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (file.gcount() != static_cast<std::streamsize>(bytes.size())) {
        errorNumber = EIO;
        return false;
    }
    return true;
}

// Unpacks one entry; false when the archive data is damaged or the library grows too large.
bool ReadEntry(zip_t* archive, zip_uint64_t index, std::vector<std::uint8_t>& bytes, std::uint64_t& totalSize)
{
    zip_file_t* file = zip_fopen_index(archive, index, 0);
    if (file == nullptr) {
        return false;
    }
    std::uint8_t chunk[65536];
    bool intact = true;
    for (;;) {
        const zip_int64_t count = zip_fread(file, chunk, sizeof chunk);
        if (count < 0) {
            intact = false;
            break;
        }
        if (count == 0) {
            break;
        }
        totalSize += static_cast<std::uint64_t>(count);
        if (totalSize > ZipLibrary::largestLibrarySize) {
            intact = false;
            break;
        }
        bytes.insert(bytes.end(), chunk, chunk + count);
    }
    zip_fclose(file);
    return intact;
}

void Fail(LibraryLoadResult& result, const std::string& problem, int errorNumber)
{
    result.loaded = false;
    result.problem = problem;
    result.errorNumber = errorNumber;
}

} // namespace

std::string ZipLibrary::EntryKey(const std::string& entryName)
{
    std::string key = entryName;
    for (char& character : key) {
        character = static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
    }
    const std::size_t slash = key.find('/');
    if (slash == std::string::npos) {
        return key;
    }
    const char* first = key.data() + slash + 1;
    const char* last = key.data() + key.size();
    if (first != last && *first == '+') {
        ++first;
    }
    long id = 0;
    const auto [end, error] = std::from_chars(first, last, id);
    if (error == std::errc() && end == last && first != last) {
        return key.substr(0, slash + 1) + std::to_string(id);
    }
    return key;
}

std::unique_ptr<ZipLibrary> ZipLibrary::Open(const std::filesystem::path& path, LibraryLoadResult& result)
{
    std::vector<std::uint8_t> archiveBytes;
    int errorNumber = 0;
    errno = 0;
    if (!ReadWholeFile(path, archiveBytes, errorNumber)) {
        Fail(result, path.string() + " cannot be read", errorNumber);
        return nullptr;
    }
    if (archiveBytes.empty()) {
        Fail(result, path.string() + " is empty", EINVAL);
        return nullptr;
    }

    zip_error_t error;
    zip_error_init(&error);
    zip_source_t* source = zip_source_buffer_create(archiveBytes.data(), archiveBytes.size(), 0, &error);
    zip_t* archive = source == nullptr ? nullptr : zip_open_from_source(source, ZIP_RDONLY, &error);
    if (archive == nullptr) {
        const int systemError = zip_error_system_type(&error) == ZIP_ET_SYS ? zip_error_code_system(&error) : 0;
        Fail(result, path.string() + " is not a valid archive (" + zip_error_strerror(&error) + ")",
            systemError != 0 ? systemError : EINVAL);
        zip_error_fini(&error);
        zip_source_free(source);
        return nullptr;
    }
    zip_error_fini(&error);

    auto library = std::unique_ptr<ZipLibrary>(new ZipLibrary);
    std::uint64_t totalSize = 0;
    const zip_int64_t entryCount = zip_get_num_entries(archive, 0);
    for (zip_int64_t index = 0; index < entryCount; ++index) {
        const char* name = zip_get_name(archive, static_cast<zip_uint64_t>(index), ZIP_FL_ENC_GUESS);
        if (name == nullptr || *name == '\0' || name[std::char_traits<char>::length(name) - 1] == '/') {
            continue; // folders carry no blocks
        }
        std::vector<std::uint8_t> bytes;
        if (!ReadEntry(archive, static_cast<zip_uint64_t>(index), bytes, totalSize)) {
            Fail(result, path.string() + ": entry " + name + " is damaged or the library is too large", EINVAL);
            zip_discard(archive);
            return nullptr;
        }
        library->entries.try_emplace(EntryKey(name), std::move(bytes));
    }
    zip_discard(archive); // also frees the source; the archive was only read

    result.loaded = true;
    result.problem.clear();
    result.errorNumber = 0;
    return library;
}

const std::vector<std::uint8_t>* ZipLibrary::Find(const std::string& entryName) const
{
    auto entry = entries.find(EntryKey(entryName));
    return entry == entries.end() ? nullptr : &entry->second;
}
