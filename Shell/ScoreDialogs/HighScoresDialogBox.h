#pragma once

#include "Shell/Dialogs/ModelessDialog.h"

#include <memory>

class CListCtrlEx;
class QPushButton;
namespace Ui { class HighScoresDialogBox; }

// The modeless "High Scores" window: the ten ranks with the players' names and scores, and the
// buttons "Game Stats" (the selected entry's statistics), "Delete All" (after a confirmation)
// and "Copy" (the selected cell's text). Enter does not close it; Escape and the close box do.
class HighScoresDialogBox : public ModelessDialog {
public:
    HighScoresDialogBox(QWidget* pParent, ModelessHost* host);
    ~HighScoresDialogBox() override;

    // Enables or disables "Game Stats" and "Copy" together.
    void SetValidStats(bool valid);
    void OnGameStats();
    void OnDeleteAll();
    void OnCopy();
    void accept() override {}

    CListCtrlEx& List();
    QPushButton& GameStatsButton();
    QPushButton& DeleteAllButton();
    QPushButton& CopyButton();

private:
    void FillRows();

    std::unique_ptr<Ui::HighScoresDialogBox> ui;
};
