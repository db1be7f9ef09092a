#pragma once

#include "app/settings.h"
#include "controls/listview/drag_drop_list_ctrl.h"
#include "convert/conversion_queue.h"
#include "media/media_list.h"

#include <QMap>
#include <QPair>
#include <QWidget>

// A media list and a conversion queue in a shown window, with a window stand-in that records
// which commands the queue enables.
class RecordingQueueWindow : public QueueWindow
{
public:
    QMap<QPair<int, int>, bool> enabled;
    bool controls = true;
    void EnableCommand(int id, Place place, bool on) override
    {
        enabled[qMakePair(id, int(place))] = on;
    }
    void EnableControls(bool on) override { controls = on; }
    bool Menu(int id) const { return enabled.value(qMakePair(id, int(Place::Menu)), true); }
    bool Toolbar(int id) const { return enabled.value(qMakePair(id, int(Place::Toolbar)), true); }
};

struct QueueFixture
{
    QWidget window;
    CDragDropListCtrl list {&window};
    CurrentPreset preset;
    Settings settings;
    MediaList media {&list, preset, &window};
    RecordingQueueWindow ui;
    ConversionQueue queue {&media, &preset, &settings, &ui, &window};

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
        queue.StartTimer();
    }
    QString StatusTip(int row) const
    {
        const QTableWidgetItem *item = list.item(row, MediaColumn::Status);
        return item ? item->toolTip() : QString();
    }
};
