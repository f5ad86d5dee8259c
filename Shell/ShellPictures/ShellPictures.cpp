#include "Shell/ShellPictures/ShellPictures.h"

#include "Core/DisplayScreen/DisplayScreen8Bit.h"
#include "Core/ZipResource/ResourceLibraries.h"

#include <QFile>

#include <cmath>
#include <cstring>
#include <memory>

namespace ShellPictures {

QImage LoadLibraryBitmap(const std::string& name)
{
    const std::vector<std::uint8_t>* bytes = ResourceLibraries::Find("mm_res", "BITMAP/" + name);
    if (bytes == nullptr || bytes->empty())
        return {};
    QImage picture;
    picture.loadFromData(bytes->data(), static_cast<int>(bytes->size()), "BMP");
    return picture;
}

QImage LoadLibraryBitmap(int id)
{
    return LoadLibraryBitmap(std::to_string(id));
}

QImage LoadLibraryBitmap(const std::string& name, int id)
{
    QImage picture = LoadLibraryBitmap(name);
    return picture.isNull() ? LoadLibraryBitmap(id) : picture;
}

QImage LoadProgramPicture(const QString& path)
{
    if (!QFile::exists(path))
        return {};
    return QImage(path);
}

QImage WithRedTransparent(const QImage& picture)
{
    QImage result = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x)
            if ((row[x] & 0x00FFFFFFu) == 0x00FF0000u)
                row[x] = qRgba(0, 0, 0, 0);
    }
    return result;
}

QList<QRgb> ScaledColorTable(const QList<QRgb>& colors, double amount)
{
    QList<QRgb> scaled;
    scaled.reserve(colors.size());
    const auto scale = [amount](int component) { return static_cast<int>(std::lround(component * amount)); };
    for (QRgb color : colors)
        scaled.append(qRgb(scale(qRed(color)), scale(qGreen(color)), scale(qBlue(color))));
    return scaled;
}

QImage StretchIndexed(const QImage& picture, int width, int height)
{
    if (picture.isNull() || width <= 0 || height <= 0)
        return {};
    const QImage source = picture.format() == QImage::Format_Indexed8
        ? picture : picture.convertToFormat(QImage::Format_Indexed8);
    QImage result(width, height, QImage::Format_Indexed8);
    result.setColorTable(source.colorTable());
    for (int y = 0; y < height; ++y) {
        const uchar* from = source.constScanLine(static_cast<int>(static_cast<long long>(y) * source.height() / height));
        uchar* to = result.scanLine(y);
        for (int x = 0; x < width; ++x)
            to[x] = from[static_cast<long long>(x) * source.width() / width];
    }
    return result;
}

QImage GameScreenShot()
{
    DisplayScreen8Bit::PlatformSpecifics* display = DisplayScreen8Bit::PlatformSpecificsInstance();
    const int width = DisplayScreen8Bit::Width();
    const int height = DisplayScreen8Bit::Height();
    if (display == nullptr || width <= 0 || height <= 0)
        return {};
    std::uint8_t* pixels = nullptr;
    DisplayScreen8Bit::RGBQuad* colors = nullptr;
    display->GetScreenData(&pixels);
    display->GetRGBQUADData(&colors);
    std::unique_ptr<std::uint8_t[]> ownedPixels(pixels);
    std::unique_ptr<DisplayScreen8Bit::RGBQuad[]> ownedColors(colors);
    if (pixels == nullptr)
        return {};

    QImage shot(width, height, QImage::Format_Indexed8);
    QList<QRgb> table(256, qRgb(0, 0, 0));
    for (int i = 0; i < 256 && colors != nullptr; ++i)
        table[i] = qRgb(colors[i].red, colors[i].green, colors[i].blue);
    shot.setColorTable(table);
    // The screen data comes bottom row first, as device-independent bitmaps keep it.
    for (int y = 0; y < height; ++y)
        std::memcpy(shot.scanLine(y), pixels + static_cast<std::size_t>(height - 1 - y) * width, width);
    return shot;
}

} // namespace ShellPictures
