#include "Shell/Dialogs/MMMessageDialog.h"

#include "Shell/ShellPictures/ShellPictures.h"
#include "ui_MMMessageDialog.h"

#include <QApplication>
#include <QPixmap>

#include <algorithm>

namespace {
QString Text(const char* text) { return text != nullptr ? QString::fromLatin1(text) : QString(); }
} // namespace

MMMessageDialog::MMMessageDialog(QWidget* parent) : QDialog(parent), ui(new Ui::MMMessageDialog)
{
    ui->setupUi(this);
    const QImage caution = ShellPictures::LoadProgramPicture(ShellPictures::cautionPicturePath);
    if (!caution.isNull())
        ui->picture->setPixmap(QPixmap::fromImage(ShellPictures::WithRedTransparent(caution)));
    else
        ui->picture->hide();
}

MMMessageDialog::~MMMessageDialog() = default;

void MMMessageDialog::SetMessage(const char* pCaption, const char* pMessage, const char* pOkButton, const char* pCancelButton)
{
    setWindowTitle(Text(pCaption));
    ui->message->setText(Text(pMessage));
    ui->okButton->setText(Text(pOkButton));
    ui->cancelButton->setText(Text(pCancelButton));
}

int MMMessageDialog::Ask()
{
    // Wide enough for the whole caption in the title bar.
    const int captionWidth = fontMetrics().horizontalAdvance(windowTitle()) + 140;
    setFixedSize(std::max(sizeHint().width(), captionWidth), sizeHint().height());
    return exec() == QDialog::Accepted ? confirmed : cancelled;
}

int mmMessageBox(const char* pCaption, const char* pMessage, const char* pOkButton, const char* pCancelButton)
{
    MMMessageDialog dialog(QApplication::activeWindow());
    dialog.SetMessage(pCaption, pMessage, pOkButton, pCancelButton);
    return dialog.Ask();
}
