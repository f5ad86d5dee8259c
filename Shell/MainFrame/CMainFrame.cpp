#include "Shell/MainFrame/CMainFrame.h"

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/GameState/GameState.h"
#include "Core/Math/RandomGenerator.h"
#include "Core/Resource/Resource.h"
#include "Core/SdlDisplayScreen/SdlDisplayScreen8Bit.h"
#include "Core/SdlMixerSound/SdlMixerSound.h"
#include "Core/Sound/Sound.h"
#include "Core/Timer/Timer.h"
#include "Core/ZipResource/ZipResource.h"
#include "Marrowmere/DispatchUserInputAction/DispatchUserInputAction.h"
#include "Marrowmere/EasterEggs/EasterEggs.h"
#include "Marrowmere/GamePlay/GamePlay.h"
#include "Marrowmere/GameShell/GameShellInterface.h"
#include "Marrowmere/LibraryPool/LibraryPoolDirectory.h"
#include "Marrowmere/QuiescentAnimationAction/QuiescentAnimationAction.h"
#include "Marrowmere/Scoring/Scoring.h"
#include "Marrowmere/Tutorial/Tutorial.h"
#include "Shell/Dialogs/CSplashScreen.h"
#include "Shell/Dialogs/MMMessageDialog.h"
#include "Shell/Dialogs/ModelessDialog.h"
#include "Shell/Dialogs/PreferencesDialogBox.h"
#include "Shell/Instructions/CInstructionsDialog.h"
#include "Shell/Preferences/Preferences.h"
#include "Shell/ScoreDialogs/CHighScoresPrompt.h"
#include "Shell/ScoreDialogs/GameStatisticsDialogBox.h"
#include "Shell/ScoreDialogs/HighScoresDialogBox.h"
#include "Shell/ScoreFileIO/ScoreEntry.h"
#include "Shell/ScoreFileIO/ScoreFileIO.h"
#include "Shell/ShellPictures/ShellPictures.h"
#include "Shell/Slideshow/Slideshow.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>

#include <ctime>
#include <vector>

using namespace FrameMessages;

namespace {

// The zip back end asks the game's library pool which library holds which block type.
LibraryPoolDirectory libraryDirectory;

struct ButtonDescription {
    const char* caption;
    int command;
    int x;
    int y;
};

constexpr ButtonDescription buttons[] = {
    {"New Game", pushNewGame, 472, 104},
    {"Resume Game", pushResumeGame, 472, 148},
    {"Tutorial", pushTutorial, 472, 192},
    {"Instructions", helpInstructionButton, 472, 236},
    {"High Scores", pushHighScores, 472, 280},
    {"Exit", pushQuit, 472, 324},
};

bool IsPaused() { return GameState::State() == GameState::paused; }

} // namespace

// The client area: the background picture, centred; the buttons and the slideshow lie on it.
class CMainFrame::BackgroundView : public QWidget {
public:
    explicit BackgroundView(QWidget* parent) : QWidget(parent)
    {
        setFixedSize(clientWidth, clientHeight);
        setAttribute(Qt::WA_OpaquePaintEvent);
    }

    QImage picture;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(24, 40, 32));
        if (!picture.isNull())
            painter.drawImage(rect().center() - picture.rect().center(), picture);
    }
};

// What the game loop asks of the window while it owns the thread.
class CMainFrame::GameShell : public GameShellInterface {
public:
    explicit GameShell(CMainFrame& frame) : frame(frame) {}

    void HandleDeactivationDuringPlay() override
    {
        frame.SetWindowState(WINDOWSTATE_GUI);
        // The window's own handling of the deactivation runs once the loop has returned.
        QMetaObject::invokeMethod(&frame, [this] { frame.OnActivateApp(false); }, Qt::QueuedConnection);
    }

    void CaptureScreen() override { frame.DoScreenCapture(); }

private:
    CMainFrame& frame;
};

