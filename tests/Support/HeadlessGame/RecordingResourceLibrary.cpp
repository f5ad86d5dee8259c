#include "tests/Support/RecordingResources/RecordingResourceLibrary.h"

#include "Core/Resource/ResourceProblems.h"
#include "Core/Resource/ResourceType.h"

#include <sstream>

namespace {

std::ostringstream discardedReports;

} // namespace

RecordingResourceLibrary::RecordingResourceLibrary()
{
    ResourceProblems::SetOutput(&discardedReports);
}

RecordingResourceLibrary::~RecordingResourceLibrary()
{
    ResourceProblems::SetOutput(nullptr);
    discardedReports.str("");
}

const void* RecordingResourceLibrary::GetPlatformSpecificResource(std::uint32_t type, ResourceID id)
{
    if (type == ResourceType::sound) {
        soundsLookedUp.push_back(id);
    }
    return &*blocks.insert({type, id}).first;
}

void RecordingResourceLibrary::ReleasePlatformSpecificResource(const void* platformSpecificResource)
{
    const auto& [type, id] = *static_cast<const std::pair<std::uint32_t, ResourceID>*>(platformSpecificResource);
    if (type != ResourceType::sound) {
        return;
    }
    soundsReleased.push_back(id);
    if (onSoundReleased) {
        onSoundReleased(id);
    }
}

RecordingResourceLibrary::Scope::Scope() : library(new RecordingResourceLibrary)
{
    Resource::Initialize(library);
    ResourceProblems::Forget();
}

RecordingResourceLibrary::Scope::~Scope()
{
    Resource::Finalize();
}
