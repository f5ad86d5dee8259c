// Developer program, not run by the tests: a whole game in the SDL window, full screen, with
// the built libraries and the sound device. A key that is not part of a secret word pauses the
// game: the window goes and the terminal asks whether to go on. At the end it prints the score
// and the statistics.
//   play_example [--tutorial]

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/GameState/GameState.h"
#include "Core/SdlDisplayScreen/SdlDisplayScreen8Bit.h"
#include "Marrowmere/GamePlay/GamePlay.h"
#include "Marrowmere/Scoring/Scoring.h"
#include "Marrowmere/Tutorial/Tutorial.h"
#include "tools/GameDriver/ToolEngine.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    const bool tutorial = argc > 1 && std::strcmp(argv[1], "--tutorial") == 0;
    if (!StartToolEngine(SdlDisplayScreen8Bit::Create(), true)) {
        return EXIT_FAILURE;
    }
    if (tutorial) {
        Tutorial::Activate();
    }
    GameState::SetState(GameState::startingNewGame);
    GamePlay::NewGame();
    while (GameState::State() == GameState::paused) {
        DisplayScreen8Bit::Pause();
        std::cout << "Paused. Press Enter to go on, or type q and Enter to stop: " << std::flush;
        std::string answer;
        if (!std::getline(std::cin, answer) || answer == "q") {
            break;
        }
        GameState::SetState(GameState::resuming);
        GamePlay::ResumeGame();
    }
    if (GameState::State() == GameState::idle || GameState::State() == GameState::gameOver) {
        const Scoring::StatisticsType statistics = Scoring::Statistics();
        std::cout << "Game over. Score " << Scoring::Score() << ", " << statistics.totalTurnsCount << " turns, best turn "
                  << statistics.bestTurnScore << ", " << statistics.completeChainsCount << " complete chains\n";
    }
    Tutorial::Deactivate();
    GameState::SetState(GameState::idle);
    StopToolEngine();
    return EXIT_SUCCESS;
}
