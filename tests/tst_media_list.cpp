#include "engine/media/file_names.h"
#include "engine/media/folder_scan.h"
#include "support/files.h"
#include "support/media_factory.h"
#include "support/queue_fixture.h"
#include "support/scripted_dialogs.h"
#include "ui/controls/listview/drag_drop_list_ctrl.h"
#include "ui/media/media_list.h"

#include <QProgressDialog>
#include <QScopeGuard>
#include <QtTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

// Adding media files to the list: rows, duplicates, folders, the file dialog's answers.
class TestMediaList : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_media; // a folder of generated media: clip.mp4, song.mp3, fake.mp4

    QString Path(const QString &name) const { return m_dir.filePath(name); }

    struct Fixture
    {
        CDragDropListCtrl list;
        CurrentPreset preset;
        MediaList media {&list, preset, nullptr};
        Fixture()
        {
            media.SetupColumns();
            QPixmap film(16, 16);
            film.fill(Qt::blue);
            QPixmap sound(16, 16);
            sound.fill(Qt::green);
            media.SetRowImages(QIcon(film), QIcon(sound));
        }
        QStringList Names() const
        {
            QStringList names;
            for (int row = 0; row < media.rowCount(); ++row)
                names << media.Location(row) + media.FileName(row);
            return names;
        }
    };

