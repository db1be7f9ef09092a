#include "support/scripted_dialogs.h"
#include "ui/controls/chrome/flat_combo_box.h"
#include "ui/controls/chrome/hyper_link.h"
#include "ui/controls/chrome/my_button.h"

#include <QAbstractItemView>
#include <QCursor>
#include <QFile>
#include <QHelpEvent>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimerEvent>
#include <QToolTip>
#include <QtMath>

namespace {

const QColor kFace(120, 130, 140);
const QColor kShadow(20, 30, 40);
const QColor kLight(230, 240, 250);
const QColor kUntouched(255, 0, 255);

QPalette FramePalette()
{
    QPalette palette;
    palette.setColor(QPalette::Button, kFace);
    palette.setColor(QPalette::Dark, kShadow);
    palette.setColor(QPalette::Light, kLight);
    return palette;
}

QColor Rgb(QRgb c)
{
    return QColor(qRed(c), qGreen(c), qBlue(c));
}

// How many pixels of `image` have exactly `colour`.
int CountColour(const QImage &image, const QColor &colour)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < rgb.height(); ++y)
        for (int x = 0; x < rgb.width(); ++x)
            count += Rgb(rgb.pixel(x, y)) == colour;
    return count;
}

void MoveCursor(QWidget *widget, QPoint local)
{
    QCursor::setPos(widget->mapToGlobal(local));
    QTest::mouseMove(widget, local);
}

QPoint Outside(QWidget *widget)
{
    return widget->mapToGlobal(QPoint(widget->width() + 40, widget->height() + 40));
}

} // namespace

class TestSmallControls : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void comboFrames_data();
    void comboFrames();
    void comboHoverRaisesOnceAndLeavingRestores();
    void comboPressWhileRaised();
    void comboPaintsItsFrame_data();
    void comboPaintsItsFrame();

    void buttonTooltip_data();
    void buttonTooltip();

    void linkErrorTexts_data();
    void linkErrorTexts();
    void linkClickOutcome_data();
    void linkClickOutcome();
    void linkFitting_data();
    void linkFitting();
    void linkTargetAndText_data();
    void linkTargetAndText();
    void linkColoursAndUnderline_data();
    void linkColoursAndUnderline();
    void linkVisitedThenHovered();
};

// Columns are counted from the drop-button box (its left frame is column 0) when x >= 0, from
// the right edge when x < 0; rows from the top when y >= 0, from the bottom when y < 0. The
// letters: T and B the outer colours given, F face, L light, S shadow, U untouched.
void TestSmallControls::comboFrames_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<QVector<QPoint>>("points");
    QTest::addColumn<QString>("colours");
    const int normal = int(CFlatComboBox::FrameState::Normal);
    const int raised = int(CFlatComboBox::FrameState::Raised);
    const int pressed = int(CFlatComboBox::FrameState::Pressed);
    const int mid = 12;
    // outer frame left/top and right/bottom, inner frame, then the drop-button columns
    // 0 (box), 1 (inner box), 2, and -4, -3 near the right edge, at mid height
    const QVector<QPoint> columns = {{-1000, mid}, {-1, mid}, {-999, mid}, {-2, mid}, {0, mid},
                                     {1, mid},     {2, mid},  {-4, mid},   {-3, mid}};
    QTest::newRow("normal") << normal << true << columns << "TBFFLLUL F";
    QTest::newRow("raised") << raised << true << columns << "TBFFFLUSF";
    QTest::newRow("pressed") << pressed << true << columns << "TBFFFFSFL";
    QTest::newRow("disabled normal") << normal << false << columns << "TBLLFFUFF";
    QTest::newRow("disabled raised") << raised << false << columns << "TBLLFFUFF";
    // rows of the drop-button area, in its middle column
    const QVector<QPoint> rows = {{-12, 2}, {-12, 3}, {-12, -3}, {-12, -2}, {-12, -1}};
    QTest::newRow("normal rows") << normal << true << rows << "LFLFB";
    QTest::newRow("raised rows") << raised << true << rows << "LFSFB";
    QTest::newRow("pressed rows") << pressed << true << rows << "FSFLB";
    QTest::newRow("disabled rows") << pressed << false << rows << "FFFLB";
}

