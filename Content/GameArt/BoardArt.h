#pragma once

#include "Content/GameArt/ArtCatalogue.h"
#include "Content/GameArt/LotScene.h"

// What a lot can show at rest, as a scene.
LotScene ObjectScene(ObjectType kind, DirectionType direction);
LotScene FloodedScene(ObjectType kind, DirectionType direction); // swimmer or tree in a flood
LotScene FloodScene(bool lantern = false);

// The still pictures of creatures, plants and floods (with their ghosts and the coarse
// alternative set), and every board animation the game plays at a lot.
void AddBoardStills(ArtCatalogue& catalogue);
void AddBoardAnimations(ArtCatalogue& catalogue);

// The offset that adds the alternative (hidden-mode) set's ids to a still's id.
constexpr ResourceID alternativeSetOffset = 20000;
// The one animation that stands for every creature animation in the coarse hidden mode.
constexpr ResourceID coarseModeAnimationID = 1000;
