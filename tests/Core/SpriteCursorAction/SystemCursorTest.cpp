#include "Core/SystemCursor/SdlSystemCursor.h"
#include "Core/SystemCursor/SystemCursor.h"

#include <gtest/gtest.h>

#include <SDL.h>

namespace {

// A pointer with a show count, as window systems keep one. Every change moves the count by one,
// so the count also tells how many changes were made.
class CountingPointer : public SystemCursor::PlatformSpecifics {
public:
    explicit CountingPointer(int& showCount) : showCount(showCount) {}
    int ChangeShowCount(bool show) override { return showCount += show ? 1 : -1; }

private:
    int& showCount;
};

// Hide and Show reach their state whatever the count was; hiding a hidden pointer changes
// nothing, and showing a shown one still makes the one call the window system needs.
TEST(SystemPointer, HideAndShowReachTheirStateWhateverTheCount)
{
    struct Case {
        int initialCount;
        bool show;
        int count;
    };
    const Case cases[] = {{3, false, -1}, {-1, false, -2}, {-5, true, 0}, {0, true, 1}};
    for (const Case& c : cases) {
        int showCount = c.initialCount;
        SystemCursor::Initialize(std::make_unique<CountingPointer>(showCount));
        c.show ? SystemCursor::Show() : SystemCursor::Hide();
        EXPECT_EQ(showCount, c.count) << c.initialCount;
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
