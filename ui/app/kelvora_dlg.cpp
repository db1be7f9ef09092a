// The main window: its controls, its menus and what each command does.
#include "ui/app/kelvora_dlg.h"

#include "engine/convert/converter.h"
#include "engine/platform/sleep_inhibitor.h"
#include "res/resource.h"
#include "res/strings.h"
#include "ui/app/bitmap_button.h"
#include "ui/app/commands.h"
#include "ui/app/desktop_notifier.h"
#include "ui/app/saving_folders.h"
#include "ui/controls/chrome/about_dlg.h"
#include "ui/controls/chrome/flat_combo_box.h"
#include "ui/controls/chrome/kelvora_palette.h"
#include "ui/controls/chrome/my_button.h"
#include "ui/controls/chrome/true_color_tool_bar.h"
#include "ui/controls/listview/drag_drop_list_ctrl.h"
#include "ui/controls/listview/text_progress_ctrl.h"
#include "ui/media/media_list.h"
#include "ui/media/properties_dlg.h"
#include "ui/platform/dialog_units.h"
#include "ui/platform/dialogs.h"
#include "ui/res/bitmaps.h"

#include <QApplication>
#include <QCoreApplication>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const QColor kBackground(190, 230, 250);
// What is left of the empty band under the Solution row once the window has grown, in dialog
// units.
constexpr int kBottomMarginUnits = 7;

// The Convertion menu's size-limit commands, one for each of kSizeLimits in its order, and the
// Simultaneous Conversions commands, one for each of kSimultaneousChoices.
constexpr const char *kSizeCommands[] = {"keepSize", "size1080", "size720", "size480"};
static_assert(std::size(kSizeCommands) == std::size(kSizeLimits));
constexpr const char *kSimultaneousCommands[]
    = {"oneAtATime", "twoAtATime", "fourAtATime", "asManyAsCores"};
static_assert(std::size(kSimultaneousCommands) == std::size(kSimultaneousChoices));

QRect Units(int id)
{
    switch (id) {
    case IDC_MEDIA_LIST:
        // Below the toolbar (48-pixel images on their buttons), with its bottom where it was.
        return QRect(0, 39, 527, 170);
    case IDC_SAVING_FOLDER:
        return QRect(64, 218, 195, 69);
    case IDC_BROWSE:
        return QRect(268, 217, 62, 15);
    case IDC_OPEN_FOLDER:
        return QRect(331, 217, 64, 15);
    case IDC_SOLUTION_TEXT:
        return QRect(64, 244, 185, 15);
    case IDC_SOLUTION_BUTTON:
        return QRect(250, 244, 16, 15);
    }
    return QRect();
}

} // namespace

QRect CKelvoraDlg::ControlUnits(int id)
{
    return Units(id);
}

