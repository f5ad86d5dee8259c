#pragma once

#include <string_view>
#include <vector>

#include "Content/ContentArchive/ContentArchive.h"
#include "Content/ContentArchive/ContentOptions.h"

// One library the builder can make: its short name ("grf1" for mm_grf1.zip) and the function
// that fills its archive.
struct LibraryRecipe {
    std::string_view name;
    void (*build)(ContentArchive& archive, const ContentOptions& options);
};

// Every library the builder knows, in a fixed order.
const std::vector<LibraryRecipe>& LibraryRecipes();
