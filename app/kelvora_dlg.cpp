#include "app/kelvora_dlg.h"

#include "app/bitmap_button.h"
#include "app/desktop_notifier.h"
#include "app/saving_folders.h"
#include "controls/chrome/about_dlg.h"
#include "controls/chrome/flat_combo_box.h"
#include "controls/chrome/my_button.h"
#include "controls/chrome/true_color_tool_bar.h"
#include "controls/listview/drag_drop_list_ctrl.h"
#include "controls/listview/text_progress_ctrl.h"
#include "convert/converter.h"
#include "media/media_list.h"
#include "media/properties_dlg.h"
#include "platform/dialog_units.h"
#include "platform/dialogs.h"
#include "res/bitmaps.h"
#include "res/resource.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>

namespace {

const QColor kBackground(190, 230, 250);

// The Convertion menu's size-limit commands and the limit each chooses.
const std::pair<int, int> kSizeCommands[]
    = {{ID_SIZE_KEEP, 0}, {ID_SIZE_1080, 1080}, {ID_SIZE_720, 720}, {ID_SIZE_480, 480}};

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
    setFont(DialogFont());
    BuildControls();

    // The settings come first: the controls below show them.
    m_settingsPath = SettingsPath();
    CreateSettingsFolder(m_settingsPath);
    LoadSettings(m_settings, m_settingsPath);

    m_media = std::make_unique<MediaList>(m_list, m_settings.preset, this);
    m_queue = std::make_unique<ConversionQueue>(m_media.get(), &m_settings.preset, &m_settings,
                                                this, this);
    m_queue->SetSlots(m_settings.simultaneous);
    // The desktop hears how a batch goes, and a word when it ends while the window is behind.
    auto *notifier = new DesktopNotifier(this);
    connect(&m_queue->batch(), &BatchQueue::Progress, notifier, &DesktopNotifier::BatchProgress);
    connect(&m_queue->batch(), &BatchQueue::BatchEnded, notifier,
            [this, notifier](int completed, int failed, int canceled) {
                notifier->BatchProgress(-1);
                notifier->BatchEnded(completed, failed, canceled, isActiveWindow());
            });

    // A window of fixed size that can be minimised but not maximised.
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("Kelvora 1.0"));
    setWindowIcon(LoadAppIcon());

    m_toolBar->SetImageStrips(IDB_TOOLBAR_NORMAL, IDB_TOOLBAR_NORMAL, IDB_TOOLBAR_DISABLED);
    m_browse->SetToolTipText(QStringLiteral("Browse a folder for target media files"));
    m_openFolder->SetToolTipText(QStringLiteral("Open the target files saving folder"));

    m_media->SetupColumns();
    m_media->LoadRowImages();

    m_folders = std::make_unique<SavingFolders>(m_folderBox, m_settings, m_settingsPath, this);
    m_folders->FillFolderList();
    m_solutionText->setText(m_settings.preset.solutionText);
    m_solutionButton->SetBitmaps(QPixmap::fromImage(LoadBitmapResource(IDB_SOLUTION_NORMAL)),
                                 QPixmap::fromImage(LoadBitmapResource(IDB_SOLUTION_PRESSED)));
    // The button fills its place in the layout, as high as the edit box beside it; its face is
    // stretched at the edges only (see CBitmapButton).
    m_solutionButton->setGeometry(MapDialogRect(Units(IDC_SOLUTION_BUTTON), font()));

    m_menu.LoadFromResource(IDR_MAIN_MENU);
    m_menu.SetCommandHandler([this](int id) { OnCommand(id); });
    layout()->setMenuBar(m_menu.menuBar());
    SelectSizeLimit(m_settings.sizeLimit);

    m_queue->UpdateCommands();
    BuildCommandTable();
    ShowSimultaneous();
    ApplyColours();
    auto *help = new QShortcut(QKeySequence(Qt::Key_F1), this);
    connect(help, &QShortcut::activated, this, [this] { OnCommand(ID_HELP_INDEX); });
    // Keys of the list: Delete cancels the selected rows being converted, or removes the
    // selection; Ctrl+Up and Ctrl+Down move the selection within the list.
    const std::pair<QKeySequence, std::function<void()>> listKeys[]
        = {{QKeySequence(Qt::Key_Delete),
            [this] {
                m_queue->DeleteSelected();
            }},
           {QKeySequence(Qt::CTRL | Qt::Key_Up),
            [this] {
                OnCommand(ID_MOVE_UP);
            }},
           {QKeySequence(Qt::CTRL | Qt::Key_Down), [this] {
                OnCommand(ID_MOVE_DOWN);
            }}};
    for (const auto &[keys, handler] : listKeys) {
        auto *shortcut = new QShortcut(keys, m_list);
        shortcut->setContext(Qt::WidgetShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    }
    BuildBatchBand();

    // The program's own cursor over the whole window, its controls included.
    const QCursor cursor = LoadProgramCursor();
    setCursor(cursor);
    for (QWidget *child : findChildren<QWidget *>())
        child->setCursor(cursor);
    qApp->installEventFilter(this);

    // The converter's encoders are read without holding the window up; a stored preset the
    // converter cannot make gives way to preset 0 once they are known.
    StartConverterLookup(this, [this](const ConverterInfo &converter) {
        const Preset *current = PresetById(m_settings.preset.id);
        if (current && !PresetAvailable(*current, converter))
            SelectPreset(0);
    });
}

