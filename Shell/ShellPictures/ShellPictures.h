#pragma once

#include <QColor>
#include <QImage>
#include <QString>

#include <string>

// The pictures of the window shell. Most are BMP images in the resource library mm_res, under
// "BITMAP/<NAME>" or "BITMAP/<ID>"; two are the program's own, compiled in with Qt's resource
// system. A picture that is missing or unreadable comes back as a null image.
namespace ShellPictures {

constexpr const char* cautionPicturePath = ":/pictures/IDB_CAUTION1.bmp";
constexpr const char* iconPicturePath = ":/pictures/marrowmere.png";

QImage LoadLibraryBitmap(const std::string& name);
QImage LoadLibraryBitmap(int id);
// By name first, then by id: the slideshow's pictures go by both.
QImage LoadLibraryBitmap(const std::string& name, int id);
QImage LoadProgramPicture(const QString& path);

// The picture with every pure red (255, 0, 0) pixel see-through.
QImage WithRedTransparent(const QImage& picture);

// The colour table scaled by amount (0 black .. 1 full), each component rounded.
QList<QRgb> ScaledColorTable(const QList<QRgb>& colors, double amount);

// An 8-bit picture stretched to width x height by picking the nearest source pixel, so its
// pixel values and colour table stay as they are. Other pictures are converted first.
QImage StretchIndexed(const QImage& picture, int width, int height);

// The game screen as an 8-bit picture with its palette (null when there is no display).
QImage GameScreenShot();

} // namespace ShellPictures
