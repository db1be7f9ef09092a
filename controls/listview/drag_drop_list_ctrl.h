#pragma once

#include "controls/listview/text_progress_ctrl.h"

#include <QTableWidget>

#include <map>
#include <memory>

// The report-style media list. Besides the ordinary table it can lay a progress bar over one cell
// of a row and keep it there while the list scrolls, resizes or moves, and while its columns are
// resized or moved. Selecting rows leaves the header texts as they are.
//
// Bars are kept in a table keyed by the row index they were made for. Inserting, deleting or
// moving rows does not re-key that table: while a conversion runs the list's rows stay put.
class CDragDropListCtrl : public QTableWidget
{
    Q_OBJECT

public:
    // One bar over one cell.
    class CProgressEntry
    {
    public:
        CProgressEntry(int row, int column, QWidget *parent);
        virtual ~CProgressEntry();

        CProgressEntry(const CProgressEntry &) = delete;
        CProgressEntry &operator=(const CProgressEntry &) = delete;

        int row;
        int column;
        // The bar's widget lives exactly as long as the entry; the list destroys every entry
        // before its viewport goes, so the parent never deletes the bar behind the entry's back.
        CTextProgressCtrl bar;
    };

    explicit CDragDropListCtrl(QWidget *parent = nullptr);
    ~CDragDropListCtrl() override;

    // Lays a new bar with range 0..100 at position 0 over cell (row, column), replacing the row's
    // previous bar. A row outside the list gets nothing.
    void CreateProgress(int row, int column);
    // Moves the row's bar, if it has one; the position is a percentage and is not clamped.
    void SetProgressPos(int row, int position);
    // Destroys the row's bar, if any; the row keeps an empty slot.
    void RemoveProgress(int row);
    // Moves every bar back over its cell.
    void RepositionProgress();

    // The row's bar, or nullptr when it has none.
    CTextProgressCtrl *ProgressBar(int row) const;
    // The number of slots in the table: every row a bar was made for or removed from, whether it
    // holds a bar now or not.
    int ProgressSlotCount() const { return static_cast<int>(progressTable.size()); }

protected:
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent *event) override;
    void moveEvent(QMoveEvent *event) override;

private:
    QRect CellBounds(int row, int column) const;

    std::map<int, std::unique_ptr<CProgressEntry>> progressTable;
};
