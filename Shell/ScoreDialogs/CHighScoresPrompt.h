#pragma once

#include <QDialog>

#include <memory>
#include <string>

struct _tagStatsRecord;
namespace Ui { class CHighScoresPrompt; }

// The modal "You got a high score!" prompt: the player's name (at most 12 characters) above
// the finished game's figures.
class CHighScoresPrompt : public QDialog {
public:
    static constexpr int nameLength = 12;

    explicit CHighScoresPrompt(QWidget* pParent);
    ~CHighScoresPrompt() override;

    void SetName(const char* name);
    void SetStatistics(const _tagStatsRecord& statistics);
    // The name as typed, in single-byte characters (others become '?').
    std::string Name() const;
    // Shows the prompt; the name when it was confirmed with OK and is not empty, else "".
    std::string AskForName();

private:
    std::unique_ptr<Ui::CHighScoresPrompt> ui;
};
