#include "Marrowmere/Tutorial/Tutorial.h"

#include <gtest/gtest.h>

namespace {

// Declared first so that it sees the switch as the program starts it.
TEST(Tutorial, IsOffWhenTheProgramStarts)
{
    EXPECT_FALSE(Tutorial::IsActive());
}

TEST(Tutorial, ActivateAndDeactivateAreIdempotent)
{
    Tutorial::Deactivate();
    EXPECT_FALSE(Tutorial::IsActive());

    Tutorial::Activate();
    Tutorial::Activate();
    EXPECT_TRUE(Tutorial::IsActive());

    Tutorial::Deactivate();
    EXPECT_FALSE(Tutorial::IsActive());
    Tutorial::Deactivate();
    EXPECT_FALSE(Tutorial::IsActive());
}

}  // namespace
