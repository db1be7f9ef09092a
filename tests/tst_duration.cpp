#include "engine/media/duration.h"

#include <QtTest>

#include <cstdint>

extern "C" {
#include <libavutil/avutil.h>
}

class TestDuration : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void format_data();
    void format();
};

void TestDuration::format_data()
{
    QTest::addColumn<quint32>("seconds");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0u << "00:00:00";
    QTest::newRow("59 s") << 59u << "00:00:59";
    QTest::newRow("last second of the first hour") << 3599u << "00:59:59";
    QTest::newRow("one hour") << 3600u << "01:00:00";
    QTest::newRow("mixed") << 3723u << "01:02:03";
    QTest::newRow("three-digit hours") << 360000u << "100:00:00";
    QTest::newRow("largest known") << 359999999u << "99999:59:59";
    QTest::newRow("100000 hours") << 360000000u << "Unknown";
    QTest::newRow("minus one second") << 4294967295u << "Unknown";
    QTest::newRow("no-value marker") << 2217714954u << "Unknown";
    // What the library's marker for an unknown duration becomes after the probe's division.
    QTest::newRow("no-value marker, computed")
        << quint32(uint64_t(int64_t(AV_NOPTS_VALUE) / 1000000)) << "Unknown";
}

void TestDuration::format()
{
    QFETCH(quint32, seconds);
    QFETCH(QString, text);
    QCOMPARE(FormatDuration(seconds), text);
}

QTEST_GUILESS_MAIN(TestDuration)
#include "tst_duration.moc"