CMainFrame::CMainFrame(ApplicationHooks hooks) : QMainWindow(nullptr), hooks(std::move(hooks))
{
    RandomGenerator::Seed(static_cast<std::uint32_t>(std::time(nullptr)));
    setWindowTitle(QStringLiteral("Marrowmere"));
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
        | Qt::WindowCloseButtonHint);
    const QImage icon = ShellPictures::LoadProgramPicture(ShellPictures::iconPicturePath);
    if (!icon.isNull())
        setWindowIcon(QIcon(QPixmap::fromImage(icon)));
    m_background = new BackgroundView(this);
    setCentralWidget(m_background);
    CreateMenu();
    pTVscreen = new Slideshow(m_background);

    CScoreFileIO::Initialize(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation).toStdString());
    CScoreFileIO::Read();

    connect(qApp, &QGuiApplication::applicationStateChanged, this,
        [this](Qt::ApplicationState state) { OnActivateApp(state == Qt::ApplicationActive); });

    // What creation does: the background, then the splash, which posts "splash done" when it goes.
    LoadBackground();
    m_pSplash = new CSplashScreen([this] {
        m_pSplash = nullptr;
        PostMessage(splashDone);
    });
}

CMainFrame::~CMainFrame()
{
    // The modeless windows report to this frame as they go, so they go while it is still whole,
    // not later among the children that the widget base deletes.
    std::vector<QPointer<ModelessDialog>> dialogs;
    for (ModelessDialog* dialog : findChildren<ModelessDialog*>(Qt::FindDirectChildrenOnly))
        dialogs.emplace_back(dialog);
    for (const QPointer<ModelessDialog>& dialog : dialogs)
        delete dialog.data();
    if (m_gameShell != nullptr) {
        GameShellInterface::Install(nullptr);
        delete m_gameShell;
    }
    if (m_pSplash != nullptr) {
        CSplashScreen* splash = m_pSplash;
        m_pSplash = nullptr;
        delete splash;
    }
}

void CMainFrame::CreateMenu()
{
    const auto add = [this](QMenu* menu, const char* caption, int command, QKeySequence shortcut = {}) {
        QAction* action = menu->addAction(QString::fromLatin1(caption));
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::WindowShortcut);
        connect(action, &QAction::triggered, this, [this, command] { OnCommand(command); });
        m_menuActions[command] = action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    add(file, "&New Game\tCtrl+N", fileNewGame, QKeySequence(Qt::CTRL | Qt::Key_N));
    add(file, "&Resume Game\tCtrl+R", fileResume, QKeySequence(Qt::CTRL | Qt::Key_R));
    file->addSeparator();
    add(file, "E&xit", appExit);
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    add(edit, "Preferences...", editPreferences);
    QMenu* scores = menuBar()->addMenu(QStringLiteral("&Scores"));
    add(scores, "&Current Game Stats", scoresStats);
    add(scores, "&High Scores", scoresHigh);
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    add(help, "Instructions", helpInstruction);
    add(help, "Tutorial", helpTutorial);
    help->addSeparator();
    add(help, "&About Marrowmere", appAbout);
    for (QMenu* menu : {file, edit, scores, help})
        connect(menu, &QMenu::aboutToShow, this, [this] { UpdateCommandStates(); });
    menuBar()->hide();
    UpdateCommandStates();
}

void CMainFrame::CreateButtons()
{
    for (const ButtonDescription& description : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(description.caption), m_background);
        button->setGeometry(description.x, description.y, buttonWidth, buttonHeight);
        button->setFocusPolicy(Qt::TabFocus);
        const int command = description.command;
        connect(button, &QPushButton::clicked, this, [this, command] { OnCommand(command); });
        button->show();
        m_GameButtons[command] = button;
    }
}

void CMainFrame::LoadBackground()
{
    m_backgroundID = firstBackgroundID + RandomGenerator::NextRaw() % backgroundCount;
    m_background->picture = ShellPictures::LoadLibraryBitmap(m_backgroundID);
}

