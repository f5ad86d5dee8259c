#include "Content/IndexedBitmaps/BmpFile.h"
#include "Content/IndexedBitmaps/PictureQuantizer.h"

#include <gtest/gtest.h>

#include <QLinearGradient>
#include <QPainter>

#include <random>

namespace {

// A picture with gradients, a few flat colours and a square of the key colour.
QImage Sample()
{
    QImage image(61, 37, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, 61, 37);
    gradient.setColorAt(0, QColor(250, 40, 20));
    gradient.setColorAt(1, QColor(20, 90, 240));
    painter.fillRect(image.rect(), gradient);
    painter.fillRect(QRect(5, 5, 9, 9), QColor(255, 0, 0));
    painter.fillRect(QRect(30, 20, 9, 9), Qt::white);
    return image;
}

TEST(IndexedBitmaps, BmpFileReadsBackAsTheSameIndexedPicture)
{
    std::mt19937 random(7);
    for (const int width : {1, 2, 3, 4, 5, 13}) {
        IndexedImage image{width, 3, {}, {}};
        for (int i = 0; i < width * 3; ++i) {
            image.pixels.push_back(static_cast<std::uint8_t>(random()));
        }
        for (int i = 0; i < 256; ++i) {
            image.colours.push_back(qRgb(i, 255 - i, (i * 7) & 255));
        }
        const std::vector<std::uint8_t> bytes = EncodeBmpFile(image);
        QImage read;
        ASSERT_TRUE(read.loadFromData(bytes.data(), static_cast<int>(bytes.size()), "BMP")) << width;
        ASSERT_EQ(read.format(), QImage::Format_Indexed8);
        ASSERT_EQ(read.colorTable().size(), 256);
        for (int i = 0; i < 256; ++i) {
            EXPECT_EQ(read.colorTable()[i] & 0xFFFFFF, image.colours[i] & 0xFFFFFF);
        }
        for (int y = 0; y < 3; ++y) {
            for (int x = 0; x < width; ++x) {
                EXPECT_EQ(read.pixelIndex(x, y), image.At(x, y)) << x << ',' << y;
            }
        }
    }
    EXPECT_THROW(EncodeBmpFile(IndexedImage{2, 2, {1, 2, 3}, std::vector<QRgb>(256)}), std::invalid_argument);
    EXPECT_THROW(EncodeBmpFile(IndexedImage{1, 1, {1}, std::vector<QRgb>(16)}), std::invalid_argument);
}

TEST(IndexedBitmaps, QuantizerKeepsBlackWhiteAndTheKeyColourExactAndRepeatsItself)
{
    const QImage source = Sample();
    const IndexedImage indexed = QuantizePicture(source, {qRgb(255, 0, 0), 1.0f});
    ASSERT_EQ(indexed.colours.size(), 256u);
    EXPECT_EQ(indexed.colours[0] & 0xFFFFFF, 0u);
    EXPECT_EQ(indexed.colours[255] & 0xFFFFFF, 0xFFFFFFu);
    int worst = 0;
    for (int y = 0; y < source.height(); ++y) {
        for (int x = 0; x < source.width(); ++x) {
            const QRgb wanted = source.pixel(x, y);
            const QRgb got = indexed.colours[indexed.At(x, y)];
            EXPECT_EQ((wanted & 0xFFFFFF) == 0xFF0000, (got & 0xFFFFFF) == 0xFF0000) << x << ',' << y;
            worst = std::max({worst, std::abs(qRed(wanted) - qRed(got)), std::abs(qGreen(wanted) - qGreen(got)),
                              std::abs(qBlue(wanted) - qBlue(got))});
        }
    }
    EXPECT_LT(worst, 24);
    EXPECT_EQ(indexed.ToImage().pixel(32, 22) & 0xFFFFFF, 0xFFFFFFu);
    const IndexedImage again = QuantizePicture(source, {qRgb(255, 0, 0), 1.0f});
    EXPECT_EQ(again.pixels, indexed.pixels);
    EXPECT_EQ(again.colours, indexed.colours);
}

} // namespace