CKelvoraDlg::CKelvoraDlg(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("kelvoraDialog"));
    // Before any control exists: every one of them, and every menu, takes Kelvora's colours.
    ApplyKelvoraLook();
    setFont(DialogFont());
    m_commands = new Commands(this);
    BuildControls();

    // The settings come first (read as the window is made): the controls below show them.
    m_media = std::make_unique<MediaList>(m_list, settings().preset, this);
    m_subFolders = settings().subFolders;
    m_media->SetSubFoldersChoice(&m_subFolders);
    m_queue
        = std::make_unique<ConversionQueue>(m_media.get(), &settings().preset, &settings(), this);
    connect(m_queue.get(), &ConversionQueue::CommandsChanged, this, &CKelvoraDlg::ApplyCommands);
    m_queue->SetSlots(settings().simultaneous);
    // The desktop hears how a batch goes, and a word when it ends while the window is behind.
    auto *notifier = new DesktopNotifier(this);
    connect(&m_queue->batch(), &BatchQueue::Progress, notifier, &DesktopNotifier::BatchProgress);
    connect(&m_queue->batch(), &BatchQueue::BatchEnded, notifier,
            [this, notifier](int completed, int failed, int canceled) {
                notifier->BatchProgress(-1);
                notifier->BatchEnded(completed, failed, canceled, isActiveWindow(),
                                     m_queue->batch().partly());
            });
    // A laptop left alone with a long batch must not suspend in the middle of it.
    m_inhibitor = new SleepInhibitor(this);
    connect(&m_queue->batch(), &BatchQueue::BatchStarted, m_inhibitor,
            [this] { m_inhibitor->Hold(SleepInhibitor::BatchReason(m_queue->batch().total())); });
    connect(&m_queue->batch(), &BatchQueue::BatchEnded, m_inhibitor, &SleepInhibitor::Release);
    // A paused batch does not keep the computer awake; going on takes the lock again.
    connect(&m_queue->batch(), &BatchQueue::PauseChanged, m_inhibitor, [this](bool paused) {
        if (paused)
            m_inhibitor->Release();
        else if (m_queue->batch().IsConverting())
            m_inhibitor->Hold(SleepInhibitor::BatchReason(m_queue->batch().total()));
    });

    // The window grows: it can be minimised, maximised and resized from its described size up.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Kelvora 1.0"));
    setWindowIcon(LoadAppIcon());

    m_toolBar->SetImageStrips(IDB_TOOLBAR_NORMAL, IDB_TOOLBAR_NORMAL, IDB_TOOLBAR_DISABLED);
    m_browse->SetToolTipText(
        QCoreApplication::translate("Window", "Browse a folder for target media files"));
    m_openFolder->SetToolTipText(
        QCoreApplication::translate("Window", "Open the target files saving folder"));

    m_media->SetupColumns();
    m_media->LoadRowImages();
    // The last column takes what the others leave, and no more: no scroll bar while the columns
    // fit.
    QHeaderView *header = m_list->horizontalHeader();
    header->resizeSection(header->count() - 1, header->minimumSectionSize());
    header->setStretchLastSection(true);

    m_folders = std::make_unique<SavingFolders>(m_folderBox, m_settings, this);
    m_folders->FillFolderList();
    m_solutionText->setText(
        QCoreApplication::translate("Presets", settings().preset.solutionText.toUtf8()));
    m_solutionButton->SetBitmaps(QPixmap::fromImage(LoadBitmapResource(IDB_SOLUTION_NORMAL)),
                                 QPixmap::fromImage(LoadBitmapResource(IDB_SOLUTION_PRESSED)));
    // The button fills its place in the layout, as high as the edit box beside it; its face is
    // stretched at the edges only (see CBitmapButton).
    m_solutionButton->setGeometry(MapDialogRect(Units(IDC_SOLUTION_BUTTON), font()));

    m_menu.LoadFromResource(IDR_MAIN_MENU);
    m_commands->Bind(m_menu);
    layout()->setMenuBar(m_menu.menuBar());
    SelectSizeLimit(settings().sizeLimit);
    SetKeepAwake(settings().keepAwake);
    Command("keepDates")->setChecked(settings().keepDates);
    SetSkipConverted(settings().skipConverted);
    SetConvertArrivals(settings().convertArrivals);
    SetWhenDone(WhenDone::Nothing);

    m_queue->UpdateCommands();
    HandleCommands();
    ShowSimultaneous();
    ApplyColours();
    m_commands->BindKeys(this, m_list);
    BuildBatchBand();
    // Files that arrive while the window runs are listed; those already there are not.
    connect(&m_media->items(), &ConversionList::WatchChanged, this, &CKelvoraDlg::ShowWatched);
    for (const SettingsValues::WatchedFolder &watched : settings().watched)
        m_media->items().Watch(watched.folder, watched.subFolders);
    connect(&m_queue->batch(), &BatchQueue::BatchEnded, this, &CKelvoraDlg::OnBatchEnded);
    // The described size, or the size the window had when it last closed; never smaller than
    // the described one, and never larger than the screen it opens on (a size kept on a larger
    // screen, or at a smaller scale, would put the Saving Folder and Solution rows off it).
    QSize size = settings().windowSize.expandedTo(minimumSizeHint());
    if (const QScreen *shown = screen())
        size = size.boundedTo(shown->availableGeometry().size()).expandedTo(minimumSizeHint());
    resize(size);
    if (settings().windowMaximized)
        setWindowState(windowState() | Qt::WindowMaximized);

    // The program's own cursor over the whole window, its controls included.
    const QCursor cursor = LoadProgramCursor();
    setCursor(cursor);
    for (QWidget *child : findChildren<QWidget *>())
        child->setCursor(cursor);
    qApp->installEventFilter(this);

    // The converter's encoders are read without holding the window up; a stored preset the
    // converter cannot make gives way to preset 0 once they are known.
    StartConverterLookup(this, [this](const ConverterInfo &converter) {
        const Preset *current = PresetById(settings().preset.id);
        if (current && !PresetAvailable(*current, converter))
            SelectPreset(0);
    });
}

CKelvoraDlg::~CKelvoraDlg()
{
    qApp->removeEventFilter(this);
    m_queue->Shutdown();
    // A maximised window keeps the size it had before: that is the one it opens at next time.
    m_settings.SetWindowSize(isMaximized() && normalGeometry().isValid() ? normalGeometry().size()
                                                                         : size());
    m_settings.SetWindowMaximized(isMaximized());
    m_settings.Save();
}

