#include "Shell/ScoreFileIO/ReplaceFile.h"

#include <cerrno>
#include <cstdio>
#include <string>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

namespace {

bool WriteAll(int descriptor, const unsigned char* bytes, std::size_t size)
{
    while (size > 0) {
        const ssize_t written = ::write(descriptor, bytes, size);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
    return true;
}

// A new file beside the target, opened for writing; its permissions follow the umask.
int CreateTemporary(const std::filesystem::path& target, std::string& temporaryName)
{
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryName = target.string() + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(++counter);
        const int descriptor = ::open(temporaryName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor >= 0 || errno != EEXIST) {
            return descriptor;
        }
    }
    return -1;
}

// Makes the rename itself durable; a folder that cannot be synchronised changes nothing.
void SyncFolder(const std::filesystem::path& folder)
{
    const int descriptor = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (descriptor >= 0) {
        ::fsync(descriptor);
        ::close(descriptor);
    }
}

}  // namespace

bool ReplaceFile(const std::filesystem::path& target, const unsigned char* bytes, std::size_t size)
{
    const std::filesystem::path folder = target.parent_path();
    if (!folder.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(folder, ignored);
    }

    std::string temporaryName;
    const int descriptor = CreateTemporary(target, temporaryName);
    if (descriptor < 0) {
        return false;
    }
    bool isWritten = WriteAll(descriptor, bytes, size) && ::fsync(descriptor) == 0;
    isWritten = ::close(descriptor) == 0 && isWritten;
    if (isWritten && std::rename(temporaryName.c_str(), target.c_str()) == 0) {
        SyncFolder(folder);
        return true;
    }
    ::unlink(temporaryName.c_str());
    return false;
}

long ReadFilePrefix(const std::filesystem::path& source, unsigned char* buffer, std::size_t capacity)
{
    const int descriptor = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        return -1;
    }
    std::size_t total = 0;
    while (total < capacity) {
        const ssize_t count = ::read(descriptor, buffer + total, capacity - total);
        if (count < 0 && errno == EINTR) {
            continue;
        }
        if (count < 0) {
            ::close(descriptor);
            return -1;
        }
        if (count == 0) {
            break;
        }
        total += static_cast<std::size_t>(count);
    }
    ::close(descriptor);
    return static_cast<long>(total);
}
