#pragma once

#include "Content/ContentArchive/ContentArchive.h"
#include "Content/ContentArchive/ContentOptions.h"

// Fills mm_res.zip: the window shell's pictures as 8-bit Windows bitmaps, each with its own
// 256-colour table, under "BITMAP/<id>" and, where the shell names them, "BITMAP/<NAME>".
void BuildShellPictureLibrary(ContentArchive& archive, const ContentOptions& options);
