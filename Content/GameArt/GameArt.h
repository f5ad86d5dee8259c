#pragma once

#include "Content/GameArt/ArtCatalogue.h"

// The whole art of the game screen, described in a fixed order: the same catalogue (and so
// the same ids) on every call.
ArtCatalogue GameArtCatalogue();
