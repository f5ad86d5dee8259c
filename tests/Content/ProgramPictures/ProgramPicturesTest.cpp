#include "Content/ProgramPictures/Program/ProgramPictureResources.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

namespace {

// The pictures the window shell takes from the program's own resources.
TEST(ProgramPictures, CautionSignAndIconAreCompiledIn)
{
    QFile file(ProgramPictureResources::cautionPicture);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    ASSERT_GT(bytes.size(), 2);
    EXPECT_EQ(bytes.left(2), "BM");
    const QImage caution = QImage::fromData(bytes, "BMP");
    ASSERT_EQ(caution.format(), QImage::Format_Indexed8);
    EXPECT_EQ(caution.colorCount(), 256);
    EXPECT_EQ(caution.size(), QSize(48, 48));
    // See-through corners are pure red; the sign itself (its middle) is not.
    EXPECT_EQ(caution.pixel(0, 0) & 0xFFFFFF, 0xFF0000u);
    EXPECT_EQ(caution.pixel(47, 47) & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(caution.pixel(24, 30) & 0xFFFFFF, 0xFF0000u);
    EXPECT_NE(caution.pixel(16, 38) & 0xFFFFFF, 0xFF0000u);

    const QImage icon(ProgramPictureResources::icon);
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(icon.size(), QSize(256, 256));
    EXPECT_TRUE(icon.hasAlphaChannel());
    EXPECT_EQ(qAlpha(icon.pixel(0, 0)), 0);
    EXPECT_EQ(qAlpha(icon.pixel(128, 128)), 255);
}

} // namespace
