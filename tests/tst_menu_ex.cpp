#include "res/resource.h"
#include "ui/controls/chrome/menu_ex.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QTimer>
#include <QVBoxLayout>
#include <QtTest>

class TestMenuEx : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void itemSizes_data();
    void itemSizes();
    void layerPixels_data();
    void layerPixels();
    void textStyle_data();
    void textStyle();
    void tabExpanded_data();
    void tabExpanded();
    void checkMark_data();
    void checkMark();
    void popupGeometry_data();
    void popupGeometry();
    void popupFrameAndMargin_data();
    void popupFrameAndMargin();
    void grabbedPopup_data();
    void grabbedPopup();
    void submenuArrow_data();
    void submenuArrow();
    void refreshPopup_data();
    void refreshPopup();
    void reloadReleasesFirst_data();
    void reloadReleasesFirst();
    void commandsReachHandler_data();
    void commandsReachHandler();
    void trackPopup_data();
    void trackPopup();
    void unknownResource();
    void cleanup();
};

namespace {

const QColor kImageColumn(236, 233, 216);
const QColor kFrame(49, 106, 197);
const QColor kFill(200, 220, 253);
const QColor kSeparatorLine(197, 194, 184);
const QColor kOutside(Qt::magenta);
constexpr int kMargin = 6;
// The room a popup keeps right of its widest item.
constexpr int kRightMargin = 8;

QColor Background()
{
    return QApplication::palette().color(QPalette::Window);
}

MenuTemplateItem Command(const QString &text, int id)
{
    MenuTemplateItem item;
    item.text = text;
    item.id = id;
    return item;
}

MenuTemplateItem Submenu(const QString &text, std::vector<MenuTemplateItem> children)
{
    MenuTemplateItem item;
    item.text = text;
    item.id = MenuTemplateItem::kSubmenuId;
    item.children = std::move(children);
    return item;
}

MenuTemplateItem Separator()
{
    return MenuTemplateItem();
}

// A popup with one entry of each kind: 0 command, 1 submenu entry, 2 separator.
std::unique_ptr<CMenuEx> SamplePopup(const QString &text)
{
    auto menu = std::make_unique<CMenuEx>();
    menu->SetPopup(true);
    menu->LoadFromMenu(
        {Command(text, 100), Submenu(text, {Command(QStringLiteral("Inner"), 101)}), Separator()});
    return menu;
}

// Paints `item` into R = (kMargin, kMargin, size) of an image whose outside is magenta, so that
// paint outside R shows.
QImage PaintItem(const CMenuEx &menu, const CMenuEx::tagMENUITEM &item, CMenuEx::ItemState state,
                 const QSize &size)
{
    QImage image(size + QSize(2 * kMargin, 2 * kMargin), QImage::Format_RGB32);
    image.fill(kOutside);
    QPainter painter(&image);
    menu.DrawItem(&painter, QRect(QPoint(kMargin, kMargin), size), state, item);
    return image;
}

// A point of R; negative coordinates count back from R's right or bottom edge (-1: the last).
QColor PixelOfItem(const QImage &image, const QSize &size, QPoint at)
{
    if (at.x() < 0)
        at.rx() += size.width();
    if (at.y() < 0)
        at.ry() += size.height();
    return image.pixelColor(at + QPoint(kMargin, kMargin));
}

int CountColor(const QImage &image, const QRect &area, const QColor &color)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            count += image.pixel(x, y) == color.rgb();
    }
    return count;
}

// The columns of `area` holding any pixel other than `paper`.
QList<int> InkColumns(const QImage &image, const QRect &area, const QColor &paper)
{
    QList<int> columns;
    for (int x = area.left(); x <= area.right(); ++x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (image.pixelColor(x, y) != paper) {
                columns << x;
                break;
            }
        }
    }
    return columns;
}

// The level reached from `menu` through the submenu entries named in `path`.
const CMenuEx *LevelAt(const CMenuEx &menu, const QStringList &path)
{
    const CMenuEx *level = &menu;
    for (const QString &text : path) {
        const CMenuEx *next = nullptr;
        for (int i = 0; i < level->ItemCount(); ++i) {
            if (level->Item(i)->text == text)
                next = level->Item(i)->submenu.get();
        }
        if (!next)
            return nullptr;
        level = next;
    }
    return level;
}

QMenu *PopupAt(const CMenuEx &menu, const QStringList &path)
{
    const CMenuEx *level = LevelAt(menu, path);
    return level ? level->popup() : nullptr;
}

QAction *ActionByText(const QWidget *host, const QString &text)
{
    const QList<QAction *> actions = host->actions();
    for (QAction *action : actions) {
        if (action->text() == text)
            return action;
    }
    return nullptr;
}

