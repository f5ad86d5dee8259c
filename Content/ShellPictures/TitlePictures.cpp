#include "Content/ShellPictures/TitlePictures.h"

#include "Content/ArtKit/ArtStyle.h"
#include "Content/ArtKit/Drawing.h"
#include "Content/ShellPictures/Scenery.h"
#include "Content/ShellPictures/ShellCreatures.h"
#include "Content/ShellPictures/ShellPictureStyle.h"

namespace TitlePictures {

using namespace ShellPictureStyle;

QImage Splash()
{
    constexpr int width = 480;
    constexpr int height = 320;
    const Scenery morning{{90, 160, 230}, {250, 230, 190}, {110, 170, 90}, {160, 200, 150}, {60, 150, 200},
                          {100, 160, 70}};
    QImage image = Canvas(width, height, Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    morning.Paint(painter, QRectF(0, 0, width, height), 0.5, 0.8);
    DrawGlyph(painter, "☀️", QPointF(422, 10), 44);
    DrawTitle(painter, QRectF(0, 26, width, 90), 66);
    Drawing::Words(painter, QRectF(0, 112, width, 30), "A puzzle of the mere", 24, ArtStyle::paper, 1.5);
    constexpr int lot = 84;
    for (int species = 0; species < 4; ++species) {
        const QRectF square(36 + species * (lot + 20), 164, lot, lot);
        Drawing::Panel(painter, square, ArtStyle::meadow, 10);
        DrawGlyph(painter, shellCreatures[species].Emoji(), square.topLeft() + QPointF(8, 6), lot - 16);
    }
    Drawing::Words(painter, QRectF(0, height - 50, width, 22), "Quillon Games", 16, ArtStyle::paper, 1.2);
    painter.setPen(QPen(ArtStyle::ink, 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(2, 2, width - 4, height - 4));
    return image;
}

QImage AboutLogo()
{
    QImage image = Canvas(300, 80, ArtStyle::paper);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    DrawGlyph(painter, shellCreatures[0].Emoji(), QPointF(4, 20), 40);
    DrawGlyph(painter, shellCreatures[1].Emoji(), QPointF(256, 22), 40, true);
    DrawTitle(painter, QRectF(44, 4, 212, 60), 38);
    Drawing::Words(painter, QRectF(44, 56, 212, 20), "A puzzle of the mere", 13, ArtStyle::ink, 0);
    return image;
}

} // namespace TitlePictures
