#include "tests/Core/SequencedActions/SchedulerFixture.h"

#include <gmock/gmock.h>

using ::testing::ElementsAre;
using Handler = SequencedAction::SequencedActionHandler;

namespace {

TEST_F(Scheduler, ActionsThatFinishAtOnceAllRunInOnePumpStampedWithItsTime)
{
    SequencedAction::StartNewSequence();
    Once(journal, "a");
    Once(journal, "b");
    Once(journal, "c");
    Forever(journal, "d");

    Pump(1.0);
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("a", "b", "c", "d"));
    for (const Invocation& invocation : journal.invocations) {
        EXPECT_TRUE(invocation.first);
        EXPECT_DOUBLE_EQ(invocation.elapsed, 0.0);
        EXPECT_DOUBLE_EQ(invocation.sinceLast, 0.0);
    }

    // "d" reached the front in the pump at 1.0, not when it was constructed.
    for (double time : {1.75, 3.0, 3.0}) {
        Pump(time);
    }
    ASSERT_EQ(journal.invocations.size(), 7u);
    const double elapsed[] = {0.75, 2.0, 2.0};
    const double sinceLast[] = {0.75, 1.25, 0.0};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(journal.invocations[4 + i].name, "d");
        EXPECT_DOUBLE_EQ(journal.invocations[4 + i].elapsed, elapsed[i]) << i;
        EXPECT_DOUBLE_EQ(journal.invocations[4 + i].sinceLast, sinceLast[i]) << i;
        EXPECT_FALSE(journal.invocations[4 + i].first);
    }
}

TEST_F(Scheduler, AChainAdvancesByOneUnfinishedActionPerPump)
{
    SequencedAction::StartNewSequence();
    new ProbeAction(journal, "two steps", 2);
    new ProbeAction(journal, "three steps", 3);
    Once(journal, "last");

    Pump(0.0);
    Pump(0.1); // "two steps" finishes, "three steps" starts in the same pump
    Pump(0.2);
    Pump(0.3); // "three steps" finishes, "last" runs right after
    Pump(0.4);
    EXPECT_THAT(journal.InvokedNames(),
                ElementsAre("two steps", "two steps", "three steps", "three steps", "three steps", "last"));
    EXPECT_THAT(journal.destroyed, ElementsAre("two steps", "three steps", "last"));
    EXPECT_EQ(SequencedAction::CurrentSequence(), nullptr);
}

TEST_F(Scheduler, SequencesRunInCreationOrderAndOnesStartedDuringAPumpRunLastInIt)
{
    SequencedAction::StartNewSequence();
    Forever(journal, "A", [this] {
        if (journal.invocations.size() == 1) {
            SequencedAction::StartNewSequence();
            Once(journal, "C");
        }
    });
    SequencedAction::StartNewSequence();
    Forever(journal, "B");

    Pump(0.0);
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("A", "B", "C"));
    Pump(0.1);
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("A", "B", "C", "A", "B"));
}

TEST_F(Scheduler, AnActionConstructedInAStepJoinsTheCurrentSequence)
{
    // The only sequence is the current one, so the new action queues behind the running one and,
    // since the running one finishes, runs in the same pump.
    SequencedAction::StartNewSequence();
    Once(journal, "parent", [this] { Once(journal, "child"); });
    Pump(5.0);
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("parent", "child"));

    // With a younger sequence present, a new action goes there, not to the constructing one.
    SequencedAction::StartNewSequence();
    Forever(journal, "older", [this] {
        if (journal.invocations.size() == 3) {
            Once(journal, "appended");
        }
    });
    SequencedAction::StartNewSequence();
    Handler* younger = SequencedAction::CurrentSequence();
    Forever(journal, "younger");
    Pump(6.0);
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("parent", "child", "older", "younger"));
    ASSERT_EQ(SequencedAction::CurrentSequence(), younger);
    delete younger;
    EXPECT_THAT(journal.destroyed, ElementsAre("parent", "child", "younger", "appended"));
}

TEST_F(Scheduler, ASequenceLeftEmptyIsGoneAfterThePump)
{
    EXPECT_EQ(SequencedAction::CurrentSequence(), nullptr);
    SequencedAction::StartNewSequence();
    Handler* first = SequencedAction::CurrentSequence();
    EXPECT_TRUE(first->AreActionsEmpty());
    new ProbeAction(journal, "runs twice", 2);
    SequencedAction::StartNewSequence();
    Handler* second = SequencedAction::CurrentSequence();
    Once(journal, "runs once");
    SequencedAction::StartNewSequence(); // never given an action
    EXPECT_NE(SequencedAction::CurrentSequence(), second);

    Pump(0.0);
    // The empty third and the emptied second sequence are gone; new actions join the first.
    EXPECT_EQ(SequencedAction::CurrentSequence(), first);
    Once(journal, "joins first");
    Pump(0.5);
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("runs twice", "runs once", "runs twice", "joins first"));
    EXPECT_EQ(SequencedAction::CurrentSequence(), nullptr);
    Pump(1.0); // an idle scheduler does nothing
    EXPECT_EQ(journal.invocations.size(), 4u);
}

TEST_F(Scheduler, TryToDequeueActionLooksOnlyAtTheFront)
{
    SequencedAction::StartNewSequence();
    Handler* sequence = SequencedAction::CurrentSequence();
    SequencedAction* front = Forever(journal, "front");
    SequencedAction* behind = Forever(journal, "behind");

    bool wasDequeued = true;
    sequence->TryToDequeueAction(behind, wasDequeued);
    EXPECT_FALSE(wasDequeued);
    sequence->TryToDequeueAction(front, wasDequeued);
    EXPECT_TRUE(wasDequeued);
    // "front" is ours now; put it back at the back so that the sequence owns it again.
    sequence->EnqueueAction(front);
    Pump(0.0);
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("behind"));
}

} // namespace
