#include "tests/Core/SequencedActions/SchedulerFixture.h"

namespace {

using SchedulerDeathTest = Scheduler;

TEST_F(SchedulerDeathTest, ConstructingAnActionWithoutASequenceEndsTheProgram)
{
    EXPECT_DEATH(Forever(journal, "orphan"), "action scheduler misused: an action was constructed while no sequence exists");
}

TEST_F(SchedulerDeathTest, DeletingAQueuedActionThatIsNotRunningEndsTheProgram)
{
    EXPECT_DEATH(
        {
            SequencedAction::StartNewSequence();
            Forever(journal, "front");
            SequencedAction* behind = Forever(journal, "behind");
            delete behind;
        },
        "action scheduler misused: an action was destroyed while it was not the running action");
}

TEST_F(SchedulerDeathTest, AStepDestroyingItsOwnSequenceEndsTheProgram)
{
    EXPECT_DEATH(
        {
            SequencedAction::StartNewSequence();
            SequencedAction::SequencedActionHandler* own = SequencedAction::CurrentSequence();
            Forever(journal, "suicidal", [own] { delete own; });
            SequencedAction::HandleNextActions(0.0);
        },
        "action scheduler misused: a sequence was destroyed by one of its own actions");
}

TEST_F(SchedulerDeathTest, PumpingOrClearingFromInsideAStepEndsTheProgram)
{
    EXPECT_DEATH(
        {
            SequencedAction::StartNewSequence();
            Forever(journal, "pumper", [] { SequencedAction::HandleNextActions(1.0); });
            SequencedAction::HandleNextActions(0.0);
        },
        "action scheduler misused: HandleNextActions\\(\\) was called from inside");
    EXPECT_DEATH(
        {
            SequencedAction::StartNewSequence();
            Forever(journal, "clearer", [] { SequencedAction::RemoveAllActions(); });
            SequencedAction::HandleNextActions(0.0);
        },
        "action scheduler misused: RemoveAllActions\\(\\) was called from inside");
}

} // namespace
