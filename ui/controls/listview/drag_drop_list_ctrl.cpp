// The media list's table view, which paints the progress bars of the running rows.
#include "ui/controls/listview/drag_drop_list_ctrl.h"

#include <QCoreApplication>
#include <QHeaderView>
#include <QPainter>

#include <algorithm>

CProgressDelegate::CProgressDelegate(int progressRole, int unknownProgress, int toneRole,
                                     int captionRole, QObject *parent)
    : QStyledItemDelegate(parent)
    , m_progressRole(progressRole)
    , m_unknownProgress(unknownProgress)
    , m_toneRole(toneRole)
    , m_captionRole(captionRole)
{ }

void CProgressDelegate::initStyleOption(QStyleOptionViewItem *option,
                                        const QModelIndex &index) const
{
    QStyledItemDelegate::initStyleOption(option, index);
    const int tone = m_toneRole >= 0 ? index.data(m_toneRole).toInt() : 0;
    if (tone >= 1 && tone <= 4)
        option->palette.setColor(QPalette::Text,
                                 tone == 1       ? GoodText()
                                     : tone == 2 ? BadText()
                                     : tone == 3 ? PartialText()
                                                 : MutedText());
}

void CProgressDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    const QVariant progress = index.data(m_progressRole);
    const int value = progress.isValid() ? progress.toInt() : -1;
    if (value < 0 && value != m_unknownProgress) {
        QStyledItemDelegate::paint(painter, option, index);
        return;
    }
    CTextProgressCtrl::Look look;
    look.thinBorder = true;
    // Without a percentage the bar still says that the file is being worked on.
    const bool unknown = value == m_unknownProgress;
    const QWidget *view = option.widget;
    const double fraction = unknown ? 0.0 : value / 100.0;
    QString caption = unknown ? QCoreApplication::translate("List", "Converting...") : QString();
    const QString more = m_captionRole >= 0 ? index.data(m_captionRole).toString() : QString();
    if (!more.isEmpty())
        caption = (caption.isEmpty() ? QStringLiteral("%1%").arg(value) : caption)
            + QStringLiteral("  ") + more;
    CTextProgressCtrl::Paint(painter, option.rect, option.rect, look, fraction, caption,
                             view ? view->window()->font() : option.font);
}

CDragDropListCtrl::CDragDropListCtrl(QWidget *parent)
    : QTableView(parent)
{
    verticalHeader()->hide();
    setShowGrid(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    // Rows are changed by the program's commands, never by typing into a cell.
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Nothing in a row is edited: Tab goes on to the window's other controls.
    setTabKeyNavigation(false);
    setSortingEnabled(false);
    setWordWrap(false);
    setIconSize(QSize(16, 16));
    // A selected row would otherwise turn every header text bold, and the wider bold texts
    // would no longer fit their columns.
    horizontalHeader()->setHighlightSections(false);
    // Rows are reordered by dragging them within the list (the model moves them); the drop
    // place is shown, and the list scrolls when the pointer nears its edges.
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragDrop);
    setDefaultDropAction(Qt::MoveAction);
    setDropIndicatorShown(true);
    setDragDropOverwriteMode(false);
    setAutoScroll(true);

    // The selection stays as visible as with focus: the user looks at the list while working the
    // toolbar and the menus.
    QPalette colours = palette();
    colours.setColor(QPalette::Inactive, QPalette::Highlight,
                     colours.color(QPalette::Active, QPalette::Highlight));
    colours.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     colours.color(QPalette::Active, QPalette::HighlightedText));
    setPalette(colours);
}

CDragDropListCtrl::~CDragDropListCtrl() = default;

void CDragDropListCtrl::ShowProgressIn(int column, int progressRole, int unknownProgress,
                                       int toneRole, int captionRole)
{
    setItemDelegateForColumn(
        column, new CProgressDelegate(progressRole, unknownProgress, toneRole, captionRole, this));
}

QList<int> CDragDropListCtrl::SelectedRows() const
{
    QList<int> rows;
    if (!selectionModel())
        return rows;
    for (const QModelIndex &index : selectionModel()->selectedRows())
        rows << index.row();
    std::sort(rows.begin(), rows.end());
    return rows;
}

QModelIndex CDragDropListCtrl::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    const int rows = model() ? model()->rowCount(rootIndex()) : 0;
    if ((action == MoveHome || action == MoveEnd) && rows > 0)
        return model()->index(action == MoveHome ? 0 : rows - 1, qMax(0, currentIndex().column()),
                              rootIndex());
    return QTableView::moveCursor(action, modifiers);
}
