#include "tests/Core/SequencedActions/SchedulerFixture.h"

#include "Core/SequencedActions/FadeAction.h"
#include "Core/SequencedActions/WaitAction.h"

#include <gmock/gmock.h>

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

// A fade shows its start level at once, then levels along a straight line with the pump's
// time, and its end level (ending the fade) once its duration is over; a fade shorter than one
// pump shows just the two.
TEST_F(Scheduler, FadeGoesFromStartToEndLevelLinearly)
{
    struct Case {
        double start, end, duration;
        std::vector<double> pumps;
        std::vector<double> levels;
    };
    const Case cases[] = {
        {1.0, 0.2, 2.0, {10.0, 10.5, 11.0, 11.5, 11.9, 12.0}, {1.0, 0.8, 0.6, 0.4, 0.24, 0.2}},
        {0.0, 1.0, 0.01, {0.0, 0.05}, {0.0, 1.0}},
        {0.0, 1.0, 0.0, {0.0, 0.05}, {0.0, 1.0}},
    };
    for (const Case& c : cases) {
        std::vector<double> levels;
        journal = Journal{};
        SequencedAction::StartNewSequence();
        new RecordingFade(levels, c.start, c.end, c.duration);
        Once(journal, "after fade");
        for (double time : c.pumps) {
            EXPECT_TRUE(journal.invocations.empty()) << "the fade is not over before " << time;
            Pump(time);
        }
        ASSERT_EQ(levels.size(), c.levels.size());
        for (std::size_t i = 0; i < levels.size(); ++i) {
            EXPECT_NEAR(levels[i], c.levels[i], 1e-9) << "duration " << c.duration << " level " << i;
        }
        EXPECT_THAT(journal.InvokedNames(), ElementsAre("after fade"));
        EXPECT_EQ(SequencedAction::CurrentSequence(), nullptr);
    }
}

} // namespace
