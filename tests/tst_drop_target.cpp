#include "support/files.h"
#include "support/media_factory.h"
#include "support/queue_fixture.h"
#include "support/scripted_dialogs.h"
#include "ui/app/drop_target.h"
#include "ui/controls/listview/drag_drop_list_ctrl.h"
#include "ui/media/media_list.h"

#include <QLineEdit>
#include <QMimeData>
#include <QtTest>

// Files and folders dropped from a file manager onto the media list: what the cursor promises
// and what lands in the list.
class TestDropTarget : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_media; // clip.mp4, song.mp3, fake.mp4, notes.txt, sub/inner.mp4

    struct Fixture
    {
        QWidget window;
        CDragDropListCtrl list {&window};
        QLineEdit edit {&window}; // takes drops of its own
        CurrentPreset preset;
        MediaList media {&list, preset, nullptr};
        DropTarget *target = new DropTarget(&media);
        Fixture()
        {
            media.SetupColumns();
            target->Watch(&window);
        }
        QStringList Names() const
        {
            QStringList names;
            for (int row = 0; row < media.rowCount(); ++row)
                names << media.Location(row) + media.FileName(row);
            return names;
        }
    };

    static QList<QUrl> Urls(const QStringList &items)
    {
        QList<QUrl> urls;
        for (const QString &item : items)
            urls << (item.startsWith(QLatin1Char('/')) ? QUrl::fromLocalFile(item) : QUrl(item));
        return urls;
    }

    // Drags `mime` over the list as a file manager does; true when the cursor says "copy here".
    static bool DragOver(Fixture &f, const QMimeData &mime, QWidget *on = nullptr)
    {
        QWidget *viewport = on ? on : f.list.viewport();
        const QPoint at(10, 10);
        QDragEnterEvent enter(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                              Qt::NoModifier);
        enter.setAccepted(false);
        QCoreApplication::sendEvent(viewport, &enter);
        QDragMoveEvent move(at, Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                            Qt::NoModifier);
        move.setAccepted(false);
        QCoreApplication::sendEvent(viewport, &move);
        if (enter.isAccepted() != move.isAccepted())
            qWarning("drag enter and drag move disagree");
        return enter.isAccepted() && move.isAccepted() && move.dropAction() == Qt::CopyAction;
    }

    // Drops `mime` on the list at the end of a drag; true when the drop was taken. Qt hands a
    // drop only to the widget that took the drag's entry.
    static bool Drop(Fixture &f, const QMimeData &mime, QWidget *on = nullptr)
    {
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction | Qt::MoveAction, &mime, Qt::LeftButton,
                        Qt::NoModifier);
        drop.setAccepted(false);
        QCoreApplication::sendEvent(on ? on : f.list.viewport(), &drop);
        return drop.isAccepted() && drop.dropAction() == Qt::CopyAction;
    }

