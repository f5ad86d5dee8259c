#pragma once

#include <QImage>

#include <vector>

#include "Content/ContentArchive/ContentArchive.h"
#include "Content/ContentArchive/ContentOptions.h"
#include "Content/GameArt/ArtCatalogue.h"
#include "Content/GamePalette/GamePalette.h"

// Fills mm_grf1.zip: every graphic of the art catalogue, remapped to the game palette.
void BuildGrf1Library(ContentArchive& archive, const ContentOptions& options);

// The game palette, chosen from the catalogue's still pictures (so the graphic and the screen
// libraries, built apart, agree on it). `stills` receives the painted stills when given.
GamePalette ChooseGamePalette(const ArtCatalogue& catalogue, std::vector<QImage>* stills = nullptr);
