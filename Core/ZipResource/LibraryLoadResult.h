#pragma once

#include <string>

// The outcome of loading one resource library, with what start-up needs to tell the player.
struct LibraryLoadResult {
    bool loaded = false;
    std::string libraryName; // "mm_res"
    std::string fileName;    // "mm_res.zip"
    std::string problem;     // why loading failed, for standard error
    int errorNumber = 0;     // the system's errno for the failure (EINVAL for a broken archive)

    // " Marrowmere can't find the required file MM_RES.ZIP and is terminating this application!"
    std::string MissingLibraryMessage() const;
};
