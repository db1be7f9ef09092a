#include "res/resource.h"
#include "res/strings.h"
#include "ui/controls/chrome/true_color_tool_bar.h"
#include "ui/res/bitmaps.h"

#include <QAction>
#include <QApplication>
#include <QTest>
#include <QToolButton>

namespace {

void Put16(QByteArray &b, int v)
{
    b.append(char(v & 0xff));
    b.append(char((v >> 8) & 0xff));
}

void Put32(QByteArray &b, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xff));
}

// A BMP file as the resource compiler stores one: headers, palette, bottom-up padded rows.
QByteArray Bmp(int width, int height, int bits, const QVector<QRgb> &palette,
               const std::function<QByteArray(int)> &row)
{
    const int stride = ((width * bits + 31) / 32) * 4;
    const int offBits = 14 + 40 + palette.size() * 4;
    QByteArray b("BM");
    Put32(b, quint32(offBits + stride * height));
    Put32(b, 0);
    Put32(b, quint32(offBits));
    Put32(b, 40);
    Put32(b, quint32(width));
    Put32(b, quint32(height));
    Put16(b, 1);
    Put16(b, bits);
    Put32(b, 0);
    Put32(b, quint32(stride * height));
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, quint32(palette.size()));
    Put32(b, 0);
    for (QRgb c : palette) {
        b.append(char(qBlue(c)));
        b.append(char(qGreen(c)));
        b.append(char(qRed(c)));
        b.append(char(0));
    }
    for (int y = height - 1; y >= 0; --y) {
        QByteArray r = row(y);
        r.resize(stride, '\0');
        b.append(r);
    }
    return b;
}

QByteArray Bmp24(const QImage &image)
{
    return Bmp(image.width(), image.height(), 24, {}, [&](int y) {
        QByteArray r;
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            r.append(char(qBlue(c)));
            r.append(char(qGreen(c)));
            r.append(char(qRed(c)));
        }
        return r;
    });
}

QByteArray Bmp8(const QImage &indexed)
{
    return Bmp(indexed.width(), indexed.height(), 8, indexed.colorTable(), [&](int y) {
        return QByteArray(reinterpret_cast<const char *>(indexed.constScanLine(y)),
                          indexed.width());
    });
}

QColor Rgb(QRgb c)
{
    return QColor(qRed(c), qGreen(c), qBlue(c));
}

// Every pixel of `strip` whose colour is `key` must be transparent in the bar's images, every
// other pixel opaque with its own colour. Returns a description of the first difference.
QString CompareWithStrip(const QVector<QPixmap> &images, const QImage &stripImage, QColor key)
{
    const QImage strip = stripImage.convertToFormat(QImage::Format_RGB32);
    if (images.size() != strip.width() / 48)
        return QStringLiteral("%1 images for a strip %2 wide")
            .arg(images.size())
            .arg(strip.width());
    for (int x = 0; x < strip.width(); ++x) {
        const QImage image = images[x / 48].toImage().convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < strip.height(); ++y) {
            const QRgb want = strip.pixel(x, y);
            const QRgb got = image.pixel(x % 48, y);
            const bool isKey = Rgb(want) == key;
            if (isKey && qAlpha(got) != 0)
                return QStringLiteral("key pixel %1,%2 is not transparent").arg(x).arg(y);
            if (!isKey && (qAlpha(got) != 255 || Rgb(got) != Rgb(want)))
                return QStringLiteral("pixel %1,%2 differs").arg(x).arg(y);
        }
    }
    return QString();
}

// Where `image` lies in `grab`, looking near the centre; the number of opaque pixels of `image`
// that differ from `grab` at the best place.
int BestMismatch(const QImage &grab, const QImage &image)
{
    const QImage g = grab.convertToFormat(QImage::Format_RGB32);
    const QImage i = image.convertToFormat(QImage::Format_ARGB32);
    const int x0 = (g.width() - i.width()) / 2;
    const int y0 = (g.height() - i.height()) / 2;
    int best = INT_MAX;
    for (int dy = -3; dy <= 3; ++dy) {
        for (int dx = -3; dx <= 3; ++dx) {
            int mismatches = 0;
            for (int y = 0; y < i.height(); ++y) {
                for (int x = 0; x < i.width(); ++x) {
                    const QRgb c = i.pixel(x, y);
                    if (qAlpha(c) != 255)
                        continue;
                    const QPoint at(x0 + dx + x, y0 + dy + y);
                    if (!g.rect().contains(at) || Rgb(g.pixel(at)) != Rgb(c))
                        ++mismatches;
                }
            }
            best = qMin(best, mismatches);
        }
    }
    return best;
}

