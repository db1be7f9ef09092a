#include "ui/controls/listview/mem_dc.h"
#include "ui/controls/listview/text_progress_ctrl.h"

#include <QPainter>
#include <QPointer>
#include <QScreen>
#include <QtTest>

#include <memory>

namespace {

const QRgb kGreen = qRgb(0, 255, 0);
const QRgb kWhite = qRgb(255, 255, 255);
const QRgb kBlack = qRgb(0, 0, 0);
const QRgb kSentinel = qRgb(12, 34, 56);
const int kHeight = 20;

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    explicit PaintCounter(QWidget *widget) { widget->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

// What the screen shows of `widget` now, without asking it to paint again.
QImage OnScreen(QWidget *widget)
{
    QWidget *top = widget->window();
    const QPoint origin = widget->mapTo(top, QPoint(0, 0));
    const QPixmap shot = top->screen()->grabWindow(top->winId(), origin.x(), origin.y(),
                                                   widget->width(), widget->height());
    return shot.toImage().convertToFormat(QImage::Format_RGB32);
}

// A fresh paint of `widget` over an image filled with a colour the bar never uses, so that
// anything the paint leaves alone shows.
QImage Rendered(QWidget *widget)
{
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(kSentinel);
    widget->render(&image, QPoint(), QRegion(), QWidget::RenderFlags());
    return image;
}

void Settle()
{
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

std::unique_ptr<CTextProgressCtrl> ShownBar(int width, bool border = false)
{
    auto bar = std::make_unique<CTextProgressCtrl>();
    bar->SetThinBorder(border);
    bar->resize(width, kHeight);
    bar->show();
    if (!QTest::qWaitForWindowExposed(bar.get()))
        return nullptr;
    Settle();
    return bar;
}

// A freshly painted bar of the same size at `position` showing `caption`: what the bar under
// test must look like.
QImage Reference(QSize size, bool border, int lower, int upper, int position,
                 const QString &caption)
{
    auto bar = std::make_unique<CTextProgressCtrl>();
    bar->SetThinBorder(border);
    bar->lowerBound = lower;
    bar->upperBound = upper;
    bar->resize(size);
    bar->winId(); // a window, so that the position is kept
    bar->SetPos(position);
    bar->SetWindowText(caption);
    return Rendered(bar.get());
}

QString Percent(int value)
{
    return QString::number(value) + QLatin1Char('%');
}

} // namespace

class TestTextProgressCtrl : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void drawing_data();
    void drawing();
    void percentageReading_data();
    void percentageReading();
    void repaints_data();
    void repaints();
    void emptyRangeDrawsNothing_data();
    void emptyRangeDrawsNothing();
    void setPosWithoutWindow();
    void textFollowsWindowFont();
    void memDc_data();
    void memDc();
};

void TestTextProgressCtrl::drawing_data()
{
    QTest::addColumn<int>("clientWidth");
    QTest::addColumn<bool>("border");
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("greenColumns");
    QTest::addColumn<QString>("text");

    QTest::newRow("0 of 0..100") << 138 << false << 0 << 100 << 0 << 0 << "0%";
    QTest::newRow("100 of 0..100") << 138 << false << 0 << 100 << 100 << 138 << "100%";
    QTest::newRow("42 on 138 pixels") << 138 << false << 0 << 100 << 42 << 57 << "42%";
    QTest::newRow("42 on 138 pixels inside a border")
        << 138 << true << 0 << 100 << 42 << 57 << "42%";
    QTest::newRow("above the upper bound") << 138 << false << 0 << 100 << 150 << 138 << "150%";
    QTest::newRow("below the lower bound") << 138 << false << 0 << 100 << -20 << 0 << "-20%";
    QTest::newRow("middle of 50..150") << 138 << false << 50 << 150 << 100 << 69 << "50%";
}

void TestTextProgressCtrl::drawing()
{
    QFETCH(int, clientWidth);
    QFETCH(bool, border);
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(int, position);
    QFETCH(int, greenColumns);
    QFETCH(QString, text);

    const int frame = border ? 1 : 0;
    auto bar = ShownBar(clientWidth + 2 * frame, border);
    QVERIFY(bar);
    bar->lowerBound = lower;
    bar->upperBound = upper;
    bar->SetPos(position);
    const QImage shown = OnScreen(bar.get());

    const QRect client(frame, frame, clientWidth, kHeight - 2 * frame);
    QCOMPARE(bar->ClientRect(), client);

    // The top client row holds no text: green up to the split, white after it.
    int green = 0;
    for (int x = client.left(); x <= client.right(); ++x) {
        const QRgb pixel = shown.pixel(x, client.top());
        QVERIFY2(pixel == kGreen || pixel == kWhite, qPrintable(QString::number(x)));
        if (pixel == kGreen)
            ++green;
        else
            break;
    }
    QCOMPARE(green, greenColumns);

    // Over green the caption blends dark red into green (no blue), over white into white (red
    // above equal green and blue); where the strokes are, red clearly wins. A frame is black.
    int red = -255;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QRgb pixel = shown.pixel(x, y);
            const bool right = !client.contains(x, y) ? pixel == kBlack
                : x < client.left() + greenColumns
                ? qBlue(pixel) == 0
                : qRed(pixel) >= qGreen(pixel) && qGreen(pixel) == qBlue(pixel);
            QVERIFY2(right, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
            red = qMax(red, qRed(pixel) - qGreen(pixel));
        }
    }
    QVERIFY2(red >= 80, qPrintable(QString::number(red)));

