// Developer program, not run by the tests: plays moves read from standard input through the
// real game, headless, on the built libraries, and prints the game after every move.
//   game_replay [--tutorial] < moves
// A move is a line "ITEM ANIMAL DIRECTION ROW COLUMN [P]" (ItemType, ObjectType and
// DirectionType values, row and column 0 to 4); with P the item is chosen through the pick
// button and the pick dialog, otherwise it is made current as the tutorial does. Each move is
// a press and a release at the lot's centre through SDL's event queue, and the game is pumped
// until the board has resolved it. Output: "start | LOTS", then per move
// "score=S turn=T best=B chains=C picks=P over=0|1 | LOTS" or "refused"; it stops after the
// line with over=1. With --tutorial the tutorial plays itself and a line follows each of its
// turns. The clock moves on by a sixtieth of a second each time it is read; the game loop
// reads it once per pump.

#include "Core/DisplayScreen/MemoryDisplayScreen8Bit.h"
#include "Core/Timer/Timer.h"
#include "Marrowmere/Tutorial/Tutorial.h"
#include "tools/GameDriver/GameDriver.h"
#include "tools/GameDriver/ToolEngine.h"

#include <cstdlib>
#include <cstring>
#include <iostream>
#include <string>

namespace {

long clockReadings = 0;

std::optional<GameDriver::Move> ReadMove()
{
    std::string line;
    while (std::getline(std::cin, line)) {
        if (line.find_first_not_of(" \t\r") == std::string::npos) {
            continue;
        }
        if (const auto move = GameDriver::ParseMove(line)) {
            return move;
        }
        std::cerr << "game_replay: not a move, skipped: " << line << '\n';
    }
    return std::nullopt;
}

} // namespace

int main(int argc, char** argv)
{
    bool tutorial = false;
    for (int index = 1; index < argc; ++index) {
        if (std::strcmp(argv[index], "--tutorial") == 0) {
            tutorial = true;
        } else {
            std::cerr << "usage: game_replay [--tutorial] < moves\n";
            return EXIT_FAILURE;
        }
    }
    // Headless whatever the environment offers.
    setenv("SDL_VIDEODRIVER", "dummy", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    Timer::SetClockSource([] { return clockReadings++ * 1000 / 60; });

    auto* display = new MemoryDisplayScreen8Bit;
    if (!StartToolEngine(display, false)) {
        return EXIT_FAILURE;
    }
    if (tutorial) {
        Tutorial::Activate();
    }
    GameDriver driver(*display, ReadMove, [](GameDriver::Event event) {
        switch (event) {
        case GameDriver::Event::start: std::cout << "start | " << GameDriver::DescribeLots() << '\n'; break;
        case GameDriver::Event::moved: std::cout << GameDriver::DescribeGame() << '\n'; break;
        case GameDriver::Event::refused: std::cout << "refused\n"; break;
        case GameDriver::Event::gameOver: break;
        }
        std::cout.flush();
    });
    driver.PlayGame();
    Tutorial::Deactivate();
    StopToolEngine();
    return EXIT_SUCCESS;
}
