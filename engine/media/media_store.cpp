// The listed media files as an item model: by row for views, by id for everything else.
#include "engine/media/media_store.h"

#include "engine/media/duration.h"

#include <QCoreApplication>
#include <QFile>
#include <QMimeData>

#include <algorithm>

namespace {

const char *StateSource(ItemState state)
{
    switch (state) {
    case ItemState::Waiting:
        return QT_TRANSLATE_NOOP("Status", "Waiting Convertion...");
    case ItemState::UnknownFormat:
        return QT_TRANSLATE_NOOP("Status", "Unknown Format!");
    case ItemState::Completed:
        return QT_TRANSLATE_NOOP("Status", "Convertion Completed!");
    case ItemState::Canceled:
        return QT_TRANSLATE_NOOP("Status", "User Canceled!");
    case ItemState::Failed:
        return QT_TRANSLATE_NOOP("Status", "Convertion Failed!");
    case ItemState::ConverterNotFound:
        return QT_TRANSLATE_NOOP("Status", "Converter Not Found!");
    case ItemState::OutputEqualsInput:
        return QT_TRANSLATE_NOOP("Status", "Output Equals Input!");
    case ItemState::InvalidSavingFolder:
        return QT_TRANSLATE_NOOP("Status", "Invalid Saving Folder!");
    case ItemState::PartlyConverted:
        return QT_TRANSLATE_NOOP("Status", "Partly Converted");
    case ItemState::AlreadyConverted:
        return QT_TRANSLATE_NOOP("Status", "Already Converted");
    }
    return "";
}

} // namespace

QString StateText(ItemState state)
{
    return QCoreApplication::translate("Status", StateSource(state));
}

QString StateKey(ItemState state)
{
    return QString::fromLatin1(StateSource(state));
}

MediaItem ProbeItem(const QString &folder, const QString &name)
{
    MediaItem item;
    item.folder = folder;
    item.name = name;
    const ProbeOutcome outcome = ProbeMedia(folder, name, item.info);
    const bool unusable = outcome == ProbeOutcome::UnknownFormat
        || outcome == ProbeOutcome::NoStreams || outcome == ProbeOutcome::OpenFailed;
    item.state = unusable ? ItemState::UnknownFormat : ItemState::Waiting;
    if (unusable)
        item.reason = UnknownFormatReason(item.path(), item.info);
    const FileStamp stamp = FileStamp::OfTarget(item.path());
    item.device = stamp.device;
    item.inode = stamp.inode;
    return item;
}

MediaStore::MediaStore(QObject *parent)
    : QAbstractTableModel(parent)
{ }

int MediaStore::RowOf(ItemId id) const
{
    return m_rows.value(id, -1);
}

const MediaItem *MediaStore::Find(ItemId id) const
{
    const int row = RowOf(id);
    return row < 0 ? nullptr : &at(row);
}

ItemId MediaStore::IdOf(const QString &folder, const QString &name) const
{
    return m_listed.value(qMakePair(folder, name), 0);
}

