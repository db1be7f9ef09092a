#include "controls/listview/drag_drop_list_ctrl.h"

#include <QHeaderView>
#include <QPointer>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

#include <memory>

namespace {

const int kStatus = 5;

// The main window stand-in: the list sits inside it, as in the program.
struct Window
{
    std::unique_ptr<QWidget> top;
    CDragDropListCtrl *list = nullptr;
};

Window MakeWindow(int rows)
{
    Window window;
    window.top = std::make_unique<QWidget>();
    window.top->resize(640, 400);
    window.list = new CDragDropListCtrl(window.top.get());
    CDragDropListCtrl *list = window.list;
    list->setColumnCount(7);
    list->setHorizontalHeaderLabels(
        {"Select", "File Name", "Location", "Duration", "Target Format", "Status", ""});
    for (int column = 0; column < 5; ++column)
        list->setColumnWidth(column, 60);
    list->setColumnWidth(kStatus, 120);
    list->setColumnWidth(6, 300);
    list->setRowCount(rows);
    for (int row = 0; row < rows; ++row)
        list->setItem(row, 1, new QTableWidgetItem(QStringLiteral("clip%1.avi").arg(row)));
    list->setGeometry(10, 10, 500, 300);
    window.top->show();
    if (!QTest::qWaitForWindowExposed(window.top.get()))
        window.top.reset();
    return window;
}

QRect Cell(CDragDropListCtrl *list, int row)
{
    return list->visualRect(list->model()->index(row, kStatus));
}

QImage OnScreen(QWidget *widget)
{
    QWidget *top = widget->window();
    const QPoint origin = widget->mapTo(top, QPoint(0, 0));
    return top->screen()
        ->grabWindow(top->winId(), origin.x(), origin.y(), widget->width(), widget->height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// A bar of the given size freshly painted, with a frame and `caption`.
QImage Reference(QSize size, const QString &caption)
{
    CTextProgressCtrl bar;
    bar.SetThinBorder(true);
    bar.resize(size);
    bar.winId();
    bar.SetPos(0);
    bar.SetWindowText(caption);
    QImage image(size, QImage::Format_RGB32);
    bar.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

QList<CTextProgressCtrl *> BarWidgets(CDragDropListCtrl *list)
{
    return list->findChildren<CTextProgressCtrl *>();
}

} // namespace

class TestDragDropListCtrl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void operations_data();
    void operations();
    void barCoversStatusCell_data();
    void barCoversStatusCell();
    void barsFollowTheList_data();
    void barsFollowTheList();
    void barOnScreenAfterColumnChange_data();
    void barOnScreenAfterColumnChange();
    void headerFontUnchangedBySelection();
    void barsDestroyedWithTheList_data();
    void barsDestroyedWithTheList();
    void manyRows_data();
    void manyRows();
    void selection_data();
    void selection();
};

void TestDragDropListCtrl::operations_data()
{
    // Steps on a list of five rows: "create ROW COLUMN", "set ROW POSITION", "remove ROW".
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("barRows"); // rows with a bar at the end, ascending
    QTest::addColumn<QList<int>>("positions"); // of those bars
    QTest::addColumn<int>("slots");
    QTest::addColumn<int>("destroyed"); // bars made during the steps and gone at the end

    QTest::newRow("row equal to the row count")
        << QStringList {"create 5 5"} << QList<int> {} << QList<int> {} << 0 << 0;
    QTest::newRow("negative row") << QStringList {"create -1 5"} << QList<int> {} << QList<int> {}
                                  << 0 << 0;
    QTest::newRow("outside rows leave the table alone")
        << QStringList {"create 2 5", "set 2 30", "create 5 5", "create -7 5"} << QList<int> {2}
        << QList<int> {30} << 1 << 0;
    QTest::newRow("a new bar starts at 0")
        << QStringList {"create 4 5"} << QList<int> {4} << QList<int> {0} << 1 << 0;
    QTest::newRow("second bar for a row replaces the first")
        << QStringList {"create 1 5", "set 1 60", "create 1 5"} << QList<int> {1} << QList<int> {0}
        << 1 << 1;
    QTest::newRow("position of a removed bar") << QStringList {"create 1 5", "remove 1", "set 1 50"}
                                               << QList<int> {} << QList<int> {} << 1 << 1;
    QTest::newRow("remove twice") << QStringList {"create 1 5", "create 3 5", "remove 1",
                                                  "remove 1"}
                                  << QList<int> {3} << QList<int> {0} << 2 << 1;
    QTest::newRow("remove a row that never had a bar")
        << QStringList {"create 0 5", "remove 2"} << QList<int> {0} << QList<int> {0} << 2 << 0;
    QTest::newRow("position of a row that never had a bar")
        << QStringList {"create 0 5", "set 3 70"} << QList<int> {0} << QList<int> {0} << 1 << 0;
    QTest::newRow("positions are not clamped")
        << QStringList {"create 0 5", "create 2 5", "set 0 150", "set 2 -5"} << QList<int> {0, 2}
        << QList<int> {150, -5} << 2 << 0;
    QTest::newRow("a slot is used again")
        << QStringList {"create 2 5", "remove 2", "create 2 5", "set 2 12"} << QList<int> {2}
        << QList<int> {12} << 1 << 1;
}

void TestDragDropListCtrl::operations()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, barRows);
    QFETCH(QList<int>, positions);
    QFETCH(int, slots);
    QFETCH(int, destroyed);

