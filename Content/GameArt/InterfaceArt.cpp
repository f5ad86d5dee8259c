#include "Content/ArtKit/ArtStyle.h"
#include "Content/ArtKit/Drawing.h"
#include "Content/ArtKit/EmojiArt.h"
#include "Content/GameArt/BoardArt.h"
#include "Content/GameArt/ScreenArt.h"
#include "Content/GameArt/ToolArt.h"
#include "Marrowmere/IDs/AnimationIDs.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/ItemQueue/ItemQueue.h"
#include "Marrowmere/Locations/Locations.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

namespace {

constexpr int maximumTime = 25;

QImage Canvas(int width, int height)
{
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    return picture;
}

QSize ToSize(Point2D size)
{
    return QSize(size.x, size.y);
}

// A dial of 20 x 20: the part of its circle still to go, as a pie from twelve o'clock.
QImage PaintDial(int remaining, bool isFlood)
{
    QImage picture = Canvas(20, 20);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const double fraction = remaining / double(maximumTime);
    const QRectF face(1, 1, 18, 18);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ArtStyle::paper);
    painter.drawEllipse(face);
    QColor fill = isFlood ? ArtStyle::water
                          : QColor::fromHsvF(0.33 * std::min(1.0, fraction * 1.4), 0.75, 0.85);
    painter.setBrush(fill);
    painter.drawPie(face.adjusted(1.5, 1.5, -1.5, -1.5), 90 * 16, static_cast<int>(-360 * 16 * fraction));
    painter.setPen(QPen(remaining == 0 ? ArtStyle::danger : ArtStyle::ink, 1.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(face);
    return picture;
}

// One digit picture: its own width, the set's height.
QImage PaintDigit(int digit, int pixelSize, const QColor& fill, double outline)
{
    const QFont font = ArtStyle::TextFont(pixelSize, true);
    const QFontMetricsF metrics(font);
    const QString text = QString::number(digit);
    const int margin = static_cast<int>(std::ceil(outline)) + 1;
    const int width = static_cast<int>(std::ceil(metrics.horizontalAdvance("0"))) + 2 * margin - 1;
    const int height = static_cast<int>(std::ceil(metrics.ascent())) + 2 * margin;
    QImage picture = Canvas(width, height);
    QPainter painter(&picture);
    Drawing::Words(painter, QRectF(0, margin - (metrics.height() - metrics.ascent()) / 2.0, width, metrics.height()),
                   text, pixelSize, fill, outline, Qt::AlignHCenter | Qt::AlignTop);
    return picture;
}

void AddDigits(ArtCatalogue& catalogue, ResourceID first, int pixelSize, const QColor& fill, double outline)
{
    for (int digit = 0; digit < 10; ++digit) {
        catalogue.AddStill(static_cast<ResourceID>(first + digit), {},
                           [=] { return PaintDigit(digit, pixelSize, fill, outline); }, "digits");
    }
}

QImage PaintButton(const QSize& size, const QString& text, ButtonType type)
{
    QImage picture = Canvas(size.width(), size.height());
    QPainter painter(&picture);
    const QColor fill = type == ButtonType::disabled ? ArtStyle::paperShade
                        : type == ButtonType::pressed ? ArtStyle::highlight.darker(112)
                                                      : ArtStyle::highlight;
    const double sink = type == ButtonType::pressed ? 1 : 0;
    Drawing::Panel(painter, QRectF(0, sink, size.width(), size.height() - sink), fill, 7);
    Drawing::Words(painter, QRectF(0, sink - 1, size.width(), size.height()), text, 15,
                   type == ButtonType::disabled ? ArtStyle::disabled : ArtStyle::ink);
    return picture;
}

void AddButtons(ArtCatalogue& catalogue, ResourceID (*id)(ButtonType), QSize size, const QString& text)
{
    for (ButtonType type : {ButtonType::normal, ButtonType::pressed, ButtonType::disabled}) {
        catalogue.AddStill(id(type), {}, [=] { return PaintButton(size, text, type); }, "buttons");
    }
}

// A creature or tool shown small, as in the pick dialog's cells and the cursors.
QImage Small(const QImage& picture, int side)
{
    return picture.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage PaintPickDialog()
{
    const QSize size = ToSize(Locations::pickDialogBoxSize);
    QImage picture = Canvas(size.width(), size.height());
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    Drawing::Panel(painter, QRectF(0, 0, size.width(), size.height()), ArtStyle::paper, 12);
    Drawing::Words(painter, QRectF(0, 10, size.width(), 30), "Pick any item", 22, ArtStyle::ink);
    const Point2D dialog = Locations::PickDialogBoxPosition();
    const auto cell = [&](ItemQueue::ItemType item, ObjectType animal, DirectionType direction) {
        const QuillonRectangle<int> bounds = Locations::PickDialogBoxItemHotSpotBounds(item, animal, direction);
        return QRectF(bounds.left - dialog.x, bounds.top - dialog.y, bounds.Width(), bounds.Height());
    };
    const auto drawCell = [&](const QRectF& rectangle, const QImage& content) {
        painter.setPen(QPen(ArtStyle::paperShade.darker(115), 1.5));
        painter.setBrush(ArtStyle::paper.darker(104));
        painter.drawRoundedRect(rectangle.adjusted(1, 1, -1, -1), 6, 6);
        painter.drawImage(rectangle.topLeft(), Small(content, static_cast<int>(rectangle.width())));
    };
    static const char* const names[4] = {"Flyers", "Swimmers", "Grazers", "Cannibals"};
    for (ObjectType animal : {flyer, swimmer, grazer, cannibal}) {
        for (DirectionType direction : {up, down, left, right}) {
            drawCell(cell(ItemQueue::animal, animal, direction), ObjectScene(animal, direction).Paint());
        }
        // The species' name in the free corner above its compass's left arm.
        const QRectF leftCell = cell(ItemQueue::animal, animal, left);
        const QRectF corner(leftCell.left() - 4, leftCell.top() - 24, 52, 22);
        Drawing::Words(painter, corner, names[animal], 11, ArtStyle::ink, 0, Qt::AlignLeft | Qt::AlignVCenter);
    }
    const struct {
        ItemQueue::ItemType item;
        Tool tool;
    } tools[] = {{ItemQueue::reverser, Tool::reverser},
                 {ItemQueue::clockwiseTurner, Tool::clockwiseTurner},
                 {ItemQueue::counterclockwiseTurner, Tool::counterclockwiseTurner},
                 {ItemQueue::death, Tool::death},
                 {ItemQueue::cloud, Tool::cloud}};
    for (const auto& tool : tools) {
        drawCell(cell(tool.item, flyer, up), PaintTool(tool.tool, 84));
    }
    Drawing::Words(painter, QRectF(20, 283, 210, 26), "Choose one, then press Use.", 13, ArtStyle::ink, 0,
                   Qt::AlignLeft | Qt::AlignVCenter, false);
    return picture;
}

QImage PaintSelectionOutline()
{
    const int side = Locations::pickDialogBoxItemSize.x - 2 * Locations::pickDialogBoxOutlineOffset.x;
    QImage picture = Canvas(side, side);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(ArtStyle::ink, 7));
    painter.drawRoundedRect(QRectF(3.5, 3.5, side - 7, side - 7), 8, 8);
    painter.setPen(QPen(ArtStyle::highlight, 4));
    painter.drawRoundedRect(QRectF(3.5, 3.5, side - 7, side - 7), 8, 8);
    return picture;
}

// A picture placed so that the pixel `hotSpot` of it lands on the sprite's position.
void AddPlaced(ArtCatalogue& catalogue, ResourceID id, const QImage& picture, QPoint hotSpot, const std::string& group)
{
    catalogue.AddStill(id, -hotSpot, [picture] { return picture; }, group);
}

QImage PaintArrowCursor()
{
    QImage picture = Canvas(16, 24);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QPolygonF arrow({{1, 1}, {1, 18}, {5.5, 14}, {9, 22}, {12, 20.5}, {8.5, 13}, {14, 13}});
    painter.setPen(QPen(ArtStyle::ink, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::MiterJoin));
    painter.setBrush(Qt::white);
    painter.drawPolygon(arrow);
    painter.end();
    // The tip is one whole ink pixel, so it lies exactly where the pointer is: nothing of the
    // outline's soft edge may stick out above or left of it.
    for (int i = 0; i < picture.width() || i < picture.height(); ++i) {
        if (i < picture.width()) {
            picture.setPixel(i, 0, qRgba(0, 0, 0, 0));
        }
        if (i < picture.height()) {
            picture.setPixel(0, i, qRgba(0, 0, 0, 0));
        }
    }
    picture.setPixel(1, 1, ArtStyle::ink.rgba());
    return picture;
}

QImage PaintRoundCursor(const QColor& fill, const QString& text)
{
    QImage picture = Canvas(26, 26);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ArtStyle::ink, 2));
    painter.setBrush(fill);
    painter.drawEllipse(QRectF(2, 2, 22, 22));
    if (text.isEmpty()) {
        painter.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(7.5, 7.5), QPointF(18.5, 18.5));
    } else {
        Drawing::Words(painter, QRectF(2, 2, 22, 22), text, 18, ArtStyle::ink);
    }
    return picture;
}

