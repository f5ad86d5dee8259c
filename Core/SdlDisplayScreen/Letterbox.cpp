#include "Core/SdlDisplayScreen/Letterbox.h"

#include <algorithm>
#include <cmath>

Letterbox::Letterbox(int windowWidth, int windowHeight, int pictureWidth, int pictureHeight)
    : pictureWidth(std::max(pictureWidth, 1)), pictureHeight(std::max(pictureHeight, 1))
{
    if (windowWidth <= 0 || windowHeight <= 0) {
        return;
    }
    scale = std::min(static_cast<double>(windowWidth) / this->pictureWidth,
                     static_cast<double>(windowHeight) / this->pictureHeight);
    offsetX = (windowWidth - this->pictureWidth * scale) / 2.0;
    offsetY = (windowHeight - this->pictureHeight * scale) / 2.0;
}

Point2D Letterbox::WindowToPicture(int windowX, int windowY) const
{
    // The middle of the window pixel decides, so that rounding never favours one side.
    const auto map = [this](int window, double offset, int size) {
        const int picture = static_cast<int>(std::floor((window + 0.5 - offset) / scale));
        return std::clamp(picture, 0, size - 1);
    };
    return {map(windowX, offsetX, pictureWidth), map(windowY, offsetY, pictureHeight)};
}

Point2D Letterbox::PictureToWindow(Point2D picturePoint) const
{
    return {static_cast<int>(std::floor(offsetX + (picturePoint.x + 0.5) * scale)),
            static_cast<int>(std::floor(offsetY + (picturePoint.y + 0.5) * scale))};
}

int Letterbox::WholeFactor() const
{
    return std::max(1, static_cast<int>(std::floor(scale)));
}

Letterbox::Placement Letterbox::PicturePlacement() const
{
    return {static_cast<int>(std::lround(offsetX)), static_cast<int>(std::lround(offsetY)),
            static_cast<int>(std::lround(pictureWidth * scale)), static_cast<int>(std::lround(pictureHeight * scale))};
}