void CKelvoraDlg::BuildControls()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    // The described size is the smallest; the list takes whatever the window grows by.
    m_client->setMinimumSize(MapDialogSize(ClientUnits(), font()));
    m_client->installEventFilter(this);
    outer->addWidget(m_client);

    const QFont dialogFont = font();
    auto place = [&dialogFont](QWidget *w, const QRect &units) {
        w->setGeometry(MapDialogRect(units, dialogFont));
    };

    m_toolBar = new CTrueColorToolBar(m_client);
    m_toolBar->setGeometry(0, 0, m_client->width(), m_toolBar->sizeHint().height());
    m_commands->Bind(*m_toolBar);

    m_list = new CDragDropListCtrl(m_client);
    m_list->setObjectName(QStringLiteral("mediaList"));
    place(m_list, Units(IDC_MEDIA_LIST));
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { ShowListMenu(m_list->viewport()->mapToGlobal(pos)); });
    // The keyboard's menu keys open the row menu under the current row, wherever the pointer is.
    for (const QKeySequence &key :
         {QKeySequence(Qt::SHIFT | Qt::Key_F10), QKeySequence(Qt::Key_Menu)}) {
        auto *shortcut = new QShortcut(key, m_list, nullptr, nullptr, Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, [this] {
            const QRect row = m_list->visualRect(m_list->currentIndex());
            ShowListMenu(
                m_list->viewport()->mapToGlobal(row.isValid() ? row.bottomLeft() : QPoint(0, 0)));
        });
    }

    auto *savingLabel
        = new QLabel(QCoreApplication::translate("Window", "Saving Folder:"), m_client);
    savingLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(savingLabel, QRect(6, 220, 56, 8));

    m_folderBox = new CFlatComboBox(m_client);
    m_folderBox->setObjectName(QStringLiteral("savingFolder"));
    // A drop-down list's height in the layout includes its open list; the closed box is one line.
    const QRect folderRect = MapDialogRect(Units(IDC_SAVING_FOLDER), dialogFont);
    m_folderBox->setGeometry(folderRect.x(), folderRect.y(), folderRect.width(),
                             MapDialogRect(QRect(0, 0, 0, 13), dialogFont).height());

    m_browse = new CMyButton(QCoreApplication::translate("Window", "Browse"), m_client);
    m_browse->setObjectName(QStringLiteral("browseButton"));
    place(m_browse, Units(IDC_BROWSE));
    connect(m_browse, &QPushButton::clicked, Command("browse"), &QAction::trigger);

    m_openFolder = new CMyButton(QCoreApplication::translate("Window", "Open Folder"), m_client);
    m_openFolder->setObjectName(QStringLiteral("openFolderButton"));
    place(m_openFolder, Units(IDC_OPEN_FOLDER));
    connect(m_openFolder, &QPushButton::clicked, Command("openFolder"), &QAction::trigger);

    auto *solutionLabel = new QLabel(QCoreApplication::translate("Window", "Solution:"), m_client);
    solutionLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(solutionLabel, QRect(0, 248, 51, 8));

    m_solutionText = new QLineEdit(m_client);
    m_solutionText->setObjectName(QStringLiteral("solutionText"));
    m_solutionText->setReadOnly(true);
    place(m_solutionText, Units(IDC_SOLUTION_TEXT));

    m_solutionButton = new CBitmapButton(m_client);
    m_solutionButton->setObjectName(QStringLiteral("solutionButton"));
    place(m_solutionButton, Units(IDC_SOLUTION_BUTTON));
    connect(m_solutionButton, &QPushButton::clicked, Command("choosePreset"), &QAction::trigger);

    // What a screen reader says of each control; a label names the field it stands before.
    const auto name = [](QWidget *control, const char *text, const char *description) {
        control->setAccessibleName(QCoreApplication::translate("Window", text));
        control->setAccessibleDescription(QCoreApplication::translate("Window", description));
    };
    name(m_toolBar, QT_TRANSLATE_NOOP("Window", "Toolbar"),
         QT_TRANSLATE_NOOP("Window", "Adds, removes and converts the listed files"));
    name(m_list, QT_TRANSLATE_NOOP("Window", "Media files"),
         QT_TRANSLATE_NOOP("Window", "The files to convert, each with its status"));
    name(m_folderBox, QT_TRANSLATE_NOOP("Window", "Saving Folder"),
         QT_TRANSLATE_NOOP("Window", "Where the converted files are written"));
    name(m_solutionText, QT_TRANSLATE_NOOP("Window", "Solution"),
         QT_TRANSLATE_NOOP("Window", "The format the files are converted to"));
    name(m_solutionButton, QT_TRANSLATE_NOOP("Window", "Choose a Solution"),
         QT_TRANSLATE_NOOP("Window", "Opens the list of Solutions"));
    savingLabel->setBuddy(m_folderBox);
    solutionLabel->setBuddy(m_solutionText);

    m_anchoredBelow = {savingLabel,   m_folderBox,    m_browse,        m_openFolder,
                       solutionLabel, m_solutionText, m_solutionButton};
    for (QPushButton *button :
         std::initializer_list<QPushButton *> {m_browse, m_openFolder, m_solutionButton}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
}

