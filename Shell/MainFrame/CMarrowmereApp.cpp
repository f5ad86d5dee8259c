#include "Shell/MainFrame/CMarrowmereApp.h"

#include "Core/ZipResource/ResourceLibraries.h"
#include "Marrowmere/LibraryPool/LibraryPool.h"
#include "Shell/Instructions/CAboutDlg.h"
#include "Shell/MainFrame/CMainFrame.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QTimer>

#include <iostream>
#include <string>

CMarrowmereApp::StopMessage CMarrowmereApp::stopMessage;

CMarrowmereApp::CMarrowmereApp()
{
    QCoreApplication::setOrganizationName(QString::fromLatin1(organisationName));
    QCoreApplication::setApplicationName(QString::fromLatin1(applicationName));
    // The dialogs and the slideshow ask for "Comic Sans MS"; where the machine lacks it, the
    // look-alike Comic Neue stands in.
    QFont::insertSubstitution(QStringLiteral("Comic Sans MS"), QStringLiteral("Comic Neue"));
}

CMarrowmereApp::CMarrowmereApp(std::vector<std::filesystem::path> searchPath) : CMarrowmereApp()
{
    m_searchPath = std::move(searchPath);
    m_bOwnSearchPath = true;
}

CMarrowmereApp::~CMarrowmereApp()
{
    m_pMainWnd.reset();
    ResourceLibraries::UnloadAll();
}

void CMarrowmereApp::ShowStop(const char* caption, const char* text)
{
    std::cerr << caption << " " << text << "\n";
    if (stopMessage) {
        stopMessage(caption, text);
        return;
    }
    QMessageBox box(QMessageBox::Critical, QString::fromLatin1(caption), QString::fromLatin1(text), QMessageBox::Ok);
    box.exec();
}

bool CMarrowmereApp::InitInstance()
{
    const LibraryLoadResult result = m_bOwnSearchPath ? ResourceLibraries::LoadGameLibraries(m_searchPath)
                                                      : ResourceLibraries::LoadGameLibraries();
    if (!result.loaded) {
        std::cerr << "Marrowmere: " << result.fileName << ": " << result.problem << "\n";
        ShowStop("Application Error!", result.MissingLibraryMessage().c_str());
        if (result.libraryName == ResourceLibraries::gameLibraryNames[0])
            ShowStop("Application Error!", std::to_string(result.errorNumber).c_str());
        return false;
    }
    LibraryPool::Initialize();

    CMainFrame::ApplicationHooks hooks;
    hooks.showAbout = [this] { OnAppAbout(); };
    hooks.quit = [this] { Quit(m_exitCode); };
    hooks.fatalError = [this](const char* caption, const char* text) {
        ShowStop(caption, text);
        Quit(1);
    };
    m_pMainWnd = std::make_unique<CMainFrame>(std::move(hooks));
    // The window stays hidden while the splash shows; the menu state appears with the engine.
    m_pMainWnd->hide();
    return true;
}

bool CMarrowmereApp::OnIdle(long count)
{
    return m_pMainWnd != nullptr && m_pMainWnd->OnIdle(count);
}

void CMarrowmereApp::Quit(int exitCode)
{
    m_exitCode = exitCode;
    m_bQuit = true;
    if (QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance())
        dispatcher->wakeUp();
}

int CMarrowmereApp::Run()
{
    if (m_pMainWnd == nullptr)
        m_bQuit = true;
    // Idle calls are paced by a timer instead of spinning: the slideshow asks for idle time for ever.
    QTimer idleTimer;
    bool idleWanted = true;
    QObject::connect(&idleTimer, &QTimer::timeout, [this, &idleWanted] {
        if (idleWanted && !OnIdle(m_idleCount++)) {
            idleWanted = false;
            m_idleCount = 0;
        }
    });
    idleTimer.start(idleIntervalMilliseconds);
    while (!m_bQuit) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        // Any event may have changed what the idle work wants (a window shown or restored).
        idleWanted = true;
        if (m_pMainWnd != nullptr)
            m_pMainWnd->RunGame();
    }
    idleTimer.stop();
    return ExitInstance();
}

int CMarrowmereApp::ExitInstance()
{
    m_pMainWnd.reset();
    for (const char* name : ResourceLibraries::gameLibraryNames)
        ResourceLibraries::Unload(name);
    LibraryPool::Finalize();
    return m_exitCode;
}

void CMarrowmereApp::OnAppAbout()
{
    CAboutDlg about(m_pMainWnd.get());
    about.exec();
}
