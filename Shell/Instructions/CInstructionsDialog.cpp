#include "Shell/Instructions/CInstructionsDialog.h"

#include "Shell/Instructions/CScrollingBitmapPage.h"
#include "ui_CInstructionsDialog.h"

#include <QTabBar>

CInstructionsDialog::CInstructionsDialog(QWidget* parent, ModelessHost* host)
    : ModelessDialog(parent, host), ui(new Ui::CInstructionsDialog)
{
    ui->setupUi(this);
    const struct { const char* title; const char* bitmapName; } pages[] = {
        {"Introduction", "INSTRUCTIONS_INTRODUCTION"},
        {"Objective", "INSTRUCTIONS_OBJECTIVE"},
        {"Game Board", "INSTRUCTIONS_GAMEBOARD"},
        {"Game Play", "INSTRUCTIONS_GAMEPLAY"},
        {"Menus and Dialog Boxes", "INSTRUCTIONS_MENUSANDDIALOGBOXES"},
    };
    for (const auto& page : pages)
        ui->pages->addTab(new CScrollingBitmapPage(this, page.bitmapName), QString::fromLatin1(page.title));
    // Every tab's title shows whole.
    ui->pages->tabBar()->setElideMode(Qt::ElideNone);
    setMinimumWidth(ui->pages->tabBar()->sizeHint().width() + 40);
}

CInstructionsDialog::~CInstructionsDialog() = default;

QTabWidget& CInstructionsDialog::Pages()
{
    return *ui->pages;
}