void CloseAllPopups()
{
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

} // namespace

void TestMenuEx::cleanup()
{
    CloseAllPopups();
}

void TestMenuEx::itemSizes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("extraWidth");
    QTest::addColumn<int>("height");

    QTest::newRow("command") << "Add Files" << 0 << 30 << 22;
    QTest::newRow("submenu entry") << "Add Files" << 1 << 45 << 22;
    QTest::newRow("command with mnemonic") << "E&xit                  " << 0 << 30 << 22;
    QTest::newRow("submenu entry with mnemonic") << "&Convertion" << 1 << 45 << 22;
    QTest::newRow("separator") << "Add Files" << 2 << -1 << 10;
}

void TestMenuEx::itemSizes()
{
    QFETCH(QString, text);
    QFETCH(int, index);
    QFETCH(int, extraWidth);
    QFETCH(int, height);

    const std::unique_ptr<CMenuEx> menu = SamplePopup(text);
    const QSize size = MeasureMenuItem(*menu->Item(index));
    // The raw text is measured, "&" markers with their own width.
    const int textWidth = QFontMetrics(QApplication::font()).horizontalAdvance(text);
    QCOMPARE(size.width(), extraWidth < 0 ? 0 : textWidth + extraWidth);
    QCOMPARE(size.height(), height);
    QCOMPARE(MeasureMenuItem(*menu->Item(1)).width() - MeasureMenuItem(*menu->Item(0)).width(), 15);

    // Images in the first list present replace the 20 x 20 fallback cell.
    auto images = std::make_shared<MenuImageList>(MenuImageList {QPixmap(16, 12)});
    CMenuEx withImages;
    withImages.SetPopup(true);
    withImages.SetImageLists(nullptr, images, nullptr);
    withImages.LoadFromMenu({Command(text, 100), Submenu(text, {}), Separator()});
    const QSize imaged = MeasureMenuItem(*withImages.Item(index));
    QCOMPARE(imaged.width(), extraWidth < 0 ? 0 : textWidth + extraWidth - 20 + 16);
    QCOMPARE(imaged.height(), extraWidth < 0 ? height : height - 20 + 12);
}

void TestMenuEx::layerPixels_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("state");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");

    const int none = 0;
    const int selected = CMenuEx::ItemSelected;
    const int grayed = CMenuEx::ItemGrayed | CMenuEx::ItemDisabled;
    const QColor paper = Background();

    QTest::newRow("separator line 30 px in") << 2 << none << QPoint(30, 4) << kSeparatorLine;
    QTest::newRow("separator line at right edge") << 2 << none << QPoint(-1, 4) << kSeparatorLine;
    QTest::newRow("separator: no line 29 px in") << 2 << none << QPoint(29, 4) << paper;
    QTest::newRow("separator: no line above") << 2 << none << QPoint(30, 3) << paper;
    QTest::newRow("separator: no line below") << 2 << none << QPoint(30, 5) << paper;
    QTest::newRow("separator: image column") << 2 << none << QPoint(0, 4) << kImageColumn;
    QTest::newRow("selected separator: no frame") << 2 << selected << QPoint(40, 0) << paper;
    QTest::newRow("selected separator: column") << 2 << selected << QPoint(0, 0) << kImageColumn;

    QTest::newRow("image column left") << 0 << none << QPoint(0, 0) << kImageColumn;
    QTest::newRow("image column 22nd px") << 0 << none << QPoint(21, -1) << kImageColumn;
    QTest::newRow("background after column") << 0 << none << QPoint(22, 0) << paper;
    QTest::newRow("background at right") << 0 << none << QPoint(-1, -1) << paper;

    QTest::newRow("selected: frame top left") << 0 << selected << QPoint(0, 0) << kFrame;
    QTest::newRow("selected: frame top right") << 0 << selected << QPoint(-1, 0) << kFrame;
    QTest::newRow("selected: frame bottom left") << 0 << selected << QPoint(0, -1) << kFrame;
    QTest::newRow("selected: frame bottom right") << 0 << selected << QPoint(-1, -1) << kFrame;
    QTest::newRow("selected: fill over column") << 0 << selected << QPoint(1, 1) << kFill;
    QTest::newRow("selected: fill inside") << 0 << selected << QPoint(25, 1) << kFill;
    QTest::newRow("selected: fill at right") << 0 << selected << QPoint(-2, -2) << kFill;
    QTest::newRow("selected submenu entry: frame") << 1 << selected << QPoint(0, 0) << kFrame;
    QTest::newRow("selected submenu entry: fill") << 1 << selected << QPoint(25, 1) << kFill;

    QTest::newRow("selected grayed: no frame")
        << 0 << (selected | grayed) << QPoint(0, 0) << kImageColumn;
    QTest::newRow("selected grayed: no fill") << 0 << (selected | grayed) << QPoint(25, 1) << paper;
    QTest::newRow("selected disabled only: no frame")
        << 0 << (selected | int(CMenuEx::ItemDisabled)) << QPoint(-1, -1) << paper;
}

