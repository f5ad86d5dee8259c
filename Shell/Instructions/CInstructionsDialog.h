#pragma once

#include "Shell/Dialogs/ModelessDialog.h"

#include <memory>

class QTabWidget;
namespace Ui { class CInstructionsDialog; }

// The modeless "Instructions" window: five tabs, each a tall scrolling picture. It has no
// buttons and closes only with its close box (or Escape).
class CInstructionsDialog : public ModelessDialog {
public:
    CInstructionsDialog(QWidget* parent, ModelessHost* host);
    ~CInstructionsDialog() override;

    QTabWidget& Pages();
    void accept() override {}

private:
    std::unique_ptr<Ui::CInstructionsDialog> ui;
};
