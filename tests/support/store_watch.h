#pragma once

#include "engine/media/media_store.h"

#include <QObject>
#include <QStringList>

// Calls `onProgress(row, progress)` each time the item at `row` of `store` is given a new
// progress, as the list's bar is told of it.
template<typename F>
QMetaObject::Connection OnProgress(const MediaStore &store, QObject *context, F onProgress)
{
    return QObject::connect(&store, &MediaStore::dataChanged, context,
                            [&store, onProgress](const QModelIndex &top, const QModelIndex &bottom,
                                                 const QList<int> &roles) {
                                if (!roles.contains(MediaStore::ProgressRole))
                                    return;
                                for (int row = top.row(); row <= bottom.row(); ++row)
                                    onProgress(row, store.at(row).progress);
                            });
}

// The ids of the items at `rows` now.
inline QList<ItemId> Ids(const MediaStore &store, const QList<int> &rows)
{
    QList<ItemId> ids;
    for (int row : rows)
        ids << store.at(row).id;
    return ids;
}

// The rows of `ids` now, -1 for one no longer listed.
inline QList<int> Rows(const MediaStore &store, const QList<ItemId> &ids)
{
    QList<int> rows;
    for (ItemId id : ids)
        rows << store.RowOf(id);
    return rows;
}

// Every row's Status text, in list order.
inline QStringList Statuses(const MediaStore &store)
{
    QStringList statuses;
    for (int row = 0; row < store.count(); ++row)
        statuses << StateText(store.at(row).state);
    return statuses;
}
