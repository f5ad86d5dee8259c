#include "Core/SequencedActions/SequencedAction.h"

#include <cstdio>
#include <cstdlib>

std::list<SequencedAction::SequencedActionHandler*> SequencedAction::actionHandlers;
bool SequencedAction::isPumping = false;

namespace {

// Breaking one of the scheduler's rules would leave dangling actions behind; stop at once and say why.
[[noreturn]] void ContractViolation(const char* what)
{
    std::fprintf(stderr, "Marrowmere: action scheduler misused: %s\n", what);
    std::fflush(stderr);
    std::abort();
}

// Sets a flag for the lifetime of a scope, also when the scope is left by an exception.
class FlagDuringScope {
public:
    explicit FlagDuringScope(bool& flag) : flag(flag) { flag = true; }
    ~FlagDuringScope() { flag = false; }
    FlagDuringScope(const FlagDuringScope&) = delete;
    FlagDuringScope& operator=(const FlagDuringScope&) = delete;

private:
    bool& flag;
};

} // namespace

// --- SequencedActionHandler ---

SequencedAction::SequencedActionHandler::~SequencedActionHandler()
{
    if (isRunning) {
        ContractViolation("a sequence was destroyed by one of its own actions");
    }
    // Each action's destructor takes it off the front of this queue.
    while (!actions.empty()) {
        delete actions.front();
    }
    actionHandlers.erase(positionInList);
}

void SequencedAction::SequencedActionHandler::EnqueueAction(SequencedAction* action)
{
    actions.push_back(action);
}

void SequencedAction::SequencedActionHandler::TryToDequeueAction(SequencedAction* action, bool& wasDequeued)
{
    wasDequeued = !actions.empty() && actions.front() == action;
    if (wasDequeued) {
        actions.pop_front();
    }
}

bool SequencedAction::SequencedActionHandler::AreActionsEmpty() const
{
    return actions.empty();
}

void SequencedAction::SequencedActionHandler::HandleNextActions(double time)
{
    while (!actions.empty()) {
        SequencedAction* action = actions.front();
        if (!action->HasCorrectTimes()) {
            action->SetPostingTime(time);
        }
        bool destroyed = false;
        {
            const FlagDuringScope running(isRunning);
            destroyed = action->InvokeAndReportDestruction(time);
        }
        // An unfinished action keeps the front until the next pump; a finished one lets its
        // successor run now, at the same time.
        if (!destroyed && !actions.empty() && actions.front() == action) {
            return;
        }
    }
}

// --- SequencedAction ---

SequencedAction::SequencedAction()
{
    if (actionHandlers.empty()) {
        ContractViolation("an action was constructed while no sequence exists (StartNewSequence() comes first)");
    }
    actionHandlers.back()->EnqueueAction(this);
}

SequencedAction::~SequencedAction()
{
    if (destructionNotice != nullptr) {
        *destructionNotice = true;
    }
    bool wasDequeued = false;
    for (SequencedActionHandler* handler : actionHandlers) {
        handler->TryToDequeueAction(this, wasDequeued);
        if (wasDequeued) {
            return;
        }
    }
    ContractViolation("an action was destroyed while it was not the running action of any sequence");
}

void SequencedAction::StartNewSequence()
{
    auto* handler = new SequencedActionHandler;
    handler->positionInList = actionHandlers.insert(actionHandlers.end(), handler);
}

SequencedAction::SequencedActionHandler* SequencedAction::CurrentSequence()
{
    return actionHandlers.empty() ? nullptr : actionHandlers.back();
}

void SequencedAction::HandleNextActions(double time)
{
    if (isPumping) {
        ContractViolation("HandleNextActions() was called from inside an action's step");
    }
    const FlagDuringScope pumping(isPumping);
    // The list's end is read afresh at every step, so sequences started during this walk run in
    // this pump after the older ones. A step may destroy another sequence, never the one running.
    for (auto position = actionHandlers.begin(); position != actionHandlers.end(); ++position) {
        (*position)->HandleNextActions(time);
    }
    // Sequences left empty are gone at the end of the pump. Destroying an empty sequence deletes
    // no actions, so it takes nothing else out of the list.
    for (auto position = actionHandlers.begin(); position != actionHandlers.end();) {
        SequencedActionHandler* handler = *position;
        ++position;
        if (handler->AreActionsEmpty()) {
            delete handler;
        }
    }
}

void SequencedAction::RemoveAllActions()
{
    if (isPumping) {
        ContractViolation("RemoveAllActions() was called from inside an action's step");
    }
    while (!actionHandlers.empty()) {
        delete actionHandlers.front();
    }
}

void SequencedAction::SetPostingTime(double time)
{
    timePosted = time;
    timeOfLastInvocation = time;
    hasCorrectTimes = true;
}

void SequencedAction::Invoke(double time)
{
    InvokeAndReportDestruction(time);
}

bool SequencedAction::InvokeAndReportDestruction(double time)
{
    elapsedTime = time - timePosted;
    timeSinceLastInvocation = time - timeOfLastInvocation;

    bool destroyed = false;
    bool* const outerNotice = destructionNotice;
    destructionNotice = &destroyed;
    try {
        (*this)();
    } catch (...) {
        // The notice must not outlive this frame if the action survives a throwing step.
        if (!destroyed) {
            destructionNotice = outerNotice;
        }
        throw;
    }
    if (destroyed) {
        // Finished: the memory is gone. Tell an enclosing invocation of the same action, if any.
        if (outerNotice != nullptr) {
            *outerNotice = true;
        }
        return true;
    }
    destructionNotice = outerNotice;
    isFirstInvocation = false;
    timeOfLastInvocation = time;
    return false;
}