void TestMenuEx::layerPixels()
{
    QFETCH(int, index);
    QFETCH(int, state);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);

    const std::unique_ptr<CMenuEx> menu = SamplePopup(QStringLiteral("Remove"));
    const QSize size = MeasureMenuItem(*menu->Item(index)).expandedTo(QSize(160, 0));
    const QImage image = PaintItem(*menu, *menu->Item(index), CMenuEx::ItemState(state), size);
    QCOMPARE(PixelOfItem(image, size, at), expected);
    // Nothing is painted outside the item's rectangle.
    QCOMPARE(CountColor(image, image.rect(), kOutside),
             image.width() * image.height() - size.width() * size.height());
}

void TestMenuEx::textStyle_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("embossed");

    QTest::newRow("normal") << 0 << false;
    QTest::newRow("selected") << int(CMenuEx::ItemSelected) << false;
    QTest::newRow("grayed") << int(CMenuEx::ItemGrayed | CMenuEx::ItemDisabled) << true;
    QTest::newRow("grayed and selected")
        << int(CMenuEx::ItemGrayed | CMenuEx::ItemDisabled | CMenuEx::ItemSelected) << true;
}

void TestMenuEx::textStyle()
{
    QFETCH(int, state);
    QFETCH(bool, embossed);

    const QPalette palette = QApplication::palette();
    const std::unique_ptr<CMenuEx> menu = SamplePopup(QStringLiteral("Remove All Files"));
    const QSize size(200, 22);
    const QImage image = PaintItem(*menu, *menu->Item(0), CMenuEx::ItemState(state), size);
    const QRect textArea(kMargin + 30, kMargin, size.width() - 30, size.height());

    const int light = CountColor(image, textArea, palette.color(QPalette::Light));
    const int dark = CountColor(image, textArea, palette.color(QPalette::Dark));
    const int ink = CountColor(image, textArea, palette.color(QPalette::WindowText));
    if (embossed) {
        QVERIFY(light > 0);
        QVERIFY(dark > 0);
        QCOMPARE(ink, 0);
    } else {
        QVERIFY(ink > 0);
        QCOMPARE(light, 0);
    }

    // The text starts 30 pixels in and is centred vertically.
    const QColor paper = PixelOfItem(image, size, QPoint(25, 1));
    const QList<int> columns = InkColumns(image, QRect(kMargin + 22, kMargin + 1, 160, 20), paper);
    QVERIFY(!columns.isEmpty());
    QVERIFY2(columns.first() - kMargin >= 30 && columns.first() - kMargin <= 32,
             qPrintable(QString::number(columns.first() - kMargin)));
    int top = -1;
    int bottom = -1;
    for (int y = kMargin + 1; y < kMargin + 21; ++y) {
        if (!InkColumns(image, QRect(textArea.left(), y, 150, 1), paper).isEmpty()) {
            if (top < 0)
                top = y - kMargin;
            bottom = y - kMargin;
        }
    }
    QVERIFY(top >= 2);
    QVERIFY(bottom <= 19);
    QVERIFY2(qAbs((top + bottom) - 21) <= 4,
             qPrintable(QStringLiteral("%1..%2").arg(top).arg(bottom)));
}

void TestMenuEx::tabExpanded_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("minimumStops");

    QTest::newRow("short first part") << "A" << 1;
    QTest::newRow("mnemonic first part") << "&Open" << 1;
    QTest::newRow("first part past one stop") << "WWWWWWWWWWWW" << 2;
}

void TestMenuEx::tabExpanded()
{
    QFETCH(QString, before);
    QFETCH(int, minimumStops);

    const QString text = before + QLatin1Char('\t') + QLatin1Char('B');
    const std::unique_ptr<CMenuEx> menu = SamplePopup(text);
    const QSize size(500, 22);
    const QImage image = PaintItem(*menu, *menu->Item(0), {}, size);

    const QImage alone = PaintItem(*menu, *SamplePopup(before)->Item(0), {}, size);
    const QRect textArea(kMargin + 30, kMargin + 1, size.width() - 31, size.height() - 2);
    const QList<int> firstPart = InkColumns(alone, textArea, Background());
    const QList<int> columns = InkColumns(image, textArea, Background());
    QVERIFY(!firstPart.isEmpty());

    // "B" starts at the first tab stop past the first part; stops are eight average characters
    // apart, counted from the start of the text.
    int bStart = -1;
    for (int x : columns) {
        if (x > firstPart.last() + 1) {
            bStart = x;
            break;
        }
    }
    QVERIFY(bStart > 0);
    const QFontMetrics metrics(QApplication::font());
    const int tabStop = 8 * metrics.averageCharWidth();
    const int advance = metrics.size(Qt::TextShowMnemonic, before).width();
    const int stops = advance / tabStop + 1;
    QVERIFY(stops >= minimumStops);
    const int stop = textArea.left() + stops * tabStop;
    QVERIFY2(bStart >= stop && bStart <= stop + 2,
             qPrintable(QStringLiteral("B at %1, stop at %2").arg(bStart).arg(stop)));
    // Not right-aligned: nothing near the right edge.
    QVERIFY(columns.last() < textArea.right() - 100);
}

