// The owner-drawn menu with its images, as the window and the list show it.
#include "ui/controls/chrome/menu_ex.h"

#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPalette>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>

namespace {

const QColor kSeparatorLineColor(197, 194, 184);
const QChar kCheckMark(0x221A);
// Room a submenu entry keeps on its right for the arrow (the extra width of a submenu entry).
constexpr int kArrowWidth = 15;
// A popup's one-pixel frame keeps it apart from the list and toolbar it opens over.
constexpr int kPopupFrameWidth = 1;
const QColor kPopupFrameColor(128, 128, 128);
// Room every popup item keeps right of its measured width, so that the longest text does not run
// into the frame (an item's width holds its text exactly, and a text drawn at a fractional device
// pixel ratio may end a pixel beyond its measured advance).
constexpr int kPopupRightMargin = 8;

// Records are measured with the application's default font, not the menu's, and on the raw text:
// an "&" marker counts with its own width.
int TextWidth(const QString &text)
{
    return QFontMetrics(QApplication::font()).horizontalAdvance(text);
}

int CommandIdOf(const QAction *action)
{
    if (action->isSeparator())
        return MenuTemplateItem::kSeparatorId;
    if (action->menu())
        return MenuTemplateItem::kSubmenuId;
    return action->data().toInt();
}

// The entries of a QMenu as a template, submenus at every depth included.
std::vector<MenuTemplateItem> EntriesOf(const QMenu *source)
{
    std::vector<MenuTemplateItem> entries;
    const QList<QAction *> actions = source->actions();
    for (const QAction *action : actions) {
        MenuTemplateItem entry;
        entry.id = CommandIdOf(action);
        if (entry.id != MenuTemplateItem::kSeparatorId) {
            entry.text = action->text();
            entry.grayed = !action->isEnabled();
            entry.checked = action->isCheckable() && action->isChecked();
            entry.command = action->property(CMenuEx::kCommandProperty).toString();
        }
        if (entry.id == MenuTemplateItem::kSubmenuId)
            entry.children = EntriesOf(action->menu());
        entries.push_back(std::move(entry));
    }
    return entries;
}

// Windows-style text drawing: tabs move to the next stop of eight average character widths from
// the left of the rectangle, "&" marks an underlined mnemonic.
void DrawExpandedText(QPainter *painter, const QRect &rect, const QString &text)
{
    const QFontMetrics metrics(painter->font());
    const int tabStop = qMax(1, 8 * metrics.averageCharWidth());
    const QStringList segments = text.split(QLatin1Char('\t'));
    int x = rect.left();
    for (int i = 0; i < segments.size(); ++i) {
        if (x > rect.right())
            break;
        const QString &segment = segments.at(i);
        painter->drawText(QRect(x, rect.top(), rect.right() + 1 - x, rect.height()),
                          Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, segment);
        x += metrics.size(Qt::TextShowMnemonic, segment).width();
        if (i + 1 < segments.size())
            x = rect.left() + ((x - rect.left()) / tabStop + 1) * tabStop;
    }
}

// The platform's disabled look: the text in the light colour one pixel down and right, then in
// the dark colour on top. The text is taken literally, "&" included.
void DrawEmbossedText(QPainter *painter, const QRect &rect, int flags, const QString &text)
{
    const QPalette palette = QApplication::palette();
    painter->save();
    painter->setClipRect(rect, Qt::IntersectClip);
    painter->setPen(palette.color(QPalette::Light));
    painter->drawText(rect.translated(1, 1), flags, text);
    painter->setPen(palette.color(QPalette::Dark));
    painter->drawText(rect, flags, text);
    painter->restore();
}

} // namespace

// The popup of one CMenuEx level. Its style options carry the QAction they describe so that the
// style can find the record that paints it.
class ImagePopup : public QMenu
{
public:
    explicit ImagePopup(CMenuEx *owner)
        : owner(owner)
    { }

    CMenuEx *const owner;

protected:
    void initStyleOption(QStyleOptionMenuItem *option, const QAction *action) const override
    {
        QMenu::initStyleOption(option, action);
        option->styleObject = const_cast<QAction *>(action);
    }
};

