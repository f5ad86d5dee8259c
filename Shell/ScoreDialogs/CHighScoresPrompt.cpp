#include "Shell/ScoreDialogs/CHighScoresPrompt.h"

#include "ui_CHighScoresPrompt.h"

CHighScoresPrompt::CHighScoresPrompt(QWidget* pParent) : QDialog(pParent), ui(new Ui::CHighScoresPrompt)
{
    ui->setupUi(this);
    ui->name->setFocus();
}

CHighScoresPrompt::~CHighScoresPrompt() = default;

void CHighScoresPrompt::SetName(const char* name)
{
    ui->name->setText(QString::fromLatin1(name != nullptr ? name : "").left(nameLength));
}

void CHighScoresPrompt::SetStatistics(const _tagStatsRecord& statistics)
{
    ui->stats->Show(statistics);
}

std::string CHighScoresPrompt::Name() const
{
    return ui->name->text().left(nameLength).toLatin1().toStdString();
}

std::string CHighScoresPrompt::AskForName()
{
    ui->name->selectAll();
    ui->name->setFocus();
    return exec() == QDialog::Accepted ? Name() : std::string();
}
