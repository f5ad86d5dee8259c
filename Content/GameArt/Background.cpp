#include "Content/ArtKit/ArtStyle.h"
#include "Content/ArtKit/Drawing.h"
#include "Content/ArtKit/EmojiArt.h"
#include "Content/GameArt/ScreenArt.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/Locations/Locations.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const QColor table{0xE6, 0xD8, 0xBC};

QPointF ToPoint(Point2D point)
{
    return QPointF(point.x, point.y);
}

void SpeciesBadge(QPainter& painter, QPointF centre, int species, double radius)
{
    static const QString glyphs[] = {"🦅", "🐊", "🦏", "🦖", "🌿"};
    painter.setPen(QPen(ArtStyle::ink, ArtStyle::outlineWidth));
    painter.setBrush(species < 4 ? ArtStyle::speciesColors[species].lighter(150) : ArtStyle::meadow.lighter(130));
    painter.drawEllipse(centre, radius, radius);
    const int size = static_cast<int>(radius * 1.5);
    painter.drawImage(centre - QPointF(size / 2.0, size / 2.0), EmojiArt::Glyph(glyphs[species], size));
}

// An "eats" arrow between two badges, stopping short of both.
void EatsArrow(QPainter& painter, QPointF from, QPointF to, double clearance)
{
    const QPointF delta = to - from;
    const double length = std::hypot(delta.x(), delta.y());
    const QPointF unit = delta / length;
    const QPointF start = from + unit * clearance;
    const QPointF tip = to - unit * clearance;
    painter.setPen(QPen(ArtStyle::ink, 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(start, tip - unit * 6);
    Drawing::ArrowHead(painter, tip, std::atan2(unit.y(), unit.x()) * 180 / M_PI, 10, 13, ArtStyle::danger);
}

void PaintBoard(QPainter& painter)
{
    const QPointF origin = ToPoint(Locations::InhabitantsAreaOrigin());
    const QSizeF size(Locations::InhabitantsAreaSize().x, Locations::InhabitantsAreaSize().y);
    Drawing::Panel(painter, QRectF(origin - QPointF(9, 9), size + QSizeF(18, 20)), ArtStyle::meadowDark, 12);
    for (int row = 0; row < 5; ++row) {
        for (int column = 0; column < 5; ++column) {
            const QRectF lot(origin.x() + 88 * column, origin.y() + 88 * row, 88, 88);
            const QColor ground = (row + column) % 2 == 0 ? ArtStyle::meadow : ArtStyle::meadow.darker(106);
            painter.setPen(Qt::NoPen);
            painter.setBrush(ground.darker(125));
            painter.drawRect(lot);
            painter.setBrush(ground);
            painter.drawRoundedRect(lot.adjusted(2, 2, -2, -2), 6, 6);
            // A few blades of grass, the same on every build.
            painter.setPen(QPen(ground.darker(118), 1.5, Qt::SolidLine, Qt::RoundCap));
            unsigned int seed = static_cast<unsigned int>(row * 5 + column) * 2654435761u;
            for (int blade = 0; blade < 7; ++blade) {
                seed = seed * 1103515245u + 12345u;
                const double x = lot.left() + 10 + (seed >> 16) % 68;
                seed = seed * 1103515245u + 12345u;
                const double y = lot.top() + 30 + (seed >> 16) % 50;
                painter.drawLine(QPointF(x, y), QPointF(x - 2, y - 6));
                painter.drawLine(QPointF(x + 3, y), QPointF(x + 4, y - 7));
            }
        }
    }
}

void PaintScoreAndQueue(QPainter& painter)
{
    const Point2D score = Locations::ScoreRightJustifiedPosition();
    Drawing::Panel(painter, QRectF(476, 6, 156, 58), ArtStyle::paper);
    Drawing::Words(painter, QRectF(486, 9, 100, 18), "Score", 14, ArtStyle::ink, 0, Qt::AlignLeft | Qt::AlignVCenter);
    painter.setPen(QPen(ArtStyle::paperShade, 1));
    painter.drawLine(QPointF(486, score.y - 2), QPointF(score.x, score.y - 2));

    const Point2D queue = Locations::itemQueuePosition;
    Drawing::Words(painter, QRectF(queue.x, 70, 88, 18), "Next item", 13, ArtStyle::ink, 0, Qt::AlignCenter);
    Drawing::Panel(painter, QRectF(queue.x, queue.y, 88, 88), ArtStyle::paper, 10);
    painter.setPen(QPen(ArtStyle::paperShade, 2, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(queue.x + 6, queue.y + 6, 76, 76), 8, 8);

    const Point2D picks = Locations::PickCountPosition();
    Drawing::Panel(painter, QRectF(picks.x - 22, 86, 44, 40), ArtStyle::paper, 8);
    Drawing::Words(painter, QRectF(picks.x - 22, 88, 44, 16), "Picks", 12, ArtStyle::ink, 0, Qt::AlignCenter);
}

void PaintWhoEatsWhom(QPainter& painter)
{
    const QPointF pointer = ToPoint(Locations::WhoEatsWhoLegendPointerPosition());
    const QRectF panel(pointer.x() - 8, pointer.y() - 80, 156, 144);
    Drawing::Panel(painter, panel, ArtStyle::paper);
    Drawing::Words(painter, QRectF(panel.left(), panel.top() + 4, panel.width(), 18), "Who eats whom", 14, ArtStyle::ink);
    // The food cycle: flyer, swimmer, grazer, cannibal and back, arrows from eater to eaten.
    const QPointF centre(panel.left() + 62, panel.top() + 72);
    const QPointF places[4] = {centre + QPointF(-32, -28), centre + QPointF(32, -28), centre + QPointF(32, 28),
                               centre + QPointF(-32, 28)};
    painter.setRenderHint(QPainter::Antialiasing);
    for (int species = 0; species < 4; ++species) {
        EatsArrow(painter, places[species], places[(species + 1) % 4], 21);
    }
    const QPointF grassPlace = places[2] + QPointF(44, 0);
    EatsArrow(painter, places[2], grassPlace, 17);
    for (int species = 0; species < 4; ++species) {
        SpeciesBadge(painter, places[species], species, 18);
    }
    SpeciesBadge(painter, grassPlace, 4, 13);
    Drawing::Words(painter, QRectF(panel.left(), panel.bottom() - 21, panel.width(), 16), "an arrow means \"eats\"",
                   11, ArtStyle::ink, 0, Qt::AlignCenter, false);
}

void PaintSpecialAbilities(QPainter& painter)
{
    const QPointF pointer = ToPoint(Locations::SpecialAbilitiesLegendPointerPosition());
    const QRectF panel(pointer.x() - 8, pointer.y() - 52, 156, 134);
    Drawing::Panel(painter, panel, ArtStyle::paper);
    Drawing::Words(painter, QRectF(panel.left(), panel.top() + 4, panel.width(), 18), "Special abilities", 14,
                   ArtStyle::ink);
    static const char* const abilities[4] = {"eat at any distance\nin their line", "live in floods",
                                             "also eat grass", "eat each other"};
    static const int order[4] = {0, 1, 2, 3};
    for (int line = 0; line < 4; ++line) {
        const int species = order[line];
        const double top = panel.top() + 26 + line * 26;
        SpeciesBadge(painter, QPointF(panel.left() + 18, top + 12), species, 11);
        Drawing::Words(painter, QRectF(panel.left() + 34, top, panel.width() - 38, 24), abilities[species], 11,
                       ArtStyle::ink, 0, Qt::AlignLeft | Qt::AlignVCenter, false);
    }
}

QImage PaintBackground()
{
    QImage picture(Locations::screenSize.x, Locations::screenSize.y, QImage::Format_ARGB32_Premultiplied);
    picture.fill(table);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    // A faint diagonal weave, so the table is not a flat colour.
    painter.setPen(QPen(table.darker(104), 1));
    for (int x = -480; x < 640; x += 12) {
        painter.drawLine(x, 480, x + 480, 0);
    }
    PaintBoard(painter);
    PaintScoreAndQueue(painter);
    PaintWhoEatsWhom(painter);
    PaintSpecialAbilities(painter);
    return picture;
}

} // namespace

void AddBackground(ArtCatalogue& catalogue)
{
    catalogue.AddStill(GraphicIDs::Background(), {}, PaintBackground, "screen");
}