void AddCursors(ArtCatalogue& catalogue)
{
    AddPlaced(catalogue, GraphicIDs::Cursor(CursorType::arrow), PaintArrowCursor(), {1, 1}, "cursors");
    AddPlaced(catalogue, GraphicIDs::Cursor(CursorType::no), PaintRoundCursor(ArtStyle::danger, {}), {13, 13}, "cursors");
    AddPlaced(catalogue, GraphicIDs::Cursor(CursorType::questionMark), PaintRoundCursor(ArtStyle::highlight, "?"),
              {13, 13}, "cursors");
    const struct {
        CursorType cursor;
        Tool tool;
    } tools[] = {{CursorType::reverser, Tool::reverser},
                 {CursorType::clockwiseTurner, Tool::clockwiseTurner},
                 {CursorType::counterclockwiseTurner, Tool::counterclockwiseTurner},
                 {CursorType::death, Tool::death},
                 {CursorType::cloud, Tool::cloud}};
    for (const auto& tool : tools) {
        AddPlaced(catalogue, GraphicIDs::Cursor(tool.cursor), PaintTool(tool.tool, 36), {18, 18}, "cursors");
    }
}

// The pointing hand of the tutorial, outlined; `hotSpot` is set to its fingertip: the opaque
// pixel furthest along `direction`, in the middle of the fingertip's pixels.
QImage PaintPointer(DirectionType direction, QPoint& hotSpot)
{
    const QImage& hand = EmojiArt::Glyph(direction == down ? "👇" : "👉", 44);
    QImage picture = EmojiArt::Outlined(direction == left ? hand.mirrored(true, false) : hand, ArtStyle::ink, 2);
    const auto opaque = [&](int x, int y) { return qAlpha(picture.pixel(x, y)) >= 128; };
    std::vector<QPoint> extreme;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            if (!opaque(x, y)) {
                continue;
            }
            const QPoint p(x, y);
            const auto further = [&](const QPoint& a, const QPoint& b) {
                switch (direction) {
                case right: return a.x() - b.x();
                case left: return b.x() - a.x();
                default: return a.y() - b.y();
                }
            };
            if (extreme.empty() || further(p, extreme.front()) > 0) {
                extreme = {p};
            } else if (further(p, extreme.front()) == 0) {
                extreme.push_back(p);
            }
        }
    }
    hotSpot = extreme[extreme.size() / 2];
    return picture;
}

