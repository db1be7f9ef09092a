#include "engine/media/conversion_list.h"
#include "engine/settings/session_file.h"
#include "ui/app/session_keeper.h"

#include "support/files.h"
#include "support/kill_during.h"
#include "support/scripted_dialogs.h"
#include "support/store_watch.h"

#include <QtEndian>
#include <QtTest>

#include <sys/stat.h>

namespace {

// An item of `path` as the store holds it once added, with every kept field set.
MediaItem Item(const QString &path, ItemState state, int seed = 0)
{
    MediaItem item;
    item.folder = QFileInfo(path).path() + QLatin1Char('/');
    item.name = QFileInfo(path).fileName();
    item.checked = seed % 3 != 0;
    item.state = state;
    item.reason = QStringLiteral("why %1").arg(seed);
    item.output = QStringLiteral("/out/%1.mp4").arg(seed);
    item.subFolder = QStringLiteral("Album %1/").arg(seed % 3);
    struct stat st = {};
    ::stat(QFile::encodeName(path).constData(), &st);
    item.device = st.st_dev;
    item.inode = st.st_ino;
    item.info.frameRate = 25.5f;
    item.info.outcome = ProbeOutcome::AudioOnly;
    return item;
}

} // namespace

// The session file: what it keeps, what it gives back, and who may touch it.
class TestSession : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString Folder() const { return m_dir.filePath(QStringLiteral("state/kelvora/")); }
    QString File(const QString &name) const { return m_dir.filePath(name); }

    // Leaves `content` as a program that died would: written, owner gone.
    void Leave(const SessionContent &content)
    {
        SessionFile dead(Folder());
        QVERIFY(dead.Claim());
        dead.SetSource([content] { return content; });
        QVERIFY(dead.WriteNow());
    }

