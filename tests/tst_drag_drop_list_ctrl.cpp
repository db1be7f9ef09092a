#include "ui/controls/listview/drag_drop_list_ctrl.h"

#include <QHeaderView>
#include <QScopeGuard>
#include <QScreen>
#include <QStandardItemModel>
#include <QtTest>

#include <memory>

namespace {

const int kStatus = 5;
const int kProgressRole = Qt::UserRole + 1;
const int kUnknown = -2;

// The main window stand-in: the list sits inside it, as in the program, over a model of `rows`
// rows whose Status cells carry a progress (none: -1).
struct Window
{
    std::unique_ptr<QWidget> top;
    QStandardItemModel model;
    CDragDropListCtrl *list = nullptr;
};

std::unique_ptr<Window> MakeWindow(int rows)
{
    auto window = std::make_unique<Window>();
    window->top = std::make_unique<QWidget>();
    window->top->resize(640, 400);
    window->model.setColumnCount(7);
    window->model.setHorizontalHeaderLabels(
        {"Select", "File Name", "Location", "Duration", "Target Format", "Status", ""});
    for (int row = 0; row < rows; ++row) {
        QList<QStandardItem *> cells;
        for (int column = 0; column < 7; ++column)
            cells << new QStandardItem(column == 1 ? QStringLiteral("clip%1.avi").arg(row)
                                                   : QString());
        cells[kStatus]->setData(-1, kProgressRole);
        window->model.appendRow(cells);
    }
    window->list = new CDragDropListCtrl(window->top.get());
    CDragDropListCtrl *list = window->list;
    list->setModel(&window->model);
    list->ShowProgressIn(kStatus, kProgressRole, kUnknown);
    for (int column = 0; column < 5; ++column)
        list->setColumnWidth(column, 60);
    list->setColumnWidth(kStatus, 120);
    list->setColumnWidth(6, 300);
    list->setGeometry(10, 10, 500, 300);
    window->top->show();
    if (!QTest::qWaitForWindowExposed(window->top.get()))
        window.reset();
    return window;
}

QRect Cell(CDragDropListCtrl *list, int row)
{
    return list->visualRect(list->model()->index(row, kStatus));
}

QImage OnScreen(QWidget *widget, QRect part = QRect())
{
    QWidget *top = widget->window();
    if (part.isNull())
        part = widget->rect();
    const QPoint origin = widget->mapTo(top, part.topLeft());
    return top->screen()
        ->grabWindow(top->winId(), origin.x(), origin.y(), part.width(), part.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// The bar control itself, of the given size, at `position`, with `caption`, in `font`.
QImage Reference(QSize size, int position, const QString &caption, QWidget *fontOf)
{
    QWidget top;
    top.setFont(fontOf->window()->font());
    CTextProgressCtrl bar(&top);
    bar.SetThinBorder(true);
    bar.resize(size);
    bar.winId();
    bar.SetPos(position);
    bar.SetWindowText(caption);
    QImage image(size, QImage::Format_RGB32);
    bar.render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

} // namespace

class TestDragDropListCtrl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void barIsTheControlsPainting_data();
    void barIsTheControlsPainting();
    void headerFontUnchangedBySelection();
    void selection_data();
    void selection();
};

void TestDragDropListCtrl::barIsTheControlsPainting_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("progress");
    QTest::addColumn<QString>("change"); // what the user does to the list first

    QTest::newRow("first row") << 0 << 0 << "";
    QTest::newRow("half done") << 2 << 50 << "";
    QTest::newRow("no measure") << 1 << kUnknown << "";
    QTest::newRow("scrolled far down") << 9000 << 64 << "scroll";
    QTest::newRow("status column wider") << 3 << 30 << "resize";
    QTest::newRow("status column moved first") << 3 << 75 << "move";
}

void TestDragDropListCtrl::barIsTheControlsPainting()
{
    QFETCH(int, row);
    QFETCH(int, progress);
    QFETCH(QString, change);
    auto window = MakeWindow(10000);
    QVERIFY(window);
    CDragDropListCtrl *list = window->list;
    window->model.item(row, kStatus)->setData(progress, kProgressRole);
    if (change == QLatin1String("scroll"))
        list->scrollTo(window->model.index(row, 1), QAbstractItemView::PositionAtCenter);
    else if (change == QLatin1String("resize"))
        list->setColumnWidth(kStatus, 170);
    else if (change == QLatin1String("move"))
        list->horizontalHeader()->moveSection(kStatus, 0);
    QCoreApplication::processEvents();

    // The cell shows exactly what the bar control paints at its size.
    const QRect cell = Cell(list, row);
    QVERIFY(list->viewport()->rect().contains(cell));
    QTRY_COMPARE_WITH_TIMEOUT(
        OnScreen(list->viewport(), cell),
        Reference(cell.size(), progress == kUnknown ? 0 : progress,
                  progress == kUnknown ? QStringLiteral("Converting...") : QString(), list),
        2000);
}

void TestDragDropListCtrl::headerFontUnchangedBySelection()
{
    auto window = MakeWindow(8);
    QVERIFY(window);
    CDragDropListCtrl *list = window->list;
    QHeaderView *header = list->horizontalHeader();
    list->clearSelection();
    list->setCurrentIndex(QModelIndex());
    QCoreApplication::processEvents();
    const QImage plain = OnScreen(header);

    // Whole rows and single cells selected: the header is drawn exactly as before.
    list->selectRow(3);
    QTRY_VERIFY_WITH_TIMEOUT(!list->selectionModel()->selectedRows().isEmpty(), 2000);
    list->setFocus();
    QCoreApplication::processEvents();
    QCOMPARE(OnScreen(header), plain);
    list->setCurrentIndex(list->model()->index(5, kStatus));
    QCoreApplication::processEvents();
    QCOMPARE(OnScreen(header), plain);
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

    auto window = MakeWindow(6);
    QVERIFY(window);
    CDragDropListCtrl *list = window->list;
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
    QTRY_VERIFY_WITH_TIMEOUT(!window->top->isActiveWindow(), 2000);
    list->viewport()->repaint();
    QCOMPARE(OnScreen(list->viewport()).pixel(probe), highlight);
}

QTEST_MAIN(TestDragDropListCtrl)
#include "tst_drag_drop_list_ctrl.moc"
