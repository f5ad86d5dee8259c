#pragma once

#include <QImage>
#include <QRect>

// The menu screen's eight backgrounds: a marsh seen at eight times of the year and day, with a
// little wooden television whose screen is left for the slideshow and a signpost whose planks
// sit behind the six menu buttons.
namespace MenuBackgrounds {

constexpr int count = 8;
constexpr int firstID = 161;
inline const QRect screenArea{74, 107, 320, 240};
// The menu buttons: 106 x 24 at x 472, one every 44 pixels from y 104.
inline const QRect firstButton{472, 104, 106, 24};
constexpr int buttonCount = 6;
constexpr int buttonSpacing = 44;

// Background number 0 to 7 (resource 161 to 168), 640 x 480.
QImage Background(int number);

} // namespace MenuBackgrounds
