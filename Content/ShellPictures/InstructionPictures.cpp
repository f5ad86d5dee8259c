#include "Content/ShellPictures/InstructionPictures.h"

#include "Content/ArtKit/ArtStyle.h"
#include "Content/ArtKit/Drawing.h"
#include "Content/ShellPictures/GameScreenPicture.h"
#include "Content/ShellPictures/MenuBackgrounds.h"
#include "Content/ShellPictures/SlidePictures.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/Locations/Locations.h"

#include <QPainter>

#include <functional>
#include <map>
#include <stdexcept>
#include <vector>

namespace InstructionPictures {
namespace {

const QColor ground = ArtStyle::paper;

QImage Blank(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(ground);
    return image;
}

// Pictures side by side with a gap, each with an optional caption under it, centred in a row.
QImage Row(const std::vector<QImage>& pictures, const std::vector<QString>& captions = {}, int gap = 12)
{
    int width = 0;
    int height = 0;
    for (const QImage& picture : pictures) {
        width += picture.width() + gap;
        height = std::max(height, picture.height());
    }
    width -= gap;
    const int captionHeight = captions.empty() ? 0 : 22;
    QImage row = Blank(width, height + captionHeight);
    QPainter painter(&row);
    int x = 0;
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        painter.drawImage(QPoint(x, (height - pictures[i].height()) / 2), pictures[i]);
        if (i < captions.size()) {
            Drawing::Words(painter, QRectF(x - gap / 2.0, height + 2, pictures[i].width() + gap, 20), captions[i], 14,
                           ArtStyle::ink, 0);
        }
        x += pictures[i].width() + gap;
    }
    return row;
}

// A picture with a thin ink frame, as a piece cut out of the screen.
QImage Framed(const QImage& picture)
{
    QImage framed = picture.copy();
    QPainter painter(&framed);
    painter.setPen(QPen(ArtStyle::ink, 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1, 1, framed.width() - 2, framed.height() - 2));
    return framed;
}

// An arrow pointing right (or down) with a word on it, between a before and an after.
QImage Arrow(const QString& word, bool down = false)
{
    QImage arrow = down ? Blank(widest, 40) : Blank(56, 60);
    QPainter painter(&arrow);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ArtStyle::ink, 4, Qt::SolidLine, Qt::RoundCap));
    if (down) {
        painter.drawLine(QPointF(40, 4), QPointF(40, 26));
        Drawing::ArrowHead(painter, QPointF(40, 36), 90, 14, 16, ArtStyle::highlight);
        Drawing::Words(painter, QRectF(60, 4, widest - 60, 32), word, 15, ArtStyle::ink, 0, Qt::AlignLeft | Qt::AlignVCenter);
    } else {
        painter.drawLine(QPointF(6, 40), QPointF(38, 40));
        Drawing::ArrowHead(painter, QPointF(50, 40), 0, 14, 16, ArtStyle::highlight);
        Drawing::Words(painter, QRectF(0, 4, 56, 22), word, 13, ArtStyle::ink, 0);
    }
    return arrow;
}

// Before and after of the same lots: side by side when they fit, else one under the other.
QImage BeforeAfter(const QImage& before, const QImage& after, const QString& word = "then")
{
    const QImage framedBefore = Framed(before);
    const QImage framedAfter = Framed(after);
    if (before.width() * 2 + 56 + 24 <= widest) {
        return Row({framedBefore, Arrow(word), framedAfter}, {"before", "", "after"});
    }
    const QImage arrow = Arrow(word, true);
    QImage column = Blank(std::max(before.width(), after.width()), before.height() + after.height() + arrow.height());
    // The arrow's words may reach past the lots; the column is as wide as the widest lots.
    QPainter painter(&column);
    painter.drawImage(0, 0, framedBefore);
    painter.drawImage(0, before.height(), arrow);
    painter.drawImage(0, before.height() + arrow.height(), framedAfter);
    return column;
}

QImage Scaled(const QImage& picture, int width)
{
    return picture.scaledToWidth(width, Qt::SmoothTransformation);
}

