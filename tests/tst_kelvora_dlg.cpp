#include "engine/settings/profile.h"
#include "engine/settings/settings.h"
#include "res/resource.h"
#include "support/files.h"
#include "support/media_factory.h"
#include "support/queue_fixture.h"
#include "support/scripted_dialogs.h"
#include "support/store_watch.h"
#include "ui/app/bitmap_button.h"
#include "ui/app/commands.h"
#include "ui/app/kelvora_dlg.h"
#include "ui/controls/chrome/flat_combo_box.h"
#include "ui/controls/chrome/my_button.h"
#include "ui/controls/chrome/true_color_tool_bar.h"
#include "ui/controls/listview/drag_drop_list_ctrl.h"
#include "ui/controls/listview/text_progress_ctrl.h"
#include "ui/media/media_list.h"
#include "ui/platform/dialog_units.h"

#include <QAccessible>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QTabWidget>
#include <QToolBar>
#include <QtTest>

#include <csignal>
#include <optional>

// The main window as a user drives it: named commands, the real converter, the settings file.
class TestKelvoraDlg : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_in;

    QString Folder(const QString &name) const { return testfiles::MakeFolder(m_dir.path(), name); }

    static QStringList Statuses(const CKelvoraDlg &window)
    {
        return ::Statuses(window.media()->store());
    }

    static QAction *MenuAction(CKelvoraDlg &window, int id)
    {
        return window.mainMenu().FindAction(id);
    }

    // Triggers the window's action `name`, as its menu item, button or key does.
    static void Run(CKelvoraDlg &window, const char *name)
    {
        window.findChild<QAction *>(QLatin1String(name))->trigger();
    }

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        m_in = Folder(QStringLiteral("in"));
        testmedia::Clip clip;
        clip.size = QStringLiteral("160x120");
        clip.codecArguments = QStringList {"-c:v", "mpeg4", "-c:a", "mp2"};
        for (const char *name : {"a.mp4", "b.avi", "c.ts"})
            QVERIFY(testmedia::Make(m_in + QLatin1String(name), clip));
        testmedia::Clip slow = clip;
        slow.seconds = 60;
        slow.size = QStringLiteral("1280x720");
        QVERIFY(testmedia::Make(m_in + QStringLiteral("slow.mkv"), slow));
    }

    void init() { QFile::remove(SettingsPath()); }

    void menuBarTexts()
    {
        CKelvoraDlg window;
        const QList<QAction *> top = window.mainMenu().menuBar()->actions();
        QCOMPARE(top.size(), 3);
        QCOMPARE(top[0]->text(), QStringLiteral("&File "));
        QCOMPARE(top[1]->text(), QStringLiteral("&Convertion"));
        QCOMPARE(top[2]->text(), QStringLiteral("&Help"));
        const QList<QList<QPair<QString, int>>> items
            = {{{"Add Files", ID_ADD_FILES},
                {"Add Folder", ID_ADD_FOLDER},
                {"", 0},
                {"Watch Folder...", ID_WATCH_FOLDER},
                {"Stop Watching Folders", ID_STOP_WATCHING},
                {"Convert As They Arrive", ID_CONVERT_ARRIVALS},
                {"", 0},
                {"Remove", ID_FILE_REMOVE},
                {"Remove All", ID_FILE_REMOVE_ALL},
                {"Select All", ID_FILE_SELECT_ALL},
                {"", 0},
                {"E&xit                  ", ID_FILE_EXIT}},
               {{"Convert All", ID_CONVERT_ALL},
                {"Convert Selected Files", ID_CONVERT_SELECTED},
                {"Retry Failed Files", ID_RETRY_FAILED},
                {"", 0},
                {"Pause Convertion", ID_PAUSE},
                {"Stop Current Convertion", ID_STOP_CURRENT},
                {"Stop All Convertion", ID_STOP_ALL},
                {"", 0},
                {"Select Failed Files", ID_SELECT_FAILED},
                {"", 0},
                {"Simultaneous Conversions", -1},
                {"Modern Video Size", -1},
                {"", 0},
                {"Keep the Computer Awake", ID_KEEP_AWAKE},
                {"Keep Original File Dates", ID_KEEP_DATES},
                {"When the Output Exists", -1},
                {"When Done", -1}},
               {{"Help(F1)", ID_HELP_INDEX}, {"", 0}, {"&About Kelvora     ", ID_APP_ABOUT}}};
        for (int m = 0; m < 3; ++m) {
            const QList<QAction *> actions = top[m]->menu()->actions();
            QCOMPARE(actions.size(), items[m].size());
            for (int i = 0; i < actions.size(); ++i) {
                QCOMPARE(actions[i]->isSeparator() ? QString() : actions[i]->text(),
                         items[m][i].first);
                QCOMPARE(actions[i]->data().toInt(), items[m][i].second);
            }
        }
        // Every item of the menus, every button and every preset triggers an action with a handler.
        CMenuEx list, presets;
        QVERIFY(list.LoadFromResource(IDR_LIST_MENU) && presets.LoadFromResource(IDR_PRESET_MENU));
        for (const CMenuEx *menu : {&window.mainMenu(), &list, &presets})
            for (const QAction *item : menu->CommandItems())
                QVERIFY2(window.commands().IsHandled(
                             item->property(CMenuEx::kCommandProperty).toString()),
                         qPrintable(item->text()));
        for (const char *name : {"browse", "openFolder", "choosePreset"})
            QVERIFY2(window.commands().IsHandled(QLatin1String(name)), name);
        for (const Preset &p : AllPresets())
            QVERIFY(window.commands().IsHandled(PresetCommand(p.id)));
    }

    void toolBarOrder()
    {
        CKelvoraDlg window;
        QCOMPARE(window.toolBar()->ButtonIds(),
                 (QVector<int> {32791, 32778, 32796, 0, 32774, 32809, 32810, 0, 32776}));
    }

    void layoutInDialogUnits_data()
    {
        QTest::addColumn<int>("id");
        QTest::newRow("list") << IDC_MEDIA_LIST;
        QTest::newRow("browse") << IDC_BROWSE;
        QTest::newRow("open folder") << IDC_OPEN_FOLDER;
        QTest::newRow("solution text") << IDC_SOLUTION_TEXT;
    }

    void layoutInDialogUnits()
    {
        QFETCH(int, id);
        CKelvoraDlg window;
        QWidget *control = nullptr;
        switch (id) {
        case IDC_MEDIA_LIST:
            control = window.list();
            break;
        case IDC_BROWSE:
            control = window.browseButton();
            break;
        case IDC_OPEN_FOLDER:
            control = window.openFolderButton();
            break;
        case IDC_SOLUTION_TEXT:
            control = window.solutionBox();
            break;
        }
        QCOMPARE(control->geometry(), MapDialogRect(CKelvoraDlg::ControlUnits(id), window.font()));
        QCOMPARE(window.client()->size(), MapDialogSize(CKelvoraDlg::ClientUnits(), window.font()));
        QCOMPARE(window.windowTitle(), QStringLiteral("Kelvora 1.0"));
    }

    void firstTickGraysWhatNeedsRows()
    {
        CKelvoraDlg window;
        window.show();
        for (int id : {ID_FILE_REMOVE, ID_FILE_REMOVE_ALL, ID_FILE_SELECT_ALL, ID_CONVERT_ALL,
                       ID_CONVERT_SELECTED, ID_STOP_CURRENT, ID_STOP_ALL})
            QVERIFY2(!MenuAction(window, id)->isEnabled(), qPrintable(QString::number(id)));
        for (int id : {ID_CONVERT_ALL, ID_LIST_REMOVE_ALL, ID_STOP_CURRENT, ID_STOP_ALL})
            QVERIFY(!window.toolBar()->ActionById(id)->isEnabled());
        QVERIFY(window.toolBar()->ActionById(ID_LIST_ADD_FILES)->isEnabled());
        QVERIFY(MenuAction(window, ID_ADD_FILES)->isEnabled());
    }

    void keysDoNotCloseTheWindow_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("target");
        for (const char *target : {"list", "browse", "window"}) {
            QTest::newRow(QByteArray("Escape in ") + target) << int(Qt::Key_Escape) << target;
            QTest::newRow(QByteArray("Enter in ") + target) << int(Qt::Key_Return) << target;
        }
    }

    void keysDoNotCloseTheWindow()
    {
        QFETCH(int, key);
        QFETCH(QString, target);
        ScriptedDialogs dialogs;
        CKelvoraDlg window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget *widget = &window;
        if (target == QLatin1String("list"))
            widget = window.list();
        else if (target == QLatin1String("browse"))
            widget = window.browseButton();
        widget->setFocus();
        QTest::keyClick(widget, Qt::Key(key));
        QVERIFY(window.isVisible());
        QCOMPARE(window.result(), 0);
        QVERIFY(dialogs.asked.isEmpty()); // Enter did not press Browse either
    }

    void keyboardAndScreenReader_data()
    {
        QTest::addColumn<QStringList>("keys"); // pressed in turn, row 1 current
        QTest::addColumn<int>("rows"); // left in the list
        QTest::addColumn<int>("current"); // the current row; -1: the focus left the list
        QTest::newRow("Home") << QStringList {"End", "Home"} << 4 << 0;
        QTest::newRow("End") << QStringList {"End"} << 4 << 3;
        QTest::newRow("Delete twice") << QStringList {"Home", "Del", "Del"} << 2 << 0;
        QTest::newRow("Tab leaves the list") << QStringList {"Tab"} << 4 << -1;
        QTest::newRow("Shift+F10 at the current row") << QStringList {"Shift+F10"} << 4 << 1;
    }
    void keyboardAndScreenReader()
    {
        QFETCH(QStringList, keys);
        QFETCH(int, rows);
        QFETCH(int, current);
        // A size kept on a larger screen is fitted to this one; a maximised window stays so.
        QVERIFY(ProfileFile(SettingsPath()).WriteString("Parameters", "Window Size", "2600x1700")
                && ProfileFile(SettingsPath()).WriteString("Parameters", "Window Maximized", "1"));
        std::optional<CKelvoraDlg> kept(std::in_place);
        CKelvoraDlg &window = *kept;
        QVERIFY(window.windowState() & Qt::WindowMaximized);
        const QSize screen = window.screen()->availableGeometry().size();
        QCOMPARE(window.size(), window.minimumSizeHint().expandedTo(screen));
        for (const char *name : {"a.mp4", "b.avi", "c.ts", "slow.mkv"})
            window.media()->store().Append(ProbeItem(m_in, QLatin1String(name)));
        auto *bar = window.findChild<CTextProgressCtrl *>("batchProgress");
        bar->show(); // as while a batch runs
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        // Every control, the toolbar and the bar have a name; the bar tells its value.
        for (QWidget *w : window.findChildren<QWidget *>()) {
            const bool shown = w->isVisible() && !qobject_cast<QScrollBar *>(w)
                && (w->focusPolicy() != Qt::NoFocus || qobject_cast<QToolBar *>(w) || w == bar);
            QVERIFY2(
                !shown
                    || !QAccessible::queryAccessibleInterface(w)->text(QAccessible::Name).isEmpty(),
                w->metaObject()->className());
        }
        bar->SetPos(40);
        QCOMPARE(QAccessible::queryAccessibleInterface(bar)->text(QAccessible::Description), "40%");
        window.list()->setFocus();
        window.list()->setCurrentIndex(window.list()->model()->index(1, 1));
        QPoint menuAt; // where a row menu opened; its own loop runs the timer that closes it
        for (const QString &key : keys) {
            QTimer::singleShot(0, &window, [&menuAt] {
                if (QWidget *menu = QApplication::activePopupWidget())
                    menuAt = menu->pos(), menu->close();
            });
            QTest::keySequence(QApplication::focusWidget(), QKeySequence(key));
        }
        QCOMPARE(window.media()->rowCount(), rows);
        QVERIFY(current < 0 ? !window.list()->hasFocus()
                            : window.list()->currentIndex().row() == current);
        const QRect row = window.list()->visualRect(window.list()->currentIndex());
        if (keys.contains("Shift+F10"))
            QCOMPARE(menuAt, window.list()->viewport()->mapToGlobal(row.bottomLeft()));
        kept.reset();
        QCOMPARE(ProfileFile(SettingsPath()).ReadString("Parameters", "Window Maximized", ""), "1");
    }

    void draggingTheBackgroundMovesTheWindow()
    {
        CKelvoraDlg window;
        window.move(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint before = window.pos();
        // The empty band beside the Solution box.
        const QPoint band = window.client()->mapTo(
            &window, MapDialogRect(QRect(300, 250, 1, 1), window.font()).topLeft());
        QVERIFY(window.childAt(band) == window.client());
        QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, band);
        QMouseEvent move(QEvent::MouseMove, QPointF(band + QPoint(30, 20)),
                         QPointF(window.mapToGlobal(band + QPoint(30, 20))), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&window, &move);
        QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, band + QPoint(30, 20));
        QTRY_COMPARE(window.pos(), before + QPoint(30, 20));
    }

    void coloursAndCursor()
    {
        CKelvoraDlg window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage image = window.grab().toImage();
        const QPoint band = window.client()->mapTo(
            &window, MapDialogRect(QRect(420, 300, 1, 1), window.font()).topLeft());
        QCOMPARE(image.pixelColor(band), QColor(190, 230, 250));
        const QPoint inList = window.list()->viewport()->mapTo(&window, QPoint(20, 60));
        QCOMPARE(image.pixelColor(inList), QColor(Qt::white));
        for (QWidget *w : std::initializer_list<QWidget *> {
                 &window, window.list()->viewport(), window.solutionBox(), window.browseButton()})
            QCOMPARE(w->cursor().shape(), Qt::BitmapCursor);
        // Grayed while files convert, a button looks it: even its darkest ink is lighter.
        const auto darkest = [](QWidget *button) {
            const QImage image
                = button->grab().toImage().convertToFormat(QImage::Format_Grayscale8);
            int least = 255;
            for (int y = 0; y < image.height(); ++y)
                least = qMin<int>(least,
                                  *std::min_element(image.constScanLine(y),
                                                    image.constScanLine(y) + image.width()));
            return least;
        };
        for (QWidget *button :
             std::initializer_list<QWidget *> {window.browseButton(), window.solutionButton()}) {
            const int enabled = darkest(button);
            button->setEnabled(false);
            QVERIFY2(darkest(button) > enabled, qPrintable(button->objectName()));
        }
    }

    void helpOpensTheFileBesideTheProgram_data()
    {
        QTest::addColumn<bool>("viewer");
        QTest::addColumn<bool>("opens"); // what the first open reports
        QTest::addColumn<QString>("opened");
        QTest::newRow("CHM viewer") << true << true << "kelvora.chm";
        QTest::newRow("no CHM viewer") << false << true << "kelvora-help/index.html";
        QTest::newRow("the viewer fails") << true << false << "kelvora.chm kelvora-help/index.html";
        QTest::newRow("nothing opens") << false << false << "kelvora-help/index.html message";
    }

    void helpOpensTheFileBesideTheProgram()
    {
        QFETCH(bool, viewer);
        QFETCH(bool, opens);
        QFETCH(QString, opened);
        const QDir program(QCoreApplication::applicationDirPath());
        QVERIFY(program.mkpath("kelvora-help"));
        for (const char *name : {"kelvora.chm", "kelvora-help/index.html"})
            QFile(program.filePath(name)).open(QIODevice::WriteOnly);
        ScriptedDialogs dialogs;
        dialogs.hasOpener = viewer;
        dialogs.NextOpen(opens);
        CKelvoraDlg window;
        const QString before = QDir::currentPath();
        QDir::setCurrent(m_dir.path());
        Run(window, "help");
        QDir::setCurrent(before);
        QString seen = dialogs.opened.join(' ') + (dialogs.messages.isEmpty() ? "" : " message");
        QCOMPARE(seen.replace(program.path() + '/', QString()), opened);
    }

    void selectPreset_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("solution");
        QTest::addColumn<QString>("label");
        QTest::newRow("Divx") << 22 << "AVI - Audio-Video Interleave (*.avi)"
                              << "AVI - Audio-Video Interleave (*.avi)"
                              << "avi file";
        QTest::newRow("3GPP") << 26 << "3GP (*.3gp)"
                              << "3GP  (*.3gp)"
                              << "3gp file";
        QTest::newRow("DV") << 20 << "DV - Digital Video (*.dv)"
                            << "DV - Digital Video (*.dv)"
                            << "dv file";
        QTest::newRow("iPod high") << 2 << "APPLE iPod - High Quarlity (*.mp4)"
                                   << "APPLE iPod - High Quarlity (*.mp4)"
                                   << "mp4 file";
    }

    void selectPreset()
    {
        QFETCH(int, id);
        QFETCH(QString, box);
        QFETCH(QString, solution);
        QFETCH(QString, label);
        CKelvoraDlg window;
        window.media()->store().Append(ProbeItem(m_in, QStringLiteral("a.mp4")));
        window.media()->store().SetState(window.media()->store().at(0).id, ItemState::Completed);
        window.commands().Find(PresetCommand(id))->trigger();
        QCOMPARE(window.settings().preset.id, id);
        QCOMPARE(window.solutionBox()->text(), box);
        QCOMPARE(window.settings().preset.solutionText, solution);
        QCOMPARE(window.settings().preset.formatLabel, label);
        QCOMPARE(window.media()->Text(0, MediaColumn::TargetFormat), label);
        // Rows added afterwards carry the new label; nothing was written yet.
        window.media()->store().Append(ProbeItem(m_in, QStringLiteral("b.avi")));
        QCOMPARE(window.media()->Text(1, MediaColumn::TargetFormat), label);
        QVERIFY(!QFileInfo::exists(window.settingsPath()));
    }

    void listMenuRules_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<int>("selectedRunning");
        QTest::addColumn<QList<int>>("disabled");
        const QList<int> moves {ID_MOVE_UP, ID_MOVE_DOWN, ID_LIST_CANCEL};
        QTest::newRow("none selected")
            << 0 << -1
            << QList<int> {ID_LIST_REMOVE,       ID_LIST_CONVERT_SELECTED, ID_PROPERTIES,
                           ID_LIST_SKIP_CURRENT, ID_LIST_STOP_ALL,         ID_LIST_CONVERT_ALL}
                + moves;
        QTest::newRow("one selected") << 1 << -1 << moves;
        QTest::newRow("two selected") << 2 << -1 << QList<int> {ID_PROPERTIES} + moves;
        QTest::newRow("the converting row selected")
            << 1 << 1 << QList<int> {ID_LIST_REMOVE, ID_MOVE_UP, ID_MOVE_DOWN};
        QTest::newRow("a waiting row selected while converting")
            << 1 << 0 << QList<int> {ID_LIST_CANCEL};
    }

    void listMenuRules()
    {
        QFETCH(int, selected);
        QFETCH(int, selectedRunning);
        QFETCH(QList<int>, disabled);
        CMenuEx menu;
        QVERIFY(menu.LoadFromResource(IDR_LIST_MENU));
        Commands commands;
        commands.Bind(menu);
        CommandContext context;
        context.rows = 3;
        context.selectedRows = selected;
        context.converting = selectedRunning >= 0;
        context.selectedRunning = qMax(0, selectedRunning);
        context.canMoveUp = context.canMoveDown = selectedRunning == 0;
        commands.ApplyRules(context);
        for (int id : {ID_LIST_ADD_FILES, ID_LIST_ADD_FOLDER, ID_FILE_SELECT_ALL, ID_LIST_REMOVE,
                       ID_LIST_REMOVE_ALL, ID_LIST_CONVERT_SELECTED, ID_LIST_CONVERT_ALL,
                       ID_LIST_SKIP_CURRENT, ID_LIST_STOP_ALL, ID_PROPERTIES, ID_MOVE_UP,
                       ID_MOVE_DOWN, ID_LIST_CANCEL})
            QCOMPARE(menu.FindAction(id)->isEnabled(), !disabled.contains(id));
    }

    void propertiesOfTheFirstSelectedRow()
    {
        CKelvoraDlg window;
        window.show();
        window.media()->store().Append(ProbeItem(m_in, QStringLiteral("a.mp4")));
        window.media()->store().Append(ProbeItem(m_in, QStringLiteral("slow.mkv")));
        Run(window, "properties"); // nothing selected: nothing opens
        window.list()->selectRow(1);
        QString caption;
        bool ownerDisabled = false;
        QTimer::singleShot(200, [&] {
            auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto *tabs = dialog->findChild<QTabWidget *>();
            caption = tabs ? tabs->tabText(0) : QString();
            ownerDisabled = !window.isEnabled();
            dialog->reject();
        });
        Run(window, "properties");
        QCOMPARE(caption, QStringLiteral("slow.mkv"));
        QVERIFY(ownerDisabled);
        QVERIFY(window.isEnabled());
    }

    void rightClickShowsTheListMenu()
    {
        CKelvoraDlg window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const char *name : {"a.mp4", "b.avi", "c.ts"})
            window.media()->store().Append(ProbeItem(m_in, QLatin1String(name)));
        window.list()->selectRow(1);
        QStringList shown;
        bool propertiesEnabled = false;
        QTimer::singleShot(200, [&] {
            auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!popup)
                return;
            for (QAction *a : popup->actions()) {
                shown << a->text();
                if (a->data().toInt() == ID_PROPERTIES)
                    propertiesEnabled = a->isEnabled();
            }
            popup->close();
        });
        const QPoint inRow
            = window.list()->visualRect(window.list()->model()->index(1, 1)).center();
        Q_EMIT window.list()->customContextMenuRequested(inRow);
        QCOMPARE(shown.size(), 13);
        QCOMPARE(shown.first(), QStringLiteral("Add Files          "));
        QCOMPARE(shown.last(), QStringLiteral("Properties"));
        QVERIFY(propertiesEnabled);
    }

    void doubleClickAndHeaderClickChangeNothing()
    {
        CKelvoraDlg window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        for (const char *name : {"c.ts", "a.mp4", "b.avi"})
            window.media()->store().Append(ProbeItem(m_in, QLatin1String(name)));
        auto snapshot = [&window] {
            QStringList s;
            for (int row = 0; row < window.media()->rowCount(); ++row)
                s << window.media()->FileName(row) + window.media()->Status(row)
                        + QString::number(window.media()->IsChecked(row));
            return s;
        };
        const QStringList before = snapshot();
        const QRect cell = window.list()->visualRect(window.list()->model()->index(1, 1));
        QTest::mouseDClick(window.list()->viewport(), Qt::LeftButton, Qt::NoModifier,
                           cell.center());
        QHeaderView *header = window.list()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        QCOMPARE(snapshot(), before);
        QVERIFY(!window.list()->isSortingEnabled());
    }

    void wholeRoad()
    {
        const QString folder = Folder(QStringLiteral("folder"));
        QFile::copy(m_in + QStringLiteral("c.ts"), folder + QStringLiteral("d.ts"));
        QFile::copy(m_in + QStringLiteral("b.avi"), folder + QStringLiteral("e.avi"));
        const QString out = Folder(QStringLiteral("out"));
        ScriptedDialogs dialogs;
        {
            CKelvoraDlg window;
            window.show();
            dialogs.NextFiles({m_in + QStringLiteral("a.mp4"), m_in + QStringLiteral("b.avi")});
            Run(window, "addFiles");
            QTRY_VERIFY_WITH_TIMEOUT(!window.media()->adding(), 60000);
            dialogs.NextFolder(folder);
            Run(window, "addFolder");
            QTRY_VERIFY_WITH_TIMEOUT(!window.media()->adding(), 60000);
            QCOMPARE(window.media()->rowCount(), 4);
            QCOMPARE(dialogs.messages.last().text, QStringLiteral("2 media files added!"));
            dialogs.NextFolder(out.chopped(1));
            Run(window, "browse");
            QCOMPARE(window.settings().currentFolder, out);
            QCOMPARE(window.folderBox()->currentText(), out);

            Run(window, "preset13"); // WMV
            Run(window, "convertAll");
            // The list stays usable; what the batch reads as each file starts is locked.
            QVERIFY(window.list()->isEnabled() && !window.browseButton()->isEnabled()
                    && !window.solutionButton()->isEnabled() && !window.folderBox()->isEnabled());
            QTRY_VERIFY_WITH_TIMEOUT(!window.queue()->IsConverting(), 120000);
            QCOMPARE(Statuses(window), QStringList(4, StateText(ItemState::Completed)));
            for (const char *name : {"a.wmv", "b.wmv", "d.wmv", "e.wmv"})
                QCOMPARE(testmedia::Streams(out + QLatin1String(name)),
                         (QStringList {"wmv2:video", "wmav2:audio"}));
            QVERIFY(window.list()->isEnabled() && window.browseButton()->isEnabled());

            // The batch line counts each batch's own files, canceled ones too.
            QStringList said;
            connect(&window.queue()->batch(), &BatchQueue::ItemFinished, this, [&] {
                said << window.findChild<QLabel *>("batchStatus")->text().section(',', 0, 0);
            });
            // iPod, only the selected row.
            Run(window, "preset0");
            window.list()->selectRow(2);
            Run(window, "convertSelected");
            QTRY_VERIFY_WITH_TIMEOUT(!window.queue()->IsConverting(), 120000);
            QVERIFY(QFileInfo::exists(out + QStringLiteral("d.mp4")));
            QVERIFY(!QFileInfo::exists(out + QStringLiteral("a.mp4")));

            // Skip, then stop, on a slow file among quick ones, one at a time: side by side, a
            // skip would end the quick file too whenever it is still running.
            Run(window, "oneAtATime");
            dialogs.NextFiles({m_in + QStringLiteral("slow.mkv"), m_in + QStringLiteral("c.ts")});
            Run(window, "addFiles");
            QTRY_VERIFY_WITH_TIMEOUT(!window.media()->adding(), 60000);
            Run(window, "convertAll");
            QTRY_VERIFY_WITH_TIMEOUT(
                QueueFixture::BarOf(window.media()->store(), 4) != MediaItem::kNoProgress, 120000);
            // Nothing may remove a row while it converts.
            window.list()->selectRow(4);
            Run(window, "removeSelected");
            QCOMPARE(window.media()->rowCount(), 6);
            Run(window, "stopCurrent");
            QTRY_VERIFY_WITH_TIMEOUT(!window.queue()->IsConverting(), 120000);
            QCOMPARE(window.media()->Status(4), StateText(ItemState::Canceled));
            QCOMPARE(window.media()->Status(5), StateText(ItemState::Completed));
            QStringList counted {"1 of 1 files done"};
            for (int done = 1; done <= 6; ++done)
                counted << QStringLiteral("%1 of 6 files done").arg(done);
            QCOMPARE(said, counted);

            Run(window, "convertAll");
            QTRY_VERIFY_WITH_TIMEOUT(
                QueueFixture::BarOf(window.media()->store(), 4) != MediaItem::kNoProgress, 120000);
            Run(window, "stopAll");
            QTRY_VERIFY_WITH_TIMEOUT(!window.queue()->IsConverting(), 120000);
            QCOMPARE(window.media()->Status(4), StateText(ItemState::Canceled));
            Run(window, "removeAll"); // the band's summary goes with the rows
            QVERIFY(window.findChild<QLabel *>("batchStatus")->isHidden());
            Run(window, "exit");
            QCOMPARE(window.result(), int(QDialog::Accepted));
        }
        // The settings file holds the preset and the recent folders, and a restart shows them.
        ProfileFile file(SettingsPath());
        QCOMPARE(file.ReadString("Parameters", "Current Solution", "x"), QStringLiteral("0"));
        QCOMPARE(file.ReadString("Recent Saving Folder", "First Folder", "x"), out);
        CKelvoraDlg again;
        QCOMPARE(again.solutionBox()->text(), QStringLiteral("APPLE iPod - Low Quarlity (*.mp4)"));
        QCOMPARE(again.folderBox()->currentText(), out);
        QCOMPARE(again.settings().currentFolder, out);
    }

    void keepsTheTreeSkipsAndWatches()
    {
        // Two albums with a song of one name, converted twice with Skip the File; then a watched
        // folder whose files are converted as they arrive, in a folder made after watching began.
        const QString library = Folder(QStringLiteral("library"));
        const QString out = Folder(QStringLiteral("library out"));
        const QString watched = Folder(QStringLiteral("watched"));
        for (const QString album : {"Album A/", "Album B/"})
            QVERIFY(QDir().mkpath(library + album)
                    && QFile::copy(m_in + "a.mp4", library + album + "01 Intro.mp4"));
        ScriptedDialogs dialogs;
        {
            CKelvoraDlg window;
            dialogs.NextFolder(out.chopped(1));
            Run(window, "browse");
            dialogs.NextFolder(library, 1);
            Run(window, "addFolder");
            QTRY_VERIFY_WITH_TIMEOUT(!window.media()->adding(), 60000);
            const MediaStore &store = window.media()->store();
            QCOMPARE(store.index(1, MediaColumn::FileName).data(Qt::ToolTipRole).toString(),
                     QStringLiteral("Album B/01 Intro.mp4"));
            Run(window, "preset24");
            Run(window, "outputSkip");
            for (const ItemState state : {ItemState::Completed, ItemState::AlreadyConverted}) {
                Run(window, "convertAll");
                QTRY_VERIFY_WITH_TIMEOUT(!window.queue()->IsConverting(), 120000);
                QCOMPARE(Statuses(window), QStringList(2, StateText(state)));
            }
            QCOMPARE(QDir(out + "Album B").entryList(QDir::Files), QStringList {"01 Intro.mp3"});
            QCOMPARE(store.index(0, MediaColumn::Status).data(MediaStore::ToneRole).toInt(),
                     int(MediaStore::Muted));
            QVERIFY(
                window.findChild<QLabel *>("batchStatus")->text().endsWith("2 already converted"));
            QVERIFY(!window.findChild<QAction *>("retryFailed")->isEnabled());
            Run(window, "convertArrivals");
            dialogs.NextFolder(watched, 1);
            Run(window, "watchFolder");
            QCOMPARE(window.findChild<QLabel *>("watchedFolders")->text(), "Watching: " + watched);
            QVERIFY(QDir().mkdir(watched + "new")
                    && QFile::copy(m_in + "b.avi", watched + "new/b.avi"));
            QTRY_COMPARE_WITH_TIMEOUT(window.media()->rowCount(), 3, 60000);
            QTRY_COMPARE_WITH_TIMEOUT(window.media()->Status(2), StateText(ItemState::Completed),
                                      120000);
            QVERIFY(QFileInfo::exists(out + "new/b.mp3"));
        }
        CKelvoraDlg again;
        QCOMPARE(again.settings().watched.size(), 1);
        QVERIFY(again.findChild<QAction *>("outputSkip")->isChecked()
                && again.findChild<QAction *>("convertArrivals")->isChecked()
                && again.findChild<QAction *>("stopWatching")->isEnabled());
        Run(again, "stopWatching");
        QVERIFY(again.media()->items().watch().folders().isEmpty()
                && !again.findChild<QAction *>("stopWatching")->isEnabled());
    }

    void closingStopsTheConverter()
    {
        const QString out = Folder(QStringLiteral("closing"));
        ScriptedDialogs dialogs;
        pid_t converter = 0;
        {
            CKelvoraDlg window;
            window.show();
            dialogs.NextFolder(out);
            Run(window, "browse");
            Run(window, "preset8"); // PSP high: slow enough to still run
            dialogs.NextFiles({m_in + QStringLiteral("slow.mkv")});
            Run(window, "addFiles");
            QTRY_VERIFY_WITH_TIMEOUT(!window.media()->adding(), 60000);
            Run(window, "convertAll");
            QTRY_VERIFY_WITH_TIMEOUT(window.queue()->batch().ConverterPids().value(0) > 0, 60000);
            converter = pid_t(window.queue()->batch().ConverterPids().value(0));
            window.reject(); // the window's close button
            QVERIFY(!window.queue()->IsConverting());
        }
        QCOMPARE(::kill(converter, 0), -1);
    }

    void lastPresetPickedIsSavedOnClose()
    {
        const QString out = Folder(QStringLiteral("preset on close"));
        ScriptedDialogs dialogs;
        {
            CKelvoraDlg window;
            window.show();
            // A new saving folder writes the settings with the preset of that moment.
            Run(window, "preset19"); // MPEG4
            dialogs.NextFolder(out);
            Run(window, "browse");
            ProfileFile written(SettingsPath());
            QCOMPARE(written.ReadString("Parameters", "Current Solution", "x"),
                     QStringLiteral("19"));
            // The last pick differs from everything written so far and from the default.
            Run(window, "preset21"); // ASF
            Run(window, "preset27"); // 3GPP2
            Run(window, "exit");
        }
        ProfileFile file(SettingsPath());
        QCOMPARE(file.ReadString("Parameters", "Current Solution", "x"), QStringLiteral("27"));
        QCOMPARE(file.ReadString("Parameters", "Current Solution String", "x"),
                 QStringLiteral("3GPP2 (*.3g2)"));
        QCOMPARE(file.ReadString("Parameters", "Current Format", "x"), QStringLiteral("3g2 file"));
        CKelvoraDlg again;
        QCOMPARE(again.settings().preset.id, 27);
        QCOMPARE(again.solutionBox()->text(), QStringLiteral("3GPP2 (*.3g2)"));
    }

    void simultaneousConversionsMenu_data()
    {
        QTest::addColumn<QByteArray>("parameters"); // the settings file's [Parameters]; null: none
        QTest::addColumn<int>("checked"); // the item checked when the window opens
        QTest::addColumn<int>("choose"); // the item the user chooses; 0: none
        QTest::addColumn<int>("slots"); // what the window keeps afterwards (0: processor cores)
        const int cores = ID_SIMULTANEOUS_CORES;
        QTest::newRow("no settings file") << QByteArray() << cores << 0 << 0;
        QTest::newRow("choose one at a time") << QByteArray() << cores << ID_SIMULTANEOUS_ONE << 1;
        QTest::newRow("2 in the file, choose 4")
            << QByteArray("Simultaneous Conversions=2\n") << ID_SIMULTANEOUS_TWO
            << ID_SIMULTANEOUS_FOUR << 4;
        QTest::newRow("4 in the file, choose processor cores")
            << QByteArray("Simultaneous Conversions=4\n") << ID_SIMULTANEOUS_FOUR << cores << 0;
        QTest::newRow("choose the checked item again")
            << QByteArray("Simultaneous Conversions=2\n") << ID_SIMULTANEOUS_TWO
            << ID_SIMULTANEOUS_TWO << 2;
        QTest::newRow("file without the key")
            << QByteArray("Current Solution=13\n") << cores << 0 << 0;
        for (const char *garbage : {"3", "16", "-1", "two", ""})
            QTest::addRow("garbage \"%s\"", garbage) << QByteArray("Simultaneous Conversions=")
                    + garbage + '\n' << cores << 0 << 0;
    }

    void simultaneousConversionsMenu()
    {
        QFETCH(QByteArray, parameters);
        QFETCH(int, checked);
        QFETCH(int, choose);
        QFETCH(int, slots);
        const QMap<int, int> choices {{ID_SIMULTANEOUS_ONE, 1},
                                      {ID_SIMULTANEOUS_TWO, 2},
                                      {ID_SIMULTANEOUS_FOUR, 4},
                                      {ID_SIMULTANEOUS_CORES, 0}};
        // Exactly `id` is checked, and the queue runs that many conversions at a time.
        auto shows = [&choices](CKelvoraDlg &window, int id) {
            for (int item : choices.keys()) {
                QAction *action = MenuAction(window, item);
                if (!action || !action->isCheckable() || action->isChecked() != (item == id))
                    return false;
            }
            const int count = choices.value(id);
            return window.settings().simultaneous == count
                && window.queue()->batch().slots()
                == (count == 0 ? BatchQueue::DefaultSlots() : count);
        };
        if (!parameters.isNull()) {
            QVERIFY(CreateSettingsFolder(SettingsPath()));
            QFile file(SettingsPath());
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("[Parameters]\n" + parameters);
        }
        const int after = choose ? choose : checked;
        {
            CKelvoraDlg window;
            QVERIFY(shows(window, checked));
            if (choose)
                MenuAction(window, choose)->trigger(); // as a click on the item does
            QVERIFY(shows(window, after));
        }
        // Kept on close, and shown by the next start.
        ProfileFile file(SettingsPath());
        QCOMPARE(file.ReadString("Parameters", "Simultaneous Conversions", "x"),
                 QString::number(slots));
        CKelvoraDlg again;
        QVERIFY(shows(again, after));
    }
};

QTEST_MAIN(TestKelvoraDlg)
#include "tst_kelvora_dlg.moc"
