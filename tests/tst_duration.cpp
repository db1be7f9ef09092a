#include "media/duration.h"

#include <QtTest>

#include <climits>
#include <cstdint>
#include <cstdio>

extern "C" {
#include <libavutil/avutil.h>
}

class TestDuration : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void format_data();
    void format();
    void parse_data();
    void parse();
    void parseReadsLikeScanf_data();
    void parseReadsLikeScanf();
    void roundTrip_data();
    void roundTrip();
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

void TestDuration::parse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("seconds");

    QTest::newRow("mixed") << "01:02:03" << 3723;
    QTest::newRow("seconds only") << "00:00:59" << 59;
    QTest::newRow("unknown") << "Unknown" << 0;
    QTest::newRow("empty") << "" << 0;
    QTest::newRow("three hour digits read whole") << "100:00:00" << 360000;
    QTest::newRow("five hour digits") << "99999:59:59" << 99999 * 3600 + 59 * 60 + 59;
    QTest::newRow("minutes keep two digits") << "1:234:56" << 3600 + 23 * 60;
    QTest::newRow("hours beyond int's range") << "99999999999999999999999:00:00" << INT_MAX;
    QTest::newRow("negative hours beyond int's range") << "-9999999999:00:00" << INT_MIN;
    QTest::newRow("hours only") << "07" << 7 * 3600;
    QTest::newRow("stops at a dot") << "01:02.5" << 3600 + 120;
    QTest::newRow("blanks before fields") << " 1: 2: 3" << 3723;
    QTest::newRow("signs") << "-1:+2:-3" << -3600 + 120 - 3;
    QTest::newRow("garbage") << "abc:de:fg" << 0;
    QTest::newRow("lone sign") << "-:10:10" << 0;
    QTest::newRow("other digits are not digits") << QStringLiteral("\u0661\u0662:00:00") << 0;
    QTest::newRow("zero inside") << QStringLiteral("01:02").append(QChar(0)).append("03") << 3720;
}

void TestDuration::parse()
{
    QFETCH(QString, text);
    QFETCH(int, seconds);
    QCOMPARE(ParseDuration(text), seconds);
}

void TestDuration::parseReadsLikeScanf_data()
{
    QTest::addColumn<QString>("text");

    const char *texts[]
        = {"00:00:00",  "12:34:56", "1:2:3",       "123:456:789", " \t\n01:02:03", "01 :02:03",
           "01: 02:03", "+1:-2:+3", "-12:34:56",   "+:1:1",       "1:-:1",         "--1:00:00",
           "1::2",      ":1:2",     "12",          "12:",         "12:3",          "0x10:10:10",
           "99:99:99",  "1:2:3:4",  "\v\f\r7:8:9", "Unknown",     "00:00:5x",      "٠١:02:03"};
    for (const char *text : texts)
        QTest::newRow(QByteArray(text).toPercentEncoding(" :+-").constData())
            << QString::fromUtf8(text);
}

// The C library's own scanf is the reference for how the pattern reads text.
void TestDuration::parseReadsLikeScanf()
{
    QFETCH(QString, text);
    int h = 0, m = 0, s = 0;
    std::sscanf(text.toUtf8().constData(), "%d:%2d:%2d", &h, &m, &s);
    QCOMPARE(ParseDuration(text), h * 3600 + m * 60 + s);
}

void TestDuration::roundTrip_data()
{
    QTest::addColumn<quint32>("from");
    QTest::addColumn<quint32>("to");

    QTest::newRow("first hours") << 0u << 7200u;
    QTest::newRow("around ten hours") << 35000u << 37000u;
    QTest::newRow("last two-digit hour") << 356400u << 359999u;
    QTest::newRow("hundredth hour") << 360000u << 363600u;
    QTest::newRow("last hour the list shows") << 359996400u << 359999999u;
}

// Every duration the list can show reads back as itself.
void TestDuration::roundTrip()
{
    QFETCH(quint32, from);
    QFETCH(quint32, to);
    for (quint32 seconds = from; seconds <= to; ++seconds) {
        const QString text = FormatDuration(seconds);
        if (ParseDuration(text) != int(seconds))
            QFAIL(qPrintable(
                QStringLiteral("%1 -> %2 -> %3").arg(seconds).arg(text).arg(ParseDuration(text))));
    }
}

QTEST_GUILESS_MAIN(TestDuration)
#include "tst_duration.moc"
