#include "Shell/Instructions/CBitmapScrollView.h"
#include "tests/Shell/ShellTestSupport/ShellTestSupport.h"

#include <QLabel>
#include <QMessageBox>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <memory>

namespace {

class ScrollViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShellTest::EnsureApplication();
        ShellTest::LoadResourceLibraryWith({{"TALL", 400, 1000}, {"SHORT", 400, 250}});
        dialog = std::make_unique<QWidget>();
        frame = new QLabel(dialog.get());
        scrollBar = new QScrollBar(Qt::Vertical, dialog.get());
    }

    std::unique_ptr<QWidget> dialog;
    QLabel* frame = nullptr;
    QScrollBar* scrollBar = nullptr;
    CBitmapScrollView view;
};

TEST_F(ScrollViewTest, PagesStepByTheFrameHeightAndStopAtTheLastFrame)
{
    ASSERT_TRUE(view.Init(dialog.get(), "TALL", frame, scrollBar, 300));
    EXPECT_TRUE(scrollBar->isEnabled());
    for (int expected : {300, 600, 700, 700}) {
        scrollBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
        EXPECT_EQ(view.SourceY(), expected);
    }
    // The frame shows the picture's rows from the source row on (pixel value (x + y) % 256).
    const QImage shown = frame->pixmap().toImage();
    EXPECT_EQ(shown.height(), 298);
    EXPECT_EQ(shown.pixel(0, 0), view.Picture().pixel(0, 700));
}

TEST_F(ScrollViewTest, APictureNoTallerThanTheFrameDoesNotScroll)
{
    ASSERT_TRUE(view.Init(dialog.get(), "SHORT", frame, scrollBar, 300));
    EXPECT_FALSE(scrollBar->isEnabled());
    scrollBar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(view.SourceY(), 0);
}

TEST_F(ScrollViewTest, AMissingPictureSaysSoAndLeavesTheFrameEmpty)
{
    EXPECT_FALSE(view.Init(dialog.get(), "NOT_THERE", frame, scrollBar, 300));
    const auto* message = dialog->findChild<QMessageBox*>();
    ASSERT_NE(message, nullptr);
    EXPECT_EQ(message->text(), "Load Image Failed");
    EXPECT_TRUE(frame->pixmap().isNull());
}

} // namespace
