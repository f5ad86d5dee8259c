#include "tests/Support/Common/CommaDecimalLocale.h"

#include "tests/Support/Common/TemporaryFolder.h"

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace {

constexpr const char* localeName = "de_DE.UTF-8";

// Builds the locale once per test program into a private folder and points glibc at it.
bool BuildPrivateLocale()
{
    static std::unique_ptr<TemporaryFolder> folder;
    static bool built = false;
    if (folder == nullptr) {
        folder = std::make_unique<TemporaryFolder>();
        const std::string command = "localedef -i de_DE -f UTF-8 '" + (folder->Path() / localeName).string() +
                                    "' >/dev/null 2>&1";
        built = std::system(command.c_str()) == 0;
        if (built) {
            setenv("LOCPATH", folder->Path().c_str(), 1);
        }
    }
    return built;
}

}  // namespace

ScopedCommaDecimalLocale::ScopedCommaDecimalLocale() : previousLocale(strdup(std::setlocale(LC_NUMERIC, nullptr)))
{
    isActive = std::setlocale(LC_NUMERIC, localeName) != nullptr ||
               (BuildPrivateLocale() && std::setlocale(LC_NUMERIC, localeName) != nullptr);
}

ScopedCommaDecimalLocale::~ScopedCommaDecimalLocale()
{
    std::setlocale(LC_NUMERIC, previousLocale);
    std::free(previousLocale);
}
