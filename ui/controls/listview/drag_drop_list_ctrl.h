#pragma once

#include "ui/controls/listview/text_progress_ctrl.h"

#include <QStyledItemDelegate>
#include <QTableView>

// Paints a running item's progress bar over its Status cell, with CTextProgressCtrl's own
// painting: a thin frame, the green filled part and the percentage (or, without a measurable
// progress, "Converting..."), followed by the cell's caption role when it has one (the time left).
// Cells whose item is not converted are painted as usual, their text green, red, orange or gray
// as the tone role says (1 good, 2 bad, 3 partial, 4 muted).
class CProgressDelegate final : public QStyledItemDelegate
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CProgressDelegate)

public:
    // `progressRole` is the model role that holds the cell's progress: 0..100, a negative value
    // for none, or `unknownProgress` when the work goes on without a measure.
    CProgressDelegate(int progressRole, int unknownProgress, int toneRole, int captionRole,
                      QObject *parent = nullptr);

    static QColor GoodText() { return QColor(0, 128, 0); }
    static QColor BadText() { return QColor(200, 0, 0); }
    static QColor PartialText() { return QColor(176, 80, 0); }
    static QColor MutedText() { return QColor(128, 128, 128); }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override;

private:
    int m_progressRole;
    int m_unknownProgress;
    int m_toneRole;
    int m_captionRole;
};

// The report-style media list: a table view of the media store, whose Status column paints each
// running row's progress bar (no bar widgets exist, so bars follow scrolling, column resizes and
// moves by themselves). Selecting rows leaves the header texts as they are. Tab and Shift+Tab
// leave the list for the next or previous control.
class CDragDropListCtrl final : public QTableView
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CDragDropListCtrl)

public:
    explicit CDragDropListCtrl(QWidget *parent = nullptr);
    ~CDragDropListCtrl() override;

    // Paints the bars of `column` from the model's roles (see CProgressDelegate).
    void ShowProgressIn(int column, int progressRole, int unknownProgress, int toneRole = -1,
                        int captionRole = -1);

    // The rows selected now, in ascending order.
    QList<int> SelectedRows() const;

protected:
    // Home and End go to the first and the last row (the list is walked by rows, not cells).
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
};
