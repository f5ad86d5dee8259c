#include "Content/ArtKit/Drawing.h"

#include "Content/ArtKit/ArtStyle.h"

#include <QPainterPath>
#include <QTransform>

void Drawing::Panel(QPainter& painter, const QRectF& rectangle, const QColor& fill, double radius)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF inner = rectangle.adjusted(1, 1, -1, -1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill.darker(125));
    painter.drawRoundedRect(inner, radius, radius);
    painter.setBrush(fill);
    painter.drawRoundedRect(inner.adjusted(0, 0, 0, -3), radius, radius);
    painter.setPen(QPen(ArtStyle::ink, ArtStyle::outlineWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(inner, radius, radius);
    painter.restore();
}

void Drawing::Words(QPainter& painter, const QRectF& rectangle, const QString& text, int pixelSize,
                    const QColor& fill, double outline, int alignment, bool bold)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    const QFont font = ArtStyle::TextFont(pixelSize, bold);
    QPainterPath path;
    const QFontMetricsF metrics(font);
    const QStringList lines = text.split('\n');
    const double lineHeight = metrics.height();
    double y = rectangle.top();
    if (alignment & Qt::AlignVCenter) {
        y += (rectangle.height() - lineHeight * lines.size()) / 2;
    } else if (alignment & Qt::AlignBottom) {
        y += rectangle.height() - lineHeight * lines.size();
    }
    for (const QString& line : lines) {
        const double width = metrics.horizontalAdvance(line);
        double x = rectangle.left();
        if (alignment & Qt::AlignHCenter) {
            x += (rectangle.width() - width) / 2;
        } else if (alignment & Qt::AlignRight) {
            x += rectangle.width() - width;
        }
        path.addText(QPointF(x, y + metrics.ascent()), font, line);
        y += lineHeight;
    }
    if (outline > 0) {
        painter.setPen(QPen(ArtStyle::ink, outline * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

namespace {

// An arrow shape drawn along `angleDegrees` from its tip at the origin, in the house outline.
void DrawArrowPath(QPainter& painter, const QPainterPath& path, QPointF tip, double angleDegrees, const QColor& fill)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(tip);
    painter.rotate(angleDegrees);
    painter.setPen(QPen(ArtStyle::ink, ArtStyle::outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

} // namespace

void Drawing::ArrowHead(QPainter& painter, QPointF tip, double angleDegrees, double length, double width,
                        const QColor& fill)
{
    QPainterPath head;
    head.moveTo(0, 0);
    head.lineTo(-length, -width / 2);
    head.lineTo(-length * 0.75, 0);
    head.lineTo(-length, width / 2);
    head.closeSubpath();
    DrawArrowPath(painter, head, tip, angleDegrees, fill);
}

void Drawing::PointingArrow(QPainter& painter, QPointF tip, double angleDegrees, double length, double width,
                            const QColor& fill)
{
    const double headLength = length * 0.5;
    const double shaft = width * 0.42;
    QPainterPath arrow;
    arrow.moveTo(0, 0);
    arrow.lineTo(-headLength, -width / 2);
    arrow.lineTo(-headLength, -shaft / 2);
    arrow.lineTo(-length, -shaft / 2);
    arrow.lineTo(-length, shaft / 2);
    arrow.lineTo(-headLength, shaft / 2);
    arrow.lineTo(-headLength, width / 2);
    arrow.closeSubpath();
    DrawArrowPath(painter, arrow, tip, angleDegrees, fill);
}