void TestSmallControls::comboFrames()
{
    QFETCH(int, state);
    QFETCH(bool, enabled);
    QFETCH(QVector<QPoint>, points);
    QFETCH(QString, colours);
    colours.remove(QLatin1Char(' '));
    QCOMPARE(points.size(), colours.size());

    CFlatComboBox combo;
    combo.setPalette(FramePalette());
    combo.resize(160, 25);
    combo.setEnabled(enabled);
    const int w = combo.width();
    const int h = combo.height();
    const int dropLeft = w - 2 - combo.DropButtonWidth();
    const QColor outerTopLeft = QColor(10, 200, 10);
    const QColor outerBottomRight = QColor(200, 10, 10);

    QImage image(w, h, QImage::Format_RGB32);
    image.fill(kUntouched);
    QPainter painter(&image);
    combo.DrawFrame(painter, CFlatComboBox::FrameState(state), outerTopLeft, outerBottomRight);
    painter.end();

    for (int i = 0; i < points.size(); ++i) {
        int x = points[i].x();
        if (x == -1000)
            x = 0;
        else if (x == -999)
            x = 1;
        else if (x >= 0)
            x = dropLeft + x;
        else if (x == -12)
            x = dropLeft + combo.DropButtonWidth() / 2;
        else
            x = w + x;
        const int y = points[i].y() >= 0 ? points[i].y() : h + points[i].y();
        QColor expected;
        switch (colours[i].toLatin1()) {
        case 'T':
            expected = outerTopLeft;
            break;
        case 'B':
            expected = outerBottomRight;
            break;
        case 'F':
            expected = kFace;
            break;
        case 'L':
            expected = kLight;
            break;
        case 'S':
            expected = kShadow;
            break;
        default:
            expected = kUntouched;
            break;
        }
        QVERIFY2(Rgb(image.pixel(x, y)) == expected,
                 qPrintable(QStringLiteral("pixel %1,%2 is %3, expected %4")
                                .arg(x)
                                .arg(y)
                                .arg(Rgb(image.pixel(x, y)).name(), expected.name())));
    }
}

void TestSmallControls::comboHoverRaisesOnceAndLeavingRestores()
{
    CFlatComboBox combo;
    combo.addItems({QStringLiteral("/home/user/Mymedia/")});
    combo.resize(200, 26);
    combo.move(100, 100);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    QCursor::setPos(Outside(&combo));

    MoveCursor(&combo, QPoint(20, 10));
    QTRY_VERIFY_WITH_TIMEOUT(combo.hoverPainted(), 2000);
    QCOMPARE(combo.shownFrame(), CFlatComboBox::FrameState::Raised);
    // moves over the control do not draw the raised frame again
    for (int x = 21; x < 26; ++x)
        MoveCursor(&combo, QPoint(x, 10));
    QCOMPARE(combo.frameChanges(), 1);

    QCursor::setPos(Outside(&combo));
    QTRY_VERIFY_WITH_TIMEOUT(!combo.hoverPainted(), 2000);
    QCOMPARE(combo.shownFrame(), CFlatComboBox::FrameState::Normal);
    QCOMPARE(combo.frameChanges(), 2);
}