// Gives every recorded item of an image popup its measured size and paints it through DrawItem;
// items without a record (added behind the menu's back and not yet refreshed) keep the base look.
class ImageMenuStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    static ImageMenuStyle *Shared()
    {
        static QPointer<ImageMenuStyle> style;
        if (!style) {
            style = new ImageMenuStyle(QStyleFactory::create(QApplication::style()->name()));
            style->setParent(qApp);
        }
        return style;
    }

    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        switch (metric) {
        case PM_MenuPanelWidth:
            return kPopupFrameWidth;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption *option, const QSize &size,
                           const QWidget *widget) const override
    {
        if (type == CT_MenuItem) {
            if (const CMenuEx::tagMENUITEM *record = RecordFor(option, widget)) {
                // QMenu gives no room to an empty size, and stretches every item to the menu's
                // width anyway.
                const QSize measured = MeasureMenuItem(*record);
                return QSize(qMax(1, measured.width()) + kPopupRightMargin,
                             qMax(1, measured.height()));
            }
        }
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    }

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        if (element == CE_MenuItem) {
            if (const CMenuEx::tagMENUITEM *record = RecordFor(option, widget)) {
                const auto *item = static_cast<const QStyleOptionMenuItem *>(option);
                CMenuEx::ItemState state;
                if (item->state & State_Selected)
                    state |= CMenuEx::ItemSelected;
                if (!(item->state & State_Enabled))
                    state |= CMenuEx::ItemGrayed | CMenuEx::ItemDisabled;
                if (item->checkType != QStyleOptionMenuItem::NotCheckable && item->checked)
                    state |= CMenuEx::ItemChecked;
                static_cast<const ImagePopup *>(widget)->owner->DrawItem(painter, item->rect, state,
                                                                         *record);
                if (record->isSubmenu)
                    DrawSubmenuArrow(item, painter, widget);
                return;
            }
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget) const override
    {
        if (element == PE_FrameMenu && dynamic_cast<const ImagePopup *>(widget)) {
            painter->save();
            painter->setRenderHint(QPainter::Antialiasing, false);
            const QRect r = option->rect;
            const int w = kPopupFrameWidth;
            painter->fillRect(QRect(r.left(), r.top(), r.width(), w), kPopupFrameColor);
            painter->fillRect(QRect(r.left(), r.bottom() + 1 - w, r.width(), w), kPopupFrameColor);
            painter->fillRect(QRect(r.left(), r.top(), w, r.height()), kPopupFrameColor);
            painter->fillRect(QRect(r.right() + 1 - w, r.top(), w, r.height()), kPopupFrameColor);
            painter->restore();
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

private:
    static const CMenuEx::tagMENUITEM *RecordFor(const QStyleOption *option, const QWidget *widget)
    {
        const auto *popup = dynamic_cast<const ImagePopup *>(widget);
        const auto *action = qobject_cast<const QAction *>(option->styleObject);
        if (!popup || !action)
            return nullptr;
        return popup->owner->RecordOf(action);
    }

    // As the platform adds to every popup item that opens a submenu.
    void DrawSubmenuArrow(const QStyleOptionMenuItem *item, QPainter *painter,
                          const QWidget *widget) const
    {
        QStyleOption arrow;
        arrow.initFrom(widget);
        const QRect &r = item->rect;
        arrow.rect = QRect(r.right() + 1 - kArrowWidth, r.top(), kArrowWidth, r.height())
                         .adjusted(4, 6, -4, -6);
        arrow.state = item->state;
        arrow.palette.setColor(QPalette::ButtonText,
                               QApplication::palette().color(QPalette::WindowText));
        arrow.palette.setColor(QPalette::WindowText,
                               QApplication::palette().color(QPalette::WindowText));
        QProxyStyle::drawPrimitive(PE_IndicatorArrowRight, &arrow, painter, widget);
    }
};

CMenuEx::CMenuEx(QObject *parent)
    : QObject(parent)
    , backgroundColor(QApplication::palette().color(QPalette::Window))
    , selectedTextColor(QApplication::palette().color(QPalette::WindowText))
    , textColor(QApplication::palette().color(QPalette::WindowText))
{ }

CMenuEx::~CMenuEx()
{
    Clear();
}

bool CMenuEx::LoadFromResource(int resourceId)
{
    const std::optional<std::vector<MenuTemplateItem>> source = MenuTemplate(resourceId);
    if (!source)
        return false;
    return LoadFromMenu(*source);
}

bool CMenuEx::LoadFromMenu(QMenu *source)
{
    if (!source)
        return false;
    const std::vector<MenuTemplateItem> entries = EntriesOf(source);
    delete source;
    return LoadFromMenu(entries);
}

bool CMenuEx::LoadFromMenu(const std::vector<MenuTemplateItem> &source)
{
    if (Host())
        Clear();
    if (isPopup) {
        auto *popup = new ImagePopup(this);
        popup->setStyle(ImageMenuStyle::Shared());
        // Items are measured with the application's font: they are painted with it too.
        popup->setFont(QApplication::font());
        // A trailing separator is part of the preset menu's look; Qt would hide it.
        popup->setSeparatorsCollapsible(false);
        connect(popup, &QMenu::aboutToShow, this, &CMenuEx::RefreshPopup);
        connect(popup, &QMenu::triggered, this, [this](QAction *action) {
            // Parent menus re-emit their submenus' actions: only this level's own count here.
            if (menu && menu->actions().contains(action) && !action->menu()
                && !action->isSeparator())
                Dispatch(action->data().toInt());
        });
        menu = popup;
    } else {
        bar = new QMenuBar;
        connect(bar, &QMenuBar::triggered, this, [this](QAction *action) {
            if (bar && bar->actions().contains(action) && !action->menu() && !action->isSeparator())
                Dispatch(action->data().toInt());
        });
    }
    return CopyItems(source);
}

bool CMenuEx::CopyItems(const std::vector<MenuTemplateItem> &source)
{
    for (const MenuTemplateItem &entry : source) {
        if (!AddItem(ItemCount(), entry))
            return false;
    }
    return true;
}

std::unique_ptr<CMenuEx::tagMENUITEM> CMenuEx::MakeRecord(const MenuTemplateItem &entry)
{
    auto record = std::make_unique<tagMENUITEM>();
    record->commandId = entry.id;
    if (entry.id == MenuTemplateItem::kSeparatorId) {
        record->height = separatorHeight;
        return record;
    }
    record->text = entry.text;
    record->normalImages = normalImages;
    record->disabledImages = disabledImages;
    record->selectedImages = selectedImages;
    if (entry.id == MenuTemplateItem::kSubmenuId) {
        record->width = TextWidth(entry.text) + 25;
        record->isSubmenu = true;
        record->submenu = std::make_unique<CMenuEx>();
        record->submenu->SetPopup(true);
        record->submenu->ownerMenu = this;
        record->submenu->LoadFromMenu(entry.children);
    } else {
        record->width = TextWidth(entry.text) + 10;
    }
    return record;
}

bool CMenuEx::AddItem(int position, const MenuTemplateItem &entry)
{
    QWidget *host = Host();
    if (!host || position < 0 || position > ItemCount())
        return false;

    std::unique_ptr<tagMENUITEM> record = MakeRecord(entry);
    QAction *action = nullptr;
    if (record->isSubmenu) {
        action = record->submenu->popup()->menuAction();
        record->submenu->popup()->setTitle(entry.text);
    } else {
        action = new QAction(host);
        if (entry.id == MenuTemplateItem::kSeparatorId)
            action->setSeparator(true);
        else
            action->setText(entry.text);
        if (!entry.command.isEmpty())
            action->setProperty(kCommandProperty, entry.command);
    }
    action->setData(entry.id);
    if (entry.id != MenuTemplateItem::kSeparatorId) {
        action->setEnabled(!entry.grayed);
        if (entry.checked) {
            action->setCheckable(true);
            action->setChecked(true);
        }
    }
    host->insertAction(host->actions().value(position), action);
    record->action = action;
    items.insert(items.begin() + position, std::move(record));
    return true;
}

void CMenuEx::DrawItem(QPainter *painter, const QRect &R, ItemState state,
                       const tagMENUITEM &item) const
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    const bool selected = state.testFlag(ItemSelected);
    const bool grayed = state.testFlag(ItemGrayed);
    const int h = R.height();

    // Background and image column.
    painter->fillRect(R, backgroundColor);
    painter->fillRect(QRect(R.left(), R.top(), imageCellWidth + 2, h), imageColumnColor);

    // Selection frame.
    if (item.commandId != 0 && !grayed && !state.testFlag(ItemDisabled) && selected) {
        painter->setPen(QPen(frameColor, 1));
        painter->setBrush(fillColor);
        painter->drawRect(R.adjusted(0, 0, -1, -1));
    }

    // Separator line or text.
    QRect T(R.left() + imageCellWidth + 10, R.top(), 0, h);
    T.setRight(R.right());
    const QColor ink = selected ? selectedTextColor : textColor;
    if (item.commandId == 0) {
        const int m = R.top() + h / 2;
        painter->fillRect(QRect(T.left(), m - 1, T.width(), 1), kSeparatorLineColor);
    } else {
        const QFontMetrics metrics(painter->font());
        T.setTop(R.top() + (h - metrics.height()) / 2);
        if (grayed) {
            DrawEmbossedText(painter, T, Qt::AlignLeft | Qt::AlignTop, item.text);
        } else {
            painter->setPen(ink);
            painter->save();
            painter->setClipRect(T, Qt::IntersectClip);
            DrawExpandedText(painter, T, item.text);
            painter->restore();
        }
    }

    // Check box or image.
    const QRect B(R.left() + 1, R.top() + 1, imageCellWidth, imageCellHeight);
    if (state.testFlag(ItemChecked)) {
        painter->setPen(QPen(frameColor, 1));
        painter->setBrush(fillColor);
        painter->drawRect(B.adjusted(0, 0, -1, -1));
        const QFontMetrics metrics(painter->font());
        const QString mark(kCheckMark);
        const int x = B.left() + (B.width() - metrics.horizontalAdvance(mark)) / 2;
        const int y = B.top() + (B.height() - metrics.height()) / 2 - 4;
        const QRect area(x, y, B.right() + 1 - x, B.bottom() + 1 - y);
        const int flags = Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine;
        if (grayed) {
            DrawEmbossedText(painter, area, flags, mark);
        } else {
            painter->setPen(ink);
            painter->drawText(area, flags, mark);
        }
    } else if (item.imageIndex != -1) {
        const MenuImageList *images = item.normalImages.get();
        if (grayed && item.disabledImages)
            images = item.disabledImages.get();
        else if (selected && item.selectedImages)
            images = item.selectedImages.get();
        if (images && item.imageIndex >= 0 && item.imageIndex < images->size())
            painter->drawPixmap(R.left() + 1, R.top() + 1, images->at(item.imageIndex));
    }
    painter->restore();
}

