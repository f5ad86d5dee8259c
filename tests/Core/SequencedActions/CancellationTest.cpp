#include "tests/Core/SequencedActions/SchedulerFixture.h"

#include "Core/SequencedActions/DeletionAction.h"
#include "Core/SequencedActions/WaitAction.h"

#include <gmock/gmock.h>

#include <stdexcept>

using ::testing::ElementsAre;
using Handler = SequencedAction::SequencedActionHandler;

namespace {

TEST_F(Scheduler, DeletionActionEndsTheRunningActionOfAnOlderSequence)
{
    SequencedAction::StartNewSequence();
    SequencedAction* loop = Forever(journal, "loop");
    Once(journal, "after loop");
    SequencedAction::StartNewSequence();
    new WaitAction(1.0);
    new DeletionAction(loop);
    Once(journal, "after deletion");

    Pump(0.0);
    Pump(1.0); // the loop runs once more before the younger sequence deletes it
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("loop", "loop", "after deletion"));
    EXPECT_THAT(journal.destroyed, ElementsAre("loop", "after deletion"));
    Pump(1.5); // the older sequence was already visited in that pump; its successor runs now
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("loop", "loop", "after deletion", "after loop"));
    EXPECT_DOUBLE_EQ(journal.invocations.back().elapsed, 0.0);
    EXPECT_EQ(SequencedAction::CurrentSequence(), nullptr);
}

TEST_F(Scheduler, DeletingTheRunningActionOfAYoungerSequenceLetsItsSuccessorRunInThatPump)
{
    SequencedAction* loop = nullptr;
    SequencedAction::StartNewSequence();
    new WaitAction(1.0);
    Once(journal, "deleter", [&loop] { delete loop; });
    SequencedAction::StartNewSequence();
    loop = Forever(journal, "loop");
    Once(journal, "after loop");

    Pump(0.0);
    Pump(1.0);
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("loop", "deleter", "after loop"));
    EXPECT_THAT(journal.destroyed, ElementsAre("loop", "deleter", "after loop"));
    EXPECT_EQ(SequencedAction::CurrentSequence(), nullptr);
}

TEST_F(Scheduler, DeletionActionWithoutATargetJustFinishes)
{
    SequencedAction::StartNewSequence();
    new DeletionAction(nullptr);
    Once(journal, "next");
    Pump(0.0);
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("next"));
    EXPECT_EQ(SequencedAction::CurrentSequence(), nullptr);
}

TEST_F(Scheduler, DestroyingAKeptSequenceDeletesItsActionsFrontFirstWithoutRunningThem)
{
    SequencedAction::StartNewSequence();
    Forever(journal, "other");
    SequencedAction::StartNewSequence();
    Handler* chain = SequencedAction::CurrentSequence();
    Forever(journal, "running");
    Once(journal, "queued 1");
    Once(journal, "queued 2");

    Pump(0.0);
    delete chain;
    EXPECT_THAT(journal.destroyed, ElementsAre("running", "queued 1", "queued 2"));
    Pump(0.5);
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("other", "running", "other"));
    // New actions go to the sequence that is now the last one.
    Once(journal, "joins other");
    Pump(1.0);
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("other", "running", "other", "other"));
}

TEST_F(Scheduler, AStepMayDestroyAnotherSequenceThroughItsKeptHandle)
{
    Handler* younger = nullptr;
    Handler* older = nullptr;
    SequencedAction::StartNewSequence();
    older = SequencedAction::CurrentSequence();
    Forever(journal, "older");
    SequencedAction::StartNewSequence();
    Once(journal, "canceller", [&] {
        delete younger;
        delete older;
    });
    SequencedAction::StartNewSequence();
    younger = SequencedAction::CurrentSequence();
    Forever(journal, "younger");

    Pump(0.0);
    // "older" already ran in this pump; "younger" is destroyed before its turn.
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("older", "canceller"));
    EXPECT_THAT(journal.destroyed, ElementsAre("younger", "older", "canceller"));
    EXPECT_EQ(SequencedAction::CurrentSequence(), nullptr);
}

TEST_F(Scheduler, RemoveAllActionsDestroysEverySequenceInCreationOrder)
{
    SequencedAction::RemoveAllActions(); // nothing there: nothing happens
    EXPECT_EQ(SequencedAction::CurrentSequence(), nullptr);
    EXPECT_TRUE(journal.destroyed.empty());

    SequencedAction::StartNewSequence();
    Forever(journal, "A1");
    Forever(journal, "A2");
    SequencedAction::StartNewSequence();
    Forever(journal, "B1");
    SequencedAction::StartNewSequence();
    Pump(0.0);
    SequencedAction::RemoveAllActions();
    EXPECT_THAT(journal.destroyed, ElementsAre("A1", "A2", "B1"));
    EXPECT_EQ(SequencedAction::CurrentSequence(), nullptr);
    Pump(1.0);
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("A1", "B1"));
}

TEST_F(Scheduler, AStepThatThrowsLeavesTheSchedulerUsable)
{
    SequencedAction::StartNewSequence();
    bool shouldThrow = true;
    Forever(journal, "thrower", [&shouldThrow] {
        if (shouldThrow) {
            throw std::runtime_error("step failed");
        }
    });
    EXPECT_THROW(Pump(0.0), std::runtime_error);
    shouldThrow = false;
    Pump(0.5); // no longer counts as a pump inside a pump
    SequencedAction::RemoveAllActions();
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("thrower", "thrower"));
    EXPECT_THAT(journal.destroyed, ElementsAre("thrower"));
}

} // namespace
