#include "Content/ArtKit/EmojiArt.h"

#include "Content/ArtKit/ArtStyle.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QRawFont>

#include <map>
#include <stdexcept>
#include <utility>

namespace {

// The font draws its colour pictures at this size; larger pictures are scaled from it.
constexpr int glyphRenderSize = 128;

QImage RenderGlyph(const QString& emoji)
{
    QImage canvas(glyphRenderSize * 2, glyphRenderSize * 2, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(Qt::transparent);
    {
        QPainter painter(&canvas);
        QFont font(ArtStyle::EmojiFamily());
        font.setPixelSize(glyphRenderSize);
        painter.setFont(font);
        painter.drawText(canvas.rect(), Qt::AlignCenter, emoji);
    }
    // Crop to what the glyph covers, so every emoji fills its square the same way.
    int left = canvas.width(), right = -1, top = canvas.height(), bottom = -1;
    for (int y = 0; y < canvas.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(canvas.constScanLine(y));
        for (int x = 0; x < canvas.width(); ++x) {
            if (qAlpha(row[x]) > 8) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    if (right < 0) {
        throw std::runtime_error("the emoji font draws nothing for \"" + emoji.toStdString() + "\"");
    }
    return canvas.copy(left, top, right - left + 1, bottom - top + 1);
}

} // namespace

const QImage& EmojiArt::Glyph(const QString& emoji, int size)
{
    static std::map<std::pair<QString, int>, QImage> cache;
    const auto key = std::make_pair(emoji, size);
    if (const auto found = cache.find(key); found != cache.end()) {
        return found->second;
    }
    const QImage glyph = RenderGlyph(emoji);
    QImage square(size, size, QImage::Format_ARGB32_Premultiplied);
    square.fill(Qt::transparent);
    {
        QPainter painter(&square);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        const QSizeF fitted = QSizeF(glyph.size()).scaled(size, size, Qt::KeepAspectRatio);
        const QRectF target((size - fitted.width()) / 2, (size - fitted.height()) / 2, fitted.width(),
                            fitted.height());
        painter.drawImage(target, glyph);
    }
    return cache.emplace(key, std::move(square)).first->second;
}

QImage EmojiArt::Outlined(const QImage& picture, const QColor& color, int width)
{
    // The outline is the picture's silhouette stamped around it in a ring of offsets.
    const QImage source = picture.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage silhouette = source;
    {
        QPainter tint(&silhouette);
        tint.setCompositionMode(QPainter::CompositionMode_SourceIn);
        tint.fillRect(silhouette.rect(), color);
    }
    QImage result(source.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    QPainter painter(&result);
    for (int dy = -width; dy <= width; ++dy) {
        for (int dx = -width; dx <= width; ++dx) {
            if (dx * dx + dy * dy <= width * width + 1) {
                painter.drawImage(dx, dy, silhouette);
            }
        }
    }
    painter.drawImage(0, 0, source);
    return result;
}
