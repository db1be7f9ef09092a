#include "convert/command_line.h"
#include "convert/conversion_worker.h"
#include "convert/converter.h"
#include "support/media_factory.h"

#include "support/files.h"

#include <QtTest>

#include <csignal>
#include <sys/wait.h>

namespace {

using testfiles::Checksum;

// Collects what the worker posts.
class Receiver : public QObject
{
public:
    QList<int> progress;
    QList<int> progressRows;
    int doneCount = 0;
    int doneRow = -1;
    int cancelled = -1;
    JobOutcome outcome = JobOutcome::Completed;
    QString lastLine;

    bool event(QEvent *e) override
    {
        if (e->type() == WM_CONVERT_PROGRESS) {
            auto *p = static_cast<ConvertProgressEvent *>(e);
            progress << p->percent;
            progressRows << p->row;
            return true;
        }
        if (e->type() == WM_CONVERT_DONE) {
            auto *d = static_cast<ConvertDoneEvent *>(e);
            ++doneCount;
            doneRow = d->row;
            cancelled = d->cancelled;
            outcome = d->outcome;
            lastLine = d->lastLine;
            return true;
        }
        return QObject::event(e);
    }
};

} // namespace

// One converter run per job, with the real converter on generated media.
class TestConversionWorker : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_in; // folder of the inputs
    QString m_out; // saving folder

    ConversionJob Job(const QString &fileName, int presetId, int duration) const
    {
        const Preset *p = PresetById(presetId);
        ConversionJob job;
        job.location = m_in;
        job.fileName = fileName;
        job.inputPath = m_in + fileName;
        job.durationSeconds = duration;
        job.outputFolder = m_out;
        ApplyPreset(job, *p, Converter());
        return job;
    }

    // Runs one job to its end on a worker thread and delivers what it posted.
    static void Run(const ConversionJob &job, ConversionShared &shared, Receiver &receiver)
    {
        std::thread worker = StartConversionWorker(job, shared, &receiver);
        worker.join();
        QCoreApplication::sendPostedEvents(&receiver);
    }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(!testmedia::Ffmpeg().isEmpty());
        m_in = m_dir.filePath(QStringLiteral("in")) + QLatin1Char('/');
        m_out = m_dir.filePath(QStringLiteral("out/new folder")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(m_in));
        QString log;
        QVERIFY2(testmedia::Make(m_in + QStringLiteral("clip.mkv"), testmedia::Clip(), &log),
                 qPrintable(log));
    }

    void everyOfferedPreset_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("format");
        QTest::addColumn<QStringList>("streams");
        const QString mp4 = QStringLiteral("mp4");
        const QStringList mpeg4Aac {QStringLiteral("mpeg4:video"), QStringLiteral("aac:audio")};
        const QStringList h264Aac {QStringLiteral("h264:video"), QStringLiteral("aac:audio")};
        for (const PresetMenuGroup &group : PresetMenuGroups()) {
            for (int id : group.ids) {
                const QByteArray name = QByteArray(PresetById(id)->menuText);
                if (id <= 5 || id == 19)
                    QTest::newRow(name) << id << mp4 << mpeg4Aac;
                else if (id <= 11)
                    QTest::newRow(name) << id << mp4 << h264Aac;
            }
        }
        QTest::newRow("WMV") << 13 << "asf" << QStringList {"wmv2:video", "wmav2:audio"};
        QTest::newRow("MPEG1") << 16 << "mpeg" << QStringList {"mpeg1video:video", "mp2:audio"};
        QTest::newRow("MPEG2") << 18 << "mpeg" << QStringList {"mpeg2video:video", "mp2:audio"};
        QTest::newRow("ASF") << 21 << "asf" << QStringList {"msmpeg4v3:video", "mp3:audio"};
        QTest::newRow("AVI") << 22 << "avi" << QStringList {"mpeg4:video", "mp3:audio"};
        QTest::newRow("WMA") << 23 << "asf" << QStringList {"wmav2:audio"};
        QTest::newRow("MP3") << 24 << "mp3" << QStringList {"mp3:audio"};
        QTest::newRow("BlackBerry 3GP") << 25 << "3gp" << mpeg4Aac;
        QTest::newRow("3GPP") << 26 << "3gp" << QStringList {"h263:video", "aac:audio"};
        QTest::newRow("3GPP2") << 27 << "3g2" << mpeg4Aac;
    }

    void everyOfferedPreset()
    {
        QFETCH(int, id);
        QFETCH(QString, format);
        QFETCH(QStringList, streams);
        const ConversionJob job = Job(QStringLiteral("clip.mkv"), id, 2);
        const QByteArray before = Checksum(job.inputPath);
        ConversionShared shared;
        shared.jobRow = 7;
        Receiver receiver;
        Run(job, shared, receiver);

        QCOMPARE(receiver.doneCount, 1);
        QVERIFY2(receiver.outcome == JobOutcome::Completed, qPrintable(receiver.lastLine));
        QCOMPARE(receiver.cancelled, 0);
        QCOMPARE(receiver.doneRow, 7);
        QVERIFY(shared.jobFinished);
        const QString output = BuildCommandLine(job).outputPath;
        QVERIFY(output.endsWith(QStringLiteral("/clip")
                                + QString::fromLatin1(PresetById(id)->extension)));
        QVERIFY(QFileInfo::exists(output));
        QVERIFY2(testmedia::FormatName(output).split(QLatin1Char(',')).contains(format),
                 qPrintable(testmedia::FormatName(output)));
        QCOMPARE(testmedia::Streams(output), streams);
        QVERIFY(qAbs(testmedia::Duration(output) - 2.0) < 0.5);
        QCOMPARE(Checksum(job.inputPath), before);
        QFile::remove(output);
    }

    void progressRises()
    {
        testmedia::Clip clip;
        clip.seconds = 20;
        clip.size = QStringLiteral("640x480");
        clip.codecArguments = QStringList {"-c:v", "mpeg4", "-c:a", "mp2"};
        QVERIFY(testmedia::Make(m_in + QStringLiteral("long.mkv"), clip));
        ConversionShared shared;
        shared.jobRow = 3;
        Receiver receiver;
        Run(Job(QStringLiteral("long.mkv"), 8, 20), shared, receiver);
        QVERIFY(receiver.outcome == JobOutcome::Completed);
        QVERIFY2(receiver.progress.size() >= 2,
                 qPrintable(QString::number(receiver.progress.size())));
        for (int i = 1; i < receiver.progress.size(); ++i)
            QVERIFY(receiver.progress[i] > receiver.progress[i - 1]);
        QVERIFY(receiver.progress.first() > 0);
        QVERIFY(receiver.progress.last() >= 95);
        QCOMPARE(receiver.progressRows.count(3), receiver.progressRows.size());
    }

    void skipKillsTheConverter()
    {
        testmedia::Clip clip;
        clip.seconds = 120;
        clip.size = QStringLiteral("1280x720");
        clip.codecArguments = QStringList {"-c:v", "mpeg4", "-c:a", "mp2"};
        QVERIFY(testmedia::Make(m_in + QStringLiteral("skip.mkv"), clip));
        ConversionShared shared;
        Receiver receiver;
        std::thread worker
            = StartConversionWorker(Job(QStringLiteral("skip.mkv"), 8, 120), shared, &receiver);
        QTRY_VERIFY_WITH_TIMEOUT(!receiver.progress.isEmpty(), 60000);
        const pid_t pid = shared.child.pid();
        QVERIFY(pid > 0);
        shared.cancelRequested = true;
        shared.child.Terminate();
        worker.join();
        QCoreApplication::sendPostedEvents(&receiver);
        QCOMPARE(receiver.doneCount, 1);
        QCOMPARE(receiver.cancelled, JOB_CANCELLED);
        QVERIFY(receiver.outcome == JobOutcome::Cancelled);
        QVERIFY(shared.jobFinished);
        QVERIFY(receiver.progress.last() < 100);
        // Neither running nor a zombie.
        QCOMPARE(::kill(pid, 0), -1);
        QCOMPARE(errno, ESRCH);
    }

    void faults_data()
    {
        QTest::addColumn<QString>("fileName");
        QTest::addColumn<int>("presetId");
        QTest::addColumn<QString>("converter");
        QTest::addColumn<QString>("outputFolder");
        QTest::addColumn<int>("outcome");
        // Text the last line holds; empty: the last line is empty, as no converter ran.
        QTest::addColumn<QString>("lastLineHas");
        QTest::newRow("missing converter")
            << "clip.mkv" << 13 << "/nonexistent/ffmpeg"
            << "" << int(JobOutcome::ConverterNotFound) << "No such file";
        QTest::newRow("broken input") << "broken.avi" << 13 << ""
                                      << "" << int(JobOutcome::Failed) << "broken.avi";
        QTest::newRow("missing input") << "gone.mkv" << 13 << ""
                                       << "" << int(JobOutcome::Failed) << "No such file";
        QTest::newRow("output equals input") << "same.mp4" << 19 << ""
                                             << "%in%" << int(JobOutcome::OutputEqualsInput) << "";
        QTest::newRow("output is the input through a link")
            << "same.mp4" << 19 << ""
            << "%link%" << int(JobOutcome::OutputEqualsInput) << "";
        QTest::newRow("saving folder cannot be made")
            << "clip.mkv" << 13 << ""
            << "%file%" << int(JobOutcome::Failed) << "Not a directory";
    }

    void faults()
    {
        QFETCH(QString, fileName);
        QFETCH(int, presetId);
        QFETCH(QString, converter);
        QFETCH(QString, outputFolder);
        QFETCH(int, outcome);
        QFETCH(QString, lastLineHas);

        QFile broken(m_in + QStringLiteral("broken.avi"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("this is not a video at all\n");
        broken.close();
        if (!QFileInfo::exists(m_in + QStringLiteral("same.mp4")))
            QVERIFY(testmedia::Make(m_in + QStringLiteral("same.mp4")));
        QFile::link(m_in, m_dir.filePath(QStringLiteral("link")));
        QFile blocker(m_dir.filePath(QStringLiteral("blocker")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();

        ConversionJob job = Job(fileName, presetId, 2);
        if (!converter.isEmpty())
            job.converterProgram = converter;
        if (outputFolder == QLatin1String("%in%"))
            job.outputFolder = m_in;
        else if (outputFolder == QLatin1String("%link%"))
            job.outputFolder = m_dir.filePath(QStringLiteral("link")) + QLatin1Char('/');
        else if (outputFolder == QLatin1String("%file%"))
            job.outputFolder = blocker.fileName() + QStringLiteral("/sub/");

        QDir inputs(m_in);
        QMap<QString, QByteArray> before;
        for (const QString &name : inputs.entryList(QDir::Files))
            before[name] = Checksum(m_in + name);

        ConversionShared shared;
        Receiver receiver;
        Run(job, shared, receiver);
        QCOMPARE(receiver.doneCount, 1);
        QCOMPARE(int(receiver.outcome), outcome);
        QCOMPARE(receiver.cancelled, 0);
        QVERIFY(shared.jobFinished);
        if (lastLineHas.isEmpty())
            QVERIFY2(receiver.lastLine.isEmpty(), qPrintable(receiver.lastLine));
        else
            QVERIFY2(receiver.lastLine.contains(lastLineHas), qPrintable(receiver.lastLine));
        QVERIFY(receiver.progress.isEmpty());
        for (auto it = before.cbegin(); it != before.cend(); ++it)
            QCOMPARE(Checksum(m_in + it.key()), it.value());
    }

    void statusTexts()
    {
        QCOMPARE(StatusText(JobOutcome::Completed), QStringLiteral("Convertion Completed!"));
        QCOMPARE(StatusText(JobOutcome::Cancelled), QStringLiteral("User Canceled!"));
        QCOMPARE(StatusText(JobOutcome::Failed), QStringLiteral("Convertion Failed!"));
        QCOMPARE(StatusText(JobOutcome::ConverterNotFound), QStringLiteral("Converter Not Found!"));
        QCOMPARE(StatusText(JobOutcome::OutputEqualsInput), QStringLiteral("Output Equals Input!"));
    }
};

QTEST_GUILESS_MAIN(TestConversionWorker)
#include "tst_conversion_worker.moc"
