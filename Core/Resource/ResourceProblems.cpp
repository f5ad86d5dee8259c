#include "Core/Resource/ResourceProblems.h"

#include <iostream>

std::set<std::pair<std::uint32_t, ResourceID>> ResourceProblems::reported;
std::ostream* ResourceProblems::output = nullptr;

void ResourceProblems::Report(std::uint32_t type, ResourceID id, const std::string& problem)
{
    if (!reported.insert({type, id}).second) {
        return;
    }
    std::ostream& stream = output != nullptr ? *output : std::cerr;
    stream << "Marrowmere: resource " << ResourceType::TypeString(type) << ' ' << id << ": " << problem
           << "; it is treated as empty.\n";
    stream.flush();
}

bool ResourceProblems::HasBeenReported(std::uint32_t type, ResourceID id)
{
    return reported.contains({type, id});
}

int ResourceProblems::ReportedCount()
{
    return static_cast<int>(reported.size());
}

void ResourceProblems::Forget()
{
    reported.clear();
}

void ResourceProblems::SetOutput(std::ostream* newOutput)
{
    output = newOutput;
}
