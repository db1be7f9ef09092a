// The windows as they are drawn at a device pixel ratio: every text inside its control, no two
// controls over each other, menus measured and painted at their size, and the menu bar worked
// from the keyboard. The program runs at ratio 1 and runs itself again at 1.5 and 2
// (QT_SCALE_FACTOR is read once, when the application starts).

#include "engine/media/media_store.h"
#include "engine/platform/language.h"
#include "res/resource.h"
#include "support/scripted_dialogs.h"
#include "ui/app/kelvora_dlg.h"
#include "ui/controls/chrome/about_dlg.h"
#include "ui/controls/chrome/menu_ex.h"
#include "ui/controls/listview/drag_drop_list_ctrl.h"
#include "ui/media/pro_dlg.h"
#include "ui/media/properties_dlg.h"
#include "ui/platform/dialog_units.h"
#include "ui/res/bitmaps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionGroupBox>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>

namespace {

const char kChildVariable[] = "KELVORA_LOOK_RATIO";

// The ratio this process draws at: 1 unless started as a child for another ratio.
qreal ExpectedRatio()
{
    const QByteArray ratio = qgetenv(kChildVariable);
    return ratio.isEmpty() ? 1.0 : ratio.toDouble();
}

// What a control shows of a text with "&" mnemonic marks.
QString ShownText(const QString &text)
{
    QString shown;
    for (int i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (i + 1 < text.size() && text[i + 1] == QLatin1Char('&'))
                shown += text[++i];
            continue;
        }
        shown += text[i];
    }
    return shown;
}

int TextWidth(const QFont &font, const QString &text)
{
    return qCeil(QFontMetricsF(font).horizontalAdvance(ShownText(text)));
}

// The visible direct children of `parent` that are controls, by name for messages.
QList<QWidget *> Controls(const QWidget *parent)
{
    QList<QWidget *> controls;
    for (QWidget *child : parent->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(parent) && !child->isWindow())
            controls << child;
    }
    return controls;
}

QString Name(const QWidget *widget)
{
    return widget->objectName().isEmpty() ? QString::fromLatin1(widget->metaObject()->className())
                                          : widget->objectName();
}

// The first pair of controls of `parent` that overlap, described; empty when none do.
QString FirstOverlap(const QList<QWidget *> &controls)
{
    for (int i = 0; i < controls.size(); ++i) {
        for (int j = i + 1; j < controls.size(); ++j) {
            const QRect a = controls[i]->geometry();
            const QRect b = controls[j]->geometry();
            if (a.intersects(b)) {
                return QStringLiteral("%1 (%2,%3 %4x%5) overlaps %6 (%7,%8 %9x%10)")
                    .arg(Name(controls[i]))
                    .arg(a.x())
                    .arg(a.y())
                    .arg(a.width())
                    .arg(a.height())
                    .arg(Name(controls[j]))
                    .arg(b.x())
                    .arg(b.y())
                    .arg(b.width())
                    .arg(b.height());
            }
        }
    }
    return QString();
}