QPushButton* CMainFrame::Button(int command) const
{
    const auto found = m_GameButtons.find(command);
    return found != m_GameButtons.end() ? found->second : nullptr;
}

QAction* CMainFrame::MenuAction(int command) const
{
    const auto found = m_menuActions.find(command);
    return found != m_menuActions.end() ? found->second : nullptr;
}

void CMainFrame::PostMessage(Message message)
{
    QCoreApplication::postEvent(this, new FrameEvent(messageBase, message));
}

void CMainFrame::PostCommand(int command)
{
    QCoreApplication::postEvent(this, new FrameEvent(commandBase, command));
}

bool CMainFrame::event(QEvent* event)
{
    if (event->type() >= messageBase && event->type() < messageBase + 0x1000) {
        OnMessage(static_cast<FrameEvent*>(event)->value);
        return true;
    }
    if (event->type() >= commandBase && event->type() < commandBase + 0x10000) {
        OnCommand(static_cast<FrameEvent*>(event)->value);
        return true;
    }
    return QMainWindow::event(event);
}

void CMainFrame::OnMessage(int message)
{
    switch (message) {
    case newGame: OnNewGame(); break;
    case resumeGame: OnResumeGame(); break;
    case tutorial: OnTutorial(); break;
    case quitGame: OnQuitGame(); break;
    case checkState: OnCheckState(); break;
    case splashDone: bSplashDone = true; break;
    default: break;
    }
}

void CMainFrame::OnCommand(int command)
{
    switch (command) {
    case pushNewGame: case fileNewGame: OnPushNewGame(); break;
    case pushResumeGame: case fileResume: OnPushResumeGame(); break;
    case pushTutorial: case helpTutorial: OnPushTutorial(); break;
    case helpInstructionButton: case helpInstruction: OnHelpInstruction(); break;
    case pushHighScores: case scoresHigh: OnPushHighScores(); break;
    case pushQuit: case appExit: OnPushQuit(); break;
    case editPreferences: OnEditPref(); break;
    case scoresStats: OnScoresStats(); break;
    case newHighScore: OnNewHighScore(); break;
    case appAbout:
        if (hooks.showAbout)
            hooks.showAbout();
        break;
    default: break;
    }
}

void CMainFrame::UpdateCommandStates()
{
    const bool paused = IsPaused();
    if (QPushButton* resume = Button(pushResumeGame))
        resume->setEnabled(paused);
    if (QAction* resume = MenuAction(fileResume))
        resume->setEnabled(paused);
    if (QAction* statistics = MenuAction(scoresStats))
        statistics->setEnabled(m_bGameStatsValid);
}

// ---- Commands -------------------------------------------------------------------------------

void CMainFrame::OnPushNewGame()
{
    if (IsPaused()
        && mmMessageBox("End Game In Progress?",
               "There's a game already in progress.  Are you sure that you want to start a new game?", "New Game",
               "Cancel") != MMMessageDialog::confirmed)
        return;
    DismissModelessDialogs();
    SetWindowState(WINDOWSTATE_CUSTOM);
    GameState::SetState(GameState::startingNewGame);
    PostMessage(checkState);
}

void CMainFrame::OnPushResumeGame()
{
    if (!IsPaused())
        return;
    DismissModelessDialogs();
    SetWindowState(WINDOWSTATE_CUSTOM);
    GameState::SetState(GameState::resuming);
    PostMessage(checkState);
}

void CMainFrame::OnPushTutorial()
{
    if (IsPaused()
        && mmMessageBox("End Game In Progress?",
               "Viewing the tutorial will cause the current game to end.  Are you sure you want to view the tutorial?",
               "View Tutorial", "Cancel") != MMMessageDialog::confirmed)
        return;
    DismissModelessDialogs();
    SetWindowState(WINDOWSTATE_CUSTOM);
    PostMessage(tutorial);
}

