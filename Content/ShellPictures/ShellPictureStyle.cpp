#include "Content/ShellPictures/ShellPictureStyle.h"

#include "Content/ArtKit/ArtStyle.h"
#include "Content/ArtKit/Drawing.h"
#include "Content/ArtKit/EmojiArt.h"

namespace ShellPictureStyle {

void DrawTitle(QPainter& painter, const QRectF& box, int pixelSize, const QString& text)
{
    const double shadow = pixelSize / 16.0;
    Drawing::Words(painter, box.translated(shadow, shadow), text, pixelSize, QColor(0, 0, 0, 70), 0);
    Drawing::Words(painter, box, text, pixelSize, ArtStyle::highlight, pixelSize / 14.0);
}

void DrawGlyph(QPainter& painter, const QString& emoji, QPointF topLeft, int size, bool mirrored)
{
    const QImage& glyph = EmojiArt::Glyph(emoji, size);
    painter.save();
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(topLeft, mirrored ? glyph.mirrored(true, false) : glyph);
    painter.restore();
}

QImage Canvas(int width, int height, const QColor& fill)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(fill);
    return image;
}

} // namespace ShellPictureStyle