QList<ItemId> MediaStore::InListOrder(const QList<ItemId> &ids) const
{
    QList<int> rows;
    rows.reserve(ids.size());
    for (ItemId id : ids) {
        const int row = RowOf(id);
        if (row >= 0)
            rows << row;
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    QList<ItemId> ordered;
    ordered.reserve(rows.size());
    for (int row : rows)
        ordered << at(row).id;
    return ordered;
}

bool MediaStore::ListsFile(quint64 device, quint64 inode) const
{
    return std::any_of(m_items.begin(), m_items.end(), [&](const MediaItem &item) {
        return item.inode != 0 && item.device == device && item.inode == inode;
    });
}

ItemId MediaStore::Append(MediaItem item)
{
    std::vector<MediaItem> one;
    one.push_back(std::move(item));
    return AppendMany(std::move(one)) == 1 ? m_items.back().id : 0;
}

int MediaStore::AppendMany(std::vector<MediaItem> items)
{
    std::vector<MediaItem> taken;
    taken.reserve(items.size());
    for (MediaItem &item : items) {
        const auto key = qMakePair(item.folder, item.name);
        if (m_listed.contains(key))
            continue;
        item.id = m_nextId++;
        m_listed.insert(key, item.id);
        taken.push_back(std::move(item));
    }
    if (taken.empty())
        return 0;
    const int first = count();
    beginInsertRows(QModelIndex(), first, first + static_cast<int>(taken.size()) - 1);
    for (MediaItem &item : taken) {
        m_rows.insert(item.id, count());
        m_items.push_back(std::move(item));
    }
    endInsertRows();
    return static_cast<int>(taken.size());
}

void MediaStore::Reindex(int fromRow)
{
    for (int row = fromRow; row < count(); ++row)
        m_rows[at(row).id] = row;
}

MediaStore::Removed MediaStore::Remove(QList<int> rows)
{
    Removed removed;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [this](int row) { return row < 0 || row >= count(); }),
               rows.end());
    if (rows.isEmpty())
        return removed;
    for (int row : rows)
        removed.emplace_back(row, at(row));
    // Last to first, one removal per run of neighbouring rows, so that each announced range is
    // still the range it names.
    int last = rows.size() - 1;
    while (last >= 0) {
        int first = last;
        while (first > 0 && rows[first - 1] == rows[first] - 1)
            --first;
        const int top = rows[first];
        const int bottom = rows[last];
        beginRemoveRows(QModelIndex(), top, bottom);
        for (int row = top; row <= bottom; ++row) {
            m_listed.remove(qMakePair(at(row).folder, at(row).name));
            m_rows.remove(at(row).id);
        }
        m_items.erase(m_items.begin() + top, m_items.begin() + bottom + 1);
        endRemoveRows();
        last = first - 1;
    }
    Reindex(rows.first());
    return removed;
}

MediaStore::Removed MediaStore::Clear()
{
    Removed removed;
    for (int row = 0; row < count(); ++row)
        removed.emplace_back(row, at(row));
    beginResetModel();
    m_items.clear();
    m_listed.clear();
    m_rows.clear();
    endResetModel();
    return removed;
}

void MediaStore::Restore(const Removed &items)
{
    for (const auto &[wanted, item] : items) {
        const auto key = qMakePair(item.folder, item.name);
        if (m_listed.contains(key) || m_rows.contains(item.id))
            continue;
        const int row = qBound(0, wanted, count());
        beginInsertRows(QModelIndex(), row, row);
        m_listed.insert(key, item.id);
        m_items.insert(m_items.begin() + row, item);
        Reindex(row);
        endInsertRows();
    }
}

bool MediaStore::Move(QList<int> rows, int before)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(std::remove_if(rows.begin(), rows.end(),
                              [this](int row) { return row < 0 || row >= count(); }),
               rows.end());
    before = qBound(0, before, count());
    if (rows.isEmpty())
        return false;
    // The moved items, in order, and the others; the moved ones go in before the first item
    // that is not moved at or after `before`.
    std::vector<MediaItem> moved;
    std::vector<MediaItem> others;
    int insertAt = 0;
    for (int row = 0, next = 0; row < count(); ++row) {
        if (next < rows.size() && rows[next] == row) {
            moved.push_back(m_items[static_cast<size_t>(row)]);
            ++next;
            continue;
        }
        if (row < before)
            ++insertAt;
        others.push_back(m_items[static_cast<size_t>(row)]);
    }
    std::vector<MediaItem> order = others;
    order.insert(order.begin() + insertAt, moved.begin(), moved.end());
    bool same = true;
    for (int row = 0; row < count() && same; ++row)
        same = order[static_cast<size_t>(row)].id == at(row).id;
    if (same)
        return false;
    // A move of scattered rows is not one range: views are told of a new layout, with every
    // persistent index (the selection, the current row) carried to its item's new row.
    Q_EMIT layoutAboutToBeChanged();
    const QModelIndexList persistent = persistentIndexList();
    QList<ItemId> ids;
    for (const QModelIndex &kept : persistent)
        ids << at(kept.row()).id;
    m_items = std::move(order);
    Reindex(0);
    QModelIndexList after;
    for (int i = 0; i < persistent.size(); ++i)
        after << index(RowOf(ids[i]), persistent[i].column());
    changePersistentIndexList(persistent, after);
    Q_EMIT layoutChanged();
    return true;
}

void MediaStore::ChangedCells(int row, int firstColumn, int lastColumn, const QList<int> &roles)
{
    Q_EMIT dataChanged(index(row, firstColumn), index(row, lastColumn), roles);
}