void CKelvoraDlg::BuildBatchBand()
{
    m_batchText = new QLabel(m_client);
    m_batchText->setObjectName(QStringLiteral("batchStatus"));
    // Two lines high, wrapped from the top: a summary longer than the line (in a language that
    // says more) goes on to the next one instead of being cut.
    m_batchText->setGeometry(MapDialogRect(QRect(276, 246, 140, 18), font()));
    m_batchText->setWordWrap(true);
    m_batchText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_batchBar = new CTextProgressCtrl(m_client);
    m_batchBar->setObjectName(QStringLiteral("batchProgress"));
    m_batchBar->setGeometry(MapDialogRect(QRect(418, 245, 100, 11), font()));
    m_batchBar->SetThinBorder(true);
    m_batchText->setAccessibleName(QCoreApplication::translate("Window", "Batch"));
    m_batchBar->setAccessibleName(QCoreApplication::translate("Window", "Batch progress"));
    // The band stays under the Solution row when the window grows.
    m_anchoredBelow.push_back(m_batchText);
    m_anchoredBelow.push_back(m_batchBar);
    m_batchBar->hide();
    m_batchText->hide();
    m_watchText = new QLabel(m_client);
    m_watchText->setObjectName(QStringLiteral("watchedFolders"));
    m_watchText->setGeometry(MapDialogRect(QRect(64, 264, 454, 18), font()));
    m_watchText->setWordWrap(true);
    m_watchText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_watchText->hide();
    m_anchoredBelow.push_back(m_watchText);
    BatchQueue &batch = m_queue->batch();
    connect(&batch, &BatchQueue::Progress, this, [this](double fraction) {
        m_batchBar->SetPos(static_cast<int>(fraction * 100.0));
        ShowBatchState();
    });
    connect(&batch, &BatchQueue::BatchStarted, this, &CKelvoraDlg::ShowBatchState);
    connect(&batch, &BatchQueue::ItemFinished, this, &CKelvoraDlg::ShowBatchState);
    connect(&batch, &BatchQueue::BatchEnded, this, &CKelvoraDlg::ShowBatchState);
    connect(&batch, &BatchQueue::PauseChanged, this, &CKelvoraDlg::ShowBatchState);
    // An emptied list has no batch left to tell of: the last summary goes with its rows.
    const auto forgetBatch = [this] {
        if (m_media->rowCount() == 0 && !m_queue->IsConverting())
            m_batchText->hide();
    };
    connect(&m_media->store(), &MediaStore::rowsRemoved, this, forgetBatch);
    connect(&m_media->store(), &MediaStore::modelReset, this, forgetBatch);
    // The toolbar's own menu pauses and resumes, as the Convertion menu does.
    m_toolBar->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_toolBar, &QWidget::customContextMenuRequested, this, [this](const QPoint &at) {
        QMenu menu;
        menu.addAction(Command("pause"));
        menu.exec(m_toolBar->mapToGlobal(at));
    });
}

namespace {

// Two parts of the batch's summary, one after the other, with the language's separator.
QString Listed(const QString &first, const QString &second)
{
    return QCoreApplication::translate("Batch", "%1, %2").arg(first, second);
}

QString FailedText(int failed)
{
    return QCoreApplication::translate("Batch", "%n failed", nullptr, failed);
}

// Files kept with part of their input are told apart from those converted whole.
QString WithPartly(const QString &text, int partly)
{
    return partly > 0
        ? Listed(text, QCoreApplication::translate("Batch", "%n partly converted", nullptr, partly))
        : text;
}

} // namespace

void CKelvoraDlg::ShowBatchState()
{
    const BatchQueue &batch = m_queue->batch();
    QString text;
    if (batch.IsConverting()) {
        const int done = batch.completed() + batch.failed() + batch.canceled() + batch.partly()
            + batch.skipped();
        text = QCoreApplication::translate("Batch", "%1 of %n files done", nullptr, batch.total())
                   .arg(done);
        text = WithPartly(text, batch.partly());
        if (batch.failed() > 0)
            text = Listed(text, FailedText(batch.failed()));
        const QString left = ConversionQueue::TimeLeftText(batch.BatchTimeLeft());
        if (batch.IsPaused())
            text = QCoreApplication::translate("Batch", "Paused: %1").arg(text);
        else if (!left.isEmpty())
            text = Listed(text, left);
    } else {
        text = Listed(WithPartly(QCoreApplication::translate("Batch", "%n converted", nullptr,
                                                             batch.completed()),
                                 batch.partly()),
                      FailedText(batch.failed()));
        if (batch.canceled() > 0)
            text = Listed(
                text,
                QCoreApplication::translate("Batch", "%n canceled", nullptr, batch.canceled()));
        if (batch.skipped() > 0)
            text = Listed(text,
                          QCoreApplication::translate("Batch", "%n already converted", nullptr,
                                                      batch.skipped()));
    }
    m_batchText->setText(text);
    m_batchText->setAccessibleDescription(text);
    m_batchText->show();
    m_batchBar->setVisible(batch.IsConverting());
}

