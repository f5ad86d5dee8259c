#pragma once

#include "Content/ContentArchive/ContentArchive.h"
#include "Content/ContentArchive/ContentOptions.h"

// Fills mm_vid.zip.
void BuildVidLibrary(ContentArchive& archive, const ContentOptions& options);