void CMainFrame::OnPushQuit()
{
    if (IsPaused()
        && mmMessageBox("End Game In Progress?", "There's a game in progress.  Are you sure you want to exit?",
               "Exit Game", "Cancel") != MMMessageDialog::confirmed)
        return;
    DismissModelessDialogs();
    GameState::SetState(GameState::quitting);
    PostMessage(checkState);
}

void CMainFrame::OnHelpInstruction()
{
    if (m_pInstructionsDlg == nullptr) {
        m_pInstructionsDlg = new CInstructionsDialog(this, this);
        m_pInstructionsDlg->show();
    }
    m_pInstructionsDlg->BringForward();
}

void CMainFrame::OnPushHighScores()
{
    if (m_pHSDlg == nullptr) {
        m_pHSDlg = new HighScoresDialogBox(this, this);
        m_pHSDlg->show();
    }
    m_pHSDlg->BringForward();
}

void CMainFrame::OnEditPref()
{
    if (m_pPrefDlg == nullptr) {
        m_pPrefDlg = new PreferencesDialogBox(this, this);
        m_pPrefDlg->show();
    }
    m_pPrefDlg->BringForward();
}

void CMainFrame::OnScoresStats()
{
    ShowStatistics(MakeStatsRecord(Scoring::Statistics(), Scoring::Score()));
}

void CMainFrame::ShowStatistics(const _tagStatsRecord& statistics)
{
    if (m_pStatDlg == nullptr) {
        m_pStatDlg = new GameStatisticsDialogBox(this, this, statistics);
        m_pStatDlg->show();
    }
    m_pStatDlg->BringForward();
}

namespace {
// Closing deletes a window later; the frame forgets it at once, so it is never offered again.
template <typename Dialog> void CloseAndForget(Dialog*& dialog)
{
    if (dialog != nullptr) {
        Dialog* closing = dialog;
        dialog = nullptr;
        closing->close();
    }
}
} // namespace

void CMainFrame::DismissModelessDialogs()
{
    CloseAndForget(m_pPrefDlg);
    CloseAndForget(m_pStatDlg);
    CloseAndForget(m_pHSDlg);
}

void CMainFrame::ModelessUp(bool up)
{
    m_nModalCount = std::max(0, m_nModalCount + (up ? 1 : -1));
    if (m_nModalCount == 0 && m_bHardRefresh) {
        m_bHardRefresh = false;
        update();
    }
}

void CMainFrame::ModelessGone(QWidget* dialog)
{
    if (dialog == m_pPrefDlg)
        m_pPrefDlg = nullptr;
    if (dialog == m_pStatDlg)
        m_pStatDlg = nullptr;
    if (dialog == m_pHSDlg)
        m_pHSDlg = nullptr;
    if (dialog == m_pInstructionsDlg)
        m_pInstructionsDlg = nullptr;
}

// ---- Private messages -----------------------------------------------------------------------

void CMainFrame::OnNewGame()
{
    // Only the first of repeated requests starts a game: the loop leaves other states behind.
    if (GameState::State() != GameState::startingNewGame)
        return;
    m_bGameStatsValid = !Tutorial::IsActive();
    DisplayScreen8Bit::Activate();
    GamePlay::NewGame();
    SetWindowState(WINDOWSTATE_GUI);
    activateWindow();
    PostMessage(checkState);
}

void CMainFrame::OnResumeGame()
{
    if (GameState::State() != GameState::resuming)
        return;
    DisplayScreen8Bit::Activate();
    GamePlay::ResumeGame();
    SetWindowState(WINDOWSTATE_GUI);
    activateWindow();
    PostMessage(checkState);
}

void CMainFrame::OnTutorial()
{
    Tutorial::Activate();
    GameState::SetState(GameState::startingNewGame);
    DisplayScreen8Bit::Activate();
    PostMessage(checkState);
}

void CMainFrame::OnQuitGame()
{
    m_bClosing = true;
    EasterEggs::Finalize();
    GamePlay::Finalize();
    DisplayScreen8Bit::Finalize();
    Resource::Finalize();
    QMetaObject::invokeMethod(this, [this] { close(); }, Qt::QueuedConnection);
}

