#include "Shell/Instructions/CScrollingBitmapPage.h"

#include "ui_CScrollingBitmapPage.h"

CScrollingBitmapPage::CScrollingBitmapPage(QWidget* parent, const char* bitmapName)
    : QWidget(parent), ui(new Ui::CScrollingBitmapPage), m_bitmapName(bitmapName)
{
    ui->setupUi(this);
    m_bitmapScrollView.Init(parent, m_bitmapName.c_str(), ui->picture, ui->scrollBar, frameHeight);
}

CScrollingBitmapPage::~CScrollingBitmapPage() = default;
