#pragma once

#include <deque>
#include <list>

// The cooperative scheduler on which everything that unfolds over time runs.
//
// An action is a heap object (always made with `new`) with one step operation, operator()(),
// that is called once per pump until the action finishes by deleting itself. Actions are queued
// in sequences: only the front action of a sequence runs, and when it finishes the next one runs
// in the same pump. Every sequence runs once per pump, in the order the sequences were created.
//
// Usage: StartNewSequence(), then construct the chain's actions in order; each new action is
// appended to the current (last created) sequence.
//
// Rules, enforced by ending the program with a message on standard error:
// - an action may only be constructed while some sequence exists;
// - an action may only be deleted while it is the front (running) action of its sequence, or by
//   its sequence's destruction;
// - an action's step must not destroy its own sequence, call HandleNextActions() or
//   RemoveAllActions().
class SequencedAction {
public:
    // One sequence: a first-in-first-out queue of actions, which it owns.
    class SequencedActionHandler {
    public:
        // Deletes the queued actions front first, then leaves the scheduler's list.
        ~SequencedActionHandler();

        SequencedActionHandler(const SequencedActionHandler&) = delete;
        SequencedActionHandler& operator=(const SequencedActionHandler&) = delete;

        void EnqueueAction(SequencedAction* action);
        // Removes `action` only if it is the front of the queue; reports whether it did.
        void TryToDequeueAction(SequencedAction* action, bool& wasDequeued);
        bool AreActionsEmpty() const;
        // Runs the front action once, and every following one as long as they finish at once.
        void HandleNextActions(double time);

    private:
        friend class SequencedAction;
        SequencedActionHandler() = default;

        std::deque<SequencedAction*> actions;
        // This handler's place in actionHandlers, so that leaving the list is cheap.
        std::list<SequencedActionHandler*>::iterator positionInList;
        // True while one of this sequence's actions is being invoked.
        bool isRunning = false;
    };

    virtual ~SequencedAction();
    SequencedAction(const SequencedAction&) = delete;
    SequencedAction& operator=(const SequencedAction&) = delete;

    // One step. An action that is done deletes itself as the last thing it does here.
    virtual void operator()() = 0;

    static void StartNewSequence();
    // The sequence new actions go to (the last one created), or null when there is none.
    static SequencedActionHandler* CurrentSequence();
    // One pump at scheduler time `time` (seconds).
    static void HandleNextActions(double time);
    // Destroys every sequence and every action in them.
    static void RemoveAllActions();

    bool IsFirstInvocation() const { return isFirstInvocation; }
    bool HasCorrectTimes() const { return hasCorrectTimes; }
    // Starts the action's clock: called when the action first reaches the front of its sequence.
    void SetPostingTime(double time);
    // One invocation at scheduler time `time`.
    void Invoke(double time);

protected:
    // Appends the new action to the back of the current sequence.
    SequencedAction();

    // Seconds since the action started running (0 on its first invocation).
    double ElapsedTime() const { return elapsedTime; }
    // Seconds since the previous invocation (0 on the first).
    double TimeSinceLastInvocation() const { return timeSinceLastInvocation; }

private:
    // Invokes the action and reports whether it was destroyed meanwhile; a destroyed action's
    // memory is not touched again.
    bool InvokeAndReportDestruction(double time);

    bool hasCorrectTimes = false;
    double timePosted = 0.0;
    bool isFirstInvocation = true;
    double elapsedTime = 0.0;
    double timeOfLastInvocation = 0.0;
    double timeSinceLastInvocation = 0.0;
    // While the action is being invoked: a flag of the invoking frame that the destructor sets.
    bool* destructionNotice = nullptr;

    // Every live sequence in creation order; the last is the current sequence.
    static std::list<SequencedActionHandler*> actionHandlers;
    // True during HandleNextActions(), which must not be re-entered.
    static bool isPumping;
};

// The general-purpose actions, so that one include gives the whole scheduler.
#include "Core/SequencedActions/DeletionAction.h"
#include "Core/SequencedActions/FadeAction.h"
#include "Core/SequencedActions/WaitAction.h"
