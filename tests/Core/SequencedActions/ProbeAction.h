#pragma once

#include "Core/SequencedActions/SequencedAction.h"

#include <functional>
#include <string>
#include <utility>
#include <vector>

// Test-side actions that write down what the scheduler does to them.

struct Invocation {
    std::string name;
    double elapsed;
    double sinceLast;
    bool first;
};

struct Journal {
    std::vector<Invocation> invocations;
    std::vector<std::string> destroyed;

    std::vector<std::string> InvokedNames() const
    {
        std::vector<std::string> names;
        for (const Invocation& invocation : invocations) {
            names.push_back(invocation.name);
        }
        return names;
    }
};

// Records every invocation; finishes on its `stepsToFinish`-th step (never when 0). `onStep` runs
// inside each step before the action decides whether to finish.
class ProbeAction : public SequencedAction {
public:
    ProbeAction(Journal& journal, std::string name, int stepsToFinish, std::function<void()> onStep = {})
        : journal(journal), name(std::move(name)), stepsToFinish(stepsToFinish), onStep(std::move(onStep))
    {
    }
    ~ProbeAction() override { journal.destroyed.push_back(name); }

    void operator()() override
    {
        journal.invocations.push_back({name, ElapsedTime(), TimeSinceLastInvocation(), IsFirstInvocation()});
        if (onStep) {
            onStep();
        }
        if (stepsToFinish > 0 && ++steps >= stepsToFinish) {
            delete this;
        }
    }

private:
    Journal& journal;
    std::string name;
    int stepsToFinish;
    int steps = 0;
    std::function<void()> onStep;
};

inline ProbeAction* Once(Journal& journal, std::string name, std::function<void()> onStep = {})
{
    return new ProbeAction(journal, std::move(name), 1, std::move(onStep));
}

inline ProbeAction* Forever(Journal& journal, std::string name, std::function<void()> onStep = {})
{
    return new ProbeAction(journal, std::move(name), 0, std::move(onStep));
}
