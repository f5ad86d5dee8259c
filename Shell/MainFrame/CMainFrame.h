#pragma once

#include "Shell/Dialogs/ModelessHost.h"
#include "Shell/MainFrame/FrameMessages.h"

#include <QImage>
#include <QMainWindow>
#include <QPoint>
#include <QRect>

#include <array>
#include <functional>
#include <map>

class QAction;
class QPushButton;
class CSplashScreen;
class CInstructionsDialog;
class GameStatisticsDialogBox;
class HighScoresDialogBox;
class PreferencesDialogBox;
class Slideshow;

// The program's one top-level window. In its menu state it is a fixed 640 x 480 window with the
// menu bar, a background picture, six buttons down its right side and the slideshow in its
// television; in its game state the game's own display takes over the screen and the game loop
// runs inside one of the window's event handlers until the game is paused or over. The window
// turns the state the loop leaves behind into the next step by posting itself private messages.
class CMainFrame : public QMainWindow, public ModelessHost {
public:
    enum WINDOW_STATE_TYPE { WINDOWSTATE_NONE = 0, WINDOWSTATE_GUI = 1, WINDOWSTATE_CUSTOM = 2 };

    static constexpr int clientWidth = 640;
    static constexpr int clientHeight = 480;
    static constexpr int firstBackgroundID = 161;
    static constexpr int backgroundCount = 8;
    static constexpr int buttonWidth = 106;
    static constexpr int buttonHeight = 24;

    // The application's part: the About box and the end of the message loop.
    struct ApplicationHooks {
        std::function<void()> showAbout;
        std::function<void()> quit;
        // The engine's start-up failed beyond repair (no display): show why and end.
        std::function<void(const char* caption, const char* text)> fatalError;
    };

    // Seeds the random numbers from the clock, builds the window (hidden, no size yet), the menu
    // and the slideshow, reads the high-score file, loads a background and shows the splash.
    explicit CMainFrame(ApplicationHooks hooks);
    ~CMainFrame() override;

    // Starts the engine once, the first time it is called after the splash has finished.
    void RunGame();
    // Idle time: the slideshow's in the menu state; false when no more idle time is wanted.
    bool OnIdle(long count);

    void SetWindowState(WINDOW_STATE_TYPE state);
    WINDOW_STATE_TYPE WindowState() const { return m_GUIState; }
    void DoGameOptionsWindow();
    // Closes the Preferences, Current Game Stats and High Scores windows; Instructions stays.
    void DismissModelessDialogs();
    void DoScreenCapture();

    // Posts a private message or a command to the window itself.
    void PostMessage(FrameMessages::Message message);
    void PostCommand(int command);
    // Runs a command at once, as a click on its button or menu item does.
    void OnCommand(int command);

    // ModelessHost
    void ModelessUp(bool up) override;
    void ModelessGone(QWidget* dialog) override;
    void ShowStatistics(const _tagStatsRecord& statistics) override;

    bool IsGameRunning() const { return bGameRunning; }
    bool IsSplashDone() const { return bSplashDone; }
    bool IsGameStatsValid() const { return m_bGameStatsValid; }
    int ModalCount() const { return m_nModalCount; }
    int BackgroundID() const { return m_backgroundID; }
    Slideshow* SlideShow() const { return pTVscreen; }
    QPushButton* Button(int command) const;
    QAction* MenuAction(int command) const;
    PreferencesDialogBox* PreferencesWindow() const { return m_pPrefDlg; }
    GameStatisticsDialogBox* StatisticsWindow() const { return m_pStatDlg; }
    HighScoresDialogBox* HighScoresWindow() const { return m_pHSDlg; }
    CInstructionsDialog* InstructionsWindow() const { return m_pInstructionsDlg; }
    CSplashScreen* SplashScreen() const { return m_pSplash; }

    // The slideshow's place in the client area: left, top, width, height.
    static constexpr std::array<int, 4> TVcoords = {74, 107, 320, 240};

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    class BackgroundView;
    class GameShell;

    void CreateMenu();
    void CreateButtons();
    void LoadBackground();
    void OnMessage(int message);
    void OnNewGame();
    void OnResumeGame();
    void OnTutorial();
    void OnQuitGame();
    void OnCheckState();
    void OnNewHighScore();
    void OnActivateApp(bool active);
    void OnPushNewGame();
    void OnPushResumeGame();
    void OnPushTutorial();
    void OnPushQuit();
    void OnHelpInstruction();
    void OnPushHighScores();
    void OnEditPref();
    void OnScoresStats();
    void OnClose();
    // Enables Resume Game (button, menu, Ctrl+R) only while paused, and the current game's
    // statistics only while they are valid.
    void UpdateCommandStates();
    void StartEngine();
    void ApplyStoredPreferences();

    ApplicationHooks hooks;
    bool bGameRunning = false;
    bool bSplashDone = false;
    bool m_bGameStatsValid = false;
    bool m_bStartingEngine = false;
    bool m_bClosing = false;
    std::map<int, QPushButton*> m_GameButtons;
    std::map<int, QAction*> m_menuActions;
    BackgroundView* m_background = nullptr;
    int m_backgroundID = 0;
    QRect m_WindowRect{0, 0, clientWidth, clientHeight};
    QPoint m_fixedPosition;
    bool m_bPlaced = false;
    Slideshow* pTVscreen = nullptr;
    WINDOW_STATE_TYPE m_GUIState = WINDOWSTATE_NONE;
    int m_nModalCount = 0;
    bool m_bHardRefresh = false;
    PreferencesDialogBox* m_pPrefDlg = nullptr;
    GameStatisticsDialogBox* m_pStatDlg = nullptr;
    HighScoresDialogBox* m_pHSDlg = nullptr;
    CInstructionsDialog* m_pInstructionsDlg = nullptr;
    CSplashScreen* m_pSplash = nullptr;
    GameShell* m_gameShell = nullptr;
};