    Window window = MakeWindow(5);
    QVERIFY(window.top);
    CDragDropListCtrl *list = window.list;

    QList<QPointer<CTextProgressCtrl>> made;
    for (const QString &step : steps) {
        const QStringList words = step.split(QLatin1Char(' '));
        const int row = words.at(1).toInt();
        if (words.at(0) == "create") {
            list->CreateProgress(row, words.at(2).toInt());
            if (list->ProgressBar(row) && !made.contains(list->ProgressBar(row)))
                made.append(list->ProgressBar(row));
        } else if (words.at(0) == "set") {
            list->SetProgressPos(row, words.at(2).toInt());
        } else {
            list->RemoveProgress(row);
        }
    }

    QCOMPARE(list->ProgressSlotCount(), slots);
    QCOMPARE(BarWidgets(list).size(), barRows.size());
    for (int row = -10; row < 10; ++row) {
        const int index = barRows.indexOf(row);
        CTextProgressCtrl *bar = list->ProgressBar(row);
        QCOMPARE(bar != nullptr, index >= 0);
        if (!bar)
            continue;
        QCOMPARE(bar->GetPos(), positions.at(index));
        QVERIFY(BarWidgets(list).contains(bar));
    }
    QCOMPARE(static_cast<int>(std::count(made.begin(), made.end(), nullptr)), destroyed);
}

void TestDragDropListCtrl::barCoversStatusCell_data()
{
    QTest::addColumn<int>("row");

    QTest::newRow("first row") << 0;
    QTest::newRow("a middle row") << 4;
    QTest::newRow("last visible row") << 7;
}

void TestDragDropListCtrl::barCoversStatusCell()
{
    QFETCH(int, row);

    Window window = MakeWindow(8);
    QVERIFY(window.top);
    CDragDropListCtrl *list = window.list;

    const QImage before = OnScreen(list->viewport());
    list->CreateProgress(row, kStatus);
    list->SetProgressPos(row, 0);
    CTextProgressCtrl *bar = list->ProgressBar(row);
    QVERIFY(bar);
    QCOMPARE(bar->parentWidget(), list->viewport());
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->geometry(), Cell(list, row));

    // On screen: a black frame along the cell's edges around a white bar reading 0%.
    QTRY_VERIFY_WITH_TIMEOUT(OnScreen(list->viewport()) != before, 2000);
    const QRect cell = Cell(list, row);
    const QImage shown = OnScreen(list->viewport()).copy(cell);
    QCOMPARE(shown, Reference(cell.size(), QStringLiteral("0%")));
    for (int x = 0; x < cell.width(); ++x) {
        QCOMPARE(shown.pixel(x, 0), qRgb(0, 0, 0));
        QCOMPARE(shown.pixel(x, cell.height() - 1), qRgb(0, 0, 0));
    }
    QCOMPARE(shown.pixel(1, 1), qRgb(255, 255, 255));
    QVERIFY(shown != Reference(cell.size(), QStringLiteral("1%")));

    // The cells around it are drawn as before.
    const QImage now = OnScreen(list->viewport());
    const QRect left(0, cell.top(), cell.left(), cell.height());
    QCOMPARE(now.copy(left), before.copy(left));
}

