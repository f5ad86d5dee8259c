#pragma once

#include <QFontMetrics>
#include <QTableWidget>

#include <functional>

// The high-score list: ten rows of rank, player and score, drawn by the list itself, with one
// selected cell instead of a selected row. Only rows that hold a real entry can be selected.
// Ctrl+C (or Ctrl+X) copies the selected cell's text; a double-click shows the row's statistics.
class CListCtrlEx : public QTableWidget {
public:
    static constexpr int rowCount = 10;
    static constexpr int columnCount = 3;
    static constexpr int noSelection = -1;

    // Told whether the selection holds a real entry ("Game Stats" and "Copy" follow it).
    std::function<void(bool)> setValidStats;
    // Asked to show the statistics of a rank (1 to 10).
    std::function<void(int)> showGameStats;

    explicit CListCtrlEx(QWidget* parent = nullptr);

    // The three columns, sized to their sizing texts, and the ten rows with their ranks.
    void SetUpColumnsAndRows();
    // The selected cell as row x 4 + column, or a negative value for none.
    int CurrentSelection() const { return m_ListSelection; }
    void SetCurrentSelection(int selection);
    bool IsValidSelection() const { return m_bValidSelection; }

    void CopySelectionToClipboard();
    // The statistics of the selected cell's row.
    void ShowGameStats();
    void ShowGameStats(int rank);

    // The text cut from its end, keeping at least one character, until it plus "..." plus the
    // inset fits the column; a text that fits stays as it is.
    static QString MakeShortString(const QFontMetrics& metrics, const QString& text, int nColumnLen, int nOffset);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent*) override {}
    void mouseMoveEvent(QMouseEvent*) override {}
    void keyPressEvent(QKeyEvent* event) override;

private:
    void TellValidStats(bool valid);

    int m_ListSelection = noSelection;
    bool m_bValidSelection = false;
};