void CKelvoraDlg::ShowWatched()
{
    const FolderWatch &watch = m_media->items().watch();
    QStringList folders;
    for (const QString &folder : watch.folders())
        folders << (watch.IsPresent(folder)
                        ? folder
                        : QCoreApplication::translate("Batch", "%1 (not there)").arg(folder));
    m_watchText->setText(QCoreApplication::translate("Batch", "Watching: %1")
                             .arg(folders.join(QStringLiteral(", "))));
    m_watchText->setToolTip(m_watchText->text());
    m_watchText->setVisible(!folders.isEmpty());
    LayOutClient();
}

void CKelvoraDlg::OnBatchEnded()
{
    const BatchQueue &batch = m_queue->batch();
    if (!WhenDoneApplies(m_whenDone, batch.wasStopped(), batch.failed(), m_onlyIfAllSucceeded))
        return;
    if (m_whenDone == WhenDone::Quit) {
        // From the event loop: everyone else hears of the batch's end first.
        QTimer::singleShot(0, this, [this] { Command("exit")->trigger(); });
        return;
    }
    ShowPowerNotice(m_whenDone);
}

void CKelvoraDlg::ShowPowerNotice(WhenDone action)
{
    const bool off = action == WhenDone::PowerOff;
    // Not modal: the window stays usable, and a new batch started meanwhile is no reason to wait.
    auto *notice = new QMessageBox(QMessageBox::Warning, ApplicationName(), QString(),
                                   QMessageBox::Cancel, this);
    notice->setObjectName(QStringLiteral("whenDoneNotice"));
    notice->setAttribute(Qt::WA_DeleteOnClose);
    QPushButton *now = notice->addButton(off ? QCoreApplication::translate("Batch", "Power Off Now")
                                             : QCoreApplication::translate("Batch", "Suspend Now"),
                                         QMessageBox::AcceptRole);
    now->setObjectName(QStringLiteral("whenDoneNow"));
    auto *timer = new QTimer(notice);
    auto left = std::make_shared<int>(kNoticeSeconds);
    const auto show = [notice, off, left] {
        notice->setText(off ? QCoreApplication::translate(
                            "Batch", "The batch has ended. The computer powers off in %n seconds.",
                            nullptr, *left)
                            : QCoreApplication::translate(
                                "Batch",
                                "The batch has ended. The computer is suspended in %n seconds.",
                                nullptr, *left));
    };
    const auto act = [this, notice, action] {
        notice->hide();
        notice->deleteLater();
        SystemPower::Request(action, this, [this, action](const QString &error) {
            if (error.isEmpty())
                return;
            CurrentDialogs().Message(this,
                                     (action == WhenDone::PowerOff
                                          ? QCoreApplication::translate(
                                              "Batch", "The computer could not be powered off: %1")
                                          : QCoreApplication::translate(
                                              "Batch", "The computer could not be suspended: %1"))
                                         .arg(error),
                                     ApplicationName(), MessageIcon::Warning);
        });
    };
    connect(timer, &QTimer::timeout, notice, [left, show, act] {
        if (--*left > 0)
            show();
        else
            act();
    });
    connect(now, &QPushButton::clicked, this, act);
    show();
    timer->start(1000);
    notice->show();
}

void CKelvoraDlg::LayOutClient()
{
    // The list and the toolbar take the width the window has grown by. Of its height, the list
    // first takes the empty band under the Solution row, down to a margin, then the rest; the
    // rows under the list keep their distance to it.
    const QSize described = m_client->minimumSize();
    const QSize grown = m_client->size() - described;
    m_toolBar->setGeometry(0, 0, m_client->width(), m_toolBar->sizeHint().height());
    // Their places as laid out in dialog units, taken before anything moved them.
    while (m_describedTops.size() < m_anchoredBelow.size())
        m_describedTops.push_back(m_anchoredBelow[m_describedTops.size()]->y());
    int lowest = 0;
    for (size_t i = 0; i < m_anchoredBelow.size(); ++i) {
        // The watched folders' line takes its room from the list only while it shows.
        if (m_anchoredBelow[i] != m_watchText || !m_watchText->isHidden())
            lowest = qMax(lowest, m_describedTops[i] + m_anchoredBelow[i]->height());
    }
    const int margin = MapDialogRect(QRect(0, 0, 0, kBottomMarginUnits), font()).height();
    const int band = qMax(0, described.height() - lowest - margin);
    const int taken = grown.height() + qMin(grown.height(), band);
    const QRect list = MapDialogRect(Units(IDC_MEDIA_LIST), font());
    m_list->setGeometry(list.adjusted(0, 0, grown.width(), taken));
    for (size_t i = 0; i < m_anchoredBelow.size(); ++i)
        m_anchoredBelow[i]->move(m_anchoredBelow[i]->x(), m_describedTops[i] + taken);
}

