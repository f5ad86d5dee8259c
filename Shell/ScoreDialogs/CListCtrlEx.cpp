#include "Shell/ScoreDialogs/CListCtrlEx.h"

#include "Shell/ScoreFileIO/ScoreFileIO.h"

#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

constexpr int firstColumnInset = 4;
constexpr int otherColumnsInset = 12;

// Draws each cell: the window colour, the text in one vertically centred line cut to fit, and
// the selected cell alone in the highlight colours with a focus rectangle.
class CellDelegate : public QStyledItemDelegate {
public:
    explicit CellDelegate(CListCtrlEx* list) : QStyledItemDelegate(list), list(list) {}

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = list->CurrentSelection() == index.row() * 4 + index.column();
        const QPalette& colours = option.palette;
        painter->fillRect(option.rect, selected ? colours.highlight() : colours.base());
        const int inset = index.column() == 0 ? firstColumnInset : otherColumnsInset;
        const QRect textRect = option.rect.adjusted(inset, 0, -inset, 0);
        const QString text = CListCtrlEx::MakeShortString(option.fontMetrics, index.data().toString(),
            option.rect.width(), 2 * inset);
        const Qt::Alignment horizontal = index.column() == 0 ? Qt::AlignHCenter
            : index.column() == 1                            ? Qt::AlignLeft
                                                             : Qt::AlignRight;
        painter->setPen(selected ? colours.highlightedText().color() : colours.text().color());
        painter->drawText(textRect, horizontal | Qt::AlignVCenter | Qt::TextSingleLine, text);
        if (selected && list->hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.rect = option.rect;
            focus.palette = colours;
            list->style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, list);
        }
    }

private:
    CListCtrlEx* list;
};

} // namespace

CListCtrlEx::CListCtrlEx(QWidget* parent) : QTableWidget(parent)
{
    setItemDelegate(new CellDelegate(this));
    setSelectionMode(QAbstractItemView::NoSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setShowGrid(false);
    verticalHeader()->hide();
    horizontalHeader()->setSectionsClickable(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void CListCtrlEx::SetUpColumnsAndRows()
{
    setColumnCount(columnCount);
    setRowCount(rowCount);
    const struct { const char* title; const char* sizingText; Qt::Alignment alignment; } columns[columnCount] = {
        {"Rank", "mRankm", Qt::AlignHCenter},
        {"             Player", "iWWWWWWWWWWWWWWW", Qt::AlignLeft},
        {"Score      ", "WWWScoreWWWW", Qt::AlignRight},
    };
    for (int column = 0; column < columnCount; ++column) {
        auto* header = new QTableWidgetItem(QString::fromLatin1(columns[column].title));
        header->setTextAlignment(columns[column].alignment | Qt::AlignVCenter);
        setHorizontalHeaderItem(column, header);
        setColumnWidth(column, fontMetrics().horizontalAdvance(QString::fromLatin1(columns[column].sizingText)));
    }
    for (int row = 0; row < rowCount; ++row)
        for (int column = 0; column < columnCount; ++column)
            setItem(row, column, new QTableWidgetItem(column == 0 ? QString::number(row + 1) : QString()));
    int width = frameWidth() * 2;
    for (int column = 0; column < columnCount; ++column)
        width += columnWidth(column);
    setFixedWidth(width);
    setFixedHeight(horizontalHeader()->sizeHint().height() + rowCount * verticalHeader()->defaultSectionSize() + frameWidth() * 2);
}

void CListCtrlEx::SetCurrentSelection(int selection)
{
    m_ListSelection = selection;
    viewport()->update();
}

void CListCtrlEx::TellValidStats(bool valid)
{
    if (setValidStats)
        setValidStats(valid);
}

void CListCtrlEx::mousePressEvent(QMouseEvent* event)
{
    SetCurrentSelection(noSelection);
    m_bValidSelection = false;
    const QModelIndex index = indexAt(event->position().toPoint());
    if (!index.isValid()) {
        TellValidStats(false);
        return;
    }
    m_bValidSelection = index.row() + 1 <= CScoreFileIO::GetCount();
    TellValidStats(m_bValidSelection);
    if (m_bValidSelection) {
        SetCurrentSelection(index.row() * 4 + index.column());
        setFocus();
    }
}

void CListCtrlEx::mouseDoubleClickEvent(QMouseEvent* event)
{
    const QModelIndex index = indexAt(event->position().toPoint());
    if (index.isValid())
        ShowGameStats(index.row() + 1);
}

void CListCtrlEx::keyPressEvent(QKeyEvent* event)
{
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    if (control && (event->key() == Qt::Key_C || event->key() == Qt::Key_X)) {
        CopySelectionToClipboard();
        return;
    }
    // Everything else (Escape, Enter, Tab) is the dialog's.
    event->ignore();
}

void CListCtrlEx::CopySelectionToClipboard()
{
    if (m_ListSelection < 0)
        return;
    const QTableWidgetItem* cell = item(m_ListSelection / 4, m_ListSelection % 4);
    if (cell != nullptr)
        QApplication::clipboard()->setText(cell->text());
}

void CListCtrlEx::ShowGameStats()
{
    if (m_ListSelection >= 0)
        ShowGameStats(m_ListSelection / 4 + 1);
}

void CListCtrlEx::ShowGameStats(int rank)
{
    if (rank < 1 || rank > rowCount)
        return;
    if (rank > CScoreFileIO::GetCount()) {
        m_bValidSelection = false;
        TellValidStats(false);
        return;
    }
    if (showGameStats)
        showGameStats(rank);
}

QString CListCtrlEx::MakeShortString(const QFontMetrics& metrics, const QString& text, int nColumnLen, int nOffset)
{
    if (text.isEmpty() || metrics.horizontalAdvance(text) + nOffset <= nColumnLen)
        return text;
    const QString dots = QStringLiteral("...");
    QString shortened = text;
    while (shortened.size() > 1 && metrics.horizontalAdvance(shortened + dots) + nOffset > nColumnLen)
        shortened.chop(1);
    return shortened + dots;
}