// The first lots of the top row, each framed on its own with its caption under it.
QImage LotRow(const GameScreenPicture& game, const std::vector<QString>& captions, int lotWidth = 88)
{
    std::vector<QImage> lots;
    for (int column = 0; column < static_cast<int>(captions.size()); ++column) {
        lots.push_back(Framed(Scaled(game.Lots(0, column, 0, column), lotWidth)));
    }
    return Row(lots, captions, lotWidth > 88 ? 10 : 12);
}

// A mid-game screen: a few of every kind, a flood, grass and a tree.
GameScreenPicture TypicalGame()
{
    GameScreenPicture game;
    game.Occupant(0, 0, flyer, right, 18);
    game.Occupant(0, 3, tree);
    game.Occupant(1, 1, grazer, down, 21);
    game.Occupant(1, 4, cannibal, left, 9);
    game.Occupant(2, 1, grass, left, 14);
    game.FloodedSwimmer(2, 3, up, 23, 17);
    game.Occupant(3, 0, swimmer, right, 12);
    game.Occupant(3, 2, cannibal, up, 20);
    game.Flood(4, 1, 6);
    game.Occupant(4, 3, flyer, up, 24);
    game.Occupant(4, 4, grazer, left, 5);
    game.CurrentItem(GraphicIDs::Object(swimmer, left));
    game.Score(2350);
    game.Picks(1);
    const QuillonRectangle<int> pickButton = Locations::PickButtonHotSpotBounds();
    game.Graphic(GraphicIDs::PickButton(ButtonType::normal), Point2D{pickButton.left, pickButton.top});
    return game;
}

QImage Screen()
{
    return Scaled(TypicalGame().Image(), widest);
}

// The screen with numbered badges on its parts; the page's text explains the numbers.
QImage LabelledScreen()
{
    QImage screen = Screen();
    const double scale = double(screen.width()) / Locations::screenSize.x;
    // Beside each part rather than on it, so that nothing it points at is hidden.
    const QPointF badges[] = {{240, 240}, {474, 78}, {472, 14}, {618, 100}, {626, 149}, {474, 198}, {474, 344}};
    QPainter painter(&screen);
    painter.setRenderHint(QPainter::Antialiasing);
    int number = 1;
    for (const QPointF& at : badges) {
        const QPointF centre = at * scale;
        painter.setPen(QPen(ArtStyle::ink, 2));
        painter.setBrush(ArtStyle::danger);
        painter.drawEllipse(centre, 11, 11);
        Drawing::Words(painter, QRectF(centre.x() - 11, centre.y() - 11, 22, 22), QString::number(number++), 15,
                       ArtStyle::paper, 0);
    }
    return screen;
}

QImage Species()
{
    GameScreenPicture game;
    for (int column = 0; column < 4; ++column) {
        game.Occupant(0, column, static_cast<ObjectType>(column), left);
    }
    return LotRow(game, {"Flyer", "Swimmer", "Grazer", "Cannibal"});
}

QImage Facings()
{
    GameScreenPicture game;
    const DirectionType directions[] = {up, right, down, left};
    for (int column = 0; column < 4; ++column) {
        game.Occupant(0, column, grazer, directions[column]);
    }
    return LotRow(game, {"up", "right", "down", "left"});
}

QImage Plants()
{
    GameScreenPicture game;
    game.Occupant(0, 0, grass, left, 25);
    game.Occupant(0, 1, tree);
    game.Flood(0, 2, 25);
    game.FloodedSwimmer(0, 3, left);
    return LotRow(game, {"grass", "tree", "flood", "in a flood"});
}

