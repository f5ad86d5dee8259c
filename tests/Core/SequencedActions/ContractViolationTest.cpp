#include "tests/Core/SequencedActions/SchedulerFixture.h"

#include <functional>

namespace {

using SchedulerDeathTest = Scheduler;

// Each misuse of the scheduler ends the program with a message that names it.
TEST_F(SchedulerDeathTest, MisuseEndsTheProgram)
{
    using Handler = SequencedAction::SequencedActionHandler;
    const std::pair<std::function<void()>, const char*> misuses[] = {
        {[this] { Forever(journal, "orphan"); }, "an action was constructed while no sequence exists"},
        {[this] {
             SequencedAction::StartNewSequence();
             Forever(journal, "front");
             delete Forever(journal, "behind");
         },
         "an action was destroyed while it was not the running action"},
        {[this] {
             SequencedAction::StartNewSequence();
             Handler* own = SequencedAction::CurrentSequence();
             Forever(journal, "suicidal", [own] { delete own; });
             SequencedAction::HandleNextActions(0.0);
         },
         "a sequence was destroyed by one of its own actions"},
        {[this] {
             SequencedAction::StartNewSequence();
             Forever(journal, "pumper", [] { SequencedAction::HandleNextActions(1.0); });
             SequencedAction::HandleNextActions(0.0);
         },
         "HandleNextActions\\(\\) was called from inside"},
        {[this] {
             SequencedAction::StartNewSequence();
             Forever(journal, "clearer", [] { SequencedAction::RemoveAllActions(); });
             SequencedAction::HandleNextActions(0.0);
         },
         "RemoveAllActions\\(\\) was called from inside"},
    };
    for (const auto& [misuse, message] : misuses) {
        EXPECT_DEATH(misuse(), std::string("action scheduler misused: ") + message);
    }
}

} // namespace
