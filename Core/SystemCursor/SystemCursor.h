#pragma once

#include <memory>

// Shows and hides the platform's own pointer (during play the pointer is drawn as a sprite
// instead). Hide() hides it however often it was shown, Show() shows it however often it was
// hidden.
class SystemCursor {
public:
    // The platform's pointer: a show count, as window systems keep it: the pointer is shown
    // while the count is zero or more.
    class PlatformSpecifics {
    public:
        virtual ~PlatformSpecifics() = default;
        // Raises (show true) or lowers the count by one and returns the new count.
        virtual int ChangeShowCount(bool show) = 0;
    };

    // Makes the SDL back end (or takes the given one, for tests).
    static void Initialize();
    static void Initialize(std::unique_ptr<PlatformSpecifics> platformSpecifics);
    static void Finalize();

    // Lowers the show count until the pointer is hidden.
    static void Hide();
    // Raises the show count until the pointer is shown.
    static void Show();

private:
    // The back end, made on first use when Initialize() was not called.
    static PlatformSpecifics& Instance();

    static std::unique_ptr<PlatformSpecifics> platformSpecificsInstance;
};