    QCOMPARE(shown, Reference(bar->size(), border, lower, upper, position, text));
    QVERIFY(shown != Reference(bar->size(), border, lower, upper, position, text + "!"));
}

void TestTextProgressCtrl::percentageReading_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("reads");

    for (int position = 0; position <= 100; ++position) {
        int reads = position;
        // 29 / 100 * 100 is 28.999999999999996 in double precision, and so on.
        if (position == 29 || position == 57 || position == 58)
            reads = position - 1;
        QTest::addRow("%d", position) << position << reads;
    }
}

void TestTextProgressCtrl::percentageReading()
{
    QFETCH(int, position);
    QFETCH(int, reads);

    auto bar = ShownBar(138);
    QVERIFY(bar);
    bar->SetPos(position);
    const QImage drawn = Rendered(bar.get());
    QCOMPARE(drawn, Reference(bar->size(), false, 0, 100, position, Percent(reads)));
    if (reads != position)
        QVERIFY(drawn != Reference(bar->size(), false, 0, 100, position, Percent(position)));
}

void TestTextProgressCtrl::repaints_data()
{
    // Steps: "pos N", "caption TEXT" (an empty text after the blank), "resize W".
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("startPosition");
    QTest::addColumn<QStringList>("steps");
    QTest::addColumn<QList<int>>("paints"); // per step; -1 when not counted
    QTest::addColumn<int>("finalPosition");
    QTest::addColumn<QString>("screenText");

    QTest::newRow("30 pixels: 42 and 43 keep 41%")
        << 30 << 0 << QStringList {"pos 41", "pos 42", "pos 43"} << QList<int> {1, 0, 0} << 43
        << "41%";
    QTest::newRow("30 pixels: 44 moves on")
        << 30 << 0 << QStringList {"pos 41", "pos 42", "pos 43", "pos 44"}
        << QList<int> {1, 0, 0, 1} << 44 << "44%";
    QTest::newRow("same position again")
        << 138 << 0 << QStringList {"pos 42", "pos 42"} << QList<int> {1, 0} << 42 << "42%";
    QTest::newRow("first position after showing")
        << 138 << -1 << QStringList {"pos 0"} << QList<int> {1} << 0 << "0%";
    QTest::newRow("beyond the bar keeps counting")
        << 138 << 0 << QStringList {"pos 100", "pos 150"} << QList<int> {1, 1} << 150 << "150%";
    QTest::newRow("same caption again") << 138 << 42 << QStringList {"caption Busy", "caption Busy"}
                                        << QList<int> {1, 0} << 42 << "Busy";
    QTest::newRow("empty caption brings the percentage back")
        << 138 << 42 << QStringList {"caption Busy", "caption "} << QList<int> {1, 1} << 42
        << "42%";
    QTest::newRow("empty caption when there is none")
        << 138 << 42 << QStringList {"caption "} << QList<int> {0} << 42 << "42%";
    QTest::newRow("size change then the same position")
        << 138 << 42 << QStringList {"resize 138", "pos 42"} << QList<int> {-1, 1} << 42 << "42%";
    QTest::newRow("size change then a position of the same width")
        << 30 << 41 << QStringList {"resize 30", "pos 43"} << QList<int> {-1, 1} << 43 << "43%";
}

void TestTextProgressCtrl::repaints()
{
    QFETCH(int, width);
    QFETCH(int, startPosition);
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, paints);
    QFETCH(int, finalPosition);
    QFETCH(QString, screenText);

    auto bar = ShownBar(width);
    QVERIFY(bar);
    if (startPosition >= 0)
        bar->SetPos(startPosition);
    Settle();

    PaintCounter counter(bar.get());
    int previous = startPosition >= 0 ? startPosition : 0;
    for (int i = 0; i < steps.size(); ++i) {
        const QString step = steps.at(i);
        const QString argument = step.section(QLatin1Char(' '), 1);
        counter.count = 0;
        if (step.startsWith("pos")) {
            QCOMPARE(bar->SetPos(argument.toInt()), previous);
            previous = argument.toInt();
            // A repaint happens at once, not later.
            QCOMPARE(counter.count, paints.at(i));
        } else if (step.startsWith("caption")) {
            bar->SetWindowText(argument);
            QVERIFY(bar->text().isEmpty());
            QVERIFY(bar->windowTitle().isEmpty());
        } else {
            // A size change: the same width, taller, still changes the size.
            bar->resize(argument.toInt(), bar->height() + 1);
        }
        Settle();
        if (paints.at(i) >= 0)
            QCOMPARE(counter.count, paints.at(i));
    }

    // A caption equal to what the screen should read draws the same pixels.
    QCOMPARE(OnScreen(bar.get()), Reference(bar->size(), false, 0, 100, finalPosition, screenText));
    QCOMPARE(bar->GetPos(), finalPosition);
}

