#include "Core/SequencedActions/SequencedAction.h"

#include <gmock/gmock.h>

#include <functional>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using ::testing::DoubleNear;
using ::testing::ElementsAre;
using ::testing::Pointwise;
using Handler = SequencedAction::SequencedActionHandler;

namespace {

// What the scheduler did to the test's actions: their steps in order, the times each step saw, and
// their destructions.
struct Journal {
    using Times = std::tuple<double, double, bool>; // elapsed, since the last step, first step
    std::vector<std::string> steps, destroyed;
    std::vector<Times> times;
};

// Writes down every step and its destruction; finishes on its `stepsToFinish`-th step (never when
// 0). `onStep` runs inside each step before the action decides whether to finish.
class Probe : public SequencedAction {
public:
    Probe(Journal& journal, std::string name, int stepsToFinish, std::function<void()> onStep)
        : journal(journal), name(std::move(name)), stepsToFinish(stepsToFinish), onStep(std::move(onStep))
    {
    }
    ~Probe() override { journal.destroyed.push_back(name); }
    void operator()() override
    {
        journal.steps.push_back(name);
        journal.times.push_back({ElapsedTime(), TimeSinceLastInvocation(), IsFirstInvocation()});
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
    int stepsToFinish, steps = 0;
    std::function<void()> onStep;
};

// Every test leaves an empty scheduler behind.
class Scheduler : public ::testing::Test {
protected:
    void TearDown() override { SequencedAction::RemoveAllActions(); }

    static void Start() { SequencedAction::StartNewSequence(); }
    static Handler* Current() { return SequencedAction::CurrentSequence(); }
    static void Pump(double time) { SequencedAction::HandleNextActions(time); }
    SequencedAction* Steps(std::string name, int count, std::function<void()> onStep = {})
    {
        return new Probe(journal, std::move(name), count, std::move(onStep));
    }
    SequencedAction* Once(std::string name, std::function<void()> onStep = {}) { return Steps(name, 1, onStep); }
    SequencedAction* Forever(std::string name, std::function<void()> onStep = {}) { return Steps(name, 0, onStep); }

