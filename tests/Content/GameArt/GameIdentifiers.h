#pragma once

#include <set>

#include "Core/Resource/ResourceType.h"

// Every id the identifier tables hand out for the arguments the game uses, in the hidden
// modes that are on at the time of the call.
std::set<ResourceID> GameGraphicIDs();
std::set<ResourceID> GameAnimationIDs();
// The still pictures a lot or the item queue can show: each has an idle table of its id.
std::set<ResourceID> IdleStillIDs();
