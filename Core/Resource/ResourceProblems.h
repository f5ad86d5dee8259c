#pragma once

#include <cstdint>
#include <iosfwd>
#include <set>
#include <string>
#include <utility>

#include "Core/Resource/ResourceType.h"

// Resource blocks come from files a user can replace. A block that is missing or malformed is
// reported here once per (type, id), on standard error unless a test redirects the output;
// the reader that found the fault then treats the block as empty.
class ResourceProblems {
public:
    static void Report(std::uint32_t type, ResourceID id, const std::string& problem);
    static bool HasBeenReported(std::uint32_t type, ResourceID id);
    static int ReportedCount();
    // Forgets what was reported, so a fault is reported again (used when the back end changes).
    static void Forget();
    // nullptr restores standard error.
    static void SetOutput(std::ostream* output);

private:
    static std::set<std::pair<std::uint32_t, ResourceID>> reported;
    static std::ostream* output;
};