MediaItem *MediaStore::Edit(ItemId id, int *row)
{
    *row = RowOf(id);
    return *row < 0 ? nullptr : &m_items[static_cast<size_t>(*row)];
}

void MediaStore::SetChecked(ItemId id, bool checked)
{
    int row = 0;
    MediaItem *item = Edit(id, &row);
    if (!item || item->checked == checked)
        return;
    item->checked = checked;
    ChangedCells(row, MediaColumn::Select, MediaColumn::Select, {Qt::CheckStateRole});
}

void MediaStore::SetState(ItemId id, ItemState state, const QString &reason)
{
    int row = 0;
    if (MediaItem *item = Edit(id, &row)) {
        item->state = state;
        item->reason = reason;
        ChangedCells(row, MediaColumn::Status, MediaColumn::Status);
    }
}

void MediaStore::SetProgress(ItemId id, int progress)
{
    int row = 0;
    MediaItem *item = Edit(id, &row);
    if (!item || item->progress == progress)
        return;
    item->progress = progress;
    if (progress == MediaItem::kNoProgress)
        item->note.clear();
    ChangedCells(row, MediaColumn::Status, MediaColumn::Status, {ProgressRole});
}

void MediaStore::SetNote(ItemId id, const QString &note)
{
    int row = 0;
    MediaItem *item = Edit(id, &row);
    if (!item || item->note == note)
        return;
    item->note = note;
    ChangedCells(row, MediaColumn::Status, MediaColumn::Status, {NoteRole});
}

void MediaStore::SetOutput(ItemId id, const QString &output, const FileStamp &stamp)
{
    int row = 0;
    if (MediaItem *item = Edit(id, &row)) {
        item->output = output;
        item->outputStamp = stamp;
    }
}

bool MediaStore::IsConsistent() const
{
    if (m_rows.size() != count() || m_listed.size() != count())
        return false;
    for (int row = 0; row < count(); ++row) {
        const MediaItem &item = at(row);
        if (item.id == 0 || item.id >= m_nextId || m_rows.value(item.id, -1) != row
            || m_listed.value(qMakePair(item.folder, item.name)) != item.id)
            return false;
    }
    return true;
}

void MediaStore::SetTargetFormat(const QString &label)
{
    // Translated once here, not at every paint of the column.
    m_targetFormat = QCoreApplication::translate("Presets", label.toUtf8());
    if (count() > 0)
        Q_EMIT dataChanged(index(0, MediaColumn::TargetFormat),
                           index(count() - 1, MediaColumn::TargetFormat), {Qt::DisplayRole});
}

void MediaStore::SetRowImages(const QVariant &film, const QVariant &sound)
{
    m_images[0] = film;
    m_images[1] = sound;
    if (count() > 0)
        Q_EMIT dataChanged(index(0, MediaColumn::Select), index(count() - 1, MediaColumn::Select),
                           {Qt::DecorationRole});
}

int MediaStore::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : count();
}

int MediaStore::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : MediaColumn::Count;
}

