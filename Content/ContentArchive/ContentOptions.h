#pragma once

#include <filesystem>

// What every library recipe of the content builder is told: where the content sources of the
// repository are, and where to write contact sheets for review (empty: write none).
struct ContentOptions {
    std::filesystem::path sourceFolder;
    std::filesystem::path sheetFolder;

    bool WantsContactSheets() const { return !sheetFolder.empty(); }
};