void CMenuEx::RefreshPopup()
{
    if (!isPopup || !menu)
        return;
    const QList<QAction *> actions = menu->actions();
    const int n = int(actions.size());
    for (int p = 0; p < n; ++p) {
        QAction *action = actions.at(p);
        const int id = CommandIdOf(action);
        const QString text = action->isSeparator() ? QString() : action->text();
        if (p < ItemCount() && items[p]->commandId == id) {
            tagMENUITEM &record = *items[p];
            if (id == MenuTemplateItem::kSubmenuId)
                continue;
            // A QAction reads back the text it shows, so a different text was set on the action
            // itself: it is taken over. The width stays the one measured for the record.
            record.text = text;
            record.action = action;
            continue;
        }

        MenuTemplateItem entry;
        entry.id = id;
        entry.text = text;
        if (id == MenuTemplateItem::kSubmenuId) {
            entry.children = EntriesOf(action->menu());
            entry.grayed = !action->isEnabled();
        }
        std::unique_ptr<tagMENUITEM> record = MakeRecord(entry);
        if (record->isSubmenu) {
            // The copy takes the place of the submenu it was made from.
            QAction *copy = record->submenu->popup()->menuAction();
            record->submenu->popup()->setTitle(text);
            copy->setData(id);
            copy->setEnabled(action->isEnabled());
            menu->insertAction(action, copy);
            QMenu *source = action->menu();
            menu->removeAction(action);
            delete source;
            action = copy;
        }
        record->action = action;
        items.insert(items.begin() + p, std::move(record));
    }
    if (ItemCount() > n) {
        // Releasing a submenu removes its entry from the visible popup, which measures its items
        // again: the array must already be in its final state by then.
        std::vector<std::unique_ptr<tagMENUITEM>> released(
            std::make_move_iterator(items.begin() + n), std::make_move_iterator(items.end()));
        items.erase(items.begin() + n, items.end());
        ReleaseRecords(std::move(released));
    }
}

