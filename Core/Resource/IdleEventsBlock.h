#pragma once

#include <vector>

#include "Core/Resource/BlockCursor.h"
#include "Core/Resource/ResourceType.h"

// A QANA block: the idle-animation events of one still picture, each a SPAN id and three
// decimal texts. A block whose event count is negative or larger than its bytes can hold, with
// a text that lacks its zero or a value that is not a finite number, is reported and reads as
// a table of no events.
struct IdleEventsBlock {
    struct Event {
        ResourceID animationID = 0;
        double period = 0.0;
        double variance = 0.0;
        double chanceOfOccurring = 0.0;
    };
    // The id and three texts of at least their zero byte each.
    static constexpr int smallestEventSize = 5;

    std::vector<Event> events;

    bool IsEmpty() const { return events.empty(); }

    static IdleEventsBlock Parse(BlockCursor& cursor);
    // Reads QANA id through a Resource handle that is dropped again before returning.
    static IdleEventsBlock Read(ResourceID id);
};
