// The windows on a desktop: every window survives being maximised, the main window grows and
// remembers its size, every text reads under a dark desktop theme, the keys, and the hand-over
// of a second copy's activation token. Run offscreen, and by CTest again under Xvfb and on a
// headless Weston where they are installed.

#include "app/instance_channel.h"
#include "app/kelvora_dlg.h"
#include "app/settings.h"
#include "controls/chrome/about_dlg.h"
#include "controls/chrome/flat_combo_box.h"
#include "controls/chrome/menu_ex.h"
#include "controls/listview/drag_drop_list_ctrl.h"
#include "media/media_list.h"
#include "media/properties_dlg.h"
#include "platform/dialog_units.h"
#include "platform/profile.h"
#include "res/resource.h"
#include "support/media_factory.h"
#include "support/scripted_dialogs.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <thread>

namespace {

double Luminance(const QColor &color)
{
    auto linear = [](double c) {
        return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(color.redF()) + 0.7152 * linear(color.greenF())
        + 0.0722 * linear(color.blueF());
}

double Contrast(const QColor &a, const QColor &b)
{
    const double la = Luminance(a);
    const double lb = Luminance(b);
    return (qMax(la, lb) + 0.05) / (qMin(la, lb) + 0.05);
}

// The contrast of the text in `area` of `image`: its most frequent colour is the ground, the
// pixel that stands out most from it the ink.
double TextContrast(const QImage &image, const QRect &area)
{
    QHash<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        if (it.value() > counts.value(ground))
            ground = it.key();
    double best = 1;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        best = qMax(best, Contrast(QColor(it.key()), QColor(ground)));
    return best;
}

// A palette as a dark desktop theme gives it.
QPalette DarkPalette()
{
    QPalette dark(QColor(53, 53, 53), QColor(53, 53, 53));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Base, QColor(35, 35, 35));
    dark.setColor(QPalette::Light, QColor(80, 80, 80));
    dark.setColor(QPalette::Dark, QColor(30, 30, 30));
    dark.setColor(QPalette::Highlight, QColor(42, 130, 218));
    dark.setColor(QPalette::HighlightedText, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        dark.setColor(QPalette::Disabled, role, QColor(110, 110, 110));
    return dark;
}

void CollectPopups(const CMenuEx &menu, QList<const CMenuEx *> *popups)
{
    if (menu.popup())
        *popups << &menu;
    for (int i = 0; i < menu.ItemCount(); ++i)
        if (const CMenuEx *submenu = menu.Item(i)->submenu.get())
            CollectPopups(*submenu, popups);
}

// Whether the platform gives a maximised window the screen (Xvfb has no window manager).
bool PlatformMaximises()
{
    return QGuiApplication::platformName() != QLatin1String("xcb");
}

} // namespace

class TestDesktop : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        // Started as a dark desktop theme starts a program.
        QApplication::setPalette(DarkPalette());
        for (const char *name : {"a.mp4", "b.mp4"})
            QVERIFY(testmedia::MakeSmallClip(m_dir.filePath(QLatin1String(name))));
    }

    void init() { QFile::remove(SettingsPath()); }

    void everyWindowSurvivesMaximise_data()
    {
        QTest::addColumn<QString>("window");
        for (const char *window : {"main", "about", "properties", "message"})
            QTest::newRow(window) << window;
    }

    void everyWindowSurvivesMaximise()
    {
        QFETCH(QString, window);
        CKelvoraDlg main;
        std::unique_ptr<QWidget> widget;
        if (window == QLatin1String("about"))
            widget = std::make_unique<CAboutDlg>(&main);
        else if (window == QLatin1String("properties"))
            widget = std::make_unique<CPropertiesDlg>(m_dir.path() + QLatin1Char('/'),
                                                      QStringLiteral("a.mp4"), &main);
        else if (window == QLatin1String("message"))
            widget = std::make_unique<QMessageBox>(QMessageBox::NoIcon, QStringLiteral("Kelvora"),
                                                   QStringLiteral("Kelvora Already Running!"),
                                                   QMessageBox::Ok, &main);
        QWidget *shown = widget ? widget.get() : &main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        shown->show();
        QVERIFY(QTest::qWaitForWindowExposed(shown));
        const QSize before = shown->size();
        if (!widget) {
            // Every menu of the window, opened and closed.
            QList<const CMenuEx *> popups;
            CollectPopups(main.menu(), &popups);
            for (const CMenuEx *popup : popups) {
                popup->popup()->popup(main.mapToGlobal(QPoint(20, 20)));
                QTRY_VERIFY_WITH_TIMEOUT(popup->popup()->isVisible(), 5000);
                popup->popup()->hide();
            }
        }
        const bool grows = shown->minimumSize() != shown->maximumSize();
        shown->showMaximized();
        if (grows && PlatformMaximises()) {
            QTRY_VERIFY_WITH_TIMEOUT(shown->width() > before.width(), 10000);
            QVERIFY(shown->isMaximized());
        } else if (!grows && PlatformMaximises()) {
            // Let grow for a moment at most, then back at its size and state.
            QTRY_VERIFY_WITH_TIMEOUT(!shown->isMaximized() && shown->size() == before
                                         && shown->maximumSize() == before,
                                     10000);
        }
        if (!widget && PlatformMaximises()) {
            // On a 1920 x 1080 screen the list shows 40 rows at least.
            const int row = main.list()->verticalHeader()->defaultSectionSize();
            const int rows = main.list()->viewport()->height() / row;
            QVERIFY2(rows >= 40, qPrintable(QString::number(rows)));
        }
        shown->close();
        QTRY_VERIFY_WITH_TIMEOUT(!shown->isVisible(), 5000);
    }

    void readableUnderADarkTheme_data()
    {
        QTest::addColumn<bool>("enabled");
        QTest::newRow("enabled") << true;
        QTest::newRow("locked during a conversion") << false;
    }

    void readableUnderADarkTheme()
    {
        QFETCH(bool, enabled);
        CKelvoraDlg window;
        CAboutDlg about;
        CPropertiesDlg properties(m_dir.path() + QLatin1Char('/'), QStringLiteral("a.mp4"));
        window.show();
        about.show();
        properties.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.EnableControls(enabled);
        window.menu().EnableItem(ID_FILE_REMOVE, enabled);
        QList<QWidget *> controls {window.menu().menuBar(), window.list()->horizontalHeader()};
        for (QWidget *top : std::initializer_list<QWidget *> {&window, &about, &properties})
            for (QWidget *child : top->findChildren<QWidget *>()) {
                const auto *combo = qobject_cast<QComboBox *>(child);
                const QString text
                    = combo ? combo->currentText() : child->property("text").toString();
                if ((qobject_cast<QLabel *>(child) || qobject_cast<QPushButton *>(child)
                     || qobject_cast<QLineEdit *>(child) || combo)
                    && child->isVisible() && !text.isEmpty())
                    controls << child;
            }
        for (QWidget *control : controls) {
            const QImage image = control->grab().toImage();
            // Inside the frame: the text and its ground.
            const QRect inside = QRect(QPoint(0, 0), image.size()).adjusted(3, 3, -3, -3);
            const double ratio = TextContrast(image, inside);
            QVERIFY2(ratio >= 4.5,
                     qPrintable(QStringLiteral("%1 \"%2\": %3")
                                    .arg(QString::fromLatin1(control->metaObject()->className()),
                                         control->property("text").toString())
                                    .arg(ratio)));
        }
        // The list's rows, as painted from its palette.
        const QPalette list = window.list()->palette();
        for (QPalette::ColorGroup group :
             {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
            QVERIFY(Contrast(list.color(group, QPalette::Text), list.color(group, QPalette::Base))
                    >= 4.5);
            QVERIFY(Contrast(list.color(group, QPalette::HighlightedText),
                             list.color(group, QPalette::Highlight))
                    >= 4.5);
        }

        // Every popup item in every state, painted by the image menu.
        QList<const CMenuEx *> popups;
        CollectPopups(window.menu(), &popups);
        const CMenuEx::tagMENUITEM *item = popups.first()->Item(0);
        QVERIFY(item && item->commandId != 0);
        using S = CMenuEx;
        for (CMenuEx::ItemState state :
             {CMenuEx::ItemState(), CMenuEx::ItemState(S::ItemSelected),
              CMenuEx::ItemState(S::ItemGrayed | S::ItemDisabled),
              CMenuEx::ItemState(S::ItemChecked),
              CMenuEx::ItemState(S::ItemChecked | S::ItemSelected),
              CMenuEx::ItemState(S::ItemChecked | S::ItemGrayed | S::ItemDisabled)}) {
            QImage image(200, 22, QImage::Format_RGB32);
            QPainter painter(&image);
            popups.first()->DrawItem(&painter, image.rect(), state, *item);
            painter.end();
            // The text, right of the image column.
            const double ratio = TextContrast(image, QRect(26, 2, 170, 18));
            QVERIFY2(ratio >= 4.5,
                     qPrintable(QStringLiteral("state %1: %2").arg(int(state)).arg(ratio)));
        }
    }

    void growsAndRemembersItsSize_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QSize>("grownBy");
        QTest::newRow("no size stored") << QString() << QSize(300, 200);
        QTest::newRow("not a size") << QStringLiteral("wide") << QSize(1, 500);
        QTest::newRow("smaller than described") << QStringLiteral("20x10") << QSize(250, 0);
    }

    void growsAndRemembersItsSize()
    {
        QFETCH(QString, stored);
        QFETCH(QSize, grownBy);
        if (!stored.isNull())
            QVERIFY(ProfileFile(SettingsPath())
                        .WriteStrings({{QStringLiteral("Parameters"), QStringLiteral("Window Size"),
                                        stored}}));
        QSize grown;
        {
            CKelvoraDlg window;
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            // Opens at the described size.
            const QFont font = window.font();
            QCOMPARE(window.client()->size(), MapDialogSize(CKelvoraDlg::ClientUnits(), font));
            const QRect list = window.list()->geometry();
            const int folderTop = window.folderBox()->y();
            const int solutionTop = window.solutionBox()->y();
            const int margin
                = window.client()->height() - window.solutionBox()->geometry().bottom();

            window.resize(window.size() + grownBy);
            QTRY_COMPARE_WITH_TIMEOUT(window.client()->width(), list.width() + grownBy.width(),
                                      5000);
            // The list takes the room; the rows under it move with its bottom edge.
            const int taken = window.list()->height() - list.height();
            QCOMPARE(window.list()->width(), list.width() + grownBy.width());
            QVERIFY(taken >= grownBy.height());
            QCOMPARE(window.folderBox()->y(), folderTop + taken);
            QCOMPARE(window.solutionBox()->y(), solutionTop + taken);
            QVERIFY(window.client()->height() - window.solutionBox()->geometry().bottom()
                    <= margin);
            QVERIFY(window.client()->rect().contains(window.solutionBox()->geometry()));
            // The last column ends at the list's edge: no scroll bar across.
            QHeaderView *header = window.list()->horizontalHeader();
            const int last = header->count() - 1;
            QCOMPARE(header->sectionViewportPosition(last) + header->sectionSize(last),
                     window.list()->viewport()->width());
            QVERIFY(!window.list()->horizontalScrollBar()->isVisible());
            grown = window.size();
        }
        Settings settings;
        LoadSettings(settings, SettingsPath());
        QCOMPARE(settings.windowSize, grown);
        CKelvoraDlg again;
        QCOMPARE(again.size(), grown);
    }

    void keys_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("effect");
        QTest::newRow("Ctrl+O") << int(Qt::Key_O) << int(Qt::ControlModifier) << "files";
        QTest::newRow("Ctrl+Shift+O")
            << int(Qt::Key_O) << int(Qt::ControlModifier | Qt::ShiftModifier) << "folder";
        QTest::newRow("Delete") << int(Qt::Key_Delete) << 0 << "removes";
        QTest::newRow("Ctrl+A") << int(Qt::Key_A) << int(Qt::ControlModifier) << "all";
        QTest::newRow("F5") << int(Qt::Key_F5) << 0 << "converts";
    }

    void keys()
    {
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, effect);
        // A headless compositor has no keyboard, and Qt's Wayland plugin matches shortcuts
        // against the keyboard's keymap.
        if (QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
            QSKIP("a headless compositor has no keyboard");
        ScriptedDialogs dialogs;
        CKelvoraDlg window;
        window.show();
        dialogs.NextFiles(
            {m_dir.filePath(QStringLiteral("a.mp4")), m_dir.filePath(QStringLiteral("b.mp4"))});
        window.OnCommand(ID_ADD_FILES);
        QTRY_COMPARE_WITH_TIMEOUT(window.media()->rowCount(), 2, 20000);
        QTRY_VERIFY_WITH_TIMEOUT(window.menu().FindAction(ID_FILE_REMOVE)->isEnabled(), 5000);
        if (effect == QLatin1String("all"))
            window.media()->SetChecked(1, false);
        // Row 1 clicked.
        window.list()->setCurrentIndex(window.list()->model()->index(1, 1));
        dialogs.asked.clear();
        // Keys go to the active window only.
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.list()->setFocus();
        QTest::keyClick(window.list(), Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        if (effect == QLatin1String("files") || effect == QLatin1String("folder")) {
            QCOMPARE(dialogs.asked.size(), 1);
            QCOMPARE(dialogs.asked[0].kind, effect);
        } else if (effect == QLatin1String("removes")) {
            QCOMPARE(window.media()->rowCount(), 1);
            QCOMPARE(window.media()->FileName(0), QStringLiteral("a.mp4"));
        } else if (effect == QLatin1String("all")) {
            QVERIFY(window.media()->IsChecked(0) && window.media()->IsChecked(1));
            QCOMPARE(window.list()->selectionModel()->selectedRows().size(), 2);
        } else {
            QVERIFY(window.queue()->IsConverting());
        }
        QVERIFY(window.isVisible());
    }

    void handOverCarriesTheToken_data()
    {
        QTest::addColumn<QStringList>("paths");
        QTest::addColumn<QString>("token");
        QTest::newRow("files and a token") << QStringList {"/m/a.mp4"} << "kelvora-1234";
        QTest::newRow("only a token") << QStringList() << "abc_DEF";
        QTest::newRow("no token") << QStringList {"/m/b.mp4"} << QString();
    }

    void handOverCarriesTheToken()
    {
        QFETCH(QStringList, paths);
        QFETCH(QString, token);
        InstanceChannel channel;
        const QString socket = m_dir.filePath(QStringLiteral("kelvora.socket"));
        QVERIFY(channel.Listen(socket));
        QSignalSpy received(&channel, &InstanceChannel::PathsReceived);
        bool sent = false;
        std::thread sender([&] { sent = InstanceChannel::Send(socket, paths, token, 10000); });
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 10000);
        sender.join();
        QVERIFY(sent);
        QCOMPARE(received[0][0].toStringList(), paths);
        QCOMPARE(received[0][1].toString(), token);
    }
};

int main(int argc, char **argv)
{
    // Offscreen, the screen is 1920 x 1080 as on a common desktop.
    QTemporaryDir screen;
    if (qEnvironmentVariable("QT_QPA_PLATFORM") == QLatin1String("offscreen")) {
        QFile config(screen.filePath(QStringLiteral("screen.json")));
        if (!config.open(QIODevice::WriteOnly)
            || config.write(R"({"screens": [{"name": "s", "x": 0, "y": 0, "width": 1920,
                "height": 1080, "logicalDpi": 96, "dpr": 1}]})")
                < 0)
            return 2;
        config.close();
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    }
    QApplication app(argc, argv);
    TestDesktop test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_desktop.moc"
