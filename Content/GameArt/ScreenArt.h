#pragma once

#include "Content/GameArt/ArtCatalogue.h"

// The game screen's background (board, queue box, score and pick areas, the two legends).
void AddBackground(ArtCatalogue& catalogue);
// Everything drawn over it that is not a lot's picture: dials, digits, cursors, the pick
// button and dialog, the tutorial's pointers, the game-over banner and reasons, and the
// complete-chain message.
void AddInterfaceArt(ArtCatalogue& catalogue);