void TestSmallControls::comboPressWhileRaised()
{
    CFlatComboBox combo;
    combo.setPalette(FramePalette());
    combo.addItems({QStringLiteral("/a/"), QStringLiteral("/b/")});
    combo.resize(200, 26);
    combo.move(100, 100);
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    MoveCursor(&combo, QPoint(20, 10));
    QTRY_VERIFY_WITH_TIMEOUT(combo.hoverPainted(), 2000);

    QTest::mousePress(&combo, Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(combo.buttonDown());
    QVERIFY(!combo.hoverPainted());
    QCOMPARE(combo.shownFrame(), CFlatComboBox::FrameState::Pressed);
    const int x = combo.width() - 3; // the right edge of the pressed drop button
    QCOMPARE(Rgb(combo.grab().toImage().pixel(x, 12)), kLight);

    // the list took the mouse; closing it brings the button up and the normal frame back
    combo.hidePopup();
    QVERIFY(!combo.buttonDown());
    QCOMPARE(combo.shownFrame(), CFlatComboBox::FrameState::Normal);
    QCOMPARE(Rgb(combo.grab().toImage().pixel(x, 12)), kFace);

    // without a list to open, the release reaches the control and does the same
    combo.clear();
    QTest::mousePress(&combo, Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(combo.buttonDown());
    QVERIFY(!combo.view()->isVisible());
    QTest::mouseRelease(&combo, Qt::LeftButton, {}, QPoint(20, 10));
    QVERIFY(!combo.buttonDown());
}

void TestSmallControls::comboPaintsItsFrame_data()
{
    QTest::addColumn<bool>("hovered");
    QTest::addColumn<QColor>("outer");
    QTest::addColumn<QColor>("dropEdge");
    QTest::newRow("normal") << false << kFace << kLight;
    QTest::newRow("hovered") << true << kShadow << kLight;
}

void TestSmallControls::comboPaintsItsFrame()
{
    QFETCH(bool, hovered);
    QFETCH(QColor, outer);
    QFETCH(QColor, dropEdge);
    CFlatComboBox combo;
    combo.setPalette(FramePalette());
    combo.addItems({QStringLiteral("/a/")});
    combo.resize(200, 26);
    combo.move(100, 100);
    // Away before the control shows: a control that appears under the cursor is entered.
    QCursor::setPos(Outside(&combo));
    combo.show();
    QVERIFY(QTest::qWaitForWindowExposed(&combo));
    if (hovered) {
        MoveCursor(&combo, QPoint(20, 10));
        QTRY_VERIFY_WITH_TIMEOUT(combo.hoverPainted(), 2000);
    }
    const QImage image = combo.grab().toImage();
    QCOMPARE(Rgb(image.pixel(0, 13)), outer);
    QCOMPARE(Rgb(image.pixel(combo.width() / 2, 0)), outer);
    const int dropInner = combo.width() - 1 - combo.DropButtonWidth();
    QCOMPARE(Rgb(image.pixel(dropInner, 13)), dropEdge);
}

void TestSmallControls::buttonTooltip_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("Browse") << "Browse a folder for target media files";
    QTest::newRow("Open Folder") << "Open the target files saving folder";
}

void TestSmallControls::buttonTooltip()
{
    QFETCH(QString, text);
    CMyButton button(QStringLiteral("Browse"));
    button.resize(90, 24);
    button.show();
    QVERIFY(QTest::qWaitForWindowExposed(&button));
    button.SetToolTipText(text);
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), button.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&button, &help);
    QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 2000);
    QCOMPARE(QToolTip::text(), text);
    QToolTip::hideText();
}

void TestSmallControls::linkErrorTexts_data()
{
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("text");
    QTest::newRow("0") << 0 << "The operating system is out\nof memory or resources.";
    QTest::newRow("2") << 2 << "The specified file was not found.";
    QTest::newRow("3") << 3 << "The specified path was not found.";
    QTest::newRow("5") << 5 << "The operating system denied\naccess to the specified file.";
    QTest::newRow("8") << 8 << "There was not enough memory to complete the operation.";
    QTest::newRow("11") << 11
                        << "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image).";
    QTest::newRow("26") << 26 << "A sharing violation occurred. ";
    QTest::newRow("27") << 27 << "The filename association is\nincomplete or invalid.";
    QTest::newRow("28") << 28
                        << "The DDE transaction could not\nbe completed because the request "
                           "timed out.";
    QTest::newRow("29") << 29 << "The DDE transaction failed.";
    QTest::newRow("30") << 30
                        << "The DDE transaction could not\nbe completed because other DDE "
                           "transactions\nwere being processed.";
    QTest::newRow("31") << 31
                        << "There is no application associated\nwith the given filename "
                           "extension.";
    QTest::newRow("32") << 32 << "The specified dynamic-link library was not found.";
    QTest::newRow("1") << 1 << "Unknown Error (1) occurred.";
    QTest::newRow("4") << 4 << "Unknown Error (4) occurred.";
    QTest::newRow("negative") << -7 << "Unknown Error (-7) occurred.";
}

