#include "Core/Resource/IdleEventsBlock.h"

#include <cmath>
#include <string>

#include "Core/Resource/Resource.h"

IdleEventsBlock IdleEventsBlock::Parse(BlockCursor& cursor)
{
    IdleEventsBlock table;
    cursor.Reset();
    const int eventCount = cursor.GetInteger16Bit();
    if (cursor.HasFailed()) {
        return table;
    }
    if (eventCount < 0) {
        cursor.Fail("the event count " + std::to_string(eventCount) + " is negative");
        return table;
    }
    if (!cursor.Require(eventCount * smallestEventSize, "the events")) {
        return table;
    }
    std::vector<Event> events(static_cast<std::size_t>(eventCount));
    for (Event& event : events) {
        event.animationID = cursor.GetResourceID();
        event.period = cursor.GetReal();
        event.variance = cursor.GetReal();
        event.chanceOfOccurring = cursor.GetReal();
        if (cursor.HasFailed()) {
            return table;
        }
        if (!std::isfinite(event.period) || !std::isfinite(event.variance) || !std::isfinite(event.chanceOfOccurring)) {
            cursor.Fail("an event's timing is not a finite number");
            return table;
        }
    }
    table.events = std::move(events);
    return table;
}

IdleEventsBlock IdleEventsBlock::Read(ResourceID id)
{
    Resource resource(ResourceType::idleEvents, id);
    return Parse(resource.Cursor());
}