void CKelvoraDlg::ApplyColours()
{
    // The window, its buttons, statics and edit boxes share one pale blue with black text; the
    // list and the folder box keep Kelvora's light colours.
    const QPalette standard = KelvoraPalette();
    QPalette palette = standard;
    for (QPalette::ColorRole role : {QPalette::Window, QPalette::Button, QPalette::Base}) {
        palette.setColor(QPalette::All, role, kBackground);
    }
    // Disabled controls keep their grey text, so that a locked Browse button looks locked.
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        for (QPalette::ColorRole role :
             {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
            palette.setColor(group, role, Qt::black);
    }
    setPalette(palette);
    setAutoFillBackground(true);
    // A palette equal to the application's would be taken as unset and the window's inherited:
    // every role is set explicitly.
    QPalette own;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = static_cast<QPalette::ColorGroup>(group);
            const auto r = static_cast<QPalette::ColorRole>(role);
            own.setBrush(g, r, standard.brush(g, r));
        }
    }
    m_list->setPalette(own);
    m_folderBox->setPalette(own);
    m_toolBar->setPalette(palette);
}

QAction *CKelvoraDlg::Command(const char *name) const
{
    return m_commands->Find(QLatin1String(name));
}

void CKelvoraDlg::HandleCommands()
{
    Commands &commands = *m_commands;
    commands.Handle({"addFiles"}, [this] { m_media->AddFiles(); });
    commands.Handle({"addFolder"}, [this] {
        m_media->AddFolder();
        m_settings.SetSubFolders(m_subFolders);
    });
    commands.Handle({"removeSelected", "listRemoveSelected"},
                    [this] { m_media->RemoveSelected(); });
    // The list's menu offers Remove All over an empty list too, where it must not take what Undo
    // would bring back.
    commands.Handle({"removeAll", "listRemoveAll"}, [this] {
        if (m_media->rowCount() > 0)
            m_media->RemoveAll();
    });
    commands.Handle({"checkAll", "listCheckAll"}, [this] { m_media->CheckAll(); });
    commands.Handle({"selectAllRows"}, [this] {
        Command("checkAll")->trigger();
        m_list->selectAll();
    });
    commands.Handle({"properties"}, [this] { ShowProperties(); });
    commands.Handle({"exit"}, [this] { accept(); });
    commands.Handle({"convertAll", "listConvertAll"}, [this] { m_queue->ConvertAll(); });
    commands.Handle({"convertSelected", "listConvertSelected"},
                    [this] { m_queue->ConvertSelected(); });
    commands.Handle({"stopCurrent", "listSkipCurrent"}, [this] { m_queue->SkipCurrent(); });
    commands.Handle({"stopAll", "listStopAll"}, [this] { m_queue->StopAll(); });
    commands.Handle({"retryFailed"}, [this] { m_queue->RetryFailed(); });
    commands.Handle({"pause"}, [this] { m_queue->TogglePause(); });
    commands.Handle({"selectFailed"}, [this] { m_queue->SelectFailed(); });
    commands.Handle({"cancelSelected"}, [this] { m_queue->CancelSelected(); });
    commands.Handle({"deleteSelected"}, [this] { m_queue->DeleteSelected(); });
    commands.Handle({"moveUp"}, [this] { m_queue->MoveSelected(-1); });
    commands.Handle({"moveDown"}, [this] { m_queue->MoveSelected(+1); });
    commands.Handle({"undoRemove"}, [this] { m_media->UndoRemove(); });
    for (size_t i = 0; i < std::size(kSimultaneousCommands); ++i) {
        const int count = kSimultaneousChoices[i];
        commands.Handle({kSimultaneousCommands[i]}, [this, count] { SetSimultaneous(count); });
    }
    for (const Preset &preset : AllPresets()) {
        const int id = preset.id;
        commands.Handle(PresetCommand(id), [this, id] { SelectPreset(id); });
    }
    for (size_t i = 0; i < std::size(kSizeCommands); ++i) {
        const int chosen = kSizeLimits[i];
        commands.Handle({kSizeCommands[i]}, [this, chosen] { SelectSizeLimit(chosen); });
    }
    commands.Handle({"keepAwake"}, [this] { SetKeepAwake(!settings().keepAwake); });
    commands.Handle({"keepDates"}, [this] {
        m_settings.SetKeepDates(!settings().keepDates);
        Command("keepDates")->setChecked(settings().keepDates);
    });
    commands.Handle({"watchFolder"}, [this] { WatchFolder(); });
    commands.Handle({"stopWatching"}, [this] { StopWatching(); });
    commands.Handle({"convertArrivals"},
                    [this] { SetConvertArrivals(!settings().convertArrivals); });
    commands.Handle({"outputNewName"}, [this] { SetSkipConverted(false); });
    commands.Handle({"outputSkip"}, [this] { SetSkipConverted(true); });
    commands.Handle({"doneNothing"}, [this] { SetWhenDone(WhenDone::Nothing); });
    commands.Handle({"doneQuit"}, [this] { SetWhenDone(WhenDone::Quit); });
    commands.Handle({"doneSuspend"}, [this] { SetWhenDone(WhenDone::Suspend); });
    commands.Handle({"donePowerOff"}, [this] { SetWhenDone(WhenDone::PowerOff); });
    commands.Handle({"doneOnlyIfAll"}, [this] {
        m_onlyIfAllSucceeded = !m_onlyIfAllSucceeded;
        Command("doneOnlyIfAll")->setChecked(m_onlyIfAllSucceeded);
    });
    commands.Handle({"choosePreset"}, [this] { ShowPresetMenu(); });
    commands.Handle({"browse"}, [this] { m_folders->Browse(); });
    commands.Handle({"openFolder"}, [this] { m_folders->OpenFolder(); });
    commands.Handle({"help"}, [this] { OpenHelp(); });
    commands.Handle({"about"}, [this] { ShowAbout(); });
}