// The colour that is transparent in strip `bitmapId`: the first stored pixel of a true-colour
// strip, the classic silver of the layout's own 16-colour strip.
QColor KeyOf(int bitmapId)
{
    if (bitmapId == IDR_TOOLBAR)
        return QColor(192, 192, 192);
    return CTrueColorToolBar::KeyColourOf(LoadBitmapResourceData(bitmapId));
}

} // namespace

class TestToolBar : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void buttonsInLayoutOrder();
    void tooltipsFromStringTable_data();
    void tooltipsFromStringTable();
    void keyColourFromFirstStoredPixel_data();
    void keyColourFromFirstStoredPixel();
    void keyPixelsTransparentInStrips_data();
    void keyPixelsTransparentInStrips();
    void keyPixelsInsideImages_data();
    void keyPixelsInsideImages();
    void buttonsDrawnFromStrips_data();
    void buttonsDrawnFromStrips();
    void fallbackWhenStripMissing_data();
    void fallbackWhenStripMissing();
    void unreadableStripChangesNothing_data();
    void unreadableStripChangesNothing();
    void buttonsSendTheirCommand_data();
    void buttonsSendTheirCommand();
};

void TestToolBar::initTestCase()
{
    SetStringSetForTesting(StringSet::English);
}

void TestToolBar::cleanupTestCase()
{
    ResetStringSet();
}

void TestToolBar::buttonsInLayoutOrder()
{
    QWidget window;
    CTrueColorToolBar bar(&window);
    bar.adjustSize();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QVector<int> expected = {32791, 32778, 32796, 0, 32774, 32809, 32810, 0, 32776};
    QCOMPARE(bar.ButtonIds(), expected);
    // and on screen from left to right, each button 48 x 48 images
    int lastRight = -1;
    for (int id : expected) {
        if (id == 0)
            continue;
        QWidget *button = bar.widgetForAction(bar.ActionById(id));
        QVERIFY(button);
        QVERIFY2(button->geometry().left() > lastRight, qPrintable(QString::number(id)));
        lastRight = button->geometry().right();
        QCOMPARE(bar.ActionById(id)->data().toInt(), id);
    }
    QCOMPARE(bar.iconSize(), QSize(48, 48));
    QVERIFY(bar.ActionById(ID_FILE_EXIT) == nullptr);
}

void TestToolBar::tooltipsFromStringTable_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<QString>("tooltip");
    QTest::newRow("add files") << 32791 << "Add a file to convertion list";
    QTest::newRow("add folder") << 32778 << "Add all media files from a folder";
    QTest::newRow("remove all") << 32796 << "Remove all listed files";
    QTest::newRow("convert") << 32774 << "Convert listed files";
    QTest::newRow("skip") << 32809 << "Skip Current Media File";
    QTest::newRow("stop") << 32810 << "Stop all convertion";
    QTest::newRow("about") << 32776 << "About Kelvora";
}

void TestToolBar::tooltipsFromStringTable()
{
    QFETCH(int, id);
    QFETCH(QString, tooltip);
    CTrueColorToolBar bar;
    QAction *action = bar.ActionById(id);
    QVERIFY(action);
    QCOMPARE(action->toolTip(), tooltip);
    QCOMPARE(bar.widgetForAction(action)->toolTip(), tooltip);
}

void TestToolBar::keyColourFromFirstStoredPixel_data()
{
    QTest::addColumn<int>("bitmapId");
    QTest::addColumn<QColor>("key");
    QTest::newRow("true-colour strip") << IDB_TOOLBAR_NORMAL << QColor(127, 255, 253);
    QTest::newRow("grey strip") << IDB_TOOLBAR_DISABLED << QColor(216, 216, 216);
}

