#include "Content/ShellPictures/Scenery.h"

#include <QLinearGradient>
#include <QPainterPath>

#include <cmath>

namespace {

QPainterPath HillPath(const QRectF& area, double baseline, double bottom, double amplitude, double wavelength,
                      double phase)
{
    QPainterPath path(QPointF(area.left(), bottom));
    for (double x = area.left(); x <= area.right() + 8; x += 8) {
        const double lift = (0.6 + 0.4 * std::sin(x / wavelength + phase)) *
                            (0.7 + 0.3 * std::sin(x / (wavelength * 0.37) + phase * 2));
        path.lineTo(x, baseline - amplitude * lift);
    }
    path.lineTo(area.right() + 8, bottom);
    path.closeSubpath();
    return path;
}

} // namespace

void Scenery::Paint(QPainter& painter, const QRectF& area, double waterTop, double bankTop) const
{
    painter.save();
    painter.setClipRect(area);
    painter.setRenderHint(QPainter::Antialiasing);
    const double waterY = area.top() + area.height() * waterTop;
    const double bankY = area.top() + area.height() * bankTop;
    const double scale = area.height() / 480.0;

    QLinearGradient sky(0, area.top(), 0, waterY);
    sky.setColorAt(0, skyTop);
    sky.setColorAt(1, skyBottom);
    painter.fillRect(QRectF(area.left(), area.top(), area.width(), waterY - area.top()), sky);
    painter.setPen(Qt::NoPen);
    if (starry) {
        // Fixed little stars: a simple sequence spreads them without any randomness.
        for (int i = 0; i < 70; ++i) {
            const double x = area.left() + std::fmod(i * 97.0 + 31, area.width());
            const double y = area.top() + std::fmod(i * 53.0 + 17, std::max(1.0, waterY - area.top() - 60 * scale));
            painter.setBrush(QColor(255, 250, 220, 140 + (i * 37) % 110));
            painter.drawEllipse(QPointF(x, y), 1.0 + (i % 3 == 0), 1.0 + (i % 3 == 0));
        }
    }

    painter.setBrush(farHills);
    painter.drawPath(HillPath(area, waterY - 20 * scale, waterY + 2, 70 * scale, 90 * scale, 1.3));
    painter.setBrush(hills);
    painter.drawPath(HillPath(area, waterY, waterY + 2, 44 * scale, 60 * scale, 4.1));

    QLinearGradient mere(0, waterY, 0, bankY);
    mere.setColorAt(0, water.lighter(125));
    mere.setColorAt(1, water.darker(115));
    painter.fillRect(QRectF(area.left(), waterY, area.width(), area.bottom() - waterY), mere);
    painter.setPen(QPen(QColor(255, 255, 255, 70), std::max(1.0, 2 * scale), Qt::SolidLine, Qt::RoundCap));
    const double depth = std::max(1.0, bankY - waterY - 16 * scale);
    for (int i = 0; i < 26; ++i) {
        const double y = waterY + 10 * scale + std::fmod(i * 29.0 * scale, depth);
        const double x = area.left() + std::fmod(i * 131.0 + 40, std::max(1.0, area.width() - 60 * scale));
        painter.drawLine(QPointF(x, y), QPointF(x + (18 + (i % 4) * 8) * scale, y));
    }

    if (bankTop < 1) {
        QPainterPath shore(QPointF(area.left(), area.bottom() + 2));
        for (double x = area.left(); x <= area.right() + 8; x += 8) {
            shore.lineTo(x, bankY + (6 * std::sin(x / 41.0) + 3 * std::sin(x / 13.0)) * scale);
        }
        shore.lineTo(area.right() + 8, area.bottom() + 2);
        shore.closeSubpath();
        painter.setPen(QPen(bank.darker(130), 2));
        painter.setBrush(bank);
        painter.drawPath(shore);
    }
    painter.restore();
}