private Q_SLOTS:
    void initTestCase()
    {
        m_media = m_dir.filePath(QStringLiteral("media")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(m_media + QStringLiteral("sub")));
        QVERIFY(testmedia::MakeSmallClip(m_media + QStringLiteral("clip.mp4")));
        testmedia::Clip audio;
        audio.video = false;
        audio.seconds = 1;
        QVERIFY(testmedia::Make(m_media + QStringLiteral("song.mp3"), audio));
        QVERIFY(QFile::copy(m_media + QStringLiteral("clip.mp4"),
                            m_media + QStringLiteral("sub/inner.mp4")));
        QVERIFY(testfiles::WriteBytes(m_media + QStringLiteral("fake.mp4"), "not media\n"));
        QVERIFY(testfiles::WriteBytes(m_media + QStringLiteral("notes.txt"), "notes\n"));
    }

    void drops_data()
    {
        QTest::addColumn<QStringList>("listed"); // added through Add Files before the drop
        QTest::addColumn<QStringList>("dropped"); // paths under the media folder, or URLs
        QTest::addColumn<bool>("taken");
        QTest::addColumn<QStringList>("rows"); // the list afterwards, under the media folder
        QTest::addColumn<QStringList>("messages");

        QTest::newRow("two files") << QStringList() << QStringList {"song.mp3", "clip.mp4"} << true
                                   << QStringList {"song.mp3", "clip.mp4"} << QStringList();
        // The folder's top level, the media extensions, in name order, and the count message.
        QTest::newRow("a folder") << QStringList() << QStringList {"."} << true
                                  << QStringList {"clip.mp4", "fake.mp4", "song.mp3"}
                                  << QStringList {"3 media files added!\n\n1 file with another "
                                                  "extension: notes.txt"};
        // The list and the conversion follow the drop's order.
        QTest::newRow("a file, a folder and a file")
            << QStringList() << QStringList {"song.mp3", "sub", "clip.mp4"} << true
            << QStringList {"song.mp3", "sub/inner.mp4", "clip.mp4"}
            << QStringList {"1 media files added!"};
        QTest::newRow("a duplicate")
            << QStringList {"clip.mp4"} << QStringList {"clip.mp4", "song.mp3"} << true
            << QStringList {"clip.mp4", "song.mp3"} << QStringList();
        // A path not cleaned, as some programs send it, names a listed file all the same.
        QTest::newRow("a duplicate by another way")
            << QStringList {"clip.mp4"} << QStringList {"sub/..//clip.mp4"} << true
            << QStringList {"clip.mp4"} << QStringList();
        QTest::newRow("a remote URL")
            << QStringList() << QStringList {"https://example.org/clip.mp4"} << false
            << QStringList() << QStringList();
        // What can be added is, and the rest is named in one message.
        QTest::newRow("local and remote items")
            << QStringList()
            << QStringList {"sftp://host/a.mp4", "song.mp3", "https://e.org/b.mp4", "gone.mp4"}
            << true << QStringList {"song.mp3"}
            << QStringList {"3 items were not added: a remote file (sftp://host/a.mp4), a web "
                            "address (https://e.org/b.mp4), a file that no longer exists "
                            "(%m%gone.mp4)"};
        QTest::newRow("a file that is gone")
            << QStringList() << QStringList {"gone.mp4"} << false << QStringList() << QStringList();
    }

    void drops()
    {
        QFETCH(QStringList, listed);
        QFETCH(QStringList, dropped);
        QFETCH(bool, taken);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, messages);

        ScriptedDialogs dialogs;
        Fixture f;
        QStringList before;
        for (const QString &name : listed)
            before << m_media + name;
        AddAndWait(f.media, before);

        QStringList items;
        for (const QString &item : dropped)
            items << (item.contains(QLatin1String("://")) ? item : m_media + item);
        QMimeData mime;
        mime.setUrls(Urls(items));
        QSignalSpy done(f.target, &DropTarget::Dropped);
        QCOMPARE(DragOver(f, mime), taken);
        QCOMPARE(Drop(f, mime), taken);
        if (taken)
            QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 20000);

        QStringList expected;
        for (const QString &name : rows)
            expected << m_media + name;
        QCOMPARE(f.Names(), expected);
        QStringList shown;
        for (const ScriptedDialogs::Shown &message : dialogs.messages)
            shown << message.text;
        messages.replaceInStrings(QStringLiteral("%m%"), m_media);
        QCOMPARE(shown, messages);
        if (taken)
            QCOMPARE(done.first().first().toInt(), rows.size() - listed.size());
    }

    void takenAnywhereOnTheWindow()
    {
        ScriptedDialogs dialogs;
        Fixture f;
        QMimeData mime;
        mime.setUrls(Urls({m_media + QStringLiteral("song.mp3")}));
        QSignalSpy done(f.target, &DropTarget::Dropped);
        QVERIFY(DragOver(f, mime, &f.window));
        QVERIFY(DragOver(f, mime, &f.edit));
        QVERIFY(Drop(f, mime, &f.edit));
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 1, 20000);
        QCOMPARE(f.Names(), QStringList {m_media + QStringLiteral("song.mp3")});
    }

    void textIsNotADrop()
    {
        Fixture f;
        QMimeData mime;
        mime.setText(m_media + QStringLiteral("clip.mp4"));
        QVERIFY(!DragOver(f, mime));
        QVERIFY(!Drop(f, mime));
    }

    void refusedWhileTheListIsLocked()
    {
        // A conversion locks the list.
        Fixture f;
        QMimeData mime;
        mime.setUrls(Urls({m_media + QStringLiteral("clip.mp4")}));
        f.list.setEnabled(false);
        QVERIFY(!DragOver(f, mime));
        QVERIFY(!Drop(f, mime));
        f.list.setEnabled(true);
        QVERIFY(DragOver(f, mime));
    }

    // Rows dragged within the list pass the file drop by and land above the row dropped on.
    void rowsDraggedWithinTheListMove()
    {
        Fixture f;
        const QStringList names {m_media + "clip.mp4", m_media + "song.mp3", m_media + "fake.mp4"};
        AddAndWait(f.media, names);
        f.list.resize(600, 200);
        f.window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.window));
        QAbstractItemModel &model = *f.list.model();
        const std::unique_ptr<QMimeData> rows(model.mimeData({model.index(2, 1)}));
        const QPoint at = f.list.visualRect(model.index(1, 1)).center();
        QDragEnterEvent enter(at, Qt::MoveAction, rows.get(), Qt::LeftButton, Qt::NoModifier);
        QDropEvent drop(at, Qt::MoveAction, rows.get(), Qt::LeftButton, Qt::NoModifier);
        for (QDropEvent *event : {static_cast<QDropEvent *>(&enter), &drop}) {
            event->setAccepted(false);
            QCoreApplication::sendEvent(f.list.viewport(), event);
        }
        QCOMPARE(f.Names(), (QStringList {names[0], names[2], names[1]}));
    }

    void takenWhileAddingInTheirTurn()
    {
        ScriptedDialogs dialogs;
        Fixture f;
        QMimeData first;
        first.setUrls(Urls({m_media + QStringLiteral("sub/inner.mp4")}));
        QMimeData second;
        second.setUrls(Urls({m_media + QStringLiteral("song.mp3")}));

        // Two drops arrive while Add Files appends its rows: both are taken, and each is added
        // after what was asked before it.
        QSignalSpy done(f.target, &DropTarget::Dropped);
        QList<bool> during;
        auto connection = connect(f.list.model(), &QAbstractItemModel::rowsInserted, this, [&] {
            if (during.isEmpty()) {
                QVERIFY(f.media.adding());
                during << DragOver(f, first) << Drop(f, first) << DragOver(f, second)
                       << Drop(f, second);
            }
        });
        AddAndWait(f.media,
                   {m_media + QStringLiteral("clip.mp4"), m_media + QStringLiteral("fake.mp4")});
        disconnect(connection);
        QCOMPARE(during, QList<bool>({true, true, true, true}));
        QTRY_COMPARE_WITH_TIMEOUT(done.size(), 2, 20000);
        QCOMPARE(
            f.Names(),
            QStringList({m_media + QStringLiteral("clip.mp4"), m_media + QStringLiteral("fake.mp4"),
                         m_media + QStringLiteral("sub/inner.mp4"),
                         m_media + QStringLiteral("song.mp3")}));
        QVERIFY(dialogs.messages.isEmpty());
    }
};

QTEST_MAIN(TestDropTarget)
#include "tst_drop_target.moc"
