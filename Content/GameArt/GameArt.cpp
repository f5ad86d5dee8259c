#include "Content/GameArt/GameArt.h"

#include "Content/GameArt/BoardArt.h"
#include "Content/GameArt/IdleArt.h"
#include "Content/GameArt/ScreenArt.h"
#include "Content/GameArt/ToolArt.h"

ArtCatalogue GameArtCatalogue()
{
    ArtCatalogue catalogue;
    AddBackground(catalogue);
    AddBoardStills(catalogue);
    AddToolStills(catalogue);
    AddInterfaceArt(catalogue);
    AddBoardAnimations(catalogue);
    AddIdleAnimations(catalogue);
    return catalogue;
}