void TestTextProgressCtrl::emptyRangeDrawsNothing_data()
{
    QTest::addColumn<int>("lower");
    QTest::addColumn<int>("upper");
    QTest::addColumn<int>("position");

    QTest::newRow("equal bounds at the bound") << 100 << 100 << 100;
    QTest::newRow("equal bounds elsewhere") << 100 << 100 << 42;
    QTest::newRow("reversed bounds") << 100 << 0 << 42;
}

void TestTextProgressCtrl::emptyRangeDrawsNothing()
{
    QFETCH(int, lower);
    QFETCH(int, upper);
    QFETCH(int, position);

    auto bar = ShownBar(138);
    QVERIFY(bar);
    bar->lowerBound = lower;
    bar->upperBound = upper;
    QCOMPARE(bar->SetPos(position), 0);
    QCOMPARE(bar->GetPos(), position);

    QImage untouched(bar->size(), QImage::Format_RGB32);
    untouched.fill(kSentinel);
    QCOMPARE(Rendered(bar.get()), untouched);
}

void TestTextProgressCtrl::setPosWithoutWindow()
{
    CTextProgressCtrl bar;
    bar.resize(138, kHeight);
    QCOMPARE(bar.SetPos(42), -1);
    QCOMPARE(bar.GetPos(), 0);

    bar.show();
    QVERIFY(QTest::qWaitForWindowExposed(&bar));
    QCOMPARE(bar.SetPos(42), 0);
    QCOMPARE(bar.SetPos(43), 42);
}

void TestTextProgressCtrl::textFollowsWindowFont()
{
    // The caption is written in the window's font, whatever the bar's own font says.
    QWidget window;
    QFont large = window.font();
    large.setPixelSize(18);
    window.setFont(large);
    auto *bar = new CTextProgressCtrl(&window);
    QFont tiny = large;
    tiny.setPixelSize(6);
    bar->setFont(tiny);
    bar->setGeometry(0, 0, 138, 24);
    window.resize(200, 50);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    bar->SetPos(42);

    CTextProgressCtrl largeBar;
    largeBar.setFont(large);
    largeBar.resize(bar->size());
    largeBar.winId();
    largeBar.SetPos(42);
    CTextProgressCtrl tinyBar;
    tinyBar.setFont(tiny);
    tinyBar.resize(bar->size());
    tinyBar.winId();
    tinyBar.SetPos(42);

    const QImage drawn = Rendered(bar);
    QCOMPARE(drawn, Rendered(&largeBar));
    QVERIFY(drawn != Rendered(&tinyBar));
}

void TestTextProgressCtrl::memDc_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("buffered");

    QTest::newRow("whole target") << QRect(0, 0, 60, 40) << true;
    QTest::newRow("part of the target") << QRect(10, 5, 20, 15) << true;
    QTest::newRow("nothing to cover") << QRect() << false;
}

void TestTextProgressCtrl::memDc()
{
    QFETCH(QRect, rect);
    QFETCH(bool, buffered);

    QImage target(60, 40, QImage::Format_RGB32);
    target.fill(Qt::blue);
    {
        QPainter painter(&target);
        CMemDC dc(&painter, rect);
        QCOMPARE(dc.BufferInUse(), buffered);
        dc->fillRect(QRect(0, 0, 60, 40), Qt::red);
        dc->fillRect(QRect(rect.topLeft(), QSize(2, 2)), Qt::green);
        if (buffered)
            QCOMPARE(target.pixel(rect.center()), qRgb(0, 0, 255));
    }

    const QRect painted = buffered ? rect : target.rect();
    const QRect corner = QRect(rect.topLeft(), QSize(2, 2)) & painted;
    for (int y = 0; y < target.height(); ++y) {
        for (int x = 0; x < target.width(); ++x) {
            const QRgb expected = corner.contains(x, y) ? qRgb(0, 255, 0)
                : painted.contains(x, y)                ? qRgb(255, 0, 0)
                                                        : qRgb(0, 0, 255);
            QVERIFY2(target.pixel(x, y) == expected,
                     qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        }
    }
}

QTEST_MAIN(TestTextProgressCtrl)
#include "tst_text_progress_ctrl.moc"
