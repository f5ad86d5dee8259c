#pragma once

#include "Content/ContentArchive/ContentArchive.h"
#include "Content/ContentArchive/ContentOptions.h"

// Fills mm_grf1.zip.
void BuildGrf1Library(ContentArchive& archive, const ContentOptions& options);