void TestSmallControls::linkErrorTexts()
{
    QFETCH(int, result);
    QFETCH(QString, text);
    ScriptedDialogs dialogs;
    CHyperLink link(QStringLiteral("x"));
    link.ReportOpenError(result);
    QCOMPARE(dialogs.messages.size(), 1);
    QCOMPARE(dialogs.messages[0].text, QStringLiteral("Unable to open hyperlink:\n\n") + text);
    QCOMPARE(dialogs.messages[0].icon, MessageIcon::Warning);
}

void TestSmallControls::linkClickOutcome_data()
{
    QTest::addColumn<bool>("desktopOpens");
    QTest::addColumn<QString>("fallback"); // "true": the true program; "plain": a plain file
    QTest::addColumn<QString>("target"); // %1: a temporary folder
    QTest::addColumn<int>("errorShown"); // -1: none, the link is visited
    QTest::newRow("desktop opens it") << true << "missing"
                                      << "mailto:a@orvane.org" << -1;
    QTest::newRow("fallback opens it") << false << "true"
                                       << "mailto:a@orvane.org" << -1;
    QTest::newRow("no fallback program") << false << "missing"
                                         << "mailto:a@orvane.org" << 31;
    QTest::newRow("fallback not executable") << false << "plain"
                                             << "mailto:a@orvane.org" << 5;
    QTest::newRow("file not there") << false << "true"
                                    << "%1/gone.html" << 2;
    QTest::newRow("folder not there") << false << "true"
                                      << "%1/gone/page.html" << 3;
    QTest::newRow("file URL not there") << false << "true"
                                        << "file://%1/gone.html" << 2;
    QTest::newRow("empty target") << false << "true"
                                  << "" << 2;
}

void TestSmallControls::linkClickOutcome()
{
    QFETCH(bool, desktopOpens);
    QFETCH(QString, fallback);
    QFETCH(QString, target);
    QFETCH(int, errorShown);
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    if (target.contains(QLatin1String("%1")))
        target = target.arg(dir.path());
    QString program = dir.filePath(QStringLiteral("no-such-opener"));
    if (fallback == QLatin1String("true")) {
        program = QStandardPaths::findExecutable(QStringLiteral("true"));
        QVERIFY(!program.isEmpty());
    } else if (fallback == QLatin1String("plain")) {
        program = dir.filePath(QStringLiteral("opener"));
        QFile file(program);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\n");
    }

    ScriptedDialogs dialogs;
    dialogs.NextOpen(desktopOpens);
    QWidget window;
    CHyperLink link(QStringLiteral("Write to us"), &window);
    link.setGeometry(10, 10, 150, 20);
    link.SetURL(target.isEmpty() ? QStringLiteral(" ") : target);
    link.Attach();
    link.SetURL(target);
    link.SetFallbackProgram(program);
    link.SetVisited(true); // a failure clears it
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(3, 3));

    QCOMPARE(dialogs.opened, QStringList {target});
    QCOMPARE(link.IsVisited(), errorShown < 0);
    QVERIFY(!link.IsOverControl());
    if (errorShown < 0) {
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(link.TextColour(), QColor(85, 26, 139));
    } else {
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text,
                 QStringLiteral("Unable to open hyperlink:\n\n")
                     + CHyperLink::OpenErrorText(errorShown));
        QCOMPARE(link.TextColour(), QColor(0, 0, 238));
    }
}