void TestToolBar::keyColourFromFirstStoredPixel()
{
    QFETCH(int, bitmapId);
    QFETCH(QColor, key);
    const QByteArray bytes = LoadBitmapResourceData(bitmapId);
    QCOMPARE(CTrueColorToolBar::KeyColourOf(bytes), key);
    const QImage strip = LoadBitmapResource(bitmapId);
    QCOMPARE(strip.size(), QSize(336, 48));
    // the bottom-left pixel is the strip's background
    QCOMPARE(Rgb(strip.pixel(0, 47)), key);
}

void TestToolBar::keyPixelsTransparentInStrips_data()
{
    QTest::addColumn<int>("slot");
    QTest::addColumn<int>("bitmapId");
    QTest::addColumn<QColor>("key");
    QTest::newRow("normal") << int(CTrueColorToolBar::ImageSlot::Normal) << IDB_TOOLBAR_NORMAL
                            << QColor(127, 255, 253);
    QTest::newRow("hot") << int(CTrueColorToolBar::ImageSlot::Hot) << IDB_TOOLBAR_NORMAL
                         << QColor(127, 255, 253);
    QTest::newRow("disabled") << int(CTrueColorToolBar::ImageSlot::Disabled) << IDB_TOOLBAR_DISABLED
                              << QColor(216, 216, 216);
}

void TestToolBar::keyPixelsTransparentInStrips()
{
    QFETCH(int, slot);
    QFETCH(int, bitmapId);
    QFETCH(QColor, key);
    CTrueColorToolBar bar;
    const auto imageSlot = CTrueColorToolBar::ImageSlot(slot);
    QVERIFY(bar.SetImageStrip(imageSlot, bitmapId));
    const QString difference
        = CompareWithStrip(bar.Images(imageSlot), LoadBitmapResource(bitmapId), key);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
}

void TestToolBar::keyPixelsInsideImages_data()
{
    QTest::addColumn<QByteArray>("bmp");
    QTest::addColumn<QColor>("key");
    QTest::addColumn<QColor>("opaque");

    // 24-bit: key-coloured holes inside every image, not only the background
    QImage strip(336, 48, QImage::Format_RGB32);
    strip.fill(QColor(127, 255, 253));
    for (int i = 0; i < 7; ++i) {
        for (int y = 8; y < 40; ++y)
            for (int x = 8; x < 40; ++x)
                strip.setPixel(i * 48 + x, y, qRgb(200, 40, 10 * i));
        for (int y = 20; y < 24; ++y)
            for (int x = 20; x < 24; ++x)
                strip.setPixel(i * 48 + x, y, qRgb(127, 255, 253));
    }
    QTest::newRow("24-bit") << Bmp24(strip) << QColor(127, 255, 253) << QColor(200, 40, 30);

    // 8-bit: the first three stored bytes are palette indices 10, 20, 30, read as blue, green,
    // red. They give RGB(30, 20, 10), which is the colour of entry 5, used inside the images;
    // the background entry 10 itself stays opaque.
    QImage indexed(336, 48, QImage::Format_Indexed8);
    QVector<QRgb> palette(256);
    for (int i = 0; i < 256; ++i)
        palette[i] = qRgb(i, 255 - i, 128);
    palette[5] = qRgb(30, 20, 10);
    indexed.setColorTable(palette);
    indexed.fill(10);
    indexed.setPixel(1, 47, 20);
    indexed.setPixel(2, 47, 30);
    for (int i = 0; i < 7; ++i)
        for (int y = 10; y < 30; ++y)
            for (int x = 10; x < 30; ++x)
                indexed.setPixel(i * 48 + x, y, 5);
    QTest::newRow("8-bit palette indices")
        << Bmp8(indexed) << QColor(30, 20, 10) << Rgb(palette[10]);
}

