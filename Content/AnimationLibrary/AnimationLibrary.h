#pragma once

#include "Content/ContentArchive/ContentArchive.h"
#include "Content/ContentArchive/ContentOptions.h"

// Fills mm_spqa.zip.
void BuildSpqaLibrary(ContentArchive& archive, const ContentOptions& options);