void TestMenuEx::checkMark_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");

    const int checked = CMenuEx::ItemChecked;
    const int selected = CMenuEx::ItemSelected;
    QTest::newRow("box top left") << checked << QPoint(1, 1) << kFrame;
    QTest::newRow("box bottom right") << checked << QPoint(20, 20) << kFrame;
    QTest::newRow("box fill") << checked << QPoint(2, 19) << kFill;
    QTest::newRow("column beside box") << checked << QPoint(21, 21) << kImageColumn;
    QTest::newRow("column corner") << checked << QPoint(0, 0) << kImageColumn;
    QTest::newRow("selected: box inside frame") << (checked | selected) << QPoint(1, 1) << kFrame;
    QTest::newRow("selected: fill outside box") << (checked | selected) << QPoint(21, 10) << kFill;
    QTest::newRow("not checked: no box") << 0 << QPoint(1, 1) << kImageColumn;
}

void TestMenuEx::checkMark()
{
    QFETCH(int, state);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);

    const std::unique_ptr<CMenuEx> menu = SamplePopup(QStringLiteral("Properties"));
    const QSize size(160, 22);
    const QImage image = PaintItem(*menu, *menu->Item(0), CMenuEx::ItemState(state), size);
    QCOMPARE(PixelOfItem(image, size, at), expected);

    // The check mark's ink lies inside the box, only when checked.
    const QRect inner(kMargin + 2, kMargin + 2, 18, 18);
    const int paper = CountColor(image, inner, kFill) + CountColor(image, inner, kImageColumn);
    QCOMPARE(paper < inner.width() * inner.height(), bool(state & CMenuEx::ItemChecked));
}

void TestMenuEx::popupGeometry_data()
{
    QTest::addColumn<int>("resourceId");
    QTest::addColumn<QStringList>("path");

    QTest::newRow("File") << IDR_MAIN_MENU << QStringList {"&File "};
    QTest::newRow("Help") << IDR_MAIN_MENU << QStringList {"&Help"};
    QTest::newRow("list popup") << IDR_LIST_MENU << QStringList {"List"};
    QTest::newRow("list Convert") << IDR_LIST_MENU << QStringList {"List", "Convert"};
    QTest::newRow("preset groups") << IDR_PRESET_MENU << QStringList {"Solution"};
    QTest::newRow("preset Mobile Phone")
        << IDR_PRESET_MENU << QStringList {"Solution", "Mobile Phone"};
}

void TestMenuEx::popupGeometry()
{
    QFETCH(int, resourceId);
    QFETCH(QStringList, path);

    CMenuEx menu;
    QVERIFY(menu.LoadFromResource(resourceId));
    QMenu *popup = PopupAt(menu, path);
    QVERIFY(popup);
    popup->popup(QPoint(40, 30));
    QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), 5000);

    // Every item keeps its measured height, the trailing separator included, inside a one-pixel
    // frame; the popup is as wide as its widest item and a right margin.
    const CMenuEx *level = LevelAt(menu, path);
    QCOMPARE(level->ItemCount(), int(popup->actions().size()));
    int height = 0;
    int width = 0;
    for (int i = 0; i < level->ItemCount(); ++i) {
        const QSize measured = MeasureMenuItem(*level->Item(i));
        const QRect geometry = popup->actionGeometry(popup->actions().at(i));
        QCOMPARE(geometry.height(), measured.height());
        QCOMPARE(geometry.top(), 1 + height);
        QCOMPARE(geometry.left(), 1);
        height += measured.height();
        width = qMax(width, measured.width());
    }
    QCOMPARE(popup->height(), height + 2);
    QCOMPARE(popup->width(), width + kRightMargin + 2);
}

