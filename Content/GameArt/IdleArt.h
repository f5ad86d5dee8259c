#pragma once

#include "Content/GameArt/ArtCatalogue.h"

// The idle-animation table (QANA) of every still picture a lot or the item queue can show,
// under the still's own id, with idle animations of their own: a creature fidgets, hops and
// looks about, plants sway, water ripples, tools pulse.
void AddIdleAnimations(ArtCatalogue& catalogue);
