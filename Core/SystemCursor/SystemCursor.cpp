#include "Core/SystemCursor/SystemCursor.h"

#include "Core/SystemCursor/SdlSystemCursor.h"

std::unique_ptr<SystemCursor::PlatformSpecifics> SystemCursor::platformSpecificsInstance;

void SystemCursor::Initialize()
{
    Initialize(std::make_unique<SdlSystemCursor>());
}

void SystemCursor::Initialize(std::unique_ptr<PlatformSpecifics> platformSpecifics)
{
    platformSpecificsInstance = std::move(platformSpecifics);
}

void SystemCursor::Finalize()
{
    platformSpecificsInstance.reset();
}

SystemCursor::PlatformSpecifics& SystemCursor::Instance()
{
    if (!platformSpecificsInstance) {
        Initialize();
    }
    return *platformSpecificsInstance;
}

void SystemCursor::Hide()
{
    // The loops are bounded: every call moves the count one step toward the goal.
    PlatformSpecifics& platform = Instance();
    int showCount = platform.ChangeShowCount(false);
    while (showCount >= 0) {
        showCount = platform.ChangeShowCount(false);
    }
}

void SystemCursor::Show()
{
    PlatformSpecifics& platform = Instance();
    int showCount = platform.ChangeShowCount(true);
    while (showCount < 0) {
        showCount = platform.ChangeShowCount(true);
    }
}
