#include "engine/media/file_names.h"

#include <QStringDecoder>
#include <QtTest>

// Telling the names Qt cannot keep from those it can, and showing them.
class TestFileNames : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void validityAndEscapes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QString>("shown");

        QTest::newRow("ascii") << QByteArray("clip.mp4") << true << "clip.mp4";
        QTest::newRow("two to four bytes") << QByteArray("\xc3\xa9\xe8\xa7\x86\xf0\x9f\x8e\xac")
                                           << true << QStringLiteral("é视\U0001F3AC");
        QTest::newRow("latin-1 byte") << QByteArray("caf\xe9.avi") << false << "caf\\xE9.avi";
        QTest::newRow("lone continuation") << QByteArray("a\x80") << false << "a\\x80";
        QTest::newRow("overlong slash") << QByteArray("\xc0\xaf") << false << "\\xC0\\xAF";
        QTest::newRow("overlong three bytes")
            << QByteArray("\xe0\x80\xaf") << false << "\\xE0\\x80\\xAF";
        QTest::newRow("surrogate") << QByteArray("\xed\xa0\x80") << false << "\\xED\\xA0\\x80";
        QTest::newRow("past U+10FFFF")
            << QByteArray("\xf4\x90\x80\x80") << false << "\\xF4\\x90\\x80\\x80";
        QTest::newRow("cut at the end") << QByteArray("ok\xe8\xa7") << false << "ok\\xE8\\xA7";
        QTest::newRow("valid after a bad byte")
            << QByteArray("\xff\xc3\xa9") << false << QStringLiteral("\\xFFé");
    }

    void validityAndEscapes()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, valid);
        QFETCH(QString, shown);
        QCOMPARE(IsValidUtf8(bytes), valid);
        QCOMPARE(EscapedFileName(bytes), shown);
        // Qt's own decoder agrees on what it can decode without loss.
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(bytes);
        QCOMPARE(!decoder.hasError(), valid);
        QCOMPARE(decoded.contains(QChar::ReplacementCharacter), !valid);
    }

    void messageIsBounded()
    {
        QStringList names;
        for (int i = 0; i < 25; ++i)
            names << QStringLiteral("n%1\\xFF.mp4").arg(i);
        const QStringList lines = UndecodableNamesMessage(names).split(QLatin1Char('\n'));
        QCOMPARE(
            lines.first(),
            QStringLiteral("25 files were not added because their names are not valid UTF-8:"));
        QCOMPARE(lines.size(), 22);
        QCOMPARE(lines[20], names[19]);
        QCOMPARE(lines.last(), QStringLiteral("... and 5 more"));
    }
};

QTEST_GUILESS_MAIN(TestFileNames)
#include "tst_file_names.moc"