void CKelvoraDlg::SelectPreset(int id)
{
    const Preset *preset = PresetById(id);
    if (!preset)
        return;
    m_settings.SetPreset(id);
    m_solutionText->setText(SolutionBoxText(*preset));
    m_media->SetTargetFormat(settings().preset.formatLabel);
}

void CKelvoraDlg::SetSimultaneous(int slots)
{
    m_settings.SetSimultaneous(slots);
    m_queue->SetSlots(settings().simultaneous);
    ShowSimultaneous();
}

void CKelvoraDlg::ShowSimultaneous()
{
    for (size_t i = 0; i < std::size(kSimultaneousCommands); ++i)
        Command(kSimultaneousCommands[i])
            ->setChecked(kSimultaneousChoices[i] == settings().simultaneous);
}

void CKelvoraDlg::ShowPresetMenu()
{
    CMenuEx menu;
    menu.LoadFromResource(IDR_PRESET_MENU);
    m_commands->Bind(menu);
    ApplyPresetMenuRules(menu, Converter());
    menu.TrackPopup(QCursor::pos(), CMenuEx::PopupAlignment::BottomAtPoint);
}

void CKelvoraDlg::ApplyPresetMenuRules(CMenuEx &menu, const ConverterInfo &converter)
{
    for (const Preset &preset : AllPresets()) {
        const QString reason = PresetUnavailableReason(preset, converter);
        QAction *action = menu.FindAction(PresetMenuId(preset.id));
        if (reason.isEmpty() || !action)
            continue;
        action->setEnabled(false);
        action->setStatusTip(reason);
        action->setToolTip(reason);
        for (QObject *shownIn : action->associatedObjects()) {
            if (auto *popup = qobject_cast<QMenu *>(shownIn))
                popup->setToolTipsVisible(true);
        }
    }
}

void CKelvoraDlg::SelectSizeLimit(int limit)
{
    // A value that is none of the choices keeps the size.
    m_settings.SetSizeLimit(limit);
    for (size_t i = 0; i < std::size(kSizeCommands); ++i)
        Command(kSizeCommands[i])->setChecked(kSizeLimits[i] == settings().sizeLimit);
}

void CKelvoraDlg::SetKeepAwake(bool on)
{
    m_settings.SetKeepAwake(on);
    m_inhibitor->SetEnabled(on);
    Command("keepAwake")->setChecked(on);
}

void CKelvoraDlg::SetSkipConverted(bool skip)
{
    m_settings.SetSkipConverted(skip);
    Command("outputNewName")->setChecked(!skip);
    Command("outputSkip")->setChecked(skip);
}

void CKelvoraDlg::SetConvertArrivals(bool on)
{
    m_settings.SetConvertArrivals(on);
    m_media->items().SetConvertArrivals(on);
    Command("convertArrivals")->setChecked(on);
}

void CKelvoraDlg::WatchFolder()
{
    bool subFolders = m_subFolders;
    QString folder = CurrentDialogs().PickMediaFolder(
        this, QCoreApplication::translate("Adding", "Select a folder to watch"), &subFolders);
    if (folder.isEmpty())
        return;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    m_settings.AddWatched({folder, subFolders});
    m_media->items().Watch(folder, subFolders);
}

void CKelvoraDlg::StopWatching()
{
    for (const QString &folder : m_media->items().watch().folders())
        m_media->items().Unwatch(folder);
    m_settings.ClearWatched();
    ShowWatched();
    m_queue->UpdateCommands();
}

