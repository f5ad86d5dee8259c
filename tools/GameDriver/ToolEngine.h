#pragma once

#include "Core/DisplayScreen/DisplayScreen8Bit.h"

// The engine as the developer programs start it: the five game libraries from the standard
// search path behind the resource reader, the clock, the given display back end reserved with
// the game's screen description, and, when asked for, the sound device. False, after a message
// on standard error, when a library or the display cannot be had.
bool StartToolEngine(DisplayScreen8Bit::PlatformSpecifics* display, bool withSound);
void StopToolEngine();
