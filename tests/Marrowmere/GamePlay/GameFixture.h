#pragma once

#include "Core/DisplayScreen/MemoryDisplayScreen8Bit.h"
#include "Core/GameState/GameState.h"
#include "Core/Resource/ResourceProblems.h"
#include "Core/Sound/Sound.h"
#include "Core/SystemCursor/SystemCursor.h"
#include "Core/Timer/Timer.h"
#include "Marrowmere/EasterEggs/EasterEggs.h"
#include "Marrowmere/GamePlay/GamePlay.h"
#include "Marrowmere/GameShell/GameShellInterface.h"
#include "Marrowmere/Tutorial/Tutorial.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/ResourceFixtures/InMemoryResourceLibrary.h"

#include <SDL.h>
#include <gtest/gtest.h>

#include <cctype>
#include <limits>
#include <sstream>

// A window shell that counts what the game tells it.
class RecordingShell : public GameShellInterface {
public:
    void HandleDeactivationDuringPlay() override { ++deactivations; }
    void CaptureScreen() override { ++captures; }
    int deactivations = 0;
    int captures = 0;
};

// A system pointer that only keeps its show count.
struct CountingSystemCursor : SystemCursor::PlatformSpecifics {
    explicit CountingSystemCursor(int& showCount) : showCount(showCount) {}
    int ChangeShowCount(bool show) override { return show ? ++showCount : --showCount; }
    int& showCount;
};

// The game on the memory display, with no pictures or sounds but the screen description and
// the colour table (everything else is missing and so drawn and played as nothing), SDL's
// event queue for input, and a clock that moves on by a sixtieth of a second at every reading,
// which the game loop makes once per pump. A test that may get stuck sets how many readings it
// allows; the clock then asks the game loop to quit.
class GameFixture : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResourceProblems::SetOutput(&problems);
        resources.Add(ResourceType::screenDescription, 1000, ScreenDescriptionBlockBytes(640, 480, true));
        resources.Add(ResourceType::colorLookupTable, 1000, ColorTableBlockBytes(std::vector<ColorBytes>(256)));
        Timer::Reset();
        Timer::SetClockSource([this] {
            if (readings > quitAfterReadings) {
                GameState::SetState(GameState::quitting);
            }
            return readings++ * 1000 / 60;
        });
        Timer::Initialize();
        display = new MemoryDisplayScreen8Bit;
        ASSERT_TRUE(DisplayScreen8Bit::Initialize(display));
        ASSERT_TRUE(DisplayScreen8Bit::Reserve(1000));
        SystemCursor::Initialize(std::make_unique<CountingSystemCursor>(systemCursorShowCount));
        GameShellInterface::Install(&shell);
        ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_EVENTS), 0);
        SDL_FlushEvents(SDL_FIRSTEVENT, SDL_LASTEVENT);
        GameState::SetState(GameState::startingNewGame);
    }

    // Also leaves the tutorial switch, the hidden words and the sound's muting as the program
    // starts with them.
    void TearDown() override
    {
        GamePlay::Finalize();
        Tutorial::Deactivate();
        EasterEggs::RemoveAllEggs();
        Sound::SetMuting(false);
        SDL_QuitSubSystem(SDL_INIT_EVENTS);
        GameShellInterface::Install(nullptr);
        SystemCursor::Finalize();
        DisplayScreen8Bit::Finalize();
        Timer::Reset();
        ResourceProblems::SetOutput(nullptr);
        ResourceProblems::Forget();
        GameState::SetState(GameState::idle);
    }

    static void PushKey(SDL_Scancode scancode, SDL_EventType type = SDL_KEYDOWN)
    {
        SDL_Event event{};
        event.type = type;
        event.key.keysym.scancode = scancode;
        event.key.keysym.sym = SDL_GetKeyFromScancode(scancode);
        SDL_PushEvent(&event);
    }

    // A typed character as SDL delivers it: its key going down, then its text.
    static void PushCharacter(char character)
    {
        PushKey(SDL_GetScancodeFromKey(std::tolower(static_cast<unsigned char>(character))));
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        event.text.text[0] = character;
        SDL_PushEvent(&event);
    }

    static void PushFocusLoss()
    {
        SDL_Event event{};
        event.window.type = SDL_WINDOWEVENT;
        event.window.event = SDL_WINDOWEVENT_FOCUS_LOST;
        SDL_PushEvent(&event);
    }

    ScopedInMemoryResources resources;
    std::ostringstream problems;
    MemoryDisplayScreen8Bit* display = nullptr;  // owned by DisplayScreen8Bit
    RecordingShell shell;
    int systemCursorShowCount = 0;
    long readings = 0;
    long quitAfterReadings = std::numeric_limits<long>::max();
};
