#include "Shell/Instructions/CAboutDlg.h"

#include "Shell/ShellPictures/ShellPictures.h"
#include "ui_CAboutDlg.h"

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent), ui(new Ui::CAboutDlg)
{
    ui->setupUi(this);
    if (m_bitmapScrollView.Init(this, "SCROLLCREDITS", ui->credits, ui->creditsScrollBar, creditsHeight)) {
        const QImage logo = ShellPictures::LoadLibraryBitmap("LOGO_MARROWMERE");
        if (!logo.isNull())
            ui->logo->setPixmap(QPixmap::fromImage(logo));
    }
}

CAboutDlg::~CAboutDlg() = default;