void TestMenuEx::popupFrameAndMargin_data()
{
    QTest::addColumn<int>("resourceId");
    QTest::addColumn<QStringList>("path");
    QTest::addColumn<QString>("longest");

    QTest::newRow("list popup") << IDR_LIST_MENU << QStringList {"List"} << "Remove All Files";
    QTest::newRow("Convertion") << IDR_MAIN_MENU << QStringList {"&Convertion"}
                                << "Stop Current Convertion";
    QTest::newRow("preset General Video")
        << IDR_PRESET_MENU << QStringList {"Solution", "General Video"}
        << "ASF - Advanced Streaming Format (*.asf)";
}

void TestMenuEx::popupFrameAndMargin()
{
    QFETCH(int, resourceId);
    QFETCH(QStringList, path);
    QFETCH(QString, longest);

    CMenuEx menu;
    QVERIFY(menu.LoadFromResource(resourceId));
    QMenu *popup = PopupAt(menu, path);
    QVERIFY(popup);
    popup->popup(QPoint(40, 30));
    QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), 5000);
    const QImage image = popup->grab().toImage();
    const int w = image.width();
    const int h = image.height();

    // A closed grey frame all round, one pixel wide, the items inside it.
    const QColor frame(128, 128, 128);
    QCOMPARE(CountColor(image, QRect(0, 0, w, 1), frame), w);
    QCOMPARE(CountColor(image, QRect(0, h - 1, w, 1), frame), w);
    QCOMPARE(CountColor(image, QRect(0, 0, 1, h), frame), h);
    QCOMPARE(CountColor(image, QRect(w - 1, 0, 1, h), frame), h);
    for (const QPoint inside :
         {QPoint(1, h / 2), QPoint(w - 2, h / 2), QPoint(w / 2, 1), QPoint(w / 2, h - 2)})
        QVERIFY(image.pixelColor(inside) != frame);

    // The longest text ends well inside the frame: its last ink is at least the margin away.
    QAction *action = ActionByText(popup, longest);
    QVERIFY2(action, qPrintable(longest));
    const QRect item = popup->actionGeometry(action);
    const QList<int> ink = InkColumns(image, item.adjusted(21, 2, 0, -2), Background());
    QVERIFY(!ink.isEmpty());
    QVERIFY2(ink.last() <= w - 2 - kRightMargin / 2,
             qPrintable(QStringLiteral("ink ends at %1 of %2").arg(ink.last()).arg(w)));
}

void TestMenuEx::grabbedPopup_data()
{
    QTest::addColumn<int>("activeId"); // 0: no item active
    QTest::addColumn<int>("grayedId"); // 0: nothing grayed
    QTest::addColumn<int>("sampleId"); // the item whose rectangle the point is relative to
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("active item framed")
        << ID_LIST_REMOVE << 0 << ID_LIST_REMOVE << QPoint(0, 0) << kFrame;
    QTest::newRow("active item filled")
        << ID_LIST_REMOVE << 0 << ID_LIST_REMOVE << QPoint(40, 1) << kFill;
    QTest::newRow("neighbour not framed")
        << ID_LIST_REMOVE << 0 << ID_FILE_SELECT_ALL << QPoint(0, 0) << kImageColumn;
    QTest::newRow("active grayed item not framed")
        << ID_PROPERTIES << ID_PROPERTIES << ID_PROPERTIES << QPoint(0, 0) << kImageColumn;
    QTest::newRow("active grayed item not filled")
        << ID_PROPERTIES << ID_PROPERTIES << ID_PROPERTIES << QPoint(40, 1) << Background();
    QTest::newRow("separator line below Add Folder")
        << 0 << 0 << ID_LIST_ADD_FOLDER << QPoint(30, 22 + 4) << kSeparatorLine;
    QTest::newRow("separator gap below Add Folder")
        << 0 << 0 << ID_LIST_ADD_FOLDER << QPoint(30, 22 + 5) << Background();
}

void TestMenuEx::grabbedPopup()
{
    QFETCH(int, activeId);
    QFETCH(int, grayedId);
    QFETCH(int, sampleId);
    QFETCH(QPoint, at);
    QFETCH(QColor, expected);

    CMenuEx menu;
    QVERIFY(menu.LoadFromResource(IDR_LIST_MENU));
    QMenu *popup = menu.Item(0)->submenu->popup();
    if (grayedId)
        menu.EnableItem(grayedId, false);
    popup->popup(QPoint(60, 60));
    QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), 5000);
    if (activeId)
        popup->setActiveAction(menu.FindAction(activeId));

    const QImage image = popup->grab().toImage();
    const QRect item = popup->actionGeometry(menu.FindAction(sampleId));
    QCOMPARE(image.pixelColor(item.topLeft() + at), expected);
}

void TestMenuEx::submenuArrow_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<bool>("active");
    QTest::addColumn<bool>("arrow");

    QTest::newRow("submenu entry") << "Convert" << false << true;
    QTest::newRow("active submenu entry") << "Convert" << true << true;
    QTest::newRow("command") << "Remove" << false << false;
    QTest::newRow("active command") << "Remove" << true << false;
}