void TestToolBar::keyPixelsInsideImages()
{
    QFETCH(QByteArray, bmp);
    QFETCH(QColor, key);
    QFETCH(QColor, opaque);
    QCOMPARE(CTrueColorToolBar::KeyColourOf(bmp), key);
    CTrueColorToolBar bar;
    QVERIFY(bar.SetImageStrip(CTrueColorToolBar::ImageSlot::Normal, bmp));
    const QVector<QPixmap> images = bar.Images(CTrueColorToolBar::ImageSlot::Normal);
    QCOMPARE(images.size(), 7);
    const QString difference = CompareWithStrip(images, QImage::fromData(bmp, "BMP"), key);
    QVERIFY2(difference.isEmpty(), qPrintable(difference));
    int transparentInside = 0;
    const QImage third = images[3].toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 8; y < 40; ++y)
        for (int x = 8; x < 40; ++x)
            transparentInside += qAlpha(third.pixel(x, y)) == 0;
    QVERIFY(transparentInside > 0);
    bool sawOpaque = false;
    for (int y = 0; y < 48 && !sawOpaque; ++y)
        for (int x = 0; x < 48 && !sawOpaque; ++x)
            sawOpaque = qAlpha(third.pixel(x, y)) == 255 && Rgb(third.pixel(x, y)) == opaque;
    QVERIFY(sawOpaque);
}

void TestToolBar::buttonsDrawnFromStrips_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("image");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("bitmapId");
    QTest::newRow("skip disabled") << 32809 << 4 << false << IDB_TOOLBAR_DISABLED;
    QTest::newRow("stop disabled") << 32810 << 5 << false << IDB_TOOLBAR_DISABLED;
    QTest::newRow("about disabled") << 32776 << 6 << false << IDB_TOOLBAR_DISABLED;
    QTest::newRow("add files enabled") << 32791 << 0 << true << IDB_TOOLBAR_NORMAL;
    QTest::newRow("convert enabled") << 32774 << 3 << true << IDB_TOOLBAR_NORMAL;
}

void TestToolBar::buttonsDrawnFromStrips()
{
    QFETCH(int, id);
    QFETCH(int, image);
    QFETCH(bool, enabled);
    QFETCH(int, bitmapId);
    QWidget window;
    CTrueColorToolBar bar(&window);
    QCOMPARE(bar.SetImageStrips(IDB_TOOLBAR_NORMAL, IDB_TOOLBAR_NORMAL, IDB_TOOLBAR_DISABLED), 3);
    bar.adjustSize();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bar.ActionById(id)->setEnabled(enabled);
    QWidget *button = bar.widgetForAction(bar.ActionById(id));
    const QImage grab = button->grab().toImage();

    // the picture on the button is the strip's image with its key pixels left out
    const QImage strip = LoadBitmapResource(bitmapId).convertToFormat(QImage::Format_ARGB32);
    QImage expected = strip.copy(image * 48, 0, 48, 48);
    const QColor key = CTrueColorToolBar::KeyColourOf(LoadBitmapResourceData(bitmapId));
    int keyPixels = 0;
    for (int y = 0; y < 48; ++y) {
        for (int x = 0; x < 48; ++x) {
            if (Rgb(expected.pixel(x, y)) == key) {
                expected.setPixel(x, y, 0);
                ++keyPixels;
            }
        }
    }
    QVERIFY(keyPixels > 0);
    QCOMPARE(BestMismatch(grab, expected), 0);

    // the strip's background colour itself is nowhere on the button
    bool keyShown = false;
    const QImage g = grab.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < g.height(); ++y)
        for (int x = 0; x < g.width(); ++x)
            keyShown |= Rgb(g.pixel(x, y)) == key;
    QVERIFY(!keyShown);
}

void TestToolBar::fallbackWhenStripMissing_data()
{
    QTest::addColumn<int>("normalId");
    QTest::addColumn<int>("hotId");
    QTest::addColumn<int>("disabledId");
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("normalFrom");
    QTest::addColumn<int>("hotFrom"); // 0: no images of its own
    QTest::addColumn<int>("disabledFrom");
    constexpr int kMissing = 4242;
    QTest::newRow("all there") << IDB_TOOLBAR_NORMAL << IDB_TOOLBAR_NORMAL << IDB_TOOLBAR_DISABLED
                               << 3 << IDB_TOOLBAR_NORMAL << IDB_TOOLBAR_NORMAL
                               << IDB_TOOLBAR_DISABLED;
    QTest::newRow("normal missing")
        << kMissing << IDB_TOOLBAR_NORMAL << IDB_TOOLBAR_DISABLED << 0 << IDR_TOOLBAR << 0 << 0;
    QTest::newRow("hot missing") << IDB_TOOLBAR_NORMAL << kMissing << IDB_TOOLBAR_DISABLED << 1
                                 << IDB_TOOLBAR_NORMAL << 0 << 0;
    QTest::newRow("disabled missing") << IDB_TOOLBAR_NORMAL << IDB_TOOLBAR_NORMAL << kMissing << 2
                                      << IDB_TOOLBAR_NORMAL << IDB_TOOLBAR_NORMAL << 0;
}

