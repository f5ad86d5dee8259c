#include "Content/ShellPictures/MenuBackgrounds.h"

#include "Content/ArtKit/ArtStyle.h"
#include "Content/ShellPictures/Scenery.h"
#include "Content/ShellPictures/ShellCreatures.h"
#include "Content/ShellPictures/ShellPictureStyle.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <array>
#include <cmath>

namespace MenuBackgrounds {
namespace {

using namespace ShellPictureStyle;
using ArtStyle::ink;

constexpr int width = 640;
constexpr int height = 480;
constexpr int waterTop = 262;
constexpr int bankTop = 404;

struct Decoration {
    const char* emoji;
    int x, y, size;
};

// What makes one background differ from the others; the television, the signpost and the
// layout stay the same on all of them.
struct Scene {
    Scenery scenery;
    std::array<Decoration, 6> decorations; // sky, water and bank ornaments, drawn in this order
};

const std::array<Scene, count> scenes = {{
    // Spring morning
    {{{150, 206, 240}, {255, 240, 200}, {120, 178, 88}, {168, 204, 150}, {96, 168, 200}, {104, 160, 70}, false},
     {{{"☀️", 566, 18, 56}, {"☁️", 420, 46, 44}, {"🌸", 10, 420, 40}, {"🌷", 440, 420, 44},
       {"🌷", 600, 430, 36}, {"🪷", 420, 330, 36}}}},
    // Summer noon
    {{{40, 120, 220}, {160, 210, 250}, {70, 150, 60}, {120, 180, 110}, {40, 130, 190}, {90, 150, 50}, false},
     {{{"☀️", 560, 10, 64}, {"☁️", 30, 30, 40}, {"🌻", 8, 410, 52}, {"🌻", 596, 418, 40},
       {"🦆", 430, 320, 40}, {"🌾", 430, 412, 48}}}},
    // Sunset
    {{{88, 60, 140}, {252, 150, 80}, {96, 80, 90}, {150, 100, 110}, {200, 110, 96}, {80, 96, 56}, false},
     {{{"🌅", 560, 14, 60}, {"☁️", 420, 30, 40}, {"🌾", 6, 412, 50}, {"🌾", 440, 414, 48},
       {"🪷", 424, 336, 34}, {"🌾", 598, 424, 40}}}},
    // Night
    {{{10, 16, 54}, {54, 50, 110}, {30, 40, 60}, {50, 56, 90}, {24, 40, 90}, {30, 56, 40}, true},
     {{{"🌙", 566, 16, 52}, {"✨", 430, 40, 32}, {"🦉", 6, 404, 52}, {"🍄", 444, 422, 36},
       {"✨", 20, 60, 28}, {"🍄", 604, 430, 30}}}},
    // Autumn
    {{{206, 184, 150}, {250, 220, 170}, {200, 120, 50}, {214, 160, 100}, {110, 140, 150}, {150, 110, 50}, false},
     {{{"🍂", 560, 30, 44}, {"🍁", 430, 60, 36}, {"🍁", 8, 420, 44}, {"🍂", 440, 420, 40},
       {"🍄", 600, 428, 36}, {"🍂", 20, 120, 30}}}},
    // Winter
    {{{170, 190, 214}, {236, 242, 250}, {226, 234, 244}, {200, 212, 230}, {150, 190, 220}, {244, 248, 252}, false},
     {{{"❄️", 566, 20, 44}, {"❄️", 430, 56, 32}, {"⛄", 6, 396, 60}, {"🌲", 436, 404, 52},
       {"❄️", 24, 120, 26}, {"🌲", 596, 412, 44}}}},
    // Rain
    {{{110, 120, 136}, {176, 184, 194}, {80, 120, 86}, {130, 150, 140}, {80, 110, 130}, {76, 116, 64}, false},
     {{{"🌧️", 560, 14, 56}, {"☁️", 420, 30, 48}, {"🐸", 8, 420, 44}, {"💧", 446, 370, 28},
       {"🍄", 444, 424, 36}, {"☂️", 596, 420, 40}}}},
    // Rainbow after a shower, in the evening light
    {{{150, 130, 200}, {250, 200, 190}, {80, 150, 100}, {150, 170, 170}, {90, 130, 180}, {90, 150, 80}, false},
     {{{"🌈", 548, 10, 76}, {"☁️", 420, 50, 36}, {"🐌", 10, 424, 40}, {"🌼", 444, 420, 40},
       {"🌼", 604, 430, 32}, {"🦋", 30, 120, 32}}}},
}};

void DrawTelevision(QPainter& painter)
{
    const QRectF cabinet(50, 92, 368, 300);
    // Antennas first, so the cabinet covers their feet.
    painter.setPen(QPen(QColor(60, 60, 66), 4, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(234, 96), QPointF(178, 60));
    painter.drawLine(QPointF(234, 96), QPointF(292, 58));
    painter.setPen(QPen(ink, 1.5));
    painter.setBrush(QColor(200, 60, 50));
    painter.drawEllipse(QPointF(178, 60), 6, 6);
    painter.drawEllipse(QPointF(292, 58), 6, 6);
    painter.setBrush(QColor(70, 70, 78));
    painter.drawChord(QRectF(212, 84, 44, 28), 0, 180 * 16);

    // Legs.
    painter.setBrush(woodDark);
    painter.drawRoundedRect(QRectF(92, 384, 16, 30), 4, 4);
    painter.drawRoundedRect(QRectF(360, 384, 16, 30), 4, 4);

    QLinearGradient wood(cabinet.topLeft(), cabinet.bottomLeft());
    wood.setColorAt(0, woodLight.lighter(112));
    wood.setColorAt(1, woodLight.darker(125));
    painter.setPen(QPen(ink, 3));
    painter.setBrush(wood);
    painter.drawRoundedRect(cabinet, 22, 22);
    // A few darker grain lines across the wood.
    painter.setPen(QPen(woodDark, 1.2));
    for (int y : {100, 362, 376}) {
        painter.drawLine(QPointF(cabinet.left() + 24, y), QPointF(cabinet.right() - 24, y));
    }

    // The screen's bezel, the screen itself left dark for the slideshow.
    const QRectF bezel = QRectF(screenArea).adjusted(-9, -9, 9, 9);
    painter.setPen(QPen(ink, 2));
    painter.setBrush(QColor(48, 46, 52));
    painter.drawRoundedRect(bezel, 14, 14);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(12, 12, 16));
    painter.drawRect(screenArea);

    // Speaker slots on the left of the control strip, two knobs on the right.
    painter.setPen(QPen(woodDark.darker(130), 3, Qt::SolidLine, Qt::RoundCap));
    for (int x = 84; x <= 204; x += 12) {
        painter.drawLine(x, 358, x, 374);
    }
    for (const int x : {318, 362}) {
        QRadialGradient knob(QPointF(x - 3, 363), 14);
        knob.setColorAt(0, QColor(236, 228, 210));
        knob.setColorAt(1, QColor(150, 140, 124));
        painter.setPen(QPen(ink, 1.5));
        painter.setBrush(knob);
        painter.drawEllipse(QPointF(x, 366), 11, 11);
        painter.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(x, 366), QPointF(x + (x == 318 ? 6 : -5), 358));
    }
}

void DrawSignpost(QPainter& painter)
{
    const int centreX = firstButton.center().x();
    painter.setPen(QPen(ink, 2));
    painter.setBrush(woodDark);
    painter.drawRect(QRectF(centreX - 7, 84, 14, bankTop - 84 + 12));
    for (int i = 0; i < buttonCount; ++i) {
        const QRectF plank = QRectF(firstButton.translated(0, i * buttonSpacing)).adjusted(-9, -7, 9, 7);
        QLinearGradient wood(plank.topLeft(), plank.bottomLeft());
        wood.setColorAt(0, woodLight.lighter(118));
        wood.setColorAt(1, woodLight.darker(112));
        painter.setPen(QPen(ink, 2));
        painter.setBrush(wood);
        painter.drawRoundedRect(plank, 5, 5);
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(70, 60, 50));
        painter.drawEllipse(QPointF(plank.left() + 4.5, plank.center().y()), 1.8, 1.8);
        painter.drawEllipse(QPointF(plank.right() - 4.5, plank.center().y()), 1.8, 1.8);
    }
}

} // namespace

