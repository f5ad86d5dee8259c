#pragma once

#include "Marrowmere/Inhabitants/Inhabitants.h"

// The board model alone, with the changes that only its animator makes opened to the tests.
struct OpenBoard : Inhabitants {
    using Inhabitants::EvaporateFlood;
    using Inhabitants::Flood;
    using Inhabitants::Kill;
    using Inhabitants::MakePredatorEatPrey;
    using Inhabitants::PlaceAnimal;
    using Inhabitants::ResetScoringInformation;
    using Inhabitants::Reverse;
    using Inhabitants::TurnClockwise;
    using Inhabitants::TurnCounterclockwise;
};