// The circle of who eats whom, each arrow pointing from the eater to its food.
QImage FoodChain()
{
    GameScreenPicture game;
    for (int column = 0; column < 4; ++column) {
        game.Occupant(0, column, static_cast<ObjectType>(column), left);
    }
    game.Occupant(1, 0, grass, left);
    constexpr int lot = 88;
    QImage chain = Blank(widest, 300);
    QPainter painter(&chain);
    painter.setRenderHint(QPainter::Antialiasing);
    // Flyer top, swimmer right, grazer bottom, cannibal left: each eats the next one round.
    const QPointF centres[4] = {{228, 56}, {348, 150}, {228, 244}, {108, 150}};
    for (int species = 0; species < 4; ++species) {
        painter.drawImage(centres[species] - QPointF(lot / 2.0, lot / 2.0), Framed(game.Lots(0, species, 0, species)));
    }
    painter.drawImage(QPointF(400 - lot / 2.0 + 12, 244 - lot / 2.0), Framed(game.Lots(1, 0, 1, 0)));
    const auto eats = [&](QPointF from, QPointF to) {
        const QPointF direction = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
        const QPointF start = from + direction * 52;
        const QPointF tip = to - direction * 52;
        painter.setPen(QPen(ArtStyle::ink, 4, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(start, tip - direction * 10);
        Drawing::ArrowHead(painter, tip, std::atan2(direction.y(), direction.x()) * 180 / M_PI, 16, 18,
                           ArtStyle::highlight);
    };
    eats(centres[0], centres[1]); // flyer eats swimmer
    eats(centres[1], centres[2]); // swimmer eats grazer
    eats(centres[2], centres[3]); // grazer eats cannibal
    eats(centres[3], centres[0]); // cannibal eats flyer
    eats(centres[2] + QPointF(0, 0), QPointF(412, 244)); // grazer eats grass
    Drawing::Words(painter, QRectF(0, 10, 150, 40), "an arrow points\nfrom eater to food", 13, ArtStyle::ink, 0,
                   Qt::AlignLeft | Qt::AlignTop);
    Drawing::Words(painter, QRectF(0, 232, 150, 60), "cannibals also\neat other cannibals", 13, ArtStyle::ink, 0,
                   Qt::AlignLeft | Qt::AlignTop);
    return chain;
}

QImage EatNear()
{
    GameScreenPicture before;
    before.Occupant(0, 0, swimmer, right, 11);
    before.Occupant(0, 1, grazer, down, 20);
    GameScreenPicture after;
    after.Occupant(0, 1, swimmer, right, 25);
    return BeforeAfter(before.Lots(0, 0, 0, 1), after.Lots(0, 0, 0, 1), "eats");
}

QImage EatFar()
{
    GameScreenPicture before;
    before.Occupant(0, 0, flyer, right, 7);
    before.Occupant(0, 1, tree);
    before.Occupant(0, 2, grazer, up, 15);
    before.Occupant(0, 4, swimmer, down, 19);
    GameScreenPicture after;
    after.Occupant(0, 1, tree);
    after.Occupant(0, 2, grazer, up, 14);
    after.Occupant(0, 4, flyer, right, 25);
    return BeforeAfter(before.Lots(0, 0, 0, 4), after.Lots(0, 0, 0, 4), "the flyer flies over and eats");
}

QImage Contest()
{
    GameScreenPicture game;
    game.Occupant(0, 0, swimmer, right);
    game.Occupant(0, 1, grazer, left);
    game.Occupant(0, 2, swimmer, left);
    game.Occupant(1, 0, grazer, right);
    game.Occupant(1, 1, cannibal, up);
    game.Occupant(1, 2, grazer, left);
    return Framed(game.Lots(0, 0, 1, 2));
}

QImage Cannibals()
{
    GameScreenPicture before;
    before.Occupant(0, 0, cannibal, right, 10);
    before.Occupant(0, 1, cannibal, up, 20);
    before.Occupant(1, 0, cannibal, right, 10);
    before.Occupant(1, 1, cannibal, left, 20);
    GameScreenPicture after;
    after.Occupant(0, 1, cannibal, right, 25);
    after.Occupant(1, 0, cannibal, right, 9);
    after.Occupant(1, 1, cannibal, left, 19);
    return BeforeAfter(before.Lots(0, 0, 1, 1), after.Lots(0, 0, 1, 1), "eats");
}

// A whole chain in one turn: the grazer placed last sets off four eatings in a row.
QImage ChainBefore()
{
    GameScreenPicture game;
    game.Occupant(1, 4, swimmer, down, 14);
    game.Occupant(2, 0, flyer, right, 9);
    game.Occupant(2, 3, grazer, right, 25);
    game.Occupant(2, 4, cannibal, down, 12);
    game.Occupant(3, 4, cannibal, up, 17);
    QImage lots = game.Lots(1, 0, 3, 4);
    // Ring the lot where the grazer was just placed.
    QPainter painter(&lots);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ArtStyle::highlight, 4));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(3 * 88 + 3, 88 + 3, 82, 82), 8, 8);
    painter.end();
    return Framed(lots);
}

