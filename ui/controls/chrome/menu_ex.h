#pragma once

#include "ui/res/menus.h"

#include <QColor>
#include <QFlags>
#include <QList>
#include <QMenu>
#include <QMenuBar>
#include <QObject>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QPainter;
class QRect;
class QWidget;

// Images an item may show in the image column, all of one size.
using MenuImageList = QList<QPixmap>;

// A menu built from a menu template whose popup items, at any depth, are painted by this class:
// a pale image column, a framed highlight, a framed check box, embossed text for a disabled item
// and a thin grey separator line. A popup has a one-pixel grey frame and keeps 8 pixels right of
// its widest item. A menu bar's own entries keep Qt's look.
//
// Each level is one CMenuEx: a menu bar (a QMenuBar) or a popup (a QMenu), and every submenu
// entry owns the CMenuEx of its submenu. Every QAction carries its command id as data() (-1 for a
// submenu entry, 0 for a separator), and a command item the name of the action its template binds
// it to as the property kCommandProperty; a command chosen anywhere below reaches the handler of
// the topmost CMenuEx by id.
class CMenuEx : public QObject
{
    Q_OBJECT

public:
    // One record per menu position; entry i describes the QAction at position i.
    struct tagMENUITEM
    {
        QString text; // as read from the source, "&" markers included; empty for a separator
        int commandId = 0; // -1 for a submenu entry, 0 for a separator
        int width = 0; // text width + 10 (command), + 25 (submenu entry), 0 (separator)
        int height = 2; // the menu's separator height for a separator
        std::shared_ptr<const MenuImageList> normalImages;
        std::shared_ptr<const MenuImageList> disabledImages;
        std::shared_ptr<const MenuImageList> selectedImages;
        int imageIndex = -1; // -1: no image
        bool isSubmenu = false;
        std::unique_ptr<CMenuEx> submenu; // the submenu of a submenu entry
        QPointer<QAction> action; // the Qt item this record paints
    };

    enum ItemStateFlag {
        ItemSelected = 0x1,
        ItemGrayed = 0x2,
        ItemDisabled = 0x4,
        ItemChecked = 0x8
    };
    Q_DECLARE_FLAGS(ItemState, ItemStateFlag)

    enum class PopupAlignment { TopAtPoint, BottomAtPoint };

    static constexpr const char *kCommandProperty = "command";

    explicit CMenuEx(QObject *parent = nullptr);
    ~CMenuEx() override;

    // Builds the menu from menu resource `resourceId`; false for an id with no template.
    bool LoadFromResource(int resourceId);
    // Builds the menu from the entries of a template node.
    bool LoadFromMenu(const std::vector<MenuTemplateItem> &source);
    // Builds the menu from an existing QMenu (texts, ids, enabled and checked states, submenus at
    // every depth). The source is consumed: it is deleted once copied.
    bool LoadFromMenu(QMenu *source);
    // Appends every entry of `source`; stops and returns false at the first that cannot be added.
    bool CopyItems(const std::vector<MenuTemplateItem> &source);
    // Inserts one entry, with its record, at `position` (0 .. ItemCount()).
    bool AddItem(int position, const MenuTemplateItem &item);

    // Paints one popup item into `R`, in four layers: background and image column, selection
    // frame, text or separator line, check box or image.
    void DrawItem(QPainter *painter, const QRect &R, ItemState state,
                  const tagMENUITEM &item) const;
    // Brings the records of a popup back in step with its QActions; runs each time the popup is
    // about to show. Does nothing for a menu bar.
    void RefreshPopup();
    // Releases every record, submenu and Qt menu; the object is empty afterwards.
    void Clear();

    // Must be set before the menu is built; submenus are popups whatever their owner is.
    void SetPopup(bool popup) { isPopup = popup; }
    void SetImageLists(std::shared_ptr<const MenuImageList> normal,
                       std::shared_ptr<const MenuImageList> disabled,
                       std::shared_ptr<const MenuImageList> selected);

    int ItemCount() const { return int(items.size()); }
    const tagMENUITEM *Item(int index) const;

    QMenuBar *menuBar() const { return bar; }
    QMenu *popup() const { return menu; }

    // Commands chosen in this menu or any of its submenus arrive here by id. Only the topmost
    // menu's handler is called: submenus pass their commands up.
    void SetCommandHandler(std::function<void(int)> handler);
    // The first command action with `id` at any depth, or nullptr.
    QAction *FindAction(int id) const;
    // Every command action at any depth (no separators, no submenu entries): this level's first,
    // then each submenu's.
    QList<QAction *> CommandItems() const;
    // Enables or grays every command action with `id` at any depth.
    void EnableItem(int id, bool enabled);
    // Shows the popup of record 0 at `globalPos` until it closes and returns the chosen command
    // (0 when none); the command reaches the handler after the popup has closed. Returns 0 without
    // showing anything when there is no record 0 with a submenu.
    int TrackPopup(const QPoint &globalPos, PopupAlignment alignment = PopupAlignment::TopAtPoint);

private:
    friend class ImageMenuStyle;

    QWidget *Host() const;
    const tagMENUITEM *RecordOf(const QAction *action) const;
    std::unique_ptr<tagMENUITEM> MakeRecord(const MenuTemplateItem &item);
    static void ReleaseRecords(std::vector<std::unique_ptr<tagMENUITEM>> records);
    void Dispatch(int commandId);
    void CollectActions(int id, QList<QAction *> *found) const;

    bool isPopup = false;
    int separatorHeight = 10;
    QColor backgroundColor;
    QColor selectedTextColor;
    QColor textColor;
    QColor imageColumnColor {236, 233, 216};
    QColor frameColor {49, 106, 197};
    QColor fillColor {200, 220, 253};
    int imageCellWidth = 20;
    int imageCellHeight = 20;
    std::shared_ptr<const MenuImageList> normalImages;
    std::shared_ptr<const MenuImageList> disabledImages;
    std::shared_ptr<const MenuImageList> selectedImages;
    std::vector<std::unique_ptr<tagMENUITEM>> items;

    QPointer<QMenuBar> bar;
    QPointer<QMenu> menu;
    CMenuEx *ownerMenu = nullptr; // the menu whose submenu entry owns this one
    std::function<void(int)> commandHandler;
    bool tracking = false;
    int pendingCommand = 0;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(CMenuEx::ItemState)

// The size of one popup item: a command (text width + 30) x 22, a submenu entry (text width + 45)
// x 22, a separator 0 x 10. Text widths are taken with the application's default font on the raw
// text, "&" markers included, so every item keeps room for them.
QSize MeasureMenuItem(const CMenuEx::tagMENUITEM &item);