void CKelvoraDlg::SetWhenDone(WhenDone action)
{
    m_whenDone = action;
    const std::pair<const char *, WhenDone> choices[] = {{"doneNothing", WhenDone::Nothing},
                                                         {"doneQuit", WhenDone::Quit},
                                                         {"doneSuspend", WhenDone::Suspend},
                                                         {"donePowerOff", WhenDone::PowerOff}};
    for (const auto &[name, choice] : choices)
        Command(name)->setChecked(choice == action);
}

void CKelvoraDlg::ShowListMenu(const QPoint &globalPos)
{
    CMenuEx menu;
    menu.LoadFromResource(IDR_LIST_MENU);
    m_commands->ApplyRules(m_queue->Context());
    m_commands->Bind(menu);
    menu.TrackPopup(globalPos);
}

void CKelvoraDlg::ShowProperties()
{
    // The first selected row; nothing without a selection.
    const QList<int> rows = m_list->SelectedRows();
    if (!rows.isEmpty())
        CPropertiesDlg::ShowProperties(this, m_media->Location(rows.first()),
                                       m_media->FileName(rows.first()));
}

void CKelvoraDlg::OpenHelp()
{
    // The help lives beside the program, whatever the current folder is: the CHM file where the
    // desktop has a viewer for it, otherwise the same pages as HTML in the browser.
    const QString folder = QCoreApplication::applicationDirPath();
    const QString chm = folder + QStringLiteral("/kelvora.chm");
    const QString html = folder + QStringLiteral("/kelvora-help/index.html");
    Dialogs &dialogs = CurrentDialogs();
    if (QFileInfo::exists(chm) && dialogs.HasOpener(chm) && dialogs.OpenUrl(chm))
        return;
    if (QFileInfo::exists(html) && dialogs.OpenUrl(html))
        return;
    dialogs.Message(this,
                    QCoreApplication::translate("Window",
                                                "The help could not be opened: no viewer for %1 "
                                                "and no browser for %2.")
                        .arg(chm, html),
                    ApplicationName(), MessageIcon::Warning);
}

void CKelvoraDlg::ShowAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CKelvoraDlg::ApplyCommands(const CommandContext &context)
{
    EnableControls(!context.converting);
    m_commands->ApplyRules(context);
}

void CKelvoraDlg::EnableControls(bool enabled)
{
    // The list stays usable while files are converted: the store locks the rows being converted.
    m_folderBox->setEnabled(enabled);
    m_solutionButton->setEnabled(enabled);
    m_browse->setEnabled(enabled);
}

void CKelvoraDlg::done(int result)
{
    // A conversion still running is stopped first: no converter outlives the window.
    if (!m_closed) {
        m_closed = true;
        m_queue->Shutdown();
    }
    QDialog::done(result);
}

bool CKelvoraDlg::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        LayOutClient();
    // Enter and Escape never close the window, wherever in it they are pressed.
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            QWidget *widget = qobject_cast<QWidget *>(watched);
            // The menu bar keeps its keys: Return opens the entry picked with Alt and the arrows.
            if (widget && (widget == this || isAncestorOf(widget))
                && !qobject_cast<QMenuBar *>(widget)) {
                event->accept();
                return event->type() == QEvent::KeyPress;
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CKelvoraDlg::mousePressEvent(QMouseEvent *event)
{
    // A press on the window's own background moves the window, as its caption would, once the
    // pointer moves with the button held.
    if (event->button() == Qt::LeftButton) {
        m_pressed = true;
        m_dragging = false;
        m_dragOffset = event->globalPosition().toPoint() - frameGeometry().topLeft();
        event->accept();
        return;
    }
    QDialog::mousePressEvent(event);
}

void CKelvoraDlg::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressed && (event->buttons() & Qt::LeftButton)) {
        const QPoint global = event->globalPosition().toPoint();
        if (!m_dragging) {
            const QPoint pressedAt = frameGeometry().topLeft() + m_dragOffset;
            if ((global - pressedAt).manhattanLength() < QApplication::startDragDistance()) {
                event->accept();
                return;
            }
            // The window manager's move is asked for only now that the button is known to be
            // held: asked for at the press, it can begin after a quick click's release and then
            // keep the window on the pointer until the next click.
            if (windowHandle() && windowHandle()->startSystemMove()) {
                m_pressed = false;
                event->accept();
                return;
            }
            m_dragging = true;
        }
        move(global - m_dragOffset);
        event->accept();
        return;
    }
    QDialog::mouseMoveEvent(event);
}

void CKelvoraDlg::mouseReleaseEvent(QMouseEvent *event)
{
    m_pressed = false;
    m_dragging = false;
    QDialog::mouseReleaseEvent(event);
}
