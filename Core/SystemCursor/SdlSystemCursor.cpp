#include "Core/SystemCursor/SdlSystemCursor.h"

#include <SDL.h>

int SdlSystemCursor::ChangeShowCount(bool show)
{
    showCount += show ? 1 : -1;
    // Harmless before SDL's video is up: SDL only records the wish then.
    SDL_ShowCursor(showCount >= 0 ? SDL_ENABLE : SDL_DISABLE);
    return showCount;
}