void TestMenuEx::submenuArrow()
{
    QFETCH(QString, entry);
    QFETCH(bool, active);
    QFETCH(bool, arrow);

    CMenuEx menu;
    QVERIFY(menu.LoadFromResource(IDR_LIST_MENU));
    QMenu *popup = menu.Item(0)->submenu->popup();
    popup->popup(QPoint(60, 60));
    QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), 5000);
    QAction *action = ActionByText(popup, entry);
    QVERIFY(action);
    if (active)
        popup->setActiveAction(action);

    // The arrow sits in the 15 pixels a submenu entry is wider, inside the frame.
    const QImage image = popup->grab().toImage();
    const QRect item = popup->actionGeometry(action);
    const QRect band(item.right() - 14, item.top() + 2, 14, item.height() - 4);
    const QColor paper = active ? kFill : Background();
    QCOMPARE(CountColor(image, band, paper) < band.width() * band.height(), arrow);
}

void TestMenuEx::refreshPopup_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("countChange");
    // -1: no record differs from before; -2: the record after the last one before
    QTest::addColumn<int>("changedIndex");

    QTest::newRow("nothing") << "none" << 0 << -1;
    QTest::newRow("command appended") << "append" << 1 << -2;
    QTest::newRow("command inserted first") << "insert" << 1 << 0;
    QTest::newRow("last item removed") << "remove" << -1 << -1;
    QTest::newRow("submenu appended") << "submenu" << 1 << -2;
    QTest::newRow("text replaced") << "text" << 0 << 4;
}

void TestMenuEx::refreshPopup()
{
    QFETCH(QString, change);
    QFETCH(int, countChange);
    QFETCH(int, changedIndex);

    CMenuEx menu;
    QVERIFY(menu.LoadFromResource(IDR_LIST_MENU));
    CMenuEx *list = menu.Item(0)->submenu.get();
    QMenu *popup = list->popup();
    popup->popup(QPoint(50, 50));
    QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), 5000);
    const QImage firstLook = popup->grab().toImage();
    popup->hide();

    struct Snapshot
    {
        const void *record;
        QString text;
        int id;
        int width;
        QAction *action;
    };
    auto snapshot = [&] {
        QList<Snapshot> shots;
        for (int i = 0; i < list->ItemCount(); ++i) {
            const CMenuEx::tagMENUITEM *r = list->Item(i);
            shots.append({r, r->text, r->commandId, r->width, r->action.data()});
        }
        return shots;
    };
    const QList<Snapshot> before = snapshot();
    const int expectedCount = int(before.size()) + countChange;
    if (changedIndex == -2)
        changedIndex = int(before.size());
    QPointer<QMenu> plainSubmenu;

    if (change == QLatin1String("append")) {
        popup->addAction(QStringLiteral("Extra"))->setData(777);
    } else if (change == QLatin1String("insert")) {
        auto *extra = new QAction(QStringLiteral("Extra"), popup);
        extra->setData(777);
        popup->insertAction(popup->actions().first(), extra);
    } else if (change == QLatin1String("remove")) {
        popup->removeAction(popup->actions().last());
    } else if (change == QLatin1String("submenu")) {
        plainSubmenu = new QMenu(QStringLiteral("Extra"), popup);
        plainSubmenu->addAction(QStringLiteral("Deep"))->setData(778);
        popup->addMenu(plainSubmenu);
    } else if (change == QLatin1String("text")) {
        menu.FindAction(ID_LIST_REMOVE)->setText(QStringLiteral("Extra"));
    }

    // Opening the popup again runs the refresh; a second refresh must change nothing more.
    popup->popup(QPoint(50, 50));
    QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), 5000);
    list->RefreshPopup();
    const QImage secondLook = popup->grab().toImage();
    const QList<Snapshot> after = snapshot();

    QCOMPARE(list->ItemCount(), expectedCount);
    QCOMPARE(int(popup->actions().size()), expectedCount);
    for (int i = 0; i < expectedCount; ++i) {
        QCOMPARE(list->Item(i)->action.data(), popup->actions().at(i));
        const int id = list->Item(i)->commandId;
        QCOMPARE(popup->actions().at(i)->data().toInt(), id);
    }
    if (changedIndex < 0) {
        for (int i = 0; i < expectedCount; ++i) {
            QCOMPARE(after.at(i).record, before.at(i).record);
            QCOMPARE(after.at(i).text, before.at(i).text);
            QCOMPARE(after.at(i).width, before.at(i).width);
            QCOMPARE(after.at(i).action, before.at(i).action);
        }
    } else {
        const CMenuEx::tagMENUITEM *changed = list->Item(changedIndex);
        QCOMPARE(changed->text, QStringLiteral("Extra"));
        if (change == QLatin1String("text")) {
            // Taken over with its text; the record and its width stay.
            QCOMPARE(after.at(changedIndex).record, before.at(changedIndex).record);
            QCOMPARE(changed->width, before.at(changedIndex).width);
        } else {
            QVERIFY(changed->width > 10);
            QCOMPARE(changed->width,
                     QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("Extra"))
                         + (changed->isSubmenu ? 25 : 10));
        }
        if (change == QLatin1String("submenu")) {
            // The plain submenu is replaced by an image copy of it.
            QTRY_VERIFY_WITH_TIMEOUT(plainSubmenu.isNull(), 5000);
            QVERIFY(changed->submenu);
            QCOMPARE(changed->submenu->ItemCount(), 1);
            QCOMPARE(changed->submenu->Item(0)->commandId, 778);
            QCOMPARE(popup->actions().at(changedIndex)->menu(), changed->submenu->popup());
        }
    }
    if (change == QLatin1String("none")) {
        QCOMPARE(secondLook, firstLook);
    } else if (change == QLatin1String("remove")) {
        // The last item's 22 rows are gone; the frame closes under the item before it.
        QImage expected = firstLook.copy(0, 0, firstLook.width(), firstLook.height() - 22);
        for (int x = 0; x < expected.width(); ++x)
            expected.setPixel(x, expected.height() - 1, firstLook.pixel(x, firstLook.height() - 1));
        QCOMPARE(secondLook, expected);
    }
}

