#include "engine/settings/settings.h"
#include "support/scripted_dialogs.h"
#include "ui/app/saving_folders.h"

#include "support/files.h"
#include <QAbstractItemView>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QtTest>

#include <memory>

namespace {

using testfiles::ReadBytes;

const QString kKeys[kRecentFolderCount] = {
    QStringLiteral("First Folder"), QStringLiteral("Second Folder"), QStringLiteral("Third Folder"),
    QStringLiteral("Forth Folder"), QStringLiteral("Fivth Folder"),
};

QStringList Items(const QComboBox &box)
{
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

QStringList Folders(const SettingsValues &settings)
{
    return QStringList(std::begin(settings.folders), std::end(settings.folders));
}

const QString P = QStringLiteral("/media/P/");
const QString Q = QStringLiteral("/media/Q/");
const QString R = QStringLiteral("/media/R/");
const QString S = QStringLiteral("/media/S/");
const QString T = QStringLiteral("/media/T/");
const QString N = QStringLiteral("/media/N new/");

} // namespace

class TestSavingFolders : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init();
    void cleanup();

    void fillFolderList_data();
    void fillFolderList();
    void itemsAre17PixelsHigh();
    void browse_data();
    void browse();
    void userSelectionChangesOnlyTheCurrentFolder_data();
    void userSelectionChangesOnlyTheCurrentFolder();
    void openFolder_data();
    void openFolder();

private:
    // Stores `folders` (First to Fivth) as the only section of the settings file, so that any
    // save shows as a new [Parameters] section; an empty list leaves no file. Then loads the
    // settings and fills the list as the window does.
    void Open(const QStringList &folders);

    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_path;
    std::unique_ptr<Settings> m_settings;
    std::unique_ptr<QComboBox> m_box;
    std::unique_ptr<SavingFolders> m_folders;
};

void TestSavingFolders::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_path = m_dir->filePath(QStringLiteral("Orvane/kelvora.ini"));
    QVERIFY(CreateSettingsFolder(m_path));
}

void TestSavingFolders::cleanup()
{
    m_folders.reset();
    m_box.reset();
    m_settings.reset();
}

void TestSavingFolders::Open(const QStringList &folders)
{
    if (!folders.isEmpty()) {
        QByteArray text("[Recent Saving Folder]\n");
        for (int i = 0; i < kRecentFolderCount; ++i)
            text += kKeys[i].toUtf8() + '=' + folders.value(i).toUtf8() + '\n';
        QFile file(m_path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(text), text.size());
    }
    m_settings = std::make_unique<Settings>(m_path);
    m_box = std::make_unique<QComboBox>();
    m_folders = std::make_unique<SavingFolders>(m_box.get(), *m_settings, nullptr);
    m_folders->FillFolderList();
}

void TestSavingFolders::fillFolderList_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<QString>("current");

    const QString home = DefaultSavingFolder();
    QTest::newRow("no file: the default five times")
        << QStringList() << QStringList(5, home) << home;
    QTest::newRow("oldest on top, newest selected")
        << QStringList {P, Q, R, S, T} << QStringList {T, S, R, Q, P} << P;
    QTest::newRow("entries without a trailing / left out")
        << QStringList {P, "C:", R, "ab", T} << QStringList {T, R, P} << P;
    QTest::newRow("the root folder shown")
        << QStringList {"/", "C:", R, "", T} << QStringList {T, R, "/"} << "/";
    QTest::newRow("three characters shown") << QStringList {"/a/", "ab", "", "/b/", "C:/"}
                                            << QStringList {"C:/", "/b/", "/a/"} << "/a/";
    QTest::newRow("newest left out: the next one is selected")
        << QStringList {"C:", Q, R, S, T} << QStringList {T, S, R, Q} << Q;
    QTest::newRow("nothing to show")
        << QStringList {"C:", "D:", "ab", "", "x"} << QStringList() << QString();
}

