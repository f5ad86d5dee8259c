#include "Core/GameState/GameState.h"
#include "Core/ZipResource/ResourceLibraries.h"
#include "Marrowmere/GamePlay/GamePlay.h"
#include "Shell/Dialogs/CSplashScreen.h"
#include "Shell/MainFrame/CMainFrame.h"
#include "Shell/MainFrame/CMarrowmereApp.h"
#include "Shell/Preferences/Preferences.h"
#include "Shell/Slideshow/Slideshow.h"
#include "tests/Shell/ShellTestSupport/ShellTestSupport.h"
#include "tests/Support/Common/TemporaryFolder.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPushButton>

#include <SDL.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using namespace FrameMessages;

class StartUpTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShellTest::ClearUserFiles();
        GameState::SetState(GameState::idle);
        CMarrowmereApp::stopMessage = [this](const char*, const char* text) { messages.emplace_back(text); };
    }

    void TearDown() override
    {
        if (app != nullptr && app->MainFrame() != nullptr && app->MainFrame()->IsGameRunning()) {
            GameState::SetState(GameState::idle);
            app->MainFrame()->OnCommand(pushQuit);
            EXPECT_TRUE(ShellTest::ProcessEventsUntil([this] { return app->MainFrame()->isHidden(); }));
        }
        app.reset();
        CMarrowmereApp::stopMessage = nullptr;
    }

    std::unique_ptr<CMarrowmereApp> MakeApp(const std::string& leaveOut = "")
    {
        ShellTest::WriteLibraries(libraries.Path(), {{"1028", 64, 48}, {"161", 640, 480}}, leaveOut);
        return std::make_unique<CMarrowmereApp>(std::vector<std::filesystem::path>{libraries.Path()});
    }

    // Answers the next question with the given button, noting its text.
    void AnswerNext(const char* button)
    {
        ShellTest::AnswerNextModal([this, button](QWidget* dialog) {
            questions.push_back(dialog->findChild<QLabel*>("message")->text().toStdString());
            dialog->findChild<QPushButton*>(button)->click();
        });
    }

    // A key press waiting in SDL's queue pauses the game at its first pump.
    void PlayUntilPaused(int command)
    {
        SDL_Event event{};
        event.type = SDL_KEYDOWN;
        event.key.keysym.sym = SDLK_SPACE;
        event.key.keysym.scancode = SDL_SCANCODE_SPACE;
        SDL_PushEvent(&event);
        app->MainFrame()->OnCommand(command);
        ASSERT_TRUE(ShellTest::ProcessEventsUntil([] { return GameState::State() == GameState::paused; }));
        QCoreApplication::processEvents();
    }

    // Answers the question that the command asks with the given button; the question's text.
    std::string AnswerCommand(int command, const char* button)
    {
        questions.clear();
        AnswerNext(button);
        app->MainFrame()->OnCommand(command);
        return questions.empty() ? "" : questions.back();
    }

    bool ResumeEnabled()
    {
        const bool button = app->MainFrame()->Button(pushResumeGame)->isEnabled();
        EXPECT_EQ(button, app->MainFrame()->MenuAction(fileResume)->isEnabled());
        return button;
    }

    TemporaryFolder libraries;
    std::unique_ptr<CMarrowmereApp> app;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
};

TEST_F(StartUpTest, EachMissingLibraryEndsStartUpWithItsMessage)
{
    for (const char* missing : ResourceLibraries::gameLibraryNames) {
        messages.clear();
        app = MakeApp(missing);
        EXPECT_FALSE(app->InitInstance()) << missing;
        EXPECT_EQ(app->MainFrame(), nullptr);
        ASSERT_FALSE(messages.empty());
        EXPECT_EQ(messages[0], " Marrowmere can't find the required file " + QString(missing).toUpper().toStdString()
                + ".ZIP and is terminating this application!");
        // The first library's failure also names the system's error number.
        EXPECT_EQ(messages.size(), std::string(missing) == "mm_res" ? 2u : 1u) << missing;
        for (const char* name : ResourceLibraries::gameLibraryNames)
            EXPECT_FALSE(ResourceLibraries::IsLoaded(name)) << name << " is released again";
        for (const auto& file : std::filesystem::directory_iterator(libraries.Path()))
            std::filesystem::remove(file.path());
    }
}

