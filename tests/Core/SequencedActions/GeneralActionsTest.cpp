#include "tests/Core/SequencedActions/SchedulerFixture.h"

#include "Core/SequencedActions/FadeAction.h"
#include "Core/SequencedActions/WaitAction.h"

#include <gmock/gmock.h>

using ::testing::DoubleEq;
using ::testing::ElementsAre;

namespace {

TEST_F(Scheduler, WaitCountsOnlyFromWhenItReachesTheFront)
{
    SequencedAction::StartNewSequence();
    new ProbeAction(journal, "animation", 3);
    new WaitAction(0.5);
    Once(journal, "after wait");

    Pump(0.0);
    Pump(1.0);
    Pump(2.0); // the animation finishes; the wait starts now
    Pump(2.49);
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("animation", "animation", "animation"));
    Pump(2.5);
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("animation", "animation", "animation", "after wait"));
}

TEST_F(Scheduler, ConsecutiveWaitsAddUpAndAWaitOfZeroFinishesAtOnce)
{
    SequencedAction::StartNewSequence();
    new WaitAction(0.3);
    new WaitAction(0.0);
    new WaitAction(0.3);
    Once(journal, "after waits");
    for (double time : {0.0, 0.3, 0.5}) {
        Pump(time);
    }
    EXPECT_TRUE(journal.invocations.empty());
    Pump(0.6);
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("after waits"));
}

// Writes down every level it is asked to show.
class RecordingFade : public FadeAction {
public:
    RecordingFade(std::vector<double>& levels, double startLevel, double endLevel, double duration)
        : FadeAction(startLevel, endLevel, duration), levels(levels)
    {
    }
    void Fade(double level) override { levels.push_back(level); }

private:
    std::vector<double>& levels;
};

TEST_F(Scheduler, FadeGoesFromStartToEndLevelLinearly)
{
    std::vector<double> levels;
    SequencedAction::StartNewSequence();
    new RecordingFade(levels, 1.0, 0.2, 2.0);
    Once(journal, "after fade");

    for (double time : {10.0, 10.5, 11.0, 11.5}) {
        Pump(time);
    }
    EXPECT_THAT(levels, ElementsAre(DoubleEq(1.0), DoubleEq(0.8), DoubleEq(0.6), DoubleEq(0.4)));
    EXPECT_TRUE(journal.invocations.empty());
    Pump(12.0); // exactly the duration: the end level, and the fade is over
    EXPECT_THAT(levels, ElementsAre(DoubleEq(1.0), DoubleEq(0.8), DoubleEq(0.6), DoubleEq(0.4), DoubleEq(0.2)));
    EXPECT_THAT(journal.InvokedNames(), ElementsAre("after fade"));
}

TEST_F(Scheduler, FadeShorterThanAPumpShowsStartThenEndLevel)
{
    for (double duration : {0.01, 0.0}) {
        std::vector<double> levels;
        journal = Journal{};
        SequencedAction::StartNewSequence();
        new RecordingFade(levels, 0.0, 1.0, duration);
        Once(journal, "after fade");

        Pump(0.0);
        EXPECT_THAT(levels, ElementsAre(DoubleEq(0.0))) << "duration " << duration;
        EXPECT_TRUE(journal.invocations.empty()) << "duration " << duration;
        Pump(0.05);
        EXPECT_THAT(levels, ElementsAre(DoubleEq(0.0), DoubleEq(1.0))) << "duration " << duration;
        EXPECT_THAT(journal.InvokedNames(), ElementsAre("after fade")) << "duration " << duration;
        EXPECT_EQ(SequencedAction::CurrentSequence(), nullptr);
    }
}

} // namespace
