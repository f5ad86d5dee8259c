#include "Shell/Dialogs/ModelessDialog.h"

#include "Shell/Dialogs/ModelessHost.h"

ModelessDialog::ModelessDialog(QWidget* parent, ModelessHost* host) : QDialog(parent), host(host)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setModal(false);
    if (host != nullptr)
        host->ModelessUp(true);
}

ModelessDialog::~ModelessDialog()
{
    if (host != nullptr) {
        host->ModelessGone(this);
        host->ModelessUp(false);
    }
}

void ModelessDialog::BringForward()
{
    show();
    raise();
    activateWindow();
    setFocus();
}
