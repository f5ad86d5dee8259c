#include "tests/Core/Timer/ManualClock.h"

#include "Core/SequencedActions/SequencedAction.h"
#include "Core/SequencedActions/WaitAction.h"
#include "tests/Support/Common/MarkerAction.h"

namespace {

class PausedScheduling : public ManualClockTest {
protected:
    void TearDown() override
    {
        SequencedAction::RemoveAllActions();
        ManualClockTest::TearDown();
    }
    static void Pump() { SequencedAction::HandleNextActions(Timer::PausableTime()); }
};

TEST_F(PausedScheduling, APauseOfAnyLengthIsInvisibleToAWaitingAction)
{
    bool reached = false;
    SequencedAction::StartNewSequence();
    new WaitAction(0.5);
    new MarkerAction(reached);

    Pump();
    Advance(300);
    Pump();
    Timer::Pause();
    Advance(3600 * 1000);
    Pump(); // a pump while paused sees no time pass
    Timer::Resume();
    Advance(199);
    Pump();
    EXPECT_FALSE(reached) << "the wait had 0.2 s left when the clock was paused";
    Advance(1);
    Pump();
    EXPECT_TRUE(reached);
    EXPECT_EQ(SequencedAction::CurrentSequence(), nullptr);
}

} // namespace
