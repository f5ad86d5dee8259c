#include "Shell/ScoreDialogs/HighScoresDialogBox.h"

#include "Shell/Dialogs/MMMessageDialog.h"
#include "Shell/Dialogs/ModelessHost.h"
#include "Shell/ScoreFileIO/ScoreFileIO.h"
#include "ui_HighScoresDialogBox.h"

HighScoresDialogBox::HighScoresDialogBox(QWidget* pParent, ModelessHost* host)
    : ModelessDialog(pParent, host), ui(new Ui::HighScoresDialogBox)
{
    ui->setupUi(this);
    CListCtrlEx& list = *ui->listCtrl;
    list.SetUpColumnsAndRows();
    list.setValidStats = [this](bool valid) { SetValidStats(valid); };
    list.showGameStats = [this](int rank) {
        if (const _tagHSFileBlock* entry = CScoreFileIO::GetEntry(rank); entry != nullptr && Host() != nullptr)
            Host()->ShowStatistics(entry->StatsRecord);
    };
    connect(ui->gameStatsButton, &QPushButton::clicked, this, [this] { OnGameStats(); });
    connect(ui->deleteAllButton, &QPushButton::clicked, this, [this] { OnDeleteAll(); });
    connect(ui->copyButton, &QPushButton::clicked, this, [this] { OnCopy(); });
    FillRows();
    SetValidStats(false);
    ui->deleteAllButton->setEnabled(CScoreFileIO::GetCount() > 0);
    adjustSize();
}

HighScoresDialogBox::~HighScoresDialogBox() = default;

void HighScoresDialogBox::FillRows()
{
    for (int rank = 1; rank <= CListCtrlEx::rowCount; ++rank) {
        const _tagHSFileBlock* entry = CScoreFileIO::GetEntry(rank);
        const bool real = entry != nullptr && entry->hsRecord.pContestCode[0] != '\0';
        ui->listCtrl->item(rank - 1, 1)->setText(real ? QString::fromLatin1(entry->hsRecord.pPlayerName) : QString());
        ui->listCtrl->item(rank - 1, 2)->setText(real ? QString::number(entry->hsRecord.nScore) : QString());
    }
}

void HighScoresDialogBox::SetValidStats(bool valid)
{
    ui->gameStatsButton->setEnabled(valid);
    ui->copyButton->setEnabled(valid);
}

void HighScoresDialogBox::OnGameStats()
{
    ui->listCtrl->ShowGameStats();
}

void HighScoresDialogBox::OnCopy()
{
    ui->listCtrl->CopySelectionToClipboard();
}

void HighScoresDialogBox::OnDeleteAll()
{
    if (mmMessageBox("Delete All High Scores?", "Are you sure you want to delete all high scores permanently?",
            "Delete All", "Cancel") != MMMessageDialog::confirmed)
        return;
    CScoreFileIO::Clear();
    CScoreFileIO::Write();
    FillRows();
    ui->listCtrl->SetCurrentSelection(CListCtrlEx::noSelection);
    SetValidStats(false);
    ui->deleteAllButton->setEnabled(false);
    update();
}

CListCtrlEx& HighScoresDialogBox::List() { return *ui->listCtrl; }
QPushButton& HighScoresDialogBox::GameStatsButton() { return *ui->gameStatsButton; }
QPushButton& HighScoresDialogBox::DeleteAllButton() { return *ui->deleteAllButton; }
QPushButton& HighScoresDialogBox::CopyButton() { return *ui->copyButton; }
