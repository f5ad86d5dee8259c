// content_builder <library> <output.zip> [--sheets <folder>] [--sources <folder>]
// Makes one resource library of the game from the content sources of the repository.

#include "Content/ContentBuilder/LibraryRecipes.h"

#include <QGuiApplication>

#include <cstdlib>
#include <ctime>
#include <exception>
#include <iostream>
#include <string>

namespace {

int Usage()
{
    std::cerr << "usage: content_builder <library> <output.zip> [--sheets <folder>] [--sources <folder>]\n"
                 "libraries:";
    for (const LibraryRecipe& recipe : LibraryRecipes()) {
        std::cerr << ' ' << recipe.name;
    }
    std::cerr << '\n';
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    // Pictures are painted off screen and zip time stamps must not depend on the machine's zone.
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("TZ", "UTC", 1);
    tzset();
    if (argc < 3) {
        return Usage();
    }
    const std::string libraryName = argv[1];
    const std::filesystem::path output = argv[2];
    ContentOptions options{MARROWMERE_CONTENT_SOURCES, {}};
    for (int index = 3; index < argc; index += 2) {
        const std::string option = argv[index];
        if (index + 1 >= argc || (option != "--sheets" && option != "--sources")) {
            return Usage();
        }
        (option == "--sheets" ? options.sheetFolder : options.sourceFolder) = argv[index + 1];
    }
    for (const LibraryRecipe& recipe : LibraryRecipes()) {
        if (recipe.name != libraryName) {
            continue;
        }
        QGuiApplication application(argc, argv);
        try {
            if (options.WantsContactSheets()) {
                std::filesystem::create_directories(options.sheetFolder);
            }
            ContentArchive archive;
            recipe.build(archive, options);
            archive.Write(output);
        } catch (const std::exception& failure) {
            std::cerr << "content_builder " << libraryName << ": " << failure.what() << '\n';
            return 1;
        }
        return 0;
    }
    std::cerr << "content_builder: no library named \"" << libraryName << "\"\n";
    return Usage();
}
