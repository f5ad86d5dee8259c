#pragma once

#include <QImage>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace ShellTest {

// The one headless QApplication of the test program, created on first use after XDG_CONFIG_HOME
// and XDG_DATA_HOME point at temporary folders, so no test touches the real user's files.
void EnsureApplication();
std::filesystem::path DataFolder();
// Empties the settings and the data folder.
void ClearUserFiles();
// A setting as its text in the settings file.
QString StoredSetting(const char* key);

struct Bitmap {
    std::string name; // "161", "SLIDELOGO"
    int width;
    int height;
};
// Writes the five libraries into folder: mm_res with the bitmaps, mm_vid with a 640 x 480
// screen description and a palette, the others with one unused entry. `leaveOut` names a
// library that is not written.
void WriteLibraries(const std::filesystem::path& folder, const std::vector<Bitmap>& bitmaps, const std::string& leaveOut = "");
// Loads just mm_res with the bitmaps from a folder of its own.
void LoadResourceLibraryWith(const std::vector<Bitmap>& bitmaps);

// Runs `answer` on the next modal dialog that opens (polling the event loop until one does).
void AnswerNextModal(std::function<void(QWidget* dialog)> answer);
// Processes events until the condition holds or the time is up; the condition's last value.
bool ProcessEventsUntil(const std::function<bool()>& condition, int milliseconds = 10000);

} // namespace ShellTest
