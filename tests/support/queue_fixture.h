#pragma once

#include "app/settings.h"
#include "controls/listview/drag_drop_list_ctrl.h"
#include "convert/conversion_queue.h"
#include "media/media_list.h"

#include <QMap>
#include <QPair>
#include <QTest>
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
    // Whether the queue last enabled command `id` in the menu or on the toolbar. A command the
    // queue never set fails the running test: a state nobody wrote is no answer either way.
    bool Menu(int id) const { return State(id, Place::Menu); }
    bool Toolbar(int id) const { return State(id, Place::Toolbar); }

private:
    bool State(int id, Place place) const
    {
        const auto it = enabled.constFind(qMakePair(id, int(place)));
        if (it != enabled.cend())
            return it.value();
        const QByteArray where = place == Place::Menu ? "menu" : "toolbar";
        QTest::qFail(
            QByteArray("the queue never set command " + QByteArray::number(id) + " in the " + where)
                .constData(),
            __FILE__, __LINE__);
        return false;
    }
};

struct QueueFixture
{
    QWidget window;
    CDragDropListCtrl list {&window};
    CurrentPreset preset;
    SettingsValues settings;
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