// The engine starts once, after the splash, asking the first-run question the first time only;
// then the commands with and without a paused game.
TEST_F(StartUpTest, TheEngineStartsAfterTheSplashAndTheCommandsFollowThePausedGame)
{
    app = MakeApp();
    ASSERT_TRUE(app->InitInstance());
    CMainFrame& frame = *app->MainFrame();
    EXPECT_TRUE(frame.isHidden());
    frame.RunGame();
    EXPECT_FALSE(frame.IsGameRunning());
    ASSERT_NE(frame.SplashScreen(), nullptr);

    delete frame.SplashScreen();
    ASSERT_TRUE(ShellTest::ProcessEventsUntil([&] { return frame.IsSplashDone(); }));
    AnswerNext("cancelButton");
    frame.RunGame();
    EXPECT_TRUE(frame.IsGameRunning());
    ASSERT_EQ(questions.size(), 1u);
    EXPECT_EQ(questions[0], "This is the first time you have run Marrowmere, would you like to play the tutorial?");
    EXPECT_EQ(frame.WindowState(), CMainFrame::WINDOWSTATE_GUI);
    EXPECT_TRUE(frame.isVisible());
    EXPECT_TRUE(frame.SlideShow()->isVisible());
    bool firstTime = true;
    Preferences::GetFirstTimeRun(firstTime);
    EXPECT_FALSE(firstTime);
    frame.RunGame();
    EXPECT_EQ(questions.size(), 1u) << "the engine starts once";
    EXPECT_FALSE(ResumeEnabled());
    // The menu's slideshow wants idle time, except while the window is minimized.
    EXPECT_TRUE(frame.OnIdle(0));
    frame.setWindowState(Qt::WindowMinimized);
    EXPECT_FALSE(frame.OnIdle(0));
    frame.setWindowState(Qt::WindowNoState);

    // New Game with no paused game starts at once; a key pauses it and the menu returns.
    PlayUntilPaused(pushNewGame);
    EXPECT_TRUE(GamePlay::IsGameInProgress());
    EXPECT_EQ(frame.WindowState(), CMainFrame::WINDOWSTATE_GUI);
    EXPECT_TRUE(ResumeEnabled());
    EXPECT_TRUE(frame.IsGameStatsValid());
    EXPECT_EQ(frame.SlideShow()->CurrentState(), Slideshow::displayingPausedGame);

    // Print Screen copies the game screen only during play.
    QApplication::clipboard()->clear();
    frame.DoScreenCapture();
    EXPECT_TRUE(QApplication::clipboard()->image().isNull());
    GameState::SetState(GameState::playing);
    frame.DoScreenCapture();
    GameState::SetState(GameState::paused);
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(640, 480));

    // With the game paused, New Game, Tutorial and Exit ask first; Cancel keeps the game.
    EXPECT_EQ(AnswerCommand(pushNewGame, "cancelButton"),
        "There's a game already in progress.  Are you sure that you want to start a new game?");
    EXPECT_EQ(AnswerCommand(helpTutorial, "cancelButton"),
        "Viewing the tutorial will cause the current game to end.  Are you sure you want to view the tutorial?");
    EXPECT_EQ(AnswerCommand(pushQuit, "cancelButton"), "There's a game in progress.  Are you sure you want to exit?");
    QCoreApplication::processEvents();
    EXPECT_EQ(GameState::State(), GameState::paused);
    EXPECT_TRUE(GamePlay::IsGameInProgress());
    EXPECT_TRUE(ResumeEnabled());

    // Resume Game runs the same game again.
    PlayUntilPaused(fileResume);
    EXPECT_TRUE(GamePlay::IsGameInProgress());

    // Exit confirmed shuts the engine down and closes the window.
    EXPECT_FALSE(AnswerCommand(appExit, "okButton").empty());
    EXPECT_TRUE(ShellTest::ProcessEventsUntil([&] { return frame.isHidden(); }));
    EXPECT_EQ(GameState::State(), GameState::idle);
    EXPECT_FALSE(GamePlay::IsGameInProgress());
}

} // namespace
