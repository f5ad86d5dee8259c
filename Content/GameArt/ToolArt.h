#pragma once

#include <QImage>

#include "Content/GameArt/ArtCatalogue.h"

// The five tools the item queue offers, on round badges, and the other death of the hidden mode.
enum class Tool { reverser, clockwiseTurner, counterclockwiseTurner, death, cloud, otherDeath };

// A tool's badge in a square of `side` pixels; `size` scales the badge and `spin` turns its
// symbol (degrees), for the idle animations.
QImage PaintTool(Tool tool, int side, double size = 1, double spin = 0);

void AddToolStills(ArtCatalogue& catalogue);
