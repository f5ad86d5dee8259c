#include "Marrowmere/GameShell/GameShellInterface.h"

namespace {

class NoShell : public GameShellInterface {
public:
    void HandleDeactivationDuringPlay() override {}
    void CaptureScreen() override {}
};

NoShell noShell;
GameShellInterface* installedShell = nullptr;

} // namespace

void GameShellInterface::Install(GameShellInterface* shell)
{
    installedShell = shell;
}

GameShellInterface& GameShellInterface::Instance()
{
    return installedShell != nullptr ? *installedShell : noShell;
}