void AddPointers(ArtCatalogue& catalogue)
{
    for (DirectionType direction : {right, left, down}) {
        QPoint hotSpot;
        const QImage picture = PaintPointer(direction, hotSpot);
        AddPlaced(catalogue, GraphicIDs::TutorialPointer(direction), picture, hotSpot, "pointers");
    }
}

QImage PaintBannerHalf(const QString& word, bool isTop)
{
    QImage picture = Canvas(360, 78);
    QPainter painter(&picture);
    Drawing::Panel(painter, QRectF(0, isTop ? 0 : -20, 360, 98), ArtStyle::danger, 16);
    painter.setPen(QPen(ArtStyle::ink, ArtStyle::outlineWidth));
    Drawing::Words(painter, QRectF(0, isTop ? 6 : -2, 360, 72), word, 60, ArtStyle::paper, 3);
    return picture;
}

QImage PaintReason(const QString& words, const QString& glyphs)
{
    QImage picture = Canvas(320, 120);
    QPainter painter(&picture);
    Drawing::Panel(painter, QRectF(0, 0, 320, 120), ArtStyle::paper, 14);
    const QStringList emoji = glyphs.split(' ', Qt::SkipEmptyParts);
    const double start = 160 - emoji.size() * 22;
    for (int index = 0; index < emoji.size(); ++index) {
        painter.drawImage(QPointF(start + index * 44 + 2, 10), EmojiArt::Glyph(emoji[index], 40));
    }
    Drawing::Words(painter, QRectF(10, 54, 300, 60), words, 20, ArtStyle::ink);
    return picture;
}

void AddGameOver(ArtCatalogue& catalogue)
{
    catalogue.AddStill(GraphicIDs::GameOverTopHalf(), {}, [] { return PaintBannerHalf("GAME", true); }, "game over");
    catalogue.AddStill(GraphicIDs::GameOverBottomHalf(), {}, [] { return PaintBannerHalf("OVER", false); }, "game over");
    const struct {
        ResourceID id;
        const char* words;
        const char* glyphs;
    } reasons[] = {
        {GraphicIDs::MultipleSpeciesExtinction(), "Several species\nhave died out", "🦅 🐊 🦏 🦖"},
        {GraphicIDs::FlyerExtinction(), "The flyers\nhave died out", "🦅"},
        {GraphicIDs::SwimmerExtinction(), "The swimmers\nhave died out", "🐊"},
        {GraphicIDs::GrazerExtinction(), "The grazers\nhave died out", "🦏"},
        {GraphicIDs::CannibalExtinction(), "The cannibals\nhave died out", "🦖"},
        {GraphicIDs::Overpopulation(), "Overpopulation:\nno free lot is left", "🌳 🌿 🌳"},
    };
    for (const auto& reason : reasons) {
        const QString words = QString::fromUtf8(reason.words);
        const QString glyphs = QString::fromUtf8(reason.glyphs);
        catalogue.AddStill(reason.id, {}, [=] { return PaintReason(words, glyphs); }, "game over");
    }
}