void TestSmallControls::linkFitting_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QRect>("box");
    QTest::newRow("left") << int(Qt::AlignLeft | Qt::AlignTop) << QRect(50, 40, 300, 31);
    QTest::newRow("centre, even") << int(Qt::AlignHCenter | Qt::AlignTop) << QRect(50, 40, 300, 31);
    QTest::newRow("centre, odd") << int(Qt::AlignHCenter | Qt::AlignTop) << QRect(50, 40, 301, 31);
    QTest::newRow("right") << int(Qt::AlignRight | Qt::AlignTop) << QRect(50, 40, 300, 31);
    QTest::newRow("centred vertically")
        << int(Qt::AlignLeft | Qt::AlignVCenter) << QRect(50, 40, 300, 60);
    QTest::newRow("centre, box too small")
        << int(Qt::AlignHCenter | Qt::AlignVCenter) << QRect(50, 40, 20, 4);
}

void TestSmallControls::linkFitting()
{
    QFETCH(int, alignment);
    QFETCH(QRect, box);
    QWidget window;
    window.resize(500, 200);
    CHyperLink link(QStringLiteral("kelvora-support@orvane.org"), &window);
    link.setAlignment(Qt::Alignment(alignment));
    link.setGeometry(box);
    link.Attach();
    const QFontMetrics metrics(link.UnderlinedFont());
    // Rounded up, so that the last column of the text is never cut.
    const int width = qCeil(QFontMetricsF(link.UnderlinedFont()).horizontalAdvance(link.text()));
    const int height = metrics.height();
    const QRect fitted = link.geometry();

    if (alignment & Qt::AlignHCenter) {
        // the same centre, to the half pixel that an odd difference leaves
        QVERIFY(qAbs((fitted.left() + fitted.right()) - (box.left() + box.right())) <= 1);
        QVERIFY(qAbs(fitted.width() - width) <= 1);
    } else if (alignment & Qt::AlignRight) {
        QCOMPARE(fitted.right(), box.right());
        QCOMPARE(fitted.width(), width);
    } else {
        QCOMPARE(fitted.left(), box.left());
        QCOMPARE(fitted.width(), width);
    }
    if (alignment & Qt::AlignVCenter) {
        QVERIFY(qAbs((fitted.top() + fitted.bottom()) - (box.top() + box.bottom())) <= 1);
        QVERIFY(qAbs(fitted.height() - height) <= 1);
    } else {
        QCOMPARE(fitted.top(), box.top());
        QCOMPARE(fitted.height(), height);
    }

    // a new target fits again, without moving the text's anchor
    link.SetAutoSize(false);
    link.SetURL(QStringLiteral("mailto:x@orvane.org"));
    QCOMPARE(link.geometry(), fitted);
}

void TestSmallControls::linkTargetAndText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("shownText");
    QTest::addColumn<QString>("finalTarget");
    QTest::newRow("empty text shows the target") << ""
                                                 << "https://orvane.org/"
                                                 << "https://orvane.org/"
                                                 << "https://orvane.org/";
    QTest::newRow("empty target is the text") << "https://orvane.org/kelvora"
                                              << ""
                                              << "https://orvane.org/kelvora"
                                              << "https://orvane.org/kelvora";
    QTest::newRow("both given") << "Write to us"
                                << "mailto:k@orvane.org"
                                << "Write to us"
                                << "mailto:k@orvane.org";
    QTest::newRow("markup stays text") << "<b>bold</b>"
                                       << ""
                                       << "<b>bold</b>"
                                       << "<b>bold</b>";
}

