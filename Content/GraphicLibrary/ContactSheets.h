#pragma once

#include <filesystem>
#include <map>

#include "Content/GameArt/ArtCatalogue.h"
#include "Content/GamePalette/GamePalette.h"

// PNG sheets for looking the art over: every still by group, on the board's ground, and every
// animation as a row of its frames at their offsets. Pictures are shown as the game shows them
// (after remapping to the palette).
void WriteContactSheets(const ArtCatalogue& catalogue, const GamePalette& palette,
                        const std::map<ResourceID, GamePalette::IndexedPicture>& pictures,
                        const std::filesystem::path& folder);