void TestSavingFolders::fillFolderList()
{
    QFETCH(QStringList, stored);
    QFETCH(QStringList, items);
    QFETCH(QString, current);
    Open(stored);
    QCOMPARE(Items(*m_box), items);
    QCOMPARE(m_box->currentIndex(), items.size() - 1);
    QCOMPARE(m_settings->values().currentFolder, current);
    // Short entries are only hidden: the settings keep them.
    if (!stored.isEmpty())
        QCOMPARE(Folders(m_settings->values()), stored);
}

void TestSavingFolders::itemsAre17PixelsHigh()
{
    Open({P, Q, R, S, T});
    m_box->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_box.get()));
    m_box->showPopup();
    QAbstractItemView *view = m_box->view();
    QTRY_VERIFY_WITH_TIMEOUT(view->isVisible(), 5000);
    for (int row = 0; row < m_box->count(); ++row) {
        const QRect rect = view->visualRect(m_box->model()->index(row, 0));
        QCOMPARE(rect.height(), 17);
        QCOMPARE(rect.top(), view->visualRect(m_box->model()->index(0, 0)).top() + row * 17);
    }
    m_box->hidePopup();
}

void TestSavingFolders::browse_data()
{
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("picked"); // empty: cancelled
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QStringList>("folders"); // First to Fivth afterwards
    QTest::addColumn<bool>("written");

    const QStringList five {P, Q, R, S, T};
    const QStringList shown {T, S, R, Q, P};
    const QString home = DefaultSavingFolder();

    QTest::newRow("cancelled") << five << QString() << shown << 4 << P << five << false;
    QTest::newRow("the First folder") << five << P << shown << 4 << P << five << false;
    QTest::newRow("a folder without its trailing /")
        << five << QStringLiteral("/media/P") << shown << 4 << P << five << false;
    QTest::newRow("no file: the default without its trailing /")
        << QStringList() << home.chopped(1) << QStringList(5, home) << 4 << home
        << QStringList(5, home) << false;
    QTest::newRow("the Second folder") << five << Q << shown << 3 << Q << five << false;
    QTest::newRow("the Third folder") << five << R << shown << 2 << R << five << false;
    QTest::newRow("the Forth folder") << five << S << shown << 1 << S << five << false;
    QTest::newRow("the Fivth folder") << five << T << shown << 0 << T << five << false;
    QTest::newRow("a new folder") << five << N << QStringList {S, R, Q, P, N} << 4 << N
                                  << QStringList {N, P, Q, R, S} << true;
    QTest::newRow("case differs: a new folder")
        << five << QStringLiteral("/media/p/") << QStringList {S, R, Q, P, "/media/p/"} << 4
        << "/media/p/" << QStringList {"/media/p/", P, Q, R, S} << true;
    QTest::newRow("a two-character entry stays in the file")
        << QStringList {P, Q, "C:", S, T} << N << QStringList {S, Q, P, N} << 3 << N
        << QStringList {N, P, Q, "C:", S} << true;
    QTest::newRow("fewer items: the Third folder is selected")
        << QStringList {P, "C:", R, "C:", T} << R << QStringList {T, R, P} << 1 << R
        << QStringList {P, "C:", R, "C:", T} << false;
    QTest::newRow("fewer items: the Fivth folder is selected")
        << QStringList {P, "C:", R, "C:", T} << T << QStringList {T, R, P} << 0 << T
        << QStringList {P, "C:", R, "C:", T} << false;
    QTest::newRow("the root folder again after a restart")
        << QStringList {P, "/", "", S, T} << "/" << QStringList {T, S, "/", P} << 2 << "/"
        << QStringList {P, "/", "", S, T} << false;
    QTest::newRow("a new folder with entries left out: the list follows the five")
        << QStringList {P, "", R, "C:", T} << N << QStringList {R, P, N} << 2 << N
        << QStringList {N, P, "", R, "C:"} << true;
}

