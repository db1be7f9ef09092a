#include "res/resource.h"
#include "support/scripted_dialogs.h"
#include "ui/controls/chrome/about_dlg.h"
#include "ui/controls/chrome/hyper_link.h"
#include "ui/platform/dialog_units.h"
#include "ui/res/bitmaps.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QtMath>

namespace {

QColor Rgb(QRgb c)
{
    return QColor(qRed(c), qGreen(c), qBlue(c));
}

} // namespace

class TestAboutDlg : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void texts_data();
    void texts();
    void sizeInDialogUnits();
    void picture();
    void contactLink();
    void contactLinkIsUnderlinedOnScreen();
    void clickingTheLinkOpensMail();
    void okCloses();
};

void TestAboutDlg::texts_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QRect>("units");
    QTest::newRow("version") << "versionLabel"
                             << "Kelvora, Version 1.0" << QRect(111, 16, 114, 8);
    QTest::newRow("contact") << "contactLabel"
                             << "Contact us if any questions:" << QRect(111, 68, 97, 13);
    QTest::newRow("OK") << "okButton"
                        << "OK" << QRect(201, 121, 50, 14);
}

void TestAboutDlg::texts()
{
    QFETCH(QString, name);
    QFETCH(QString, text);
    QFETCH(QRect, units);
    CAboutDlg dialog;
    QWidget *widget = dialog.findChild<QWidget *>(name);
    QVERIFY(widget);
    if (auto *label = qobject_cast<QLabel *>(widget))
        QCOMPARE(label->text(), text);
    else if (auto *button = qobject_cast<QPushButton *>(widget))
        QCOMPARE(button->text(), text);
    else
        QFAIL("neither a text nor a button");
    QCOMPARE(widget->geometry(), MapDialogRect(units, DialogFont()));
    QCOMPARE(widget->font().pointSize(), 8);
}

void TestAboutDlg::sizeInDialogUnits()
{
    CAboutDlg dialog;
    QCOMPARE(dialog.windowTitle(), QStringLiteral("About Kelvora"));
    QCOMPARE(dialog.size(), MapDialogRect(QRect(0, 0, 261, 145), DialogFont()).size());
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("okButton"));
    QVERIFY(ok && ok->isDefault());
    // every control lies inside the box
    for (QWidget *child : dialog.findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly))
        QVERIFY2(dialog.rect().contains(child->geometry()), qPrintable(child->objectName()));
}

void TestAboutDlg::picture()
{
    CAboutDlg dialog;
    auto *label = dialog.findChild<QLabel *>(QStringLiteral("pictureLabel"));
    QVERIFY(label);
    const QImage picture = LoadBitmapResource(IDB_ABOUT_PICTURE);
    QCOMPARE(picture.size(), QSize(128, 128));
    QCOMPARE(picture.depth(), 32); // decoded from 24 bits
    QCOMPARE(label->geometry().topLeft(),
             MapDialogRect(QRect(17, 12, 85, 79), DialogFont()).topLeft());
    QCOMPARE(label->size(), QSize(128, 128));
    const QImage shown = label->grab().toImage().convertToFormat(QImage::Format_RGB32);
    const QImage expected = picture.convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shown.pixel(64, 64), expected.pixel(64, 64));
    QCOMPARE(shown.pixel(5, 120), expected.pixel(5, 120));
}

void TestAboutDlg::contactLink()
{
    CAboutDlg dialog;
    auto *link = dialog.findChild<CHyperLink *>(QStringLiteral("contactLink"));
    QVERIFY(link);
    QCOMPARE(link, dialog.ContactLink());
    QCOMPARE(link->text(), QStringLiteral("kelvora-support@orvane.org"));
    QCOMPARE(link->GetURL(), QStringLiteral("mailto:kelvora-support@orvane.org"));
    QCOMPARE(link->toolTip(), QStringLiteral("mailto:kelvora-support@orvane.org"));
    QCOMPARE(link->GetUnderlineMode(), 1);
    QVERIFY(link->font().underline());
    // placed by its layout, then fitted to the address
    const QRect units = MapDialogRect(QRect(135, 84, 114, 8), DialogFont());
    QCOMPARE(link->geometry().topLeft(), units.topLeft());
    QCOMPARE(link->width(),
             qCeil(QFontMetricsF(link->UnderlinedFont()).horizontalAdvance(link->text())));
}

void TestAboutDlg::contactLinkIsUnderlinedOnScreen()
{
    CAboutDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *link = dialog.findChild<CHyperLink *>(QStringLiteral("contactLink"));
    const QImage image = link->grab().toImage().convertToFormat(QImage::Format_RGB32);
    // an underline is a row of link colour across most of the text
    int longestRow = 0;
    for (int y = 0; y < image.height(); ++y) {
        int run = 0;
        for (int x = 0; x < image.width(); ++x)
            run += Rgb(image.pixel(x, y)) == QColor(0, 0, 238);
        longestRow = qMax(longestRow, run);
    }
    QVERIFY2(longestRow > image.width() * 3 / 4, qPrintable(QString::number(longestRow)));
}

void TestAboutDlg::clickingTheLinkOpensMail()
{
    ScriptedDialogs dialogs;
    dialogs.NextOpen(true);
    CAboutDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    auto *link = dialog.findChild<CHyperLink *>(QStringLiteral("contactLink"));
    QTest::mouseClick(link, Qt::LeftButton, {}, QPoint(2, 2));
    QCOMPARE(dialogs.opened, QStringList {QStringLiteral("mailto:kelvora-support@orvane.org")});
    QVERIFY(link->IsVisited());
    QVERIFY(dialogs.messages.isEmpty());
}

void TestAboutDlg::okCloses()
{
    CAboutDlg dialog;
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QTest::mouseClick(dialog.findChild<QPushButton *>(QStringLiteral("okButton")), Qt::LeftButton);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QVERIFY(!dialog.isVisible());
}

QTEST_MAIN(TestAboutDlg)
#include "tst_about_dlg.moc"