QImage ChainAfter()
{
    GameScreenPicture game;
    game.Occupant(2, 4, cannibal, up, 25);
    return Framed(game.Lots(1, 0, 3, 4));
}

QImage Starving()
{
    GameScreenPicture before;
    before.Occupant(0, 0, grazer, right, 1);
    before.Occupant(0, 2, grass, left, 1);
    GameScreenPicture after;
    after.Occupant(0, 0, grass, left, 25);
    after.Occupant(0, 2, tree);
    const auto lot = [](const GameScreenPicture& game, int column) { return Framed(Scaled(game.Lots(0, column, 0, column), 76)); };
    return Row({lot(before, 0), Arrow("starves"), lot(after, 0), Blank(8, 8), lot(before, 2), Arrow("grows"), lot(after, 2)},
               {}, 4);
}

QImage Dials()
{
    GameScreenPicture game;
    game.Occupant(0, 0, flyer, right, 25);
    game.Occupant(0, 1, flyer, right, 12);
    game.Occupant(0, 2, flyer, right, 3);
    game.FloodedSwimmer(0, 3, left, 20, 8);
    return LotRow(game, {"25 turns", "12 turns", "3 turns", "flood: 8"}, 100);
}

QImage Items()
{
    const ResourceID tools[] = {GraphicIDs::Object(cannibal, right), GraphicIDs::Reverser(),
                                GraphicIDs::ClockwiseTurner(), GraphicIDs::CounterclockwiseTurner(),
                                GraphicIDs::Death(), GraphicIDs::Cloud()};
    std::vector<QImage> pictures;
    for (const ResourceID id : tools) {
        pictures.push_back(Scaled(GameScreenPicture::PaintGraphic(id), 64));
    }
    return Row(pictures, {"creature", "reverser", "turn right", "turn left", "death", "cloud"}, 12);
}

QImage Tools()
{
    GameScreenPicture before;
    GameScreenPicture after;
    const struct {
        ObjectType object;
        DirectionType from, to;
    } turns[] = {{swimmer, left, right}, {swimmer, up, right}, {swimmer, up, left}};
    for (int column = 0; column < 3; ++column) {
        before.Occupant(0, column, turns[column].object, turns[column].from, 16);
        after.Occupant(0, column, turns[column].object, turns[column].to, 16);
    }
    before.Occupant(0, 3, grazer, down, 10);
    after.Occupant(0, 3, grass, left, 25);
    before.Occupant(0, 4, grazer, down, 10);
    after.Flood(0, 4, 25);
    const QString words[] = {"reverser", "turn right", "turn left", "death", "cloud"};
    std::vector<QImage> columns;
    for (int column = 0; column < 5; ++column) {
        const QImage top = Framed(Scaled(before.Lots(0, column, 0, column), 72));
        const QImage bottom = Framed(Scaled(after.Lots(0, column, 0, column), 72));
        QImage pair = Blank(80, 72 * 2 + 44);
        QPainter painter(&pair);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.drawImage(4, 0, top);
        Drawing::ArrowHead(painter, QPointF(40, 72 + 30), 90, 12, 14, ArtStyle::highlight);
        Drawing::Words(painter, QRectF(0, 72, 80, 18), words[column], 12, ArtStyle::ink, 0);
        painter.drawImage(4, 72 + 44, bottom);
        columns.push_back(pair);
    }
    return Row(columns, {}, 10);
}

QImage PickButton()
{
    GameScreenPicture game = TypicalGame();
    return Framed(game.Image().copy(QRect(468, 8, 164, 166)));
}

