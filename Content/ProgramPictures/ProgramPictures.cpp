#include "Content/ProgramPictures/ProgramPictures.h"

#include "Content/ArtKit/ArtStyle.h"
#include "Content/ArtKit/EmojiArt.h"
#include "Content/IndexedBitmaps/BmpFile.h"
#include "Content/IndexedBitmaps/PictureQuantizer.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <fstream>
#include <stdexcept>

namespace ProgramPictures {
namespace {

constexpr QRgb seeThrough = qRgb(255, 0, 0);

// The light grey of a dialog's ground: the caution sign's soft edges are blended with it, so
// they look right where the red is masked away.
const QColor dialogGround(239, 239, 239);

void WriteFile(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!file) {
        throw std::runtime_error("cannot write " + path.string());
    }
}

} // namespace

QImage Caution()
{
    constexpr int side = 48;
    QImage sign(side, side, QImage::Format_ARGB32_Premultiplied);
    sign.fill(Qt::transparent);
    {
        QPainter painter(&sign);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath triangle;
        triangle.moveTo(side / 2.0, 4);
        triangle.lineTo(side - 3, side - 5);
        triangle.lineTo(3, side - 5);
        triangle.closeSubpath();
        painter.setPen(QPen(ArtStyle::ink, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(ArtStyle::highlight);
        painter.drawPath(triangle);
        painter.setPen(Qt::NoPen);
        painter.setBrush(ArtStyle::ink);
        painter.drawRoundedRect(QRectF(side / 2.0 - 3, 16, 6, 17), 3, 3);
        painter.drawEllipse(QPointF(side / 2.0, 37.5), 3.4, 3.4);
    }
    // Mostly covered pixels keep the sign blended onto the dialog's grey; the rest is see-through.
    QImage opaque(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            const QRgb pixel = sign.pixel(x, y);
            const int alpha = qAlpha(pixel);
            if (alpha < 96) {
                opaque.setPixel(x, y, seeThrough);
                continue;
            }
            const auto blend = [&](int premultiplied, int ground) { return premultiplied + ground * (255 - alpha) / 255; };
            opaque.setPixel(x, y, qRgb(blend(qRed(pixel), dialogGround.red()), blend(qGreen(pixel), dialogGround.green()),
                                       blend(qBlue(pixel), dialogGround.blue())));
        }
    }
    return opaque;
}

QImage Icon()
{
    constexpr int side = 256;
    QImage icon(side, side, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    const QRectF tile(8, 8, side - 16, side - 16);
    QLinearGradient mere(tile.topLeft(), tile.bottomLeft());
    mere.setColorAt(0, ArtStyle::waterLight);
    mere.setColorAt(0.55, ArtStyle::water);
    mere.setColorAt(1, ArtStyle::water.darker(130));
    painter.setPen(QPen(ArtStyle::ink, 8));
    painter.setBrush(mere);
    painter.drawRoundedRect(tile, 44, 44);
    painter.setClipPath([&] {
        QPainterPath clip;
        clip.addRoundedRect(tile.adjusted(4, 4, -4, -4), 40, 40);
        return clip;
    }());
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtStyle::meadow);
    painter.drawEllipse(QRectF(-40, 176, side + 80, 140));
    painter.setBrush(QColor(255, 255, 255, 90));
    for (const double y : {118.0, 140.0}) {
        painter.drawRoundedRect(QRectF(30, y, 60, 6), 3, 3);
        painter.drawRoundedRect(QRectF(160, y + 10, 66, 6), 3, 3);
    }
    painter.setClipping(false);
    const QImage outlined = EmojiArt::Outlined(EmojiArt::Glyph("🐊", 188), ArtStyle::ink, 5);
    painter.drawImage(QPointF((side - outlined.width()) / 2.0, 40), outlined);
    return icon;
}

void WriteProgramPictures(const std::filesystem::path& folder)
{
    std::filesystem::create_directories(folder);
    WriteFile(folder / "IDB_CAUTION1.bmp", EncodeBmpFile(QuantizePicture(Caution(), {seeThrough, 0.0f})));
    if (!Icon().save(QString::fromStdString((folder / "marrowmere.png").string()), "PNG")) {
        throw std::runtime_error("cannot write the icon into " + folder.string());
    }
}

} // namespace ProgramPictures
