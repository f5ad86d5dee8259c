// The Marrowmere program: the window shell on Qt, the game on SDL2.

#include "Shell/MainFrame/CMarrowmereApp.h"

#include <QApplication>

#include <SDL.h>

#include <cstdlib>
#include <iostream>

namespace {

bool IsSet(const char* name)
{
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0';
}

// Qt ends the process when it cannot reach a display; say so plainly instead.
bool IsDisplayAvailable()
{
    return IsSet("QT_QPA_PLATFORM") || IsSet("DISPLAY") || IsSet("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char* argv[])
{
    if (!IsDisplayAvailable()) {
        std::cerr << "Marrowmere needs a graphical display: no X11 or Wayland display was found "
                     "(DISPLAY and WAYLAND_DISPLAY are not set).\n";
        return EXIT_FAILURE;
    }
    // SDL would turn SIGINT and SIGTERM into events that only the game loop reads: the program
    // could then not be ended from outside while the menu is up.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // An X display that is named but cannot be reached would make Qt end the process abruptly.
    if (!IsSet("QT_QPA_PLATFORM") && !IsSet("WAYLAND_DISPLAY")) {
        if (SDL_VideoInit("x11") != 0) {
            std::cerr << "Marrowmere cannot open the X display " << std::getenv("DISPLAY") << ": " << SDL_GetError() << "\n";
            return EXIT_FAILURE;
        }
        SDL_VideoQuit();
    }
    QApplication application(argc, argv);
    CMarrowmereApp theApp;
    if (!theApp.InitInstance())
        return EXIT_FAILURE;
    return theApp.Run();
}