QImage Background(int number)
{
    const Scene& scene = scenes.at(static_cast<std::size_t>(number));
    QImage image = Canvas(width, height, scene.scenery.skyBottom);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    scene.scenery.Paint(painter, QRectF(0, 0, width, height), double(waterTop) / height, double(bankTop) / height);
    for (const Decoration& decoration : scene.decorations) {
        DrawGlyph(painter, QString::fromUtf8(decoration.emoji), QPointF(decoration.x, decoration.y),
                  decoration.size * 4 / 5);
    }
    DrawTelevision(painter);
    DrawSignpost(painter);
    // Some of the cast about the marsh: a flyer perched on the signpost, a swimmer in the mere
    // and a grazer or a cannibal on the bank, turned a different way on every other background.
    const bool turned = number % 2 == 1;
    DrawGlyph(painter, shellCreatures[0].Emoji(), QPointF(500, 40), 48, turned);
    DrawGlyph(painter, shellCreatures[1].Emoji(), QPointF(586, 360), 50, !turned);
    DrawGlyph(painter, shellCreatures[number % 4 < 2 ? 2 : 3].Emoji(), QPointF(196, 414), 58, turned);
    DrawTitle(painter, QRectF(40, 4, 400, 56), 46);
    return image;
}

} // namespace MenuBackgrounds
