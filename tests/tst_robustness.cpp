#include "engine/convert/command_line.h"
#include "support/media_factory.h"
#include "support/queue_fixture.h"
#include "support/scripted_dialogs.h"

#include "support/files.h"

#include <QtTest>

#include <csignal>
#include <sys/resource.h>

namespace {

using testfiles::Checksum;

QMap<QString, QByteArray> Checksums(const QString &folder)
{
    QMap<QString, QByteArray> sums;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        sums[path] = Checksum(path);
    }
    return sums;
}

} // namespace

// Faults while converting, and names that try to confuse the program: every row ends with a
// clear status, the queue goes on, and the user's files stay as they were.
class TestRobustness : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_in;
    testmedia::Clip m_quick;

    QString Folder(const QString &name) const { return testfiles::MakeFolder(m_dir.path(), name); }

private Q_SLOTS:
    void initTestCase()
    {
        m_in = Folder(QStringLiteral("in"));
        m_quick.size = QStringLiteral("160x120");
        m_quick.codecArguments = QStringList {"-c:v", "mpeg4", "-c:a", "mp2"};
        QVERIFY(testmedia::Make(m_in + QStringLiteral("quick.mkv"), m_quick));
        testmedia::Clip slow = m_quick;
        slow.seconds = 60;
        slow.size = QStringLiteral("1280x720");
        QVERIFY(testmedia::Make(m_in + QStringLiteral("slow.mkv"), slow));
    }

    void faults_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QStringList>("statuses"); // of the faulty row; any of them
        const QString failed = StateText(ItemState::Failed);
        QTest::newRow("saving folder cannot be written") << "unwritable" << QStringList {failed};
        QTest::newRow("disk fills up") << "file size limit" << QStringList {failed};
        QTest::newRow("converter killed from outside") << "killed" << QStringList {failed};
        // The converter keeps the file it opened; either ending is a clear one.
        QTest::newRow("input deleted while converting")
            << "deleted" << QStringList {failed, StateText(ItemState::Completed)};
    }

    void faults()
    {
        QFETCH(QString, fault);
        QFETCH(QStringList, statuses);
        const QString in = Folder(QStringLiteral("faults-in-") + QTest::currentDataTag());
        QFile::copy(m_in + QStringLiteral("slow.mkv"), in + QStringLiteral("victim.mkv"));
        QFile::copy(m_in + QStringLiteral("quick.mkv"), in + QStringLiteral("after.mkv"));
        QMap<QString, QByteArray> before = Checksums(in);

        const QString out = fault == QLatin1String("unwritable")
            ? QStringLiteral("/proc/kelvora-cannot-write-here/")
            : Folder(QStringLiteral("faults-out-") + QTest::currentDataTag());
        QueueFixture f(out, 8); // PSP high: slow enough to hit while it runs
        f.media.store().Append(ProbeItem(in, QStringLiteral("victim.mkv")));
        f.media.store().Append(ProbeItem(in, QStringLiteral("after.mkv")));
        f.queue.ConvertAll();

        if (fault != QLatin1String("unwritable")) {
            QTRY_VERIFY_WITH_TIMEOUT(f.queue.batch().ConverterPids().value(0) > 0, 30000);
            const pid_t converter = pid_t(f.queue.batch().ConverterPids().value(0));
            if (fault == QLatin1String("file size limit")) {
                const rlimit limit {64 * 1024, 64 * 1024};
                QCOMPARE(::prlimit(converter, RLIMIT_FSIZE, &limit, nullptr), 0);
            } else if (fault == QLatin1String("killed")) {
                QTest::qWait(300);
                ::kill(converter, SIGKILL);
            } else {
                QVERIFY(QFile::remove(in + QStringLiteral("victim.mkv")));
                before.remove(in + QStringLiteral("victim.mkv"));
            }
        }
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 180000);
        QVERIFY2(statuses.contains(f.media.Status(0)), qPrintable(f.media.Status(0)));
        if (f.media.Status(0) == StateText(ItemState::Failed) && fault != QLatin1String("killed")
            && fault != QLatin1String("file size limit"))
            QVERIFY(!f.StatusTip(0).isEmpty());
        // The queue went on with the next file.
        const QString next = fault == QLatin1String("unwritable") ? StateText(ItemState::Failed)
                                                                  : StateText(ItemState::Completed);
        QCOMPARE(f.media.Status(1), next);
        QCOMPARE(Checksums(in), before);
    }

    void confusingNames_data()
    {
        QTest::addColumn<QString>("folder");
        QTest::addColumn<QString>("name");
        QTest::newRow("blanks") << "with blanks"
                                << "my holiday clip.mkv";
        QTest::newRow("quotes") << "quote's \"folder\""
                                << "say \"hi\" it's.mkv";
        QTest::newRow("leading dash") << "-folder"
                                      << "-y.mkv";
        QTest::newRow("looks like options") << "-i"
                                            << "-i -f null.mkv";
        QTest::newRow("non-ASCII")
            << QStringLiteral("Видео 日本") << QStringLiteral("Привет é 日本.mkv");
        QTest::newRow("shell characters") << "$(touch PWNED)"
                                          << "`touch PWNED`;|&<>*?$HOME.mkv";
        QTest::newRow("no extension") << "plain"
                                      << "README";
        QTest::newRow("very long name") << "long" << QString(200, QLatin1Char('n')) + ".mkv";
        QString deep;
        for (int i = 0; i < 24; ++i)
            deep += QStringLiteral("level %1 of a very deep tree/").arg(i);
        deep.chop(1);
        QTest::newRow("deep folders") << deep << "deep.mkv";
    }

    void confusingNames()
    {
        QFETCH(QString, folder);
        QFETCH(QString, name);
        const QString in = Folder(QStringLiteral("names/") + folder);
        QVERIFY(QFile::copy(m_in + QStringLiteral("quick.mkv"), in + name));
        const QString out = Folder(QStringLiteral("names-out/") + folder);
        const QByteArray before = Checksum(in + name);

        ScriptedDialogs dialogs;
        QueueFixture f(out, 13);
        dialogs.NextFiles({in + name});
        f.media.AddFiles();
        QTRY_VERIFY_WITH_TIMEOUT(!f.media.adding(), 60000);
        QCOMPARE(f.media.rowCount(), 1);
        QCOMPARE(f.media.FileName(0), name);
        QCOMPARE(f.media.Location(0), in);
        QCOMPARE(f.media.Status(0), StateText(ItemState::Waiting));

        for (const auto &[presetId, extension] :
             {qMakePair(13, QStringLiteral(".wmv")), qMakePair(24, QStringLiteral(".mp3"))}) {
            f.preset.id = presetId;
            f.queue.ConvertAll();
            QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 60000);
            QCOMPARE(f.media.Status(0), StateText(ItemState::Completed));
            const QString output = out + OutputBaseName(name) + extension;
            QVERIFY2(QFileInfo::exists(output), qPrintable(output));
            QVERIFY(!testmedia::Streams(output).isEmpty());
        }
        QCOMPARE(QDir(out).entryList(QDir::Files).size(), 2);
        QCOMPARE(Checksum(in + name), before);
        QVERIFY(!QFileInfo::exists(QStringLiteral("PWNED")));
        QVERIFY(!QFileInfo::exists(in + QStringLiteral("PWNED")));
    }
};

QTEST_MAIN(TestRobustness)
#include "tst_robustness.moc"