void CMainFrame::OnCheckState()
{
    switch (GameState::State()) {
    case GameState::startingNewGame:
        PostMessage(newGame);
        break;
    case GameState::gameOver:
        GameState::SetState(GameState::idle);
        if (Tutorial::IsActive())
            Tutorial::Deactivate();
        else if (CScoreFileIO::IsHighScore(Scoring::Score()))
            PostCommand(newHighScore);
        else
            PostCommand(scoresStats);
        break;
    case GameState::resuming:
        PostMessage(resumeGame);
        break;
    case GameState::quitting:
        GameState::SetState(GameState::idle);
        PostMessage(quitGame);
        break;
    default:
        break;
    }
    UpdateCommandStates();
}

void CMainFrame::OnNewHighScore()
{
    CloseAndForget(m_pHSDlg);
    const long score = Scoring::Score();
    _tagStatsRecord statistics = MakeStatsRecord(Scoring::Statistics(), score);
    CHighScoresPrompt prompt(this);
    char* defaultName = nullptr;
    Preferences::GetDefaultPlayerName(defaultName);
    prompt.SetName(defaultName);
    delete[] defaultName;
    prompt.SetStatistics(statistics);
    const std::string name = prompt.AskForName();
    if (!name.empty()) {
        const std::string code = MakeContestCode(statistics);
        _tagHSRecord record = MakeHSRecord(name.c_str(), score, code.c_str());
        CScoreFileIO::AddEntry(&record, &statistics);
        CScoreFileIO::Write();
        Preferences::SetDefaultPlayerName(name.c_str());
    }
    OnPushHighScores();
}

// ---- Window states --------------------------------------------------------------------------

void CMainFrame::SetWindowState(WINDOW_STATE_TYPE state)
{
    m_GUIState = state;
    if (state == WINDOWSTATE_GUI) {
        if (IsPaused())
            pTVscreen->CreateMiniScreenShot();
        DisplayScreen8Bit::Pause();
        pTVscreen->ResetState();
        setCursor(Qt::ArrowCursor);
        if (!isMinimized())
            pTVscreen->show();
        raise();
    } else if (state == WINDOWSTATE_CUSTOM) {
        pTVscreen->hide();
    }
    UpdateCommandStates();
    update();
}

void CMainFrame::DoGameOptionsWindow()
{
    menuBar()->show();
    CreateButtons();
    UpdateCommandStates();
    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        m_fixedPosition = available.center() - QPoint(width() / 2, height() / 2);
        m_fixedPosition.setY(std::max(available.top(), m_fixedPosition.y()));
        move(m_fixedPosition);
    }
    show();
    m_bPlaced = true;
    m_fixedPosition = pos();
    pTVscreen->SetSlideShowPos(TVcoords[0], TVcoords[1], TVcoords[2], TVcoords[3]);
    // The engine's clock has just started: the slideshow begins its cycle on it.
    pTVscreen->ResetState();
    m_GUIState = WINDOWSTATE_GUI;
    update();
}

bool CMainFrame::OnIdle(long count)
{
    if (isMinimized())
        return false;
    if (m_GUIState == WINDOWSTATE_GUI)
        return pTVscreen->OnIdle(count);
    return false;
}

void CMainFrame::OnActivateApp(bool active)
{
    if (!active && m_nModalCount > 0)
        m_bHardRefresh = true;
    if (pTVscreen == nullptr || m_GUIState != WINDOWSTATE_GUI)
        return;
    if (!active) {
        pTVscreen->hide();
    } else if (!isMinimized()) {
        pTVscreen->show();
        if (m_bPlaced && pos() != m_fixedPosition)
            move(m_fixedPosition);
    }
}