void TestSmallControls::linkTargetAndText()
{
    QFETCH(QString, text);
    QFETCH(QString, target);
    QFETCH(QString, shownText);
    QFETCH(QString, finalTarget);
    CHyperLink link(text);
    link.setGeometry(0, 0, 10, 10);
    if (!target.isEmpty())
        link.SetURL(target);
    link.Attach();
    QCOMPARE(link.text(), shownText);
    QCOMPARE(link.GetURL(), finalTarget);
    QCOMPARE(link.toolTip(), finalTarget);
    QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
    QCOMPARE(link.textFormat(), Qt::PlainText);
    // fitted to the text it shows
    QCOMPARE(link.width(),
             qCeil(QFontMetricsF(link.UnderlinedFont()).horizontalAdvance(shownText)));
}

void TestSmallControls::linkColoursAndUnderline_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<bool>("underlinedAtRest");
    QTest::addColumn<bool>("underlinedHovered");
    QTest::newRow("while hovered") << -1 << false << true;
    QTest::newRow("always") << 1 << true << true;
    QTest::newRow("never") << 0 << false << false;
    QTest::newRow("never, other value") << 7 << false << false;
}

void TestSmallControls::linkColoursAndUnderline()
{
    QFETCH(int, mode);
    QFETCH(bool, underlinedAtRest);
    QFETCH(bool, underlinedHovered);
    QWidget window;
    window.resize(400, 100);
    window.move(50, 50);
    CHyperLink link(QStringLiteral("kelvora-support@orvane.org"), &window);
    QFont big = link.font();
    big.setPointSize(20);
    link.setFont(big);
    link.move(20, 20);
    link.Attach();
    link.SetUnderlineMode(mode);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCursor::setPos(Outside(&window));

    QCOMPARE(link.font().underline(), underlinedAtRest);
    QVERIFY(CountColour(link.grab().toImage(), QColor(0, 0, 238)) > 0);
    QCOMPARE(CountColour(link.grab().toImage(), QColor(255, 0, 0)), 0);

    MoveCursor(&link, QPoint(5, 5));
    QTRY_VERIFY_WITH_TIMEOUT(link.IsOverControl(), 2000);
    QCOMPARE(link.font().underline(), underlinedHovered);
    QVERIFY(CountColour(link.grab().toImage(), QColor(255, 0, 0)) > 0);
    QCOMPARE(CountColour(link.grab().toImage(), QColor(0, 0, 238)), 0);

    QCursor::setPos(Outside(&window));
    QTRY_VERIFY_WITH_TIMEOUT(!link.IsOverControl(), 2000);
    QCOMPARE(link.font().underline(), underlinedAtRest);
    QVERIFY(CountColour(link.grab().toImage(), QColor(0, 0, 238)) > 0);
}

void TestSmallControls::linkVisitedThenHovered()
{
    ScriptedDialogs dialogs;
    dialogs.NextOpen(true);
    QWidget window;
    window.resize(400, 100);
    window.move(50, 50);
    CHyperLink link(QStringLiteral("orvane.org"), &window);
    QFont big = link.font();
    big.setPointSize(20);
    link.setFont(big);
    link.move(20, 20);
    link.Attach();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    MoveCursor(&link, QPoint(5, 5));
    QTRY_VERIFY_WITH_TIMEOUT(link.IsOverControl(), 2000);
    QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(5, 5));
    QVERIFY(link.IsVisited());
    // the click leaves the hover, so the visited colour shows although the cursor is still there
    QVERIFY(CountColour(link.grab().toImage(), QColor(85, 26, 139)) > 0);
    QCOMPARE(CountColour(link.grab().toImage(), QColor(255, 0, 0)), 0);

    MoveCursor(&link, QPoint(6, 5));
    QTRY_VERIFY_WITH_TIMEOUT(link.IsOverControl(), 2000);
    QVERIFY(CountColour(link.grab().toImage(), QColor(255, 0, 0)) > 0);
    QCOMPARE(CountColour(link.grab().toImage(), QColor(85, 26, 139)), 0);
}

QTEST_MAIN(TestSmallControls)
#include "tst_small_controls.moc"