void CMenuEx::Clear()
{
    normalImages.reset();
    disabledImages.reset();
    selectedImages.reset();
    std::vector<std::unique_ptr<tagMENUITEM>> released;
    released.swap(items);
    ReleaseRecords(std::move(released));
    delete bar;
    delete menu;
}

void CMenuEx::ReleaseRecords(std::vector<std::unique_ptr<tagMENUITEM>> records)
{
    for (std::unique_ptr<tagMENUITEM> &record : records) {
        if (record->submenu)
            record->submenu->Clear();
        record.reset();
    }
}

void CMenuEx::SetImageLists(std::shared_ptr<const MenuImageList> normal,
                            std::shared_ptr<const MenuImageList> disabled,
                            std::shared_ptr<const MenuImageList> selected)
{
    normalImages = std::move(normal);
    disabledImages = std::move(disabled);
    selectedImages = std::move(selected);
}

const CMenuEx::tagMENUITEM *CMenuEx::Item(int index) const
{
    if (index < 0 || index >= ItemCount())
        return nullptr;
    return items[index].get();
}

void CMenuEx::SetCommandHandler(std::function<void(int)> handler)
{
    commandHandler = std::move(handler);
}

QAction *CMenuEx::FindAction(int id) const
{
    QList<QAction *> found;
    CollectActions(id, &found);
    return found.value(0);
}