void CMainFrame::moveEvent(QMoveEvent* event)
{
    QMainWindow::moveEvent(event);
    // The window stays where it was placed: it cannot be dragged away.
    if (m_bPlaced && !isMinimized() && pos() != m_fixedPosition)
        QTimer::singleShot(0, this, [this] {
            if (!isMinimized() && pos() != m_fixedPosition)
                move(m_fixedPosition);
        });
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && pTVscreen != nullptr) {
        if (isMinimized())
            pTVscreen->hide();
        else if (m_GUIState == WINDOWSTATE_GUI)
            pTVscreen->show();
    }
}

void CMainFrame::DoScreenCapture()
{
    if (GameState::State() != GameState::playing)
        return;
    const QImage shot = ShellPictures::GameScreenShot();
    if (!shot.isNull())
        QApplication::clipboard()->setImage(shot);
}

// ---- Start-up and shutdown ------------------------------------------------------------------

void CMainFrame::RunGame()
{
    if (bGameRunning || !bSplashDone || m_bStartingEngine)
        return;
    // The first-run question runs a dialog of its own; nothing may start the engine meanwhile.
    m_bStartingEngine = true;
    bool firstTime = true;
    Preferences::GetFirstTimeRun(firstTime);
    if (firstTime) {
        if (mmMessageBox("Play Tutorial?",
                "This is the first time you have run Marrowmere, would you like to play the tutorial?", "Yes", "No")
            == MMMessageDialog::confirmed) {
            DismissModelessDialogs();
            SetWindowState(WINDOWSTATE_CUSTOM);
            PostMessage(tutorial);
        }
        Preferences::SetFirstTimeRun(false);
    }
    bGameRunning = true;
    StartEngine();
    m_bStartingEngine = false;
}

void CMainFrame::StartEngine()
{
    Timer::Initialize();
    Resource::Initialize(new ZipResource(libraryDirectory));

    // Without a sound device the game is silent.
    SdlMixerSound::Initialize();
    const WAVEFORMATEX primaryFormat = SdlMixerSound::StandardFormat();
    SdlMixerSound::StartSdlMixerSound(&primaryFormat);

    if (!DisplayScreen8Bit::Initialize(SdlDisplayScreen8Bit::Create())) {
        if (hooks.fatalError)
            hooks.fatalError("SDL Display Error!", "Couldn't create an SDL display object!");
        return;
    }
    if (!DisplayScreen8Bit::Reserve(DisplayScreen8Bit::defaultScreenDescriptionID)) {
        if (hooks.fatalError)
            hooks.fatalError("SDL Display Error!", "Couldn't reserve the game's display!");
        return;
    }
    GamePlay::Initialize();
    ApplyStoredPreferences();
    EasterEggs::Initialize();

    m_gameShell = new GameShell(*this);
    GameShellInterface::Install(m_gameShell);
    PreferencesDialogBox::backgroundMusicSwitch = [](bool active) { GamePlay::SetBackgroundMusicActivityState(active); };

    PostMessage(checkState);
    DoGameOptionsWindow();
}

void CMainFrame::ApplyStoredPreferences()
{
    double level = 1.0;
    bool muted = false;
    Preferences::GetSoundVolume(level, muted);
    Sound::ChangeMasterLevel(level);
    Sound::SetMuting(muted);
    bool multitasking = true;
    Preferences::GetMultitaskingActivityState(multitasking);
    DispatchUserInputAction::SetMultitaskingActivityState(multitasking);
    bool animations = true;
    Preferences::GetQuiescentAnimationsActivityState(animations);
    QuiescentAnimationAction::SetAnimationsActivityState(animations);
    bool music = true;
    Preferences::GetBackgroundMusicActivityState(music);
    GamePlay::SetBackgroundMusicActivityState(music);
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // The close box is the Exit command while the engine runs (with its question when a game is
    // paused); the window closes once the engine has been shut down.
    if (bGameRunning && !m_bClosing) {
        event->ignore();
        OnPushQuit();
        return;
    }
    OnClose();
    event->accept();
}

void CMainFrame::OnClose()
{
    SdlMixerSound::StopSdlMixerSound();
    SdlMixerSound::Finalize();
    if (hooks.quit)
        hooks.quit();
}
