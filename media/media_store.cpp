#include "media/media_store.h"

#include "convert/failure_reason.h"

#include <QFile>

#include <algorithm>
#include <sys/stat.h>

QString StateText(ItemState state)
{
    switch (state) {
    case ItemState::Waiting:
        return QStringLiteral("Waiting Convertion...");
    case ItemState::UnknownFormat:
        return QStringLiteral("Unknown Format!");
    case ItemState::Completed:
        return QStringLiteral("Convertion Completed!");
    case ItemState::Canceled:
        return QStringLiteral("User Canceled!");
    case ItemState::Failed:
        return QStringLiteral("Convertion Failed!");
    case ItemState::ConverterNotFound:
        return QStringLiteral("Converter Not Found!");
    case ItemState::OutputEqualsInput:
        return QStringLiteral("Output Equals Input!");
    case ItemState::InvalidSavingFolder:
        return QStringLiteral("Invalid Saving Folder!");
    }
    return QString();
}

bool IsFailure(ItemState state)
{
    return state != ItemState::Completed && state != ItemState::Canceled
        && state != ItemState::Waiting && state != ItemState::UnknownFormat;
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
    struct stat st;
    if (::stat(QFile::encodeName(item.path()).constData(), &st) == 0) {
        item.device = static_cast<quint64>(st.st_dev);
        item.inode = static_cast<quint64>(st.st_ino);
    }
    return item;
}

MediaStore::MediaStore(QObject *parent)
    : QObject(parent)
{ }

bool MediaStore::IsListed(const QString &folder, const QString &name) const
{
    return m_listed.contains(qMakePair(folder, name));
}

int MediaStore::Append(MediaItem item)
{
    const auto key = qMakePair(item.folder, item.name);
    if (m_listed.contains(key))
        return -1;
    m_listed.insert(key);
    m_items.push_back(std::move(item));
    const int row = count() - 1;
    Q_EMIT ItemAppended(row);
    return row;
}

void MediaStore::Remove(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    // Last to first, so that each announced row is still the row it names.
    for (auto it = rows.crbegin(); it != rows.crend(); ++it) {
        const int row = *it;
        if (row < 0 || row >= count())
            continue;
        m_listed.remove(qMakePair(at(row).folder, at(row).name));
        m_items.erase(m_items.begin() + row);
        Q_EMIT ItemRemoved(row);
    }
}

void MediaStore::Clear()
{
    m_items.clear();
    m_listed.clear();
    Q_EMIT Cleared();
}

void MediaStore::SetChecked(int row, bool checked)
{
    if (row < 0 || row >= count() || at(row).checked == checked)
        return;
    m_items[static_cast<size_t>(row)].checked = checked;
    Q_EMIT ItemChanged(row);
}

void MediaStore::SetState(int row, ItemState state, const QString &reason)
{
    if (row < 0 || row >= count())
        return;
    MediaItem &item = m_items[static_cast<size_t>(row)];
    item.state = state;
    item.reason = reason;
    Q_EMIT ItemChanged(row);
}

void MediaStore::SetProgress(int row, int progress)
{
    if (row < 0 || row >= count() || at(row).progress == progress)
        return;
    m_items[static_cast<size_t>(row)].progress = progress;
    Q_EMIT ProgressChanged(row, progress);
}

void MediaStore::SetOutput(int row, const QString &output)
{
    if (row >= 0 && row < count())
        m_items[static_cast<size_t>(row)].output = output;
}
