#include "Content/GameArt/ToolArt.h"

#include "Content/ArtKit/ArtStyle.h"
#include "Content/ArtKit/Drawing.h"
#include "Content/ArtKit/EmojiArt.h"
#include "Content/GameArt/BoardArt.h"
#include "Content/GameArt/LotScene.h"
#include "Marrowmere/IDs/GraphicIDs.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

const QColor toolColors[] = {{0x9B, 0x6B, 0xD8}, {0x4C, 0xA8, 0x6A}, {0x4C, 0xA8, 0x6A},
                             {0x6E, 0x6A, 0x74}, {0x5B, 0x9B, 0xD8}, {0x7A, 0x5A, 0x3A}};

// A bent arrow along a circle arc from `start` sweeping `sweep` degrees (Qt's angles: counterclockwise).
void ArcArrow(QPainter& painter, QPointF centre, double radius, double start, double sweep, const QColor& color)
{
    const QRectF box(centre.x() - radius, centre.y() - radius, radius * 2, radius * 2);
    QPainterPath arc;
    arc.arcMoveTo(box, start);
    arc.arcTo(box, start, sweep);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ArtStyle::ink, 11, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(arc);
    painter.setPen(QPen(color, 6.5, Qt::SolidLine, Qt::FlatCap));
    painter.drawPath(arc);
    // Where the arc ends and which way it runs there (screen coordinates, y down).
    const double end = (start + sweep) * M_PI / 180.0;
    const QPointF last = centre + QPointF(std::cos(end), -std::sin(end)) * radius;
    const double turning = sweep > 0 ? 1 : -1;
    const QPointF heading = QPointF(-std::sin(end), -std::cos(end)) * turning;
    Drawing::ArrowHead(painter, last + heading * 10, std::atan2(heading.y(), heading.x()) * 180 / M_PI, 16, 22, color);
}

} // namespace

QImage PaintTool(Tool tool, int side, double size, double spin)
{
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.translate(side / 2.0, side / 2.0);
    painter.scale(side / 84.0 * size, side / 84.0 * size);
    const QColor color = toolColors[static_cast<int>(tool)];
    painter.setPen(QPen(ArtStyle::ink, ArtStyle::outlineWidth * 1.2));
    painter.setBrush(ArtStyle::paper);
    painter.drawEllipse(QPointF(0, 0), 36, 36);
    painter.setPen(QPen(color, 3));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(QPointF(0, 0), 32, 32);
    painter.rotate(spin);
    switch (tool) {
    case Tool::reverser:
        ArcArrow(painter, {0, 4}, 17, 180, -180, color);
        Drawing::ArrowHead(painter, {-17, 14}, 90, 16, 22, color);
        break;
    case Tool::clockwiseTurner:
        ArcArrow(painter, {0, 0}, 19, 120, -250, color);
        break;
    case Tool::counterclockwiseTurner:
        ArcArrow(painter, {0, 0}, 19, 60, 250, color);
        break;
    case Tool::death:
    case Tool::cloud:
    case Tool::otherDeath: {
        static const QString glyphs[] = {"💀", "🌧️", "🪦"};
        const QImage& glyph = EmojiArt::Glyph(glyphs[static_cast<int>(tool) - 3], 52);
        painter.drawImage(QPointF(-26, -26), glyph);
        break;
    }
    }
    return picture;
}

void AddToolStills(ArtCatalogue& catalogue)
{
    const auto add = [&](ResourceID id, Tool tool) {
        catalogue.AddStill(id, {}, [tool] { return PaintTool(tool, LotScene::lotPicture); }, "tools");
    };
    add(GraphicIDs::Reverser(), Tool::reverser);
    add(GraphicIDs::ClockwiseTurner(), Tool::clockwiseTurner);
    add(GraphicIDs::CounterclockwiseTurner(), Tool::counterclockwiseTurner);
    add(GraphicIDs::Death(), Tool::death);
    add(GraphicIDs::Cloud(), Tool::cloud);
    add(static_cast<ResourceID>(GraphicIDs::Death() + alternativeSetOffset), Tool::otherDeath);
}