void TestMenuEx::reloadReleasesFirst_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<QString>("secondTop");

    QTest::newRow("list then preset") << IDR_LIST_MENU << IDR_PRESET_MENU << "Solution";
    QTest::newRow("preset then main") << IDR_PRESET_MENU << IDR_MAIN_MENU << "&File ";
    QTest::newRow("main then list") << IDR_MAIN_MENU << IDR_LIST_MENU << "List";
    QTest::newRow("list twice") << IDR_LIST_MENU << IDR_LIST_MENU << "List";
}

void TestMenuEx::reloadReleasesFirst()
{
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(QString, secondTop);

    CMenuEx menu;
    QVERIFY(menu.LoadFromResource(first));
    QList<QPointer<QObject>> old;
    QList<const CMenuEx *> pending {&menu};
    while (!pending.isEmpty()) {
        const CMenuEx *level = pending.takeFirst();
        old << QPointer<QObject>(level->popup()) << QPointer<QObject>(level->menuBar());
        for (int i = 0; i < level->ItemCount(); ++i) {
            old << QPointer<QObject>(level->Item(i)->action.data());
            if (const CMenuEx *sub = level->Item(i)->submenu.get()) {
                old << QPointer<QObject>(const_cast<CMenuEx *>(sub));
                pending << sub;
            }
        }
    }
    old.removeAll(QPointer<QObject>());
    QVERIFY(old.size() > 10);

    QVERIFY(menu.LoadFromResource(second));
    for (const QPointer<QObject> &object : old)
        QVERIFY(object.isNull());
    QCOMPARE(menu.Item(0)->text, secondTop);
    QCOMPARE(menu.ItemCount(), int(MenuTemplate(second)->size()));
    QCOMPARE(int(menu.menuBar()->actions().size()), menu.ItemCount());
}

void TestMenuEx::commandsReachHandler_data()
{
    QTest::addColumn<int>("resourceId");
    QTest::addColumn<QStringList>("path"); // submenu entries clicked on the way
    QTest::addColumn<int>("id");

    QTest::newRow("menu bar Convertion")
        << IDR_MAIN_MENU << QStringList {"&Convertion"} << ID_STOP_ALL;
    QTest::newRow("menu bar Help") << IDR_MAIN_MENU << QStringList {"&Help"} << ID_APP_ABOUT;
    QTest::newRow("list Convert") << IDR_LIST_MENU << QStringList {"List", "Convert"}
                                  << ID_LIST_SKIP_CURRENT;
    QTest::newRow("list top level") << IDR_LIST_MENU << QStringList {"List"} << ID_PROPERTIES;
    QTest::newRow("preset Mobile Phone")
        << IDR_PRESET_MENU << QStringList {"Solution", "Mobile Phone"} << 32867;
    QTest::newRow("preset Sony") << IDR_PRESET_MENU << QStringList {"Solution", "Sony PSP/PS3"}
                                 << 32836;
}

