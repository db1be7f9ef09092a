// The windows on a desktop, offscreen, under Xvfb and on Weston: read under a dark theme, driven
// by keys, grown, maximised and remembered; and the token a second copy hands over.

#include "res/resource.h"
#include "support/media_factory.h"
#include "support/scripted_dialogs.h"
#include "ui/app/instance_channel.h"
#include "ui/app/kelvora_dlg.h"
#include "ui/controls/chrome/about_dlg.h"
#include "ui/controls/chrome/flat_combo_box.h"
#include "ui/controls/listview/drag_drop_list_ctrl.h"
#include "ui/controls/listview/text_progress_ctrl.h"
#include "ui/media/media_list.h"
#include "ui/media/properties_dlg.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QMenuBar>
#include <QPainter>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

#include <thread>

// The WCAG contrast ratio of two colours.
static double Contrast(QRgb a, QRgb b)
{
    auto luminance = [](QRgb c) {
        auto linear = [](int v) {
            return v <= 10 ? v / 3294.6 : std::pow((v + 14.025) / 269.025, 2.4);
        };
        return 0.05 + 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c))
            + 0.0722 * linear(qBlue(c));
    };
    return qMax(luminance(a), luminance(b)) / qMin(luminance(a), luminance(b));
}

// Inside a 3-pixel frame the most frequent colour is the ground; the text's ink stands out most.
static double TextContrast(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int i = 0; i < (image.width() - 6) * (image.height() - 6); ++i)
        ++counts[image.pixel(3 + i % (image.width() - 6), 3 + i / (image.width() - 6))];
    const QRgb ground
        = std::max_element(counts.keyValueBegin(), counts.keyValueEnd(), [](auto a, auto b) {
              return a.second < b.second;
          })->first;
    double best = 1;
    for (QRgb ink : counts.keys())
        best = qMax(best, Contrast(ink, ground));
    return best;
}

