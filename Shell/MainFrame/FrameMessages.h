#pragma once

#include <QEvent>

// The main window's private messages and commands. Each is posted to the window as a Qt event
// whose type carries the value, and handled in posting order like any other event.
namespace FrameMessages {

enum Message : int {
    newGame = 0x0465,
    resumeGame = 0x0466,
    tutorial = 0x0467,
    quitGame = 0x0468,
    checkState = 0x0469,
    splashDone = 0x046A,
};

enum Command : int {
    pushNewGame = 131,
    pushResumeGame = 132,
    pushTutorial = 133,
    pushHighScores = 134,
    pushQuit = 135,
    helpInstructionButton = 189,
    fileNewGame = 0x8003,
    fileResume = 0x8004,
    helpTutorial = 0x8005,
    editPreferences = 0x8006,
    scoresStats = 0x8007,
    scoresHigh = 0x8008,
    newHighScore = 0x8009,
    helpInstruction = 0x800B,
    appAbout = 0xE140,
    appExit = 0xE141,
};

// Private messages are posted with their value above QEvent::User, commands further up.
constexpr int messageBase = QEvent::User;
constexpr int commandBase = QEvent::User + 0x1000;

class FrameEvent : public QEvent {
public:
    FrameEvent(int base, int value) : QEvent(QEvent::Type(base + value)), value(value) {}
    const int value;
};

} // namespace FrameMessages
