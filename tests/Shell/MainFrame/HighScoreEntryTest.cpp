#include "Core/GameState/GameState.h"
#include "Marrowmere/Scoring/Scoring.h"
#include "Marrowmere/Tutorial/Tutorial.h"
#include "Shell/MainFrame/CMainFrame.h"
#include "Shell/ScoreDialogs/CListCtrlEx.h"
#include "Shell/ScoreDialogs/GameStatisticsDialogBox.h"
#include "Shell/ScoreDialogs/GameStatsPanel.h"
#include "Shell/ScoreDialogs/HighScoresDialogBox.h"
#include "Shell/ScoreFileIO/ScoreFileIO.h"
#include "Shell/Preferences/Preferences.h"
#include "tests/Shell/ShellTestSupport/ShellTestSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

using namespace FrameMessages;

// The end of a game as the main window sees it: the state the loop left, the score, the
// statistics. No game runs; the frame's engine is not started.
class HighScoreEntryTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ShellTest::ClearUserFiles();
        frame = std::make_unique<CMainFrame>(CMainFrame::ApplicationHooks{});
        Tutorial::Deactivate();
    }

    void TearDown() override
    {
        frame.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void EndGame(int score)
    {
        Scoring::SetUp();
        Scoring::StartAccumulatingCurrentTurnScore();
        Scoring::IncrementScore(score);
        Scoring::StopAccumulatingCurrentTurnScore();
        Scoring::IncrementTotalTurnsCount();
        GameState::SetState(GameState::gameOver);
        frame->PostMessage(checkState);
    }

    // Plays a game that qualifies and types the name into the prompt.
    void EnterHighScore(int score, const char* name)
    {
        frame->DismissModelessDialogs();
        ShellTest::AnswerNextModal([name](QWidget* prompt) {
            EXPECT_EQ(prompt->windowTitle(), "You got a high score!");
            auto* field = prompt->findChild<QLineEdit*>("name");
            EXPECT_EQ(field->maxLength(), 12);
            field->setText(name);
            prompt->findChild<QPushButton*>("okButton")->click();
        });
        EndGame(score);
        ASSERT_TRUE(ShellTest::ProcessEventsUntil([this] { return frame->HighScoresWindow() != nullptr; }));
    }

    QString Row(int row) // the first three columns: rank, name, score
    {
        const CListCtrlEx& list = frame->HighScoresWindow()->List();
        return list.item(row, 0)->text() + "|" + list.item(row, 1)->text() + "|" + list.item(row, 2)->text();
    }

    void ClickCell(int row, int column)
    {
        CListCtrlEx& list = frame->HighScoresWindow()->List();
        QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, list.visualRect(list.model()->index(row, column)).center());
    }

    std::unique_ptr<CMainFrame> frame;
};

TEST_F(HighScoreEntryTest, AQualifyingGameIsEnteredWrittenAndShown)
{
    EnterHighScore(150, "Ada");
    EnterHighScore(400, "Grace");
    EXPECT_EQ(GameState::State(), GameState::idle);
    EXPECT_EQ(CScoreFileIO::GetCount(), 2);
    ASSERT_TRUE(std::filesystem::exists(ShellTest::DataFolder() / "Quillon Games" / "Marrowmere 1.0" / "highscores.mm"));
    EXPECT_EQ(Row(0), "1|Grace|400");
    EXPECT_EQ(Row(1), "2|Ada|150");
    EXPECT_STREQ(Preferences::DefaultPlayerNameBuffer(), "Grace");

    // The file holds the table: read back from disk, it gives the same ranking.
    CScoreFileIO::Initialize(CScoreFileIO::FilePath().parent_path());
    CScoreFileIO::Read();
    EXPECT_STREQ(CScoreFileIO::GetEntry(2)->hsRecord.pPlayerName, "Ada");
}

TEST_F(HighScoreEntryTest, CellsAreSelectedCopiedAndDeleted)
{
    EnterHighScore(150, "Ada");
    HighScoresDialogBox& table = *frame->HighScoresWindow();
    EXPECT_FALSE(table.CopyButton().isEnabled());
    ClickCell(3, 1);
    EXPECT_FALSE(table.GameStatsButton().isEnabled()) << "row 4 holds no entry";
    ClickCell(0, 2);
    EXPECT_TRUE(table.CopyButton().isEnabled());
    EXPECT_EQ(table.List().CurrentSelection(), 2);
    table.CopyButton().click();
    EXPECT_EQ(QApplication::clipboard()->text(), "150");
    ClickCell(0, 1);
    QTest::keyClick(&table.List(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "Ada");

    table.GameStatsButton().click();
    ASSERT_NE(frame->StatisticsWindow(), nullptr);
    EXPECT_EQ(frame->StatisticsWindow()->Panel().Figure("Score:"), "150");
    EXPECT_EQ(frame->StatisticsWindow()->Panel().Figure("Total Turns:"), "1");

    // Delete All asks first, then empties the table and the file.
    ASSERT_TRUE(table.DeleteAllButton().isEnabled());
    ShellTest::AnswerNextModal([](QWidget* question) { question->findChild<QPushButton*>("cancelButton")->click(); });
    table.DeleteAllButton().click();
    EXPECT_EQ(CScoreFileIO::GetCount(), 1);
    ShellTest::AnswerNextModal([](QWidget* question) {
        EXPECT_EQ(question->windowTitle(), "Delete All High Scores?");
        question->findChild<QPushButton*>("okButton")->click();
    });
    table.DeleteAllButton().click();
    EXPECT_EQ(CScoreFileIO::GetCount(), 0);
    EXPECT_EQ(Row(0), "1||");
    CScoreFileIO::Read();
    EXPECT_EQ(CScoreFileIO::GetCount(), 0) << "the cleared table was written";
}

TEST_F(HighScoreEntryTest, AGameThatDoesNotQualifyShowsItsStatisticsAndTheTutorialNothing)
{
    EndGame(0);
    ASSERT_TRUE(ShellTest::ProcessEventsUntil([this] { return frame->StatisticsWindow() != nullptr; }));
    EXPECT_EQ(frame->HighScoresWindow(), nullptr);
    EXPECT_EQ(frame->StatisticsWindow()->windowTitle(), "Current Game Stats");

    frame->DismissModelessDialogs();
    Tutorial::Activate();
    EndGame(500);
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_FALSE(Tutorial::IsActive());
    EXPECT_EQ(GameState::State(), GameState::idle);
    EXPECT_EQ(frame->HighScoresWindow(), nullptr);
    EXPECT_EQ(frame->StatisticsWindow(), nullptr);
    EXPECT_EQ(CScoreFileIO::GetCount(), 0);
}

} // namespace
