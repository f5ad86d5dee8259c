#pragma once

#include <filesystem>
#include <functional>
#include <memory>
#include <vector>

class CMainFrame;

// The application: loads the five resource libraries, creates the main window hidden behind
// the splash, runs the message loop (which gives the window the chance to start the engine
// after every batch of events and every idle call) and releases the libraries at exit. It works
// on the process's QApplication, which must exist first.
class CMarrowmereApp {
public:
    static constexpr const char* organisationName = "Quillon Games";
    static constexpr const char* applicationName = "Marrowmere 1.0";
    // The idle calls that drive the slideshow come at most this often.
    static constexpr int idleIntervalMilliseconds = 16;

    // How the application tells the player about a failure that ends it (a message box; tests
    // put a recorder in its place).
    using StopMessage = std::function<void(const char* caption, const char* text)>;

    // The libraries come from the standard search path, or from the given folders.
    CMarrowmereApp();
    explicit CMarrowmereApp(std::vector<std::filesystem::path> searchPath);
    ~CMarrowmereApp();

    // Start-up; false ends the program (a library is missing: its message has been shown).
    bool InitInstance();
    // The message loop; returns the exit code once the main window has closed.
    int Run();
    bool OnIdle(long count);
    int ExitInstance();
    void OnAppAbout();

    // Ends the message loop; the exit code is Run()'s result.
    void Quit(int exitCode);
    CMainFrame* MainFrame() const { return m_pMainWnd.get(); }

    bool IsNormalMessageLoop() const { return m_bNormalMessageLoop; }
    void SetMessageLoop(bool normal) { m_bNormalMessageLoop = normal; }

    static StopMessage stopMessage;

private:
    void ShowStop(const char* caption, const char* text);

    bool m_bNormalMessageLoop = true;
    std::vector<std::filesystem::path> m_searchPath;
    bool m_bOwnSearchPath = false;
    std::unique_ptr<CMainFrame> m_pMainWnd;
    bool m_bQuit = false;
    int m_exitCode = 0;
    long m_idleCount = 0;
};
