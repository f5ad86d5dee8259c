// The Marrowmere program: the window shell on Qt, the game on SDL2.

#include "Shell/MainFrame/CMarrowmereApp.h"

#include <QApplication>

#include <SDL.h>

#include <cstdlib>
#include <iostream>

namespace {

// Qt ends the process when it cannot reach a display; say so plainly instead.
bool IsDisplayAvailable()
{
    const auto isSet = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return isSet("QT_QPA_PLATFORM") || isSet("DISPLAY") || isSet("WAYLAND_DISPLAY");
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
    QApplication application(argc, argv);
    CMarrowmereApp theApp;
    if (!theApp.InitInstance())
        return EXIT_FAILURE;
    return theApp.Run();
}
