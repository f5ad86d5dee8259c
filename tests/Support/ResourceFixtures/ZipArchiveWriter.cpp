#include "tests/Support/ResourceFixtures/ZipArchiveWriter.h"

#include <cstdlib>
#include <stdexcept>
#include <zip.h>

bool WriteZipArchive(const std::filesystem::path& path, const std::vector<ZipEntryBytes>& entries)
{
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (archive == nullptr) {
        return false;
    }
    for (const ZipEntryBytes& entry : entries) {
        // libzip reads the data when the archive is closed; entries outlive that call.
        zip_source_t* source = zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
        if (source == nullptr || zip_file_add(archive, entry.name.c_str(), source, ZIP_FL_ENC_UTF_8) < 0) {
            zip_source_free(source);
            zip_discard(archive);
            return false;
        }
    }
    if (zip_close(archive) != 0) {
        zip_discard(archive);
        return false;
    }
    return true;
}