void TestSavingFolders::browse()
{
    QFETCH(QStringList, stored);
    QFETCH(QString, picked);
    QFETCH(QStringList, items);
    QFETCH(int, selected);
    QFETCH(QString, current);
    QFETCH(QStringList, folders);
    QFETCH(bool, written);
    Open(stored);
    const QByteArray before = ReadBytes(m_path);
    const QDateTime modified = QFileInfo(m_path).lastModified();
    ScriptedDialogs dialogs;
    dialogs.NextFolder(picked);

    m_folders->Browse();

    QCOMPARE(dialogs.asked.size(), 1);
    QCOMPARE(dialogs.asked[0].kind, QStringLiteral("folder"));
    QCOMPARE(dialogs.asked[0].title, QStringLiteral("Browse for Target File Saving Folder"));
    QCOMPARE(Items(*m_box), items);
    QCOMPARE(m_box->currentIndex(), selected);
    QCOMPARE(m_settings->values().currentFolder, current);
    QCOMPARE(Folders(m_settings->values()), folders);
    if (written) {
        SettingsValues reread;
        LoadSettings(reread, m_path);
        QCOMPARE(Folders(reread), folders);
        QVERIFY(ReadBytes(m_path).contains("[Parameters]"));
    } else {
        QCOMPARE(ReadBytes(m_path), before);
        QCOMPARE(QFileInfo(m_path).lastModified(), modified);
    }
}

void TestSavingFolders::userSelectionChangesOnlyTheCurrentFolder_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("selected");
    QTest::newRow("one up") << int(Qt::Key_Up) << 3;
    QTest::newRow("to the top") << int(Qt::Key_Home) << 0;
}

void TestSavingFolders::userSelectionChangesOnlyTheCurrentFolder()
{
    QFETCH(int, key);
    QFETCH(int, selected);
    Open({P, Q, R, S, T});
    const QByteArray before = ReadBytes(m_path);

    QTest::keyClick(m_box.get(), Qt::Key(key));

    QCOMPARE(m_box->currentIndex(), selected);
    QCOMPARE(m_settings->values().currentFolder, m_box->itemText(selected));
    QVERIFY(m_settings->values().currentFolder != P);
    QCOMPARE(Folders(m_settings->values()), QStringList({P, Q, R, S, T}));
    QCOMPARE(ReadBytes(m_path), before);
}

void TestSavingFolders::openFolder_data()
{
    QTest::addColumn<QString>("folder"); // "existing" is made in the test
    QTest::addColumn<bool>("openerWorks");
    QTest::addColumn<bool>("opened");
    QTest::addColumn<bool>("complained");

    QTest::newRow("existing folder") << "existing" << true << true << false;
    QTest::newRow("missing folder") << "missing" << true << false << true;
    QTest::newRow("opener fails") << "existing" << false << true << true;
    QTest::newRow("nothing selected") << "C:" << true << false << true;
}

void TestSavingFolders::openFolder()
{
    QFETCH(QString, folder);
    QFETCH(bool, openerWorks);
    QFETCH(bool, opened);
    QFETCH(bool, complained);
    QString path = folder;
    if (folder == QLatin1String("existing") || folder == QLatin1String("missing"))
        path = m_dir->filePath(folder) + QLatin1Char('/');
    if (folder == QLatin1String("existing"))
        QVERIFY(QDir().mkpath(path));
    Open({path, path, path, path, path});
    ScriptedDialogs dialogs;
    dialogs.NextOpen(openerWorks);

    m_folders->OpenFolder();

    QCOMPARE(dialogs.opened, opened ? QStringList {path} : QStringList());
    QCOMPARE(dialogs.messages.size(), complained ? 1 : 0);
    if (complained) {
        QCOMPARE(dialogs.messages[0].text, QStringLiteral("The Folder not exist!"));
        QCOMPARE(dialogs.messages[0].caption, QStringLiteral("Kelvora"));
        QCOMPARE(dialogs.messages[0].icon, MessageIcon::Critical);
    }
}

QTEST_MAIN(TestSavingFolders)
#include "tst_saving_folders.moc"
