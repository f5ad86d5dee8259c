#pragma once

#include "Content/ContentArchive/ContentArchive.h"
#include "Content/ContentArchive/ContentOptions.h"

// mm_snd.zip: every sound of the game as a RIFF WAVE block (16-bit PCM at 22 050 Hz). The
// effects come from Sounds/effects.txt, the looping background music from Music/theme.score
// and the tutorial's 48 narrations from Narration/<id>.txt, all under the content sources.
void BuildSndLibrary(ContentArchive& archive, const ContentOptions& options);