// The complete-chain message: it pops up over the prey's lot, stays a moment and fades.
QImage PaintChainMessage(double scale, double opacity)
{
    const QSize size = ToSize(Locations::completeChainMessageSize);
    QImage picture = Canvas(size.width(), size.height());
    {
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.translate(size.width() / 2.0, size.height() / 2.0);
        painter.scale(scale, scale);
        painter.translate(-size.width() / 2.0, -size.height() / 2.0);
        Drawing::Panel(painter, QRectF(1, 1, size.width() - 2, size.height() - 2), ArtStyle::highlight, 14);
        Drawing::Words(painter, QRectF(0, 6, size.width(), 26), "Complete chain!", 20, ArtStyle::ink);
        static const QString glyphs[] = {"🦅", "🐊", "🦏", "🦖"};
        for (int species = 0; species < 4; ++species) {
            painter.drawImage(QPointF(23 + species * 32, 34), EmojiArt::Glyph(glyphs[species], 26));
        }
        Drawing::Words(painter, QRectF(0, 60, size.width(), 22), "+1 pick", 16, ArtStyle::danger, 1);
    }
    for (int y = 0; y < picture.height() && opacity < 1; ++y) {
        auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
        for (int x = 0; x < picture.width(); ++x) {
            if (((x * 7 + y * 13) % 16) >= opacity * 16) {
                row[x] = 0;
            }
        }
    }
    return picture;
}

void AddChainMessage(ArtCatalogue& catalogue)
{
    ArtCatalogue::Animation message{AnimationIDs::CompleteChainMessage(), 12, {}, "complete chain"};
    static constexpr double scales[] = {0.3, 0.7, 1.08, 1.0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    static constexpr double opacities[] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0.8, 0.6, 0.4, 0.2};
    for (std::size_t frame = 0; frame < std::size(scales); ++frame) {
        const double scale = scales[frame];
        const double opacity = opacities[frame];
        const std::string key = "chain " + std::to_string(scale) + " " + std::to_string(opacity);
        message.frames.push_back(
            {catalogue.FrameGraphic(key, {}, [=] { return PaintChainMessage(scale, opacity); }), {}});
    }
    catalogue.AddAnimation(std::move(message));
}

} // namespace

void AddInterfaceArt(ArtCatalogue& catalogue)
{
    for (int remaining = 0; remaining <= maximumTime; ++remaining) {
        catalogue.AddStill(GraphicIDs::StarvationTimer(remaining), {}, [=] { return PaintDial(remaining, false); }, "dials");
        catalogue.AddStill(GraphicIDs::FloodTimer(remaining), {}, [=] { return PaintDial(remaining, true); }, "dials");
    }
    AddDigits(catalogue, GraphicIDs::ScoreDigitsStart(), 24, ArtStyle::highlight, 2);
    AddDigits(catalogue, GraphicIDs::TimerDigitsStart(), 14, Qt::white, 1.5);
    AddDigits(catalogue, GraphicIDs::PickCountDigitsStart(), 17, ArtStyle::danger, 1);
    AddDigits(catalogue, GraphicIDs::FloatingScoreDigitsStart(), 20, Qt::white, 2);
    AddCursors(catalogue);
    AddButtons(catalogue, GraphicIDs::PickButton, ToSize(Locations::pickButtonSize), "Pick");
    AddButtons(catalogue, GraphicIDs::PickDialogBoxUseButton, ToSize(Locations::pickDialogBoxUseButtonSize), "Use");
    AddButtons(catalogue, GraphicIDs::PickDialogBoxCancelButton, ToSize(Locations::pickDialogBoxCancelButtonSize),
               "Cancel");
    catalogue.AddStill(GraphicIDs::PickDialogBox(), {}, PaintPickDialog, "pick dialog");
    catalogue.AddStill(GraphicIDs::PickDialogBoxSelectionOutline(), {}, PaintSelectionOutline, "pick dialog");
    AddPointers(catalogue);
    AddGameOver(catalogue);
    AddChainMessage(catalogue);
}