QList<QAction *> CMenuEx::CommandItems() const
{
    QList<QAction *> found;
    if (const QWidget *host = Host()) {
        for (QAction *action : host->actions()) {
            if (!action->isSeparator() && !action->menu())
                found.append(action);
        }
    }
    for (const std::unique_ptr<tagMENUITEM> &record : items) {
        if (record->submenu)
            found += record->submenu->CommandItems();
    }
    return found;
}

void CMenuEx::EnableItem(int id, bool enabled)
{
    QList<QAction *> found;
    CollectActions(id, &found);
    for (QAction *action : found)
        action->setEnabled(enabled);
}

int CMenuEx::TrackPopup(const QPoint &globalPos, PopupAlignment alignment)
{
    const tagMENUITEM *first = Item(0);
    if (!first || !first->submenu || !first->submenu->popup())
        return 0;
    QMenu *popup = first->submenu->popup();
    QPoint pos = globalPos;
    if (alignment == PopupAlignment::BottomAtPoint)
        pos.ry() -= popup->sizeHint().height();

    tracking = true;
    pendingCommand = 0;
    popup->exec(pos);
    tracking = false;
    const int chosen = pendingCommand;
    pendingCommand = 0;
    // As with a posted command: the popup is closed before the command runs.
    if (chosen != 0 && commandHandler)
        commandHandler(chosen);
    return chosen;
}

QWidget *CMenuEx::Host() const
{
    if (menu)
        return menu;
    return bar;
}

const CMenuEx::tagMENUITEM *CMenuEx::RecordOf(const QAction *action) const
{
    for (const std::unique_ptr<tagMENUITEM> &record : items) {
        if (record->action == action)
            return record.get();
    }
    return nullptr;
}

void CMenuEx::Dispatch(int commandId)
{
    if (ownerMenu) {
        ownerMenu->Dispatch(commandId);
        return;
    }
    if (tracking) {
        pendingCommand = commandId;
        return;
    }
    if (commandHandler)
        commandHandler(commandId);
}

void CMenuEx::CollectActions(int id, QList<QAction *> *found) const
{
    const QWidget *host = Host();
    if (!host)
        return;
    const QList<QAction *> actions = host->actions();
    for (QAction *action : actions) {
        if (!action->isSeparator() && !action->menu() && action->data().toInt() == id)
            found->append(action);
    }
    for (const std::unique_ptr<tagMENUITEM> &record : items) {
        if (record->submenu)
            record->submenu->CollectActions(id, found);
    }
}

QSize MeasureMenuItem(const CMenuEx::tagMENUITEM &item)
{
    QSize size(item.width, item.height);
    if (item.commandId == 0)
        return size;
    const MenuImageList *images = nullptr;
    for (const auto &list : {item.normalImages, item.disabledImages, item.selectedImages}) {
        if (list && !list->isEmpty()) {
            images = list.get();
            break;
        }
    }
    return size + (images ? images->first().size() : QSize(20, 20));
}