// Why the text of `widget` does not fit it, or empty when it fits. Labels, buttons and group box
// titles are measured; other controls show no fixed text.
QString ClippedText(const QWidget *widget)
{
    const QFontMetricsF metrics(widget->font());
    if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        if (label->text().isEmpty())
            return QString();
        const QRect room = label->contentsRect();
        const QRectF needed = label->wordWrap()
            ? metrics.boundingRect(QRectF(room), Qt::TextWordWrap, label->text())
            : QRectF(0, 0, metrics.horizontalAdvance(label->text()), metrics.height());
        if (needed.width() > room.width() + 0.01 || needed.height() > room.height() + 0.01)
            return QStringLiteral("\"%1\" needs %2x%3 in %4x%5")
                .arg(label->text())
                .arg(needed.width())
                .arg(needed.height())
                .arg(room.width())
                .arg(room.height());
    } else if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
        if (button->text().isEmpty())
            return QString();
        const int margin = button->style()->pixelMetric(QStyle::PM_ButtonMargin, nullptr, button);
        const int frame
            = button->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        const qreal width = metrics.horizontalAdvance(ShownText(button->text())) + 2 * margin;
        const qreal height = metrics.height() + 2 * frame;
        if (width > button->width() || height > button->height())
            return QStringLiteral("\"%1\" needs %2x%3 in %4x%5")
                .arg(button->text())
                .arg(width)
                .arg(height)
                .arg(button->width())
                .arg(button->height());
    } else if (const auto *box = qobject_cast<const QGroupBox *>(widget)) {
        QStyleOptionGroupBox option;
        option.initFrom(box);
        option.text = box->title();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.lineWidth = 1;
        option.features = QStyleOptionFrame::None;
        const QRect label = box->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                                         QStyle::SC_GroupBoxLabel, box);
        if (metrics.horizontalAdvance(box->title()) > label.width() + 0.01
            || label.right() >= box->width())
            return QStringLiteral("title \"%1\" does not fit %2")
                .arg(box->title())
                .arg(box->width());
    }
    return QString();
}

// Every control of `parent` and below: the first clipped text, described.
QString FirstClippedText(const QWidget *parent)
{
    QList<QWidget *> all = parent->findChildren<QWidget *>();
    for (const QWidget *widget : all) {
        if (!widget->isVisibleTo(parent))
            continue;
        const QString why = ClippedText(widget);
        if (!why.isEmpty())
            return Name(widget) + QStringLiteral(": ") + why;
    }
    return QString();
}

// The right-most column of `area` (logical) in `image` (device pixels) that holds any colour but
// `paper`, in logical units; -1 when there is none.
qreal LastInk(const QImage &image, const QRect &area, const QColor &paper)
{
    const qreal ratio = image.devicePixelRatio();
    const QRect device(qFloor(area.left() * ratio), qFloor(area.top() * ratio),
                       qFloor(area.width() * ratio), qFloor(area.height() * ratio));
    for (int x = device.right(); x >= device.left(); --x) {
        for (int y = device.top(); y <= device.bottom(); ++y) {
            if (image.pixelColor(x, y) != paper)
                return (x + 1) / ratio;
        }
    }
    return -1;
}

// With KELVORA_LOOK_IMAGES naming a folder, what a test saw is saved there for a person to see.
void Keep(const QImage &image, const QString &name)
{
    const QString folder = qEnvironmentVariable("KELVORA_LOOK_IMAGES");
    if (!folder.isEmpty())
        image.save(QStringLiteral("%1/%2-%3@%4.png")
                       .arg(folder, name, qEnvironmentVariable("KELVORA_LANGUAGE", "en"))
                       .arg(ExpectedRatio()));
}

void CloseAllPopups()
{
    while (QWidget *popup = QApplication::activePopupWidget())
        popup->close();
}

// Every popup level of `menu`, depth first.
void CollectPopups(const CMenuEx &menu, QList<QMenu *> *popups)
{
    if (menu.popup())
        *popups << menu.popup();
    for (int i = 0; i < menu.ItemCount(); ++i) {
        if (const CMenuEx *submenu = menu.Item(i)->submenu.get())
            CollectPopups(*submenu, popups);
    }
}

} // namespace

