// The saving-folder controls of the main window: the recent folders, Browse and Open Folder.
#include "ui/app/saving_folders.h"

#include "ui/platform/dialogs.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPointer>
#include <QStyledItemDelegate>

#include <utility>

namespace {

const char kBrowseTitle[] = QT_TRANSLATE_NOOP("Window", "Browse for Target File Saving Folder");
const char kFolderMissing[] = QT_TRANSLATE_NOOP("Window", "The Folder not exist!");
const QString kAppCaption = QStringLiteral("Kelvora");

// Every folder the program stores ends with "/", the root "/" included; an empty entry or a
// stub such as "C:" is not a folder the list offers.
bool IsShownFolder(const QString &folder)
{
    return folder.endsWith(QLatin1Char('/'));
}

// Gives the list's items a fixed height and leaves their look to the box's own delegate, which
// the style picks (a menu-like one for most styles) and which ignores item size hints.
class FixedHeightDelegate final : public QAbstractItemDelegate
{
    Q_DISABLE_COPY_MOVE(FixedHeightDelegate)

public:
    FixedHeightDelegate(QAbstractItemDelegate *look, int height, QObject *parent)
        : QAbstractItemDelegate(parent)
        , m_look(look)
        , m_height(height)
    { }

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        Look()->paint(painter, option, index);
    }

    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override
    {
        QSize size = Look()->sizeHint(option, index);
        size.setHeight(m_height);
        return size;
    }

    bool editorEvent(QEvent *event, QAbstractItemModel *model, const QStyleOptionViewItem &option,
                     const QModelIndex &index) override
    {
        return Look()->editorEvent(event, model, option, index);
    }

    bool helpEvent(QHelpEvent *event, QAbstractItemView *view, const QStyleOptionViewItem &option,
                   const QModelIndex &index) override
    {
        return Look()->helpEvent(event, view, option, index);
    }

private:
    QAbstractItemDelegate *Look() const
    {
        return m_look ? m_look.data() : const_cast<QStyledItemDelegate *>(&m_fallback);
    }

    QPointer<QAbstractItemDelegate> m_look;
    QStyledItemDelegate m_fallback;
    int m_height;
};

} // namespace

SavingFolders::SavingFolders(QComboBox *box, Settings &settings, QWidget *dialogParent)
    : m_box(box)
    , m_settings(settings)
    , m_dialogParent(dialogParent)
{
    QObject::connect(m_box, &QComboBox::activated, m_box, [this](int) { OnSelectionChange(); });
}

void SavingFolders::FillFolderList()
{
    QAbstractItemView *view = m_box->view();
    if (!dynamic_cast<FixedHeightDelegate *>(view->itemDelegate()))
        view->setItemDelegate(
            new FixedHeightDelegate(view->itemDelegate(), kFolderItemHeight, m_box));
    FillItems();
    m_box->setCurrentIndex(m_box->count() - 1);
    m_settings.SetCurrentFolder(m_box->currentText());
}

void SavingFolders::FillItems()
{
    m_box->clear();
    for (int i = kRecentFolderCount - 1; i >= 0; --i) {
        const QString &folder = m_settings.values().folders[i];
        if (IsShownFolder(folder))
            m_box->addItem(folder);
    }
}

void SavingFolders::OnSelectionChange()
{
    m_settings.SetCurrentFolder(m_box->currentText());
}

void SavingFolders::AddRecentFolder(const QString &folder)
{
    int match = 0;
    for (int k = 1; k <= kRecentFolderCount && !match; ++k) {
        if (folder == m_settings.values().folders[k - 1])
            match = k;
    }
    if (match) {
        // Counted over the entries the list shows: with some left out, a position counted from
        // the bottom of the list would point at another folder.
        int item = 0;
        for (int i = kRecentFolderCount - 1; i >= match; --i)
            item += IsShownFolder(m_settings.values().folders[i]) ? 1 : 0;
        m_box->setCurrentIndex(item);
    } else {
        m_settings.PushRecentFolder(folder);
        // Rebuilt from the five: the oldest leaves the list exactly when it leaves the settings.
        FillItems();
        m_box->setCurrentIndex(m_box->count() - 1);
        m_settings.Save();
    }
    m_settings.SetCurrentFolder(m_box->currentText());
}

void SavingFolders::Browse()
{
    QString folder = CurrentDialogs().PickFolder(
        m_dialogParent, QCoreApplication::translate("Window", kBrowseTitle));
    if (folder.isEmpty())
        return;
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    AddRecentFolder(folder);
}

void SavingFolders::OpenFolder()
{
    const QString folder = m_box->currentText();
    // The desktop's opener may report success for a path that is not there, so look first.
    if (folder.isEmpty() || !QFileInfo(folder).isDir() || !CurrentDialogs().OpenUrl(folder))
        CurrentDialogs().Message(m_dialogParent,
                                 QCoreApplication::translate("Window", kFolderMissing), kAppCaption,
                                 MessageIcon::Critical);
}
