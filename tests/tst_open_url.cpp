#include "support/files.h"
#include "ui/platform/dialogs.h"

#include <QtTest>

// Opening a folder or a link on a desktop without xdg-open: the program's own opener falls back
// to GLib's. A stand-in `gio` on PATH records what it was asked.
class TestOpenUrl : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_record;

private Q_SLOTS:
    void initTestCase()
    {
        const QString bin = m_dir.filePath(QStringLiteral("bin"));
        QVERIFY(QDir().mkpath(bin));
        m_record = m_dir.filePath(QStringLiteral("record"));
        // One argument a line, so that a target with blanks shows as one.
        QVERIFY(testfiles::WriteBytes(
            bin + QStringLiteral("/gio"),
            "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + m_record.toUtf8()
                + ".part' && /bin/mv '" + m_record.toUtf8() + ".part' '" + m_record.toUtf8()
                + "'\n"));
        QVERIFY(QFile::setPermissions(bin + QStringLiteral("/gio"),
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        // Nothing else to open with: no xdg-open, no browser.
        qputenv("PATH", bin.toLocal8Bit());
    }

    void fallsBackToGio_data()
    {
        QTest::addColumn<QString>("target");
        QTest::addColumn<QString>("argument");
        const QString folder = m_dir.filePath(QStringLiteral("a folder; with blanks"));
        QDir().mkpath(folder);
        QTest::newRow("a folder") << folder << folder;
        QTest::newRow("a link") << "https://example.org/kelvora?a=1&b=2"
                                << "https://example.org/kelvora?a=1&b=2";
    }

    void fallsBackToGio()
    {
        QFETCH(QString, target);
        QFETCH(QString, argument);
        QFile::remove(m_record);
        QVERIFY(CurrentDialogs().OpenUrl(target));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(m_record), 10000);
        QCOMPARE(QString::fromUtf8(testfiles::ReadBytes(m_record)),
                 QStringLiteral("open\n") + argument + QLatin1Char('\n'));
    }

    void failsWithoutAnyOpener()
    {
        qputenv("PATH", m_dir.filePath(QStringLiteral("empty")).toLocal8Bit());
        QVERIFY(!CurrentDialogs().OpenUrl(m_dir.path()));
    }
};

QTEST_MAIN(TestOpenUrl)
#include "tst_open_url.moc"
