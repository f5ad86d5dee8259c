#include "Content/GameArt/LotScene.h"

#include "Content/ArtKit/ArtStyle.h"
#include "Content/ArtKit/Drawing.h"
#include "Content/ArtKit/EmojiArt.h"

#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <cstdio>
#include <map>
#include <tuple>
#include <utility>

namespace {

constexpr int glyphSize = 54;
constexpr double tokenRadius = 30;
constexpr int coarseBlock = 4;

const QString& KindGlyph(ObjectType kind)
{
    static const QString glyphs[6] = {"🦅", "🐊", "🦏", "🦖", "🌿", "🌳"};
    return glyphs[kind];
}

// The glyph as a creature facing left (the font draws some facing right); outlined in ink
// for the coarse set, where no disc sets it off from the meadow.
const QImage& KindPicture(ObjectType kind, int size, bool outlined)
{
    static std::map<std::tuple<int, int, bool>, QImage> pictures;
    const auto key = std::make_tuple(static_cast<int>(kind), size, outlined);
    if (const auto found = pictures.find(key); found != pictures.end()) {
        return found->second;
    }
    QImage picture = EmojiArt::Glyph(KindGlyph(kind), size);
    if (kind == cannibal) {
        picture = picture.mirrored(true, false);
    }
    if (outlined) {
        picture = EmojiArt::Outlined(picture, ArtStyle::ink, 3);
    }
    return pictures.emplace(key, std::move(picture)).first->second;
}

bool IsAnimal(ObjectType kind)
{
    return kind <= cannibal;
}

double Wrap(double degrees)
{
    double wrapped = std::fmod(degrees, 360.0);
    if (wrapped < 0) {
        wrapped += 360.0;
    }
    return std::abs(wrapped - 360.0) < 1e-6 ? 0.0 : wrapped;
}

// Ordered dithering: whether a pixel survives at an opacity, by the 4 x 4 Bayer matrix.
bool Survives(int x, int y, double opacity)
{
    static constexpr int bayer[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return bayer[y & 3][x & 3] < opacity * 16.0;
}

void DitherAway(QImage& layer, double opacity, int block = 1)
{
    if (opacity >= 1.0) {
        return;
    }
    for (int y = 0; y < layer.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            if (!Survives(x / block, y / block, opacity)) {
                row[x] = 0;
            }
        }
    }
}

QPointF Centre(const QRect& canvas, const CreaturePose& pose)
{
    return QPointF(LotScene::lotPicture / 2.0 - canvas.left(), LotScene::lotPicture / 2.0 - canvas.top()) + pose.shift;
}

// An animal stands on a disc of its species' colour with a big arrow head on the rim pointing
// the way it faces; in the coarse set the disc is left out and the glyph is larger.
void PaintCreature(QPainter& painter, const QRect& canvas, const CreaturePose& pose, bool coarse)
{
    const QPointF centre = Centre(canvas, pose);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (IsAnimal(pose.kind)) {
        const double radius = tokenRadius * pose.size;
        const QColor species = ArtStyle::speciesColors[pose.kind];
        if (!coarse) {
            painter.setPen(QPen(ArtStyle::ink, ArtStyle::outlineWidth));
            painter.setBrush(species.lighter(150));
            painter.drawEllipse(centre, radius, radius);
        }
        const double arrowAngle = pose.arrowAngle * M_PI / 180.0;
        const QPointF direction(std::cos(arrowAngle), std::sin(arrowAngle));
        const double arrow = pose.size * pose.arrowSize;
        Drawing::ArrowHead(painter, centre + direction * (radius + 11 * arrow), pose.arrowAngle, 17 * arrow,
                           28 * arrow, coarse ? species : species.darker(115));
    }
    const int size = IsAnimal(pose.kind) ? (coarse ? 66 : glyphSize) : (pose.kind == grass ? 64 : 80);
    const QImage& glyph = KindPicture(pose.kind, size, coarse);
    painter.save();
    painter.translate(centre);
    painter.rotate(pose.angle);
    painter.scale(pose.scaleX * pose.size, pose.scaleY * pose.size);
    painter.drawImage(QPointF(-size / 2.0, -size / 2.0), glyph);
    painter.restore();
}

void PaintWater(QPainter& painter, const LotScene& scene)
{
    if (scene.waterLevel <= 0) {
        return;
    }
    const QRectF lot(-scene.canvas.left(), -scene.canvas.top(), LotScene::lotPicture, LotScene::lotPicture);
    QRectF surface = lot;
    surface.setTop(lot.bottom() - lot.height() * std::min(scene.waterLevel, 1.0));
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(surface);
    QPainterPath body;
    body.addRoundedRect(lot.adjusted(1, 1, -1, -1), 10, 10);
    const QColor deep = scene.lantern ? QColor(0x1C, 0x2A, 0x5A) : ArtStyle::water;
    const QColor shallow = scene.lantern ? QColor(0x2E, 0x44, 0x80) : ArtStyle::water.lighter(118);
    QLinearGradient fill(lot.topLeft(), lot.bottomLeft());
    fill.setColorAt(0, shallow);
    fill.setColorAt(1, deep);
    painter.setPen(QPen(ArtStyle::ink, ArtStyle::outlineWidth));
    painter.setBrush(fill);
    painter.drawPath(body);
    if (scene.lantern) {
        QRadialGradient glow(lot.center() + QPointF(18, 18), 46 * scene.lanternGlow);
        glow.setColorAt(0, QColor(0xFF, 0xC8, 0x5A, 200));
        glow.setColorAt(1, QColor(0xFF, 0xC8, 0x5A, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(glow);
        painter.drawPath(body);
    }
    // Three rows of ripples drift across with the phase.
    painter.setPen(QPen(scene.lantern ? QColor(0xFF, 0xD9, 0x8A) : ArtStyle::waterLight, 2.2, Qt::SolidLine,
                        Qt::RoundCap));
    painter.setBrush(Qt::NoBrush);
    for (int row = 0; row < 3; ++row) {
        const double y = lot.top() + 22 + row * 22;
        const double drift = std::fmod(scene.waterPhase * 28 + row * 11, 28.0);
        for (double x = lot.left() - 28 + drift; x < lot.right(); x += 28) {
            QPainterPath wave;
            wave.moveTo(x, y);
            wave.quadTo(x + 5, y - 4, x + 10, y);
            wave.quadTo(x + 15, y + 4, x + 20, y);
            painter.drawPath(wave);
        }
    }
    painter.restore();
    if (scene.lantern && scene.waterLevel >= 1) {
        const QImage& lantern = EmojiArt::Glyph("🏮", 22);
        painter.drawImage(QPointF(lot.right() - 26, lot.bottom() - 27), lantern);
    }
}

void Lighten(QImage& layer, const QColor& toward, double amount)
{
    for (int y = 0; y < layer.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(layer.scanLine(y));
        for (int x = 0; x < layer.width(); ++x) {
            const int alpha = qAlpha(row[x]);
            if (alpha == 0) {
                continue;
            }
            const auto mix = [&](int channel, int target) {
                return static_cast<int>(channel + (target * alpha / 255 - channel) * amount);
            };
            row[x] = qRgba(mix(qRed(row[x]), toward.red()), mix(qGreen(row[x]), toward.green()),
                           mix(qBlue(row[x]), toward.blue()), alpha);
        }
    }
}

// Big square pixels in few shades: the look of the creature set of the coarse hidden mode.
QImage Coarsen(const QImage& picture, double opacity)
{
    const QImage small = picture.scaled(picture.width() / coarseBlock, picture.height() / coarseBlock,
                                        Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    QImage result(picture.size(), QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    for (int y = 0; y < small.height(); ++y) {
        for (int x = 0; x < small.width(); ++x) {
            const QRgb pixel = qUnpremultiply(small.pixel(x, y));
            if (qAlpha(small.pixel(x, y)) < 110 || !Survives(x, y, opacity)) {
                continue;
            }
            const auto posterize = [](int channel) { return std::min(255, (channel + 21) / 42 * 42 + 21); };
            const QRgb block = qRgb(posterize(qRed(pixel)), posterize(qGreen(pixel)), posterize(qBlue(pixel)));
            for (int dy = 0; dy < coarseBlock; ++dy) {
                auto* row = reinterpret_cast<QRgb*>(result.scanLine(y * coarseBlock + dy));
                for (int dx = 0; dx < coarseBlock; ++dx) {
                    row[x * coarseBlock + dx] = block;
                }
            }
        }
    }
    return result;
}

} // namespace

CreaturePose CreaturePose::Canonical() const
{
    CreaturePose pose = *this;
    pose.angle = Wrap(pose.angle);
    pose.arrowAngle = Wrap(pose.arrowAngle);
    // A turn by a then a mirror both ways is a turn by a + 180: scaleY is kept positive.
    if (pose.scaleY < 0) {
        pose.angle = Wrap(pose.angle + 180);
        pose.scaleX = -pose.scaleX;
        pose.scaleY = -pose.scaleY;
    }
    return pose;
}

std::string LotScene::Key() const
{
    // Rounded, and never "-0", so equal pictures get equal keys.
    const auto F = [](double value) { return std::round(value * 1000.0) / 1000.0 + 0.0; };
    char buffer[256];
    std::snprintf(buffer, sizeof buffer, "c%d,%d,%d,%d w%.3f,%.3f,%d,%d,%.3f l%d o%.3f", canvas.left(), canvas.top(),
                  canvas.width(), canvas.height(), F(waterLevel), F(std::fmod(waterPhase, 1.0)),
                  waterOverCreatures ? 1 : 0, lantern ? 1 : 0, F(lanternGlow), static_cast<int>(look), F(coarseOpacity));
    std::string key = buffer;
    for (const CreaturePose& raw : creatures) {
        const CreaturePose pose = raw.Canonical();
        std::snprintf(buffer, sizeof buffer, "|k%d a%.2f s%.3f,%.3f r%.2f p%.2f,%.2f z%.3f o%.3f m%.3f", pose.kind,
                      F(pose.angle), F(pose.scaleX), F(pose.scaleY), F(pose.arrowAngle), F(pose.shift.x()),
                      F(pose.shift.y()), F(pose.size), F(pose.opacity), F(pose.arrowSize));
        key += buffer;
    }
    return key;
}

QImage LotScene::Paint() const
{
    QImage picture(canvas.size(), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    if (!waterOverCreatures) {
        PaintWater(painter, *this);
    }
    for (const CreaturePose& raw : creatures) {
        const CreaturePose pose = raw.Canonical();
        if (pose.size <= 0.01 || pose.opacity <= 0) {
            continue;
        }
        QImage layer(canvas.size(), QImage::Format_ARGB32_Premultiplied);
        layer.fill(Qt::transparent);
        {
            QPainter layerPainter(&layer);
            PaintCreature(layerPainter, canvas, pose, look == SceneLook::coarse);
        }
        if (look == SceneLook::ghost || look == SceneLook::floodGhost) {
            Lighten(layer, look == SceneLook::ghost ? QColor(Qt::white) : ArtStyle::waterLight, 0.45);
            DitherAway(layer, 0.5);
        }
        DitherAway(layer, pose.opacity);
        painter.drawImage(0, 0, layer);
    }
    if (waterOverCreatures) {
        PaintWater(painter, *this);
    }
    painter.end();
    return look == SceneLook::coarse ? Coarsen(picture, coarseOpacity) : picture;
}

CreaturePose StillPose(ObjectType kind, DirectionType direction)
{
    CreaturePose pose;
    pose.kind = kind;
    if (kind > cannibal) {
        return pose;
    }
    pose.arrowAngle = ArrowAngle(direction);
    switch (direction) {
    case up: pose.angle = 90; break;
    case down: pose.angle = 270; break;
    case left: break;
    case right: pose.scaleX = -1; break;
    }
    return pose;
}

double ArrowAngle(DirectionType direction)
{
    static constexpr double angles[4] = {270, 90, 180, 0};
    return angles[direction];
}

QPoint LotStep(DirectionType direction)
{
    static const QPoint steps[4] = {{0, -LotScene::lotPitch}, {0, LotScene::lotPitch}, {-LotScene::lotPitch, 0},
                                    {LotScene::lotPitch, 0}};
    return steps[direction];
}
