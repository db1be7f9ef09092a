#include "controls/listview/drag_drop_list_ctrl.h"

#include <QHeaderView>
#include <QMoveEvent>
#include <QResizeEvent>

CDragDropListCtrl::CProgressEntry::CProgressEntry(int row, int column, QWidget *parent)
    : row(row)
    , column(column)
    , bar(parent)
{ }

CDragDropListCtrl::CProgressEntry::~CProgressEntry() = default;

CDragDropListCtrl::CDragDropListCtrl(QWidget *parent)
    : QTableWidget(parent)
{
    verticalHeader()->hide();
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Rows are changed by the program's commands, never by typing into a cell.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // A selected row would otherwise turn every header text bold, and the wider bold texts
    // would no longer fit their columns.
    horizontalHeader()->setHighlightSections(false);
    // A column that is resized or moved takes its cells with it: so must the bars.
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            &CDragDropListCtrl::RepositionProgress);
    connect(horizontalHeader(), &QHeaderView::sectionMoved, this,
            &CDragDropListCtrl::RepositionProgress);

    // The selection stays as visible as with focus: the user looks at the list while working the
    // toolbar and the menus.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);
}

CDragDropListCtrl::~CDragDropListCtrl()
{
    // The bars are children of the viewport: they go before the view that holds them.
    progressTable.clear();
}

QRect CDragDropListCtrl::CellBounds(int row, int column) const
{
    // A cell the view cannot give (a column beyond the last, a row deleted since) has no
    // rectangle; its bar collapses to nothing until the cell exists again.
    return visualRect(model()->index(row, column));
}

void CDragDropListCtrl::CreateProgress(int row, int column)
{
    if (row < 0 || row >= rowCount())
        return;

    auto entry = std::make_unique<CProgressEntry>(row, column, viewport());
    CTextProgressCtrl &bar = entry->bar;
    bar.SetThinBorder(true);
    bar.setGeometry(CellBounds(row, column));
    bar.show();
    bar.raise();

    bar.barColour = QColor(0, 255, 0);
    bar.lowerBound = 0;
    bar.upperBound = 100;
    bar.SetPos(0);

    auto &slot = progressTable[row];
    slot.reset();
    slot = std::move(entry);
}

void CDragDropListCtrl::SetProgressPos(int row, int position)
{
    const auto found = progressTable.find(row);
    if (found == progressTable.end() || !found->second)
        return;
    found->second->bar.SetPos(position);
}

void CDragDropListCtrl::RemoveProgress(int row)
{
    std::unique_ptr<CProgressEntry> entry = std::move(progressTable[row]);
}

void CDragDropListCtrl::RepositionProgress()
{
    for (const auto &[row, entry] : progressTable) {
        if (!entry)
            continue;
        entry->bar.setGeometry(CellBounds(entry->row, entry->column));
        entry->bar.update();
    }
}

CTextProgressCtrl *CDragDropListCtrl::ProgressBar(int row) const
{
    const auto found = progressTable.find(row);
    if (found == progressTable.end() || !found->second)
        return nullptr;
    return &found->second->bar;
}

void CDragDropListCtrl::scrollContentsBy(int dx, int dy)
{
    // Every way of scrolling ends here (bars, wheel, keys, scrollTo); the cells have their new
    // places only once the view has scrolled.
    QTableWidget::scrollContentsBy(dx, dy);
    RepositionProgress();
}

void CDragDropListCtrl::resizeEvent(QResizeEvent *event)
{
    QTableWidget::resizeEvent(event);
    RepositionProgress();
}

void CDragDropListCtrl::moveEvent(QMoveEvent *event)
{
    QTableWidget::moveEvent(event);
    RepositionProgress();
}