private Q_SLOTS:
    void initTestCase()
    {
        m_media = m_dir.filePath(QStringLiteral("media")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(m_media));
        QVERIFY(testmedia::Make(m_media + QStringLiteral("clip.mp4")));
        testmedia::Clip audio;
        audio.video = false;
        QVERIFY(testmedia::Make(m_media + QStringLiteral("song.mp3"), audio));
        QVERIFY(
            testfiles::WriteBytes(m_media + QStringLiteral("fake.mp4"), "this is a text file\n"));
    }

    void columns()
    {
        Fixture f;
        const QStringList titles {"Select",        "File Name", "Location", "Duration",
                                  "Target Format", "Status",    ""};
        const QList<int> widths {60, 160, 160, 90, 120, 140, 500};
        QCOMPARE(f.list.model()->columnCount(), 7);
        for (int c = 0; c < 7; ++c) {
            QCOMPARE(f.list.model()->headerData(c, Qt::Horizontal).toString(), titles[c]);
            QCOMPARE(f.list.columnWidth(c), widths[c]);
        }
    }

    void rows_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("image");
        QTest::addColumn<QString>("duration");
        QTest::addColumn<QString>("status");
        QTest::newRow("video and audio") << "clip.mp4" << 0 << "00:00:02"
                                         << "Waiting Convertion...";
        QTest::newRow("audio only") << "song.mp3" << 1 << "00:00:02"
                                    << "Waiting Convertion...";
        QTest::newRow("text named .mp4") << "fake.mp4" << 0 << "Unknown"
                                         << "Unknown Format!";
        QTest::newRow("missing file") << "gone.mp4" << 0 << "Unknown"
                                      << "Unknown Format!";
    }

    void rows()
    {
        QFETCH(QString, name);
        QFETCH(int, image);
        QFETCH(QString, duration);
        QFETCH(QString, status);
        Fixture f;
        f.media.SetTargetFormat(QStringLiteral("wmv file"));
        f.media.store().Append(ProbeItem(m_media, name));
        QCOMPARE(f.media.rowCount(), 1);
        QCOMPARE(f.list.model()->rowCount(), 1);
        QCOMPARE(f.media.Text(0, MediaColumn::Select), QString());
        QCOMPARE(f.media.FileName(0), name);
        QCOMPARE(f.media.Location(0), m_media);
        QCOMPARE(f.media.Text(0, MediaColumn::Duration), duration);
        QCOMPARE(f.media.Text(0, MediaColumn::TargetFormat), QStringLiteral("wmv file"));
        QCOMPARE(f.media.Status(0), status);
        QCOMPARE(f.media.Text(0, MediaColumn::Filler), QString());
        QVERIFY(f.media.IsChecked(0));
        const QModelIndex select = f.media.store().index(0, MediaColumn::Select);
        QCOMPARE(select.data(MediaStore::RowImageRole).toInt(), image);
        QVERIFY(!select.data(Qt::DecorationRole).value<QIcon>().isNull());
        QCOMPARE(QueueFixture::StatusTipOf(f.media.store(), 0).isEmpty(),
                 status != QLatin1String("Unknown Format!"));
    }

    void addFiles_data()
    {
        QTest::addColumn<QList<QStringList>>("picks");
        QTest::addColumn<QStringList>("rows");
        const QString clip = QStringLiteral("%m%clip.mp4");
        const QString song = QStringLiteral("%m%song.mp3");
        QTest::newRow("two files") << QList<QStringList> {{clip, song}} << QStringList {clip, song};
        QTest::newRow("the same file twice")
            << QList<QStringList> {{clip}, {clip, song}} << QStringList {clip, song};
        QTest::newRow("cancelled") << QList<QStringList> {{}} << QStringList {};
        QTest::newRow("same name in two folders")
            << QList<QStringList> {{clip, QStringLiteral("%o%clip.mp4")}}
            << QStringList {clip, QStringLiteral("%o%clip.mp4")};
        QTest::newRow("folder written in another case")
            << QList<QStringList> {{clip, QStringLiteral("%M%clip.mp4")}}
            << QStringList {clip, QStringLiteral("%M%clip.mp4")};
        QTest::newRow("doubled separator")
            << QList<QStringList> {{QStringLiteral("%m%/clip.mp4"), clip}} << QStringList {clip};
    }

    void addFiles()
    {
        QFETCH(QList<QStringList>, picks);
        QFETCH(QStringList, rows);
        const QString other = m_dir.filePath(QStringLiteral("other")) + QLatin1Char('/');
        QDir().mkpath(other);
        QFile::copy(m_media + QStringLiteral("clip.mp4"), other + QStringLiteral("clip.mp4"));
        // The same folder under a name in other letters.
        const QString upper = m_dir.filePath(QStringLiteral("MEDIA")) + QLatin1Char('/');
        QFile::link(m_media, upper.chopped(1));
        auto expand = [&](QString s) {
            return s.replace(QStringLiteral("%m%"), m_media)
                .replace(QStringLiteral("%o%"), other)
                .replace(QStringLiteral("%M%"), upper);
        };

        Fixture f;
        ScriptedDialogs dialogs;
        for (QStringList pick : picks) {
            for (QString &p : pick)
                p = expand(p);
            dialogs.NextFiles(pick);
            f.media.AddFiles();
            QTRY_VERIFY_WITH_TIMEOUT(!f.media.adding(), 60000);
        }
        QStringList expected;
        for (const QString &r : rows)
            expected << expand(r);
        QCOMPARE(f.Names(), expected);
        QCOMPARE(f.media.rowCount(), expected.size());
        QVERIFY(dialogs.messages.isEmpty());
        QCOMPARE(dialogs.asked.first().kind, QStringLiteral("files"));
        QCOMPARE(dialogs.asked.first().filters, MediaList::FileFilters());
    }

    void fileFilters()
    {
        const QStringList filters = MediaList::FileFilters();
        QCOMPARE(filters.size(), 14);
        QCOMPARE(filters.first(), QStringLiteral("All files(*.*) (*)"));
        QVERIFY(filters[1].startsWith(QLatin1String("All media files (*.mp4 ")));
        QVERIFY(filters[1].contains(QLatin1String(" *.mkv ")));
        QCOMPARE(filters[2], QStringLiteral("Mpeg-4 Video(*.mp4) (*.mp4)"));
        QCOMPARE(filters.last(), QStringLiteral("Video Transport Stream(*.ts) (*.ts)"));
    }

    // A left-out line names three files, and counts only the ones beyond them.
    void leftOutLinesCountTheRest()
    {
        QCOMPARE(
            LeftOutLines(
                {{"a.txt", "b.txt", "c.txt"}, {"d.mp4", "e.mp4", "f.mp4", "g.mp4"}, {}, {}, {}}),
            (QStringList {"3 files with other extensions: a.txt, b.txt, c.txt",
                          "4 files already listed: d.mp4, e.mp4, f.mp4 and 1 more"}));
        QCOMPARE(LeftOutLines({{}, {}, {}, {}, {"up/"}}),
                 QStringList {"1 link to a folder not followed: up/"});
    }

    void addFolder_data()
    {
        QTest::addColumn<QStringList>("picks"); // folders picked in turn ("": cancelled)
        QTest::addColumn<int>("subFolders"); // the box as each pick leaves it
        QTest::addColumn<QStringList>("rows"); // under the camera folder
        QTest::addColumn<QStringList>("messages");
        const QString other = QStringLiteral("\n\n1 file with another extension: notes.txt");
        const QString fifo = QStringLiteral("\n1 file or folder that cannot be read: pipe.mp4");
        const QStringList top {"VID_0002.MP4", "a.b.mp4", "c.mkv", "song.mp3"};
        QTest::newRow("cancelled: nothing added, nothing said")
            << QStringList {""} << 0 << QStringList() << QStringList();
        QTest::newRow("clips only below") << QStringList {"%c/DCIM"} << 0 << QStringList()
                                          << QStringList {"0 media files added!\n\n1 media file in "
                                                          "a sub folder: tick Include sub folders"};
        QTest::newRow("top level") << QStringList {"%c"} << 0 << top
                                   << QStringList {"4 media files added!" + other + fifo};
        QTest::newRow("with sub folders")
            << QStringList {"%c/"} << 1
            << top + QStringList {"DCIM/100CANON/MVI_0001.MOV", "sub.mp4/inner.mp4"}
            << QStringList {"6 media files added!\n\n2 files with other extensions: notes.txt, "
                            "DCIM/100CANON/MVI_0001.THM"
                            + fifo + "\n2 links to folders not followed: root/, DCIM/loop/"};
        QTest::newRow("cancelled after an add")
            << QStringList {"%c", ""} << 0 << top
            << QStringList {"4 media files added!" + other + fifo};
    }

    void addFolder()
    {
        QFETCH(QStringList, picks);
        QFETCH(int, subFolders);
        QFETCH(QStringList, rows);
        QFETCH(QStringList, messages);
        // A camera's card: names in any case, sub folders, links to folders (one of them a loop), a
        // FIFO, hidden entries.
        const QString camera = Path(QStringLiteral("camera/"));
        for (const char *folder : {"DCIM/100CANON", "sub.mp4", ".hidden"})
            QVERIFY(QDir().mkpath(camera + QLatin1String(folder)));
        for (const char *name :
             {"DCIM/100CANON/MVI_0001.MOV", "DCIM/100CANON/MVI_0001.THM", "VID_0002.MP4", "c.mkv",
              "a.b.mp4", "sub.mp4/inner.mp4", ".hidden/h.mkv", ".x.mp4"})
            QFile::copy(m_media + QStringLiteral("clip.mp4"), camera + QLatin1String(name));
        QFile::copy(m_media + QStringLiteral("song.mp3"), camera + QStringLiteral("song.mp3"));
        QVERIFY(testfiles::WriteBytes(camera + QStringLiteral("notes.txt"), "notes\n"));
        QFile::link(QStringLiteral(".."), camera + QStringLiteral("DCIM/loop"));
        QFile::link(QStringLiteral("/"), camera + QStringLiteral("root"));
        ::mkfifo(QFile::encodeName(camera + QStringLiteral("pipe.mp4")).constData(), 0644);

        Fixture f;
        ScriptedDialogs dialogs;
        bool choice = false;
        f.media.SetSubFoldersChoice(&choice);
        for (QString pick : picks) {
            dialogs.NextFolder(pick.replace(QStringLiteral("%c/"), camera)
                                   .replace(QStringLiteral("%c"), camera.chopped(1)),
                               subFolders);
            f.media.AddFolder();
            QTRY_VERIFY_WITH_TIMEOUT(!f.media.adding(), 60000);
        }
        QCOMPARE(f.Names(), rows.replaceInStrings(QRegularExpression(QStringLiteral("^")), camera));
        QStringList shown;
        for (const ScriptedDialogs::Shown &message : dialogs.messages) {
            shown << message.text;
            QCOMPARE(message.caption, QStringLiteral("Kelvora"));
            QCOMPARE(message.icon, MessageIcon::None);
        }
        QCOMPARE(shown, messages);
        QCOMPARE(dialogs.asked.first().kind, QStringLiteral("media folder"));
        QCOMPARE(dialogs.asked.first().title, QStringLiteral("Select a folder"));
        QCOMPARE(choice, subFolders == 1 && !picks.first().isEmpty());
    }

    void extensions_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("taken");
        for (const char *e : {"mp4", "mpg", "wmv", "wma", "asf", "vob", "aac", "flv", "avi", "dat",
                              "rm", "ts", "m4b", "mp2", "m2v"})
            QTest::newRow(e) << QStringLiteral("/f/x.") + QLatin1String(e) << true;
        QTest::newRow("upper case") << "/f/Movie.AVI" << true;
        QTest::newRow("mixed case") << "/f/clip.Mkv" << true;
        QTest::newRow("text") << "/f/notes.txt" << false;
        QTest::newRow("two dots") << "/f/a.b.mp4" << true;
        QTest::newRow("no dot") << "/f/mp4" << false;
        QTest::newRow("dot only in the folder") << "/f.mp4/file" << false;
    }

    void extensions()
    {
        QFETCH(QString, path);
        QFETCH(bool, taken);
        QCOMPARE(MediaList::IsMediaExtension(path), taken);
    }

    void splitPath_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("folder");
        QTest::newRow("plain") << "/a/b/c.mp4"
                               << "c.mp4"
                               << "/a/b/";
        QTest::newRow("doubled separator") << "/a//c.mp4"
                                           << "c.mp4"
                                           << "/a/";
        QTest::newRow("no folder") << "c.mp4"
                                   << "c.mp4"
                                   << "";
        QTest::newRow("root") << "/c.mp4"
                              << "c.mp4"
                              << "/";
        QTest::newRow("blanks and quotes") << "/a b/\"c d\".mp4"
                                           << "\"c d\".mp4"
                                           << "/a b/";
    }

    void splitPath()
    {
        QFETCH(QString, path);
        QFETCH(QString, name);
        QFETCH(QString, folder);
        const auto split = SplitPath(path);
        QCOMPARE(split.first, name);
        QCOMPARE(split.second, folder);
    }

    // The user ticks a row in the list itself, by its check box or by the space key: the store's
    // item follows, so the queue converts exactly the rows the list shows ticked.
    void tickingTheBoxTicksTheItem_data()
    {
        QTest::addColumn<bool>("byMouse");
        QTest::newRow("check box clicked") << true;
        QTest::newRow("space key") << false;
    }

    void tickingTheBoxTicksTheItem()
    {
        QFETCH(bool, byMouse);
        Fixture f;
        for (const char *name : {"clip.mp4", "song.mp3", "fake.mp4"})
            f.media.store().Append(ProbeItem(m_media, QString::fromLatin1(name)));
        f.list.resize(600, 200);
        f.list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.list));

        const auto toggle = [&](int row) {
            const QModelIndex index = f.list.model()->index(row, MediaColumn::Select);
            if (!byMouse) {
                f.list.setCurrentIndex(index);
                QTest::keyClick(f.list.viewport(), Qt::Key_Space);
                return;
            }
            QStyleOptionViewItem option;
            option.initFrom(f.list.viewport());
            option.rect = f.list.visualRect(index);
            // The box comes first in the cell, whatever follows it.
            option.features = QStyleOptionViewItem::HasCheckIndicator;
            const QRect box = f.list.style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator,
                                                             &option, &f.list);
            QTest::mouseClick(f.list.viewport(), Qt::LeftButton, {}, box.center());
        };
        // Each tick as the store holds it and as the list shows it, side by side.
        const auto ticks = [&] {
            QList<QPair<bool, bool>> both;
            for (int row = 0; row < f.media.rowCount(); ++row)
                both << qMakePair(f.media.IsChecked(row),
                                  f.list.model()->index(row, 0).data(Qt::CheckStateRole)
                                      == Qt::Checked);
            return both;
        };
        const auto expect = [](std::initializer_list<bool> ticked) {
            QList<QPair<bool, bool>> both;
            for (bool tick : ticked)
                both << qMakePair(tick, tick);
            return both;
        };

        QCOMPARE(ticks(), expect({true, true, true}));
        toggle(1);
        QCOMPARE(ticks(), expect({true, false, true}));
        toggle(0);
        QCOMPARE(ticks(), expect({false, false, true}));
        toggle(1);
        QCOMPARE(ticks(), expect({false, true, true}));
    }

    void editing()
    {
        Fixture f;
        for (const char *name : {"clip.mp4", "song.mp3", "fake.mp4", "a", "b"})
            f.media.store().Append(ProbeItem(m_media, QString::fromLatin1(name)));
        f.media.SetChecked(1, false);
        f.media.SetChecked(3, false);
        f.media.CheckAll();
        for (int row = 0; row < 5; ++row)
            QVERIFY(f.media.IsChecked(row));

        f.media.RemoveSelected(); // nothing selected: nothing happens
        QCOMPARE(f.media.rowCount(), 5);
        f.list.setCurrentIndex(f.list.model()->index(1, 1));
        f.list.selectRow(1);
        f.list.selectionModel()->select(f.list.model()->index(3, 0),
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
        f.media.RemoveSelected();
        QCOMPARE(f.media.rowCount(), 3);
        QCOMPARE(f.Names(),
                 (QStringList {m_media + "clip.mp4", m_media + "fake.mp4", m_media + "b"}));
        // A removed file can be added again.
        QVERIFY(!f.media.store().IsListed(m_media, QStringLiteral("song.mp3")));
        f.media.store().Append(ProbeItem(m_media, QStringLiteral("song.mp3")));
        QCOMPARE(f.media.rowCount(), 4);
        // The list itself refuses a listed file, whatever road it comes by.
        f.media.store().Append(ProbeItem(m_media, QStringLiteral("song.mp3")));
        QCOMPARE(f.media.rowCount(), 4);

        f.media.SetTargetFormat(QStringLiteral("avi file"));
        for (int row = 0; row < 4; ++row)
            QCOMPARE(f.media.Text(row, MediaColumn::TargetFormat), QStringLiteral("avi file"));
        f.media.RemoveAll();
        QCOMPARE(f.media.rowCount(), 0);
        QCOMPARE(f.list.model()->rowCount(), 0);
        QVERIFY(!f.media.store().IsListed(m_media, QStringLiteral("clip.mp4")));
    }

    // Names that are not valid UTF-8 cannot be kept through the program: they are refused, and
    // named, by both ways of adding files; everything else is added as usual.
    void namesNotValidUtf8AreRefusedByName()
    {
        const QString folder = m_dir.filePath(QStringLiteral("raw names")) + QLatin1Char('/');
        QVERIFY(QDir().mkpath(folder));
        const QByteArray clip = testfiles::ReadBytes(m_media + QStringLiteral("clip.mp4"));
        QVERIFY(
            QFile::copy(m_media + QStringLiteral("clip.mp4"), folder + QStringLiteral("good.mp4")));
        // Qt cannot spell these names, so they are made with the bytes themselves.
        const QByteArray rawFolder = QFile::encodeName(folder);
        const QByteArrayList rawNames {"bad\xff.mp4", "caf\xe9.avi", "notes\xff.txt"};
        // The temporary folder's own clean-up cannot see these names either.
        const auto removeRaw = qScopeGuard([rawFolder, rawNames] {
            for (const QByteArray &name : rawNames)
                ::unlink((rawFolder + name).constData());
            ::rmdir((rawFolder + "sub\xff.mp4").constData());
        });
        for (const QByteArray &name : rawNames) {
            const int fd
                = ::open((rawFolder + name).constData(), O_WRONLY | O_CREAT | O_EXCL, 0644);
            QVERIFY(fd >= 0);
            QCOMPARE(::write(fd, clip.constData(), size_t(clip.size())), ssize_t(clip.size()));
            QCOMPARE(::close(fd), 0);
        }
        QCOMPARE(::mkdir((rawFolder + "sub\xff.mp4").constData(), 0755), 0);
        // A name that really holds the replacement character is valid UTF-8 and an ordinary file.
        const QString replacement = folder + QStringLiteral("real\uFFFD.mp4");
        QVERIFY(QFile::copy(m_media + QStringLiteral("clip.mp4"), replacement));

        Fixture f;
        ScriptedDialogs dialogs;
        dialogs.NextFolder(folder);
        f.media.AddFolder();
        QTRY_VERIFY_WITH_TIMEOUT(!f.media.adding(), 60000);
        QCOMPARE(f.Names(), (QStringList {folder + QStringLiteral("good.mp4"), replacement}));
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text,
                 QStringLiteral("2 media files added!\n\n1 file with another extension: "
                                "notes\\xFF.txt\n2 names that are not valid UTF-8: "
                                "bad\\xFF.mp4, caf\\xE9.avi"));

        // A file dialog hands the names over decoded, with replacement characters.
        const QString decoded = QFile::decodeName(rawFolder + "bad\xff.mp4");
        QVERIFY(decoded.contains(QChar(0xFFFD)));
        Fixture g;
        dialogs.messages.clear();
        dialogs.NextFiles({decoded, replacement, m_media + QStringLiteral("song.mp3")});
        g.media.AddFiles();
        QTRY_VERIFY_WITH_TIMEOUT(!g.media.adding(), 60000);
        QCOMPARE(g.Names(), (QStringList {replacement, m_media + QStringLiteral("song.mp3")}));
        QCOMPARE(dialogs.messages.size(), 1);
        QCOMPARE(dialogs.messages[0].text,
                 QStringLiteral("1 file was not added because its name is not valid UTF-8:\n")
                     + decoded);
        QCOMPARE(dialogs.messages[0].icon, MessageIcon::Warning);
    }

    void removeSelectedRows_data()
    {
        QTest::addColumn<QList<int>>("selected");
        QTest::addColumn<QList<int>>("kept");
        QTest::newRow("two adjacent rows") << QList<int> {1, 2} << QList<int> {0, 3, 4};
        QTest::newRow("the first two rows") << QList<int> {0, 1} << QList<int> {2, 3, 4};
        QTest::newRow("the last two rows") << QList<int> {3, 4} << QList<int> {0, 1, 2};
        QTest::newRow("three adjacent rows") << QList<int> {1, 2, 3} << QList<int> {0, 4};
        QTest::newRow("every row") << QList<int> {0, 1, 2, 3, 4} << QList<int> {};
        QTest::newRow("one row") << QList<int> {4} << QList<int> {0, 1, 2, 3};
    }

    void removeSelectedRows()
    {
        QFETCH(QList<int>, selected);
        QFETCH(QList<int>, kept);
        const QStringList names {"clip.mp4", "song.mp3", "fake.mp4", "a", "b"};
        Fixture f;
        for (const QString &name : names)
            f.media.store().Append(ProbeItem(m_media, name));
        f.list.selectionModel()->setCurrentIndex(f.list.model()->index(selected.first(), 1),
                                                 QItemSelectionModel::NoUpdate);
        for (int row : selected)
            f.list.selectionModel()->select(f.list.model()->index(row, 0),
                                            QItemSelectionModel::Select
                                                | QItemSelectionModel::Rows);
        f.media.RemoveSelected();
        QStringList expected;
        for (int row : kept)
            expected << m_media + names[row];
        QCOMPARE(f.Names(), expected);
        QCOMPARE(f.list.model()->rowCount(), kept.size());
        // Names, rows and ids still agree: removed files may be added again.
        QVERIFY(f.media.store().IsConsistent());
        // Undo brings them back in their places, once; Remove All's too.
        QStringList all;
        for (const QString &name : names)
            all << m_media + name;
        for (int round = 0; round < 2; ++round) {
            f.media.UndoRemove();
            QVERIFY(f.Names() == all && f.media.store().IsConsistent());
            f.media.UndoRemove();
            QCOMPARE(f.Names(), all);
            f.media.RemoveAll();
            QCOMPARE(f.media.rowCount(), 0);
        }
    }
};

QTEST_MAIN(TestMediaList)
#include "tst_media_list.moc"
