#include "Content/IndexedBitmaps/IndexedImage.h"

QImage IndexedImage::ToImage() const
{
    QImage image(width, height, QImage::Format_Indexed8);
    image.setColorTable(QList<QRgb>(colours.begin(), colours.end()));
    for (int y = 0; y < height; ++y) {
        std::copy_n(pixels.begin() + static_cast<std::ptrdiff_t>(y) * width, width, image.scanLine(y));
    }
    return image;
}