CKelvoraDlg::~CKelvoraDlg()
{
    qApp->removeEventFilter(this);
    m_queue->Shutdown();
    SaveSettings(m_settings, m_settingsPath);
}

void CKelvoraDlg::BuildControls()
{
    auto *outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    m_client->setFixedSize(MapDialogSize(ClientUnits(), font()));
    outer->addWidget(m_client);
    outer->setSizeConstraint(QLayout::SetFixedSize);

    const QFont dialogFont = font();
    auto place = [&dialogFont](QWidget *w, const QRect &units) {
        w->setGeometry(MapDialogRect(units, dialogFont));
    };

    m_toolBar = new CTrueColorToolBar(m_client);
    m_toolBar->setGeometry(0, 0, m_client->width(), m_toolBar->sizeHint().height());
    m_toolBar->SetCommandHandler([this](int id) { OnCommand(id); });

    m_list = new CDragDropListCtrl(m_client);
    m_list->setObjectName(QStringLiteral("mediaList"));
    place(m_list, Units(IDC_MEDIA_LIST));
    m_list->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_list, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { ShowListMenu(m_list->viewport()->mapToGlobal(pos)); });

    auto *savingLabel = new QLabel(QStringLiteral("Saving Folder:"), m_client);
    savingLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(savingLabel, QRect(6, 220, 56, 8));

    m_folderBox = new CFlatComboBox(m_client);
    m_folderBox->setObjectName(QStringLiteral("savingFolder"));
    // A drop-down list's height in the layout includes its open list; the closed box is one line.
    const QRect folderRect = MapDialogRect(Units(IDC_SAVING_FOLDER), dialogFont);
    m_folderBox->setGeometry(folderRect.x(), folderRect.y(), folderRect.width(),
                             MapDialogRect(QRect(0, 0, 0, 13), dialogFont).height());

    m_browse = new CMyButton(QStringLiteral("Browse"), m_client);
    m_browse->setObjectName(QStringLiteral("browseButton"));
    place(m_browse, Units(IDC_BROWSE));
    connect(m_browse, &QPushButton::clicked, this, [this] { OnCommand(IDC_BROWSE); });

    m_openFolder = new CMyButton(QStringLiteral("Open Folder"), m_client);
    m_openFolder->setObjectName(QStringLiteral("openFolderButton"));
    place(m_openFolder, Units(IDC_OPEN_FOLDER));
    connect(m_openFolder, &QPushButton::clicked, this, [this] { OnCommand(IDC_OPEN_FOLDER); });

    auto *solutionLabel = new QLabel(QStringLiteral("Solution:"), m_client);
    solutionLabel->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    place(solutionLabel, QRect(0, 248, 51, 8));

    m_solutionText = new QLineEdit(m_client);
    m_solutionText->setObjectName(QStringLiteral("solutionText"));
    m_solutionText->setReadOnly(true);
    place(m_solutionText, Units(IDC_SOLUTION_TEXT));

    m_solutionButton = new CBitmapButton(m_client);
    m_solutionButton->setObjectName(QStringLiteral("solutionButton"));
    place(m_solutionButton, Units(IDC_SOLUTION_BUTTON));
    connect(m_solutionButton, &QPushButton::clicked, this,
            [this] { OnCommand(IDC_SOLUTION_BUTTON); });

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
    m_batchText->setGeometry(MapDialogRect(QRect(6, 266, 330, 9), font()));
    m_batchBar = new CTextProgressCtrl(m_client);
    m_batchBar->setObjectName(QStringLiteral("batchProgress"));
    m_batchBar->setGeometry(MapDialogRect(QRect(6, 278, 330, 10), font()));
    m_batchBar->SetThinBorder(true);
    m_batchBar->hide();
    m_batchText->hide();
    BatchQueue &batch = m_queue->batch();
    connect(&batch, &BatchQueue::Progress, this, [this](double fraction) {
        m_batchBar->SetPos(static_cast<int>(fraction * 100.0));
        ShowBatchState();
    });
    connect(&batch, &BatchQueue::BatchStarted, this, &CKelvoraDlg::ShowBatchState);
    connect(&batch, &BatchQueue::RowFinished, this, &CKelvoraDlg::ShowBatchState);
    connect(&batch, &BatchQueue::BatchEnded, this, &CKelvoraDlg::ShowBatchState);
}

