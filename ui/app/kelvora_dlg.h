#pragma once

#include "engine/platform/system_power.h"
#include "engine/settings/settings.h"
#include "ui/controls/chrome/menu_ex.h"
#include "ui/convert/conversion_queue.h"

#include <QDialog>
#include <QPoint>

#include <memory>
#include <vector>

class CBitmapButton;
class CDragDropListCtrl;
class Commands;
class CFlatComboBox;
class CMyButton;
class CTextProgressCtrl;
class CTrueColorToolBar;
class QLabel;
struct ConverterInfo;
class MediaList;
class QLineEdit;
class SavingFolders;
class SleepInhibitor;

// The program's main window: the toolbar, the media list, the saving-folder controls, the
// Solution controls and the menu bar. Every menu item, toolbar button, button and key triggers
// one of the window's named actions (commands()), which holds the command's handler.
class CKelvoraDlg : public QDialog
{
    Q_OBJECT

public:
    explicit CKelvoraDlg(QWidget *parent = nullptr);
    ~CKelvoraDlg() override;

    // Makes preset `id` current: the Solution box and every row's target format follow.
    void SelectPreset(int id);
    // Opens the preset menu at the cursor, its bottom edge there.
    void ShowPresetMenu();
    // Grays the presets the converter cannot make, each with the reason as its status tip.
    static void ApplyPresetMenuRules(CMenuEx &menu, const ConverterInfo &converter);
    // Sets the modern video presets' size limit (0 keeps the size; a value that is not a choice
    // counts as 0) and checks its item in the Convertion menu.
    void SelectSizeLimit(int limit);
    // Ticks or unticks Keep the Computer Awake: whether a running batch holds a sleep inhibitor.
    // Unticked during a batch, the inhibitor is given back; ticked, it is taken.
    void SetKeepAwake(bool on);
    // "When the Output Exists": skip a file whose output is there (true) or make a new name.
    void SetSkipConverted(bool skip);
    // Ticks or unticks "Convert As They Arrive".
    void SetConvertArrivals(bool on);
    // Asks for a folder, with the "Include sub folders" choice, and watches it from now on: its
    // files that arrive are listed (and converted with Convert As They Arrive). Kept in the
    // settings.
    void WatchFolder();
    // Stops watching every folder, and forgets them.
    void StopWatching();
    // "When Done": what happens when a batch ends, for this session only.
    void SetWhenDone(WhenDone action);
    WhenDone whenDone() const { return m_whenDone; }
    // The list's context menu at `globalPos`, its items enabled by the selection.
    void ShowListMenu(const QPoint &globalPos);

    // Enables the window's commands, and the controls that are locked while files convert, as
    // `context` decides them.
    void ApplyCommands(const CommandContext &context);
    // The folder box, Browse and the Solution button: what each file takes as it starts.
    void EnableControls(bool enabled);

    // The parts of the window, for tests and the window's own use.
    const SettingsValues &settings() const { return m_settings.values(); }
    QString settingsPath() const { return m_settings.path(); }
    MediaList *media() const { return m_media.get(); }
    ConversionQueue *queue() const { return m_queue.get(); }
    Commands &commands() const { return *m_commands; }
    CMenuEx &mainMenu() { return m_menu; }
    CTrueColorToolBar *toolBar() const { return m_toolBar; }
    CDragDropListCtrl *list() const { return m_list; }
    CFlatComboBox *folderBox() const { return m_folderBox; }
    QLineEdit *solutionBox() const { return m_solutionText; }
    CBitmapButton *solutionButton() const { return m_solutionButton; }
    CMyButton *browseButton() const { return m_browse; }
    CMyButton *openFolderButton() const { return m_openFolder; }
    QWidget *client() const { return m_client; }

    // The layout of the window in dialog units: the client area and each control.
    static QSize ClientUnits() { return QSize(527, 314); }
    // How long the notice before a suspend or power off counts down.
    static constexpr int kNoticeSeconds = 60;
    static QRect ControlUnits(int id);

    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void BuildControls();
    // The band under the Solution row that tells how the batch goes: files done of the batch,
    // failures, an overall bar and the time left; when it ends, what it did.
    void BuildBatchBand();
    void ShowBatchState();
    // The watched folders in the band, each with what keeps it from being watched, if anything.
    void ShowWatched();
    // Carries out "When Done" after a batch, where it applies.
    void OnBatchEnded();
    // The notice before the computer is suspended or powered off: it counts down kNoticeSeconds,
    // then asks logind; Cancel keeps the computer as it is.
    void ShowPowerNotice(WhenDone action);
    void HandleCommands();
    // The window's action named `name`.
    QAction *Command(const char *name) const;
    void ApplyColours();
    void LayOutClient();
    void OpenHelp();
    void ShowAbout();
    void ShowProperties();
    void SetSimultaneous(int slots);
    void ShowSimultaneous();

    Settings m_settings {SettingsPath()};
    CMenuEx m_menu;
    QWidget *m_client = nullptr;
    CTrueColorToolBar *m_toolBar = nullptr;
    CDragDropListCtrl *m_list = nullptr;
    CFlatComboBox *m_folderBox = nullptr;
    CMyButton *m_browse = nullptr;
    CMyButton *m_openFolder = nullptr;
    QLineEdit *m_solutionText = nullptr;
    CBitmapButton *m_solutionButton = nullptr;
    bool m_subFolders = false; // Add Folder's "Include sub folders" box, as last left
    QLabel *m_batchText = nullptr;
    QLabel *m_watchText = nullptr;
    WhenDone m_whenDone = WhenDone::Nothing;
    bool m_onlyIfAllSucceeded = false;
    CTextProgressCtrl *m_batchBar = nullptr;
    // The saving-folder and Solution rows: they keep their distance to the window's bottom.
    std::vector<QWidget *> m_anchoredBelow;
    std::vector<int> m_describedTops;
    std::unique_ptr<MediaList> m_media;
    std::unique_ptr<SavingFolders> m_folders;
    std::unique_ptr<ConversionQueue> m_queue;
    SleepInhibitor *m_inhibitor = nullptr;
    Commands *m_commands = nullptr;
    bool m_pressed = false; // the left button went down on the background
    bool m_dragging = false;
    QPoint m_dragOffset;
    bool m_closed = false;
};