class TestWindowLook : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true);
        QFile::remove(SettingsPath());
        QVERIFY(m_dir.isValid());
    }

    void cleanup() { CloseAllPopups(); }

    void mainWindow()
    {
        CKelvoraDlg window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QCOMPARE(window.devicePixelRatio(), ExpectedRatio());
        const QString overlap = FirstOverlap(Controls(window.client()));
        QVERIFY2(overlap.isEmpty(), qPrintable(overlap));
        const QString clipped = FirstClippedText(window.client());
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped));

        // The Solution button stands beside its edit box at the box's height.
        const QRect box = window.solutionBox()->geometry();
        const QRect button
            = window.findChild<QWidget *>(QStringLiteral("solutionButton"))->geometry();
        QCOMPARE(button.top(), box.top());
        QCOMPARE(button.height(), box.height());
        QVERIFY(button.left() > box.right());

        // Every header text inside its column.
        QHeaderView *header = window.list()->horizontalHeader();
        const int margin = header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int column = 0; column < header->count(); ++column) {
            const QString text
                = window.list()->model()->headerData(column, Qt::Horizontal).toString();
            QVERIFY2(TextWidth(header->font(), text) + 2 * margin <= header->sectionSize(column),
                     qPrintable(text));
        }
        // Every status inside the Status column.
        for (int state = 0; state <= int(ItemState::InvalidSavingFolder); ++state) {
            const QString text = StateText(ItemState(state));
            QVERIFY2(TextWidth(window.list()->font(), text) + 2 * margin
                         <= header->sectionSize(MediaColumn::Status),
                     qPrintable(text));
        }

        // Every menu bar entry holds its text.
        QMenuBar *bar = window.mainMenu().menuBar();
        for (QAction *action : bar->actions()) {
            QVERIFY2(TextWidth(bar->font(), action->text()) < bar->actionGeometry(action).width(),
                     qPrintable(action->text()));
        }
        const QImage image = window.grab().toImage();
        Keep(image, QStringLiteral("main"));
        QCOMPARE(image.size(), window.size() * ExpectedRatio());
    }

    void menus_data()
    {
        QTest::addColumn<int>("resourceId");
        QTest::newRow("main menu") << IDR_MAIN_MENU;
        QTest::newRow("list menu") << IDR_LIST_MENU;
        QTest::newRow("preset menu") << IDR_PRESET_MENU;
    }

    void menus()
    {
        QFETCH(int, resourceId);
        CMenuEx menu;
        QVERIFY(menu.LoadFromResource(resourceId));
        QList<QMenu *> popups;
        CollectPopups(menu, &popups);
        QVERIFY(!popups.isEmpty());
        for (QMenu *popup : popups) {
            popup->popup(QPoint(20, 20));
            QTRY_VERIFY_WITH_TIMEOUT(popup->isVisible(), 5000);
            const QImage image = popup->grab().toImage();
            Keep(image, QStringLiteral("menu%1-%2").arg(resourceId).arg(popups.indexOf(popup)));
            QCOMPARE(image.devicePixelRatio(), ExpectedRatio());
            QCOMPARE(image.size(), popup->size() * ExpectedRatio());
            const QColor paper = QApplication::palette().color(QPalette::Window);
            for (QAction *action : popup->actions()) {
                if (action->isSeparator())
                    continue;
                const QRect item = popup->actionGeometry(action);
                // Inside the popup's frame, and the text (from 30 pixels in) ends before the
                // item does, before the arrow of a submenu entry.
                QVERIFY(popup->rect().adjusted(1, 1, -1, -1).contains(item));
                const int end = item.right() + 1 - (action->menu() ? 15 : 0);
                const int textEnd = item.left() + 30 + TextWidth(popup->font(), action->text());
                QVERIFY2(textEnd < end,
                         qPrintable(QStringLiteral("\"%1\" ends at %2, its room at %3")
                                        .arg(action->text())
                                        .arg(textEnd)
                                        .arg(end)));
                // Painted as measured: the ink of the text stops where its width says.
                const QRect band(item.left() + 22, item.top() + 2, end - item.left() - 22,
                                 item.height() - 4);
                const qreal ink = LastInk(image, band, paper);
                QVERIFY2(ink > item.left() + 30 && ink <= textEnd + 1,
                         qPrintable(QStringLiteral("\"%1\" painted to %2, measured to %3")
                                        .arg(action->text())
                                        .arg(ink)
                                        .arg(textEnd)));
            }
            popup->hide();
        }
    }

    void aboutBox()
    {
        CAboutDlg about;
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QCOMPARE(about.devicePixelRatio(), ExpectedRatio());
        Keep(about.grab().toImage(), QStringLiteral("about"));
        const QList<QWidget *> controls = Controls(&about);
        const QString overlap = FirstOverlap(controls);
        QVERIFY2(overlap.isEmpty(), qPrintable(overlap));
        const QString clipped = FirstClippedText(&about);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped));
        // The picture fills the device pixels it covers: each pixel repeated at a whole ratio,
        // resampled smoothly at any other.
        const qreal ratio = ExpectedRatio();
        const QImage source
            = LoadBitmapResource(IDB_ABOUT_PICTURE).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!source.isNull());
        const QSize device = (QSizeF(source.size()) * ratio).toSize();
        const bool whole = qFuzzyCompare(ratio, qreal(qRound(ratio)));
        const QImage expected
            = source
                  .scaled(device, Qt::IgnoreAspectRatio,
                          whole ? Qt::FastTransformation : Qt::SmoothTransformation)
                  .convertToFormat(QImage::Format_RGB32);
        const QWidget *picture = about.findChild<QWidget *>(QStringLiteral("pictureLabel"));
        const QPoint at = (QPointF(picture->pos()) * ratio).toPoint();
        const QImage drawn
            = about.grab().toImage().copy(QRect(at, device)).convertToFormat(QImage::Format_RGB32);
        int differing = 0;
        for (int y = 0; y < device.height(); ++y) {
            for (int x = 0; x < device.width(); ++x) {
                const QRgb a = drawn.pixel(x, y);
                const QRgb b = expected.pixel(x, y);
                differing += qAbs(qRed(a) - qRed(b)) > 16 || qAbs(qGreen(a) - qGreen(b)) > 16
                    || qAbs(qBlue(a) - qBlue(b)) > 16;
            }
        }
        QVERIFY2(differing * 100 <= device.width() * device.height(),
                 qPrintable(QStringLiteral("%1 pixels differ").arg(differing)));

        // Every control stands clear of the box's edges.
        for (const QWidget *control : controls)
            QVERIFY2(about.rect().adjusted(4, 4, -4, -4).contains(control->geometry()),
                     qPrintable(Name(control)));
    }

    void propertiesWindow()
    {
        CPropertiesDlg dialog(m_dir.path() + QLatin1Char('/'), QStringLiteral("none.mp4"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        QCOMPARE(dialog.devicePixelRatio(), ExpectedRatio());
        Keep(dialog.grab().toImage(), QStringLiteral("properties"));
        const QList<QWidget *> controls = Controls(&dialog);
        QCOMPARE(controls.size(), 2);
        const QString overlap = FirstOverlap(controls);
        QVERIFY2(overlap.isEmpty(), qPrintable(overlap));
        for (const QWidget *control : controls)
            QVERIFY2(dialog.rect().adjusted(4, 4, -4, -4).contains(control->geometry()),
                     qPrintable(Name(control)));
        const QString clipped = FirstClippedText(&dialog);
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped));

        // On the page, captions and fields stand apart and the groups inside the page.
        QWidget *page = dialog.findChild<QWidget *>(QStringLiteral("propertiesPage"));
        QVERIFY(page);
        QList<QWidget *> captionsAndFields;
        for (QWidget *child : Controls(page)) {
            if (!qobject_cast<QGroupBox *>(child))
                captionsAndFields << child;
            else
                QVERIFY2(page->rect().contains(child->geometry()), qPrintable(Name(child)));
        }
        QCOMPARE(captionsAndFields.size(), 18);
        // Each field inside its group, however wide the captions made the page.
        const QList<QGroupBox *> groups = page->findChildren<QGroupBox *>();
        for (const QLineEdit *field : page->findChildren<QLineEdit *>())
            QVERIFY2(std::any_of(groups.begin(), groups.end(),
                                 [field](const QGroupBox *group) {
                                     return group->geometry().contains(field->geometry());
                                 }),
                     qPrintable(Name(field)));
        const QString onPage = FirstOverlap(captionsAndFields);
        QVERIFY2(onPage.isEmpty(), qPrintable(onPage));
        // The whole page shows inside the sheet, and the window keeps its margin beside the sheet
        // however wide the captions made it.
        auto *sheet = dialog.findChild<QTabWidget *>(QStringLiteral("propertySheet"));
        const QFont font = DialogFont();
        QCOMPARE(dialog.width() - page->width(),
                 MapDialogSize(CPropertiesDlg::SizeUnits(), font).width()
                     - MapDialogSize(CProDlg::SizeUnits(), font).width());
        QVERIFY(sheet->rect().contains(QRect(page->mapTo(sheet, QPoint(0, 0)), page->size())));
    }

    void windowButtons_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<bool>("minimise");
        QTest::addColumn<bool>("maximise");
        QTest::newRow("main window") << "main" << true << true;
        QTest::newRow("About box") << "about" << false << false;
        QTest::newRow("Properties") << "properties" << false << false;
    }

    void windowButtons()
    {
        QFETCH(QString, window);
        QFETCH(bool, minimise);
        QFETCH(bool, maximise);
        std::unique_ptr<QWidget> widget;
        if (window == QLatin1String("main"))
            widget = std::make_unique<CKelvoraDlg>();
        else if (window == QLatin1String("about"))
            widget = std::make_unique<CAboutDlg>();
        else
            widget = std::make_unique<CPropertiesDlg>(m_dir.path() + QLatin1Char('/'),
                                                      QStringLiteral("none.mp4"));
        const Qt::WindowFlags flags = widget->windowFlags();
        // Without the customize hint, a window manager is free to add buttons of its own.
        QVERIFY(flags & Qt::CustomizeWindowHint);
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QCOMPARE(bool(flags & Qt::WindowMaximizeButtonHint), maximise);
        QCOMPARE(bool(flags & Qt::WindowMinimizeButtonHint), minimise);
    }

    void altRightReturnOpensConvertion()
    {
        ScriptedDialogs dialogs;
        CKelvoraDlg window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.list()->setFocus();

        QTest::keyPress(window.list(), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(window.list(), Qt::Key_Alt, Qt::NoModifier);
        QMenuBar *bar = window.mainMenu().menuBar();
        QTRY_VERIFY_WITH_TIMEOUT(bar->hasFocus(), 2000);
        QCOMPARE(bar->activeAction(), bar->actions().at(0));
        QTest::keyClick(bar, Qt::Key_Right);
        QCOMPARE(bar->activeAction(), bar->actions().at(1));
        QTest::keyClick(bar, Qt::Key_Return);
        QMenu *convertion = bar->actions().at(1)->menu();
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activePopupWidget(), convertion, 2000);
        QVERIFY(window.isVisible());
        QVERIFY(dialogs.asked.isEmpty());
    }

    void returnRunsTheMenuItem()
    {
        ScriptedDialogs dialogs;
        dialogs.NextFiles({});
        CKelvoraDlg window;
        window.show();
        window.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        window.list()->setFocus();

        // Alt, Return: the File menu opens with Add Files active; Return runs Add Files.
        QTest::keyPress(window.list(), Qt::Key_Alt, Qt::AltModifier);
        QTest::keyRelease(window.list(), Qt::Key_Alt, Qt::NoModifier);
        QMenuBar *bar = window.mainMenu().menuBar();
        QTRY_VERIFY_WITH_TIMEOUT(bar->hasFocus(), 2000);
        QTest::keyClick(bar, Qt::Key_Return);
        QMenu *file = bar->actions().at(0)->menu();
        QTRY_COMPARE_WITH_TIMEOUT(QApplication::activePopupWidget(), file, 2000);
        QTRY_COMPARE_WITH_TIMEOUT(file->activeAction(), window.mainMenu().FindAction(ID_ADD_FILES),
                                  2000);
        QTest::keyClick(file, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(dialogs.asked.size(), 1, 5000);
        QCOMPARE(dialogs.asked[0].kind, QStringLiteral("files"));
        QTRY_VERIFY_WITH_TIMEOUT(!file->isVisible(), 2000);
        QVERIFY(window.isVisible());
    }

    void clickOnTheBackgroundLeavesTheWindow()
    {
        CKelvoraDlg window;
        window.move(100, 100);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QPoint before = window.pos();
        // The empty band beside the Solution box.
        const QPoint band = window.client()->mapTo(
            &window, MapDialogRect(QRect(300, 250, 1, 1), window.font()).topLeft());
        QCOMPARE(window.childAt(band), window.client());
        auto moveTo = [&window](const QPoint &at, Qt::MouseButtons buttons) {
            QMouseEvent move(QEvent::MouseMove, QPointF(at), QPointF(window.mapToGlobal(at)),
                             Qt::NoButton, buttons, Qt::NoModifier);
            QApplication::sendEvent(&window, &move);
        };

        // A click, then the pointer moves on with no button held.
        QTest::mouseClick(&window, Qt::LeftButton, Qt::NoModifier, band);
        moveTo(band + QPoint(40, 25), Qt::NoButton);
        QCoreApplication::processEvents();
        QCOMPARE(window.pos(), before);

        // A press that trembles less than a drag distance is a click too.
        QTest::mousePress(&window, Qt::LeftButton, Qt::NoModifier, band);
        moveTo(band + QPoint(2, 1), Qt::LeftButton);
        QTest::mouseRelease(&window, Qt::LeftButton, Qt::NoModifier, band + QPoint(2, 1));
        moveTo(band + QPoint(40, 25), Qt::NoButton);
        QCoreApplication::processEvents();
        QCOMPARE(window.pos(), before);
    }

    // Each ratio in English, and each translation at 1 and 2: every text fits in every language.
    void otherRatiosAndLanguages_data()
    {
        QTest::addColumn<QString>("ratio");
        QTest::addColumn<QString>("language");
        if (!qEnvironmentVariableIsEmpty(kChildVariable))
            return;
        QTest::newRow("1.5") << "1.5"
                             << "en";
        QTest::newRow("2") << "2"
                           << "en";
        for (const QString &language : TranslatedLanguages()) {
            for (const char *ratio : {"1", "2"})
                QTest::addRow("%s at %s", qPrintable(language), ratio) << ratio << language;
        }
    }

    void otherRatiosAndLanguages()
    {
        QFETCH(QString, ratio);
        QFETCH(QString, language);
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_SCALE_FACTOR"), ratio);
        environment.insert(QString::fromLatin1(kChildVariable), ratio);
        environment.insert(QStringLiteral("KELVORA_LANGUAGE"), language);
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::MergedChannels);
        // Everything but this function and the keyboard, which no ratio changes.
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("mainWindow"), QStringLiteral("menus"),
                     QStringLiteral("aboutBox"), QStringLiteral("propertiesWindow")});
        QVERIFY(child.waitForFinished(120000));
        const QByteArray output = child.readAll();
        QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0,
                 output.constData());
    }
};

int main(int argc, char **argv)
{
    // The ratio must be fixed before the application starts: a child gets its own from its
    // parent, this process draws at 1 whatever the calling environment says.
    if (qEnvironmentVariableIsEmpty(kChildVariable))
        qputenv("QT_SCALE_FACTOR", "1");
    QApplication app(argc, argv);
    // A child draws in the language it is given; a translation that does not load fails it.
    if (!qEnvironmentVariableIsEmpty(kChildVariable)
        && InstallTranslations().isEmpty() != (qgetenv("KELVORA_LANGUAGE") == "en"))
        return 1;
    TestWindowLook test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_window_look.moc"
