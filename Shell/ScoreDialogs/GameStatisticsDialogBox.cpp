#include "Shell/ScoreDialogs/GameStatisticsDialogBox.h"

#include "ui_GameStatisticsDialogBox.h"

GameStatisticsDialogBox::GameStatisticsDialogBox(QWidget* pParent, ModelessHost* host, const _tagStatsRecord& statistics)
    : ModelessDialog(pParent, host), ui(new Ui::GameStatisticsDialogBox)
{
    ui->setupUi(this);
    ui->stats->Show(statistics);
}

GameStatisticsDialogBox::~GameStatisticsDialogBox() = default;

const GameStatsPanel& GameStatisticsDialogBox::Panel() const
{
    return *ui->stats;
}
