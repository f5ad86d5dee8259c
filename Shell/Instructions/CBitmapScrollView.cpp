#include "Shell/Instructions/CBitmapScrollView.h"

#include "Shell/ShellPictures/ShellPictures.h"

#include <QLabel>
#include <QMessageBox>
#include <QPixmap>
#include <QScrollBar>

namespace {
constexpr int lineStep = 2;
constexpr int frameBorder = 1;
} // namespace

bool CBitmapScrollView::Init(QWidget* parentDialog, const char* bitmapName, QLabel* frame, QScrollBar* scrollBar, int height)
{
    m_frame = frame;
    m_scrollBar = scrollBar;
    m_height = height;
    m_picture = ShellPictures::LoadLibraryBitmap(bitmapName);
    if (m_picture.isNull()) {
        // Not modal: a missing picture must not stop the window from opening.
        auto* message = new QMessageBox(QMessageBox::Warning, QStringLiteral("Marrowmere"),
            QStringLiteral("Load Image Failed"), QMessageBox::Ok, parentDialog);
        message->setAttribute(Qt::WA_DeleteOnClose);
        message->show();
        return false;
    }
    m_frame->setFrameStyle(QFrame::Box | QFrame::Plain);
    m_frame->setLineWidth(frameBorder);
    m_frame->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_frame->setFixedSize(m_picture.width(), height);
    m_scrollBar->setFixedHeight(height);
    m_scrollBar->setRange(0, std::max(0, m_picture.height() - height));
    m_scrollBar->setPageStep(height);
    m_scrollBar->setSingleStep(lineStep);
    m_scrollBar->setValue(0);
    m_scrollBar->setEnabled(m_picture.height() > height);
    m_scrollBar->show();
    connect(m_scrollBar, &QScrollBar::valueChanged, this, [this](int value) { ShowFrom(value); });
    m_inited = true;
    ShowFrom(0);
    return true;
}

void CBitmapScrollView::ShowFrom(int sourceY)
{
    m_sourcey = std::clamp(sourceY, 0, std::max(0, m_picture.height() - m_height));
    const int inside = 2 * frameBorder;
    m_frame->setPixmap(QPixmap::fromImage(m_picture.copy(0, m_sourcey, m_picture.width() - inside, m_height - inside)));
}
