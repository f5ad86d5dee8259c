#pragma once

#include "tests/Core/SequencedActions/ProbeAction.h"

#include <gtest/gtest.h>

// Every test starts and ends with an empty scheduler.
class Scheduler : public ::testing::Test {
protected:
    void SetUp() override { SequencedAction::RemoveAllActions(); }
    void TearDown() override { SequencedAction::RemoveAllActions(); }

    static void Pump(double time) { SequencedAction::HandleNextActions(time); }

    Journal journal;
};