void TestMenuEx::commandsReachHandler()
{
    QFETCH(int, resourceId);
    QFETCH(QStringList, path);
    QFETCH(int, id);

    CMenuEx menu;
    QVERIFY(menu.LoadFromResource(resourceId));
    QList<int> received;
    menu.SetCommandHandler([&](int command) { received << command; });

    QWidget window;
    QWidget *current = nullptr;
    if (resourceId == IDR_MAIN_MENU) {
        // The menu bar in a window, its entry clicked like a user does.
        auto *layout = new QVBoxLayout(&window);
        layout->setMenuBar(menu.menuBar());
        layout->addWidget(new QWidget);
        window.resize(300, 200);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        current = menu.menuBar();
    } else {
        QMenu *root = PopupAt(menu, {path.takeFirst()});
        QVERIFY(root);
        root->popup(QPoint(30, 30));
        QTRY_VERIFY_WITH_TIMEOUT(root->isVisible(), 5000);
        current = root;
    }
    for (const QString &entry : path) {
        QAction *action = ActionByText(current, entry);
        QVERIFY(action && action->menu());
        const QRect geometry = qobject_cast<QMenuBar *>(current)
            ? static_cast<QMenuBar *>(current)->actionGeometry(action)
            : static_cast<QMenu *>(current)->actionGeometry(action);
        QTest::mouseClick(current, Qt::LeftButton, {}, geometry.center());
        QTRY_VERIFY_WITH_TIMEOUT(action->menu()->isVisible(), 5000);
        current = action->menu();
    }
    auto *last = qobject_cast<QMenu *>(current);
    QVERIFY(last);
    QAction *target = menu.FindAction(id);
    QVERIFY(target);
    QCOMPARE(target->data().toInt(), id);
    QVERIFY(last->actions().contains(target));
    QTest::mouseClick(last, Qt::LeftButton, {}, last->actionGeometry(target).center());

    QCOMPARE(received, QList<int> {id});
    QTRY_VERIFY_WITH_TIMEOUT(!last->isVisible(), 5000);
}

void TestMenuEx::trackPopup_data()
{
    QTest::addColumn<int>("resourceId");
    QTest::addColumn<bool>("bottomAligned");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<int>("id"); // 0: the popup is dismissed

    QTest::newRow("list menu at cursor")
        << IDR_LIST_MENU << false << QPoint(120, 80) << ID_LIST_REMOVE_ALL;
    QTest::newRow("list menu dismissed") << IDR_LIST_MENU << false << QPoint(100, 50) << 0;
    QTest::newRow("preset menu above cursor") << IDR_PRESET_MENU << true << QPoint(200, 450) << 0;
}

void TestMenuEx::trackPopup()
{
    QFETCH(int, resourceId);
    QFETCH(bool, bottomAligned);
    QFETCH(QPoint, point);
    QFETCH(int, id);

    CMenuEx menu;
    QVERIFY(menu.LoadFromResource(resourceId));
    int handled = 0;
    bool handledWhileOpen = false;
    menu.SetCommandHandler([&](int command) {
        handled = command;
        handledWhileOpen = QApplication::activePopupWidget() != nullptr;
    });

    QRect shown;
    QTimer::singleShot(0, this, [&] {
        auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (popup) {
            shown = popup->geometry();
            if (QAction *target = id ? menu.FindAction(id) : nullptr)
                QTest::mouseClick(popup, Qt::LeftButton, {},
                                  popup->actionGeometry(target).center());
        }
        CloseAllPopups();
    });
    const int chosen = menu.TrackPopup(point,
                                       bottomAligned ? CMenuEx::PopupAlignment::BottomAtPoint
                                                     : CMenuEx::PopupAlignment::TopAtPoint);

    QVERIFY(shown.isValid());
    QCOMPARE(shown.left(), point.x());
    if (bottomAligned)
        QCOMPARE(shown.bottom() + 1, point.y());
    else
        QCOMPARE(shown.top(), point.y());
    QCOMPARE(chosen, id);
    QCOMPARE(handled, id);
    QVERIFY(!handledWhileOpen);
}

void TestMenuEx::unknownResource()
{
    CMenuEx menu;
    QVERIFY(menu.LoadFromResource(IDR_LIST_MENU));
    QPointer<QMenuBar> bar = menu.menuBar();
    // A failed load leaves the menu built before it alone.
    QVERIFY(!menu.LoadFromResource(12345));
    QCOMPARE(menu.ItemCount(), 1);
    QVERIFY(bar);

    CMenuEx empty;
    QVERIFY(!empty.LoadFromResource(12345));
    QCOMPARE(empty.ItemCount(), 0);
    QCOMPARE(empty.TrackPopup(QPoint(10, 10)), 0);
    QCOMPARE(QApplication::activePopupWidget(), nullptr);
}

QTEST_MAIN(TestMenuEx)
#include "tst_menu_ex.moc"
