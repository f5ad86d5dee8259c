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

// Hide and Show reach their state whatever the count was; hiding a hidden pointer changes
// nothing, and showing a shown one still makes the one call the window system needs.
TEST(SystemPointer, HideAndShowReachTheirStateWhateverTheCount)
{
    struct Case {
        int initialCount;
        bool show;
        int count, changes;
    };
    const Case cases[] = {{3, false, -1, 4}, {-1, false, -2, 1}, {-5, true, 0, 5}, {0, true, 1, 1}};
    for (const Case& c : cases) {
        int showCount = c.initialCount;
        int changes = 0;
        SystemCursor::Initialize(std::make_unique<CountingPointer>(showCount, changes));
        c.show ? SystemCursor::Show() : SystemCursor::Hide();
        EXPECT_EQ(showCount, c.count) << c.initialCount;
        EXPECT_EQ(changes, c.changes) << c.initialCount;
    }
    SystemCursor::Finalize();
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
