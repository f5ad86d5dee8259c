#include "Shell/ScoreDialogs/GameStatsPanel.h"

#include "Shell/ScoreFileIO/ScoreRecords.h"
#include "ui_GameStatsPanel.h"

#include <QGridLayout>

GameStatsPanel::GameStatsPanel(QWidget* parent) : QGroupBox(parent), ui(new Ui::GameStatsPanel)
{
    ui->setupUi(this);
}

GameStatsPanel::~GameStatsPanel() = default;

void GameStatsPanel::Show(const _tagStatsRecord& statistics)
{
    const auto show = [](QLabel* label, long value) { label->setText(QString::number(value)); };
    show(ui->score, statistics.nScore);
    show(ui->bestTurn, statistics.nBestTurn);
    show(ui->totalTurns, statistics.nTotalTurns);
    show(ui->totalEatings, statistics.nTotalEatings);
    show(ui->singleEatings, statistics.nSingleEatings);
    show(ui->twoChainEatings, statistics.n2ChainEatings);
    show(ui->threeChainEatings, statistics.n3ChainEatings);
    show(ui->fourChainEatings, statistics.n4ChainEatings);
    show(ui->fivePlusChainEatings, statistics.n5ChainEatings);
    show(ui->longestChain, statistics.nLongestChain);
    show(ui->completeChains, statistics.nCompleteChains);
}

QString GameStatsPanel::Figure(const QString& label) const
{
    for (int row = 0; row < ui->layout->rowCount(); ++row) {
        const auto* name = qobject_cast<QLabel*>(ui->layout->itemAtPosition(row, 0)->widget());
        if (name != nullptr && name->text() == label)
            return qobject_cast<QLabel*>(ui->layout->itemAtPosition(row, 1)->widget())->text();
    }
    return {};
}