QImage PickDialog()
{
    QImage dialog = GameScreenPicture::PaintGraphic(GraphicIDs::PickDialogBox());
    QPainter painter(&dialog);
    const Point2D origin = Locations::PickDialogBoxPosition();
    const auto placed = [&](ResourceID id, Point2D screenPosition) {
        painter.drawImage(QPoint(screenPosition.x - origin.x, screenPosition.y - origin.y),
                          GameScreenPicture::PaintGraphic(id));
    };
    const QuillonRectangle<int> chosen = Locations::PickDialogBoxItemHotSpotBounds(ItemQueue::animal, grazer, right);
    placed(GraphicIDs::PickDialogBoxSelectionOutline(),
           Point2D{chosen.left, chosen.top} + Locations::PickDialogBoxOutlineOffset());
    const QuillonRectangle<int> use = Locations::PickDialogBoxUseButtonHotSpotBounds();
    const QuillonRectangle<int> cancel = Locations::PickDialogBoxCancelButtonHotSpotBounds();
    placed(GraphicIDs::PickDialogBoxUseButton(ButtonType::normal), Point2D{use.left, use.top});
    placed(GraphicIDs::PickDialogBoxCancelButton(ButtonType::normal), Point2D{cancel.left, cancel.top});
    return dialog.width() > widest ? Scaled(dialog, widest) : dialog;
}

QImage GameOver()
{
    const QImage top = GameScreenPicture::PaintGraphic(GraphicIDs::GameOverTopHalf());
    const QImage bottom = GameScreenPicture::PaintGraphic(GraphicIDs::GameOverBottomHalf());
    const QImage reason = GameScreenPicture::PaintGraphic(GraphicIDs::GrazerExtinction());
    const int width = std::max({top.width(), bottom.width(), reason.width()}) + 24;
    QImage picture(width, top.height() + bottom.height() + reason.height() + 36, QImage::Format_ARGB32_Premultiplied);
    picture.fill(QColor(40, 44, 60));
    QPainter painter(&picture);
    painter.drawImage((width - top.width()) / 2, 12, top);
    painter.drawImage((width - bottom.width()) / 2, 12 + top.height(), bottom);
    painter.drawImage((width - reason.width()) / 2, 24 + top.height() + bottom.height(), reason);
    painter.end();
    return Framed(picture.width() > widest ? Scaled(picture, widest) : picture);
}

// The menu screen with its six buttons, as the player sees it.
QImage MenuScreen()
{
    QImage screen = MenuBackgrounds::Background(0);
    QPainter painter(&screen);
    painter.setRenderHint(QPainter::Antialiasing);
    const char* const captions[] = {"New Game", "Resume Game", "Tutorial", "Instructions", "High Scores", "Exit"};
    for (int i = 0; i < MenuBackgrounds::buttonCount; ++i) {
        const QRectF button = QRectF(MenuBackgrounds::firstButton.translated(0, i * MenuBackgrounds::buttonSpacing));
        painter.setPen(QPen(QColor(120, 120, 120), 1));
        painter.setBrush(i == 1 ? QColor(225, 225, 225) : QColor(246, 246, 246));
        painter.drawRoundedRect(button, 3, 3);
        Drawing::Words(painter, button, captions[i], 14, i == 1 ? ArtStyle::disabled : ArtStyle::ink, 0,
                       Qt::AlignCenter, false);
    }
    painter.drawImage(MenuBackgrounds::screenArea.topLeft(), SlidePictures::LogoTitle());
    painter.end();
    return Framed(Scaled(screen, widest));
}

const std::map<QString, std::function<QImage()>>& Painters()
{
    static const std::map<QString, std::function<QImage()>> painters = {
        {"screen", Screen},           {"screen-labelled", LabelledScreen},
        {"species", Species},         {"facings", Facings},
        {"plants", Plants},           {"food-chain", FoodChain},
        {"eat-near", EatNear},        {"eat-far", EatFar},
        {"contest", Contest},         {"cannibals", Cannibals},
        {"chain-before", ChainBefore}, {"chain-after", ChainAfter},
        {"starving", Starving},       {"dials", Dials},
        {"items", Items},             {"tools", Tools},
        {"pick-button", PickButton},  {"pick-dialog", PickDialog},
        {"game-over", GameOver},      {"menu-screen", MenuScreen},
    };
    return painters;
}

} // namespace

QImage Picture(const QString& name)
{
    const auto found = Painters().find(name);
    if (found == Painters().end()) {
        throw std::runtime_error("no instruction picture is named " + name.toStdString());
    }
    return found->second();
}

} // namespace InstructionPictures
