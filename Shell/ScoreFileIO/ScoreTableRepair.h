#pragma once

#include "Shell/ScoreFileIO/ScoreFileLayout.h"

// The high-score file is untrusted input: anyone can edit or damage it. This makes a table
// read from it safe to use. Every name and code text is cut so that it ends in its zero.
// A table whose count lies in 0..10, whose ranks are a permutation of 1..10 and whose
// scores do not rise from one rank to the next is then kept as stored (a table out of score
// order would make an insertion push a rank beyond 10). Any other table is ranked anew from
// what can be saved: the real entries (a name, a code text and a positive score) in order of
// score, ties in their stored order, followed by empty blocks; the count becomes the number
// of real entries. A file with nothing worth saving so becomes the cleared table.
void RepairScoreTable(_tagHSHeader& header, _tagHSFileBlock (&blocks)[ScoreFileLayout::blockCount]);