class TestDesktop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theWindowsOnADesktop()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(SettingsPath());
        QTemporaryDir dir;
        QVERIFY(testmedia::MakeSmallClip(dir.filePath("a.mp4"))
                && QFile::copy(dir.filePath("a.mp4"), dir.filePath("b.mp4")));
        // As a dark desktop theme starts the program.
        QApplication::setPalette(QPalette(Qt::white, QColor(53, 53, 53), QColor(80, 80, 80),
                                          QColor(30, 30, 30), QColor(40, 40, 40), Qt::white,
                                          Qt::white, QColor(35, 35, 35), QColor(53, 53, 53)));
        ScriptedDialogs dialogs;
        auto window = std::make_unique<CKelvoraDlg>();
        CAboutDlg about;
        CPropertiesDlg properties(dir.path() + '/', "a.mp4");
        QList<QWidget *> controls {window->mainMenu().menuBar(),
                                   window->list()->horizontalHeader()};
        for (QWidget *top : std::initializer_list<QWidget *> {&about, &properties, window.get()}) {
            top->show();
            QVERIFY(QTest::qWaitForWindowExposed(top));
            for (QWidget *child : top->findChildren<QWidget *>())
                if ((child->inherits("QLabel") || child->inherits("QPushButton")
                     || child->inherits("QLineEdit") || child->inherits("QComboBox"))
                    && !child->property(child->inherits("QComboBox") ? "currentText" : "text")
                            .toString()
                            .isEmpty())
                    controls << child;
        }
        // Every text readable, enabled and locked as during a conversion.
        for (bool enabled : {false, true}) {
            window->EnableControls(enabled);
            for (QWidget *control : controls)
                QVERIFY2(TextContrast(control->grab().toImage()) >= 4.5,
                         control->metaObject()->className());
        }
        // A bar's percentage, dark red, reads on its green and on the white beside it.
        for (double fraction : {0.0, 1.0}) {
            QImage bar(200, 20, QImage::Format_RGB32);
            QPainter painter(&bar);
            CTextProgressCtrl::Paint(&painter, bar.rect(), bar.rect(), {}, fraction,
                                     QStringLiteral("50%  1:05 left"), window->font());
            painter.end();
            QVERIFY(TextContrast(bar) >= 4.5);
        }
        // Selected rows in the list, in every state of the window.
        const QPalette list = window->list()->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            QVERIFY(Contrast(list.color(group, QPalette::HighlightedText).rgb(),
                             list.color(group, QPalette::Highlight).rgb())
                    >= 4.5);
        // A popup item of the image menu in every state.
        const CMenuEx *file = window->mainMenu().Item(0)->submenu.get();
        for (int state = 0; state < 16; ++state) {
            QImage image(200, 22, QImage::Format_RGB32);
            QPainter painter(&image);
            file->DrawItem(&painter, image.rect(), CMenuEx::ItemState(state), *file->Item(0));
            painter.end();
            // The text, right of the image column.
            QVERIFY2(TextContrast(image.copy(24, 0, 176, 22)) >= 4.5,
                     qPrintable(QString::number(state)));
        }

        // The keys. Qt's Wayland plugin matches them against the keyboard's map, and a headless
        // Weston has no keyboard.
        dialogs.NextFiles({dir.filePath("a.mp4"), dir.filePath("b.mp4")});
        window->findChild<QAction *>("addFiles")->trigger();
        QTRY_VERIFY_WITH_TIMEOUT(!window->media()->adding(), 60000);
        QTRY_VERIFY_WITH_TIMEOUT(window->mainMenu().FindAction(ID_FILE_REMOVE)->isEnabled(), 20000);
        // Keys go to the active window: the others are out of the way.
        about.hide();
        properties.hide();
        dialogs.asked.clear();
        window->activateWindow();
        if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland"))
            && QTest::qWaitForWindowActive(window.get())) {
            for (const char *keys : {"Ctrl+O", "Ctrl+Shift+O"})
                QTest::keySequence(window->list(), QKeySequence(keys));
            QVERIFY(dialogs.asked.size() == 2
                    && dialogs.asked[1].kind == QLatin1String("media folder"));
            window->media()->SetChecked(0, false);
            QTest::keySequence(window->list(), QKeySequence("Ctrl+A"));
            QVERIFY(window->media()->IsChecked(0)
                    && window->list()->selectionModel()->selectedRows().size() == 2);
            window->list()->selectionModel()->setCurrentIndex(
                window->list()->model()->index(0, 1),
                QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows); // row 0 clicked
            QTest::keyClick(window->list(), Qt::Key_Delete);
            QCOMPARE(window->media()->rowCount(), 1);
            QCOMPARE(window->media()->FileName(0), QStringLiteral("b.mp4"));
            QTest::keyClick(window->list(), Qt::Key_F5);
            QVERIFY(window->queue()->IsConverting());
            QTRY_VERIFY_WITH_TIMEOUT(!window->queue()->IsConverting(), 20000);
        }

        // Grown, the list takes the room; the rows under it move with its bottom edge.
        const bool maximises = QGuiApplication::platformName() != QLatin1String("xcb"); // no WM
        const QRect list0 = window->list()->geometry();
        const int folderTop = window->folderBox()->y();
        window->resize(window->size() + QSize(300, 200));
        QTRY_COMPARE_WITH_TIMEOUT(window->list()->width(), list0.width() + 300, 5000);
        const int taken = window->list()->height() - list0.height();
        QVERIFY(taken >= 200 && window->folderBox()->y() == folderTop + taken);
        QVERIFY(window->client()->rect().contains(window->solutionBox()->geometry()));
        QHeaderView *header = window->list()->horizontalHeader();
        QCOMPARE(header->sectionViewportPosition(header->count() - 1)
                     + header->sectionSize(header->count() - 1),
                 window->list()->viewport()->width());
        QVERIFY(!window->list()->horizontalScrollBar()->isVisible());
        const QSize grown = window->size();

        // Maximised with its menus open: the main window takes a 1920 x 1080 screen and shows 40
        // rows; the About box grows for a moment at most, then has its size and state back.
        for (QAction *entry : window->mainMenu().menuBar()->actions()) {
            entry->menu()->popup(window->mapToGlobal(QPoint(20, 20)));
            QTRY_VERIFY_WITH_TIMEOUT(entry->menu()->isVisible(), 5000);
            entry->menu()->hide();
        }
        window->showMaximized();
        const int row = window->list()->verticalHeader()->defaultSectionSize();
        QTRY_VERIFY_WITH_TIMEOUT(!maximises || window->list()->viewport()->height() / row >= 40,
                                 9000);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QSize aboutSize = about.size();
        about.showMaximized();
        QTRY_VERIFY_WITH_TIMEOUT(!maximises
                                     || (!about.isMaximized() && about.size() == aboutSize
                                         && about.maximumSize() == aboutSize),
                                 9000);

        // The size before maximising is the one the window opens at next time.
        window.reset();
        QCOMPARE(CKelvoraDlg().size(), grown);
    }

    void handOverCarriesTheToken()
    {
        QTemporaryDir dir;
        InstanceChannel channel;
        QVERIFY(channel.Listen(dir.filePath("kelvora.socket")));
        QSignalSpy received(&channel, &InstanceChannel::PathsReceived);
        bool sent = false;
        std::thread sender(
            [&] { sent = InstanceChannel::Send(dir.filePath("kelvora.socket"), {}, "token-1"); });
        QTRY_COMPARE_WITH_TIMEOUT(received.size(), 1, 10000);
        sender.join();
        QVERIFY(sent && received[0] == QVariantList({QStringList(), "token-1"}));
    }
};

// Offscreen, CTest gives it a screen of 1920 x 1080 (support/screen_1920x1080.json).
QTEST_MAIN(TestDesktop)
#include "tst_desktop.moc"
