#include "Core/ZipResource/LibraryLoadResult.h"

#include <cctype>

std::string LibraryLoadResult::MissingLibraryMessage() const
{
    std::string upperCaseName = fileName;
    for (char& character : upperCaseName) {
        character = static_cast<char>(std::toupper(static_cast<unsigned char>(character)));
    }
    return " Marrowmere can't find the required file " + upperCaseName + " and is terminating this application!";
}
