#include "Marrowmere/RenderAllAction/RenderAllAction.h"

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/Sprites/Sprite.h"

void RenderAllAction::operator()()
{
    DisplayScreen8Bit::PrepareToRenderToOffscreenBuffer();
    Sprite::RenderAll();
    DisplayScreen8Bit::ShowOffscreenBuffer();
}