void TestDragDropListCtrl::barsFollowTheList_data()
{
    QTest::addColumn<bool>("widenColumnFirst");
    QTest::addColumn<QString>("action");
    QTest::addColumn<int>("removedRow"); // bars are made on rows 1, 3 and 5; -1 removes none

    const QStringList scrolls {"vertical scroll bar", "horizontal scroll bar", "wheel",
                               "page down key", "scroll to a row"};
    for (const QString &scroll : scrolls) {
        QTest::addRow("%s", qPrintable(scroll)) << false << scroll << -1;
        QTest::addRow("%s after a removal", qPrintable(scroll)) << false << scroll << 3;
    }
    QTest::newRow("resize after widening") << true << "resize" << -1;
    QTest::newRow("resize after widening and a removal") << true << "resize" << 1;
    QTest::newRow("move after widening") << true << "move" << -1;
    QTest::newRow("move after widening and a removal") << true << "move" << 5;
    QTest::newRow("scroll after widening") << true << "vertical scroll bar" << -1;
}

void TestDragDropListCtrl::barsFollowTheList()
{
    QFETCH(bool, widenColumnFirst);
    QFETCH(QString, action);
    QFETCH(int, removedRow);

    Window window = MakeWindow(100);
    QVERIFY(window.top);
    CDragDropListCtrl *list = window.list;

    QList<int> rows {1, 3, 5};
    for (int row : rows)
        list->CreateProgress(row, kStatus);
    if (removedRow >= 0) {
        list->RemoveProgress(removedRow);
        rows.removeOne(removedRow);
    }

    QList<QRect> placed;
    for (int row : rows)
        placed.append(list->ProgressBar(row)->geometry());

    if (widenColumnFirst) {
        list->setColumnWidth(4, 100);
        QCoreApplication::processEvents();
        // The Status cells move with the header, and the bars with them.
        for (int i = 0; i < rows.size(); ++i) {
            QVERIFY(Cell(list, rows.at(i)) != placed.at(i));
            QCOMPARE(list->ProgressBar(rows.at(i))->geometry(), Cell(list, rows.at(i)));
            placed[i] = Cell(list, rows.at(i));
        }
    }

    if (action == "vertical scroll bar") {
        list->verticalScrollBar()->setValue(list->verticalScrollBar()->value() + 2);
    } else if (action == "horizontal scroll bar") {
        list->horizontalScrollBar()->setValue(list->horizontalScrollBar()->maximum());
    } else if (action == "wheel") {
        const QPointF at(50, 50);
        QWheelEvent wheel(at, list->viewport()->mapToGlobal(at), QPoint(), QPoint(0, -120),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(list->viewport(), &wheel);
    } else if (action == "page down key") {
        list->setCurrentCell(0, 1);
        QTest::keyClick(list, Qt::Key_PageDown);
    } else if (action == "scroll to a row") {
        list->scrollToItem(list->item(60, 1), QAbstractItemView::PositionAtTop);
    } else if (action == "resize") {
        list->resize(list->width() + 20, list->height() - 10);
    } else if (action == "move") {
        list->move(list->pos() + QPoint(15, 7));
    }
    QCoreApplication::processEvents();

    for (int i = 0; i < rows.size(); ++i) {
        const QRect now = list->ProgressBar(rows.at(i))->geometry();
        // Resizing or moving the list leaves its cells where they are in the viewport.
        if (action != QLatin1String("resize") && action != QLatin1String("move"))
            QVERIFY2(now != placed.at(i), qPrintable(QString::number(rows.at(i))));
        QCOMPARE(now, Cell(list, rows.at(i)));
    }
    QCOMPARE(BarWidgets(list).size(), rows.size());
}

void TestDragDropListCtrl::barOnScreenAfterColumnChange_data()
{
    QTest::addColumn<QString>("change");
    QTest::newRow("a column before it widened") << "widen";
    QTest::newRow("a column before it narrowed") << "narrow";
    QTest::newRow("the Status column itself widened") << "status";
    QTest::newRow("the Status column moved to the front") << "move";
}

void TestDragDropListCtrl::barOnScreenAfterColumnChange()
{
    QFETCH(QString, change);
    Window window = MakeWindow(8);
    QVERIFY(window.top);
    CDragDropListCtrl *list = window.list;
    const int row = 2;
    list->CreateProgress(row, kStatus);
    QHeaderView *header = list->horizontalHeader();
    const QRect before = Cell(list, row);

    if (change == QLatin1String("widen"))
        header->resizeSection(2, 110);
    else if (change == QLatin1String("narrow"))
        header->resizeSection(2, 20);
    else if (change == QLatin1String("status"))
        header->resizeSection(kStatus, 160);
    else
        header->moveSection(header->visualIndex(kStatus), 0);
    const QRect cell = Cell(list, row);
    QVERIFY(cell != before);

    // On screen the bar, framed and reading 0%, covers the Status cell where it is now.
    QTRY_COMPARE_WITH_TIMEOUT(OnScreen(list->viewport()).copy(cell),
                              Reference(cell.size(), QStringLiteral("0%")), 2000);
    // and nothing of it is left where the cell was.
    const QRect left = before.intersected(QRect(before.topLeft(), QSize(4, before.height())));
    if (!left.intersects(cell)) {
        const QImage shown = OnScreen(list->viewport()).copy(left);
        for (int y = 1; y < shown.height() - 1; ++y)
            QVERIFY2(shown.pixel(0, y) != qRgb(0, 0, 0) || shown.pixel(1, y) != qRgb(255, 255, 255),
                     qPrintable(QString::number(y)));
    }
}

void TestDragDropListCtrl::headerFontUnchangedBySelection()
{
    Window window = MakeWindow(8);
    QVERIFY(window.top);
    CDragDropListCtrl *list = window.list;
    QHeaderView *header = list->horizontalHeader();
    list->clearSelection();
    list->setCurrentCell(-1, -1);
    QCoreApplication::processEvents();
    const QImage plain = OnScreen(header);

    // Whole rows and single cells selected: the header is drawn exactly as before.
    list->selectRow(3);
    QTRY_VERIFY_WITH_TIMEOUT(!list->selectionModel()->selectedRows().isEmpty(), 2000);
    list->setFocus();
    QCoreApplication::processEvents();
    QCOMPARE(OnScreen(header), plain);
    list->setCurrentCell(5, kStatus);
    QCoreApplication::processEvents();
    QCOMPARE(OnScreen(header), plain);
}

void TestDragDropListCtrl::barsDestroyedWithTheList_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<bool>("wholeWindow");

    QTest::newRow("one bar, list destroyed") << QList<int> {2} << false;
    QTest::newRow("three bars, list destroyed") << QList<int> {0, 2, 4} << false;
    QTest::newRow("one bar, window destroyed") << QList<int> {2} << true;
    QTest::newRow("bar replaced, window destroyed") << QList<int> {2, 2} << true;
}

