#pragma once

#include <QImage>

// The game's name as a picture: the splash screen shown while the program starts (480 x 320)
// and the logo of the About box (300 x 80).
namespace TitlePictures {

QImage Splash();
QImage AboutLogo();

} // namespace TitlePictures
