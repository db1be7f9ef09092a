#include "ui/platform/dialog_units.h"

#include <QFontMetrics>
#include <QTest>
#include <QtMath>

class TestDialogUnits : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mulDiv_data();
    void mulDiv();
    void mapWithBaseUnits_data();
    void mapWithBaseUnits();
    void baseUnitsFollowTheFont_data();
    void baseUnitsFollowTheFont();
    void dialogFont();
};

void TestDialogUnits::mulDiv_data()
{
    QTest::addColumn<int>("a");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("c");
    QTest::addColumn<int>("expected");
    QTest::newRow("exact") << 8 << 6 << 4 << 12;
    QTest::newRow("below half") << 5 << 5 << 4 << 6; // 6.25
    QTest::newRow("half rounds up") << 1 << 6 << 4 << 2; // 1.5
    QTest::newRow("above half") << 85 << 7 << 4 << 149; // 148.75
    QTest::newRow("negative half away from zero") << -1 << 6 << 4 << -2; // -1.5
    QTest::newRow("negative divisor") << 6 << 1 << -4 << -2; // -1.5
    QTest::newRow("both negative") << -6 << 1 << -4 << 2;
    QTest::newRow("no overflow") << 2000000000 << 3 << 4 << 1500000000;
    QTest::newRow("division by zero") << 5 << 3 << 0 << -1;
}

void TestDialogUnits::mulDiv()
{
    QFETCH(int, a);
    QFETCH(int, b);
    QFETCH(int, c);
    QFETCH(int, expected);
    QCOMPARE(MulDiv(a, b, c), expected);
}

void TestDialogUnits::mapWithBaseUnits_data()
{
    QTest::addColumn<int>("baseX");
    QTest::addColumn<int>("baseY");
    QTest::addColumn<QRect>("units");
    QTest::addColumn<QRect>("pixels");
    // 6 x 13 are the base units of the classic 8-point dialog font.
    QTest::newRow("About picture") << 6 << 13 << QRect(17, 12, 85, 79)
                                   << QRect(26, 20, 128, 128); // 25.5, 19.5, 127.5, 128.375
    QTest::newRow("About box") << 6 << 13 << QRect(0, 0, 261, 145)
                               << QRect(0, 0, 392, 236); // 391.5, 235.625
    QTest::newRow("OK button") << 6 << 13 << QRect(201, 131, 50, 14)
                               << QRect(302, 213, 75, 23); // 301.5, 212.875, 75, 22.75
    QTest::newRow("width mapped on its own")
        << 7 << 15 << QRect(1, 1, 1, 1) << QRect(2, 2, 2, 2); // 1.75, 1.875
    QTest::newRow("wide font") << 9 << 18 << QRect(135, 84, 114, 8)
                               << QRect(304, 189, 257, 18); // 303.75, 189, 256.5, 18
}

void TestDialogUnits::mapWithBaseUnits()
{
    QFETCH(int, baseX);
    QFETCH(int, baseY);
    QFETCH(QRect, units);
    QFETCH(QRect, pixels);
    DialogBaseUnits base;
    base.x = baseX;
    base.y = baseY;
    QCOMPARE(MapDialogRect(units, base), pixels);
}

void TestDialogUnits::baseUnitsFollowTheFont_data()
{
    QTest::addColumn<int>("pointSize");
    QTest::newRow("8 points") << 8;
    QTest::newRow("11 points") << 11;
    QTest::newRow("20 points") << 20;
}

void TestDialogUnits::baseUnitsFollowTheFont()
{
    QFETCH(int, pointSize);
    QFont font = DialogFont();
    font.setPointSize(pointSize);
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    const DialogBaseUnits units = BaseUnitsOf(font);
    // the average of the 52 letters, rounded to the nearest pixel
    QCOMPARE(units.x, qFloor(letters / 52.0 + 0.5));
    QCOMPARE(units.y, metrics.height());
    QVERIFY(units.x > 0);
    const QRect mapped = MapDialogRect(QRect(4, 8, 40, 16), font);
    QCOMPARE(mapped, QRect(units.x, units.y, 10 * units.x, 2 * units.y));
}

void TestDialogUnits::dialogFont()
{
    const QFont font = DialogFont();
    QCOMPARE(font.pointSize(), 8);
    QVERIFY(!font.family().isEmpty());
    // a larger font maps the same dialog units to more pixels
    QFont larger = font;
    larger.setPointSize(16);
    QVERIFY(MapDialogRect(QRect(0, 0, 100, 100), larger).width()
            > MapDialogRect(QRect(0, 0, 100, 100), font).width());
}

QTEST_MAIN(TestDialogUnits)
#include "tst_dialog_units.moc"