void TestDragDropListCtrl::barsDestroyedWithTheList()
{
    QFETCH(QList<int>, rows);
    QFETCH(bool, wholeWindow);

    Window window = MakeWindow(5);
    QVERIFY(window.top);
    QList<QPointer<CTextProgressCtrl>> bars;
    for (int row : rows) {
        window.list->CreateProgress(row, kStatus);
        bars.append(window.list->ProgressBar(row));
    }
    QPointer<CDragDropListCtrl> list = window.list;
    if (wholeWindow)
        window.top.reset();
    else
        delete window.list;

    QVERIFY(list.isNull());
    for (const auto &bar : bars)
        QVERIFY(bar.isNull());
}

void TestDragDropListCtrl::manyRows_data()
{
    QTest::addColumn<int>("row");

    QTest::newRow("first") << 0;
    QTest::newRow("middle") << 5000;
    QTest::newRow("last") << 9999;
}

void TestDragDropListCtrl::manyRows()
{
    QFETCH(int, row);

    Window window = MakeWindow(10000);
    QVERIFY(window.top);
    CDragDropListCtrl *list = window.list;

    list->scrollToItem(list->item(row, 1));
    QCoreApplication::processEvents();
    list->CreateProgress(row, kStatus);
    CTextProgressCtrl *bar = list->ProgressBar(row);
    QVERIFY(bar);
    QVERIFY(list->viewport()->rect().intersects(bar->geometry()));
    list->SetProgressPos(row, 64);
    QCOMPARE(bar->GetPos(), 64);

    list->scrollToTop();
    QCOMPARE(bar->geometry(), Cell(list, row));
    list->scrollToBottom();
    QCOMPARE(bar->geometry(), Cell(list, row));
    list->scrollToItem(list->item(row, 1), QAbstractItemView::PositionAtCenter);
    QCOMPARE(bar->geometry(), Cell(list, row));
    QVERIFY(list->viewport()->rect().intersects(bar->geometry()));

    QPointer<CTextProgressCtrl> watched = bar;
    list->RemoveProgress(row);
    QVERIFY(watched.isNull());
    QVERIFY(BarWidgets(list).isEmpty());
    list->verticalScrollBar()->setValue(list->verticalScrollBar()->maximum() / 2);
    QCOMPARE(list->ProgressSlotCount(), 1);
}