void CKelvoraDlg::ShowBatchState()
{
    const BatchQueue &batch = m_queue->batch();
    QString text;
    if (batch.IsConverting()) {
        const int done = batch.completed() + batch.failed() + batch.canceled();
        text = QStringLiteral("%1 of %2 files done").arg(done).arg(batch.total());
        if (batch.failed() > 0)
            text += QStringLiteral(", %1 failed").arg(batch.failed());
    } else {
        text = QStringLiteral("%1 converted, %2 failed").arg(batch.completed()).arg(batch.failed());
        if (batch.canceled() > 0)
            text += QStringLiteral(", %1 canceled").arg(batch.canceled());
    }
    m_batchText->setText(text);
    m_batchText->show();
    m_batchBar->setVisible(batch.IsConverting());
}

void CKelvoraDlg::ApplyColours()
{
    // The window, its buttons, statics and edit boxes share one pale blue with black text; the
    // list and the folder box keep the standard colours.
    const QPalette standard = QApplication::palette();
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

void CKelvoraDlg::BuildCommandTable()
{
    auto add = [this](std::initializer_list<int> ids, std::function<void()> handler) {
        for (int id : ids)
            m_commands[id] = handler;
    };
    add({ID_ADD_FILES, ID_LIST_ADD_FILES}, [this] { m_media->AddFiles(); });
    add({ID_ADD_FOLDER, ID_LIST_ADD_FOLDER}, [this] { m_media->AddFolder(); });
    add({ID_FILE_REMOVE, ID_LIST_REMOVE}, [this] { RemoveSelected(); });
    add({ID_FILE_REMOVE_ALL, ID_LIST_REMOVE_ALL}, [this] { RemoveAll(); });
    add({ID_FILE_SELECT_ALL}, [this] { m_media->CheckAll(); });
    add({ID_PROPERTIES}, [this] { ShowProperties(); });
    add({ID_FILE_EXIT}, [this] { accept(); });
    add({ID_CONVERT_ALL, ID_LIST_CONVERT_ALL}, [this] { m_queue->ConvertAll(); });
    add({ID_CONVERT_SELECTED, ID_LIST_CONVERT_SELECTED}, [this] { m_queue->ConvertSelected(); });
    add({ID_STOP_CURRENT, ID_LIST_SKIP_CURRENT}, [this] { m_queue->SkipCurrent(); });
    add({ID_STOP_ALL, ID_LIST_STOP_ALL}, [this] { m_queue->StopAll(); });
    add({ID_RETRY_FAILED}, [this] { m_queue->RetryFailed(); });
    add({ID_SELECT_FAILED}, [this] { m_queue->SelectFailed(); });
    add({ID_LIST_CANCEL}, [this] { m_queue->CancelSelected(); });
    add({ID_MOVE_UP}, [this] { m_queue->MoveSelected(-1); });
    add({ID_MOVE_DOWN}, [this] { m_queue->MoveSelected(+1); });
    for (const auto &[command, slots] : SimultaneousChoices()) {
        const int count = slots;
        add({command}, [this, count] { SetSimultaneous(count); });
    }
    for (const Preset &preset : AllPresets()) {
        const int id = preset.id;
        add({preset.command}, [this, id] { SelectPreset(id); });
    }
    for (const auto &[command, limit] : kSizeCommands) {
        const int chosen = limit;
        add({command}, [this, chosen] { SelectSizeLimit(chosen); });
    }
    add({IDC_SOLUTION_BUTTON}, [this] { ShowPresetMenu(); });
    add({IDC_BROWSE}, [this] { m_folders->Browse(); });
    add({IDC_OPEN_FOLDER}, [this] { m_folders->OpenFolder(); });
    add({ID_HELP_INDEX}, [this] { OpenHelp(); });
    add({ID_APP_ABOUT}, [this] { ShowAbout(); });
}

void CKelvoraDlg::OnCommand(int id)
{
    const auto it = m_commands.find(id);
    if (it != m_commands.end())
        it->second();
}

void CKelvoraDlg::SelectPreset(int id)
{
    const Preset *preset = PresetById(id);
    if (!preset)
        return;
    m_settings.preset.id = id;
    m_settings.preset.solutionText = QString::fromLatin1(preset->solutionText);
    m_solutionText->setText(SolutionBoxText(*preset));
    m_settings.preset.formatLabel = QString::fromLatin1(preset->formatLabel);
    m_media->SetTargetFormat(m_settings.preset.formatLabel);
}

const std::vector<std::pair<int, int>> &CKelvoraDlg::SimultaneousChoices()
{
    static const std::vector<std::pair<int, int>> choices = {{ID_SIMULTANEOUS_ONE, 1},
                                                             {ID_SIMULTANEOUS_TWO, 2},
                                                             {ID_SIMULTANEOUS_FOUR, 4},
                                                             {ID_SIMULTANEOUS_CORES, 0}};
    return choices;
}

void CKelvoraDlg::SetSimultaneous(int slots)
{
    m_settings.simultaneous = slots;
    m_queue->SetSlots(slots);
    ShowSimultaneous();
}

void CKelvoraDlg::ShowSimultaneous()
{
    for (const auto &[command, slots] : SimultaneousChoices()) {
        if (QAction *action = m_menu.FindAction(command)) {
            action->setCheckable(true);
            action->setChecked(slots == m_settings.simultaneous);
        }
    }
}

void CKelvoraDlg::ShowPresetMenu()
{
    CMenuEx menu;
    menu.LoadFromResource(IDR_PRESET_MENU);
    ApplyPresetMenuRules(menu, Converter());
    menu.SetCommandHandler([this](int id) { OnCommand(id); });
    menu.TrackPopup(QCursor::pos(), CMenuEx::PopupAlignment::BottomAtPoint);
}

void CKelvoraDlg::ApplyPresetMenuRules(CMenuEx &menu, const ConverterInfo &converter)
{
    for (const Preset &preset : AllPresets()) {
        const QString reason = PresetUnavailableReason(preset, converter);
        QAction *action = menu.FindAction(preset.command);
        if (reason.isEmpty() || !action)
            continue;
        menu.EnableItem(preset.command, false);
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
    if (std::find(std::begin(kSizeLimits), std::end(kSizeLimits), limit) == std::end(kSizeLimits))
        limit = 0;
    m_settings.sizeLimit = limit;
    for (const auto &[command, value] : kSizeCommands) {
        if (QAction *action = m_menu.FindAction(command)) {
            action->setCheckable(true);
            action->setChecked(value == limit);
        }
    }
}

void CKelvoraDlg::ApplyListMenuRules(CMenuEx &menu, const CommandContext &context)
{
    int count = 0;
    const int *ids = RuledCommands(CommandPlace::ListMenu, &count);
    for (int i = 0; i < count; ++i)
        menu.EnableItem(ids[i], IsCommandEnabled(ids[i], CommandPlace::ListMenu, context));
}

void CKelvoraDlg::ShowListMenu(const QPoint &globalPos)
{
    CMenuEx menu;
    menu.LoadFromResource(IDR_LIST_MENU);
    ApplyListMenuRules(menu, m_queue->Context());
    menu.SetCommandHandler([this](int id) { OnCommand(id); });
    menu.TrackPopup(globalPos);
}

void CKelvoraDlg::RemoveSelected()
{
    if (IsCommandEnabled(ID_FILE_REMOVE, CommandPlace::MenuBar, m_queue->Context()))
        m_media->RemoveSelected();
}

void CKelvoraDlg::RemoveAll()
{
    if (IsCommandEnabled(ID_FILE_REMOVE_ALL, CommandPlace::MenuBar, m_queue->Context()))
        m_media->RemoveAll();
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
    // The help file lives beside the program, whatever the current folder is; a missing file
    // shows nothing.
    CurrentDialogs().OpenUrl(QCoreApplication::applicationDirPath()
                             + QStringLiteral("/kelvora.chm"));
}

void CKelvoraDlg::ShowAbout()
{
    CAboutDlg about(this);
    about.exec();
}

void CKelvoraDlg::EnableCommand(int id, Place place, bool enabled)
{
    if (place == Place::Menu) {
        m_menu.EnableItem(id, enabled);
    } else if (QAction *action = m_toolBar->ActionById(id)) {
        action->setEnabled(enabled);
    }
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

void CKelvoraDlg::changeEvent(QEvent *event)
{
    // The window has one size: a request to maximise it (from a window manager that offers it
    // anyway) is turned back.
    if (event->type() == QEvent::WindowStateChange && (windowState() & Qt::WindowMaximized)) {
        QTimer::singleShot(0, this, [this] {
            setWindowState(windowState() & ~Qt::WindowMaximized);
            adjustSize();
        });
    }
    QDialog::changeEvent(event);
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
