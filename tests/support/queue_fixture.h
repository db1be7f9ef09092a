#pragma once

#include "engine/settings/settings.h"
#include "support/store_watch.h"
#include "ui/app/commands.h"
#include "ui/controls/listview/drag_drop_list_ctrl.h"
#include "ui/convert/conversion_queue.h"
#include "ui/media/media_list.h"

#include <QAction>
#include <QPair>
#include <QTest>
#include <QWidget>

// A media list and a conversion queue in a shown window, with a window stand-in whose command
// actions the queue's word enables.
class RecordingQueueWindow
{
public:
    Commands commands;
    bool controls = true;
    void Attach(ConversionQueue &queue)
    {
        QObject::connect(&queue, &ConversionQueue::CommandsChanged, &queue,
                         [this](const CommandContext &context) {
                             controls = !context.converting;
                             commands.ApplyRules(context);
                         });
    }
    // Whether the queue last enabled the command `name`.
    bool On(const char *name) const { return commands.Find(QLatin1String(name))->isEnabled(); }
};

struct QueueFixture
{
    QWidget window;
    CDragDropListCtrl list {&window};
    CurrentPreset preset;
    SettingsValues settings;
    MediaList media {&list, preset, &window};
    RecordingQueueWindow ui;
    ConversionQueue queue {&media, &preset, &settings, &window};

    QueueFixture(const QString &saving, int presetId)
    {
        media.SetupColumns();
        preset.id = presetId;
        settings.currentFolder = saving;
        // One file at a time, as the described queue works; tests of side-by-side conversions
        // set more.
        queue.SetSlots(1);
        window.resize(800, 300);
        list.resize(800, 300);
        window.show();
        ui.Attach(queue);
        queue.UpdateCommands();
    }
    void ConvertAllAndWait()
    {
        queue.ConvertAll();
        QTRY_VERIFY_WITH_TIMEOUT(!queue.IsConverting(), 120000);
    }
    QStringList Statuses() const { return ::Statuses(media.store()); }
    // Selects `rows` as a click and Ctrl-clicks would, the first one becoming the current row.
    void Select(const QList<int> &rows)
    {
        list.clearSelection();
        for (int row : rows)
            list.selectionModel()->select(list.model()->index(row, 0),
                                          QItemSelectionModel::Select | QItemSelectionModel::Rows);
        if (!rows.isEmpty())
            list.selectionModel()->setCurrentIndex(list.model()->index(rows.first(), 0),
                                                   QItemSelectionModel::NoUpdate);
    }
    QString StatusTip(int row) const { return StatusTipOf(media.store(), row); }
    int Bar(int row) const { return BarOf(media.store(), row); }
    bool HasBar(int row) const { return Bar(row) != MediaItem::kNoProgress; }
    // The Status cell's tooltip of `row`, as the list shows it.
    static QString StatusTipOf(const MediaStore &store, int row)
    {
        return store.data(store.index(row, MediaColumn::Status), Qt::ToolTipRole).toString();
    }
    // The bar the Status cell of `row` paints: its percentage, MediaItem::kProgressUnknown, or
    // MediaItem::kNoProgress when it shows none.
    static int BarOf(const MediaStore &store, int row)
    {
        return store.data(store.index(row, MediaColumn::Status), MediaStore::ProgressRole).toInt();
    }
};

// Adds `paths` to `media` as the window does and waits until they are added; returns how many
// rows the add appended.
inline int AddAndWait(MediaList &media, const QStringList &paths, int timeoutMs = 60000)
{
    int added = -1;
    media.AddPaths(paths, [&added](int count) { added = count; });
    return QTest::qWaitFor([&added] { return added >= 0; }, timeoutMs) ? added : -1;
}