void TestDragDropListCtrl::selection_data()
{
    QTest::addColumn<Qt::KeyboardModifier>("modifier");
    QTest::addColumn<QList<int>>("selectedRows");

    QTest::newRow("click") << Qt::NoModifier << QList<int> {3};
    QTest::newRow("control click") << Qt::ControlModifier << QList<int> {1, 3};
    QTest::newRow("shift click") << Qt::ShiftModifier << QList<int> {1, 2, 3};
}

void TestDragDropListCtrl::selection()
{
    QFETCH(Qt::KeyboardModifier, modifier);
    QFETCH(QList<int>, selectedRows);

    // A desktop theme that greys the selection of inactive windows.
    const QPalette original = QApplication::palette();
    QPalette themed = original;
    themed.setColor(QPalette::Inactive, QPalette::Highlight, QColor(200, 200, 200));
    QApplication::setPalette(themed);
    const auto restore = qScopeGuard([&original] { QApplication::setPalette(original); });

    Window window = MakeWindow(6);
    QVERIFY(window.top);
    CDragDropListCtrl *list = window.list;
    const auto cellCentre = [list](int row, int column) {
        return list->visualRect(list->model()->index(row, column)).center();
    };
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, cellCentre(1, 2));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, modifier, cellCentre(3, 4));

    // Whole rows are selected, whichever cell was clicked.
    QList<int> rows;
    for (const QModelIndex &index : list->selectionModel()->selectedRows())
        rows.append(index.row());
    std::sort(rows.begin(), rows.end());
    QCOMPARE(rows, selectedRows);

    // The selection looks the same when the list's window is not the active one.
    const QPoint probe = cellCentre(3, 0);
    const QRgb highlight = list->palette().color(QPalette::Active, QPalette::Highlight).rgb();
    QTRY_COMPARE_WITH_TIMEOUT(OnScreen(list->viewport()).pixel(probe), highlight, 2000);
    QWidget other;
    other.show();
    QVERIFY(QTest::qWaitForWindowExposed(&other));
    QApplication::setActiveWindow(&other);
    QTRY_VERIFY_WITH_TIMEOUT(!window.top->isActiveWindow(), 2000);
    list->viewport()->repaint();
    QCOMPARE(OnScreen(list->viewport()).pixel(probe), highlight);
}

QTEST_MAIN(TestDragDropListCtrl)
#include "tst_drag_drop_list_ctrl.moc"