    Journal journal;
};

// An action's clock starts when it reaches the front; actions that finish at once let their
// successor run in the same pump, an unfinished one keeps the front until the next.
TEST_F(Scheduler, AChainRunsUntilAnActionIsUnfinishedAndTimesEachFromItsStart)
{
    Start();
    Once("a");
    Once("b");
    Steps("two", 2);
    Forever("d");
    for (double time : {1.0, 1.75, 3.0, 3.0}) {
        Pump(time);
    }
    EXPECT_THAT(journal.steps, ElementsAre("a", "b", "two", "two", "d", "d", "d"));
    // Pump times are sums of powers of two, so the differences are exact.
    EXPECT_EQ(journal.times, (std::vector<Journal::Times>{{0, 0, true}, {0, 0, true}, {0, 0, true},
                                                          {0.75, 0.75, false}, {0, 0, true},
                                                          {1.25, 1.25, false}, {1.25, 0, false}}));
    EXPECT_THAT(journal.destroyed, ElementsAre("a", "b", "two"));
}

// Sequences run in creation order, one started during a pump runs last in it, an action made in
// a step joins the newest sequence, and sequences left empty are gone after the pump.
TEST_F(Scheduler, SequencesRunInCreationOrderAndEmptyOnesAreGoneAfterThePump)
{
    EXPECT_EQ(Current(), nullptr);
    Start();
    Handler* first = Current();
    Forever("A", [this] {
        if (journal.steps.size() == 1) {
            Once("behind B");
            Start();
            Once("C", [this] { Once("after C"); });
        }
    });
    Start();
    Handler* second = Current();
    Steps("B", 2);
    Pump(0.0);
    EXPECT_THAT(journal.steps, ElementsAre("A", "B", "C", "after C"));
    EXPECT_EQ(Current(), second);
    Pump(0.1);
    EXPECT_THAT(journal.steps, ElementsAre("A", "B", "C", "after C", "A", "B", "behind B"));
    EXPECT_EQ(Current(), first);
}

// Deleting the running action of a sequence lets its successor run in the same pump if that
// sequence's turn is still to come, else in the next.
TEST_F(Scheduler, DeletingARunningActionHandsItsSequenceOnToItsSuccessor)
{
    Start();
    SequencedAction* older = Forever("older");
    Once("after older");
    Start();
    SequencedAction* younger = nullptr;
    new WaitAction(1.0);
    new DeletionAction(nullptr); // no target: just finishes
    new DeletionAction(older);
    Once("deleter", [&younger] { delete younger; });
    Start();
    younger = Forever("younger");
    Once("after younger");

    Pump(0.0);
    Pump(1.0);
    EXPECT_THAT(journal.destroyed, ElementsAre("older", "younger", "deleter", "after younger"));
    Pump(1.5);
    EXPECT_THAT(journal.steps, ElementsAre("older", "younger", "older", "deleter", "after younger", "after older"));
    EXPECT_EQ(std::get<0>(journal.times.back()), 0.0);
    EXPECT_EQ(Current(), nullptr);
}

// A destroyed sequence deletes its actions front first without running them.
TEST_F(Scheduler, AStepMayDestroyOtherSequencesThroughTheirKeptHandles)
{
    Start();
    Handler* older = Current();
    Forever("older");
    Start();
    Handler* younger = nullptr;
    Once("canceller", [&] {
        delete younger;
        delete older;
    });
    Start();
    younger = Current();
    Forever("younger");
    Once("behind younger");
    Pump(0.0);
    // "older" already ran in this pump; "younger" is destroyed before its turn.
    EXPECT_THAT(journal.steps, ElementsAre("older", "canceller"));
    EXPECT_THAT(journal.destroyed, ElementsAre("younger", "behind younger", "older", "canceller"));
    EXPECT_EQ(Current(), nullptr);
}

// After a step throws, the scheduler still pumps; RemoveAllActions then destroys every sequence
// in creation order, each front first.
TEST_F(Scheduler, AStepThatThrowsLeavesTheSchedulerUsableAndRemoveAllEndsEverything)
{
    Start();
    bool shouldThrow = true;
    Forever("thrower", [&shouldThrow] {
        if (shouldThrow) {
            throw std::runtime_error("step failed");
        }
    });
    Once("queued");
    Start();
    Forever("other");
    EXPECT_THROW(Pump(0.0), std::runtime_error);
    shouldThrow = false;
    Pump(0.5); // no longer counts as a pump inside a pump
    SequencedAction::RemoveAllActions();
    EXPECT_THAT(journal.destroyed, ElementsAre("thrower", "queued", "other"));
    EXPECT_EQ(Current(), nullptr);
    Pump(1.0);
    EXPECT_THAT(journal.steps, ElementsAre("thrower", "thrower", "other"));
}

// Writes down every level it is asked to show.
struct RecordingFade : FadeAction {
    RecordingFade(std::vector<double>& levels, double start, double end, double duration)
        : FadeAction(start, end, duration), levels(levels)
    {
    }
    void Fade(double level) override { levels.push_back(level); }
    std::vector<double>& levels;
};

// Waits and fades count from when they reach the front; waits add up, and one of zero ends at
// once. A fade shows its start level at once, then levels along a straight line with the pump's
// time, and its end level (ending the fade) once its duration is over.
TEST_F(Scheduler, WaitsAndFadesCountFromWhenTheyReachTheFront)
{
    std::vector<double> levels;
    Start();
    Steps("animation", 2);
    new WaitAction(0.5);
    new WaitAction(0.0);
    new WaitAction(0.25);
    new RecordingFade(levels, 1.0, 0.2, 2.0);
    Once("after fade");
    // The waits end at 2.5 and 2.75, when the fade starts; it ends at 4.75.
    for (double time : {1.0, 2.0, 2.49, 2.5, 2.74, 2.75, 3.25, 3.75, 4.25, 4.65, 4.74}) {
        Pump(time);
    }
    EXPECT_EQ(journal.steps.size(), 2u);
    Pump(4.75);
    EXPECT_THAT(journal.steps, ElementsAre("animation", "animation", "after fade"));
    EXPECT_THAT(levels, Pointwise(DoubleNear(1e-9), {1.0, 0.8, 0.6, 0.4, 0.24, 0.204, 0.2}));
}

using SchedulerDeathTest = Scheduler;

// Each misuse of the scheduler ends the program with a message that names it.
TEST_F(SchedulerDeathTest, MisuseEndsTheProgram)
{
    // The misuse happens in the step of a sequence's only action.
    const auto inAStep = [this](std::function<void()> step) {
        return std::function<void()>([this, step] {
            Start();
            Forever("step", step);
            Pump(0.0);
        });
    };
    const std::pair<std::function<void()>, const char*> misuses[] = {
        {[this] { Forever("orphan"); }, "an action was constructed while no sequence exists"},
        {[this] {
             Start();
             Forever("front");
             delete Forever("behind");
         },
         "an action was destroyed while it was not the running action"},
        {inAStep([] { delete Current(); }), "a sequence was destroyed by one of its own actions"},
        {inAStep([] { Pump(1.0); }), "HandleNextActions\\(\\) was called from inside"},
        {inAStep([] { SequencedAction::RemoveAllActions(); }), "RemoveAllActions\\(\\) was called from inside"},
    };
    for (const auto& [misuse, message] : misuses) {
        EXPECT_DEATH(misuse(), std::string("action scheduler misused: ") + message);
    }
}

} // namespace
