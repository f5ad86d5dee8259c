#pragma once

#include "Core/Point/Point2D.h"

// How a picture of a fixed size sits in a window of another size: scaled by one factor as large
// as fits, centred, with bars on two sides. Maps pointer positions between the two. The factor
// splits into a whole part, by which the pixels are repeated exactly, and the remaining
// fraction, which is the only part that needs smoothing.
class Letterbox {
public:
    Letterbox(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight);

    double Scale() const { return scale; }
    // The largest whole factor that fits (at least 1, where even the picture's own size does not).
    int WholeFactor() const;
    // Where the picture lands, in whole window pixels: x, y, width, height.
    struct Placement {
        int x = 0;
        int y = 0;
        int width = 0;
        int height = 0;
    };
    Placement PicturePlacement() const;
    // Top-left corner of the picture in the window.
    double OffsetX() const { return offsetX; }
    double OffsetY() const { return offsetY; }

    // The picture pixel under a window position; positions on the bars go to the nearest
    // picture pixel, so the result always lies on the picture.
    Point2D WindowToPicture(int windowX, int windowY) const;
    // The window position of the middle of a picture pixel.
    Point2D PictureToWindow(Point2D picturePoint) const;

private:
    int pictureWidth;
    int pictureHeight;
    double scale = 1.0;
    double offsetX = 0.0;
    double offsetY = 0.0;
};
