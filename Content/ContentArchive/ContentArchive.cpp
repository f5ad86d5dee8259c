#include "Content/ContentArchive/ContentArchive.h"

#include "Core/ZipResource/ResourceLibraries.h"

#include <fstream>
#include <stdexcept>
#include <zip.h>

namespace {

// 1 January 2000, 00:00 UTC: every entry carries this time, whenever it was built.
constexpr time_t fixedEntryTime = 946684800;
// Regular file, readable by everyone, in the upper half of the external attributes (Unix host).
constexpr zip_uint32_t fixedUnixAttributes = 0100644u << 16;
constexpr zip_uint32_t maximumDeflateLevel = 9;

std::string LibzipMessage(zip_t* archive)
{
    return zip_strerror(archive);
}

// libzip removes an archive that would have no entries; an empty library is still a library.
void WriteEmptyArchive(const std::filesystem::path& path)
{
    static constexpr char endOfCentralDirectory[22] = {'P', 'K', 5, 6};
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    if (!file.write(endOfCentralDirectory, sizeof endOfCentralDirectory)) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace

void ContentArchive::AddBlock(std::uint32_t type, ResourceID id, std::vector<std::uint8_t> bytes)
{
    Add(ResourceLibraries::EntryName(type, id), std::move(bytes));
}

void ContentArchive::AddBitmap(const std::string& name, std::vector<std::uint8_t> bytes)
{
    Add("BITMAP/" + name, std::move(bytes));
}

void ContentArchive::Add(const std::string& entryName, std::vector<std::uint8_t> bytes)
{
    if (!entries.emplace(entryName, std::move(bytes)).second) {
        throw std::invalid_argument("content entry " + entryName + " is made twice");
    }
}

bool ContentArchive::Contains(const std::string& entryName) const
{
    return entries.contains(entryName);
}

bool ContentArchive::ContainsBlock(std::uint32_t type, ResourceID id) const
{
    return Contains(ResourceLibraries::EntryName(type, id));
}

void ContentArchive::Write(const std::filesystem::path& path) const
{
    if (entries.empty()) {
        WriteEmptyArchive(path);
        return;
    }
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr) {
        zip_error_t openError;
        zip_error_init_with_code(&openError, error);
        const std::string message = zip_error_strerror(&openError);
        zip_error_fini(&openError);
        throw std::runtime_error("cannot create " + path.string() + ": " + message);
    }
    const auto fail = [&](const std::string& what) {
        const std::string message = "cannot write " + path.string() + " (" + what + "): " + LibzipMessage(archive);
        zip_discard(archive);
        throw std::runtime_error(message);
    };
    for (const auto& [name, bytes] : entries) {
        // libzip reads the bytes when the archive is closed; they live in this object until then.
        zip_source_t* source = zip_source_buffer(archive, bytes.data(), bytes.size(), 0);
        if (source == nullptr) {
            fail(name);
        }
        const zip_int64_t index = zip_file_add(archive, name.c_str(), source, ZIP_FL_ENC_UTF_8);
        if (index < 0) {
            zip_source_free(source);
            fail(name);
        }
        const auto entry = static_cast<zip_uint64_t>(index);
        if (zip_file_set_mtime(archive, entry, fixedEntryTime, 0) != 0 ||
            zip_set_file_compression(archive, entry, ZIP_CM_DEFLATE, maximumDeflateLevel) != 0 ||
            zip_file_set_external_attributes(archive, entry, 0, ZIP_OPSYS_UNIX, fixedUnixAttributes) != 0) {
            fail(name);
        }
    }
    if (zip_close(archive) != 0) {
        fail("closing");
    }
}
