#pragma once

#include <QImage>

// The attract slideshow's pictures, 320 x 240 (the paused banner 320 x 60, above the small
// screenshot of the paused game).
namespace SlidePictures {

QImage LogoTitle();
QImage CastTitle();
// One species' portrait, by the game's species number (0 flyer … 3 cannibal).
QImage Portrait(int species);
QImage HighScoresTitle();
QImage PausedBanner();

} // namespace SlidePictures