private Q_SLOTS:
    void initTestCase() { QVERIFY(testfiles::WriteBytes(File(QStringLiteral("a.txt")), "a")); }

    void tenThousandRowsComeBack()
    {
        QDir().mkpath(File(QStringLiteral("many")));
        SessionContent content;
        for (int i = 0; i < 10000; ++i) {
            const QString path = File(QStringLiteral("many/%1.mp4").arg(i));
            QVERIFY(QFile::link(File(QStringLiteral("a.txt")), path));
            content.items.push_back(Item(path, ItemState(i % 8), i));
        }
        content.items[5].name = QStringLiteral("über\nnew line.mp4");
        content.items[7].inode ^= 1; // another file has taken its name since
        content.batchRows = {9999, 3, 4};
        Leave(content);

        ScriptedDialogs dialogs;
        dialogs.NextAnswer(true);
        ConversionList list;
        const MediaStore &store = list.store();
        SessionKeeper keeper(&list, nullptr, Folder());
        QSignalSpy back(&keeper, &SessionKeeper::LeftListRestored);
        keeper.OfferLeftList();
        QVERIFY(back.wait(60000));
        QCOMPARE(dialogs.messages.size(), 2); // the question, and the one missing file
        QCOMPARE(dialogs.messages[0].text,
                 QStringLiteral("Kelvora did not close properly. Restore the 10000 files of the "
                                "last list? 3 of them were still to be converted; files cut short "
                                "start over."));
        QVERIFY(dialogs.messages[1].text.endsWith(QStringLiteral("\n") + content.items[5].path()));
        QCOMPARE(Rows(store, back[0][0].value<QList<ItemId>>()), QList<int>({9998, 3, 4}));
        QVERIFY(store.IsConsistent());
        SessionContent restored;
        for (int i = 0; i < store.count(); ++i)
            restored.items.push_back(store.at(i));
        content.items[7] = ProbeItem(File(QStringLiteral("many/")), QStringLiteral("7.mp4"));
        content.items[7].subFolder = QStringLiteral("Album 1/"); // its tree stays
        content.items.erase(content.items.begin() + 5);
        content.batchRows.clear();
        QCOMPARE(SessionFile::Encode(restored), SessionFile::Encode(content));
    }

    void damagedFileIsNotOffered_data()
    {
        QTest::addColumn<int>("cut"); // bytes cut off the end
        QTest::addColumn<int>("at"); // a byte changed (-1: none)
        QTest::newRow("whole") << 0 << -1;
        QTest::newRow("magic") << 0 << 0;
        QTest::newRow("count") << 0 << 8;
        QTest::newRow("last byte") << 1 << -1;
        QTest::newRow("trailing") << -1 << -1;
        QTest::newRow("batch row") << 0 << -2;
        QTest::newRow("a header claiming 2^31 items") << 0 << -3;
        QTest::newRow("2^31 batch rows claimed") << 0 << -4;
        QTest::newRow("an item's tree leading out") << 0 << -5;
    }
    void damagedFileIsNotOffered()
    {
        QFETCH(int, cut);
        QFETCH(int, at);
        MediaItem item = Item(File(QStringLiteral("a.txt")), ItemState::Completed);
        item.subFolder = at == -5 ? QStringLiteral("a/../../x/") : item.subFolder;
        QByteArray data = SessionFile::Encode({{item, item}, {1}});
        data = cut < 0 ? data + "x" : data.chopped(qMin(cut, int(data.size())));
        if (at >= 0)
            data[at] = char(data[at] ^ 0x40);
        if (at == -2)
            data[data.size() - 1] = 2;
        if (at <= -3) // the count of items, or of the batch's rows
            qToBigEndian(quint32(1) << 31, data.data() + (at == -3 ? 8 : data.size() - 8));
        // Left by a program that died, it is offered, or moved aside and not read again.
        const bool whole = cut == 0 && at == -1;
        QDir(Folder()).removeRecursively();
        QVERIFY(QDir().mkpath(Folder()) && testfiles::WriteBytes(Folder() + "session", data));
        SessionFile file(Folder());
        SessionContent read;
        QVERIFY(file.Claim());
        QCOMPARE(file.ReadLeft(&read), whole);
        QCOMPARE(testfiles::ReadBytes(Folder() + (whole ? "session" : "session.bad")), data);
        QCOMPARE(QFileInfo::exists(Folder() + "session"), whole);
    }

    // A list past 5000 rows is written when its rows or statuses change, not for a column's look;
    // a shorter one for that too. Never for a bar's move.
    void changesThatAreWritten_data()
    {
        QTest::addColumn<int>("rows");
        QTest::addColumn<int>("change"); // 0 progress, 1 status, 2 the format column
        for (const int rows : {10, 5001})
            for (const int change : {0, 1, 2})
                QTest::addRow("%d rows, change %d", rows, change) << rows << change;
    }
    void changesThatAreWritten()
    {
        QFETCH(int, rows);
        QFETCH(int, change);
        QDir(Folder()).removeRecursively(); // nothing left to offer
        ConversionList list;
        MediaStore &store = list.store();
        for (int i = 0; i < rows; ++i)
            store.Append(Item(File(QStringLiteral("%1.mp4").arg(i)), ItemState::Waiting));
        SessionKeeper keeper(&list, nullptr, Folder());
        keeper.OfferLeftList();
        if (change == 0)
            store.SetProgress(store.at(0).id, 40);
        else if (change == 1)
            store.SetState(store.at(0).id, ItemState::Failed, QStringLiteral("why"));
        else
            store.SetTargetFormat(QStringLiteral("WMV"));
        QCOMPARE(keeper.sessionFile().writeDue(), change == 1 || (change == 2 && rows < 5000));
        keeper.EndSession();
    }

    void answersAndOwners()
    {
        Leave({{Item(File(QStringLiteral("a.txt")), ItemState::Failed)}, {}});
        ConversionList list;
        MediaStore &store = list.store();
        {
            // While the copy that owns the session runs, a second one neither reads nor writes it.
            SessionFile owner(Folder());
            SessionFile second(Folder());
            SessionContent read;
            QVERIFY(owner.Claim() && !second.Claim());
            QVERIFY(!second.ReadLeft(&read) && !second.WriteNow() && owner.ReadLeft(&read));
        }
        store.Append(Item(File(QStringLiteral("b.txt")), ItemState::Waiting));
        // No: the left list goes; the new list is kept from then on, and a clean close ends it.
        ScriptedDialogs dialogs;
        SessionKeeper keeper(&list, nullptr, Folder());
        keeper.OfferLeftList();
        QCOMPARE(dialogs.messages.size(), 1);
        SessionContent kept;
        store.SetChecked(store.at(0).id, false);
        QTRY_VERIFY_WITH_TIMEOUT(
            SessionFile::Decode(testfiles::ReadBytes(keeper.sessionFile().path()), &kept)
                && kept.items[0].name == QStringLiteral("b.txt") && !kept.items[0].checked,
            5000);
        keeper.EndSession();
        QVERIFY(!QFileInfo::exists(keeper.sessionFile().path()));
    }

    void restoreAnswers_data()
    {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("resumed"); // rows back and to be converted at once; -1: none back
        QTest::newRow("Restore and Go On Converting") << 0 << 1;
        QTest::newRow("Restore Only") << 1 << 0;
        QTest::newRow("No") << 2 << -1;
    }
    void restoreAnswers()
    {
        QFETCH(int, choice);
        QFETCH(int, resumed);
        Leave({{Item(File(QStringLiteral("a.txt")), ItemState::Waiting)}, {0}});
        ScriptedDialogs dialogs;
        dialogs.NextChoice(choice);
        ConversionList list;
        SessionKeeper keeper(&list, nullptr, Folder());
        QSignalSpy back(&keeper, &SessionKeeper::LeftListRestored);
        keeper.OfferLeftList();
        // No drops the left list at once; a restore keeps it until its files are back.
        QCOMPARE(QFileInfo::exists(keeper.sessionFile().path()), resumed >= 0);
        QTRY_COMPARE_WITH_TIMEOUT(back.size() ? back[0][0].value<QList<ItemId>>().size() : -1,
                                  resumed, 10000);
        keeper.EndSession();
    }

    void convertingRowIsKeptAsWaiting()
    {
        ConversionList list;
        const ItemId id
            = list.store().Append(Item(File(QStringLiteral("a.txt")), ItemState::Completed, 1));
        list.batch().SetSettingsSource([this] {
            return BatchSettings {0, File(QStringLiteral("o")), 0};
        });
        SessionKeeper keeper(&list, nullptr, Folder());
        keeper.OfferLeftList();
        SessionContent kept;
        QVERIFY(list.Convert({id}) && keeper.sessionFile().WriteNow());
        QVERIFY(SessionFile::Decode(testfiles::ReadBytes(keeper.sessionFile().path()), &kept));
        QCOMPARE(kept.items[0].state, ItemState::Waiting); // converting again, after Completed
        QVERIFY(kept.items[0].reason.endsWith(QLatin1String("it starts over from the beginning")));
    }

    void killDuringWriteLeavesAWholeFile()
    {
        SessionContent contents[2];
        for (int i = 0; i < 6000; ++i)
            contents[i % 2].items.push_back(
                Item(File(QStringLiteral("a.txt")), ItemState(i % 5), i));
        SessionFile file(Folder());
        QVERIFY(file.Claim());
        int which = 0;
        file.SetSource([&] { return contents[which]; });
        testkill::KillDuringSaves(
            25,
            [&](int i) {
                which = i;
                file.WriteNow();
            },
            [&] {
                SessionContent read;
                QVERIFY(file.ReadLeft(&read));
                QCOMPARE(read.items.size(), size_t(3000));
            });
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "tst_session.moc"
