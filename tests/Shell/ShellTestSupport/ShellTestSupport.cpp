#include "tests/Shell/ShellTestSupport/ShellTestSupport.h"

#include "Core/ZipResource/ResourceLibraries.h"
#include "tests/Support/Common/TemporaryFolder.h"
#include "tests/Support/ResourceFixtures/BlockBytes.h"
#include "tests/Support/ResourceFixtures/ZipArchiveWriter.h"

#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QSettings>
#include <QTimer>

#include <cstdlib>
#include <memory>

namespace ShellTest {

namespace {
TemporaryFolder configFolder, dataFolder; // stand-ins for the user's XDG folders

// An 8-bit BMP of the given size whose pixel (x, y) has the value (x + y) % 256.
std::vector<std::uint8_t> IndexedBmp(int width, int height)
{
    QImage picture(width, height, QImage::Format_Indexed8);
    QList<QRgb> colors;
    for (int i = 0; i < 256; ++i)
        colors.append(qRgb(i, 255 - i, 128));
    picture.setColorTable(colors);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            picture.scanLine(y)[x] = static_cast<uchar>((x + y) % 256);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    picture.save(&buffer, "BMP");
    return {bytes.begin(), bytes.end()};
}

std::vector<ZipEntryBytes> PictureEntries(const std::vector<Bitmap>& bitmaps)
{
    std::vector<ZipEntryBytes> pictures;
    for (const Bitmap& bitmap : bitmaps)
        pictures.push_back({"BITMAP/" + bitmap.name, IndexedBmp(bitmap.width, bitmap.height)});
    return pictures;
}
} // namespace

void EnsureApplication()
{
    if (QApplication::instance() != nullptr)
        return;
    setenv("XDG_CONFIG_HOME", configFolder.Path().c_str(), 1);
    setenv("XDG_DATA_HOME", dataFolder.Path().c_str(), 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static int argc = 1;
    static char* argv[] = {const_cast<char*>("shell_tests"), nullptr};
    new QApplication(argc, argv); // never destroyed: tearing Qt down among the other statics at exit is not safe
    QCoreApplication::setOrganizationName(QStringLiteral("Quillon Games"));
    QCoreApplication::setApplicationName(QStringLiteral("Marrowmere 1.0"));
}

std::filesystem::path DataFolder() { return dataFolder.Path(); }

QString StoredSetting(const char* key) { return QSettings("Quillon Games", "Marrowmere 1.0").value(key).toString(); }

void ClearUserFiles()
{
    EnsureApplication();
    QSettings("Quillon Games", "Marrowmere 1.0").clear();
    for (const auto& entry : std::filesystem::directory_iterator(DataFolder()))
        std::filesystem::remove_all(entry.path());
}

void WriteLibraries(const std::filesystem::path& folder, const std::vector<Bitmap>& bitmaps, const std::string& leaveOut)
{
    const std::vector<ZipEntryBytes> pictures = PictureEntries(bitmaps);
    std::vector<ColorBytes> palette(256, ColorBytes{40, 80, 120});
    const std::vector<std::pair<std::string, std::vector<ZipEntryBytes>>> libraries = {
        {"mm_res", pictures},
        {"mm_grf1", {{"README", {1}}}},
        {"mm_spqa", {{"README", {1}}}},
        {"mm_snd", {{"README", {1}}}},
        {"mm_vid", {{"DSC1/1000", ScreenDescriptionBlockBytes(640, 480, true)}, {"CLUT/1000", ColorTableBlockBytes(palette)}}},
    };
    for (const auto& [name, entries] : libraries)
        if (name != leaveOut)
            WriteZipArchive(folder / (name + ".zip"), entries);
}

void LoadResourceLibraryWith(const std::vector<Bitmap>& bitmaps)
{
    static TemporaryFolder folder;
    WriteZipArchive(folder.Path() / "mm_res.zip", PictureEntries(bitmaps));
    ResourceLibraries::Unload("mm_res");
    ResourceLibraries::Load("mm_res", {folder.Path()});
}

void AnswerNextModal(std::function<void(QWidget* dialog)> answer)
{
    auto* poll = new QTimer;
    QObject::connect(poll, &QTimer::timeout, [poll, answer] {
        if (QWidget* dialog = QApplication::activeModalWidget()) {
            poll->stop();
            poll->deleteLater();
            answer(dialog);
        }
    });
    poll->start(5);
}

bool ProcessEventsUntil(const std::function<bool()>& condition, int milliseconds)
{
    QElapsedTimer elapsed;
    elapsed.start();
    while (!condition() && elapsed.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return condition();
}

} // namespace ShellTest
