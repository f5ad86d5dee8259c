#include "Content/ShellPictures/SlidePictures.h"

#include "Content/ArtKit/ArtStyle.h"
#include "Content/ArtKit/Drawing.h"
#include "Content/ShellPictures/Scenery.h"
#include "Content/ShellPictures/ShellCreatures.h"
#include "Content/ShellPictures/ShellPictureStyle.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

namespace SlidePictures {
namespace {

using namespace ShellPictureStyle;

constexpr int width = 320;
constexpr int height = 240;
const QRectF whole(0, 0, width, height);

const Scenery duskMere{{20, 40, 80}, {70, 120, 150}, {40, 80, 70}, {60, 100, 110}, {40, 100, 150}, {60, 110, 60}};

// Where each species is at home, behind its portrait.
const std::array<Scenery, 4> homes = {{
    {{70, 150, 235}, {200, 232, 250}, {150, 200, 130}, {190, 220, 200}, {90, 170, 220}, {110, 170, 80}},
    {{110, 190, 230}, {210, 240, 245}, {90, 160, 110}, {140, 190, 160}, {30, 130, 170}, {90, 150, 70}},
    {{140, 200, 240}, {250, 240, 200}, {110, 180, 70}, {170, 210, 130}, {80, 160, 200}, {120, 180, 60}},
    {{60, 30, 50}, {230, 110, 60}, {90, 50, 50}, {140, 70, 60}, {170, 70, 40}, {90, 70, 60}},
}};

// A row of lots like the board's, each with one creature on it.
void DrawCreatureLots(QPainter& painter, double top, int lotSize, double gap)
{
    const double rowWidth = 4 * lotSize + 3 * gap;
    for (int species = 0; species < 4; ++species) {
        const QRectF lot((width - rowWidth) / 2 + species * (lotSize + gap), top, lotSize, lotSize);
        Drawing::Panel(painter, lot, ArtStyle::meadow, 8);
        DrawGlyph(painter, shellCreatures[species].Emoji(), lot.topLeft() + QPointF(lotSize * 0.1, lotSize * 0.08),
                  static_cast<int>(lotSize * 0.8));
    }
}

} // namespace

QImage LogoTitle()
{
    QImage image = Canvas(width, height, Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    duskMere.Paint(painter, whole, 0.55, 1.0);
    DrawTitle(painter, QRectF(0, 22, width, 70), 54);
    Drawing::Words(painter, QRectF(0, 92, width, 26), "A puzzle of the mere", 20, ArtStyle::paper, 1.5);
    DrawCreatureLots(painter, 150, 58, 10);
    return image;
}

QImage CastTitle()
{
    QImage image = Canvas(width, height, QColor(60, 20, 30));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    // A little stage: a spotlight on the boards and red curtains at both sides.
    QRadialGradient spot(QPointF(width / 2.0, 150), 190);
    spot.setColorAt(0, QColor(120, 70, 60));
    spot.setColorAt(1, QColor(40, 12, 20));
    painter.fillRect(whole, spot);
    painter.fillRect(QRectF(0, 196, width, 44), QColor(130, 84, 46));
    painter.setPen(QPen(QColor(90, 56, 30), 2));
    for (int y : {208, 222}) {
        painter.drawLine(0, y, width, y);
    }
    for (const bool left : {true, false}) {
        QLinearGradient cloth(0, 0, 34, 0);
        cloth.setSpread(QGradient::ReflectSpread);
        cloth.setColorAt(0, QColor(200, 30, 40));
        cloth.setColorAt(1, QColor(120, 10, 24));
        painter.setPen(QPen(ArtStyle::ink, 2));
        painter.setBrush(cloth);
        QPainterPath curtain;
        const double edge = left ? 0 : width;
        const double sign = left ? 1 : -1;
        curtain.moveTo(edge, 0);
        curtain.lineTo(edge + sign * 40, 0);
        curtain.quadTo(edge + sign * 14, 120, edge + sign * 30, 240);
        curtain.lineTo(edge, 240);
        curtain.closeSubpath();
        painter.drawPath(curtain);
    }
    Drawing::Words(painter, QRectF(0, 16, width, 40), "Starring", 36, ArtStyle::highlight, 2);
    Drawing::Words(painter, QRectF(0, 56, width, 22), "the creatures of the mere", 16, ArtStyle::paper, 1.2);
    constexpr int size = 56;
    for (int species = 0; species < 4; ++species) {
        const double x = 30 + species * 66;
        DrawGlyph(painter, shellCreatures[species].Emoji(), QPointF(x + 5, 102), size);
        Drawing::Words(painter, QRectF(x - 4, 162, 74, 22), shellCreatures[species].name, 14, ArtStyle::paper, 1.2);
    }
    return image;
}

QImage Portrait(int species)
{
    const ShellCreature& creature = shellCreatures.at(static_cast<std::size_t>(species));
    QImage image = Canvas(width, height, Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    homes[species].Paint(painter, whole, 0.5, 0.8);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 50));
    painter.drawEllipse(QRectF(22, 190, 130, 22));
    DrawGlyph(painter, creature.Emoji(), QPointF(14, 50), 148);

    const QRectF card(168, 28, 140, 184);
    Drawing::Panel(painter, card, ArtStyle::paper, 10);
    painter.fillRect(QRectF(card.left() + 2, card.top() + 2, card.width() - 4, 36), ArtStyle::speciesColors[species]);
    Drawing::Words(painter, QRectF(card.left(), card.top() + 4, card.width(), 32), creature.name, 24,
                   ArtStyle::paper, 1.5);
    painter.setPen(ArtStyle::ink);
    painter.setFont(ArtStyle::TextFont(15, true));
    painter.drawText(card.adjusted(10, 46, -10, -52), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, creature.eats);
    painter.setPen(ArtStyle::danger.darker(120));
    painter.setFont(ArtStyle::TextFont(14, true));
    painter.drawText(card.adjusted(10, 0, -10, -10), Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap,
                     creature.eatenBy);
    return image;
}

QImage HighScoresTitle()
{
    QImage image = Canvas(width, height, ShellPictureStyle::night);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(QPointF(width / 2.0, 120), 170);
    glow.setColorAt(0, QColor(70, 60, 130));
    glow.setColorAt(1, ShellPictureStyle::night);
    painter.fillRect(whole, glow);
    DrawGlyph(painter, "🏆", QPointF(width / 2.0 - 50, 24), 100);
    DrawTitle(painter, QRectF(0, 128, width, 60), 44, "High Scores");
    Drawing::Words(painter, QRectF(0, 186, width, 24), "The best players of the mere", 16, ArtStyle::paper, 1.2);
    DrawGlyph(painter, "🥇", QPointF(36, 60), 40);
    DrawGlyph(painter, "🥈", QPointF(244, 52), 36);
    DrawGlyph(painter, "🥉", QPointF(252, 100), 32);
    return image;
}

QImage PausedBanner()
{
    QImage image = Canvas(width, 60, ShellPictureStyle::night);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient band(0, 0, 0, 60);
    band.setColorAt(0, QColor(60, 70, 130));
    band.setColorAt(1, ShellPictureStyle::night);
    painter.fillRect(image.rect(), band);
    DrawGlyph(painter, "⏸️", QPointF(14, 10), 40);
    Drawing::Words(painter, QRectF(62, 4, 250, 34), "Game Paused", 28, ArtStyle::highlight, 1.5,
                   Qt::AlignLeft | Qt::AlignVCenter);
    Drawing::Words(painter, QRectF(62, 36, 250, 20), "Choose Resume Game to play on", 14, ArtStyle::paper, 0,
                   Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

} // namespace SlidePictures
