#pragma once

#include "Core/SystemCursor/SystemCursor.h"

// The SDL pointer has no show count of its own: this back end keeps one and shows the
// pointer while it is zero or more.
class SdlSystemCursor : public SystemCursor::PlatformSpecifics {
public:
    int ChangeShowCount(bool show) override;

private:
    int showCount = 0;
};
