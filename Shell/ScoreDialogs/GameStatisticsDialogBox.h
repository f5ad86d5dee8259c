#pragma once

#include "Shell/Dialogs/ModelessDialog.h"

#include <memory>

struct _tagStatsRecord;
class GameStatsPanel;
namespace Ui { class GameStatisticsDialogBox; }

// The modeless "Current Game Stats" window: the figures of the current game or of one
// high-score entry. It has no buttons; Enter does not close it, Escape and the close box do.
class GameStatisticsDialogBox : public ModelessDialog {
public:
    GameStatisticsDialogBox(QWidget* pParent, ModelessHost* host, const _tagStatsRecord& statistics);
    ~GameStatisticsDialogBox() override;

    const GameStatsPanel& Panel() const;
    void accept() override {}

private:
    std::unique_ptr<Ui::GameStatisticsDialogBox> ui;
};
