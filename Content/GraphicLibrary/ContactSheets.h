#pragma once

#include <filesystem>
#include <map>

#include "Content/GameArt/ArtCatalogue.h"
#include "Content/GamePalette/GamePalette.h"

// A graphic as the library holds it: its pixels and its own left and top.
struct PlacedPicture {
    GamePalette::IndexedPicture picture;
    QPoint placement;
};

// PNG sheets for looking the art over: every still by group, on the board's ground, and every
// animation as a row of its frames at their offsets. Pictures are shown as the game shows them
// (after remapping to the palette).
void WriteContactSheets(const ArtCatalogue& catalogue, const GamePalette& palette,
                        const std::map<ResourceID, PlacedPicture>& pictures,
                        const std::filesystem::path& folder);
