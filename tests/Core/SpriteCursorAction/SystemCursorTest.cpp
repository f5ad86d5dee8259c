#include "Core/SystemCursor/SdlSystemCursor.h"
#include "Core/SystemCursor/SystemCursor.h"

#include <gtest/gtest.h>

#include <SDL.h>

namespace {

// A pointer with a show count, as window systems keep one; it records every change.
class CountingPointer : public SystemCursor::PlatformSpecifics {
public:
    explicit CountingPointer(int& showCount, int& changes) : showCount(showCount), changes(changes) {}
    int ChangeShowCount(bool show) override
    {
        ++changes;
        showCount += show ? 1 : -1;
        return showCount;
    }

private:
    int& showCount;
    int& changes;
};

class SystemPointer : public ::testing::Test {
protected:
    void Install(int initialCount)
    {
        showCount = initialCount;
        SystemCursor::Initialize(std::make_unique<CountingPointer>(showCount, changes));
    }
    ~SystemPointer() override { SystemCursor::Finalize(); }

    int showCount = 0;
    int changes = 0;
};

TEST_F(SystemPointer, HideAndShowReachTheirStateWhateverTheCount)
{
    Install(3);
    SystemCursor::Hide();
    EXPECT_EQ(showCount, -1);
    EXPECT_EQ(changes, 4);
    SystemCursor::Hide(); // hiding twice needs only one show
    EXPECT_LT(showCount, 0);

    Install(-5);
    changes = 0;
    SystemCursor::Show();
    EXPECT_EQ(showCount, 0);
    EXPECT_EQ(changes, 5);

    // Showing a shown pointer still makes the one call the window system needs.
    changes = 0;
    SystemCursor::Show();
    EXPECT_EQ(showCount, 1);
    EXPECT_EQ(changes, 1);
}

TEST(SdlSystemPointer, FollowsTheCountWithoutAWindow)
{
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
    SystemCursor::Initialize();
    SystemCursor::Hide();
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_DISABLE);
    SystemCursor::Hide();
    SystemCursor::Show();
    EXPECT_EQ(SDL_ShowCursor(SDL_QUERY), SDL_ENABLE);
    SystemCursor::Finalize();
    SDL_QuitSubSystem(SDL_INIT_VIDEO);
}

} // namespace