void TestToolBar::fallbackWhenStripMissing()
{
    QFETCH(int, normalId);
    QFETCH(int, hotId);
    QFETCH(int, disabledId);
    QFETCH(int, set);
    QFETCH(int, normalFrom);
    QFETCH(int, hotFrom);
    QFETCH(int, disabledFrom);
    CTrueColorToolBar bar;
    QCOMPARE(bar.SetImageStrips(normalId, hotId, disabledId), set);

    const struct
    {
        CTrueColorToolBar::ImageSlot slot;
        int from;
    } slots[] = {{CTrueColorToolBar::ImageSlot::Normal, normalFrom},
                 {CTrueColorToolBar::ImageSlot::Hot, hotFrom},
                 {CTrueColorToolBar::ImageSlot::Disabled, disabledFrom}};
    for (const auto &s : slots) {
        if (s.from == 0) {
            QVERIFY(bar.Images(s.slot).isEmpty());
            continue;
        }
        const QString difference
            = CompareWithStrip(bar.Images(s.slot), LoadBitmapResource(s.from), KeyOf(s.from));
        QVERIFY2(difference.isEmpty(), qPrintable(difference));
    }

    // what a disabled button shows: the grey strip's image, or Qt's rendering of the normal one
    QAction *skip = bar.ActionById(ID_STOP_CURRENT);
    const QImage disabled = skip->icon().pixmap(48, 48, QIcon::Disabled).toImage();
    const QImage grey = bar.Images(CTrueColorToolBar::ImageSlot::Disabled).value(4).toImage();
    if (disabledFrom != 0)
        QCOMPARE(disabled, grey);
    else
        QVERIFY(!disabled.isNull());
    const QImage normal = skip->icon().pixmap(48, 48, QIcon::Normal).toImage();
    QCOMPARE(normal.convertToFormat(QImage::Format_ARGB32),
             bar.Images(CTrueColorToolBar::ImageSlot::Normal)[4].toImage().convertToFormat(
                 QImage::Format_ARGB32));
}

void TestToolBar::unreadableStripChangesNothing_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("not a bitmap") << QByteArray(2000, 'x');
    QByteArray truncated = LoadBitmapResourceData(IDB_TOOLBAR_NORMAL).left(60);
    QTest::newRow("truncated") << truncated;
    QByteArray narrow = Bmp24(QImage(40, 48, QImage::Format_RGB32));
    QTest::newRow("narrower than one image") << narrow;
}

void TestToolBar::unreadableStripChangesNothing()
{
    QFETCH(QByteArray, bytes);
    CTrueColorToolBar bar;
    QVERIFY(bar.SetImageStrip(CTrueColorToolBar::ImageSlot::Normal, IDB_TOOLBAR_NORMAL));
    const QImage before = bar.Images(CTrueColorToolBar::ImageSlot::Normal)[0].toImage();
    QVERIFY(!bar.SetImageStrip(CTrueColorToolBar::ImageSlot::Normal, bytes));
    QCOMPARE(bar.Images(CTrueColorToolBar::ImageSlot::Normal)[0].toImage(), before);
}

void TestToolBar::buttonsSendTheirCommand_data()
{
    QTest::addColumn<int>("id");
    for (int id : CTrueColorToolBar::Layout()) {
        if (id != 0)
            QTest::newRow(qPrintable(QString::number(id))) << id;
    }
}

void TestToolBar::buttonsSendTheirCommand()
{
    QFETCH(int, id);
    QWidget window;
    CTrueColorToolBar bar(&window);
    bar.adjustSize();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QList<int> received;
    bar.SetCommandHandler([&](int command) { received.append(command); });
    QWidget *button = bar.widgetForAction(bar.ActionById(id));
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(received, QList<int> {id});
    bar.ActionById(id)->setEnabled(false);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(received, QList<int> {id});
}

QTEST_MAIN(TestToolBar)
#include "tst_tool_bar.moc"
