#pragma once

#include "Content/GameArt/ArtCatalogue.h"
#include "Core/Point/Point2D.h"
#include "Marrowmere/Inhabitants/InhabitantTypes.h"

#include <QImage>
#include <QRect>

// A picture of the game screen put together from the game's own graphics, drawn where the
// game draws them: the background, creatures and plants on their lots with their dials,
// floods, the current item, the score and the pick count. The instruction pages show it
// whole or in pieces.
class GameScreenPicture {
public:
    GameScreenPicture();

    // A creature (with its starvation dial), grass (with its dial) or a tree on a lot.
    void Occupant(int row, int column, ObjectType object, DirectionType direction = left, int starvationTime = 25);
    // A flooded lot with its flood dial; a swimmer or a tree may stand in it.
    void Flood(int row, int column, int floodTime = 25);
    void FloodedSwimmer(int row, int column, DirectionType direction, int starvationTime = 25, int floodTime = 25);
    void CurrentItem(ResourceID stillID);
    void Score(int score);
    void Picks(int count);
    // Any graphic of the game at a screen position (the graphic's own placement is added).
    void Graphic(ResourceID id, Point2D position);

    const QImage& Image() const { return screen; }
    // The part of the screen that covers lots (firstRow, firstColumn) to (lastRow, lastColumn).
    QImage Lots(int firstRow, int firstColumn, int lastRow, int lastColumn) const;

    // A graphic of the game on its own.
    static QImage PaintGraphic(ResourceID id);

private:
    // Digits centred on the height `middle`, ending at `edge` or centred on it.
    void Digits(int value, ResourceID firstDigit, int edge, int middle, bool centred);

    QImage screen;
};
