#pragma once

#include "Marrowmere/Scoring/Scoring.h"
#include "Shell/ScoreFileIO/ScoreRecords.h"

#include <string>

// Filling the records of a new high-score entry at the end of a game.

// The name is cut to 12 characters and the code text to 10, each zero-filled behind.
_tagHSRecord MakeHSRecord(const char* playerName, long score, const char* contestCode);

// The game's statistics, field by field, with the final score in front.
_tagStatsRecord MakeStatsRecord(const Scoring::StatisticsType& statistics, long finalScore);

// The code text stored with a new entry: ten characters, "XXXXX-XXXX" from the digits and
// capitals without I, L, O and U, so that it reads back unambiguously. It is a check code
// computed from the final score and the game's statistics, so whoever receives an entry
// (a contest, say) can recompute it and see that the figures belong together.
std::string MakeContestCode(const _tagStatsRecord& statistics);