QVariant MediaStore::data(const QModelIndex &index, int role) const
{
    Q_ASSERT(checkIndex(index, CheckIndexOption::ParentIsInvalid));
    if (!index.isValid() || index.row() >= count())
        return QVariant();
    const MediaItem &item = at(index.row());
    if (role == IdRole)
        return item.id;
    switch (index.column()) {
    case MediaColumn::Select:
        if (role == Qt::CheckStateRole)
            return item.checked ? Qt::Checked : Qt::Unchecked;
        if (role == RowImageRole)
            return item.audioOnly() ? 1 : 0;
        if (role == Qt::DecorationRole)
            return m_images[item.audioOnly() ? 1 : 0];
        break;
    case MediaColumn::FileName:
        if (role == Qt::DisplayRole)
            return item.name;
        // Two files of one name from two folders of a tree are told apart here.
        if (role == Qt::ToolTipRole && !item.subFolder.isEmpty())
            return item.subFolder + item.name;
        break;
    case MediaColumn::Location:
        if (role == Qt::DisplayRole)
            return item.folder;
        break;
    case MediaColumn::Duration:
        if (role == Qt::DisplayRole) {
            // A file that can be converted but does not state its length converts too; only
            // its length is unknown.
            const bool known = item.state != ItemState::UnknownFormat && item.info.durationKnown;
            return known ? FormatDuration(static_cast<quint32>(item.info.durationSeconds))
                         : QCoreApplication::translate("List", "Unknown");
        }
        break;
    case MediaColumn::TargetFormat:
        if (role == Qt::DisplayRole)
            return m_targetFormat;
        break;
    case MediaColumn::Status:
        if (role == Qt::DisplayRole)
            return StateText(item.state);
        if (role == Qt::ToolTipRole && !item.reason.isEmpty())
            return item.reason;
        if (role == ProgressRole)
            return item.progress;
        if (role == NoteRole)
            return item.note;
        if (role == ToneRole) {
            if (item.state == ItemState::Completed)
                return Good;
            if (item.state == ItemState::PartlyConverted)
                return Partial;
            if (item.state == ItemState::AlreadyConverted)
                return Muted;
            const bool bad = item.state != ItemState::Waiting && item.state != ItemState::Canceled;
            return bad ? Bad : Neutral;
        }
        break;
    }
    return QVariant();
}

QVariant MediaStore::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const kTitles[MediaColumn::Count]
        = {QT_TRANSLATE_NOOP("List", "Select"),
           QT_TRANSLATE_NOOP("List", "File Name"),
           QT_TRANSLATE_NOOP("List", "Location"),
           QT_TRANSLATE_NOOP("List", "Duration"),
           QT_TRANSLATE_NOOP("List", "Target Format"),
           QT_TRANSLATE_NOOP("List", "Status"),
           ""};
    if (orientation != Qt::Horizontal || section < 0 || section >= MediaColumn::Count)
        return QAbstractTableModel::headerData(section, orientation, role);
    if (role == Qt::DisplayRole)
        return QCoreApplication::translate("List", kTitles[section]);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    return QVariant();
}

Qt::ItemFlags MediaStore::flags(const QModelIndex &index) const
{
    Q_ASSERT(checkIndex(index, CheckIndexOption::ParentIsInvalid));
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsDropEnabled;
    if (at(index.row()).converting())
        return flags;
    flags |= Qt::ItemIsDragEnabled;
    if (index.column() == MediaColumn::Select)
        flags |= Qt::ItemIsUserCheckable;
    return flags;
}

bool MediaStore::setData(const QModelIndex &index, const QVariant &value, int role)
{
    Q_ASSERT(checkIndex(index, CheckIndexOption::ParentIsInvalid));
    if (!index.isValid() || index.column() != MediaColumn::Select || role != Qt::CheckStateRole
        || at(index.row()).converting())
        return false;
    SetChecked(at(index.row()).id, value.toInt() == Qt::Checked);
    return true;
}

namespace {

const QString kItemsMimeType = QStringLiteral("application/x-kelvora-items");

} // namespace

QStringList MediaStore::mimeTypes() const
{
    return {kItemsMimeType};
}

QMimeData *MediaStore::mimeData(const QModelIndexList &indexes) const
{
    QStringList ids;
    for (const QModelIndex &index : indexes) {
        const QString id = index.isValid() ? QString::number(at(index.row()).id) : QString();
        if (!id.isEmpty() && !ids.contains(id))
            ids << id;
    }
    auto *data = new QMimeData;
    data->setData(kItemsMimeType, ids.join(QLatin1Char(',')).toLatin1());
    return data;
}

bool MediaStore::dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                              const QModelIndex &parent)
{
    Q_UNUSED(column);
    if (!data || !data->hasFormat(kItemsMimeType) || action != Qt::MoveAction)
        return false;
    QList<int> rows;
    for (const QByteArray &text : data->data(kItemsMimeType).split(','))
        rows << RowOf(text.toULongLong()); // one that went meanwhile is -1 and stays

    // A drop on a row puts the dragged rows before it; between rows, at that place; on no row, at
    // the end.
    const int before = parent.isValid() ? parent.row() : (row < 0 ? count() : row);
    Move(rows, before);
    // Nothing is left for the view to remove: the rows were moved, not copied.
    return false;
}

Qt::DropActions MediaStore::supportedDropActions() const
{
    return Qt::MoveAction;
}
