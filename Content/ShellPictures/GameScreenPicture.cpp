#include "Content/ShellPictures/GameScreenPicture.h"

#include "Content/GameArt/BoardArt.h"
#include "Content/GameArt/ScreenArt.h"
#include "Content/GameArt/ToolArt.h"
#include "Marrowmere/IDs/GraphicIDs.h"
#include "Marrowmere/Locations/Locations.h"

#include <QPainter>

#include <stdexcept>
#include <string>

namespace {

// Every still picture of the game, described once; each is painted when first asked for.
const ArtCatalogue& Catalogue()
{
    static const ArtCatalogue catalogue = [] {
        ArtCatalogue made;
        AddBackground(made);
        AddBoardStills(made);
        AddToolStills(made);
        AddInterfaceArt(made);
        return made;
    }();
    return catalogue;
}

const ArtCatalogue::Graphic& FindGraphic(ResourceID id)
{
    const ArtCatalogue::Graphic* graphic = Catalogue().FindGraphic(id);
    if (!graphic) {
        throw std::runtime_error("the game has no graphic " + std::to_string(id));
    }
    return *graphic;
}

} // namespace

GameScreenPicture::GameScreenPicture() : screen(PaintGraphic(GraphicIDs::Background())) {}

QImage GameScreenPicture::PaintGraphic(ResourceID id)
{
    return FindGraphic(id).paint();
}

void GameScreenPicture::Graphic(ResourceID id, Point2D position)
{
    const ArtCatalogue::Graphic& graphic = FindGraphic(id);
    QPainter painter(&screen);
    painter.drawImage(QPoint(position.x, position.y) + graphic.placement, graphic.paint());
}

void GameScreenPicture::Occupant(int row, int column, ObjectType object, DirectionType direction, int starvationTime)
{
    Graphic(GraphicIDs::Object(object, direction), Locations::ObjectAnimationPosition(row, column));
    if (object != tree) {
        Graphic(GraphicIDs::StarvationTimer(starvationTime), Locations::StarvationTimerPosition(row, column));
    }
}

void GameScreenPicture::Flood(int row, int column, int floodTime)
{
    Graphic(GraphicIDs::Flood(), Locations::ObjectAnimationPosition(row, column));
    Graphic(GraphicIDs::FloodTimer(floodTime), Locations::FloodTimerPosition(row, column));
}

void GameScreenPicture::FloodedSwimmer(int row, int column, DirectionType direction, int starvationTime,
                                       int floodTime)
{
    Graphic(GraphicIDs::FloodedSwimmer(direction), Locations::ObjectAnimationPosition(row, column));
    Graphic(GraphicIDs::StarvationTimer(starvationTime), Locations::StarvationTimerPosition(row, column));
    Graphic(GraphicIDs::FloodTimer(floodTime), Locations::FloodTimerPosition(row, column));
}

void GameScreenPicture::CurrentItem(ResourceID stillID)
{
    Graphic(stillID, Locations::ItemQueueAnimationPosition());
}

void GameScreenPicture::Digits(int value, ResourceID firstDigit, int edge, int middle, bool centred)
{
    const std::string text = std::to_string(value);
    std::vector<QImage> digits;
    int width = 0;
    for (const char digit : text) {
        digits.push_back(PaintGraphic(static_cast<ResourceID>(firstDigit + (digit - '0'))));
        width += digits.back().width();
    }
    int x = centred ? edge - width / 2 : edge - width;
    QPainter painter(&screen);
    for (const QImage& digit : digits) {
        painter.drawImage(QPoint(x, middle - digit.height() / 2), digit);
        x += digit.width();
    }
}

void GameScreenPicture::Score(int score)
{
    const Point2D edge = Locations::ScoreRightJustifiedPosition();
    Digits(score, GraphicIDs::ScoreDigitsStart(), edge.x, edge.y, false);
}

void GameScreenPicture::Picks(int count)
{
    const Point2D centre = Locations::PickCountPosition();
    Digits(count, GraphicIDs::PickCountDigitsStart(), centre.x, centre.y, true);
}

QImage GameScreenPicture::Lots(int firstRow, int firstColumn, int lastRow, int lastColumn) const
{
    const QuillonRectangle<int> first = Locations::LandLotHotSpotBounds(firstRow, firstColumn);
    const QuillonRectangle<int> last = Locations::LandLotHotSpotBounds(lastRow, lastColumn);
    return screen.copy(QRect(QPoint(first.left, first.top), QPoint(last.right - 1, last.bottom - 1)));
}
