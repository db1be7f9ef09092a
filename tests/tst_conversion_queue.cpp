#include "engine/convert/command_line.h"
#include "engine/convert/converter.h"
#include "engine/settings/settings.h"
#include "support/media_factory.h"
#include "support/queue_fixture.h"
#include "support/scripted_dialogs.h"
#include "support/store_watch.h"
#include "ui/controls/listview/drag_drop_list_ctrl.h"
#include "ui/convert/conversion_queue.h"
#include "ui/media/media_list.h"

#include "support/files.h"

#include <QtTest>

#include <csignal>

namespace {

using testfiles::Checksum;

// Watches the batch: the order in which rows finish, and the rows whose progress moved.
struct Watcher
{
    QList<int> finished;
    QList<int> progressRows;
    void Attach(BatchQueue &batch, MediaStore &store)
    {
        QObject::connect(&batch, &BatchQueue::ItemFinished, &batch,
                         [this, &store](ItemId id, ItemState) { finished << store.RowOf(id); });
        OnProgress(store, &store, [this](int row, int p) {
            if (p > 0)
                progressRows << row;
        });
    }
};

} // namespace

// The conversion queue with the real converter, a real list and scripted dialogs.
class TestConversionQueue : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_in;

    struct Fixture : QueueFixture
    {
        Watcher watcher;
        explicit Fixture(const QString &out, int presetId = 13)
            : QueueFixture(out, presetId)
        {
            watcher.Attach(queue.batch(), media.store());
        }
    };

    QString Out(const QString &name) { return m_dir.filePath(name) + QLatin1Char('/'); }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_in = m_dir.filePath(QStringLiteral("in")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(m_in));
        testmedia::Clip clip;
        clip.size = QStringLiteral("160x120");
        clip.codecArguments = QStringList {"-c:v", "mpeg4", "-c:a", "mp2"};
        for (int i = 0; i < 5; ++i)
            QVERIFY(testmedia::Make(m_in + QStringLiteral("c%1.mkv").arg(i), clip));
        // A clip that takes long enough to convert to be skipped or stopped midway.
        testmedia::Clip slow = clip;
        slow.seconds = 60;
        slow.size = QStringLiteral("1280x720");
        QVERIFY(testmedia::Make(m_in + QStringLiteral("slow.mkv"), slow));
    }

    void convertAllPassesOverUntickedRows()
    {
        Fixture f(Out(QStringLiteral("all")));
        for (int i = 0; i < 5; ++i)
            f.media.store().Append(ProbeItem(m_in, QStringLiteral("c%1.mkv").arg(i)));
        f.media.SetChecked(1, false);
        f.media.SetChecked(3, false);
        f.queue.ConvertAll();
        QVERIFY(f.queue.IsConverting());
        QVERIFY(!f.ui.controls);
        QVERIFY(f.ui.On("stopAll") && f.ui.On("stopCurrent"));
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 120000);
        QCOMPARE(f.watcher.finished, (QList<int> {0, 2, 4}));
        const QString done = StateText(ItemState::Completed);
        const QString waiting = StateText(ItemState::Waiting);
        QCOMPARE(f.Statuses(), (QStringList {done, waiting, done, waiting, done}));
        for (int i = 0; i < 5; ++i)
            QCOMPARE(
                QFileInfo::exists(Out(QStringLiteral("all")) + QStringLiteral("c%1.wmv").arg(i)),
                i % 2 == 0);
        QVERIFY(f.ui.controls);
        QVERIFY(!f.ui.On("stopAll") && !f.ui.On("stopCurrent"));
        QVERIFY(!f.HasBar(0) && !f.HasBar(4));

        // A second run converts every ticked row again.
        f.watcher.finished.clear();
        f.queue.ConvertAll();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 120000);
        QCOMPARE(f.watcher.finished, (QList<int> {0, 2, 4}));
    }

    void fileDates_data()
    {
        QTest::addColumn<bool>("keep");
        QTest::newRow("Keep Original File Dates") << true;
        QTest::newRow("dated now") << false;
    }

    // The window's choice reaches each conversion: the output takes the input's date, or now.
    void fileDates()
    {
        QFETCH(bool, keep);
        const QString out = Out(QStringLiteral("dates-%1").arg(keep));
        Fixture f(out);
        f.settings.keepDates = keep;
        QFile input(m_in + QStringLiteral("c0.mkv"));
        const QDateTime old(QDate(2016, 7, 4), QTime(12, 0));
        QVERIFY(input.open(QIODevice::ReadWrite)
                && input.setFileTime(old, QFileDevice::FileModificationTime));
        f.media.store().Append(ProbeItem(m_in, QStringLiteral("c0.mkv")));
        f.ConvertAllAndWait();
        QCOMPARE(QFileInfo(out + QStringLiteral("c0.wmv")).lastModified() == old, keep);
    }

    void convertSelectedInListOrder()
    {
        Fixture f(Out(QStringLiteral("selected")));
        for (int i = 0; i < 5; ++i)
            f.media.store().Append(ProbeItem(m_in, QStringLiteral("c%1.mkv").arg(i)));
        f.media.SetChecked(2, false);
        f.Select({4, 2, 1});
        f.queue.ConvertSelected();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 120000);
        QCOMPARE(f.watcher.finished, (QList<int> {1, 4}));
        QCOMPARE(f.media.Status(0), StateText(ItemState::Waiting));
        QCOMPARE(f.media.Status(2), StateText(ItemState::Waiting));
    }

    void nothingTicked_data()
    {
        QTest::addColumn<bool>("selectedOnly");
        QTest::addColumn<int>("rows");
        QTest::newRow("all rows, none ticked") << false << 2;
        QTest::newRow("empty list") << false << 0;
        QTest::newRow("selected rows, none ticked") << true << 2;
        QTest::newRow("no row selected") << true << 2;
    }

    void nothingTicked()
    {
        QFETCH(bool, selectedOnly);
        QFETCH(int, rows);
        Fixture f(Out(QStringLiteral("none")));
        ScriptedDialogs dialogs;
        for (int i = 0; i < rows; ++i)
            f.media.store().Append(ProbeItem(m_in, QStringLiteral("c%1.mkv").arg(i)));
        if (QByteArray(QTest::currentDataTag()) != "no row selected") {
            for (int i = 0; i < rows; ++i)
                f.media.SetChecked(i, false);
            f.Select({0});
        }
        selectedOnly ? f.queue.ConvertSelected() : f.queue.ConvertAll();
        QVERIFY(!f.queue.IsConverting());
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("No File Selected!"));
        QCOMPARE(dialogs.messages[0].icon, MessageIcon::Critical);
        QVERIFY(f.ui.controls);
    }

    void skipAndStop_data()
    {
        QTest::addColumn<bool>("stopAll");
        QTest::newRow("skip the current file") << false;
        QTest::newRow("stop all") << true;
    }

    void skipAndStop()
    {
        QFETCH(bool, stopAll);
        Fixture f(Out(stopAll ? QStringLiteral("stop") : QStringLiteral("skip")), 8);
        for (const char *name : {"c0.mkv", "c1.mkv", "slow.mkv", "c3.mkv", "c4.mkv"})
            f.media.store().Append(ProbeItem(m_in, QString::fromLatin1(name)));
        f.queue.ConvertAll();
        // Wait until row 2 converts and its bar has moved.
        QTRY_VERIFY_WITH_TIMEOUT(f.watcher.progressRows.contains(2), 120000);
        QVERIFY(f.HasBar(2));
        const pid_t converter = pid_t(f.queue.batch().ConverterPids().value(0));
        stopAll ? f.queue.StopAll() : f.queue.SkipCurrent();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 120000);
        QCOMPARE(::kill(converter, 0), -1);

        const QString done = StateText(ItemState::Completed);
        const QString waiting = StateText(ItemState::Waiting);
        const QString canceled = StateText(ItemState::Canceled);
        const QStringList expected = stopAll ? QStringList {done, done, canceled, waiting, waiting}
                                             : QStringList {done, done, canceled, done, done};
        QCOMPARE(f.Statuses(), expected);
        QVERIFY(f.ui.controls);
        QVERIFY(!f.ui.On("stopAll"));
        QVERIFY(!f.HasBar(2));
    }

    void commandStates()
    {
        Fixture f(Out(QStringLiteral("states")));
        // The first tick with an empty list grays everything that needs rows.
        for (const char *name : {"removeSelected", "removeAll", "checkAll", "convertAll",
                                 "convertSelected", "stopAll", "stopCurrent"})
            QVERIFY2(!f.ui.On(name), name);

        f.media.store().Append(ProbeItem(m_in, QStringLiteral("slow.mkv")));
        for (const char *name : {"removeSelected", "removeAll", "checkAll", "convertAll"})
            QVERIFY2(f.ui.On(name), name);
        QVERIFY(!f.ui.On("convertSelected"));

        f.Select({0});
        QVERIFY(f.ui.On("convertSelected"));

        // While converting nothing starts twice; rows may still go (the running one stays).
        f.queue.ConvertAll();
        QVERIFY(f.ui.On("removeSelected") && f.ui.On("removeAll") && f.ui.On("pause"));
        QVERIFY(!f.ui.On("convertAll") && f.ui.On("checkAll") && f.ui.On("stopAll"));
        f.queue.StopAll();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 60000);
        QVERIFY(f.ui.On("removeSelected") && f.ui.On("removeAll"));
    }

    void roadOfThreeFiles()
    {
        const QString out = Out(QStringLiteral("road"));
        Fixture f(out);
        for (int i = 0; i < 3; ++i)
            f.media.store().Append(ProbeItem(m_in, QStringLiteral("c%1.mkv").arg(i)));
        QMap<QString, QByteArray> inputs;
        for (int i = 0; i < 3; ++i)
            inputs[QStringLiteral("c%1.mkv").arg(i)]
                = Checksum(m_in + QStringLiteral("c%1.mkv").arg(i));

        for (int presetId : {13, 0}) {
            f.preset.id = presetId;
            f.watcher.progressRows.clear();
            f.queue.ConvertAll();
            QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 120000);
            QCOMPARE(f.Statuses(), QStringList(3, StateText(ItemState::Completed)));
            QCOMPARE(QSet<int>(f.watcher.progressRows.cbegin(), f.watcher.progressRows.cend()),
                     (QSet<int> {0, 1, 2}));
            for (int i = 0; i < 3; ++i) {
                const QString output = out + QStringLiteral("c%1").arg(i)
                    + (presetId == 13 ? QStringLiteral(".wmv") : QStringLiteral(".mp4"));
                const QStringList streams = presetId == 13
                    ? QStringList {"wmv2:video", "wmav2:audio"}
                    : QStringList {"mpeg4:video", "aac:audio"};
                QCOMPARE(testmedia::Streams(output), streams);
            }
        }
        for (auto it = inputs.cbegin(); it != inputs.cend(); ++it)
            QCOMPARE(Checksum(m_in + it.key()), it.value());
    }

    void badInputsEndWithAStatus()
    {
        const QString bad = m_dir.filePath(QStringLiteral("bad")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(bad));
        // Probes as a video, then turns out to be cut short.
        QFile::copy(m_in + QStringLiteral("c0.mkv"), bad + QStringLiteral("cut.mkv"));
        QFile::copy(m_in + QStringLiteral("c1.mkv"), bad + QStringLiteral("deleted.mkv"));
        {
            QFile cut(bad + QStringLiteral("cut.mkv"));
            QVERIFY(cut.open(QIODevice::ReadWrite));
            QVERIFY(cut.resize(2000));
        }
        QFile text(bad + QStringLiteral("text.mp4"));
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("not media\n");
        text.close();
        QFile::copy(m_in + QStringLiteral("c2.mkv"), bad + QStringLiteral("good.mkv"));
        // The converted good.mkv would overwrite this listed file.
        QFile::copy(m_in + QStringLiteral("c3.mkv"), bad + QStringLiteral("good.wmv"));
        const QByteArray listedOutput = Checksum(bad + QStringLiteral("good.wmv"));

        Fixture f(bad);
        for (const char *name : {"cut.mkv", "deleted.mkv", "text.mp4", "good.mkv", "good.wmv"})
            f.media.store().Append(ProbeItem(bad, QString::fromLatin1(name)));
        QVERIFY(QFile::remove(bad + QStringLiteral("deleted.mkv")));
        f.queue.ConvertAll();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 120000);
        QCOMPARE(f.media.Status(1), StateText(ItemState::Failed));
        QVERIFY2(f.StatusTip(1).contains(QStringLiteral("No such file")),
                 qPrintable(f.StatusTip(1)));
        QCOMPARE(f.media.Status(2), StateText(ItemState::UnknownFormat));
        QCOMPARE(f.media.Status(3), StateText(ItemState::OutputEqualsInput));
        QCOMPARE(Checksum(bad + QStringLiteral("good.wmv")), listedOutput);
        int known = 0;
        for (int row = 0; row < 5; ++row)
            known += f.media.Status(row) == StateText(ItemState::UnknownFormat) ? 0 : 1;
        QCOMPARE(f.watcher.finished.size(), known); // every row but the unknown ones ended

        // A converter that cannot be found: every row says so and the queue still ends.
        SetConverterForTesting({QStringLiteral("/nonexistent/ffmpeg")});
        f.queue.ConvertAll();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 60000);
        SetConverterForTesting({});
        QCOMPARE(f.media.Status(0), StateText(ItemState::ConverterNotFound));
        QCOMPARE(f.media.Status(3), StateText(ItemState::OutputEqualsInput));

        // A saving folder that cannot be made.
        f.settings.currentFolder = bad + QStringLiteral("text.mp4/sub/");
        f.media.SetChecked(0, false);
        f.queue.ConvertAll();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 60000);
        QCOMPARE(f.media.Status(4), StateText(ItemState::Failed));
        QVERIFY(!f.StatusTip(4).isEmpty());

        // A batch whose only file ends as it starts gives the window its controls back.
        f.settings.currentFolder = bad;
        for (int row = 0; row < 5; ++row)
            f.media.SetChecked(row, row == 3);
        f.queue.ConvertAll();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 10000);
        QCOMPARE(f.media.Status(3), StateText(ItemState::OutputEqualsInput));
        QVERIFY(f.ui.controls && f.ui.On("convertAll"));
    }

    void filesWithoutALengthConvert()
    {
        const QString in = Out(QStringLiteral("unknown-in"));
        QVERIFY(QDir().mkpath(in));
        QString log;
        QVERIFY2(testmedia::MakeUnknownLength(in + QStringLiteral("song.flac"), &log),
                 qPrintable(log));
        QVERIFY2(testmedia::MakeUnknownLength(in + QStringLiteral("clip.wmv"), &log),
                 qPrintable(log));
        // Long enough for the converter's read position to be sampled a few times.
        QVERIFY2(testmedia::MakeUnknownLength(in + QStringLiteral("long.mkv"), &log, 240),
                 qPrintable(log));
        QVERIFY2(testmedia::MakeHeaderOnly(in + QStringLiteral("empty.wmv"), &log),
                 qPrintable(log));
        QVERIFY(testfiles::WriteBytes(in + QStringLiteral("text.mp4"), "not media\n"));

        Fixture f(Out(QStringLiteral("unknown-out")));
        const QStringList names {"song.flac", "clip.wmv", "long.mkv", "empty.wmv", "text.mp4"};
        for (const QString &name : names)
            f.media.store().Append(ProbeItem(in, name));
        for (int row = 0; row < 4; ++row) {
            QCOMPARE(f.media.Status(row), StateText(ItemState::Waiting));
            QCOMPARE(f.media.Text(row, MediaColumn::Duration), QStringLiteral("Unknown"));
        }
        QCOMPARE(f.media.Status(4), StateText(ItemState::UnknownFormat));

        QList<int> longProgress;
        OnProgress(f.media.store(), this, [&](int row, int p) {
            if (row == 2 && p != MediaItem::kNoProgress)
                longProgress << p;
        });
        f.queue.ConvertAll();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 120000);
        const QString done = StateText(ItemState::Completed);
        QCOMPARE(f.Statuses(),
                 (QStringList {done, done, done, StateText(ItemState::Failed),
                               StateText(ItemState::UnknownFormat)}));
        QVERIFY(!f.StatusTip(3).isEmpty());
        QCOMPARE(f.watcher.finished, (QList<int> {0, 1, 2, 3}));
        const QString out = Out(QStringLiteral("unknown-out"));
        QVERIFY(qAbs(testmedia::Duration(out + QStringLiteral("song.wmv")) - 2.0) < 0.5);
        QVERIFY(qAbs(testmedia::Duration(out + QStringLiteral("clip.wmv")) - 2.0) < 0.5);
        QVERIFY(qAbs(testmedia::Duration(out + QStringLiteral("long.wmv")) - 240.0) < 1.0);

        // The bar of the long file rose with the converter's reading, never past 100.
        QList<int> numbers;
        for (int p : longProgress) {
            if (p >= 0)
                numbers << p;
        }
        QVERIFY2(!numbers.isEmpty(), "no read position was measured");
        for (int i = 1; i < numbers.size(); ++i)
            QVERIFY(numbers[i] > numbers[i - 1]);
        QVERIFY(numbers.last() <= 100);
    }

    void shutdownDuringConversion()
    {
        pid_t converter = 0;
        {
            Fixture f(Out(QStringLiteral("shutdown")), 8);
            f.media.store().Append(ProbeItem(m_in, QStringLiteral("slow.mkv")));
            f.queue.ConvertAll();
            QTRY_VERIFY_WITH_TIMEOUT(f.queue.batch().ConverterPids().value(0) > 0, 30000);
            converter = pid_t(f.queue.batch().ConverterPids().value(0));
            f.queue.Shutdown();
            QVERIFY(!f.queue.IsConverting());
        }
        QCOMPARE(::kill(converter, 0), -1);
    }

    // The tests below watch only what the user sees (statuses, tooltips, bars, files and message
    // boxes), never how the queue runs the converter.

    void skipBeforeTheConverterStarts_data()
    {
        QTest::addColumn<QStringList>("files"); // both converting
        QTest::addColumn<QList<int>>("selected");
        QTest::newRow("none selected: the first started")
            << QStringList {"slow.mkv", "c0.mkv"} << QList<int> {};
        QTest::newRow("the selected one") << QStringList {"c0.mkv", "slow.mkv"} << QList<int> {1};
    }
    void skipBeforeTheConverterStarts()
    {
        QFETCH(QStringList, files);
        QFETCH(QList<int>, selected);
        const QString out = Out(QString::fromLatin1(QTest::currentDataTag()).left(4));
        Fixture f(out, 8);
        f.queue.SetSlots(2);
        for (const QString &name : files)
            f.media.store().Append(ProbeItem(m_in, name));
        f.Select(selected);
        f.queue.ConvertAll();
        f.queue.SkipCurrent(); // in the same turn: the converter may not exist yet
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 120000);
        const int slow = int(files.indexOf("slow.mkv"));
        QCOMPARE(f.media.Status(slow), StateText(ItemState::Canceled));
        QCOMPARE(f.media.Status(1 - slow), StateText(ItemState::Completed));
        // The skipped file was not converted to its end.
        QVERIFY(testmedia::Duration(out + QStringLiteral("slow.mp4")) < 30);
        QVERIFY(QFileInfo::exists(out + QStringLiteral("c0.mp4")));
    }

    void secondStartIsRefusedWhileConverting_data()
    {
        QTest::addColumn<bool>("selected");
        QTest::newRow("Convert All again") << false;
        QTest::newRow("Convert Selected") << true;
    }

    void secondStartIsRefusedWhileConverting()
    {
        QFETCH(bool, selected);
        Fixture f(Out(QStringLiteral("second start")), 8);
        ScriptedDialogs dialogs;
        f.media.store().Append(ProbeItem(m_in, QStringLiteral("c0.mkv")));
        f.media.store().Append(ProbeItem(m_in, QStringLiteral("slow.mkv")));
        f.queue.ConvertAll();
        // Row 0 is done and row 1 converts.
        QTRY_VERIFY_WITH_TIMEOUT(f.HasBar(1) && f.Bar(1) > 0, 120000);
        QCOMPARE(f.media.Status(0), StateText(ItemState::Completed));
        f.Select({0});
        selected ? f.queue.ConvertSelected() : f.queue.ConvertAll();
        // Nothing starts over: row 0 is not taken up again, row 1 goes on.
        QVERIFY(f.queue.IsConverting());
        QVERIFY(!f.HasBar(0));
        QVERIFY(f.HasBar(1));
        QVERIFY(dialogs.messages.isEmpty());
        f.queue.StopAll();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 120000);
        QCOMPARE(f.Statuses(),
                 (QStringList {StateText(ItemState::Completed), StateText(ItemState::Canceled)}));
        QVERIFY(!f.HasBar(0) && !f.HasBar(1));
    }

    void convertSelectedWithOnlyTheFirstRow()
    {
        const QString out = Out(QStringLiteral("first selected"));
        Fixture f(out);
        ScriptedDialogs dialogs;
        for (int i = 0; i < 3; ++i)
            f.media.store().Append(ProbeItem(m_in, QStringLiteral("c%1.mkv").arg(i)));
        f.Select({0});
        f.queue.ConvertSelected();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 120000);
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(f.Statuses(),
                 (QStringList {StateText(ItemState::Completed), StateText(ItemState::Waiting),
                               StateText(ItemState::Waiting)}));
        QCOMPARE(testmedia::Streams(out + QStringLiteral("c0.wmv")),
                 (QStringList {"wmv2:video", "wmav2:audio"}));
        QVERIFY(!QFileInfo::exists(out + QStringLiteral("c1.wmv")));
    }

    void stopAllEndsConvertSelected()
    {
        const QString out = Out(QStringLiteral("stop selected"));
        Fixture f(out, 8);
        for (const char *name : {"c0.mkv", "slow.mkv", "c2.mkv", "c3.mkv"})
            f.media.store().Append(ProbeItem(m_in, QString::fromLatin1(name)));
        f.Select({1, 2, 3});
        f.queue.ConvertSelected();
        QTRY_VERIFY_WITH_TIMEOUT(f.HasBar(1) && f.Bar(1) > 0, 120000);
        f.queue.StopAll();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 120000);
        const QString waiting = StateText(ItemState::Waiting);
        QCOMPARE(f.Statuses(),
                 (QStringList {waiting, StateText(ItemState::Canceled), waiting, waiting}));
        for (const char *name : {"c0.mp4", "c2.mp4", "c3.mp4"})
            QVERIFY2(!QFileInfo::exists(out + QLatin1String(name)), name);
        QVERIFY(f.ui.controls);
    }

    void unfinishedLastLineReachesTheTooltip()
    {
        // A converter whose last words end without a line break, as when it is cut off.
        const QString converter = m_dir.filePath(QStringLiteral("unfinished-converter"));
        QVERIFY(testfiles::WriteBytes(converter,
                                      "#!/bin/sh\nprintf 'Input #0, matroska\\n'\n"
                                      "printf 'Error while opening encoder: the last words'\n"
                                      "exit 1\n"));
        QVERIFY(QFile::setPermissions(converter, QFile::ReadOwner | QFile::ExeOwner));
        Fixture f(Out(QStringLiteral("unfinished")));
        f.media.store().Append(ProbeItem(m_in, QStringLiteral("c0.mkv")));
        SetConverterForTesting({converter});
        f.queue.ConvertAll();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 60000);
        SetConverterForTesting({});
        QCOMPARE(f.media.Status(0), StateText(ItemState::Failed));
        QVERIFY2(
            f.StatusTip(0).contains(QStringLiteral("Error while opening encoder: the last words")),
            qPrintable(f.StatusTip(0)));
    }

    void twoBarsStayOnTheirRowsWhileAWaitingRowGoes()
    {
        // A clip that converts for a few seconds, beside one that converts for much longer, and
        // a waiting row above both that the user removes while they convert.
        testmedia::Clip mid;
        mid.seconds = 8;
        mid.size = QStringLiteral("1280x720");
        mid.codecArguments = QStringList {"-c:v", "mpeg4", "-c:a", "mp2"};
        QVERIFY(testmedia::Make(m_in + QStringLiteral("mid.mkv"), mid));
        Fixture f(Out(QStringLiteral("bars")), 8);
        f.queue.SetSlots(2);
        for (const char *name : {"c0.mkv", "mid.mkv", "slow.mkv"})
            f.media.store().Append(ProbeItem(m_in, QString::fromLatin1(name)));
        // At the moment each file ends: whether its bar is gone, and the other's still there.
        QMap<QString, QPair<bool, bool>> atEnd;
        connect(&f.queue.batch(), &BatchQueue::ItemFinished, this, [&](ItemId id, ItemState) {
            const int row = f.media.store().RowOf(id);
            atEnd[f.media.FileName(row)] = qMakePair(!f.HasBar(row), f.HasBar(1 - row));
        });
        // What the list paints over the Status cell of `row`: the bar's green, or not.
        auto paintsBar = [&f](int row) {
            const QRect cell = f.list.visualRect(f.media.store().index(row, MediaColumn::Status));
            const QImage shown = f.list.viewport()->grab(cell).toImage();
            return shown.pixelColor(2, shown.height() / 2) == QColor(0, 255, 0);
        };

        f.Select({1, 2});
        f.queue.ConvertSelected();
        QTRY_VERIFY_WITH_TIMEOUT(f.Bar(1) > 2 && f.Bar(2) > 2, 60000);
        QVERIFY(!f.HasBar(0) && !paintsBar(0) && paintsBar(1) && paintsBar(2));
        // The waiting row goes; the two running files keep their bars, now one row higher.
        f.Select({0});
        f.media.RemoveSelected();
        QCOMPARE(f.media.rowCount(), 2);
        QCOMPARE(f.media.FileName(0), QStringLiteral("mid.mkv"));
        QVERIFY(f.HasBar(0) && f.HasBar(1) && paintsBar(0) && paintsBar(1));
        // Both move on while both run: each bar follows its own converter.
        const int first = f.Bar(0);
        const int second = f.Bar(1);
        QTRY_VERIFY_WITH_TIMEOUT(f.Bar(0) > first && f.Bar(1) > second, 60000);

        QTRY_VERIFY_WITH_TIMEOUT(atEnd.contains(QStringLiteral("mid.mkv")), 60000);
        QCOMPARE(atEnd[QStringLiteral("mid.mkv")], qMakePair(true, true));
        QCOMPARE(f.media.Status(0), StateText(ItemState::Completed));
        QVERIFY(!paintsBar(0) && paintsBar(1));
        f.queue.SkipCurrent();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 60000);
        QCOMPARE(atEnd[QStringLiteral("slow.mkv")], qMakePair(true, false));
        QCOMPARE(f.Statuses(),
                 (QStringList {StateText(ItemState::Completed), StateText(ItemState::Canceled)}));
        QVERIFY(!f.HasBar(0) && !f.HasBar(1));
    }

    void steeringABatchWhileItRuns()
    {
        // One file at a time: the slow one converts while the user reorders, removes, cancels.
        QVERIFY(QFile::copy(m_in + QStringLiteral("c4.mkv"), m_in + QStringLiteral("lost.mkv")));
        Fixture f(Out(QStringLiteral("steer")));
        for (const char *name : {"slow.mkv", "c0.mkv", "c1.mkv", "c2.mkv", "lost.mkv"})
            f.media.store().Append(ProbeItem(m_in, QString::fromLatin1(name)));
        QVERIFY(QFile::remove(m_in + QStringLiteral("lost.mkv")));
        QStringList finished;
        connect(&f.queue.batch(), &BatchQueue::ItemFinished, this,
                [&](ItemId id, ItemState) { finished << f.media.store().Find(id)->name; });
        const auto names = [&f] {
            QStringList names;
            for (int row = 0; row < f.media.rowCount(); ++row)
                names << f.media.FileName(row);
            return names;
        };
        f.queue.ConvertAll();
        QTRY_VERIFY_WITH_TIMEOUT(f.Bar(0) > 0, 60000);
        // Its bar tells its time left, and "Paused" while the batch is.
        QTRY_VERIFY_WITH_TIMEOUT(f.media.store().at(0).note.endsWith(QLatin1String(" left")),
                                 30000);
        QCOMPARE(ConversionQueue::TimeLeftText(3900), QStringLiteral("1:05:00 left"));
        f.queue.TogglePause();
        QVERIFY(f.ui.On("pause") && f.media.store().at(0).note == QLatin1String("Paused"));
        QCOMPARE(f.ui.commands.Find("pause")->text(), QStringLiteral("Resume Convertion"));
        f.queue.TogglePause();

        // The converting row stays put: it cannot be removed, unticked or moved.
        f.Select({0});
        f.media.RemoveSelected();
        QVERIFY(!f.media.store().setData(f.media.store().index(0, 0), Qt::Unchecked,
                                         Qt::CheckStateRole));
        QVERIFY(f.media.IsChecked(0) && !f.queue.Context().canMoveDown);
        // Waiting rows move and go; the queue takes them as the list stands. A row removed and
        // brought back converts in its turn.
        f.Select({4});
        QVERIFY(!f.ui.On("moveDown"));
        f.Select({3});
        f.queue.MoveSelected(-1);
        f.queue.MoveSelected(-1);
        QVERIFY(f.list.SelectedRows() == QList<int> {1} && f.media.store().IsConsistent());
        f.queue.MoveSelected(+1);
        f.Select({3});
        f.queue.DeleteSelected();
        f.Select({3});
        f.queue.DeleteSelected();
        f.media.UndoRemove();
        QCOMPARE(names(), (QStringList {"slow.mkv", "c0.mkv", "c2.mkv", "lost.mkv"}));
        // Delete on the converting row and a waiting one cancels the converting one alone.
        f.Select({0, 2});
        f.queue.DeleteSelected();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 120000);
        QCOMPARE(finished, (QStringList {"slow.mkv", "c0.mkv", "c2.mkv", "lost.mkv"}));
        const QString done = StateText(ItemState::Completed);
        QCOMPARE(f.Statuses(),
                 (QStringList {StateText(ItemState::Canceled), done, done,
                               StateText(ItemState::Failed)}));

        // What failed or was canceled in the last batch is selected with one command, in place of
        // the selection, and retried alone.
        f.Select({1});
        QVERIFY(f.ui.On("selectFailed") && f.ui.On("retryFailed"));
        f.queue.SelectFailed();
        QCOMPARE(f.list.SelectedRows(), (QList<int> {0, 3}));
        f.queue.RetryFailed();
        QVERIFY(f.queue.IsConverting() && !f.ui.On("retryFailed"));
        for (int row = 0; row < 4; ++row)
            QCOMPARE(f.queue.batch().IsQueued(f.media.store().at(row).id), row == 0 || row == 3);
        QVERIFY(QFile::copy(m_in + QStringLiteral("c4.mkv"), m_in + QStringLiteral("lost.mkv")));
        f.queue.DeleteSelected();
        QTRY_VERIFY_WITH_TIMEOUT(!f.queue.IsConverting(), 120000);
        f.queue.SelectFailed();
        QCOMPARE(f.list.SelectedRows(), QList<int> {0}); // the lost file has converted since
    }
};

QTEST_MAIN(TestConversionQueue)
#include "tst_conversion_queue.moc"
